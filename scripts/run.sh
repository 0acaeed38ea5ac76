#!/usr/bin/env bash
# Installs what is missing, builds Spintaro and starts it (extra arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dipendenze.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset default "${launcher[@]}" >/dev/null
cmake --build --preset default --target spintaro

programma=build/default/src/app/spintaro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Nessuno schermo grafico disponibile (DISPLAY non impostato): avvio Spintaro su uno" \
         "schermo virtuale con xvfb-run; per vederlo, eseguire questo comando in una sessione grafica."
    exec xvfb-run -a "$programma" "$@"
fi
exec "$programma" "$@"
