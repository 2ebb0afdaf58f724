#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh cmake g++ make qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELLANE_BENCHMARKS=OFF
cmake --build build/release --target vellane -j"$(nproc)"
exec build/release/src/app/vellane
