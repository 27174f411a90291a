#!/usr/bin/env bash
# During a countdown the bar folds to its one-pixel line at the top edge when
# the pointer is elsewhere; the line blinks red, pale green and green; touching
# the top edge over it opens the bar, and leaving folds it again.
source "$(dirname "$0")/lib.sh"
e2e_setup

OPEN="384 0 255 43"
FOLDED="384 0 255 1"

# The pointer is parked at the bottom right; a one-hour countdown in the after mode.
start_exe 01:00
bar=$E2E_WINDOW

_bar_is() { [[ "$(window_geometry "$bar")" == "$1" ]]; }
wait_until 3 _bar_is "$FOLDED" || fail "the bar did not fold during the countdown: $(window_geometry "$bar")"
assert_eq "$(probe_find 'w["is_top"] and w["class"] == "Morvane.Window" and w["visible"]' --get rect)" "$FOLDED" "folded bar (probe)"
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Stop --count)" 1 "Stop buttons during the countdown"

# The line's colour over a few seconds: every colour of the cycle shows.
seen=""
for _ in $(seq 1 24); do
    seen+=" $(pixel 500 0)"
    sleep 0.2
done
e2e_log "line colours seen:$seen"
for colour in FF0000 CCE5A2 00FF00; do
    assert_contains "$seen" "$colour" "colours of the folded line"
done
for c in $seen; do
    [[ "$c" == FF0000 || "$c" == CCE5A2 || "$c" == 00FF00 ]] || fail "unexpected colour $c on the folded line (seen:$seen)"
done
# Below the line is the empty root.
assert_eq "$(pixel 500 1)" 000000 "root below the folded line"

# The pointer at the top edge over the line opens the bar.
mouse_move 500 0
wait_until 3 _bar_is "$OPEN" || fail "the bar did not open with the pointer at 500,0: $(window_geometry "$bar")"
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Stop --get visible)" true "Stop button shown on the open bar"
screenshot "$E2E_DIR/open.png"
assert_eq "$(pixel_of "$E2E_DIR/open.png" $((384 + 250)) 40)" F0F0F0 "open bar ground"

# It stays open while the pointer is over it.
mouse_move 500 30
sleep 1
assert_true _bar_is "$OPEN"

# Away from it, it folds again.
mouse_move 500 400
wait_until 3 _bar_is "$FOLDED" || fail "the bar did not fold again with the pointer away: $(window_geometry "$bar")"
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Stop --get visible)" false "Stop button on the folded bar"
assert_true exe_running
