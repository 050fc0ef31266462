#!/usr/bin/env bash
# Times whole processes side by side with hyperfine and prints the ratios:
#   generate: `nonet -s K` for seeds K = 1..SEEDS against `qqwing --generate 1 --one-line`
#             (Debian's qqwing, an independent generator) and `/bin/true` (the floor:
#             starting a process), in one hyperfine run that interleaves the three per seed;
#   solve:    `nonet -p P` against `qqwing --solve --one-line` on the same top95 puzzle P,
#             and `/bin/true`, in a second run over a few puzzles. qqwing reads its puzzle
#             from standard input, so this run goes through hyperfine's shell (whose start-up
#             hyperfine measures and subtracts) for all three commands alike.
# Ratios are of the mean wall-clock time per process over all seeds or puzzles.
#
# usage: bench/compare.sh [NONET_BINARY]             (default build/nonet)
# needs: apt-get install hyperfine qqwing
# env:   SEEDS=40 RUNS=10 WARMUP=2 PUZZLES="1 2 3 4 5 6 7 8 9 10" (lines of top95.txt)
#        NONET_ARGS="" (added to every generate run, e.g. "-n 55")
#        NONET_DATA_DIR (folder of top95.txt; default ../shared/data beside the project)
#        OUT=folder (keeps the CSV exports and hyperfine's warnings; default a temporary folder)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
nonet=$(realpath "${1:-build/nonet}")
seeds=${SEEDS:-40}
runs=${RUNS:-10}
warmup=${WARMUP:-2}
puzzles=${PUZZLES:-1 2 3 4 5 6 7 8 9 10}
data=${NONET_DATA_DIR:-$here/../../shared/data}

for tool in hyperfine qqwing; do
    command -v "$tool" >/dev/null || { echo "compare.sh: $tool not found (apt-get install $tool)" >&2; exit 1; }
done
[[ -x $nonet ]] || { echo "compare.sh: no nonet binary at $nonet" >&2; exit 1; }
[[ -r $data/top95.txt ]] || { echo "compare.sh: no $data/top95.txt (set NONET_DATA_DIR)" >&2; exit 1; }

if [[ -n ${OUT:-} ]]; then work=$OUT; mkdir -p "$work"; else work=$(mktemp -d); trap 'rm -rf "$work"' EXIT; fi

# Mean wall, mean median and mean user+system time per process of each kind of command in
# a hyperfine CSV export, then the two ratios.
summarize() {
    awk -F, 'NR > 1 {
        kind = $1 ~ /qqwing/ ? "qqwing" : $1 ~ /\/bin\/true/ ? "true" : "nonet"
        n[kind]++; mean[kind] += $2; median[kind] += $4; cpu[kind] += $5 + $6
    }
    END {
        printf "  %-8s %12s %14s %14s %6s\n", "command", "mean wall", "median wall", "user+sys", "rows"
        split("nonet qqwing true", kinds, " ")
        for (k = 1; k <= 3; ++k) {
            c = kinds[k]
            printf "  %-8s %9.3f ms %11.3f ms %11.3f ms %6d\n", c, 1000 * mean[c] / n[c],
                   1000 * median[c] / n[c], 1000 * cpu[c] / n[c], n[c]
        }
        printf "  nonet / true   = %6.2f   (wall, mean)\n", mean["nonet"] / n["nonet"] / (mean["true"] / n["true"])
        printf "  nonet / true   = %6.2f   (user+sys, mean)\n", cpu["nonet"] / n["nonet"] / (cpu["true"] / n["true"])
        printf "  qqwing / nonet = %6.2f   (wall, mean)\n", mean["qqwing"] / n["qqwing"] / (mean["nonet"] / n["nonet"])
        printf "  qqwing / nonet = %6.2f   (user+sys, mean)\n", cpu["qqwing"] / n["qqwing"] / (cpu["nonet"] / n["nonet"])
    }' "$1"
}

echo "nonet: $nonet"
echo "generate: hyperfine -N --warmup $warmup --runs $runs --parameter-scan seed 1 $seeds" \
     "'$nonet -s {seed}${NONET_ARGS:+ $NONET_ARGS}' 'qqwing --generate 1 --one-line' '/bin/true'"
# shellcheck disable=SC2086  # NONET_ARGS is split on purpose
hyperfine -N --style none --warmup "$warmup" --runs "$runs" --parameter-scan seed 1 "$seeds" \
    --export-csv "$work/generate.csv" \
    "$nonet -s {seed}${NONET_ARGS:+ $NONET_ARGS}" 'qqwing --generate 1 --one-line' '/bin/true' \
    >/dev/null 2>"$work/generate.log" || { cat "$work/generate.log" >&2; exit 1; }
summarize "$work/generate.csv"

lines=()
for line in $puzzles; do
    puzzle=$(sed -n "${line}p" "$data/top95.txt")
    [[ ${#puzzle} -ge 81 ]] || { echo "compare.sh: no puzzle on line $line of top95.txt" >&2; exit 1; }
    printf '%s\n' "$puzzle" >"$work/$line.dots"              # qqwing's input, '.' empty
    printf '%s\n' "$puzzle" | tr . 0 >"$work/$line.zeros"    # nonet's -p value, '0' empty
    lines+=("$line")
done
list=$(IFS=,; echo "${lines[*]}")
echo
echo "solve: hyperfine --warmup $warmup --runs $runs --parameter-list line $list" \
     "'read -r p < {line}.zeros; $nonet -p \$p' 'qqwing --solve --one-line < {line}.dots' '/bin/true'" \
     "(top95.txt lines $list)"
hyperfine --style none --warmup "$warmup" --runs "$runs" --parameter-list line "$list" \
    --export-csv "$work/solve.csv" \
    "read -r p < $work/{line}.zeros; $nonet -p \$p" "qqwing --solve --one-line < $work/{line}.dots" '/bin/true' \
    >/dev/null 2>"$work/solve.log" || { cat "$work/solve.log" >&2; exit 1; }
summarize "$work/solve.csv"
