#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing through a real CUPS server: starts cupsd with a cups-pdf queue as the default printer,
# runs the printing cases of test_diagrammi against it (SPINTARO_CUPS_PDF names the folder the
# queue writes into), then restores the server, the queue, cups-pdf's configuration and the
# default printer. Where CUPS cannot start (not root, packages missing) it says why and exits 0,
# except under CI.   Usage: tests/gui/cups_pdf.sh [build folder]     (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/../.."
prova="${1:-build/default}/tests/gui/test_diagrammi"
coda=SpintaroPDF
conf=/etc/cups/cups-pdf.conf

salta() {
    echo "cups_pdf: stampa su CUPS non provata: $*"
    [ -z "${CI:-}" ] || { echo "cups_pdf: in CI la stampa su CUPS è obbligatoria" >&2; exit 1; }
    exit 0
}
in_funzione() { lpstat -r 2>/dev/null | grep -q 'is running'; }

[ -x "$prova" ] || { echo "cups_pdf: $prova non trovato: compilare test_diagrammi" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || salta "servono i permessi di root per avviare cupsd e creare la coda"
for comando in cupsd lpadmin lpstat pdftotext pdfinfo pdftoppm; do
    command -v "$comando" >/dev/null ||
        salta "manca $comando (pacchetti cups, printer-driver-cups-pdf, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$conf" ] ||
    salta "manca il filtro cups-pdf (pacchetto printer-driver-cups-pdf)"

uscita=$(mktemp -d /tmp/spintaro-cups-pdf.XXXXXX)
runtime=$(mktemp -d) # mode 0700
copia_conf=$(mktemp)
chmod 0755 "$uscita"
cp -p "$conf" "$copia_conf"
avviato=0 predefinita=""
ripristina() {
    set +e
    lpadmin -x "$coda" 2>/dev/null
    [ -n "$predefinita" ] && lpadmin -d "$predefinita" 2>/dev/null
    [ "$avviato" -eq 1 ] && [ -f /run/cups/cupsd.pid ] && kill "$(cat /run/cups/cupsd.pid)"
    cp -p "$copia_conf" "$conf"
    rm -rf "$copia_conf" "$uscita" "$runtime"
}
trap ripristina EXIT

sed -i '/^Out /d' "$conf" # cups-pdf writes every job into our folder
echo "Out $uscita" >>"$conf"

if in_funzione; then
    predefinita=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
else
    mkdir -p /run/cups
    cupsd || salta "cupsd non si avvia"
    avviato=1
    for _ in $(seq 1 100); do in_funzione && break; sleep 0.1; done
    in_funzione || salta "cupsd non risponde"
fi

# Text as real fonts (pdftocairo), so that pdftotext reads it back.
lpadmin -p "$coda" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o printer-is-shared=no \
    -o PageSize=A4 -o pdftops-renderer-default=pdftocairo 2>&1 | grep -v -i 'deprecated' || true
lpstat -p "$coda" >/dev/null 2>&1 || salta "la coda $coda non è stata creata"
lpadmin -d "$coda"

echo "cups_pdf: stampa su CUPS con la coda $coda (file in $uscita)"
env LC_ALL=C LANG=C TZ=UTC QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    SPINTARO_CUPS_PDF="$uscita" "$prova" --gtest_filter='StampanteCups.*'
