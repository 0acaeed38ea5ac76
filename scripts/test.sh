#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dipendenze.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Fuzzing of the core's readers and writers, bounded in time.
bash scripts/fuzz.sh

cmake --preset default "${launcher[@]}"
cmake --build --preset default
# The Debian package builds and installs with apt-get.
bash scripts/pacchetto.sh
ctest --preset default
# Printing through a real CUPS server with a PDF queue (root only; otherwise it says why and skips).
bash tests/gui/cups_pdf.sh build/default
