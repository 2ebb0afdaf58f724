#!/usr/bin/env bash
# The installed program as a desktop sees it: `cmake --install` of the build
# folder ($1) into a temporary prefix, the desktop entry and the metadata
# through their validators, every icon at its size, the command line, then
# the installed binary under Xvfb with --simulation and --zoom.
build=$1
probe=$2
source "$(dirname "$0")/lib.sh" "" "$probe"
prefix=$WORK/prefix
id=fr.vellane.Vellane
cmake --install "$build" --prefix "$prefix" >/dev/null

# The validators: no error and no warning (hints are advice on menus).
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || fail "$out"
grep -E 'error|warning' <<<"$out" && fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null \
    || fail "$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
[[ -s $prefix/share/man/man1/vellane.1.gz ]] || fail "no manual page"

# Each icon at its size, not blank (not all black), and the scalable one.
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [[ $("$probe" size "$png") == "$size $size" ]] || fail "$png is not ${size}x${size}"
    black=$("$probe" count "$png" 0 0 "$size" "$size" "#000000")
    ((black < size * size * 9 / 10)) || fail "$png is blank"
done
grep -q '<path' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"

# The command line, answered without a display.
bin=$prefix/bin/vellane
[[ $(DISPLAY= "$bin" --version) == "vellane 1.0" ]] || fail "--version"
DISPLAY= "$bin" --help | grep -q -- '--simulation NOM' || fail "--help"
status=0
err=$(DISPLAY= "$bin" --zoom 5 2>&1 >/dev/null) || status=$?
((status == 2)) && [[ $err == "vellane : "*"de 1 à 3"* ]] || fail "--zoom 5: status $status, $err"

# Under Xvfb: the eigenmodes opened with the home screen, then a home screen
# twice as large, on a screen where every window fits at factor 2.
start_xvfb 2560x1440
"$bin" --simulation modes >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_window 800 600 >/dev/null
wait_window "$HOME_W" "$HOME_H" >/dev/null
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
"$bin" --zoom 2 >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_window $((2 * HOME_W)) $((2 * HOME_H)) >/dev/null
echo "installed tree: ok"
