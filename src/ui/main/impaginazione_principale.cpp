// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/impaginazione_principale.h"

#include "ui/main/spintaro_window.h"

namespace spintaro {

namespace {

using W = SpintaroWindow;
using enum ControlloPrincipale::Tipo;

constexpr const char* Client = nullptr;
constexpr const char* F1 = "Frame1";
constexpr const char* F2 = "Frame2";
constexpr const char* F3 = "Frame3";
constexpr const char* F4 = "Frame4";

using Carattere = ControlloPrincipale::Carattere;
constexpr Carattere Arial{false, 8.25}; // the window's font
constexpr Carattere ArialGrassetto{false, 8.25, true};
constexpr Carattere MsSans{true, 8.25};
constexpr Carattere MsSansGrassetto{true, 8.25, true};
constexpr Carattere Lettera{false, 9.75}; // γ and the degree sign
constexpr Carattere Sigma{false, 12};
constexpr Carattere Indice{false, 6}; // the subscripts of σ

// Entry rows: caption at 120, field at 1200, unit at 1920. Display rows: caption at 3000 (3120
// from "Ka" down), field at 4080, unit at 5160. Labels are 255 high; each σ carries its subscript
// 120 below its top, and each "kN / m" its raised "³".
// clang-format off
constexpr ControlloPrincipale Controlli[] = {
    // name                    kind         frame    left   top width height font
    //     text, tooltip, accessible name, accessible description, member, caption of a field
    // Toolbar.
    {"Frame3",                 Cornice,     Client,  120,    0, 1455,  375, Arial,
        "", "", "", "", &W::Frame3},
    {"Picture1",               Immagine,    F3,      120,  120,  255,  255, Arial,
        ":/spintaro/nuovo.svg", "Nuovo calcolo", "", "", &W::Picture1},
    {"Picture4",               Immagine,    F3,      360,  120,  375,  255, Arial,
        ":/spintaro/apri.svg", "Apri progetto", "", "", &W::Picture4},
    {"Picture2",               Immagine,    F3,      720,  120,  255,  255, Arial,
        ":/spintaro/salva.svg", "Salva progetto", "", "", &W::Picture2},
    {"Picture7",               Immagine,    F3,     1320,  120,  255,  255, Arial,
        ":/spintaro/stampa.svg", "Stampa", "", "", &W::Picture7},

    // Data-entry panel.
    {"Frame1",                 Cornice,     Client,    0,  600, 2655, 5055, MsSansGrassetto,
        "Inserimento dati", "", "", "", &W::Frame1},
    {"lab_sovraccarico",       Etichetta,   F1,      120, 1560, 1080,  255, Arial, "Sovraccarico"},
    {"txt_sovraccarico",       Campo,       F1,     1200, 1560,  615,  315, Arial,
        "", "", "Sovraccarico", "kPa", &W::txt_sovraccarico, "lab_sovraccarico"},
    {"lab_sovraccarico_unita", Etichetta,   F1,     1920, 1680,  375,  255, Arial, "kPa"},
    {"lab_strato",             Etichetta,   F1,      120, 1920, 1080,  255, MsSans, "Strato"},
    {"txt_strato",             SolaLettura, F1,     1200, 1920,  615,  285, MsSans,
        "1", "", "Strato (Inserimento dati)", "", &W::txt_strato, "lab_strato"},
    {"lab_potenza",            Etichetta,   F1,      120, 2280, 1095,  255, MsSans,
        "Potenza Strato"},
    {"txt_potenza",            Campo,       F1,     1200, 2280,  615,  285, MsSans,
        "", "", "Potenza Strato", "m", &W::txt_potenza, "lab_potenza"},
    {"lab_potenza_unita",      Etichetta,   F1,     1920, 2400,  375,  255, Arial, "m"},
    {"lab_gamma",              Etichetta,   F1,      240, 2640,  135,  255, Lettera, "γ"},
    {"txt_gamma",              Campo,       F1,     1200, 2640,  615,  285, MsSans,
        "", "", "γ (Inserimento dati)", "kN/m³", &W::txt_gamma, "lab_gamma"},
    {"lab_gamma_unita",        Etichetta,   F1,     1920, 2760,  495,  255, Arial, "kN / m"},
    {"lab_gamma_esponente",    Etichetta,   F1,     2400, 2760,  135,  135, Arial, "³"},
    {"lab_coesione",           Etichetta,   F1,      120, 3000, 1080,  255, MsSans, "Coesione"},
    {"txt_coesione",           Campo,       F1,     1200, 3000,  615,  285, MsSans,
        "", "", "Coesione (Inserimento dati)", "kPa", &W::txt_coesione, "lab_coesione"},
    {"lab_coesione_unita",     Etichetta,   F1,     1920, 3120,  375,  255, Arial, "kPa"},
    {"lab_attrinterno",        Etichetta,   F1,      120, 3360, 1080,  255, Arial,
        "Attrito interno"},
    {"txt_attrint",            Campo,       F1,     1200, 3360,  615,  285, MsSans,
        "", "", "Attrito interno (Inserimento dati)", "gradi", &W::txt_attrint, "lab_attrinterno"},
    {"lab_attrinterno_unita",  Etichetta,   F1,     1920, 3360,  255,  255, Lettera, "°"},
    {"lab_falda",              Etichetta,   F1,      120, 3960, 1080,  255, Arial, "Sotto Falda"},
    {"OptSi",                  Opzione,     F1,     1200, 3960,  495,  255, Arial,
        "Si", "", "Sotto Falda: Si", "", &W::OptSi},
    {"OptNo",                  Opzione,     F1,     1800, 3960,  615,  255, Arial,
        "No", "", "Sotto Falda: No", "", &W::OptNo},
    {"nuovo",                  Pulsante,    F1,     1320, 4320,  975,  495, MsSans,
        "Nuovo", "Inserisci un nuovo strato", "", "", &W::nuovo},
    {"Fine",                   Pulsante,    F1,     1320, 4920,  975,  495, MsSans,
        "Ok", "Fine dell'immissione dei dati", "", "", &W::Fine},

    // Display panel.
    {"Frame2",                 Cornice,     Client, 2760,  600, 3135, 5055, ArialGrassetto,
        "Visualizza", "", "", "", &W::Frame2},
    {"lab_strat",              Etichetta,   F2,     3000, 1080, 1080,  255, Arial, "Strato"},
    {"txt_strat",              SolaLettura, F2,     4080, 1080,  975,  285, MsSans,
        "", "", "Strato (Visualizza)", "", &W::txt_strat, "lab_strat"},
    {"lab_pot",                Etichetta,   F2,     3000, 1440, 1080,  255, Arial, "Potenza"},
    {"txt_pot",                SolaLettura, F2,     4080, 1440,  975,  315, Arial,
        "", "", "Potenza", "m", &W::txt_pot, "lab_pot"},
    {"lab_pot_unita",          Etichetta,   F2,     5160, 1440,  375,  255, Arial, "m"},
    {"lab_gam",                Etichetta,   F2,     3000, 1800,  135,  255, Lettera, "γ"},
    {"txt_gam",                SolaLettura, F2,     4080, 1800,  975,  285, MsSans,
        "", "", "γ (Visualizza)", "kN/m³", &W::txt_gam, "lab_gam"},
    {"lab_gam_unita",          Etichetta,   F2,     5160, 1920,  495,  255, Arial, "kN / m"},
    {"lab_gam_esponente",      Etichetta,   F2,     5640, 1920,  135,  135, Arial, "³"},
    {"lab_coes",               Etichetta,   F2,     3000, 2160, 1080,  255, Arial, "Coesione"},
    {"txt_coes",               SolaLettura, F2,     4080, 2160,  975,  285, MsSans,
        "", "", "Coesione (Visualizza)", "kPa", &W::txt_coes, "lab_coes"},
    {"lab_coes_unita",         Etichetta,   F2,     5160, 2280,  375,  255, Arial, "kPa"},
    {"lab_attritint",          Etichetta,   F2,     3000, 2520, 1080,  255, Arial,
        "Attrito interno"},
    {"txt_attritint",          SolaLettura, F2,     4080, 2520,  975,  315, Arial,
        "", "", "Attrito interno (Visualizza)", "gradi", &W::txt_attritint, "lab_attritint"},
    {"lab_attritint_unita",    Etichetta,   F2,     5160, 2520,  255,  255, Lettera, "°"},
    {"lab_ka",                 Etichetta,   F2,     3120, 2880,  960,  255, Arial, "Ka"},
    {"txt_ka",                 SolaLettura, F2,     4080, 2880,  975,  315, Arial,
        "", "", "Ka", "", &W::txt_ka, "lab_ka"},
    {"lab_sv",                 Etichetta,   F2,     3120, 3240,  255,  255, Sigma, "σ"},
    {"lab_sv_indice",          Etichetta,   F2,     3240, 3360,  135,  135, Indice, "v"},
    {"txt_Sv",                 SolaLettura, F2,     4080, 3240,  975,  315, Arial,
        "", "", "σv", "kPa", &W::txt_Sv, "lab_sv"},
    {"lab_sv_unita",           Etichetta,   F2,     5160, 3360,  375,  255, Arial, "kPa"},
    {"lab_sa1",                Etichetta,   F2,     3120, 3600,  255,  255, Sigma, "σ"},
    {"lab_sa1_indice",         Etichetta,   F2,     3240, 3720,  135,  135, Indice, "A1"},
    {"txt_sa1",                SolaLettura, F2,     4080, 3600,  975,  315, Arial,
        "", "", "σA1", "kPa", &W::txt_sa1, "lab_sa1"},
    {"lab_sa1_unita",          Etichetta,   F2,     5160, 3720,  375,  255, Arial, "kPa"},
    {"lab_sa2",                Etichetta,   F2,     3120, 3960,  255,  255, Sigma, "σ"},
    {"lab_sa2_indice",         Etichetta,   F2,     3240, 4080,  135,  135, Indice, "A2"},
    {"txt_sa2",                SolaLettura, F2,     4080, 3960,  975,  315, Arial,
        "", "", "σA2", "kPa", &W::txt_sa2, "lab_sa2"},
    {"lab_sa2_unita",          Etichetta,   F2,     5160, 4080,  375,  255, Arial, "kPa"},
    {"lab_z0",                 Etichetta,   F2,     3120, 4440,  960,  255, Arial, "z0"},
    {"txt_z0",                 SolaLettura, F2,     4080, 4320,  975,  315, Arial,
        "", "", "z0", "m", &W::txt_z0, "lab_z0"},
    {"lab_z0_unita",           Etichetta,   F2,     5160, 4440,  375,  255, Arial, "m"},
    {"precedente",             Pulsante,    F2,     3720, 4920,  975,  495, MsSans,
        "&Precedente", "Valori Strato Precedente ", "", "", &W::precedente},
    {"successivo",             Pulsante,    F2,     4680, 4920,  975,  495, MsSans,
        "&Successivo", "Valori Strato Successivo", "", "", &W::successivo},

    // Diagrams, total thrust, exit, contact.
    {"Grafico",                Pulsante,    Client, 6120,  720, 1575,  495, MsSans,
        "Diagramma S&v", "Mostra Diagramma ", "", "", &W::Grafico},
    {"Command1",               Pulsante,    Client, 6120, 1320, 1575,  495, Arial,
        "Diagramma S&a", "Mostra Diagramma ", "", "", &W::Command1},
    {"Frame4",                 Cornice,     Client, 6000, 2040, 1815, 1335, Arial,
        "", "", "", "", &W::Frame4},
    {"Command2",               Pulsante,    F4,     6120, 2280, 1575,  495, Arial,
        "Spinta Totale", "Calcola Spinta", "", "", &W::Command2},
    {"txt_spinta",             SolaLettura, F4,     6120, 2880, 1095,  315, Arial,
        "", "", "Spinta Totale (risultato)", "kN/m", &W::txt_spinta},
    // The thrust is in kN per metre of wall; as wide as the "kN / m" labels, so it is not cut.
    {"lab_spinta_unita",       Etichetta,   F4,     7320, 3000,  495,  255, Arial, "kN/m"},
    {"btn_Chiudi",             Pulsante,    Client, 6840, 5400,  975,  375, Arial,
        "&Chiudi", "Chiudi", "", "", &W::btn_Chiudi},
    {"lab_contatto",           Etichetta,   Client, 1440, 5760, 3735,  255, Arial,
        "Per suggerimenti o problemi: " SPINTARO_SEGNALAZIONI, "", "", "", &W::lab_contatto},
};
// clang-format on

} // namespace

std::span<const ControlloPrincipale> impaginazionePrincipale() {
    return Controlli;
}

} // namespace spintaro
