#!/usr/bin/env bash
# Runs nonet under valgrind's memcheck on a sample of both modes and of the errors:
#   memcheck.sh [BUILD_DIR]     (default build-d, relative to the checkout)
# Configures BUILD_DIR as a dynamically linked RelWithDebInfo build of the tool alone,
# builds it, and runs each case with --leak-check=full --error-exitcode=99. A case passes
# when valgrind reports nothing and nonet's exit status is the expected one. Logs go to
# BUILD_DIR/memcheck/. Exits non-zero when any case failed.
set -euo pipefail

build=${1:-build-d}
cd "$(dirname "$0")/.."
data=${NONET_DATA_DIR:-../shared/data}

cmake -S . -B "$build" -DNONET_STATIC=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${NONET_JOBS:-2}" --target nonet >/dev/null
logs="$build/memcheck"
rm -rf "$logs"
mkdir -p "$logs"

runs=0
failures=0
# check EXPECTED_STATUS ARGUMENT...: one run of nonet under memcheck.
check() {
    local expected=$1
    shift
    runs=$((runs + 1))
    local log="$logs/run-$runs.log"
    local status=0
    printf '%s\n' "$*" >"$log"
    valgrind --quiet --error-exitcode=99 --leak-check=full --log-fd=3 \
        "$build/nonet" "$@" 3>>"$log" >/dev/null || status=$?
    if [ "$status" -ne "$expected" ]; then
        failures=$((failures + 1))
        echo "FAIL (status $status, expected $expected): nonet $*  see $log"
    fi
}

# Generate mode: seeds, counts, difficulties, a branching minimum, both ways to status 2.
check 0 -s 1
check 0 -s 7
check 0 -n 30 -s 5
check 0 -n 55 -s 3
check 0 -n 0 -s 1
check 0 -n -p -s 1  # -p is -n's value here, read as 0
check 0 -n 110 -s 2
check 0 -n 400 -s 3
check 0 -g 10 -s 4
check 2 -n 70
check 2 -n 30 -g 5 -s 6

# Solve mode: unique puzzles, several solutions, and puzzles that break the rules.
line() { sed -n "$2p" "$data/$1" | tr . 0; }
if [ -d "$data" ]; then
    for n in 1 2 3 50 95; do check 0 -p "$(line top95.txt "$n")"; done
    for n in 1 200; do check 0 -p "$(line hardest1106.txt "$n")"; done
    for n in 1 30000; do check 0 -p "$(line 17clue.txt "$n")"; done
    for n in 1 5000 10000; do check 0 -p "$(line serg_multi.txt "$n")"; done
    check 0 -P "$(sed -n 1p "$data/top95.txt")"  # the list's own '.' cells
else
    echo "memcheck.sh: no puzzle lists at $data, solve mode sampled without them" >&2
fi
empty=$(printf '0%.0s' {1..81})
check 0 -p "$empty"
check 0 -p "11${empty:2}"
check 0 -p "$(printf '123456789%.0s' {1..9})"
check 0 -puzzle "${empty}trailing characters"

# Errors.
check 1 -x 1
check 1 -
check 1 ''
check 1 -p 123
check 1 -p ''
check 1 -s 1 -n

echo "memcheck: $runs runs, $((runs - failures)) passed, $failures failed (logs in $logs)"
[ "$failures" -eq 0 ]
