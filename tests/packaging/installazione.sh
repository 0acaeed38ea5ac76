#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks every installed file: the two programs,
# the desktop entry (desktop-file-validate), the AppStream metadata (appstreamcli), the project
# file type (shared-mime-info), the icons at their sizes, the manual pages, the Debian copyright
# and changelog, and the example project. Validators must report nothing; a missing validator
# fails the check under CI and is only reported elsewhere.
set -euo pipefail
build=$1
id=${2:-org.example.Spintaro}
prefisso=$(mktemp -d)
trap 'rm -rf "$prefisso"' EXIT
fallito=0
errore() { echo "ERRORE: $*"; fallito=1; }
strumento() {
    command -v "$1" >/dev/null && return 0
    if [ -n "${CI:-}" ]; then
        errore "manca $1 (in CI è obbligatorio)"
    else
        echo "manca $1: controllo saltato"
    fi
    return 1
}

cmake --install "$build" --prefix "$prefisso" >/dev/null

atteso=$(cat <<LISTA
bin/spintaro
bin/spintaro-calcola
share/applications/$id.desktop
share/doc/spintaro/changelog.gz
share/doc/spintaro/copyright
share/doc/spintaro/esempi/due_strati.spt
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/spintaro-calcola.1.gz
share/man/man1/spintaro.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml
LISTA
)
trovato=$(cd "$prefisso" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$trovato" != "$(LC_ALL=C sort <<<"$atteso")" ]; then
    errore "file installati diversi da quelli attesi:"
    diff <(LC_ALL=C sort <<<"$atteso") <(echo "$trovato") || true
fi

for p in spintaro spintaro-calcola; do
    [ -x "$prefisso/bin/$p" ] || errore "$p non è eseguibile"
done
versione=$("$prefisso/bin/spintaro-calcola" --version | head -1)
[ "$versione" = "spintaro-calcola 1.1.0" ] || errore "versione: $versione"
"$prefisso/bin/spintaro-calcola" --formato json "$prefisso/share/doc/spintaro/esempi/due_strati.spt" \
    | grep -q '"num_strati":2' || errore "l'esempio installato non si calcola"

desktop="$prefisso/share/applications/$id.desktop"
if strumento desktop-file-validate; then
    rapporto=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$rapporto" ] ||
        errore "desktop-file-validate: $rapporto"
fi
grep -qx 'Exec=spintaro %f' "$desktop" || errore "riga Exec"
grep -qx "Icon=$id" "$desktop" || errore "riga Icon"
grep -qx 'MimeType=application/x-spintaro-project;' "$desktop" || errore "riga MimeType"

# Errors, warnings and infos fail (--strict); pedantic hints are shown.
metainfo="$prefisso/share/metainfo/$id.metainfo.xml"
if strumento appstreamcli; then
    appstreamcli validate --pedantic --strict --no-net "$metainfo" || errore "appstreamcli validate"
fi
# A software centre starts the program through the desktop entry the metadata names.
lanciabile=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -f "$prefisso/share/applications/$lanciabile" ] || errore "metainfo: voce \"$lanciabile\" assente"

# Compressed without name and time (gzip -9n), so every build gives the same bytes.
for gz in share/man/man1/spintaro.1.gz share/man/man1/spintaro-calcola.1.gz \
          share/doc/spintaro/changelog.gz; do
    gzip -t "$prefisso/$gz" || errore "$gz non è un gzip valido"
    [ "$(od -An -tx1 -j3 -N5 "$prefisso/$gz" | tr -d ' ')" = 0000000000 ] ||
        errore "$gz porta nome o data del file"
done

mime="$prefisso/share/mime"
xmllint --noout "$mime/packages/$id.xml" || errore "XML del tipo di file"
update-mime-database "$mime" >/dev/null 2>&1 || errore "update-mime-database"
grep -q 'application/x-spintaro-project:\*\.spt' "$mime/globs" || errore "glob *.spt non registrato"
[ -f "$mime/application/x-spintaro-project.xml" ] || errore "tipo di file non registrato"

for lato in 16 32 48 64 128 256; do
    png="$prefisso/share/icons/hicolor/${lato}x${lato}/apps/$id.png"
    file -b "$png" | grep -q "PNG image data, $lato x $lato" || errore "icona $lato: $(file -b "$png")"
done
xmllint --noout "$prefisso/share/icons/hicolor/scalable/apps/$id.svg" || errore "icona SVG"

if [ $fallito -eq 0 ]; then
    echo "installazione: tutti i file attesi sono al loro posto"
fi
exit $fallito
