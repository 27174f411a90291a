#!/usr/bin/env bash
# The skinned buttons' looks on the screen, driven by the real pointer: Normal
# (green face), Hot while the pointer is over the button (orange ring), Pressed
# while the left button is held on it (beige face), Normal again once the
# pointer is released away from it and has left; and Disabled (grey frame,
# near-white face) for Quit during a countdown.
source "$(dirname "$0")/lib.sh"
e2e_setup

# Skin colours (ui/button/ButtonSkin.cpp), per look.
NORMAL_FACE="C9E3A5 CCE3A5 CEE5A7 D0E9AA D3EBAC D2EAAB CAE4A6"
HOT_RING="FCDA8C FCCA6C F4AA24"
PRESSED_FACE="E4E2DC E4EAEC"
PRESSED_SHADE="CCC6BC DCD6CC"
DISABLED_FRAME="CCC6BC"
DISABLED_FACE="F4F6EE F4F2EC"
FRAME="043E74"

# near RRGGBB RRGGBB: the colours differ by at most 8 in each channel (room
# for a display that dithers).
near() {
    local a=$1 b=$2 i d
    for i in 0 2 4; do
        d=$((16#${a:i:2} - 16#${b:i:2}))
        ((d < 0)) && d=$((-d))
        ((d <= 8)) || return 1
    done
}

# in_set RRGGBB "LIST": the colour is near one of the list.
in_set() {
    local c
    for c in $2; do near "$1" "$c" && return 0; done
    return 1
}

# shows SPOTS: a fresh screenshot where each "X Y LIST" spot holds; the
# spots are separated by "|".
LAST_SEEN=""
shows() {
    local shot="$E2E_DIR/look.png" spot x y list c ok=0
    screenshot "$shot"
    LAST_SEEN=""
    IFS='|' read -ra spots <<<"$1"
    for spot in "${spots[@]}"; do
        read -r x y list <<<"$spot"
        c=$(pixel_of "$shot" "$x" "$y")
        LAST_SEEN+=" $x,$y=$c"
        in_set "$c" "$list" || ok=1
    done
    return $ok
}

# expect_look TIMEOUT WHAT SPOTS: waits until a screenshot shows the look.
expect_look() {
    wait_until "$1" shows "$3" || fail "$2: expected$(printf ' [%s]' "${3//|/] [}"), saw$LAST_SEEN"
    e2e_log "$2:$LAST_SEEN"
}

start_exe
wait_until 10 probe_find 'w["is_top"] and w["class"] == "Morvane.Window" and w["visible"] and w["rect"]["h"] == 43' --first >/dev/null ||
    fail "no open bar"
read -r hx hy hw hh <<<"$(probe_query --class Morvane.xpcmdbutton --text Help --get rect)"
assert_eq "$hx $hy $hw $hh" "434 0 51 18" "Help button rectangle"

# Spots on the Help button, clear of its caption: the left frame column (shared
# with Start, which overlaps it by a pixel and is Normal too), the
# two columns of the inner band, the face near the left and right ends, the
# top band and the bottom band.
L=$hx
FRAME_SPOT="$L 9 $FRAME"
band() { echo "$((L + 1)) 9 $1|$((L + 2)) 9 $1|$((L + 2)) 5 $1|$((L + 48)) 12 $1"; }
face() { echo "$((L + 5)) 9 $1|$((L + 45)) 9 $1|$((L + 5)) 12 $1"; }

# Normal, with the pointer parked far away.
expect_look 3 "Help, Normal" "$FRAME_SPOT|$(band "$NORMAL_FACE")|$(face "$NORMAL_FACE")"

# Hot: the pointer over the button, clear of the caption.
mouse_move $((L + 44)) 12
expect_look 3 "Help, Hot" "$FRAME_SPOT|$(band "$HOT_RING")|$((L + 25)) 15 F4AA24|$((L + 25)) 16 F4AA24|$((L + 25)) 2 FCDA8C"

# Pressed: the left button held on it.
mouse_down
expect_look 3 "Help, Pressed" "$FRAME_SPOT|$(face "$PRESSED_FACE")|$((L + 1)) 9 $PRESSED_SHADE|$((L + 2)) 9 $PRESSED_SHADE"

# Released away from the button, and the pointer gone: Normal again, and no click.
mouse_move 700 300
sleep 0.2
mouse_up
expect_look 3 "Help, Normal after leaving" "$FRAME_SPOT|$(band "$NORMAL_FACE")|$(face "$NORMAL_FACE")"
assert_eq "$(opened)" "" "what the release away from Help opened"
kill_exe

# Disabled: Quit during a countdown, with the bar opened from the top edge.
start_exe 01:00
mouse_move 500 0
_open() { [[ "$(window_geometry "$E2E_WINDOW")" == "384 0 255 43" ]]; }
wait_until 5 _open || fail "the bar did not open with the pointer at the top edge: $(window_geometry "$E2E_WINDOW")"
# Keep it open with the pointer on its face, away from every button.
mouse_move $((384 + 250)) 38
sleep 0.5
wait_until 5 _open || fail "the bar folded with the pointer on its face"
read -r qx qy qw qh <<<"$(probe_query --class Morvane.xpcmdbutton --text Quit --get rect)"
assert_eq "$qx $qy $qw $qh" "588 0 51 18" "Quit button rectangle"
assert_eq "$(probe_query --class Morvane.xpcmdbutton --text Quit --get enabled)" false "Quit enabled during the countdown"
# (its left column lies under the home-page button, which overlaps it by a pixel)
expect_look 3 "Quit, Disabled" "$((qx + 50)) 9 $DISABLED_FRAME|$((qx + 25)) 0 $DISABLED_FRAME|$((qx + 25)) 17 $DISABLED_FRAME|$((qx + 4)) 9 $DISABLED_FACE|$((qx + 46)) 9 $DISABLED_FACE|$((qx + 4)) 5 $DISABLED_FACE"
# Stop, next to it, keeps the Normal look.
expect_look 3 "Stop, Normal" "384 9 $FRAME|$((384 + 5)) 9 $NORMAL_FACE|$((384 + 45)) 9 $NORMAL_FACE"
