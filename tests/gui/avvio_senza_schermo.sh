#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What scripts/run.sh does on a machine without a display: on a virtual display the window
# manager is awaited, the main window maps, and the picture of the main window with the bundled
# example computed is written where the script says. Without the tools it needs the test is
# skipped (exit 77), except under CI, where it fails.
#   avvio_senza_schermo.sh CARTELLA_DI_COSTRUZIONE
set -euo pipefail
costruzione=$1
radice=$(cd "$(dirname "$0")/../.." && pwd)

for p in xvfb-run openbox xprop xwininfo xdotool file; do
    if ! command -v "$p" >/dev/null; then
        echo "$p non è installato: prova saltata"
        [ -n "${CI:-}" ] && exit 1
        exit 77
    fi
done

cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
export XDG_RUNTIME_DIR="$cartella"
foto="$cartella/foto.png"
# Three tries: the window used to stay unmapped in 14 tries out of 20 when the program and the
# window manager started at the same instant.
for prova in 1 2 3; do
    rm -f "$foto"
    if ! uscita=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM SPINTARO_SOLO_FOTOGRAFIA=1 \
        timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" \
        bash "$radice/scripts/schermo_virtuale.sh" "$costruzione/src/app/spintaro" "$foto" 2>&1); then
        echo "prova $prova: $uscita" >&2
        exit 1
    fi
    if ! grep -qF "Fotografia della finestra principale con l'esempio calcolato: $foto" <<<"$uscita"; then
        echo "prova $prova: il percorso della fotografia non è detto: $uscita" >&2
        exit 1
    fi
    # A PNG at least as large as the client area (7875 × 6015 twips, 525 × 401 pixels at 96 dpi)
    # plus the menu bar: the window was mapped and is in the picture.
    read -r larghezza altezza < <(file -b "$foto" |
        sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
    if [ -z "${larghezza:-}" ] || [ "$larghezza" -lt 525 ] || [ "$altezza" -lt 420 ]; then
        echo "prova $prova: fotografia inattesa: $(file -b "$foto")" >&2
        exit 1
    fi
done
echo "tre avvii: finestra mappata e fotografia scritta ogni volta"
