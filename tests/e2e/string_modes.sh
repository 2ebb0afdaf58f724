#!/usr/bin/env bash
# The eigenmode window under a real X server: opened from the home screen, it
# shows only the device; "image suivante" draws the string as a red arch below
# the rest line, and later images erase the earlier ones.
source "$(dirname "$0")/lib.sh"

MODES_W=800
MODES_H=600
# Picture1's client area starts 2 pixels inside its border at (3240, 240) twips.
PIC_X=218
PIC_Y=18
# The middle of the string, x = 500 mm: 500 × 7.1625 twips.
MID_X=$(( PIC_X + 239 ))
# The rest line y = 0 lies 3037.5 twips (202.5 pixels) below the top edge.
REST_Y=$(( PIC_Y + 202 ))

expect_count() {
    local id=$1 n=$7 got
    got=$(count_color "$id" "$2" "$3" "$4" "$5" "$6")
    (( got == n )) || fail "$got pixels of $6 in box ($2, $3, $4, $5), expected $n"
}

open_home
home=$HOME_ID
# The third module's title, then "Démarrer".
click_twips "$home" 4000 4300
click_twips "$home" 8640 5640
modes=$(wait_window "$MODES_W" "$MODES_H")
eventually 10 expect_pixel "$modes" 5 300 "#8080ff"
shot modes_open

expect_pixel "$modes" 5 300 "#8080ff"            # the left band
expect_pixel "$modes" 400 500 "#808080"          # the animation band
expect_pixel "$modes" "$MID_X" $(( REST_Y - 40 )) "#ffffff"
# The rest line of the device is there; nothing is drawn below it yet.
expect_count_at_least "$modes" $(( MID_X - 6 )) $(( REST_Y - 2 )) 13 5 "#ff0000" 13
expect_count "$modes" $(( MID_X - 6 )) $(( REST_Y + 4 )) 13 120 "#ff0000" 0

# "image suivante": t = 10 ms, the arch 0.5 sin(w t) = 0.049 units (10 pixels)
# below the rest line at the middle.
click_twips "$modes" 6067 8227
eventually 10 expect_count_at_least "$modes" $(( MID_X - 6 )) $(( REST_Y + 6 )) 13 9 "#ff0000" 13
shot modes_first_image
expect_count_at_least "$modes" $(( MID_X - 6 )) $(( REST_Y + 6 )) 13 9 "#ff0000" 13
expect_count "$modes" $(( MID_X - 6 )) $(( REST_Y + 16 )) 13 110 "#ff0000" 0
expect_count "$modes" $(( MID_X - 6 )) $(( REST_Y - 100 )) 13 96 "#ff0000" 0

# Fifteen more images: t = 160 ms, about a quarter period, the arch at its
# lowest (0.5 units, 101 pixels); the earlier frames leave nothing behind.
for _ in $(seq 15); do
    xdotool mousemove --window "$modes" $(( 6067 / 15 )) $(( 8227 / 15 )) click 1
    sleep 0.05
done
eventually 10 expect_count_at_least "$modes" $(( MID_X - 6 )) $(( REST_Y + 96 )) 13 11 "#ff0000" 13
shot modes_quarter_period
expect_count_at_least "$modes" $(( MID_X - 6 )) $(( REST_Y + 96 )) 13 11 "#ff0000" 13
expect_count "$modes" $(( MID_X - 6 )) $(( REST_Y + 4 )) 13 88 "#ff0000" 0

# "Quitter" closes the window; the home screen's "Quitter" ends the program.
click_twips "$modes" 10207 8227
wait_window_gone "$MODES_W" "$MODES_H"
click_twips "$home" 9840 5640
expect_exit_ok 2
echo "string modes: ok"
