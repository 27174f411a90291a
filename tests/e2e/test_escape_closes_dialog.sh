#!/usr/bin/env bash
# Escape answers the message dialog as its close box does: with "Error
# Parameter!" on the screen (an unknown command line), Escape closes the dialog
# and the splash follows, then the bar.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_exe --no-wait bogus
wait_until 15 probe_find "$DIALOG" --first >/dev/null || fail "no message dialog for an unknown command line"
dialog=$(probe_find "$DIALOG" --first --get hwnd)
in_dialog="w[\"top\"] == \"$dialog\" and not w[\"is_top\"]"
message=$(probe_find "$in_dialog and w[\"class\"] == \"Morvane.Label\" and w[\"visible\"] and w[\"text\"] == \"Error Parameter!\"" --get rect) ||
    fail "no visible 'Error Parameter!' in the dialog"
assert_true has_geometry "393 323 238 122"

# Give the dialog the keyboard: a click on its message (no reply there), and
# the X focus on its window.
read -r x y _ _ <<<"$message"
click $((x + 20)) $((y + 8))
sleep 0.5
probe_find "$DIALOG" --first >/dev/null || fail "a click on the message closed the dialog"
xid=$(xdotool search --onlyvisible --class morvane 2>/dev/null | while read -r id; do
    [[ "$(window_geometry "$id")" == "393 323 238 122" ]] && echo "$id"
done | head -n 1) || true
[[ -n "$xid" ]] || fail "no X window for the dialog"
focus_window "$xid"
sleep 0.3
key Escape

_dialog_gone() { ! probe_find "$DIALOG" --first >/dev/null; }
wait_until 5 _dialog_gone || fail "the dialog stayed after Escape"
wait_until 10 has_geometry "312 234 400 300" || fail "no splash after Escape; windows: $(visible_geometries | tr '\n' ';')"
wait_until 10 has_geometry "384 0 255 43" || fail "no bar after the splash; windows: $(visible_geometries | tr '\n' ';')"
assert_true exe_running
