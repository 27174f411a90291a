#!/usr/bin/env bash
# The idle, open bar is dragged by its face with the left button: it follows
# the pointer sideways, ends at the top edge whatever the drag did to its
# height on the screen, and stays within the screen's width.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_exe
bar=$E2E_WINDOW
_bar_is() { [[ "$(window_geometry "$bar")" == "$1" ]]; }
wait_until 10 _bar_is "384 0 255 43" || fail "the bar is not at 384,0 255x43: $(window_geometry "$bar")"

# The grab spot, 250,40 in the bar, lies on no control.
hits=$(probe_find 'not w["is_top"] and w["top_text"] == "Morvane" and w["visible"] and w["rect"]["x"] <= 384 + 250 < w["rect"]["x"] + w["rect"]["w"] and w["rect"]["y"] <= 40 < w["rect"]["y"] + w["rect"]["h"]' --count)
assert_eq "$hits" 0 "controls under the grab spot 634,40"

# drag FROM_X FROM_Y TO_X TO_Y: left button down, a few moves, button up. The
# first move of one pixel starts the system's move loop, which follows the
# pointer from where it is then.
drag() {
    local i steps=8
    mouse_move "$1" "$2"
    sleep 0.3
    mouse_down
    sleep 0.3
    mouse_move "$1" $(($2 + 1))
    sleep 0.3
    for ((i = 1; i <= steps; i++)); do
        mouse_move $(($1 + ($3 - $1) * i / steps)) $(($2 + ($4 - $2) * i / steps))
        sleep 0.1
    done
    sleep 0.3
    mouse_up
}

# To the far right: flush with the right edge (1024 - 255 = 769).
drag 634 40 1020 40
wait_until 3 _bar_is "769 0 255 43" || fail "after a drag to the right the bar is at $(window_geometry "$bar"), not 769 0 255 43"
assert_eq "$(probe_find 'w["is_top"] and w["class"] == "Morvane.Window" and w["visible"]' --get rect)" "769 0 255 43" "bar after the drag to the right (probe)"

# Downwards: back at the top edge.
drag $((769 + 250)) 40 $((769 + 250)) 300
wait_until 3 _bar_is "769 0 255 43" || fail "after a drag downwards the bar is at $(window_geometry "$bar"), not 769 0 255 43"

# Somewhere in the middle, a little lower: it follows the pointer sideways
# (give or take the pixel of the first move) and goes back to the top edge.
drag $((769 + 250)) 40 $((769 + 250 - 300)) 200
_bar_in_middle() {
    local x y w h
    read -r x y w h <<<"$(window_geometry "$bar")"
    ((x >= 467 && x <= 471 && y == 0 && w == 255 && h == 43))
}
wait_until 3 _bar_in_middle || fail "after a drag 300 px to the left the bar is at $(window_geometry "$bar"), not about 469 0 255 43"
read -r mid_x _ <<<"$(window_geometry "$bar")"

# To the far left: flush with the left edge.
drag $((mid_x + 250)) 40 3 40
wait_until 3 _bar_is "0 0 255 43" || fail "after a drag to the left the bar is at $(window_geometry "$bar"), not 0 0 255 43"
assert_eq "$(probe_find 'w["is_top"] and w["class"] == "Morvane.Window" and w["visible"]' --get rect)" "0 0 255 43" "bar after the drag to the left (probe)"
# The controls went along.
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Start --get rect)" "0 0 51 18" "Start button after the drags"
assert_true exe_running
