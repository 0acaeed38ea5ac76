#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader gets from Spintaro, read over AT-SPI as one reads it.

Starts the program given as the only argument on a two-layer project (dry sand 1 m, 18 kN/m3,
c 0, 30 degrees over dry clay 3 m, 19 kN/m3, c 20 kPa, 20 degrees, no surcharge: thrust
2.996324 + 4.329154 = 7.325477 kN/m worked by hand), opens every window by pressing its button
or menu item through the accessibility interface, and checks the fields, the options, the
windows, the diagrams' descriptions and the report's lines. Run it through con_display.sh
--accessibilita, which provides the display and the accessibility bus.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

# The project file: record 0 (unused), then the two layers; values as the program writes them.
PROGETTO = "".join(f" {v} \r\n" for v in
                   [0, 0, 0, 0, 0, 1, 18, 0, 30, 0, 3, 19, 20, 20, 0]).encode()

# The twelve display fields and the five entry fields: accessible name, caption (None: no caption
# of its own), whether the user types into it.
CAMPI = [
    ("Strato (Inserimento dati)", "Strato", False),
    ("Strato (Visualizza)", "Strato", False),
    ("Potenza", "Potenza", False),
    ("γ (Visualizza)", "γ", False),
    ("Coesione (Visualizza)", "Coesione", False),
    ("Attrito interno (Visualizza)", "Attrito interno", False),
    ("Ka", "Ka", False),
    ("σv", "σ", False),
    ("σA1", "σ", False),
    ("σA2", "σ", False),
    ("z0", "z0", False),
    ("Spinta Totale (risultato)", None, False),
    ("Sovraccarico", "Sovraccarico", True),
    ("Potenza Strato", "Potenza Strato", True),
    ("γ (Inserimento dati)", "γ", True),
    ("Coesione (Inserimento dati)", "Coesione", True),
    ("Attrito interno (Inserimento dati)", "Attrito interno", True),
]

# How each window is opened (the control pressed: its role and name, in the main window), its
# name and its role.
FINESTRE = [
    ("push button", "Diagramma Sv", "Sigma v", "frame"),
    ("push button", "Diagramma Sa", "Sa", "frame"),
    ("push button", "Stampa", "stampa", "frame"),
    ("push button", "Apri progetto", "Apri", "dialog"),
    ("push button", "Salva progetto", "Salva", "dialog"),
    ("push button", "Nuovo calcolo", "ATTENZIONE", "dialog"),
    ("menu item", "Esporta", "Esporta", "dialog"),
    ("menu item", "Salva Sv", "Salva Immagine", "dialog"),
    ("menu item", "Informazioni su Spintaro 1.1", "Informazioni su Spintaro 1.1", "frame"),
    ("menu item", "E Grazie...", "E Grazie....", "frame"),
]

DESCRIZIONI = {
    "Sigma v": "Tensioni verticali di 2 strati, profondità totale 4 m, valore massimo 75 kPa.",
    "Sa": "Pressioni attive di 2 strati, profondità totale 4 m, valore massimo 8.734 kPa, "
          "spinta totale 7.325 kN/m.",
}

# The report, line by line (C locale: a period as separator): Ka .332925 and .489645, Sv 18 and
# 75, Sa1 0 and -19.176241, Sa2 5.992647 and 8.733503, by the print patterns.
RIGHE = [
    "Strato; Potenza; Gamma; Coesione; Attrito interno; Sotto falda; Ka; Sv; Sa1; Sa2",
    "1; 1; 18; 0; 30; No; .33; 18.; .; 5.99",
    "2; 3; 19; 20; 20; No; .49; 75.; -19.18; 8.73",
]

errori = []


def verifica(condizione, messaggio):
    if not condizione:
        errori.append(messaggio)


def attendi(condizione, secondi=10):
    """The condition's value once true, polling every 20 ms; None after the time given."""
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        valore = condizione()
        if valore:
            return valore
        time.sleep(0.02)
    return None


def trova(radice, ruolo, nome):
    """The first object below the root (depth first) with that role and name."""
    for figlio in radice:
        if figlio is None:
            continue
        if figlio.getRoleName() == ruolo and figlio.name == nome:
            return figlio
        trovato = trova(figlio, ruolo, nome)
        if trovato is not None:
            return trovato
    return None


def finestra(app, nome):
    return next((f for f in app if f is not None and f.name == nome), None)


def premi(oggetto):
    azioni = oggetto.queryAction()
    for i in range(azioni.nActions):
        if azioni.getName(i).lower() in ("press", "click", "premi"):
            azioni.doAction(i)
            return
    raise AssertionError(f"{oggetto.name}: no press action")


def stati(oggetto):
    return set(oggetto.getState().getStates())


def etichette(oggetto):
    """The names of the objects that label this one, in order."""
    nomi = []
    for relazione in oggetto.getRelationSet():
        if relazione.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relazione.getNTargets()):
                bersaglio = relazione.getTarget(i)
                nomi.append(f"{bersaglio.getRoleName()} {bersaglio.name}")
    return nomi


def controlla_principale(principale):
    for nome, didascalia, scrive in CAMPI:
        campo = trova(principale, "text", nome)
        if campo is None:
            errori.append(f"field {nome!r}: not found as text")
            continue
        s = stati(campo)
        verifica((pyatspi.STATE_EDITABLE in s) == scrive and
                 (pyatspi.STATE_READ_ONLY in s) != scrive,
                 f"field {nome!r}: editable {pyatspi.STATE_EDITABLE in s}, "
                 f"read only {pyatspi.STATE_READ_ONLY in s}")
        attese = [f"label {didascalia}"] if didascalia else []
        verifica(etichette(campo) == attese,
                 f"field {nome!r}: labelled by {etichette(campo)}, not {attese}")
    for opzione in ("Sotto Falda: Si", "Sotto Falda: No"):
        verifica(trova(principale, "radio button", opzione) is not None,
                 f"option {opzione!r} not found")


def controlla_finestre(app, principale):
    verifica(principale.getRoleName() == "frame", f"main window: {principale.getRoleName()}")
    for ruolo_controllo, controllo, nome, ruolo in FINESTRE:
        comando = trova(principale, ruolo_controllo, controllo)
        if comando is None:
            errori.append(f"{ruolo_controllo} {controllo!r} not found")
            continue
        premi(comando)
        f = attendi(lambda: finestra(app, nome), 5)
        if f is None:
            errori.append(f"{controllo}: no window named {nome!r} among "
                          f"{[(c.getRoleName(), c.name) for c in app if c is not None]}")
            continue
        verifica(f.getRoleName() == ruolo, f"window {nome!r}: {f.getRoleName()}, not {ruolo}")
        if nome in DESCRIZIONI:
            verifica(f.description == DESCRIZIONI[nome],
                     f"window {nome!r}: description {f.description!r}")
    # Saving the project unloads Salva and asks "Nuovo Lavoro?", a window without a caption.
    salva = finestra(app, "Salva")
    if salva is None:
        return
    premi(trova(salva, "push button", "Salva"))
    nuovo = attendi(lambda: finestra(app, "Nuovo Lavoro?"), 5)
    verifica(nuovo is not None and nuovo.getRoleName() == "dialog",
             f"Nuovolavoro: {[(c.getRoleName(), c.name) for c in app if c is not None]}")


def controlla_rapporto(app):
    stampa = finestra(app, "stampa")
    tabella = stampa and trova(stampa, "list", "Tabella degli strati")
    if tabella is None:
        errori.append("report: no list named 'Tabella degli strati'")
        return
    righe = [tabella.getChildAtIndex(i).name for i in range(tabella.childCount)]
    verifica(righe == RIGHE, f"report lines: {righe}")


def main():
    programma = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as cartella:
        with open(os.path.join(cartella, "strati.spt"), "wb") as f:
            f.write(PROGETTO)
        ambiente = dict(os.environ, LC_ALL="C", LANG="C")
        processo = subprocess.Popen([programma, "strati.spt"], cwd=cartella, env=ambiente)
        try:
            def principale():
                app = next((a for a in pyatspi.Registry.getDesktop(0)
                            if a is not None and a.name == "Spintaro"), None)
                return app and finestra(app, "Spintaro 1.1") and app

            app = attendi(principale)
            if app is None:
                print("accessibilita.py: the program did not appear on the accessibility bus",
                      file=sys.stderr)
                return 1
            controlla_principale(finestra(app, "Spintaro 1.1"))
            controlla_finestre(app, finestra(app, "Spintaro 1.1"))
            controlla_rapporto(app)
        finally:
            processo.terminate()
            processo.wait(10)
    for e in errori:
        print("FAIL:", e, file=sys.stderr)
    print(f"accessibilita.py: {len(errori)} failures", file=sys.stderr)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
