#!/usr/bin/env bash
# Installs what is missing, builds the program optimised and makes the Debian
# package build/package/vellane_<version>_<arch>.deb with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh cmake g++ make qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools fonts-liberation dpkg-dev file
# Debian's build flags, hardening included (fortified functions, read-only
# relocations bound at start).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DVELLANE_BENCHMARKS=OFF -DBUILD_TESTING=OFF
cmake --build build/package -j"$(nproc)"
(cd build/package && cpack -G DEB)
ls build/package/*.deb
