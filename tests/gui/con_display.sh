#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test on a display of its own: a virtual X server (xvfb-run -a) managed by openbox, and
# with --accessibilita an accessibility bus as well (a private session bus, the AT-SPI bus
# launcher, Qt told to talk to it).
#
#   con_display.sh [--accessibilita] -- COMMAND [ARGUMENTS...]
#
# When a tool is missing the test is skipped (status 77) with a line saying which; under CI (the
# variable CI set) it fails instead. Everything started here is stopped by its process id.
set -euo pipefail

accessibilita=0
if [ "${1:-}" = "--accessibilita" ]; then
    accessibilita=1
    shift
fi
[ "${1:-}" = "--" ] && shift

manca() {
    echo "con_display.sh: manca $1: il test non può girare${CI:+ (CI: è un errore)}." >&2
    if [ -n "${CI:-}" ]; then exit 1; fi
    exit 77
}

# Waits up to five seconds for a condition (a command), checking every 50 ms.
attendi() {
    for _ in $(seq 100); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.05
    done
    return 1
}

if [ "${CON_DISPLAY_DENTRO:-}" != 1 ]; then
    strumenti=(xvfb-run xauth openbox xdotool xprop)
    [ $accessibilita = 1 ] && strumenti+=(dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher)
    for s in "${strumenti[@]}"; do
        command -v "$s" >/dev/null || manca "$s"
    done
    if [ $accessibilita = 1 ] && ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
        manca "il modulo python3 pyatspi (pacchetto python3-pyatspi)"
    fi
    export CON_DISPLAY_DENTRO=1
    interno=("$0")
    [ $accessibilita = 1 ] && interno=(dbus-run-session -- "$0" --accessibilita)
    # "xvfb-run -a" takes the first display number that looks free; a server started at the same
    # moment elsewhere, or one still shutting down, can hold it too. The display then does not
    # answer or keeps openbox out (status 75 from inside): again, on another number.
    for _ in 1 2 3; do
        esito=0
        xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "${interno[@]}" -- "$@" || esito=$?
        [ $esito = 75 ] || exit $esito
        sleep 0.2
    done
    exit 1
fi

# On the display: the window manager first, and the test only once it manages the screen.
if ! xprop -root -len 0 _NET_SUPPORTED >/dev/null 2>&1; then
    echo "con_display.sh: il display $DISPLAY non risponde, se ne prova un altro" >&2
    exit 75
fi
figli=()
ferma() {
    for p in "${figli[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${figli[@]}"; do wait "$p" 2>/dev/null || true; done
}
# Openbox as installed, but without the resistance of screen and window edges: a window dragged
# goes exactly where the pointer takes it.
cartella=$(mktemp -d)
trap 'ferma; rm -rf "$cartella"' EXIT
configurazione=()
if [ -f /etc/xdg/openbox/rc.xml ]; then
    sed -e 's|<strength>[0-9]*</strength>|<strength>0</strength>|' \
        -e 's|<screen_edge_strength>[0-9]*<|<screen_edge_strength>0<|' \
        /etc/xdg/openbox/rc.xml >"$cartella/rc.xml"
    configurazione=(--config-file "$cartella/rc.xml")
fi
openbox --sm-disable "${configurazione[@]}" >"$cartella/openbox.log" 2>&1 &
figli+=($!)
gestito() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
if ! attendi gestito; then
    echo "con_display.sh: openbox non gestisce lo schermo $DISPLAY:" >&2
    cat "$cartella/openbox.log" >&2
    exit 75
fi

if [ $accessibilita = 1 ]; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    figli+=($!)
    attendi dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress ||
        { echo "con_display.sh: il bus dell'accessibilità non risponde" >&2; exit 1; }
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
"$@"
