#!/usr/bin/env bash
# Started without arguments, morvane.exe shows a visible top-level window
# titled "Morvane" within 15 s, and Win32 agrees with X about it.
source "$(dirname "$0")/lib.sh"
e2e_setup

started=$(_e2e_now_ms)
start_exe
elapsed=$(($(_e2e_now_ms) - started))
e2e_log "window $E2E_WINDOW after $elapsed ms"
((elapsed <= 15000)) || fail "the window took $elapsed ms to appear"
assert_true exe_running

# Win32's view: a visible top-level window with that text, owned by our process.
top=$(probe_query --top --visible --text Morvane --first --get hwnd,pid,rect)
[[ -n "$top" ]] || fail "probe lists no visible top-level window titled Morvane"
IFS=$'\t' read -r hwnd pid rect <<<"$top"
e2e_log "probe: $hwnd (Windows pid $pid) rect $rect"
read -r _ _ pw ph <<<"$rect"
((pw > 0 && ph > 0)) || fail "window $hwnd has an empty rectangle: $rect"

# X's view of the same window: the same rectangle (no window manager moves or
# frames it), and on the screen.
geometry=$(window_geometry "$E2E_WINDOW")
assert_eq "$geometry" "$rect" "X geometry of the window vs. GetWindowRect"
read -r gx gy gw gh <<<"$geometry"
((gx + gw > 0 && gy + gh > 0 && gx < 1024 && gy < 768)) || fail "window at $gx,$gy ${gw}x$gh is off the screen"

# The pixel helper reads the screen: the parked pointer's corner is outside
# the window and is the empty root, black; a pixel inside the window is read
# too (whatever colour the window has there).
if ((gx + gw < 1023 || gy + gh < 767)); then
    assert_eq "$(pixel 1023 767)" 000000 "root pixel at 1023,767"
fi
inside=$(pixel $((gx + gw / 2)) $((gy + gh / 2)))
assert_match "$inside" '^[0-9A-F]{6}$' "pixel inside the window"
e2e_log "pixel inside the window: $inside"
