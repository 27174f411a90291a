#!/usr/bin/env bash
# Typing a schedule into the bar's digit fields with the real keyboard: "at"
# shows the date and time fields; each full field hands the focus to the next
# one with its text selected (year, month, day, hour, minute); letters are not
# taken; Quit saves the typed hour, minute and the at mode.
source "$(dirname "$0")/lib.sh"
e2e_setup

# Field places on the screen (the bar is centred at x 384).
YEAR="601 21 30 13"
MONTH="547 21 18 13"
DAY="574 21 18 13"
HOUR="490 21 18 13"
MINUTE="517 21 18 13"

start_exe
settings=$(settings_file)
rm -f "$settings"

# focused_field: "X Y W H<TAB>TEXT<TAB>SEL" of the edit control with the focus.
focused_field() { probe_query --class Edit --focused --get rect,text,sel; }

# expect_focus RECT TEXT WHAT: the focus is in that field, which holds TEXT,
# all of it selected.
expect_focus() {
    local got=""
    _focus_is() { got=$(focused_field) && [[ "$got" == "$1"$'\t'"$2"$'\t'"0 ${#2}" ]]; }
    wait_until 5 _focus_is "$1" "$2" ||
        fail "$3: expected the focus in the field at $1 holding '$2', all selected; got '$got'"
}

# Before: the after mode with its two fields.
assert_eq "$(probe_find 'w["class"] == "Edit" and w["visible"]' --get rect | sort)" \
    "$(printf '%s\n' "$HOUR" "$MINUTE" | sort)" "visible fields in the after mode"

# "at" (Label4) switches to the at mode: five fields.
at=$(probe_query --class Morvane.Label --text at --get rect)
read -r x y w h <<<"$at"
click $((x + w / 2)) $((y + h / 2))
_five_fields() { [[ "$(probe_find 'w["class"] == "Edit" and w["visible"]' --count)" == 5 ]]; }
wait_until 5 _five_fields || fail "the at mode did not show five fields"
assert_eq "$(probe_find 'w["class"] == "Edit" and w["visible"]' --get rect | sort)" \
    "$(printf '%s\n' "$YEAR" "$MONTH" "$DAY" "$HOUR" "$MINUTE" | sort)" "visible fields in the at mode"
assert_eq "$(probe_query --class Morvane.Label --visible --text-contains 'Shutdown after / at' --get text)" \
    "Shutdown after / at  ___ : ___    ___ - ___ - _____" "schedule line in the at mode"
month_text=$(probe_find "w[\"class\"] == \"Edit\" and w[\"visible\"] and w[\"rect\"][\"x\"] == 547" --get text)
day_text=$(probe_find "w[\"class\"] == \"Edit\" and w[\"visible\"] and w[\"rect\"][\"x\"] == 574" --get text)
e2e_log "today's month and day in the fields: $month_text, $day_text"

# The year: click into it, select all, type four digits.
click 616 27
key Home shift+End
type_text 2030
expect_focus "$MONTH" "$month_text" "after four digits in the year field"
type_text 12
expect_focus "$DAY" "$day_text" "after two digits in the month field"
type_text 31
expect_focus "$HOUR" 21 "after two digits in the day field"
type_text 23
expect_focus "$MINUTE" 0 "after two digits in the hour field"
type_text 59
_minute_is() { [[ "$(focused_field)" == "$MINUTE"$'\t'59$'\t'* ]]; }
wait_until 5 _minute_is || fail "the minute field does not hold 59 with the focus: '$(focused_field)'"

# Letters go nowhere: with room for one more character, typed letters and
# punctuation are dropped, and a digit is still taken.
key End BackSpace
_minute_five() { [[ "$(focused_field)" == "$MINUTE"$'\t'5$'\t'* ]]; }
wait_until 5 _minute_five || fail "BackSpace did not leave 5 in the minute field: '$(focused_field)'"
type_text 'x'
type_text 'A-'
sleep 0.3
assert_eq "$(focused_field | cut -f2)" 5 "minute field after typing letters"
type_text 9
wait_until 5 _minute_is || fail "the minute field does not hold 59 again: '$(focused_field)'"

# What the fields hold now.
for place_text in "601:2030" "547:12" "574:31" "490:23" "517:59"; do
    x=${place_text%%:*}
    assert_eq "$(probe_find "w[\"class\"] == \"Edit\" and w[\"visible\"] and w[\"rect\"][\"x\"] == $x" --get text)" \
        "${place_text#*:}" "field at x $x"
done

# Quit saves the settings and ends the program.
quit=$(probe_query --class Morvane.xpcmdbutton --text Quit --get rect)
read -r x y w h <<<"$quit"
click $((x + w / 2)) $((y + h / 2))
rc=$(wait_for_exit 15) || fail "Quit did not end the program"
e2e_log "Quit: ended with status $rc"
assert_file_exists "$settings" "settings file after Quit"
expected_settings=$'23\r\n59\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n'
actual_settings=$(cat "$settings"; echo x)
actual_settings=${actual_settings%x}
assert_eq "$(od -c <<<"$actual_settings")" "$(od -c <<<"$expected_settings")" "settings file bytes after Quit"
