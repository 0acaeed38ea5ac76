#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Recomputes every case of the validation document with the batch calculator.
#
#   bash scripts/validazione.sh [--aggiorna] [CALCOLATORE]
#
# CALCOLATORE is the spintaro-calcola to check (default: the one the README's build makes). Each
# row of examples/validazione/casi.tsv names a project file of that folder, the calculator's
# options, and the result compared ("grandezza"): a path into the calculator's JSON object of the
# project, with fields joined by "." and array elements chosen by index ("strati[0].sa2") or, for
# the design combinations, by name ("combinazioni[A1+M1].spinta"). Without --aggiorna the script
# fails, naming each case, where the result differs from the one recorded in the "programma"
# column (at the four decimals recorded) or from the published one by more than the tolerance, or
# where the document's table is not the table's; with --aggiorna it rewrites the "programma"
# column and the document's table from the results.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
aggiorna=0
if [ "${1:-}" = --aggiorna ]; then
    aggiorna=1
    shift
fi
calcolatore=${1:-$radice/build/default/src/cli/spintaro-calcola}
if [ ! -x "$calcolatore" ]; then
    echo "validazione: il calcolatore $calcolatore non esiste: costruire il programma prima" >&2
    exit 1
fi
if ! command -v python3 >/dev/null; then
    echo "validazione: manca python3 (pacchetto python3)" >&2
    exit 1
fi
export LC_ALL=C.UTF-8
exec python3 - "$radice" "$calcolatore" "$aggiorna" <<'PYTHON'
import json, re, shlex, subprocess, sys
radice, calcolatore, aggiorna = sys.argv[1], sys.argv[2], sys.argv[3] == "1"
cartella = radice + "/examples/validazione"
tabella = cartella + "/casi.tsv"
documento = radice + "/docs/validazione.md"
COLONNE = ["caso", "file", "opzioni", "grandezza", "pubblicato", "tolleranza", "programma", "fonte"]

with open(tabella, encoding="utf-8") as f:
    righe = [r.rstrip("\n").split("\t") for r in f]
if righe[0] != COLONNE:
    sys.exit("validazione: intestazione di casi.tsv diversa da: " + " ".join(COLONNE))
casi = [dict(zip(COLONNE, r)) for r in righe[1:] if r != [""]]

def valore(oggetto, percorso):
    for parte in re.findall(r"[^.\[\]]+|\[[^\]]*\]", percorso):
        if parte.startswith("["):
            chiave = parte[1:-1]
            if chiave.isdigit():
                oggetto = oggetto[int(chiave)]
            else:
                oggetto = next(x for x in oggetto if x.get("nome") == chiave)
        else:
            oggetto = oggetto[parte]
    return oggetto

errori = []
calcolati = {}
for c in casi:
    chiave = (c["file"], c["opzioni"])
    if chiave not in calcolati:
        comando = [calcolatore, "--formato", "json"] + shlex.split(c["opzioni"]) + [cartella + "/" + c["file"]]
        esito = subprocess.run(comando, capture_output=True, text=True)
        if esito.returncode != 0:
            errori.append(f"{c['caso']}: il calcolatore esce con {esito.returncode}: {esito.stderr.strip()}")
            calcolati[chiave] = None
        else:
            calcolati[chiave] = json.loads(esito.stdout.splitlines()[0])
    risultato = calcolati[chiave]
    if risultato is None:
        continue
    try:
        v = valore(risultato, c["grandezza"])
    except (KeyError, IndexError, StopIteration, TypeError):
        errori.append(f"{c['caso']}: la grandezza {c['grandezza']} non è nel risultato")
        continue
    testo = "—" if v is None else f"{v:.4f}"
    if aggiorna:
        c["programma"] = testo
    elif c["programma"] != testo:
        errori.append(f"{c['caso']}: {c['grandezza']} = {testo}, il documento riporta {c['programma'] or 'nulla'}")
    if v is None or abs(v - float(c["pubblicato"])) > float(c["tolleranza"]):
        errori.append(f"{c['caso']}: {c['grandezza']} = {testo} si scosta da {c['pubblicato']} più di {c['tolleranza']}")

def tabella_md():
    t = ["| Caso | File | Opzioni | Grandezza | Atteso | Tolleranza | Programma | Differenza | Fonte |",
         "|---|---|---|---|---:|---:|---:|---:|---|"]
    for c in casi:
        try:
            d = f"{float(c['programma']) - float(c['pubblicato']):+.4f}"
        except ValueError:
            d = "—"
        opzioni = f"`{c['opzioni']}`" if c["opzioni"] else ""
        t.append(f"| {c['caso']} | `{c['file']}` | {opzioni} | `{c['grandezza']}` | {c['pubblicato']} | "
                 f"{c['tolleranza']} | {c['programma']} | {d} | {c['fonte']} |")
    return "\n".join(t)

INIZIO, FINE = "<!-- casi: inizio -->", "<!-- casi: fine -->"
with open(documento, encoding="utf-8") as f:
    doc = f.read()
if INIZIO not in doc or FINE not in doc:
    sys.exit(f"validazione: {documento} non ha i segni {INIZIO} e {FINE}")
prima, resto = doc.split(INIZIO, 1)
_, dopo = resto.split(FINE, 1)
nuovo = prima + INIZIO + "\n" + tabella_md() + "\n" + FINE + dopo
if aggiorna:
    with open(tabella, "w", encoding="utf-8", newline="") as f:
        f.write("\t".join(COLONNE) + "\n")
        for c in casi:
            f.write("\t".join(c[k] for k in COLONNE) + "\n")
    with open(documento, "w", encoding="utf-8") as f:
        f.write(nuovo)
elif nuovo != doc:
    errori.append("docs/validazione.md: la tabella dei casi non è quella di casi.tsv (bash scripts/validazione.sh --aggiorna)")
for e in errori:
    print("validazione: " + e, file=sys.stderr)
if errori:
    sys.exit(1)
print(f"validazione: {len(casi)} valori di {len({c['caso'] for c in casi})} casi confermati")
PYTHON
