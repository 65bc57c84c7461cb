#!/usr/bin/env bash
# Builds the bench programs in a Release build of their own and prints the performance table.
# Usage: bench/run-bench.sh [build-dir]   (default: build-bench next to bench/)
# BENCH_RUNS=n sets how many times each start-up is repeated (default 10).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(dirname "$here")"
build="${1:-$source_dir/build-bench}"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target floor_window startup_window exchange_probe history_append \
    window_read_all chart_append tl380ctl tl380sim \
    $(grep -q '^benchmark_DIR:PATH=/' "$build/CMakeCache.txt" && echo parser_bench) >/dev/null
exec python3 "$here/make_table.py" "$build"
