#!/usr/bin/env bash
# Where the Windows directory refuses the settings file, saving goes to the per-user file,
# and the next start reads the schedule back from there.
source "$(dirname "$0")/lib.sh"
e2e_setup

# A folder in the file's place makes every write to it fail, as a protected Windows
# directory does for a standard user (the tests run as root, whom permissions never stop).
blocked=$(settings_file)
mkdir -p "$blocked"
user=$(settings_file --user)

start_exe 02:45
wait_until 15 test -f "$user" || fail "Start saved nothing to $user"
assert_eq "$(sed -n 3,4p "$user" | tr -d '\r' | tr '\n' ' ')" "02 45 " "hours and minutes in the per-user file"
kill_exe

start_exe
wait_for_window Morvane 15 >/dev/null
wait_until 15 eval '[[ -n "$(probe_query --class Edit --visible --text 02 --first --get text)" ]]' ||
    fail "the restored hours (02) are not in the bar"
assert_eq "$(probe_query --class Edit --visible --text 45 --first --get text)" 45 "restored minutes"
