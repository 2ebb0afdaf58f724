#!/usr/bin/env bash
# The driven-string window under a real X server: opened from the home screen,
# the sinusoidal excitation started and advanced with "Pas à pas", then
# checked on the screen; "Quitter" closes it and the home screen remains.
source "$(dirname "$0")/lib.sh"

# The window Vibreur: 12000 × 8520 twips.
VIBREUR_W=800
VIBREUR_H=568

open_home
home=$HOME_ID
# "Démarrer" with the first module selected, as at every start.
click_twips "$home" 8640 5640
vibreur=$(wait_window "$VIBREUR_W" "$VIBREUR_H")
eventually 10 expect_pixel "$vibreur" 400 220 "#ff0000"
shot opened

# The string at rest: red along the axis (y = 0 is pixel row 220), the dark
# grey form and the light blue panel.
expect_pixel "$vibreur" 400 220 "#ff0000"
expect_pixel "$vibreur" 700 20 "#ffffff"
expect_pixel "$vibreur" 5 300 "#8080ff"
expect_pixel "$vibreur" 236 446 "#404040"
# Running: the two pause bars leave a white gap in the middle of their button.
[[ $(count_color "$vibreur" 563 514 3 5 "#666699") -lt 3 ]] || fail "the pause button is not shown"

# "Pas à pas" first pauses the animation, so that the steps below are the only
# ones; then "Excitation sinusoïdale" (temps back to 0) and "Pas à pas" four
# times: the left end has been driven for 0.1 s, to 7.3 mm below the axis.
click_twips "$vibreur" 9547 7747
click_twips "$vibreur" 5647 7747
for _ in 1 2 3 4; do
    click_twips "$vibreur" 9547 7747
done
eventually 10 expect_count_at_least "$vibreur" 296 226 15 25 "#ff0000" 10
shot stepped

# The left end of the string (points 0 to 3, pixels 296 to 310) is red well
# below the axis, not flat; the far part of the string is still at rest.
expect_count_at_least "$vibreur" 296 226 15 25 "#ff0000" 10
[[ $(count_color "$vibreur" 296 212 15 6 "#ff0000") -lt 4 ]] || fail "the left end is still on the axis"
expect_pixel "$vibreur" 700 220 "#ff0000"
# The yellow vibrator marker rode down with the end.
expect_count_at_least "$vibreur" 262 226 30 14 "#ffff00" 40
# Paused: the "Reprise" triangle stands where the two pause bars were; its
# middle is solid slate.
expect_count_at_least "$vibreur" 563 514 3 5 "#666699" 12
# The stop button replaced "Excitation sinusoïdale": a slate square.
expect_count_at_least "$vibreur" 370 510 12 12 "#666699" 100

# "Quitter": the window closes and the home screen stays.
click_twips "$vibreur" 11527 7747
wait_window_gone "$VIBREUR_W" "$VIBREUR_H"
xdotool getwindowgeometry "$home" >/dev/null || fail "the home screen went away"
echo "driven string: ok"
