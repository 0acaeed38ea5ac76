#!/usr/bin/env bash
# Builds the Debian package from the default build and, as root, installs it with apt-get on a
# clean Debian 12 made with debootstrap: the batch calculator and the program must run from it.
set -euo pipefail
cd "$(dirname "$0")/.."

(cd build/default && cpack -G DEB >/dev/null)
deb=$(ls build/default/spintaro_*.deb | head -1)
echo "pacchetto: $deb"
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends):'

if [ "$(id -u)" -ne 0 ] || ! command -v debootstrap >/dev/null; then
    echo "pacchetto: installazione di prova saltata (servono root e debootstrap)"
    exit 0
fi
sistema=$(mktemp -d "$PWD/build/debian12.XXXXXX")
chmod 755 "$sistema"
trap 'rm -rf --one-file-system "$sistema"' EXIT
if ! debootstrap --variant=minbase bookworm "$sistema" http://deb.debian.org/debian \
    >"$sistema.log" 2>&1; then
    echo "pacchetto: debootstrap non riuscito, installazione di prova saltata:"
    tail -3 "$sistema.log"
    rm -f "$sistema.log"
    exit 0
fi
rm -f "$sistema.log"
cp "$deb" "$sistema/tmp/"
chroot "$sistema" /bin/bash -euo pipefail -c '
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq /tmp/spintaro_*.deb >/tmp/installazione.log 2>&1 ||
        { tail -20 /tmp/installazione.log; exit 1; }
    versione=$(spintaro-calcola --version)
    [ "$versione" = "spintaro-calcola 1.1.0" ] || { echo "versione inattesa: $versione"; exit 1; }
    spintaro-calcola --formato json /usr/share/doc/spintaro/esempi/due_strati.spt |
        grep -q "\"num_strati\":2" || { echo "l'"'"'esempio non si calcola"; exit 1; }
    for f in /usr/bin/spintaro /usr/share/applications/org.example.Spintaro.desktop \
             /usr/share/mime/packages/org.example.Spintaro.xml \
             /usr/share/icons/hicolor/scalable/apps/org.example.Spintaro.svg \
             /usr/share/icons/hicolor/32x32/apps/org.example.Spintaro.png; do
        [ -e "$f" ] || { echo "manca $f"; exit 1; }
    done
    # The program starts and keeps running (no missing library or plugin) until stopped.
    stato=0
    XDG_RUNTIME_DIR=/tmp QT_QPA_PLATFORM=offscreen timeout 5 spintaro >/dev/null 2>&1 || stato=$?
    [ "$stato" -eq 124 ] || { echo "spintaro si è fermato con lo stato $stato"; exit 1; }
    echo "pacchetto: installato con apt-get su una Debian 12 pulita: $versione, spintaro si avvia"
'
