#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmarks: the core (Google Benchmark), the batch calculator over 1,000 project files, and the
# start-up time and peak memory of Spintaro against a minimal Qt Widgets window on Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dipendenze.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset default "${launcher[@]}" >/dev/null
cmake --build --preset default --target bench_core bench_relazione spintaro-calcola spintaro bench_qt_minimo bench_avvio
b=build/default

echo "== Core (ns per call)"
$b/bench/bench_core --benchmark_min_time=0.5

echo "== Calculation report (layout; layout and PDF in memory; the whole write to a file)"
$b/bench/bench_relazione --benchmark_min_time=0.5

echo "== spintaro-calcola over 1,000 project files in one call"
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
for i in $(seq -w 1 1000); do
    cp examples/due_strati.spt "$lavoro/p$i.spt"
done
tempi=()
for r in 1 2 3 4 5; do
    t0=$(date +%s%N)
    $b/src/cli/spintaro-calcola --formato json "$lavoro"/p*.spt >/dev/null
    t1=$(date +%s%N)
    tempi+=($(( (t1 - t0) / 1000000 )))
done
echo "wall time (ms), 5 runs: ${tempi[*]}; median $(printf '%s\n' "${tempi[@]}" | sort -n | sed -n 3p)"

echo "== Start-up to the main window mapped, and peak memory (Xvfb, no window manager)"
# Three programs side by side, in turns: the empty minimal window (the toolkit's floor), the
# minimal window with one line of text (the floor for any program that shows text: the font
# machinery starts with the first text), and Spintaro.
misura() {
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        for i in $(seq 1 '"$1"'); do
            '"$b"'/bench/bench_avvio Minimo '"$b"'/bench/bench_qt_minimo
            '"$b"'/bench/bench_avvio Minimo '"$b"'/bench/bench_qt_minimo --testo
            '"$b"'/bench/bench_avvio "Spintaro 1.1" '"$b"'/src/app/spintaro
        done'
}
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$lavoro
misura 3 >/dev/null # warm the caches
misura 21 | awk '
    NR % 3 == 1 { n++; mt[n] = $1; mm[n] = $2 }
    NR % 3 == 2 { tt[n] = $1; tm[n] = $2 }
    NR % 3 == 0 { st[n] = $1; sm[n] = $2 }
    function mediana(a, k,   i, j, t, b) { for (i = 1; i <= k; i++) b[i] = a[i]
        for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (b[j] < b[i]) { t = b[i]; b[i] = b[j]; b[j] = t }
        return b[int((k + 1) / 2)] }
    END {
        a = mediana(mt, n); c = mediana(mm, n); e = mediana(tt, n); f = mediana(tm, n)
        b = mediana(st, n); d = mediana(sm, n)
        printf "minimal Qt window:            %5.1f ms, %6d KiB peak\n", a, c
        printf "minimal window with a text:   %5.1f ms, %6d KiB peak\n", e, f
        printf "Spintaro:                     %5.1f ms, %6d KiB peak\n", b, d
        printf "ratios to the empty window:   start-up %.2f, peak memory %.2f\n", b / a, d / c
        printf "ratios to the window w. text: start-up %.2f, peak memory %.2f (%d runs, medians)\n", b / e, d / f, n
    }'
