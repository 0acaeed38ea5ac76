#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages as man shows them: no roff warning, a NOME line that the whatis index can read,
# and every option that `spintaro-calcola --help` names documented as an entry of
# spintaro-calcola(1). Without man-db the check is skipped (status 77), except under CI.
set -euo pipefail
calcola=$1
manuali=$2
for s in man lexgrog col; do
    command -v "$s" >/dev/null && continue
    echo "manca $s (pacchetti man-db, bsdextrautils)"
    exit "$([ -n "${CI:-}" ] && echo 1 || echo 77)"
done
export LC_ALL=C.UTF-8 MANWIDTH=80
fallito=0
errore() { echo "ERRORE: $*"; fallito=1; }

for pagina in "$manuali"/spintaro.1.gz "$manuali"/spintaro-calcola.1.gz; do
    avvisi=$(man --warnings -l "$pagina" 2>&1 >/dev/null)
    [ -z "$avvisi" ] || errore "$(basename "$pagina"): $avvisi"
    lexgrog "$pagina" >/dev/null || errore "lexgrog non legge il NOME di $(basename "$pagina")"
done

testo=$(man -l "$manuali/spintaro-calcola.1.gz" | col -b)
opzioni=$("$calcola" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u)
[ -n "$opzioni" ] || errore "spintaro-calcola --help non nomina alcuna opzione"
for o in $opzioni; do
    grep -Eq -- "^ +$o( |$)" <<<"$testo" ||
        errore "l'opzione $o di --help manca in spintaro-calcola(1)"
done
exit $fallito
