#!/usr/bin/env bash
# Ten instances started at once leave exactly one bar; the nine others each show the
# instance message and, once it is closed, end.
source "$(dirname "$0")/lib.sh"
e2e_setup

mkdir -p "$WINEPREFIX/drive_c/morvane"
cp "$MORVANE_EXE" "$WINEPREFIX/drive_c/morvane/morvane.exe"
pids=()
for i in $(seq 1 10); do
    (cd "$WINEPREFIX/drive_c/morvane" && exec wine 'C:\morvane\morvane.exe' >"$E2E_DIR/race$i.out" 2>&1 </dev/null) &
    pids+=($!)
done

message="Morvane is running... Move your mouse to the top of screen, you will see it."
count_messages() { probe_query --visible --text "$message" --count; }
nine_messages() { [[ "$(count_messages)" == 9 ]]; }
wait_until 90 nine_messages || fail "expected 9 instance messages, saw $(count_messages)"
bars() { probe_query --top --visible --class Morvane.Window --where 'w["rect"]["w"] == 255' --count; }
wait_until 30 eval '[[ "$(bars)" == 1 ]]' || fail "expected exactly one bar, saw $(bars)"

# Closing each message ends its instance; the bar's instance stays.
for _ in $(seq 1 9); do
    ok=$(probe_query --visible --class Morvane.xpcmdbutton --text OK --first --get rect) || true
    [[ -n "$ok" ]] || break
    read -r x y w h <<<"$ok"
    click $((x + w / 2)) $((y + h / 2))
    sleep_ms 300
done
wait_until 30 eval '[[ "$(count_messages)" == 0 ]]' || fail "instance messages left: $(count_messages)"
alive=0
for pid in "${pids[@]}"; do
    wait_until 20 eval "! kill -0 $pid 2>/dev/null" || alive=$((alive + 1))
done
assert_eq "$alive" 1 "instances still running"
assert_eq "$(bars)" 1 "bars on the screen"
