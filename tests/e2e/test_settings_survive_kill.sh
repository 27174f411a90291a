#!/usr/bin/env bash
# A save loop killed at random moments always leaves the settings file whole: the old six
# lines or the new six lines, never a torn file.
source "$(dirname "$0")/lib.sh"
e2e_setup

first=$'21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n'
second=$'23\r\n59\r\n99\r\n59\r\n 8421504 \r\n 0 \r\n'
file=$(settings_file)
mkdir -p "$WINEPREFIX/drive_c/morvane"
cp "$MORVANE_SAVESTRESS" "$WINEPREFIX/drive_c/morvane/savestress.exe"

RANDOM=7
kills=0
for round in $(seq 1 12); do
    out="$E2E_DIR/stress$round.out"
    wine 'C:\morvane\savestress.exe' >"$out" 2>/dev/null </dev/null &
    pid=$!
    wait_until 20 grep -q saving "$out" || fail "savestress.exe did not start (round $round)"
    sleep_ms $((50 + RANDOM % 400))
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    kills=$((kills + 1))
    [[ -f "$file" ]] || fail "round $round: no settings file after the kill"
    content=$(cat "$file"; echo x)
    content=${content%x}
    if [[ "$content" != "$first" && "$content" != "$second" ]]; then
        od -c "$file" | head -20 >&2
        fail "round $round: the settings file is neither of the two schedules"
    fi
done
e2e_log "$kills kills, the file was whole after each"
