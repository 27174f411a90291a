#!/usr/bin/env bash
# Long life: hundreds of fold/open cycles and thousands of button repaints leave the bar
# with the same windows, about the same memory, and painting as it did.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_exe 99:00
bar_pid=$(probe_query --top --class Morvane.Window --where 'w["rect"]["w"] == 255' --first --get pid)
[[ -n "$bar_pid" ]] || fail "no bar"
windows_of_bar() { probe_query --where "w.get('pid') == $bar_pid" --count; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$E2E_PID/status"; }

# Warm up first, so what the first paints allocate once is not counted as growth.
mouse_move 500 0
sleep_ms 600
mouse_move 500 400
sleep_ms 600
windows_before=$(windows_of_bar)
rss_before=$(rss_kb)
e2e_log "before: $windows_before windows, VmRSS $rss_before kB"

# Fold and open: the pointer touches the top edge over the bar, then leaves.
for _ in $(seq 1 150); do
    mouse_move 500 0
    sleep_ms 200
    mouse_move 500 400
    sleep_ms 200
done

# Repaints: with the bar open, the pointer sweeps over the buttons in one long gesture,
# each move repainting the button under it.
mouse_move 500 0
sleep_ms 500
moves=()
for i in $(seq 1 1500); do
    moves+=(mousemove $((386 + (i * 7) % 250)) $((2 + i % 14)))
done
xdotool "${moves[@]}"
sleep_ms 500

windows_after=$(windows_of_bar)
rss_after=$(rss_kb)
e2e_log "after: $windows_after windows, VmRSS $rss_after kB"
assert_eq "$windows_after" "$windows_before" "windows of the program"
growth=$((rss_after - rss_before))
((growth < 4096)) || fail "resident memory grew by $growth kB"

# Still painting: hovered, the Help button shows the deep orange (F4AA24) of its hot ring
# along its bottom edge.
mouse_move 460 9
sleep_ms 400
ring=$(pixel 455 16)
e2e_log "Help button ring pixel: $ring"
[[ "$ring" =~ ^F[0-9A-F]A[0-9A-F]2[0-9A-F]$ ]] || fail "the Help button no longer paints its hot ring ($ring)"
mouse_move 500 400
exe_running || fail "the program ended"
