#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Spintaro and starts it (extra arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dipendenze.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset default "${launcher[@]}" >/dev/null
cmake --build --preset default --target spintaro

programma=build/default/src/app/spintaro
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$programma" "$@"
fi
if ! command -v xvfb-run >/dev/null; then
    echo "Nessuno schermo grafico disponibile (DISPLAY non impostato) e xvfb-run non è installato" \
         "(pacchetto xvfb): avviare Spintaro da una sessione grafica." >&2
    exit 2
fi
echo "Nessuno schermo grafico disponibile (DISPLAY non impostato): avvio Spintaro su uno schermo" \
     "virtuale con xvfb-run; per vederlo, eseguire questo comando in una sessione grafica."
# A window manager lets the program's windows be activated on the virtual display.
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c 'command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & }; exec "$0" "$@"' \
    "$programma" "$@"
