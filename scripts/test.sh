#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal
# build (with the benchmarks, so that they keep building), then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer where any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh cmake g++ make qt6-base-dev libbenchmark-dev fonts-liberation xvfb xdotool
jobs=$(nproc)
# Unity builds compile each target as a few large files: a third faster here.

echo "== Normal build"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLANE_BENCHMARKS=ON -DCMAKE_UNITY_BUILD=ON
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== Sanitized build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVELLANE_SANITIZE=ON -DVELLANE_BENCHMARKS=OFF \
    -DCMAKE_UNITY_BUILD=ON
cmake --build build/sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
