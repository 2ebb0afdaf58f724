# Shared steps of the end-to-end tests: each script sources this file with the
# program ($1) and the screen probe ($2) as arguments. The program runs on a
# private Xvfb display with no window manager, so a window's client area is
# the X window itself and window coordinates are client pixels (15 twips each).
set -euo pipefail

PROGRAM=$1
PROBE=$2
# The program speaks English when the environment does: these tests read and
# click its French texts, whatever the machine's language.
export LANGUAGE=fr
WORK=$(mktemp -d)
APP_PID=
XVFB_PID=

cleanup() {
    [[ -n $APP_PID ]] && kill "$APP_PID" 2>/dev/null || true
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$WORK"/app.log "$WORK"/xvfb.log; do
        [[ -s $log ]] && { echo "--- $(basename "$log"):" >&2; cat "$log" >&2; }
    done
    if [[ -f $WORK/shot.png && -n ${E2E_KEEP_SHOT:-} ]]; then cp "$WORK/shot.png" "$E2E_KEEP_SHOT"; fi
    exit 1
}

# Starts Xvfb on a free display (1280 × 1024 or the size given as WxH, 24
# bits) and exports DISPLAY.
start_xvfb() {
    # Xvfb picks a free display and writes its number to the pipe. Without
    # -noreset it resets whenever its last client leaves, and refuses
    # connections meanwhile: a probe that disconnects just before the program
    # connects would make the program fail to start.
    mkfifo "$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$WORK/display" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local display=
    read -r -t 10 display <"$WORK/display" || fail "Xvfb did not start"
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
}

# Starts the program in the background, with the arguments given.
start_app() {
    "$PROGRAM" "$@" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
}

# Prints the id of a visible window whose client size is W × H pixels; waits
# up to 30 s (a loaded machine may take long to start the program).
wait_window() {
    local want_w=$1 want_h=$2 id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            if [[ $WIDTH == "$want_w" && $HEIGHT == "$want_h" ]]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    fail "no window of ${want_w}x${want_h}"
}

# Succeeds when no visible window has that size any more (waits up to 5 s).
wait_window_gone() {
    local want_w=$1 want_h=$2 id found
    for _ in $(seq 50); do
        found=
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
            eval "$(xdotool getwindowgeometry --shell "$id")" 2>/dev/null || continue
            [[ $WIDTH == "$want_w" && $HEIGHT == "$want_h" ]] && found=1
        done
        [[ -z $found ]] && return 0
        sleep 0.1
    done
    fail "the ${want_w}x${want_h} window is still shown"
}

# Clicks inside window ID at a point given in twips of its client area.
click_twips() {
    local id=$1 x=$(( ($2 + 7) / 15 )) y=$(( ($3 + 7) / 15 ))
    xdotool mousemove --window "$id" "$x" "$y" click 1
    sleep 0.3
}

# Takes a screenshot into $WORK/shot.png (and into $E2E_SHOT_DIR when set).
shot() {
    "$PROBE" shot "$WORK/shot.png" || fail "no screenshot"
    if [[ -n ${E2E_SHOT_DIR:-} ]]; then
        mkdir -p "$E2E_SHOT_DIR"
        cp "$WORK/shot.png" "$E2E_SHOT_DIR/${1:-shot}.png"
    fi
}

# Screen position of window ID's client origin, as "X Y".
window_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y"
}

# The colour (#rrggbb) of the last shot at client pixel (x, y) of window ID.
pixel() {
    local id=$1 ox oy
    read -r ox oy < <(window_origin "$id")
    "$PROBE" pixel "$WORK/shot.png" $((ox + $2)) $((oy + $3))
}

# How many pixels of the colour in the box (x, y, w, h) of window ID's client area.
count_color() {
    local id=$1 ox oy
    read -r ox oy < <(window_origin "$id")
    "$PROBE" count "$WORK/shot.png" $((ox + $2)) $((oy + $3)) "$4" "$5" "$6"
}

expect_pixel() {
    local id=$1 x=$2 y=$3 want=$4 got
    got=$(pixel "$id" "$x" "$y")
    [[ $got == "$want" ]] || fail "pixel ($x, $y) is $got, expected $want"
}

# Fails unless the box holds at least N pixels of the colour.
expect_count_at_least() {
    local id=$1 n=$7 got
    got=$(count_color "$id" "$2" "$3" "$4" "$5" "$6")
    (( got >= n )) || fail "only $got pixels of $6 in box ($2, $3, $4, $5), expected at least $n"
}

# Waits up to $1 seconds for the program to exit; fails unless its status is 0.
expect_exit_ok() {
    local limit=$1 status
    for _ in $(seq $((limit * 10))); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID" && status=0 || status=$?
            APP_PID=
            (( status == 0 )) || fail "the program ended with status $status"
            return 0
        fi
        sleep 0.1
    done
    fail "the program still runs after ${limit} s"
}

# The home screen: 700 × 407 pixels.
HOME_W=700
HOME_H=407

# Runs a check on fresh screenshots until it passes, for up to $1 seconds,
# then once more for its message: the program may still be busy with the
# events sent to it when the machine is loaded.
eventually() {
    local limit=$1
    shift
    for _ in $(seq $((limit * 5))); do
        shot
        ("$@") >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    shot
    "$@"
}

# Waits up to 10 s until the screen shows the colour at client pixel (x, y)
# of window ID: the window is drawn and its program is taking events.
wait_pixel() {
    local id=$1 x=$2 y=$3 want=$4
    for _ in $(seq 50); do
        shot
        [[ $(pixel "$id" "$x" "$y") == "$want" ]] && return 0
        sleep 0.2
    done
    fail "pixel ($x, $y) never became $want"
}

# Starts Xvfb and the program, and sets HOME_ID to the home screen's window
# once it is drawn (call it directly, not in $(...), so that DISPLAY and the
# program stay known).
open_home() {
    start_xvfb
    start_app
    HOME_ID=$(wait_window "$HOME_W" "$HOME_H")
    wait_pixel "$HOME_ID" 5 250 "#8080ff"
}
