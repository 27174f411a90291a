#!/usr/bin/env bash
# The command-line forms that do not schedule anything, and the single-instance
# rule:
#   "shutdown"   power-off request at once, with the settings saved first;
#   "bogus"      "Error Parameter!" in the message dialog (OK only, topmost,
#                centred), then the splash, then the bar;
#   second start "Morvane is running..." and the second process ends on OK,
#                while the first bar stays.
source "$(dirname "$0")/lib.sh"
e2e_setup

# click_control TEXT WINDOW-EXPR: clicks the middle of the visible control with
# that text in the top-level window that matches the expression.
click_control() {
    local top rect x y w h
    top=$(probe_find "$2" --first --get hwnd) || fail "no window for the control '$1'"
    rect=$(probe_find "w[\"top\"] == \"$top\" and not w[\"is_top\"] and w[\"visible\"] and w[\"text\"] == \"$1\"" --first --get rect) ||
        fail "no visible control '$1' in window $top"
    read -r x y w h <<<"$rect"
    e2e_log "clicking '$1' at $((x + w / 2)),$((y + h / 2))"
    click $((x + w / 2)) $((y + h / 2))
}

settings=$(settings_file)

# --- "bogus": the error message, then the splash, then the bar ----------------
start_exe --no-wait bogus
wait_until 15 probe_find "$DIALOG" --first >/dev/null || fail "no message dialog for an unknown command line"
IFS=$'\t' read -r rect topmost <<<"$(probe_find "$DIALOG" --first --get rect,topmost)"
assert_eq "$rect" "393 323 238 122" "message dialog rectangle"
assert_eq "$topmost" true "message dialog topmost"
dialog=$(probe_find "$DIALOG" --first --get hwnd)
in_dialog="w[\"top\"] == \"$dialog\" and not w[\"is_top\"]"
assert_eq "$(probe_find "$in_dialog and w[\"class\"] == \"Morvane.Label\" and w[\"visible\"]" --get text)" \
    "Error Parameter!" "message text"
assert_eq "$(probe_find "$in_dialog and w[\"class\"] == \"Morvane.xpcmdbutton\" and w[\"visible\"] and w[\"text\"] in (\"OK\", \"Yes\", \"No\")" --get text)" \
    OK "reply buttons shown"
# Nothing else yet: no splash and no bar behind the dialog.
assert_eq "$(probe_find 'w["is_top"] and w["class"] == "Morvane.Window" and w["visible"]' --count)" 1 "visible program windows with the message"

click_control OK "$DIALOG"
wait_until 10 has_geometry "312 234 400 300" || fail "no splash (400x300 at 312,234) after OK; windows: $(visible_geometries | tr '\n' ';')"
wait_until 10 has_geometry "384 0 255 43" || fail "no bar after the splash; windows: $(visible_geometries | tr '\n' ';')"
wait_until 5 only_geometry "384 0 255 43" || fail "the splash stayed with the bar: $(visible_geometries | tr '\n' ';')"
assert_false probe_find "$DIALOG" --first
kill_exe

# --- a second instance --------------------------------------------------------
start_exe
first_run=$E2E_RUN
wait_until 10 has_geometry "384 0 255 43" || fail "no bar from the first instance"
start_exe --no-wait
second_run=$E2E_RUN
running='Morvane is running... Move your mouse to the top of screen, you will see it.'
wait_until 15 probe_find "$DIALOG" --first >/dev/null || fail "no message dialog from the second instance"
dialog=$(probe_find "$DIALOG" --first --get hwnd)
in_dialog="w[\"top\"] == \"$dialog\" and not w[\"is_top\"]"
assert_eq "$(probe_find "$in_dialog and w[\"class\"] == \"Morvane.Label\" and w[\"visible\"]" --get text)" "$running" "second instance message"
assert_eq "$(probe_find "$DIALOG" --first --get rect)" "393 323 238 122" "second instance dialog rectangle"
# The dialog belongs to a process other than the bar's.
bar_pid=$(probe_find 'w["is_top"] and w["class"] == "Morvane.Window" and w["rect"]["w"] == 255' --first --get pid)
assert_ne "$(probe_find "$DIALOG" --first --get pid)" "$bar_pid" "process of the second instance's dialog"
click_control OK "$DIALOG"
rc=$(wait_for_exit 15) || fail "the second instance did not end after OK"
e2e_log "second instance ended with status $rc"
[[ ! -e "$E2E_DIR/run$first_run.rc" ]] || fail "the first instance ended too (status $(cat "$E2E_DIR/run$first_run.rc"))"
((second_run > first_run)) || fail "run numbering"
assert_eq "$(probe_find 'w["is_top"] and w["class"] == "Morvane.Window" and w["rect"]["w"] == 255' --count)" 1 "bars after the second instance ended"
assert_false probe_find "$DIALOG" --first
kill "$(cat "$E2E_DIR/run$first_run.pid")" 2>/dev/null || true
wait_until 10 test -e "$E2E_DIR/run$first_run.rc" || fail "the first instance did not end when killed"
rm -f "$settings"

# --- "shutdown": straight to the power-off request ----------------------------
# Last, because the request ends the prefix's Wine session: wineboot goes on ending the
# prefix's processes for a while after it, and would take later runs with it.
start_exe --relay --no-wait shutdown
rc=$(wait_for_exit 30) || fail "morvane.exe shutdown did not end within 30 s"
e2e_log "shutdown run ended with status $rc"
calls=$(relay_calls)
printf '%s\n' "$calls" >&2
assert_match "$(tail -n 1 <<<"$calls")" '^Call user32\.ExitWindowsEx\(0000000d,00000000\)' "last shutdown call"
assert_contains "$calls" 'Call advapi32.OpenProcessToken(' "privilege calls before the request"
assert_file_exists "$settings" "settings file after shutdown"
# The bar was never loaded: the settings hold the bar's design values.
expected_settings=$'21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n'
actual_settings=$(cat "$settings"; echo x)
actual_settings=${actual_settings%x}
assert_eq "$(od -c <<<"$actual_settings")" "$(od -c <<<"$expected_settings")" "settings file bytes after shutdown"
rm -f "$settings"
