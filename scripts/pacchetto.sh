#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the default build, checks it with lintian (any error or warning
# fails) and, as root, installs it with apt-get on a clean Debian 12 made with debootstrap: the
# batch calculator and the program must run from it and man must show their manual pages.
set -euo pipefail
cd "$(dirname "$0")/.."

(cd build/default && cpack -G DEB >/dev/null)
deb=$(ls build/default/spintaro_*.deb | head -1)
echo "pacchetto: $deb"
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends):'
id=$(sed -n 's/^SPINTARO_APP_ID:STRING=//p' build/default/CMakeCache.txt)

# Debian's own checks of the package; informational tags are shown but do not fail.
if command -v lintian >/dev/null; then
    stato=0
    rapporto=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) || stato=$?
    grep -v 'running with root privileges is not recommended' <<<"$rapporto" || true
    if [ "$stato" -ne 0 ]; then
        echo "pacchetto: lintian trova errori o avvisi (stato $stato)" >&2
        exit 1
    fi
    echo "pacchetto: lintian senza errori né avvisi"
elif [ -n "${CI:-}" ]; then
    echo "pacchetto: manca lintian, in CI è obbligatorio" >&2
    exit 1
else
    echo "pacchetto: manca lintian: controllo saltato"
fi

# Under CI a check that cannot run is a failure, never a silent pass.
saltato() {
    echo "pacchetto: installazione di prova saltata: $*"
    if [ -n "${CI:-}" ]; then
        echo "pacchetto: in CI l'installazione di prova è obbligatoria" >&2
        exit 1
    fi
    exit 0
}

# The Debian mirror this machine already uses, from its own apt sources (deb822 or one-line).
specchio() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk 'BEGIN{RS=""} /Suites:[^\n]*bookworm([ \n]|$)/ && !/bookworm-security/ {
                 if (match($0, /URIs:[ \t]*[^ \t\n]+/)) {
                     u = substr($0, RSTART, RLENGTH); sub(/URIs:[ \t]*/, "", u); print u; exit
                 } }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        awk '$1 == "deb" { for (i = 2; i < NF; i++) if ($i ~ /^[a-z]+:\/\// && $(i + 1) == "bookworm") { print $i; exit } }' "$f"
    done
}

[ "$(id -u)" -eq 0 ] || saltato "servono i permessi di root"
command -v debootstrap >/dev/null || saltato "manca debootstrap"
mirror=$(specchio | head -1)
[ -n "$mirror" ] || saltato "nessuna sorgente apt per bookworm in /etc/apt"
sistema=$(mktemp -d "$PWD/build/debian12.XXXXXX")
chmod 755 "$sistema"
trap 'rm -rf --one-file-system "$sistema"' EXIT
if ! debootstrap --variant=minbase bookworm "$sistema" "$mirror" >"$sistema.log" 2>&1; then
    echo "pacchetto: debootstrap da $mirror non riuscito:"
    tail -3 "$sistema.log"
    rm -f "$sistema.log"
    saltato "debootstrap non riuscito"
fi
rm -f "$sistema.log"
cp "$deb" "$sistema/tmp/"
SPINTARO_APP_ID=$id chroot "$sistema" /bin/bash -euo pipefail -c '
    export DEBIAN_FRONTEND=noninteractive
    id=$SPINTARO_APP_ID
    apt-get update -qq
    # man-db as a user who reads the manual would have it; the package does not need it.
    apt-get install -y -qq /tmp/spintaro_*.deb man-db >/tmp/installazione.log 2>&1 ||
        { tail -20 /tmp/installazione.log; exit 1; }
    versione=$(spintaro-calcola --version | head -1)
    [ "$versione" = "spintaro-calcola 1.1.0" ] || { echo "versione inattesa: $versione"; exit 1; }
    spintaro-calcola --formato json /usr/share/doc/spintaro/esempi/due_strati.spt |
        grep -q "\"num_strati\":2" || { echo "l'"'"'esempio non si calcola"; exit 1; }
    # The report through the module the package installs beside the calculator.
    spintaro-calcola --relazione /tmp/r.pdf /usr/share/doc/spintaro/esempi/due_strati.spt \
        >/dev/null && [ "$(head -c 5 /tmp/r.pdf)" = %PDF- ] ||
        { echo "la relazione non si scrive"; exit 1; }
    for f in /usr/bin/spintaro /usr/share/applications/$id.desktop \
             /usr/share/mime/packages/$id.xml /usr/share/metainfo/$id.metainfo.xml \
             /usr/share/icons/hicolor/scalable/apps/$id.svg \
             /usr/share/icons/hicolor/32x32/apps/$id.png /usr/share/doc/spintaro/copyright \
             /usr/share/doc/spintaro/validazione.md /usr/share/doc/spintaro/validazione.pdf; do
        [ -e "$f" ] || { echo "manca $f"; exit 1; }
    done
    pagina=$(man -P cat spintaro-calcola 2>&1 || true)
    grep -q "calcolo della spinta attiva delle terre" <<<"$pagina" ||
        { echo "man spintaro-calcola non mostra la pagina: ${pagina:0:200}"; exit 1; }
    pagina=$(man -P cat spintaro 2>&1 || true)
    grep -q "spinta attiva delle terre su muri di sostegno" <<<"$pagina" ||
        { echo "man spintaro non mostra la pagina: ${pagina:0:200}"; exit 1; }
    # The program starts and keeps running (no missing library or plugin) until stopped.
    stato=0
    XDG_RUNTIME_DIR=/tmp QT_QPA_PLATFORM=offscreen timeout 5 spintaro >/dev/null 2>&1 || stato=$?
    [ "$stato" -eq 124 ] || { echo "spintaro si è fermato con lo stato $stato"; exit 1; }
    echo "pacchetto: installato con apt-get su una Debian 12 pulita: $versione, spintaro si avvia," \
         "man mostra le due pagine"
'
