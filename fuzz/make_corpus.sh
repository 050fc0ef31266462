#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets: make_corpus.sh OUT_DIR
# creates OUT_DIR/cli (argument lists, each argument ended by a NUL byte) and
# OUT_DIR/solve (a layout byte "0" followed by a puzzle line, 0 for an empty cell),
# from the public puzzle lists in ../shared/data beside the checkout: all of top95 and
# samples of the other lists. Without the lists, only the hand-written argument lists.
set -euo pipefail

out=${1:?usage: make_corpus.sh OUT_DIR}
here=$(cd "$(dirname "$0")" && pwd)
data=${NONET_DATA_DIR:-$here/../../shared/data}

mkdir -p "$out/cli" "$out/solve"

# cli_seed NAME ARGUMENT...: one argument list.
cli_seed() {
    local name=$1
    shift
    if [ $# -eq 0 ]; then : >"$out/cli/$name"; else printf '%s\0' "$@" >"$out/cli/$name"; fi
}

# Argument lists for the grammar, the errors and generate mode's targets.
cli_seed none
cli_seed seed-7 -s 7
cli_seed count-30 -n 30 -s 5
cli_seed count-55 -n 55 -s 3
cli_seed count-0 -n 0 -s 1
cli_seed count-negative -n -5 -s 1
cli_seed count-unreachable -n 70
cli_seed count-over-grid -n 90 -g 4
cli_seed difficulty-110 -n 110 -s 2
cli_seed difficulty-400 -n 400 -s 9
cli_seed difficulty-unreachable -n 900 -s 4
cli_seed guesses -g 3 -s 1
cli_seed upper-case -N 40 -G 1 -S 12
cli_seed huge-values -n 99999999999999999999 -g -2147483648 -s 4294967296
cli_seed long-letters -number 35 -seed 8
cli_seed repeated -n 30 -n 40 -s 1 -s 2
cli_seed unknown -x 1
cli_seed lone-dash -
cli_seed empty-argument ''
cli_seed no-dash p
cli_seed usage-p -p
cli_seed usage-n -s 1 -n
cli_seed usage-g -g
cli_seed usage-s -s
cli_seed value-is-option -n -p
cli_seed atoi-suffix -n 12x -s 3
cli_seed short-puzzle -p 123
cli_seed empty-puzzle -p ''
cli_seed empty-board -p "$(printf '0%.0s' {1..81})"
cli_seed full-stops -p "$(printf '.%.0s' {1..81})"

# list_lines FILE EVERY LIMIT: every EVERY-th line of FILE, at most LIMIT of them.
list_lines() { awk -v every="$2" -v limit="$3" '(NR - 1) % every == 0 && n++ < limit' "$1"; }

if [ ! -d "$data" ]; then
    echo "make_corpus.sh: no puzzle lists at $data, hand-written seeds only" >&2
    exit 0
fi

# source file, sampling step, sample size
samples=(
    "top95.txt 1 95"
    "top1465.txt 73 20"
    "hardest1106.txt 19 20"
    "17clue.txt 2458 20"
    "serg_multi.txt 500 20"
)
for sample in "${samples[@]}"; do
    read -r file every limit <<<"$sample"
    [ -f "$data/$file" ] || continue
    n=0
    while IFS= read -r line; do
        n=$((n + 1))
        puzzle=$(tr . 0 <<<"$line")
        base="${file%.txt}-$n"
        printf '0%s' "$puzzle" >"$out/solve/$base"
        # Solve mode as the tool is called, with the list's own '.' now and then, and
        # options around the puzzle.
        case $((n % 4)) in
            0) cli_seed "$base" -p "$puzzle" ;;
            1) cli_seed "$base" -P "$line" ;;
            2) cli_seed "$base" -n 30 -p "$puzzle" -s 5 ;;
            3) cli_seed "$base" -puzzle "${puzzle}trailing" ;;
        esac
    done < <(list_lines "$data/$file" "$every" "$limit")
done
echo "make_corpus.sh: $(ls "$out/cli" | wc -l) cli seeds, $(ls "$out/solve" | wc -l) solve seeds in $out"
