#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The validation document laid out as a PDF by the tool that makes docs/validazione.pdf: its text
# read back holds the title, every chapter and every solved case of the table (the first eight
# characters of its name: a long name breaks over the lines of its cell).
#   bash documento_validazione.sh STRUMENTO SORGENTI
set -euo pipefail
strumento=$1
sorgenti=$2
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
QT_QPA_PLATFORM=offscreen "$strumento" "$sorgenti/docs/validazione.md" "$lavoro/v.pdf" \
    "Documento di validazione di Spintaro" 2>/dev/null
# In reading order and without blanks: a name broken over two lines of its cell reads whole.
pdftotext "$lavoro/v.pdf" - | tr -d ' \n' >"$lavoro/v.txt"
fallito=0
while IFS= read -r atteso; do
    grep -qF -- "${atteso// /}" "$lavoro/v.txt" || { echo "manca nel PDF: $atteso"; fallito=1; }
done < <(
    sed -n 's/^#\+ //p' "$sorgenti/docs/validazione.md"
    tail -n +2 "$sorgenti/examples/validazione/casi.tsv" | cut -f1 | cut -c1-8 | sort -u
)
pdfinfo "$lavoro/v.pdf" | grep -q '^Title: *Documento di validazione di Spintaro$' ||
    { echo "titolo del PDF mancante"; fallito=1; }
[ "$fallito" -eq 0 ] && echo "documento di validazione: titolo, capitoli e casi nel PDF"
exit "$fallito"
