#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The style checks the compiler does not make: every C++ file as .clang-format writes it, and
# clang-tidy's checks of .clang-tidy (bugs, overrides, naming) over the project's own sources.
# Needs the compilation database of a configured build (default: build/default).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}

for strumento in clang-format run-clang-tidy; do
    command -v "$strumento" >/dev/null || { echo "stile: manca $strumento" >&2; exit 1; }
done
[ -f "$build/compile_commands.json" ] ||
    { echo "stile: manca $build/compile_commands.json: configurare prima la build" >&2; exit 1; }

echo "stile: clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "stile: clang-tidy"
# Generated sources (moc, rcc) live under the build folder and are left out.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! run-clang-tidy -quiet -j 2 -p "$build" "^$PWD/(src|tests|bench)/" >"$log" 2>&1; then
    grep -E "(error|warning):" "$log" | grep -v "warnings generated" | sort -u
    echo "stile: clang-tidy ha trovato problemi" >&2
    exit 1
fi
echo "stile: nessun problema"
