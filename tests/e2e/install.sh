#!/usr/bin/env bash
# The installed program as a desktop sees it: `cmake --install` of the build
# folder ($1) into a temporary prefix, the desktop entry and the metadata
# through their validators, every icon at its size, the command line, then
# the installed binary under Xvfb: --simulation, the class of every window the
# menu entry names, and --zoom.
build=$1
probe=$2
source "$(dirname "$0")/lib.sh" "" "$probe"
prefix=$WORK/prefix
id=fr.vellane.Vellane
cmake --install "$build" --prefix "$prefix" >/dev/null

# The validators: not a word of error, warning, advice or hint.
for check in "desktop-file-validate $prefix/share/applications/$id.desktop" \
    "appstreamcli validate --no-net $prefix/share/metainfo/$id.metainfo.xml"; do
    out=$($check 2>&1) || fail "$out"
    grep -E '^[A-Z]: |: (error|warning|hint):' <<<"$out" && fail "$check: $out"
done
[[ -s $prefix/share/man/man1/vellane.1 ]] || fail "no manual page"
[[ -s $prefix/share/man/en/man1/vellane.1 ]] || fail "no English manual page"

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
# In English when the environment's language is, or when asked.
DISPLAY= LANGUAGE=en_GB "$bin" --help | grep -q -- '--simulation NAME' || fail "--help in English"
DISPLAY= "$bin" --langue en --help | grep -q -- '--simulation NAME' || fail "--langue en --help"
status=0
err=$(DISPLAY= "$bin" --zoom 5 2>&1 >/dev/null) || status=$?
((status == 2)) && [[ $err == "vellane : "*"de 1 à 3"* ]] || fail "--zoom 5: status $status, $err"

# Under Xvfb: the eigenmodes opened with the home screen; from the home screen
# (raised above them, there being no window manager) the reflection and the
# driven string; the recorder of a point of the driven string (its picture's
# menu: "Copier l'image", "Enregistrer l'image…", "Suivre ce point"). Each
# window carries the X11 class that the menu entry names, by which a desktop
# ties it to the entry and its icon.
start_xvfb 2560x1440
"$bin" --simulation modes >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_window 800 600 >/dev/null
home=$(wait_window "$HOME_W" "$HOME_H")
for title in 3100 1200; do
    xdotool windowraise "$home"
    wait_pixel "$home" 5 250 "#8080ff"
    click_twips "$home" 4000 "$title"
    click_twips "$home" 8640 5640
done
vibreur=$(wait_window 800 568)
xdotool mousemove --window "$vibreur" 437 220 click 3
sleep 0.5
xdotool key Down Down Down Return
wait_window 640 480 >/dev/null
class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/$id.desktop")
[[ -n $class ]] || fail "the menu entry names no window class"
windows=$(xdotool search --onlyvisible --name '.')
(($(wc -w <<<"$windows") == 5)) || fail "$(wc -w <<<"$windows") windows shown, expected 5"
for window in $windows; do
    wm_class=$(xprop -id "$window" WM_CLASS)
    [[ $wm_class == *", \"$class\"" ]] || fail "$(xdotool getwindowname "$window"): $wm_class, not $class"
done
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
"$bin" --zoom 2 >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_window $((2 * HOME_W)) $((2 * HOME_H)) >/dev/null
echo "installed tree: ok"
