#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time (FUZZ_SECONDS, 60 by
# default) starting from the committed seed corpora. Fails on any crash, leak or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."

secondi=${FUZZ_SECONDS:-60}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset fuzz "${launcher[@]}" >/dev/null
obiettivi=(progetto casella forma_stampa esportazione)
cmake --build --preset fuzz --target "${obiettivi[@]/#/fuzz_}"

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
esito=0
for o in "${obiettivi[@]}"; do
    mkdir -p "$lavoro/$o"
    if build/fuzz/fuzz/fuzz_"$o" -max_total_time="$secondi" -max_len=4096 -print_final_stats=0 \
        -artifact_prefix="$lavoro/" "$lavoro/$o" "fuzz/corpus/$o" >"$lavoro/$o.log" 2>&1; then
        echo "fuzz_$o: $(grep -E '^Done' "$lavoro/$o.log")"
    else
        echo "fuzz_$o: FALLITO"
        tail -40 "$lavoro/$o.log"
        for f in "$lavoro"/crash-* "$lavoro"/leak-* "$lavoro"/timeout-*; do
            [ -e "$f" ] && echo "input: $(base64 -w0 "$f")"
        done
        esito=1
    fi
done
exit $esito
