#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every folder holds one layer and no import runs back up. The core folders are ranked from the
# bottom (model) to the top (report): each includes only folders at or below its own rank and never
# Qt; platform/ includes the core; ui/ includes platform and the core; the executables anything.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}/src"

rango() {
    case $1 in
    model) echo 1 ;; text) echo 2 ;; analisi) echo 3 ;; files) echo 4 ;; diagrams) echo 5 ;;
    report) echo 6 ;; platform) echo 10 ;; ui) echo 20 ;; app | cli) echo 30 ;; *) echo 0 ;;
    esac
}

fallito=0
while IFS= read -r riga; do
    file=${riga%%:*}
    incluso=${riga#*\"}
    incluso=${incluso%%\"*}
    da=${file%%/*}
    a=${incluso%%/*}
    rd=$(rango "$da")
    ra=$(rango "$a")
    if [ "$rd" -eq 0 ]; then
        echo "ERRORE: $file: la cartella src/$da non ha un livello"
        fallito=1
    elif [ "$ra" -eq 0 ] && [ "$incluso" = "${incluso#*/}" ]; then
        continue # a header of the same folder, named without its folder
    elif [ "$ra" -gt "$rd" ] || { [ "$rd" -lt 10 ] && [ "$ra" -ge 10 ]; }; then
        echo "ERRORE: $file include $incluso, di un livello superiore"
        fallito=1
    fi
done < <(grep -rHo '^#include "[^"]*"' --include='*.cpp' --include='*.h' . | sed 's|^\./||')

# The core never names Qt, not even in a header it does not compile.
if grep -rnE '#include <Q|\bQ_[A-Z]+\b|\bQString\b' --include='*.cpp' --include='*.h' \
    model text files diagrams report $( [ -d analisi ] && echo analisi ); then
    echo "ERRORE: codice Qt nel nucleo"
    fallito=1
fi
# Windows live under ui/: a core or platform folder holds none.
if ls model text files diagrams report platform 2>/dev/null | grep -q '_window\.'; then
    echo "ERRORE: una finestra fuori da src/ui"
    fallito=1
fi
# Inside the design wing and the report no include runs in a circle: a module is its .cpp and its
# .h together, so a.cpp including b.h while b.cpp or b.h includes a.h is a circle.
if ! python3 - analisi report cli <<'PYTHON'
import os, re, sys
archi = {}
for cartella in sys.argv[1:]:
    for nome in sorted(os.listdir(cartella)):
        if not nome.endswith((".cpp", ".h")):
            continue
        modulo = cartella + "/" + nome.rsplit(".", 1)[0]
        with open(cartella + "/" + nome, encoding="utf-8") as f:
            for incluso in re.findall(r'^#include "([^"]+)\.h"', f.read(), re.M):
                if incluso != modulo and incluso.split("/")[0] in sys.argv[1:]:
                    archi.setdefault(modulo, set()).add(incluso)
stato, cerchi = {}, []
def visita(m, cammino):
    stato[m] = 1
    for n in sorted(archi.get(m, ())):
        if stato.get(n) == 1:
            cerchi.append(cammino[cammino.index(n):] + [n])
        elif n not in stato:
            visita(n, cammino + [n])
    stato[m] = 2
for m in sorted(archi):
    if m not in stato:
        visita(m, [m])
for c in cerchi:
    print("ERRORE: inclusioni in cerchio: " + " -> ".join(c))
sys.exit(1 if cerchi else 0)
PYTHON
then
    fallito=1
fi
[ "$fallito" -eq 0 ] && echo "strati: nessuna inclusione risale"
exit "$fallito"
