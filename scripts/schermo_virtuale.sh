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

# Runs the test in "$@" every tenth of a second until it holds, at most $1 tenths.
aspetta() {
    local decimi=$1 i
    shift
    for ((i = 0; i < decimi; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A window manager that follows the usual conventions announces itself on the root window.
gestore_pronto() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id #'
}

if ! command -v openbox >/dev/null; then
    echo "openbox non è installato: Spintaro parte senza gestore delle finestre." >&2
elif ! command -v xprop >/dev/null; then
    echo "xprop non è installato (pacchetto x11-utils): openbox parte senza attenderlo." >&2
    openbox >/dev/null 2>&1 &
else
    # Started together with the program, a window manager can miss its first window, which then
    # stays unmapped: the program starts only once the manager is ready.
    openbox >/dev/null 2>&1 &
    if ! aspetta 100 gestore_pronto; then
        echo "Il gestore delle finestre (openbox) non è pronto dopo 10 secondi: Spintaro parte" \
             "senza attenderlo." >&2
    fi
fi

finestra=""
cerca_finestra() {
    finestra=$(xdotool search --onlyvisible --name '^Spintaro 1\.1$' 2>/dev/null | head -n 1)
    [ -n "$finestra" ]
}

# Clicks the middle of a control of the main window, given by its place in twips in the client
# area (below the menu bar). The scale comes from the window's width, 7875 twips, and the menu
# bar is what the window has above the client area's 6015 twips.
clic() {
    local x=$(((2 * $1 + $3) * larghezza / 15750))
    local y=$((altezza - (12030 - 2 * $2 - $4) * larghezza / 15750))
    xdotool mousemove --window "$finestra" "$x" "$y" click 1
}

# The example opened at start, 10 kPa of surcharge, Ok, "Spinta Totale", then the window with
# its frame into the picture.
fotografa() {
    local pid esito=1 x y larghezza altezza bordi sinistra=0 destra=0 alto=0 basso=0
    "$programma" "$radice/examples/due_strati.spt" >/dev/null 2>&1 &
    pid=$!
    if aspetta 100 cerca_finestra; then
        # The client area's place on the screen and its size (xdotool's place counts the frame
        # twice under a reparenting window manager).
        read -r x y larghezza altezza < <(xwininfo -id "$finestra" | awk -F: '
            /Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
            /Width/ {w = $2} /Height/ {h = $2} END {print x, y, w, h}')
        bordi=$(xprop -id "$finestra" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' || true)
        [ -n "$bordi" ] && IFS=', ' read -r sinistra destra alto basso <<<"$bordi"
        xdotool windowactivate --sync "$finestra" 2>/dev/null || true
        clic 1200 1560 615 315 # txt_sovraccarico
        xdotool type --delay 20 "10"
        clic 1320 4920 975 495  # Ok
        clic 6120 2280 1575 495 # Spinta Totale
        sleep 0.5               # the last repaint
        if "$strumento" $((x - sinistra)) $((y - alto)) $((larghezza + sinistra + destra)) \
            $((altezza + alto + basso)) "$fotografia"; then
            esito=0
        fi
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
