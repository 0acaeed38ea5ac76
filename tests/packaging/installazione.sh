#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks every installed file: the two programs
# and the calculator's report module, the desktop entry, the AppStream metadata, the project file
# type, the icons at their sizes, the manual pages, the Debian copyright and changelog, the
# validation document that the calculation report names, and the example project. Validators
# must report nothing; a missing validator fails the check under CI and is only reported
# elsewhere.
set -euo pipefail
build=$1
id=${2:-org.example.Spintaro}
p=$(mktemp -d)
trap 'rm -rf "$p"' EXIT
fallito=0
errore() { echo "ERRORE: $*"; fallito=1; }
strumento() {
    command -v "$1" >/dev/null && return 0
    [ -z "${CI:-}" ] && echo "manca $1: controllo saltato" || errore "manca $1 (obbligatorio in CI)"
    return 1
}

cmake --install "$build" --prefix "$p" >/dev/null
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")

atteso=$({
    printf '%s\n' bin/spintaro bin/spintaro-calcola "${libdir:-lib}/spintaro/moduli/spintaro_relazione.so" \
        "share/applications/$id.desktop" \
        share/doc/spintaro/{changelog.gz,copyright,esempi/due_strati.spt,esempi/due_strati.parametri} \
        share/doc/spintaro/validazione.{md,pdf} \
        share/man/man1/spintaro{,-calcola}.1.gz "share/metainfo/$id.metainfo.xml" \
        "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg"
    for lato in 16 32 48 64 128 256; do echo "share/icons/hicolor/${lato}x$lato/apps/$id.png"; done
} | LC_ALL=C sort)
trovato=$(cd "$p" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$trovato" != "$atteso" ]; then
    errore "file installati diversi da quelli attesi:"
    diff <(echo "$atteso") <(echo "$trovato") || true
fi

[ -x "$p/bin/spintaro" ] || errore "spintaro non è eseguibile"
versione=$("$p/bin/spintaro-calcola" --version | head -1)
[ "$versione" = "spintaro-calcola 1.1.0" ] || errore "versione: $versione"
"$p/bin/spintaro-calcola" --formato json "$p/share/doc/spintaro/esempi/due_strati.spt" |
    grep -q '"num_strati":2' || errore "l'esempio installato non si calcola"
# The calculator loads Qt Gui only for the report, from the module installed beside it.
! ldd "$p/bin/spintaro-calcola" | grep -q 'libQt6Gui' || errore "spintaro-calcola carica Qt Gui"
"$p/bin/spintaro-calcola" --relazione "$p/r.pdf" "$p/share/doc/spintaro/esempi/due_strati.spt" \
    >/dev/null && [ "$(head -c 5 "$p/r.pdf")" = %PDF- ] ||
    errore "la relazione dell'esempio installato non si scrive"
# The installed program's report names the validation document where the installation put it.
if strumento pdftotext; then
    doc="$p/share/doc/spintaro"
    testo=$(pdftotext "$p/r.pdf" - | tr -s ' \n' '  ')
    grep -qF "Documento di validazione: $doc/validazione.md e $doc/validazione.pdf, versione" \
        <<<"$testo" || errore "la relazione non nomina il documento di validazione installato"
fi
rm -f "$p/r.pdf"

desktop="$p/share/applications/$id.desktop"
if strumento desktop-file-validate; then
    rapporto=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$rapporto" ] ||
        errore "desktop-file-validate: $rapporto"
fi
for riga in 'Exec=spintaro %f' "Icon=$id" 'MimeType=application/x-spintaro-project;'; do
    grep -qx "$riga" "$desktop" || errore "manca la riga $riga"
done

# Errors, warnings and infos fail (--strict); pedantic hints are shown. A software centre starts
# the program through the desktop entry the metadata names.
metainfo="$p/share/metainfo/$id.metainfo.xml"
if strumento appstreamcli; then
    appstreamcli validate --pedantic --strict --no-net "$metainfo" || errore "appstreamcli validate"
fi
lanciabile=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -f "$p/share/applications/$lanciabile" ] || errore "metainfo: voce \"$lanciabile\" assente"

# Compressed without name and time (gzip -9n), so every build gives the same bytes.
for gz in "$p"/share/man/man1/*.gz "$p/share/doc/spintaro/changelog.gz"; do
    gzip -t "$gz" && [ "$(od -An -tx1 -j3 -N5 "$gz" | tr -d ' ')" = 0000000000 ] ||
        errore "$gz non è un gzip valido o porta nome e data del file"
done

mime="$p/share/mime"
xmllint --noout "$mime/packages/$id.xml" || errore "XML del tipo di file"
update-mime-database "$mime" >/dev/null 2>&1 || errore "update-mime-database"
grep -q 'application/x-spintaro-project:\*\.spt' "$mime/globs" || errore "glob *.spt non registrato"
[ -f "$mime/application/x-spintaro-project.xml" ] || errore "tipo di file non registrato"

for lato in 16 32 48 64 128 256; do
    png="$p/share/icons/hicolor/${lato}x${lato}/apps/$id.png"
    file -b "$png" | grep -q "PNG image data, $lato x $lato" || errore "icona $lato: $(file -b "$png")"
done
xmllint --noout "$p/share/icons/hicolor/scalable/apps/$id.svg" || errore "icona SVG"

[ $fallito -eq 0 ] && echo "installazione: tutti i file attesi sono al loro posto"
exit $fallito
