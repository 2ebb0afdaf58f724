#!/usr/bin/env bash
# Installs what is missing and builds the Debian package from debian/ with
# dpkg-buildpackage, in a copy of the sources, then checks it with lintian:
# build/package/vellane_<version>_<arch>.deb.
#   scripts/package.sh --check   builds it twice, from copies of the sources in
#                                two different folders, and fails unless the two
#                                packages are the same byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh cmake g++ make qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools fonts-liberation dpkg-dev debhelper \
    lintian mandoc
out=build/package
mkdir -p "$out"

# The sources of the checkout (tracked or new, not ignored), else of the tree.
sources() {
    git ls-files -z --cached --others --exclude-standard 2>/dev/null \
        || find . -path ./build -prune -o -type f -print0
}

# build FOLDER: builds the package from a fresh copy of the sources in FOLDER,
# where dpkg-buildpackage leaves the package beside the copy.
build() {
    local folder=$1
    rm -rf "$folder"
    mkdir -p "$folder/vellane"
    sources | tar -c --null -T - | tar -x -C "$folder/vellane"
    (cd "$folder/vellane" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b)
}

if [[ ${1:-} == --check ]]; then
    # Folders of different depths, so that a build path kept in a file shows.
    build "$out/first" >"$out/first.log" 2>&1 || { tail -30 "$out/first.log"; exit 1; }
    build "$out/second/deeper" >"$out/second.log" 2>&1 || { tail -30 "$out/second.log"; exit 1; }
    status=0
    for deb in "$out"/first/*.deb; do
        other=$out/second/deeper/$(basename "$deb")
        if cmp "$deb" "$other"; then
            echo "reproducible: $(basename "$deb")"
        else
            echo "NOT reproducible: $(basename "$deb") differs between two builds" >&2
            status=1
        fi
    done
    exit "$status"
fi

build "$out/build"
changes=$(ls "$out"/build/vellane_*.changes)
cp "$out"/build/vellane_*.deb "$out/"
mandoc -T lint <(dpkg-deb --fsys-tarfile "$out"/vellane_*.deb | tar -xO ./usr/share/man/man1/vellane.1.gz | gzip -d)
lintian --display-info --pedantic "$changes"
ls "$out"/vellane_*.deb
