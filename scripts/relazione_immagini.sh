#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every page of the calculation report of the two-layer example (10 kPa over 2 m of
# dry sand and 3 m of submerged cohesive soil), for the README: written by the real batch
# calculator with Italian regional settings and the date of this version, then one PNG per page
# at 60 dpi in docs/relazione/ (pdftoppm, poppler-utils); and the PDF of the validation document,
# docs/validazione.pdf, laid out from docs/validazione.md.
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset default "${launcher[@]}" >/dev/null
cmake --build --preset default --target spintaro-calcola spintaro-documento-pdf >/dev/null

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cp examples/due_strati.spt "$lavoro/esempio_due_strati.spt"
epoca=$(sed -n 's/^set(SPINTARO_EPOCA_VERSIONE \([0-9]*\)).*/\1/p' CMakeLists.txt)
LC_ALL=it_IT.UTF-8 SOURCE_DATE_EPOCH=$epoca \
    build/default/src/cli/spintaro-calcola --sovraccarico 10 --relazione "$lavoro/relazione.pdf" \
    "$lavoro/esempio_due_strati.spt" >/dev/null

mkdir -p docs/relazione
rm -f docs/relazione/pagina-*.png
pdftoppm -png -r 60 "$lavoro/relazione.pdf" docs/relazione/pagina
ls -l docs/relazione

QT_QPA_PLATFORM=offscreen build/default/src/app/spintaro-documento-pdf docs/validazione.md \
    docs/validazione.pdf "Documento di validazione di Spintaro"
ls -l docs/validazione.pdf
