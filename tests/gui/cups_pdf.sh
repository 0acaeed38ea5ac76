#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing through a real CUPS server: starts cupsd with a cups-pdf queue as the default printer,
# runs the printing cases of test_diagrammi against it (SPINTARO_CUPS_PDF names the folder the
# queue writes into), then puts everything back: the server it started is stopped, the queue is
# removed, cups-pdf's configuration and the previous default printer are restored.
#
# Where CUPS cannot be started (not root, packages missing) it says why in one line and exits 0:
# the cases then count as skipped, as they do in a plain ctest run. Under CI (CI set) a printing
# check that cannot run is a failure instead.
#
# Usage: tests/gui/cups_pdf.sh [build folder]     (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/../.."

cartella_build=${1:-build/default}
prova="$cartella_build/tests/gui/test_diagrammi"
coda=SpintaroPDF
conf=/etc/cups/cups-pdf.conf
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

salta() {
    echo "cups_pdf: stampa su CUPS non provata: $*"
    [ -z "${CI:-}" ] || { echo "cups_pdf: in CI la stampa su CUPS è obbligatoria" >&2; exit 1; }
    exit 0
}

[ -x "$prova" ] || { echo "cups_pdf: $prova non trovato: compilare prima test_diagrammi" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || salta "servono i permessi di root per avviare cupsd e creare la coda"
for comando in cupsd lpadmin lpstat pdftotext pdfinfo pdftoppm; do
    command -v "$comando" >/dev/null ||
        salta "manca $comando (pacchetti cups, printer-driver-cups-pdf, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$conf" ] ||
    salta "manca il filtro cups-pdf (pacchetto printer-driver-cups-pdf)"

uscita=$(mktemp -d /tmp/spintaro-cups-pdf.XXXXXX)
chmod 0755 "$uscita"
copia_conf=$(mktemp)
cp -p "$conf" "$copia_conf"
avviato=0
predefinita=""

ripristina() {
    set +e
    lpadmin -x "$coda" 2>/dev/null
    [ -n "$predefinita" ] && lpadmin -d "$predefinita" 2>/dev/null
    if [ "$avviato" -eq 1 ] && [ -f /run/cups/cupsd.pid ]; then
        kill "$(cat /run/cups/cupsd.pid)" 2>/dev/null
    fi
    cp -p "$copia_conf" "$conf"
    rm -f "$copia_conf"
    rm -rf "$uscita"
}
trap ripristina EXIT

# cups-pdf writes every job into our folder.
if grep -q '^Out ' "$conf"; then
    sed -i "s|^Out .*|Out $uscita|" "$conf"
else
    echo "Out $uscita" >>"$conf"
fi

if lpstat -r 2>/dev/null | grep -q 'is running'; then
    predefinita=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
else
    mkdir -p /run/cups
    cupsd || salta "cupsd non si avvia"
    avviato=1
    for _ in $(seq 1 100); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q 'is running' || salta "cupsd non risponde"
fi

# Text as real fonts (pdftocairo), so that pdftotext reads it back.
lpadmin -p "$coda" -E -v cups-pdf:/ -m "$ppd" -o printer-is-shared=no -o PageSize=A4 \
    -o pdftops-renderer-default=pdftocairo 2>&1 | grep -v -i 'deprecated' || true
lpstat -p "$coda" >/dev/null 2>&1 || salta "la coda $coda non è stata creata"
lpadmin -d "$coda"

runtime=$(mktemp -d)
chmod 0700 "$runtime"
echo "cups_pdf: stampa su CUPS con la coda $coda (file in $uscita)"
esito=0
env LC_ALL=C LANG=C TZ=UTC QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    SPINTARO_CUPS_PDF="$uscita" "$prova" --gtest_filter='StampanteCups.*' || esito=$?
rm -rf "$runtime"
exit "$esito"
