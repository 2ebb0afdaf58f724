#!/usr/bin/env bash
# Installs what is missing, checks the formatting of the sources, then builds
# and runs every test twice: a normal build (with the benchmarks, so that they
# keep building), then a build with AddressSanitizer, UndefinedBehaviorSanitizer
# and the standard library's assertions where any report fails. Both builds
# treat warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh cmake g++ make qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libbenchmark-dev fonts-liberation xvfb xdotool \
    clang-format desktop-file-utils appstream x11-utils dbus at-spi2-core python3-pyatspi
jobs=$(nproc)

echo "== Formatting ($(clang-format --version))"
# The C++ sources of the checkout (tracked or new, not ignored), else of the tree.
if ! sources=$(git ls-files --cached --others --exclude-standard -- 'src/*.cpp' 'src/*.h' \
    'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 2>/dev/null); then
    sources=$(find src tests bench -name '*.cpp' -o -name '*.h')
fi
unformatted=()
for file in $sources; do
    [[ -f $file ]] || continue
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if ((${#unformatted[@]} > 0)); then
    echo "These files are not formatted as .clang-format says (run clang-format -i on them):" >&2
    printf '    %s\n' "${unformatted[@]}" >&2
    exit 1
fi

# The normal build is a unity build (each target compiled as a few large files,
# a fifth faster here); the sanitized one compiles every file on its own, so
# that a file missing an include fails there instead of borrowing it from its
# neighbour: having fewer files (no benchmarks), it loses less time that way.

echo "== Normal build"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLANE_WERROR=ON -DVELLANE_BENCHMARKS=ON \
    -DCMAKE_UNITY_BUILD=ON
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== Sanitized build (AddressSanitizer, UndefinedBehaviorSanitizer, assertions), file by file"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVELLANE_WERROR=ON -DVELLANE_SANITIZE=ON \
    -DVELLANE_BENCHMARKS=OFF -DCMAKE_UNITY_BUILD=OFF
cmake --build build/sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
