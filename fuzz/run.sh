#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs them: run.sh BUILD_DIR SECONDS
# BUILD_DIR  build directory, relative to the checkout (or absolute); everything this
#            script writes goes under it: the build, the seed corpora, the corpora the
#            fuzzers grow (BUILD_DIR/fuzz-corpus/TARGET) and crash inputs
#            (BUILD_DIR/fuzz-artifacts/TARGET-crash-...).
# SECONDS    total fuzzing time, split evenly among the targets.
# First every saved input under fuzz/regressions/TARGET/ is replayed. Exits non-zero when
# any target crashed, leaked, ran out of memory or failed one of its own checks.
#
# Inputs that run longer than 30 s under the sanitizers are saved as
# BUILD_DIR/fuzz-artifacts/TARGET-timeout-... and counted, but fail the run only with
# NONET_FUZZ_STRICT_TIMEOUTS=1: the solver's search has no time bound, and some puzzles
# (fuzz/slow/) take seconds even without instrumentation. Each target fuzzes in libFuzzer's
# fork mode so that such an input does not end its run; the mode's scratch files go to
# BUILD_DIR/fuzz-tmp.
set -euo pipefail

build=${1:?usage: run.sh BUILD_DIR SECONDS}
total=${2:?usage: run.sh BUILD_DIR SECONDS}
cd "$(dirname "$0")/.."
mkdir -p "$build"
build=$(cd "$build" && pwd)

targets=(cli_fuzz solve_fuzz)
share=$((total / ${#targets[@]}))
[ "$share" -ge 1 ] || share=1

CXX=${NONET_FUZZ_CXX:-clang++} cmake -S . -B "$build" -DNONET_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"${NONET_FUZZ_JOBS:-2}" --target "${targets[@]}"

bash fuzz/make_corpus.sh "$build/fuzz-seeds"
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-tmp"
export TMPDIR="$build/fuzz-tmp"
ignore_timeouts=1
timeout_status=70
# Slow inputs of earlier runs stay in fuzz-artifacts; only this run's are counted.
started="$build/fuzz-tmp/run-started"
touch "$started"
[ "${NONET_FUZZ_STRICT_TIMEOUTS:-0}" = 1 ] && ignore_timeouts=0

# Options per target: the corpus seeds, a dictionary and an input size large enough for a
# puzzle with a few options around it.
seeds_of() { case $1 in cli_fuzz) echo cli ;; solve_fuzz) echo solve ;; esac; }
extra_of() {
    case $1 in
        cli_fuzz) echo "-dict=fuzz/cli.dict -max_len=512" ;;
        solve_fuzz) echo "-max_len=400" ;;
    esac
}

failed=()
for target in "${targets[@]}"; do
    binary="$build/fuzz/$target"
    name=$(seeds_of "$target")

    shopt -s nullglob
    regressions=(fuzz/regressions/"$name"/*)
    shopt -u nullglob
    if [ ${#regressions[@]} -gt 0 ]; then
        echo "== $target: replaying ${#regressions[@]} saved regression inputs"
        "$binary" -timeout=60 "${regressions[@]}" || failed+=("$target (regressions)")
    fi

    echo "== $target: fuzzing for ${share}s"
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    # Fork mode ends with the timeout status when it ignored timeouts and found nothing
    # worse; a crash, a leak, a failed check or running out of memory ends it with another.
    status=0
    # shellcheck disable=SC2046  # the extra options are words on purpose
    "$binary" "$corpus" "$build/fuzz-seeds/$name" $(extra_of "$target") \
        -fork=1 -ignore_crashes=0 -ignore_ooms=0 -ignore_timeouts="$ignore_timeouts" \
        -timeout=30 -timeout_exitcode="$timeout_status" -max_total_time="$share" \
        -artifact_prefix="$build/fuzz-artifacts/$target-" || status=$?
    if [ "$status" -ne 0 ] && ! { [ "$ignore_timeouts" = 1 ] && [ "$status" -eq "$timeout_status" ]; }; then
        failed+=("$target (status $status)")
    fi
done

mapfile -t slow < <(find "$build/fuzz-artifacts" -name '*-timeout-*' -newer "$started")
if [ ${#slow[@]} -gt 0 ]; then
    echo "fuzzing: ${#slow[@]} inputs over 30 s under the sanitizers (not failures): ${slow[*]}"
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing FAILED: ${failed[*]}; inputs in $build/fuzz-artifacts" >&2
    exit 1
fi
echo "fuzzing passed: ${targets[*]}, ${share}s each"
