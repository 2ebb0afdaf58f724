#!/usr/bin/env bash
# The command line against a real X server: without a display the program
# says so in one French line and ends with status 1; on a 1920 × 1080 screen
# the projector zoom, asked too large or "auto", keeps the home screen and each
# simulation inside the screen, with room for a title bar above.
source "$(dirname "$0")/lib.sh"

# No display at all: one French line of the program's own, not Qt's abort.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$PROGRAM" >"$WORK/app.log" 2>&1 || status=$?
(( status == 1 )) || fail "without a display the program ended with status $status"
[[ $(wc -l <"$WORK/app.log") == 1 ]] && grep -q '^vellane : .*affichage' "$WORK/app.log" \
    || fail "without a display the program did not say so in one French line"

SCREEN_W=1920
SCREEN_H=1080
TITLE_BAR=24 # the smallest title bar a desktop draws, in pixels
start_xvfb "${SCREEN_W}x$SCREEN_H"

# Writes "X Y W H" of each visible window to $WORK/windows once $1 of them
# are shown (up to 30 s).
shown_windows() {
    local want=$1 id
    for _ in $(seq 300); do
        : >"$WORK/windows"
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
            eval "$(xdotool getwindowgeometry --shell "$id")" 2>/dev/null || continue
            echo "$X $Y $WIDTH $HEIGHT" >>"$WORK/windows"
        done
        (( $(wc -l <"$WORK/windows") == want )) && return 0
        sleep 0.1
    done
    fail "not $want windows shown"
}

for zoom in 3 auto; do
    for simulation in vibreur reflexion modes; do
        start_app --zoom "$zoom" --simulation "$simulation"
        shown_windows 2
        tallest=0
        while read -r x y w h; do
            (( x >= 0 && y >= TITLE_BAR && x + w <= SCREEN_W && y + h <= SCREEN_H )) \
                || fail "--zoom $zoom --simulation $simulation: a window at ($x, $y), $w × $h"
            (( h > tallest )) && tallest=$h
        done <"$WORK/windows"
        # The simulations are 568 or 600 pixels tall at factor 1: the zoom was
        # lowered to fit, not given up.
        (( tallest >= 900 )) || fail "--zoom $zoom --simulation $simulation: not enlarged"
        kill "$APP_PID"
        wait "$APP_PID" 2>/dev/null || true
        APP_PID=
        # Too large a factor is lowered with one line that says so; "auto" is silent.
        warnings=$(grep -c '^vellane : ' "$WORK/app.log" || true)
        expected=1
        [[ $zoom == auto ]] && expected=0
        (( warnings == expected )) || fail "--zoom $zoom: $warnings lines from the program on standard error"
    done
done
echo "command line: ok"
