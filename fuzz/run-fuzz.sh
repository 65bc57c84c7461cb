#!/usr/bin/env bash
# Builds the fuzz targets with clang (coverage, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for a bounded time, as many at once as there are cores (TL380_FUZZ_JOBS), starting from the
# seeds in fuzz/corpus/<target>. The seeds stay as they are: new inputs go to a scratch folder. A crash
# fails the script with its input in fuzz-artifacts/.
#   fuzz/run-fuzz.sh [SECONDS_PER_TARGET]     (default 60)
# TL380_FUZZ_BUILD names the build folder (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${TL380_FUZZ_BUILD:-build-fuzz}
targets=(reply_parser integer command_builders receive profile_check)

scripts/install-packages.sh --fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DTL380_FUZZ=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzzers

artifacts=$PWD/fuzz-artifacts
mkdir -p "$artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

# Each target on a core of its own; their lines are printed once all have run.
fuzz_one() {
    local t=$1 result=ok
    mkdir -p "$scratch/$t"
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$t-" "$scratch/$t" "fuzz/corpus/$t" >"$scratch/$t.log" 2>&1 || result=FAILED
    echo "$result" >"$scratch/$t.result"
}
for t in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "${TL380_FUZZ_JOBS:-$(nproc)}" ]; do wait -n || true; done
    fuzz_one "$t" &
done
wait

failed=0
for t in "${targets[@]}"; do
    result=$(cat "$scratch/$t.result" 2>/dev/null || echo FAILED)
    if [ "$result" != ok ]; then
        failed=1
        tail -n 60 "$scratch/$t.log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$t.log")
    found=$(find "$scratch/$t" -type f | wc -l)
    printf 'fuzz_%-17s %s: %s runs in %s s, %s new inputs\n' "$t" "$result" "${runs:-?}" "$seconds" "$found"
done
exit $failed
