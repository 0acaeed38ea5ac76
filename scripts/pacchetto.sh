#!/usr/bin/env bash
# Builds the Debian package from the default build and, as root, installs it with apt-get,
# runs the installed batch calculator and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

(cd build/default && cpack -G DEB >/dev/null)
deb=$(ls build/default/spintaro_*.deb | head -1)
echo "pacchetto: $deb"
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends):'

if [ "$(id -u)" -ne 0 ]; then
    echo "pacchetto: installazione di prova saltata (servono i permessi di root)"
    exit 0
fi
if dpkg-query -W spintaro >/dev/null 2>&1; then
    echo "pacchetto: spintaro è già installato sul sistema; installazione di prova saltata"
    exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$deb" >/dev/null
trap 'apt-get remove -y -qq spintaro >/dev/null' EXIT
versione=$(/usr/bin/spintaro-calcola --version)
[ "$versione" = "spintaro-calcola 1.1.0" ] || { echo "versione inattesa: $versione"; exit 1; }
for f in /usr/bin/spintaro /usr/share/applications/org.example.Spintaro.desktop \
         /usr/share/mime/packages/org.example.Spintaro.xml \
         /usr/share/icons/hicolor/scalable/apps/org.example.Spintaro.svg; do
    [ -e "$f" ] || { echo "manca $f"; exit 1; }
done
echo "pacchetto: installato con apt-get, $versione"
