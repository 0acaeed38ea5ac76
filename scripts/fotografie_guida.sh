#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures of the user guide (docs/guida/*.png), taken from the real program while it follows
# the guide's steps as a user would, on a virtual display with a window manager: the two-layer
# example typed in, Nuovo, Ok, Spinta Totale, the diagrams, Salva, Apri, Esporta, the report, and
# the windows of the design calculation.
# It fails when a step does not give what the guide says (a window that does not appear, a file
# that is not written, an export without the results of the example).
#   bash scripts/fotografie_guida.sh [build folder]      (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$PWD
costruzione=${1:-build/default}

if [ -z "${SPINTARO_FOTOGRAFIE_SCHERMO:-}" ]; then
    cmake --build "$costruzione" --target spintaro spintaro-fotografia >/dev/null
    export SPINTARO_FOTOGRAFIE_SCHERMO=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$costruzione"
fi

programma="$radice/$costruzione/src/app/spintaro"
strumento="$radice/$costruzione/src/app/spintaro-fotografia"
destinazione="$radice/docs/guida"
source "$radice/scripts/x11_comune.sh"
mkdir -p "$destinazione"
# A folder with a name a user would give it, so that the pictures show a plausible path.
# A fixed name keeps the pictures the same from one run to the next.
base=/tmp/spintaro-guida
rm -rf "$base"
mkdir -m 700 "$base"
lavoro="$base/Progetti"
mkdir -p "$lavoro"
export XDG_RUNTIME_DIR="$base"
trap 'kill "${pid:-}" "${gestore:-}" 2>/dev/null || true; rm -rf "$base"' EXIT

avvia_gestore 100 || { echo "fotografie: openbox non è pronto" >&2; exit 1; }

cd "$lavoro"
LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8 "$programma" >/dev/null 2>&1 &
pid=$!
aspetta 100 cerca_finestra '^Spintaro 1\.1$' || { echo "fotografie: niente finestra" >&2; exit 1; }
principale=$finestra
xdotool windowactivate --sync "$principale"

foto() { fotografa_finestra "$1" "$destinazione/$2.png"; echo "fotografie: $2.png"; }
scrivi() { clic "$@"; xdotool key --clearmodifiers ctrl+a; xdotool type --delay 15 "$5"; }
# A window of the program by its title; its controls by their twips in its client area, whose
# width in twips is $2.
apparsa() {
    aspetta 50 cerca_finestra "$1" || { echo "fotografie: la finestra «$1» non compare" >&2; exit 1; }
}
clic_in() {
    geometria "$1"
    xdotool mousemove --window "$1" $(((2 * $3 + $5) * larghezza / (2 * $2))) \
        $(((2 * $4 + $6) * larghezza / (2 * $2))) click 1
}
menu_file() {
    finestra=$principale
    xdotool windowactivate --sync "$principale"
    xdotool key --clearmodifiers alt+f "$1"
}
chiudi_dal_bordo() { xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4; }

# 1. At start.
foto "$principale" 01_avvio
# 2. The surcharge and the first layer, before Nuovo.
scrivi 1200 1560 615 315 10
scrivi 1200 2280 615 285 2
scrivi 1200 2640 615 285 18
scrivi 1200 3360 615 285 30
foto "$principale" 02_strato1
clic 1320 4320 975 495 # Nuovo
# 3. The second layer, below the water table, then Ok.
scrivi 1200 2280 615 285 3
scrivi 1200 2640 615 285 20
scrivi 1200 3000 615 285 5
scrivi 1200 3360 615 285 25
clic 1200 3960 495 255  # Si
clic 1320 4920 975 495  # Ok
foto "$principale" 03_ok
# 4. The total thrust.
clic 6120 2280 1575 495
foto "$principale" 04_spinta
# 5. The diagrams.
clic 6120 720 1575 495
apparsa '^Sigma v$'
foto "$finestra" 05_sv
chiudi_dal_bordo "$finestra"
finestra=$principale
clic 6120 1320 1575 495
apparsa '^Sa$'
foto "$finestra" 06_sa
chiudi_dal_bordo "$finestra"
# 6. Saving: the name, Salva, then "No" to "Nuovo Lavoro?".
menu_file s
apparsa '^Salva$'
salva=$finestra
clic_in "$salva" 6855 360 2880 2055 285
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 15 muro_esempio
foto "$salva" 07_salva
clic_in "$salva" 6855 2640 3000 1455 375
apparsa '^ $'
clic_in "$finestra" 4680 2280 840 1215 375
[ -s muro_esempio.spt ] || { echo "fotografie: il progetto non è stato salvato" >&2; exit 1; }
# 7. Opening it again.
menu_file a
apparsa '^Apri$'
apri=$finestra
clic_in "$apri" 6660 3240 3240 1695 285
xdotool type --delay 15 muro_esempio.spt
foto "$apri" 08_apri
clic_in "$apri" 6660 5040 3000 1455 375
# 8. The export.
menu_file e
apparsa '^Esporta$'
esporta=$finestra
clic_in "$esporta" 5745 360 1920 1935 285
xdotool type --delay 15 muro_esempio
foto "$esporta" 09_esporta
clic_in "$esporta" 5745 2880 1920 1095 375
aspetta 30 test -s muro_esempio.dat || { echo "fotografie: nessuna esportazione" >&2; exit 1; }
grep -q "60,81" muro_esempio.dat || { echo "fotografie: esportazione inattesa" >&2; exit 1; }
# 9. The report.
menu_file t
apparsa '^stampa$'
foto "$finestra" 10_rapporto
chiudi_dal_bordo "$finestra"
# 10. The design calculation: the parameters window as it opens, then the results of the example
# with the default parameters (the SLE row is the calculation of the main window).
# Alt+C is the main window's Chiudi: the menu is opened by a click on its title.
menu_calcolo() {
    xdotool windowactivate --sync "$principale"
    xdotool mousemove --window "$principale" 120 8 click 1
    sleep 0.5
    xdotool key --clearmodifiers "$1"
}
menu_calcolo p
apparsa '^Parametri di calcolo$'
foto "$finestra" 11_parametri
chiudi_dal_bordo "$finestra"
menu_calcolo s
apparsa '^Spinte di progetto$'
foto "$finestra" 12_spinte_progetto
chiudi_dal_bordo "$finestra"
# 11. The loads on the backfill: the window with a strip just added, drawn beside its table.
menu_calcolo t
apparsa '^Carichi sul terrapieno$'
xdotool windowactivate --sync "$finestra" key --clearmodifiers alt+a
sleep 0.5
foto "$finestra" 13_carichi
chiudi_dal_bordo "$finestra"
echo "fotografie: scritte in $destinazione"
