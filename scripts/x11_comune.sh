# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for driving Spintaro on an X display from a script, as a user would: sourced by
# schermo_virtuale.sh (the run script's picture) and fotografie_guida.sh (the guide's pictures).
# Needs xdotool, xprop and xwininfo (packages xdotool and x11-utils).

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

# Starts openbox and waits, at most $1 tenths of a second, until it manages the screen. On a busy
# machine the display can refuse the manager's first connection ("Failed to open the display"):
# a manager that has ended is started again while the wait lasts.
gestore=""
avvia_gestore() {
    openbox "${@:2}" >/dev/null 2>&1 &
    gestore=$!
    aspetta "$1" gestore_pronto_o_riparti "${@:2}"
}
gestore_pronto_o_riparti() {
    gestore_pronto && return 0
    if ! kill -0 "$gestore" 2>/dev/null; then
        openbox "$@" >/dev/null 2>&1 &
        gestore=$!
    fi
    return 1
}

# The visible window whose title is exactly $1 (a regular expression), in $finestra. Under a
# window manager it counts only once the manager has framed it: a window mapped a moment ago on a
# busy machine can still lack its frame, and its place and size are not yet the final ones.
finestra=""
cerca_finestra() {
    finestra=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$finestra" ] || return 1
    gestore_pronto || return 0
    xprop -id "$finestra" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
}

# The client area of window $1 on the screen (x y larghezza altezza) and its frame's extents
# (sinistra destra alto basso); xdotool's own place counts the frame twice under a reparenting
# window manager.
geometria() {
    read -r x y larghezza altezza < <(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
        /Width/ {w = $2} /Height/ {h = $2} END {print x, y, w, h}')
    sinistra=0 destra=0 alto=0 basso=0
    local bordi
    bordi=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' || true)
    [ -n "$bordi" ] && IFS=', ' read -r sinistra destra alto basso <<<"$bordi"
    return 0
}

# Clicks the middle of a control of the main window $finestra, given by its place in twips in
# the client area (below the menu bar): left top width height. The scale comes from the window's
# width, 7875 twips, and the menu bar is what the window has above the client area's 6015 twips.
clic() {
    geometria "$finestra"
    local cx=$(((2 * $1 + $3) * larghezza / 15750))
    local cy=$((altezza - (12030 - 2 * $2 - $4) * larghezza / 15750))
    xdotool mousemove --window "$finestra" "$cx" "$cy" click 1
}

# Writes window $1 with its frame as the PNG file $2, with the tool $strumento
# (spintaro-fotografia, built beside the program).
fotografa_finestra() {
    geometria "$1"
    sleep 0.4 # the last repaint
    "$strumento" $((x - sinistra)) $((y - alto)) $((larghezza + sinistra + destra)) \
        $((altezza + alto + basso)) "$2"
}
