#!/usr/bin/env bash
# Counts the instructions of a few whole nonet runs with valgrind's callgrind, which is
# steady on a noisy machine (instruction counts do not depend on the load), and prints the
# total and the top functions of each run: self cost (exclusive) and with callees
# (inclusive). Functions the compiler inlined are counted in their callers.
#
# usage: bench/callgrind.sh [NONET_BINARY]          (default build/nonet)
# needs: apt-get install valgrind
# env:   TOP=12 (functions listed per table)  SEED=1
#        NONET_DATA_DIR (folder of top95.txt; default ../shared/data beside the project)
#        OUT=folder (keeps the callgrind.out files; default a temporary folder, removed)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
nonet=$(realpath "${1:-build/nonet}")
top=${TOP:-12}
seed=${SEED:-1}
data=${NONET_DATA_DIR:-$here/../../shared/data}

command -v valgrind >/dev/null || { echo "callgrind.sh: valgrind not found (apt-get install valgrind)" >&2; exit 1; }
[[ -x $nonet ]] || { echo "callgrind.sh: no nonet binary at $nonet" >&2; exit 1; }
[[ -r $data/top95.txt ]] || { echo "callgrind.sh: no $data/top95.txt (set NONET_DATA_DIR)" >&2; exit 1; }
if [[ -n ${OUT:-} ]]; then work=$OUT; mkdir -p "$work"; else work=$(mktemp -d); trap 'rm -rf "$work"' EXIT; fi

top95_1=$(head -n 1 "$data/top95.txt" | tr . 0)
top95_2=$(sed -n 2p "$data/top95.txt" | tr . 0)
runs=(
    "generate-default|-s $seed"
    "generate-n55|-s $seed -n 55"
    "generate-n400|-s $seed -n 400"
    "solve-top95-line1|-p $top95_1"
    "solve-top95-line2|-p $top95_2"
)

# The function rows of callgrind_annotate, without the frames above main and the rows of
# recursion levels (name'2 ...), which count the same instructions again.
functionRows() {
    callgrind_annotate "$@" | awk '/file:function/ { rows = 1; getline; next }
        rows && NF && $0 !~ /\(below main\)|'"'"'[0-9]+ \[/ { print }' |
        sed -e 's/???://' -e 's/ \[[^]]*\]$//' | head -n "$top"
}

echo "nonet: $nonet"
for run in "${runs[@]}"; do
    name=${run%%|*}
    read -r -a args <<<"${run#*|}"
    out="$work/callgrind.out.$name"
    valgrind --tool=callgrind --callgrind-out-file="$out" "$nonet" "${args[@]}" >/dev/null 2>"$out.log"
    total=$(awk '/Collected :/ { print $NF }' "$out.log")
    echo
    echo "== $name: nonet ${args[*]:0:4}$([[ ${#args[@]} -gt 4 ]] && echo ' ...')   instructions: $total"
    echo "-- self (exclusive)"
    functionRows "$out"
    echo "-- with callees (inclusive)"
    functionRows --inclusive=yes "$out"
done
