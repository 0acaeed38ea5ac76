#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the batch calculator, the cost a parametric loop pays on every call: each program
given computes the bundled example (examples/due_strati.spt) RUNS times, the programs taking
turns so that a load on the machine falls on all of them alike; prints the median and the
quartiles of the wall time in milliseconds. With --relazione each run also writes the report.
    bench/avvio_calcola.py [--runs N] [--relazione] CALCOLA [CALCOLA...]"""
import argparse
import os
import statistics
import subprocess
import tempfile
import time

parser = argparse.ArgumentParser()
parser.add_argument("--runs", type=int, default=40)
parser.add_argument("--relazione", action="store_true")
parser.add_argument("programmi", nargs="+")
a = parser.parse_args()
esempio = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples",
                       "due_strati.spt")
tempi = {p: [] for p in a.programmi}
with tempfile.TemporaryDirectory() as cartella:
    extra = ["--relazione", os.path.join(cartella, "r.pdf")] if a.relazione else []
    for _ in range(a.runs):
        for p in a.programmi:
            inizio = time.perf_counter()
            subprocess.run([p, *extra, esempio], check=True, stdout=subprocess.DEVNULL)
            tempi[p].append((time.perf_counter() - inizio) * 1000)
for p, t in tempi.items():
    q = statistics.quantiles(t, n=4)
    print(f"{statistics.median(t):7.2f} ms  (quartili {q[0]:.2f}-{q[2]:.2f})  {p}")
