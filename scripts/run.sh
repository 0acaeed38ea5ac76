#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Spintaro and starts it (extra arguments go to the program).
# Without a display it runs on a virtual one and first writes build/spintaro_esempio.png, a picture
# of the main window with the bundled example computed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dipendenze.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset default "${launcher[@]}" >/dev/null
cmake --build --preset default --target spintaro spintaro-fotografia

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
# On the virtual display: the window manager first (it lets the windows be mapped and activated),
# then a picture of the main window with the example computed, then the program.
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    bash scripts/schermo_virtuale.sh "$programma" "$PWD/build/spintaro_esempio.png" "$@"
