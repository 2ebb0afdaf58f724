#!/usr/bin/env bash
# The point recorder and the picture export under a real X server: in the
# driven string, a right click on the string follows a point, the sine runs,
# and the window "Enregistreur" plots it; Ctrl+S saves the picture as a PNG.
source "$(dirname "$0")/lib.sh"

open_home
click_twips "$HOME_ID" 8640 5640
vibreur=$(wait_window 800 568)
eventually 10 expect_pixel "$vibreur" 400 220 "#ff0000"

# "Excitation sinusoïdale"; the wave reaches point 30 after 0.3 s.
click_twips "$vibreur" 5640 7740
# Point 30 of the string: x = (30 + 10) × 70.5653 twips right of the picture's
# client corner (3735, 135). The menu: "Copier l'image", "Enregistrer
# l'image…", then "Suivre ce point".
click_at() { xdotool mousemove --window "$vibreur" "$1" "$2" click "$3"; sleep 0.5; }
click_at 437 220 3
xdotool key Down Down Down Return
recorder=$(wait_window 640 480)
# With no room beside the window on this screen, the recorder covers the least
# it can of the picture (545 × 425 pixels at (248, 8) in the window): under a
# tenth of it, not the point followed.
read -r vx vy < <(window_origin "$vibreur")
read -r rx ry < <(window_origin "$recorder")
((rx >= 0 && ry >= 0 && rx + 640 <= 1280 && ry + 480 <= 1024)) || fail "recorder at $rx, $ry: off the screen"
overlap() { local d=$(( ($2 < $4 ? $2 : $4) - ($1 > $3 ? $1 : $3) )); echo $((d > 0 ? d : 0)); }
covered=$(( $(overlap "$rx" $((rx + 640)) $((vx + 248)) $((vx + 793))) * $(overlap "$ry" $((ry + 480)) $((vy + 8)) $((vy + 433))) ))
((covered * 10 < 545 * 425 && rx + 640 < vx + 437)) || fail "recorder at $rx, $ry over $covered pixels of the picture"
sleep 3
# The plot shows the followed point's curve in its marker's colour.
eventually 10 expect_count_at_least "$recorder" 0 0 640 400 "#c800c8" 200
shot recorder

# Ctrl+S over the driven string, then the file's path typed in the dialog.
xdotool mousemove --window "$vibreur" 600 200 key ctrl+s
dialog=
for _ in $(seq 50); do
    dialog=$(xdotool search --onlyvisible --name "Enregistrer l'image" 2>/dev/null | head -1) && break
    sleep 0.2
done
[[ -n $dialog ]] || fail "no save dialog"
sleep 0.5 # shown is not yet ready for keys on a loaded machine
xdotool mousemove --window "$dialog" 20 20 key ctrl+a type "$WORK/corde.png"
xdotool key Return
for _ in $(seq 100); do
    [[ -s $WORK/corde.png ]] && break
    sleep 0.2
done
# The picture's client area, 543 × 423 pixels, and the red string on white.
[[ $("$PROBE" size "$WORK/corde.png") == "545 425" ]] || fail "saved picture of $("$PROBE" size "$WORK/corde.png")"
red=$("$PROBE" count "$WORK/corde.png" 0 0 545 425 "#ff0000")
((red > 300)) || fail "the saved picture shows no string ($red red pixels)"
echo "recorder and picture export: ok"
