#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader gets from Spintaro (the program given), read over AT-SPI on a display
that con_display.sh --accessibilita provides: the fields, the options, every window opened by
pressing its button or menu item, the diagrams' descriptions and the report's lines, on 1 m of
dry sand over 3 m of dry clay without surcharge, the profile the core tests work by hand."""
import os
import pathlib
import subprocess
import sys
import tempfile
import time

import pyatspi

# The project file: record 0 (unused), then the two layers; values as the program writes them.
PROGETTO = b"".join(b" %d \r\n" % v for v in [0, 0, 0, 0, 0, 1, 18, 0, 30, 0, 3, 19, 20, 20, 0])

# The 12 display and 5 entry fields, "accessible name=caption" (no caption: none); one types only
# in the entry fields.
SOLO_LETTURA = ["Strato (Inserimento dati)=Strato", "Strato (Visualizza)=Strato", "Potenza=Potenza",
                "γ (Visualizza)=γ", "Coesione (Visualizza)=Coesione",
                "Attrito interno (Visualizza)=Attrito interno", "Ka=Ka", "σv=σ", "σA1=σ", "σA2=σ",
                "z0=z0", "Spinta Totale (risultato)="]
ENTRATA = ["Sovraccarico=Sovraccarico", "Potenza Strato=Potenza Strato", "γ (Inserimento dati)=γ",
           "Coesione (Inserimento dati)=Coesione",
           "Attrito interno (Inserimento dati)=Attrito interno"]
CAMPI = [(*c.split("="), c in ENTRATA) for c in SOLO_LETTURA + ENTRATA]

# Each window: the control that opens it (role, name), the window's name, role and description
# (for a diagram also the name of the image it holds).
FINESTRE = [
    ("push button", "Diagramma Sv", "Sigma v", "frame",
     "Tensioni verticali di 2 strati, profondità totale 4 m, valore massimo 75 kPa."),
    ("push button", "Diagramma Sa", "Sa", "frame", "Pressioni attive di 2 strati, profondità "
     "totale 4 m, valore massimo 8.734 kPa, spinta totale 7.096 kN/m."),
    ("push button", "Stampa", "stampa", "frame", None),
    ("push button", "Apri progetto", "Apri", "dialog", None),
    ("push button", "Salva progetto", "Salva", "dialog", None),
    ("push button", "Nuovo calcolo", "ATTENZIONE", "dialog", None),
    ("menu item", "Esporta", "Esporta", "dialog", None),
    ("menu item", "Salva Sv", "Salva Immagine", "dialog", None),
    ("menu item", "Informazioni su Spintaro 1.1", "Informazioni su Spintaro 1.1", "frame", None),
    ("menu item", "E Grazie...", "E Grazie....", "frame", None),
    ("menu item", "Parametri di calcolo...", "Parametri di calcolo", "frame", None),
    ("menu item", "Carichi sul terrapieno...", "Carichi sul terrapieno", "frame", None),
    ("menu item", "Spinte di progetto...", "Spinte di progetto", "frame", None),
    ("menu item", "Intestazione del progetto...", "Intestazione del progetto", "frame", None)]
# In the design windows and the heading window: a field named by its caption, a partial factor
# by its set, the tables.
PROGETTO_CONTROLLI = [
    ("Parametri di calcolo", "text", "Inclinazione del terrapieno β"),
    ("Parametri di calcolo", "text", "γQ azioni variabili sfavorevoli, A1"),
    ("Parametri di calcolo", "check box", "Combinazioni: A1+M1"),
    ("Carichi sul terrapieno", "table", "Elenco dei carichi"),
    ("Carichi sul terrapieno", "push button", "Aggiungi"),
    ("Carichi sul terrapieno", "text", "γG2 azioni permanenti non strutturali sfavorevoli, A1"),
    ("Spinte di progetto", "table", "Spinte per combinazione"),
    ("Spinte di progetto", "table", "Strati della combinazione scelta"),
    ("Intestazione del progetto", "text", "Committente")]
# The outcome and status lines: window, the command that writes one, its description, its start.
ESITI = [("Parametri di calcolo", "Applica", "Esito", "Parametri applicati"),
         ("Intestazione del progetto", "Applica", "Esito", "Intestazione applicata"),
         ("Carichi sul terrapieno", "Applica", "Esito", "Carichi applicati"),
         ("Spinte di progetto", "Aggiorna", "Stato del calcolo", "Calcolato alle ")]

# The report, line by line (C locale: a period as separator), by the print patterns.
RIGHE = [
    "Strato; Potenza; Gamma; Coesione; Attrito interno; Sotto falda; Ka; Sv; Sa1; Sa2",
    "1; 1; 18; 0; 30; No; .33; 18.; .; 5.99",
    "2; 3; 19; 20; 20; No; .49; 75.; -19.18; 8.73",
]

errori = []


def verifica(condizione, messaggio):
    if not condizione:
        errori.append(messaggio)
    return condizione


def attendi(condizione, secondi=10):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        if valore := condizione():
            return valore
        time.sleep(0.02)
    return None


def trova(radice, ruolo, nome):
    return pyatspi.findDescendant(radice, lambda o: o.getRoleName() == ruolo and o.name == nome)


def finestra(app, nome):
    return next((f for f in app if f is not None and f.name == nome), None)


def elenco(app):
    return [(c.getRoleName(), c.name) for c in app if c is not None]


def premi(oggetto):
    azioni = oggetto.queryAction()
    nomi = [azioni.getName(i).lower() for i in range(azioni.nActions)]
    azioni.doAction(next(i for i, n in enumerate(nomi) if n in ("press", "click", "premi")))


def etichette(oggetto):
    return [f"{t.getRoleName()} {t.name}" for r in oggetto.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for t in map(r.getTarget, range(r.getNTargets()))]


def controlla(app, principale):
    verifica(principale.getRoleName() == "frame", f"main window: {principale.getRoleName()}")
    for nome, didascalia, scrive in CAMPI:
        if not verifica((campo := trova(principale, "text", nome)) is not None, f"no {nome!r}"):
            continue
        s = set(campo.getState().getStates())
        verifica((pyatspi.STATE_EDITABLE in s) == scrive != (pyatspi.STATE_READ_ONLY in s),
                 f"field {nome!r}: states {s}")
        attese = [f"label {didascalia}"] if didascalia else []
        verifica(etichette(campo) == attese, f"field {nome!r}: labelled by {etichette(campo)}")
    for opzione in ("Sotto Falda: Si", "Sotto Falda: No"):
        verifica(trova(principale, "radio button", opzione) is not None,
                 f"option {opzione!r} not found")
    for ruolo_controllo, controllo, nome, ruolo, descrizione in FINESTRE:
        if not verifica((comando := trova(principale, ruolo_controllo, controllo)) is not None,
                        f"{ruolo_controllo} {controllo!r} not found"):
            continue
        premi(comando)
        f = attendi(lambda: finestra(app, nome), 5)
        verifica(f is not None and f.getRoleName() == ruolo
                 and f.description == (descrizione or f.description),
                 f"{controllo}: window {nome!r} as {ruolo} with {descrizione!r}: {elenco(app)}")
        # A diagram's drawing is an image that a reader names with the window's summary.
        verifica(f is None or not descrizione or trova(f, "image", descrizione) is not None,
                 f"{controllo}: no image named {descrizione!r} in {nome!r}")
    for nome, ruolo, controllo in PROGETTO_CONTROLLI:
        f = finestra(app, nome)
        verifica(f is not None and trova(f, ruolo, controllo) is not None,
                 f"{nome}: no {ruolo} {controllo!r}")
    # An outcome or status line is read by its text after its command.
    for nome, pulsante, descrizione, inizio in ESITI:
        f = finestra(app, nome)
        if f is None or not verifica((p := trova(f, "push button", pulsante)) is not None,
                                     f"{nome}: no {pulsante!r}"):
            continue
        premi(p)
        nota = attendi(lambda: pyatspi.findDescendant(f, lambda o: o.description == descrizione
                                                      and o.name.startswith(inizio)), 15)
        verifica(nota is not None and nota.getRoleName() == "label", f"{nome}: no {inizio!r}")
        # A label without text would be read by the name of the group around it.
        muta = pyatspi.findDescendant(f, lambda o: o.getRoleName() == "label" and o.name in (
            "", o.parent.name) and pyatspi.STATE_SHOWING in o.getState().getStates())
        verifica(muta is None, f"{nome}: a label without text, read as {muta and muta.name!r}")
    # Saving the project unloads Salva and asks "Nuovo Lavoro?", a window without a caption.
    if (salva := finestra(app, "Salva")) is not None:
        premi(trova(salva, "push button", "Salva"))
        nuovo = attendi(lambda: finestra(app, "Nuovo Lavoro?"), 5)
        verifica(nuovo is not None and nuovo.getRoleName() == "dialog",
                 f"Nuovolavoro: {elenco(app)}")
    stampa = finestra(app, "stampa")
    tabella = stampa and trova(stampa, "list", "Tabella degli strati")
    righe = [tabella.getChildAtIndex(i).name for i in range(tabella.childCount)] if tabella else []
    verifica(righe == RIGHE, f"report lines: {righe}")


def main():
    with tempfile.TemporaryDirectory() as cartella:
        pathlib.Path(cartella, "strati.spt").write_bytes(PROGETTO)
        processo = subprocess.Popen([os.path.abspath(sys.argv[1]), "strati.spt"], cwd=cartella,
                                    env=dict(os.environ, LC_ALL="C", LANG="C"))
        try:
            app = attendi(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None
                                        and a.name == "Spintaro" and finestra(a, "Spintaro 1.1")),
                                       None))
            verifica(app is not None, "the program did not appear on the accessibility bus")
            if app is not None:
                controlla(app, finestra(app, "Spintaro 1.1"))
        finally:
            processo.terminate()
            processo.wait(10)
    print(*(f"FAIL: {e}" for e in errori), f"accessibilita.py: {len(errori)} failures", sep="\n",
          file=sys.stderr)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
