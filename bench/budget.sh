#!/usr/bin/env bash
# Checks the benchmarks against their budget: the median of each, a tick or
# the computation of one, must take at most a tenth of its timer's interval
# (the counter "intervalle_ms" each reports).
#   bash bench/budget.sh BENCH_PROGRAM...
# Prints each median as a share of its interval; fails if one is over.
set -euo pipefail
for program in "$@"; do
    "$program" --benchmark_min_time=0.05 --benchmark_format=json 2>/dev/null
done | python3 -c '
import json, sys
decoder, text, over = json.JSONDecoder(), sys.stdin.read(), 0
while text.strip():
    report, end = decoder.raw_decode(text.lstrip())
    text = text.lstrip()[end:]
    for b in report["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        share = b["real_time"] * scale / b["intervalle_ms"]
        over += share > 0.1
        print("%-40s %6.2f %% of %g ms" % (b["run_name"], 100 * share, b["intervalle_ms"]))
sys.exit(1 if over else 0)
'
