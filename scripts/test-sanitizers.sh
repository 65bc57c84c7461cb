#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test; the
# first report of either fails the test that made it.
# TL380_SANITIZE_BUILD names the build folder (default build-sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TL380_SANITIZE_BUILD:-build-sanitize}
scripts/install-packages.sh --sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTL380_SANITIZE=ON >/dev/null
cmake --build "$build"
# Leaks are not checked: the toolkit keeps its fonts and plug-ins until exit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
