#!/usr/bin/env bash
# What a screen reader reads: on a private session bus with its own
# accessibility bus, lesson.py first runs one lesson of the driven string by
# AT-SPI and keys alone, up to the recorder's readouts. Then the program (home
# screen, the three simulations and the recorder open together) is read over
# AT-SPI by accessibility.py, which prints the tree and checks the windows'
# roles and titles, the names of the controls, the values the bars speak and
# what the pictures say as the simulations animate.
if [[ -z ${VELLANE_PRIVATE_BUS:-} ]]; then
    VELLANE_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

# The accessibility bus listens in the runtime folder: one of its own, lest another run of this
# test by the same user take or remove its socket.
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
BUS_PID=$!
trap 'kill "$BUS_PID" 2>/dev/null || true; cleanup' EXIT
# On a busy machine the launcher takes its name late: neither the program nor the reader may look
# for the bus before.
for _ in $(seq 100); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

open_home
# One lesson by AT-SPI and keys alone: the driven string and its recorder open.
/usr/bin/python3 -B "$(dirname "$0")/lesson.py" || fail "the lesson, without a mouse"
# The other two simulations by their titles, then "Démarrer".
for top in 3000 4200; do
    xdotool windowraise "$HOME_ID"
    click_twips "$HOME_ID" 4000 $((top + 100))
    click_twips "$HOME_ID" 8640 5640
done
wait_window 800 600 >/dev/null

titles=()
for id in $(xdotool search --onlyvisible --name '.'); do
    titles+=("$(xdotool getwindowname "$id")")
done
((${#titles[@]} == 5)) || fail "${#titles[@]} windows open, expected 5: ${titles[*]}"
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "${titles[@]}" || fail "as read over AT-SPI"
echo "accessibility: ok"
