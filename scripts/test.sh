#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: fuzzing of the core, the full
# suite in the normal build (with the Debian package checked by lintian and installed on a clean
# system, and printing on a real CUPS queue), then the full suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dipendenze.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

echo "== Fuzzing (libFuzzer, bounded in time)"
bash scripts/fuzz.sh

echo "== Normal build"
cmake --preset default "${launcher[@]}" >/dev/null
cmake --build --preset default
bash scripts/stile.sh build/default
bash scripts/pacchetto.sh
bash tests/gui/cups_pdf.sh build/default
ctest --preset default -j2

echo "== Sanitizers"
cmake --preset asan "${launcher[@]}" >/dev/null
cmake --build --preset asan
ctest --preset asan -j2
