#!/usr/bin/env bash
# The incident-and-reflected-waves window under a real X server: opened from
# the home screen, a quarter-period run with "T/4" ends with the dial hand at
# three o'clock and stays there; "Quitter" closes the window.
source "$(dirname "$0")/lib.sh"

open_home
home=$HOME_ID

# The second module's title, then "Démarrer".
click_twips "$home" 4000 3100
click_twips "$home" 8640 5640
refl=$(wait_window 800 600)
eventually 10 expect_pixel "$refl" 5 300 "#8080ff"

# The dial: pendule at (360, 5640) twips, 2 pixels of sunken border, 149
# client pixels for 2 units, so its centre (1, 1) is near pixel (100, 452).
CX=100
CY=452
RED="#ff0000"

hand_right() { count_color "$refl" $((CX + 10)) $((CY - 4)) 38 9 "$RED"; }
hand_up() { count_color "$refl" $((CX - 4)) $((CY - 48)) 9 38 "$RED"; }

shot loaded
(( $(hand_up) >= 30 )) || fail "the hand does not point up at load"
(( $(hand_right) == 0 )) || fail "red to the right of the dial centre at load"

# "T/4": 40 ticks of 25 ms (0.05 s of model time each, T = 8 s), then the run
# stops by itself on the frame at T/4.
click_twips "$refl" 8287 8107
hand_at_three() { (($(hand_right) >= 30)) && (($(hand_up) == 0)); }
eventually 10 hand_at_three || fail "the hand is not at three o'clock after the run, or twelve o'clock was not erased"
shot quarter
# The wave picture holds the three curves.
expect_count_at_least "$refl" 218 18 565 437 "#c83264" 300
expect_count_at_least "$refl" 218 18 565 437 "#00c896" 200
expect_count_at_least "$refl" 218 18 565 437 "#0000ff" 200

# Stopped: a second later the hand has not moved.
sleep 1
shot later
(( $(hand_right) >= 30 )) || fail "the hand moved after the run ended"

# "Quitter" closes the module window; the home screen stays.
click_twips "$refl" 11287 8107
wait_window_gone 800 600
wait_window "$HOME_W" "$HOME_H" >/dev/null

# Opened a second time, the window reuses the memory of the first: the
# picture's light outer edges (its last column, 784, and row, 456, of 569 ×
# 441 pixels from (216, 16)) are whole, with nothing left over from before.
click_twips "$home" 8640 5640
refl=$(wait_window 800 600)
eventually 10 expect_pixel "$refl" 5 300 "#8080ff"
edges_whole() {
    (( $(count_color "$refl" 784 16 1 441 "#ffffff") == 441 )) &&
        (( $(count_color "$refl" 216 456 569 1 "#ffffff") == 569 ))
}
eventually 10 edges_whole || fail "the picture's border is not whole at the second opening"
echo "reflection window: ok"
