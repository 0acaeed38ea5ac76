#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test on a display of its own: a virtual X server (xvfb-run -a) managed by openbox, with
# --accessibilita an accessibility bus too (a private session bus, the AT-SPI bus launcher, Qt told
# to use it). A missing tool skips the test (status 77) saying which; under CI (CI set) it fails.
#   con_display.sh [--accessibilita] -- COMMAND [ARGUMENTS...]
set -euo pipefail

accessibilita=0
[ "${1:-}" = "--accessibilita" ] && accessibilita=1 && shift
[ "${1:-}" = "--" ] && shift

manca() {
    echo "con_display.sh: manca $1: il test non può girare${CI:+ (CI: è un errore)}." >&2
    [ -z "${CI:-}" ] || exit 1
    exit 77
}
# Waits up to five seconds for a command to succeed, trying every 50 ms.
attendi() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done; return 1; }

if [ "${CON_DISPLAY_DENTRO:-}" != 1 ]; then
    strumenti=(xvfb-run xauth openbox xdotool xprop)
    ((accessibilita)) && strumenti+=(dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher)
    for s in "${strumenti[@]}"; do command -v "$s" >/dev/null || manca "$s"; done
    [ $accessibilita = 0 ] || /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        manca "il modulo python3 pyatspi (pacchetto python3-pyatspi)"
    export CON_DISPLAY_DENTRO=1
    interno=("$0")
    [ $accessibilita = 1 ] && interno=(dbus-run-session -- "$0" --accessibilita)
    # "xvfb-run -a" takes the first display number that looks free, which a server starting or
    # stopping elsewhere can hold too: the display then does not answer or keeps openbox out
    # (status 75 from inside), and the test goes again on another number.
    for _ in 1 2 3; do
        xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "${interno[@]}" -- "$@" && exit 0 ||
            esito=$?
        [ "$esito" = 75 ] || exit "$esito"
        sleep 0.2
    done
    exit 1
fi

# On the display: the window manager first, and the test only once it manages the screen.
xprop -root -len 0 _NET_SUPPORTED >/dev/null 2>&1 ||
    { echo "con_display.sh: il display $DISPLAY non risponde, se ne prova un altro" >&2; exit 75; }
cartella=$(mktemp -d)
# What this script started in the background (openbox, the bus) is stopped by its process id.
ferma() { for p in $(jobs -p); do kill "$p" 2>/dev/null || true; done; wait; rm -rf "$cartella"; }
trap ferma EXIT
# Openbox as installed, without the resistance of edges: a window goes exactly where it is dragged.
configurazione=()
if [ -f /etc/xdg/openbox/rc.xml ]; then
    sed -e 's|<strength>[0-9]*</strength>|<strength>0</strength>|' \
        -e 's|<screen_edge_strength>[0-9]*<|<screen_edge_strength>0<|' \
        /etc/xdg/openbox/rc.xml >"$cartella/rc.xml"
    configurazione=(--config-file "$cartella/rc.xml")
fi
openbox --sm-disable "${configurazione[@]}" >"$cartella/openbox.log" 2>&1 &
attendi sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    { echo "con_display.sh: openbox non parte:" >&2; cat "$cartella/openbox.log" >&2; exit 75; }

if [ $accessibilita = 1 ]; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    attendi dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress || { echo "con_display.sh: il bus AT-SPI non risponde" >&2; exit 1; }
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
"$@"
