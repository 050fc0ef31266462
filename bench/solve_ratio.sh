#!/usr/bin/env bash
# Runs BM_Solve and BM_SolvePlain on top95 and top1465 side by side, REPS times each, and
# prints how many times faster the real solver is than the plain-scan oracle. Each side's
# time is its fastest repetition: on a shared machine the slow repetitions are the ones
# other work got in the way of, and they hit the long plain runs hardest.
#
# usage: bench/solve_ratio.sh [NONET_BENCH_BINARY]     (default build-bench/bench/nonet_bench)
# env:   REPS=10   NONET_DATA_DIR (folder of the puzzle lists)
set -euo pipefail

bench=${1:-build-bench/bench/nonet_bench}
reps=${REPS:-10}
[[ -x $bench ]] || { echo "solve_ratio.sh: no benchmark binary at $bench (build with -DNONET_BENCH=ON)" >&2; exit 1; }

"$bench" --benchmark_filter='^BM_Solve(Plain)?/(top95|top1465)$' --benchmark_repetitions="$reps" \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '
        # Rows of single repetitions: "name",iterations,real_time,cpu_time,time_unit,...
        $1 ~ /^"BM_Solve/ && $1 !~ /_(mean|median|stddev|cv)"$/ {
            name = $1; gsub(/"/, "", name)
            if (!(name in best) || $3 + 0 < best[name]) { best[name] = $3 + 0; unit[name] = $5; gsub(/"/, "", unit[name]) }
        }
        END {
            split("top95 top1465", lists, " ")
            for (k = 1; k <= 2; ++k) {
                real = "BM_Solve/" lists[k]; plain = "BM_SolvePlain/" lists[k]
                if (!(real in best) || !(plain in best)) { print lists[k] ": not measured (list missing?)"; continue }
                printf "%-8s real %8.1f %s   plain %9.1f %s   plain / real = %.1fx\n", lists[k],
                       best[real], unit[real], best[plain], unit[plain], best[plain] / best[real]
            }
        }'
