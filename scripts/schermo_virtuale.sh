#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs on a virtual display made by xvfb-run (scripts/run.sh starts it): starts the window manager
# and waits until it manages the screen, writes a picture of the main window with the bundled
# example computed, then starts Spintaro with the arguments given.
#   schermo_virtuale.sh PROGRAMMA FOTOGRAFIA.png [ARGOMENTI...]
# An empty FOTOGRAFIA writes no picture. With SPINTARO_SOLO_FOTOGRAFIA=1 the script ends after
# the picture instead of starting the program (for the tests).
set -euo pipefail

programma=$1
fotografia=$2
shift 2
radice=$(cd "$(dirname "$0")/.." && pwd)
strumento="$(dirname "$programma")/spintaro-fotografia"
solo_fotografia=${SPINTARO_SOLO_FOTOGRAFIA:-}

source "$radice/scripts/x11_comune.sh"

if ! command -v openbox >/dev/null; then
    echo "openbox non è installato: Spintaro parte senza gestore delle finestre." >&2
elif ! command -v xprop >/dev/null; then
    echo "xprop non è installato (pacchetto x11-utils): openbox parte senza attenderlo." >&2
    openbox >/dev/null 2>&1 &
else
    # Started together with the program, a window manager can miss its first window, which then
    # stays unmapped: the program starts only once the manager is ready (x11_comune.sh).
    if ! avvia_gestore 100; then
        echo "Il gestore delle finestre (openbox) non è pronto dopo 10 secondi: Spintaro parte" \
             "senza attenderlo." >&2
    fi
fi

# The example opened at start, with the 10 kPa of surcharge its parameter file keeps, Ok,
# "Spinta Totale", then the window with its frame into the picture.
fotografa() {
    local pid esito=1
    "$programma" "$radice/examples/due_strati.spt" >/dev/null 2>&1 &
    pid=$!
    if aspetta 100 cerca_finestra '^Spintaro 1\.1$'; then
        xdotool windowactivate --sync "$finestra" 2>/dev/null || true
        clic 1320 4920 975 495  # Ok
        clic 6120 2280 1575 495 # Spinta Totale
        fotografa_finestra "$finestra" "$fotografia" && esito=0
    else
        echo "La finestra di Spintaro non è comparsa entro 10 secondi." >&2
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return $esito
}

if [ -n "$fotografia" ]; then
    if ! command -v xdotool >/dev/null || ! command -v xwininfo >/dev/null; then
        echo "xdotool o xwininfo non sono installati (pacchetti xdotool, x11-utils): nessuna" \
             "fotografia." >&2
        [ "$solo_fotografia" = 1 ] && exit 1
    elif fotografa; then
        echo "Fotografia della finestra principale con l'esempio calcolato: $fotografia"
    else
        echo "Fotografia della finestra principale non riuscita." >&2
        [ "$solo_fotografia" = 1 ] && exit 1
    fi
fi
[ "$solo_fotografia" = 1 ] && exit 0
exec "$programma" "$@"
