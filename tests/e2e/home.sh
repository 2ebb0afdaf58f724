#!/usr/bin/env bash
# The home screen under a real X server: its colours and texts, selecting a
# module by its title, reopening a module whose window was destroyed, and
# "Quitter" ending the program at once.
source "$(dirname "$0")/lib.sh"

open_home
home=$HOME_ID
shot home

expect_pixel "$home" 5 250 "#8080ff"     # the blue left band
expect_pixel "$home" 12 360 "#c0c0ff"    # the credits panel
expect_pixel "$home" 690 60 "#000000"    # black background
# Title and module titles drawn in white, each whole inside its box.
expect_count_at_least "$home" 192 8 361 49 "#ffffff" 200
for top in 1080 3000 4200; do
    expect_count_at_least "$home" 208 $((top / 15)) 484 21 "#ffffff" 150
done
# The illustration: yellow on black.
expect_count_at_least "$home" 8 24 160 158 "#ffff00" 200

# A title selects its module; "Démarrer" then opens it: with the eigenmodes
# selected the window of 800 × 600 pixels appears.
click_twips "$home" 4000 4300
click_twips "$home" 8640 5640
modes=$(wait_window 800 600)
[[ -n $modes ]] || fail "the eigenmode window did not open"

# A module window whose X window another program destroys counts as closed:
# "Démarrer" opens a new one.
xdotool windowclose "$modes"
wait_window_gone 800 600
click_twips "$home" 8640 5640
modes=$(wait_window 800 600)

# "Quitter" ends the whole program, module window included, within 2 s.
# The module window stands in front of the home screen: bring it back first.
xdotool windowraise "$home"
sleep 0.2
click_twips "$home" 9840 5640
expect_exit_ok 2
echo "home screen: ok"
