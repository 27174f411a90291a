#!/usr/bin/env bash
# A countdown in the at mode to the next whole minute at least 20 s away: in its
# last 15 seconds the alert window (360 x 240, centred) shows the seconds left,
# falling; its "Stop" closes it and returns the bar to idle, and no power-off
# follows. The alert's face is checked by pixel.
source "$(dirname "$0")/lib.sh"
e2e_setup

ALERT="332 264 360 240"

# The next whole minute at least 20 s ahead (the prefix's local time is UTC).
now=$(date -u +%s)
target=$(((now + 20 + 59) / 60 * 60))
day=$(date -u -d "@$target" +%Y-%m-%d)
time_of_day=$(date -u -d "@$target" +%H:%M)
e2e_log "shutdown moment $day $time_of_day, $((target - now)) s ahead"

start_exe --relay "$day" "$time_of_day"

# The countdown runs: Start became Stop, the countdown line is shown.
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Stop --count)" 1 "Stop buttons once the countdown runs"
countdown_line='w["class"] == "Morvane.Label" and w["visible"] and (w["text"] == "Shutdown computer as your wish." or (w["text"].startswith("Shutdown after ") and "/ at" not in w["text"]))'
line=$(wait_until 10 probe_find "$countdown_line" --first --get text) || fail "no visible countdown line"
e2e_log "countdown line: $line"

# The alert shows in the last 15 seconds.
left=$((target - $(date -u +%s)))
wait_until $((left + 10)) has_geometry "$ALERT" || fail "no alert window ($ALERT) by the shutdown moment; windows: $(visible_geometries | tr '\n' ';')"
shown_left=$((target - $(date -u +%s)))
e2e_log "alert shown about $shown_left s before the moment"
((shown_left <= 16)) || fail "the alert showed $shown_left s before the moment, not in the last 15 s"
screenshot "$E2E_DIR/alert.png"

ALERT_EXPR='w["is_top"] and w["class"] == "Morvane.Window" and w["visible"] and w["rect"]["w"] == 360 and w["rect"]["h"] == 240'
alert=$(probe_find "$ALERT_EXPR" --first --get hwnd) || fail "probe sees no alert window"
in_alert="w[\"top\"] == \"$alert\" and not w[\"is_top\"]"
assert_eq "$(probe_find "$ALERT_EXPR" --first --get rect)" "$ALERT" "alert rectangle (probe)"
alert_topmost=$(probe_find "$ALERT_EXPR" --first --get topmost)
first=$(probe_find "$in_alert and w[\"class\"] == \"Morvane.Label\"" --get text)
sleep 1.5
second=$(probe_find "$in_alert and w[\"class\"] == \"Morvane.Label\"" --get text)
e2e_log "seconds left on the alert: $first, then $second"
assert_match "$first" '^[0-9]+$' "first number on the alert"
assert_match "$second" '^[0-9]+$' "second number on the alert"
((first <= 15)) || fail "the alert shows $first, more than 15"
((second < first)) || fail "the number on the alert did not fall: $first, then $second"

# The face: black frame, green title strip (rows 2-32), grey rules at rows 61 and
# 170 on the grey face, green bottom strip (rows 217-237).
shot="$E2E_DIR/alert.png"
expect_pixel() { assert_eq "$(pixel_of "$shot" $((332 + $1)) $((264 + $2)))" "$3" "alert face at $1,$2 ($4)"; }
expect_pixel 0 0 000000 "frame, top left"
expect_pixel 200 0 000000 "frame, top"
expect_pixel 0 120 000000 "frame, left"
expect_pixel 359 120 000000 "frame, right"
expect_pixel 200 239 000000 "frame, bottom"
expect_pixel 359 239 000000 "frame, bottom right"
expect_pixel 200 1 E0E0E0 "face above the title strip"
expect_pixel 200 2 BCE18D "title strip, first row"
expect_pixel 200 32 BCE18D "title strip, last row"
expect_pixel 1 20 E0E0E0 "face left of the title strip"
expect_pixel 200 33 E0E0E0 "face below the title strip"
expect_pixel 100 60 E0E0E0 "face above the first rule"
expect_pixel 100 61 A0A0A0 "first rule"
expect_pixel 100 62 E0E0E0 "face below the first rule"
expect_pixel 40 170 A0A0A0 "second rule"
expect_pixel 40 171 E0E0E0 "face below the second rule"
expect_pixel 50 216 E0E0E0 "face above the bottom strip"
expect_pixel 50 217 BCE18D "bottom strip, first row"
expect_pixel 300 237 BCE18D "bottom strip, last row"
expect_pixel 300 238 E0E0E0 "face below the bottom strip"

# Its "Stop": the alert closes, the bar is idle again.
read -r x y w h <<<"$(probe_find "$in_alert and w[\"class\"] == \"Morvane.xpcmdbutton\" and w[\"text\"] == \"Stop\"" --get rect)"
[[ -n "$h" ]] || fail "no Stop button on the alert"
assert_eq "$(probe_find "$in_alert and w[\"class\"] == \"Morvane.xpcmdbutton\" and w[\"visible\"]" --get text | sort | tr '\n' ,)" \
    "Run Now,Stop," "buttons on the alert"
click $((x + w / 2)) $((y + h / 2))
wait_until 5 lacks_geometry "$ALERT" || fail "the alert stayed after its Stop"
wait_until 5 probe_query --class Morvane.xpcmdbutton --text Start --first >/dev/null || fail "the bar's Start did not come back"
assert_false probe_find "$ALERT_EXPR" --first
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Quit --get enabled)" true "Quit enabled after Stop"
assert_eq "$(probe_find 'w["class"] == "Morvane.Label" and w["visible"] and w["text"].startswith("Shutdown after / at")' --get text)" \
    "Shutdown after / at  ___ : ___    ___ - ___ - _____" "schedule line after Stop"
assert_eq "$(probe_find 'w["class"] == "Morvane.Label" and w["visible"] and w["text"].startswith("Shutdown") and "/ at" not in w["text"]' --count)" 0 "visible countdown lines after Stop"
assert_eq "$(probe_find 'w["class"] == "Edit" and w["visible"]' --count)" 5 "visible at-mode fields after Stop"

# The moment passes without a power-off request.
left=$((target - $(date -u +%s)))
if ((left > 0)); then sleep $((left + 3)); else sleep 3; fi
assert_true exe_running
assert_eq "$(relay_calls | grep -c ExitWindowsEx || true)" 0 "ExitWindowsEx calls after Stop"
assert_false has_geometry "$ALERT"

# The alert was shown above other windows.
assert_eq "$alert_topmost" true "alert topmost"
