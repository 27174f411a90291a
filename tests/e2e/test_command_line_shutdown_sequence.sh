#!/usr/bin/env bash
# "morvane.exe 00:01" starts a one-minute countdown in the after mode at once: the
# bar shows the countdown line, and when the minute has passed the program saves
# its settings, enables the shutdown privilege, asks Windows for a power-off
# (which under Wine ends only this prefix's session) and ends.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_exe --relay 00:01
started=$(_e2e_now_ms)

# The countdown line replaces the schedule line; Start became Stop, Quit is off.
countdown_line='w["class"] == "Morvane.Label" and w["visible"] and (w["text"] == "Shutdown computer as your wish." or (w["text"].startswith("Shutdown after ") and "/ at" not in w["text"]))'
line=$(wait_until 10 probe_find "$countdown_line" --first --get text) ||
    fail "no visible countdown line after starting with 00:01"
e2e_log "countdown line: $line"
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Stop --count)" 1 "Stop buttons"
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Quit --get enabled)" false "Quit enabled during the countdown"
assert_eq "$(probe_find 'w["class"] == "Edit" and w["visible"]' --count)" 0 "visible fields during the countdown"

# Start saved the settings already: the fields as the command line typed them.
settings=$(settings_file)
wait_until 5 test -e "$settings" || fail "no settings file once the countdown runs: $settings"

# No shutdown call before the minute is over.
assert_eq "$(relay_calls | grep -c ExitWindowsEx || true)" 0 "ExitWindowsEx calls right after the start"

# The minute runs out; the program ends by itself (Wine ends the session).
rc=$(wait_for_exit 90) || fail "morvane.exe still running 90 s after starting a one-minute countdown"
elapsed=$(($(_e2e_now_ms) - started))
e2e_log "ended with status $rc after $elapsed ms"
((elapsed >= 45000)) || fail "the program ended after only $elapsed ms of a one-minute countdown"

calls=$(relay_calls)
printf '%s\n' "$calls" >&2
[[ -n "$calls" ]] || fail "the relay trace holds none of the shutdown calls"

# The five calls in their order, each once, with their arguments.
mapfile -t lines <<<"$calls"
expected=(GetVersionExA OpenProcessToken LookupPrivilegeValueA AdjustTokenPrivileges ExitWindowsEx)
names=()
for l in "${lines[@]}"; do
    n=${l#Call *.}
    names+=("${n%%(*}")
done
assert_eq "${names[*]}" "${expected[*]}" "order of the shutdown calls"
assert_match "${lines[1]}" '^Call advapi32\.OpenProcessToken\([0-9a-f]+,00000028,' "OpenProcessToken call"
assert_contains "${lines[2]}" '"SeShutdownPrivilege"' "LookupPrivilegeValueA call"
assert_match "${lines[3]}" '^Call advapi32\.AdjustTokenPrivileges\([0-9a-f]+,00000000,[0-9a-f]+,0000001c,' "AdjustTokenPrivileges call"
assert_match "${lines[4]}" '^Call user32\.ExitWindowsEx\(0000000d,00000000\)' "ExitWindowsEx call"

# The settings saved before the request: the fields as typed on the command line,
# the after mode selected (Label3 black, Label4 grey), CRLF line ends.
assert_file_exists "$settings" "settings file"
expected_settings=$'21\r\n0\r\n00\r\n01\r\n 0 \r\n 8421504 \r\n'
actual_settings=$(cat "$settings"; echo x)
actual_settings=${actual_settings%x}
assert_eq "$(od -c <<<"$actual_settings")" "$(od -c <<<"$expected_settings")" "settings file bytes"
