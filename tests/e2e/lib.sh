# shellcheck shell=bash
# Helpers for the end-to-end tests: morvane.exe runs under Wine in a private
# prefix and a private Xvfb display, is driven with xdotool, and is observed
# through probe.exe (Win32's view of the windows), screenshots and Wine's
# relay trace.
#
# A test script does:
#     source "$(dirname "$0")/lib.sh"
#     e2e_setup
#     start_exe [--relay] [--no-wait] [--title TITLE] [--] [ARGS...]
#     ... drive and assert ...
# Everything the test started is stopped when the script exits.
#
# Inputs (ctest sets the first three; see README.md for running by hand):
#   MORVANE_EXE        morvane.exe to test
#   MORVANE_PROBE      probe.exe built from probe.cpp (built into the cache when unset)
#   MORVANE_E2E_CACHE  folder for the shared Wine prefix and failure artefacts
#   E2E_KEEP=1         keep the test's temp folder (prefix copy, logs, screenshots)
#   E2E_PAUSE=1        wait for Enter before cleaning up (when run from a terminal)
#   E2E_WM=1           run openbox in the display (topmost honoured, windowactivate works)
#   E2E_RELAY=1        start the exe with the relay trace, as with start_exe --relay
#   E2E_TIMEOUT        default timeout in seconds of the wait_* helpers (15)
#   E2E_TZ, E2E_LC_ALL time zone and locale the program sees (UTC, C.UTF-8)

if [[ "${BASH_SOURCE[0]}" == "$0" && "${1-}" != --watchdog ]]; then
    echo "lib.sh is meant to be sourced by a test script" >&2
    exit 2
fi

set -Eeuo pipefail

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_REPO_DIR=$(cd "$E2E_LIB_DIR/../.." && pwd)
E2E_NAME=$(basename "${0%.sh}")
: "${MORVANE_E2E_CACHE:=$E2E_REPO_DIR/build/windows/e2e-cache}"
: "${E2E_TIMEOUT:=15}"
: "${E2E_KEEP:=0}"
E2E_DIR=""
E2E_PID=""
E2E_RUN=0
E2E_OUT=""
E2E_ERR=""
E2E_WINDOW=""
E2E_STAGE="set-up"
E2E_FAILURE=""

# --------------------------------------------------------------------------
# Logging and assertions
# --------------------------------------------------------------------------

e2e_log() {
    printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%H:%M:%S.%3N)" "$*" >&2
}

# fail MESSAGE...: print the failure and end the test with status 1.
fail() {
    E2E_FAILURE="$*"
    printf '\nFAIL [%s]: %s\n\n' "$E2E_NAME" "$*" >&2
    exit 1
}

# assert_eq ACTUAL EXPECTED [WHAT]
assert_eq() {
    [[ "$1" == "$2" ]] || fail "${3:-value}: expected '$2', got '$1'"
}

# assert_ne ACTUAL UNEXPECTED [WHAT]
assert_ne() {
    [[ "$1" != "$2" ]] || fail "${3:-value}: expected anything but '$2'"
}

# assert_contains HAYSTACK NEEDLE [WHAT]
assert_contains() {
    [[ "$1" == *"$2"* ]] || fail "${3:-text}: expected to contain '$2', got '$1'"
}

# assert_match STRING EXTENDED-REGEX [WHAT]
assert_match() {
    [[ "$1" =~ $2 ]] || fail "${3:-text}: expected to match /$2/, got '$1'"
}

# assert_near ACTUAL EXPECTED TOLERANCE [WHAT]: integers within +-TOLERANCE.
assert_near() {
    [[ "$1" =~ ^-?[0-9]+$ ]] || fail "${4:-value}: expected a number near $2, got '$1'"
    local d=$(($1 - $2))
    ((d < 0)) && d=$((-d))
    ((d <= $3)) || fail "${4:-value}: expected $2 +-$3, got $1"
}

# assert_true COMMAND [ARGS...]: the command must succeed.
assert_true() {
    "$@" || fail "command failed: $*"
}

# assert_false COMMAND [ARGS...]: the command must fail.
assert_false() {
    if "$@"; then fail "command unexpectedly succeeded: $*"; fi
}

assert_file_exists() {
    [[ -e "$1" ]] || fail "${2:-file} missing: $1"
}

assert_no_file() {
    [[ ! -e "$1" ]] || fail "${2:-file} should not exist: $1"
}

# --------------------------------------------------------------------------
# Time and waiting
# --------------------------------------------------------------------------

_e2e_now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((t / 1000))
}

# sleep_ms N
sleep_ms() {
    sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"
}

# wait_until TIMEOUT_S COMMAND [ARGS...]: run the command every 100 ms (never
# faster: a flood of short-lived X clients makes Wine starts fail) until it
# succeeds. Returns 1 on timeout. The command's stdout passes through.
wait_until() {
    local timeout=$1
    shift
    local deadline=$(($(_e2e_now_ms) + timeout * 1000))
    while :; do
        if "$@"; then return 0; fi
        (($(_e2e_now_ms) < deadline)) || return 1
        sleep 0.1
    done
}

# Escapes a literal text for xdotool's extended regular expressions.
_e2e_regex_escape() {
    # shellcheck disable=SC2001,SC2016 # a character class, not an expansion
    sed -e 's/[][\.|$(){}?+*^]/\\&/g' <<<"$1"
}

_e2e_search_visible() {
    local ids
    ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null) || return 1
    [[ -n "$ids" ]] || return 1
    head -n 1 <<<"$ids"
}

# wait_for_window TITLE [TIMEOUT_S]: prints the X id of a visible top-level
# window whose title is exactly TITLE (xdotool matches case-insensitively).
wait_for_window() {
    local re
    re="^$(_e2e_regex_escape "$1")\$"
    if ! wait_until "${2:-$E2E_TIMEOUT}" _e2e_search_visible "$re"; then
        e2e_log "no visible window titled '$1' within ${2:-$E2E_TIMEOUT} s"
        return 1
    fi
}

_e2e_no_visible() { ! _e2e_search_visible "$1" >/dev/null; }

# wait_window_gone TITLE [TIMEOUT_S]: waits until no visible window has that title.
wait_window_gone() {
    local re
    re="^$(_e2e_regex_escape "$1")\$"
    if ! wait_until "${2:-$E2E_TIMEOUT}" _e2e_no_visible "$re"; then
        e2e_log "a window titled '$1' is still visible after ${2:-$E2E_TIMEOUT} s"
        return 1
    fi
}

# window_geometry XID: prints "X Y W H" of an X window.
window_geometry() {
    local line x="" y="" w="" h=""
    while IFS= read -r line; do
        case $line in
        X=*) x=${line#X=} ;;
        Y=*) y=${line#Y=} ;;
        WIDTH=*) w=${line#WIDTH=} ;;
        HEIGHT=*) h=${line#HEIGHT=} ;;
        esac
    done < <(xdotool getwindowgeometry --shell "$1")
    [[ -n "$h" ]] || return 1
    echo "$x $y $w $h"
}

# --------------------------------------------------------------------------
# Input
# --------------------------------------------------------------------------

mouse_move() { xdotool mousemove "$1" "$2"; }

# click X Y [BUTTON]
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

# mouse_down [BUTTON] / mouse_up [BUTTON] at the current pointer position.
mouse_down() { xdotool mousedown "${1:-1}"; }
mouse_up() { xdotool mouseup "${1:-1}"; }

# type_text TEXT: types into whatever has the keyboard. Without a window
# manager that is the window under the pointer, so click the field first.
type_text() { xdotool type --delay 40 -- "$1"; }

# key NAME...: X key names, e.g. key Return, key ctrl+a, key Tab Tab
key() { xdotool key --delay 40 -- "$@"; }

# focus_window XID: give an X window the keyboard without moving the pointer.
focus_window() { xdotool windowfocus "$1"; }

# --------------------------------------------------------------------------
# Pixels
# --------------------------------------------------------------------------

# screenshot FILE [XID]: PNG of the whole screen, or of one X window.
screenshot() { import -window "${2:-root}" "$1"; }

# pixel_of FILE X Y: RRGGBB (upper case) of one pixel of an image.
pixel_of() {
    local hex
    hex=$(convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info:)
    hex=${hex^^}
    echo "${hex:0:6}"
}

# pixel X Y: RRGGBB of one screen pixel, from a fresh screenshot.
pixel() {
    local f="$E2E_DIR/pixel.png"
    screenshot "$f"
    pixel_of "$f" "$1" "$2"
}

# --------------------------------------------------------------------------
# The Wine prefix
# --------------------------------------------------------------------------

# No Mono or Gecko installer prompts; no winemenubuilder, which would write
# menu entries into this machine's home folder.
_e2e_prefix_env() {
    export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

_e2e_prefix_stamp() {
    { wine --version 2>/dev/null || true; cat "$E2E_LIB_DIR/wine-setup.reg"; echo fonts-1 sandbox-1; } | sha256sum | cut -c1-16
}

# Wine links the user's Desktop, Documents and the like to this machine's
# home folder; the test prefix gets plain folders instead.
_e2e_unlink_home() {
    local link
    for link in "$1"/drive_c/users/*/*; do
        [[ -L "$link" ]] || continue
        rm -f "$link" && mkdir "$link" || return 1
    done
}

# Builds the shared prefix in $MORVANE_E2E_CACHE/prefix. Caller holds the lock.
_e2e_build_prefix() {
    local base=$1 stamp=$2
    local tmp="$base.new.$$" log="$MORVANE_E2E_CACHE/prefix-build.log"
    e2e_log "creating the shared Wine prefix $base (once; about 20 s)"
    rm -rf "$base" "$tmp"
    if ! (
        export WINEPREFIX="$tmp"
        unset DISPLAY WAYLAND_DISPLAY
        wineboot -i && wineserver -w &&
            _e2e_unlink_home "$tmp" &&
            cp /usr/share/wine/fonts/* "$tmp/drive_c/windows/Fonts/" &&
            cp "$E2E_LIB_DIR/wine-setup.reg" "$tmp/drive_c/e2e-setup.reg" &&
            wine regedit /S 'C:\e2e-setup.reg' && wineserver -w &&
            rm -f "$tmp/drive_c/e2e-setup.reg"
    ) >"$log" 2>&1; then
        WINEPREFIX="$tmp" wineserver -k >/dev/null 2>&1 || true
        rm -rf "$tmp"
        fail "could not create the Wine prefix; see $log"
    fi
    if ! grep -q CursorBlinkRate "$tmp/user.reg" || ! grep -q RelayInclude "$tmp/user.reg"; then
        rm -rf "$tmp"
        fail "the Wine prefix lacks the settings of wine-setup.reg; see $log"
    fi
    _e2e_remove_server_dir "$tmp"
    echo "$stamp" >"$tmp/.e2e-stamp"
    mv "$tmp" "$base"
}

# _e2e_copy_prefix DEST: a private copy of the shared prefix, which is
# created first when missing or made by another Wine or setup.
_e2e_copy_prefix() {
    local base="$MORVANE_E2E_CACHE/prefix" stamp lock
    stamp=$(_e2e_prefix_stamp)
    mkdir -p "$MORVANE_E2E_CACHE"
    exec {lock}>"$MORVANE_E2E_CACHE/prefix.lock"
    flock -x "$lock"
    if [[ "$(cat "$base/.e2e-stamp" 2>/dev/null)" != "$stamp" ]]; then
        _e2e_build_prefix "$base" "$stamp"
    fi
    flock -s "$lock" # others may copy too, but nobody rebuilds meanwhile
    cp -a "$base" "$1"
    exec {lock}>&-
}

# probe.exe from the build, or built here into the cache when run by hand.
_e2e_find_probe() {
    if [[ -n "${MORVANE_PROBE-}" ]]; then
        [[ -f "$MORVANE_PROBE" ]] || fail "MORVANE_PROBE=$MORVANE_PROBE does not exist"
        return 0
    fi
    local built="$E2E_REPO_DIR/build/windows/tests/e2e/probe.exe"
    if [[ -f "$built" && "$built" -nt "$E2E_LIB_DIR/probe.cpp" ]]; then
        MORVANE_PROBE=$built
        return 0
    fi
    MORVANE_PROBE="$MORVANE_E2E_CACHE/probe.exe"
    local lock
    mkdir -p "$MORVANE_E2E_CACHE"
    exec {lock}>"$MORVANE_E2E_CACHE/probe.lock"
    flock -x "$lock"
    if [[ ! -f "$MORVANE_PROBE" || "$E2E_LIB_DIR/probe.cpp" -nt "$MORVANE_PROBE" ]]; then
        e2e_log "building $MORVANE_PROBE"
        x86_64-w64-mingw32-g++ -std=c++20 -O2 -static -mconsole -Wall -Wextra -Werror \
            "$E2E_LIB_DIR/probe.cpp" -o "$MORVANE_PROBE.tmp" -lshell32 ||
            fail "could not build probe.exe"
        mv "$MORVANE_PROBE.tmp" "$MORVANE_PROBE"
    fi
    exec {lock}>&-
}

_e2e_find_exe() {
    if [[ -z "${MORVANE_EXE-}" ]]; then
        local newest
        newest=$(find "$E2E_REPO_DIR/build/windows" -name morvane.exe -type f -printf '%T@ %p\n' 2>/dev/null | sort -rn) || true
        newest=${newest%%$'\n'*}
        MORVANE_EXE=${newest#* }
    fi
    [[ -n "$MORVANE_EXE" && -f "$MORVANE_EXE" ]] ||
        fail "morvane.exe not found; build the windows preset or set MORVANE_EXE"
}

_e2e_check_tools() {
    local t missing=()
    for t in wine wineserver wineboot Xvfb xdotool import convert python3 flock setsid tail; do
        command -v "$t" >/dev/null || missing+=("$t")
    done
    ((${#missing[@]} == 0)) || fail "missing tools: ${missing[*]} (run scripts/bootstrap)"
}

# --------------------------------------------------------------------------
# Session: set-up and clean-up
# --------------------------------------------------------------------------

_e2e_start_xvfb() {
    local file="$E2E_DIR/display" i
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$file" >"$E2E_DIR/xvfb.log" 2>&1 </dev/null &
    echo $! >"$E2E_DIR/xvfb.pid"
    for ((i = 0; i < 100; i++)); do
        [[ -s "$file" ]] && break
        [[ -d /proc/$(cat "$E2E_DIR/xvfb.pid") ]] || fail "Xvfb ended at start; see $E2E_DIR/xvfb.log"
        sleep 0.1
    done
    [[ -s "$file" ]] || fail "Xvfb did not report its display"
    DISPLAY=":$(head -n 1 "$file")"
    export DISPLAY
}

# start_wm: openbox in the test's display (also E2E_WM=1 before e2e_setup).
start_wm() {
    openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1 </dev/null &
    echo $! >"$E2E_DIR/wm.pid"
    sleep 0.5
}

# e2e_setup: private prefix copy, private display, pointer parked, Wine warm.
e2e_setup() {
    _e2e_check_tools
    _e2e_find_exe
    _e2e_find_probe
    E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/morvane-e2e.$E2E_NAME.XXXXXX")
    trap _e2e_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP
    _e2e_start_watchdog
    e2e_log "session folder $E2E_DIR"
    _e2e_prefix_env
    export TZ="${E2E_TZ:-UTC}" LC_ALL="${E2E_LC_ALL:-C.UTF-8}"
    export PATH="$E2E_LIB_DIR/bin:$PATH" MORVANE_E2E_OPENED="$E2E_DIR/opened.txt"
    _e2e_copy_prefix "$E2E_DIR/prefix"
    export WINEPREFIX="$E2E_DIR/prefix"
    _e2e_start_xvfb
    e2e_log "display $DISPLAY, exe $MORVANE_EXE"
    [[ "${E2E_WM:-0}" == 1 ]] && start_wm
    mouse_move 1000 700
    # Keep this prefix's wineserver up between runs; then let a first Wine
    # process start the desktop and services with their output in files,
    # so later starts are warm and no helper holds a pipe of ours open.
    wineserver -p >/dev/null 2>&1 </dev/null
    wine "$MORVANE_PROBE" >"$E2E_DIR/warmup.out" 2>"$E2E_DIR/warmup.err" </dev/null ||
        e2e_log "warm-up probe failed (rc $?)"
    E2E_STAGE="test"
}

_e2e_on_err() {
    printf '[%s] command failed (rc %s) at %s:%s: %s\n' "$E2E_NAME" "$1" "$3" "$4" "$2" >&2
}

# Watches the test's shell from outside its process tree: if the shell is
# killed outright (ctest's timeout), it still stops Xvfb and the prefix's
# Wine and removes the session folder.
_e2e_start_watchdog() {
    (setsid bash "$E2E_LIB_DIR/lib.sh" --watchdog "$$" "$E2E_DIR" "$E2E_KEEP" \
        </dev/null >/dev/null 2>&1 &)
}

_e2e_pid_is() { # PID WORD: the process is alive and its command line has WORD
    local cmd
    [[ -n "$1" ]] && cmd=$(tr '\0' ' ' 2>/dev/null <"/proc/$1/cmdline") && [[ "$cmd" == *"$2"* ]]
}

# Stops everything started for the session folder DIR and removes DIR.
_e2e_stop_session() {
    local dir=$1 keep=$2 pid
    if [[ -d "$dir/prefix" ]]; then
        WINEPREFIX="$dir/prefix" wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX="$dir/prefix" wineserver -w >/dev/null 2>&1 || true
        _e2e_remove_server_dir "$dir/prefix"
    fi
    pid=$(cat "$dir/wm.pid" 2>/dev/null || true)
    if _e2e_pid_is "$pid" openbox; then kill "$pid" 2>/dev/null || true; fi
    pid=$(cat "$dir/xvfb.pid" 2>/dev/null || true)
    if _e2e_pid_is "$pid" Xvfb; then
        kill "$pid" 2>/dev/null || true
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            [[ -d /proc/$pid ]] || break
            sleep 0.1
        done
    fi
    if [[ "$keep" != 1 ]]; then
        # a keeper shell may still be writing the exit status of a killed run
        rm -rf "$dir" 2>/dev/null || { sleep 0.5 && rm -rf "$dir"; }
    fi
    return 0
}

# Removes the socket folder the stopped wineserver of prefix $1 left behind:
# server-DEV-INODE under /tmp/.wine-UID, or under the /tmp folder whose name
# Debian's Wine keeps in the prefix's "wineserver" file.
_e2e_remove_server_dir() {
    local server d
    server="server-$(stat -c %D "$1")-$(printf %x "$(stat -c %i "$1")")"
    for d in "/tmp/.wine-$(id -u)/$server" "/tmp/$(cat "$1/wineserver" 2>/dev/null || echo .none)/$server"; do
        [[ -d "$d" && -z "$(find "$d" -mindepth 1 ! -name lock)" ]] && rm -rf "$d"
    done
    return 0
}

# Saves what explains a failure: screenshot, probe dump, logs.
_e2e_save_failure() {
    local out="$MORVANE_E2E_CACHE/failed/$E2E_NAME"
    if [[ "$E2E_STAGE" == test && -n "${DISPLAY-}" ]]; then
        screenshot "$E2E_DIR/failure.png" 2>/dev/null || true
        timeout 20 wine "$MORVANE_PROBE" >"$E2E_DIR/failure-probe.json" 2>/dev/null </dev/null || true
    fi
    rm -rf "$out"
    mkdir -p "$out"
    find "$E2E_DIR" -maxdepth 1 -type f -exec cp {} "$out/" \; 2>/dev/null || true
    local f
    for f in "$E2E_OUT" "$E2E_ERR"; do
        [[ -n "$f" && -s "$f" ]] || continue
        printf -- '--- %s, last lines (relay trace left out)\n' "$(basename "$f")" >&2
        grep -avE '^[0-9a-f]+:(Call|Ret|trace:relay)' "$f" | tail -n 15 >&2 || true
    done
    e2e_log "failure artefacts (screenshot, probe dump, logs) in $out"
}

_e2e_cleanup() {
    local rc=$?
    trap - ERR EXIT INT TERM HUP
    set +e
    [[ -n "$E2E_DIR" && -d "$E2E_DIR" ]] || exit "$rc"
    local pid
    pid=$(cat "$E2E_DIR/watchdog.pid" 2>/dev/null)
    _e2e_pid_is "$pid" --watchdog && kill "$pid" 2>/dev/null
    ((rc == 0)) || _e2e_save_failure
    if [[ "${E2E_PAUSE:-0}" == 1 && -t 0 ]]; then
        echo "DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX; press Enter to clean up" >&2
        read -r _
    fi
    _e2e_stop_session "$E2E_DIR" "$E2E_KEEP"
    [[ "$E2E_KEEP" == 1 ]] && e2e_log "kept $E2E_DIR"
    if ((rc == 0)); then
        e2e_log "PASS"
    else
        e2e_log "FAILED (rc $rc)${E2E_FAILURE:+: $E2E_FAILURE}"
    fi
    exit "$rc"
}

# --------------------------------------------------------------------------
# The program's top-level windows, told apart by their place and size
# --------------------------------------------------------------------------

# The message dialog, as a probe_find expression: a visible top-level window of
# 238 x 122 (236 x 120 client and a one-pixel border).
DIALOG='w["is_top"] and w["class"] == "Morvane.Window" and w["visible"] and w["rect"]["w"] == 238 and w["rect"]["h"] == 122'

# visible_geometries: "X Y W H" of every visible top-level window of the
# program, from X, one a line (cheap enough to poll every 100 ms, unlike probe).
visible_geometries() {
    local id ids
    ids=$(xdotool search --onlyvisible --class morvane 2>/dev/null) || true
    for id in $ids; do
        window_geometry "$id" 2>/dev/null || true
    done
}
# has_geometry "X Y W H": such a window is shown.
has_geometry() { visible_geometries | grep -qx "$1"; }
# only_geometry "X Y W H": that window alone is shown (nothing shown does not count).
only_geometry() { [[ "$(visible_geometries)" == "$1" ]]; }
# lacks_geometry "X Y W H": windows are shown, and none of them is that one.
lacks_geometry() { local g; g=$(visible_geometries) && [[ -n "$g" ]] && ! grep -qx "$1" <<<"$g"; }

# --------------------------------------------------------------------------
# The program
# --------------------------------------------------------------------------

_e2e_launch() {
    local relay=$1
    shift
    E2E_RUN=$((E2E_RUN + 1))
    E2E_OUT="$E2E_DIR/run$E2E_RUN.out"
    E2E_ERR="$E2E_DIR/run$E2E_RUN.err"
    local debug="-all,err+winediag"
    [[ "$relay" == 1 ]] && debug="$debug,+relay"
    local run="$E2E_DIR/run$E2E_RUN" i
    # A small keeper shell records the process id and, once it ends, its exit
    # status, so the status can be read from any (sub)shell of the test.
    (
        cd "$WINEPREFIX/drive_c/morvane" || exit 1
        WINEDEBUG=$debug wine 'C:\morvane\morvane.exe' "$@" >"$E2E_OUT" 2>"$E2E_ERR" </dev/null &
        echo $! >"$run.pid"
        rc=0
        wait $! || rc=$?
        echo "$rc" >"$run.rc"
    ) >/dev/null 2>&1 </dev/null &
    for ((i = 0; i < 100; i++)); do
        [[ -s "$run.pid" ]] && break
        sleep 0.01
    done
    E2E_PID=$(cat "$run.pid")
    e2e_log "run $E2E_RUN: morvane.exe $* (pid $E2E_PID, WINEDEBUG=$debug)"
}

# start_exe [--relay] [--no-wait] [--title TITLE] [--] [ARGS...]
# Copies $MORVANE_EXE to C:\morvane\morvane.exe and starts it in the
# background; $E2E_PID is its process, $E2E_OUT and $E2E_ERR its stdout and
# stderr (the relay trace with --relay). Unless --no-wait, waits for a visible
# window titled TITLE (Morvane) and sets $E2E_WINDOW to its X id; a start
# that shows no window in time is logged, killed and tried once more.
start_exe() {
    local relay=${E2E_RELAY:-0} wait=1 title=Morvane attempt
    while (($#)); do
        case $1 in
        --relay) relay=1 ;;
        --no-wait) wait=0 ;;
        --title) title=$2 && shift ;;
        --) shift && break ;;
        *) break ;;
        esac
        shift
    done
    mkdir -p "$WINEPREFIX/drive_c/morvane"
    # Never rewrite the file of a running copy: Wine maps the executable, and a copy made
    # over it changes the code under the feet of an instance started earlier.
    cmp -s "$MORVANE_EXE" "$WINEPREFIX/drive_c/morvane/morvane.exe" ||
        cp "$MORVANE_EXE" "$WINEPREFIX/drive_c/morvane/morvane.exe"
    for attempt in 1 2; do
        _e2e_launch "$relay" "$@"
        ((wait)) || return 0
        E2E_WINDOW=$(wait_until "$E2E_TIMEOUT" _e2e_start_wait "^$(_e2e_regex_escape "$title")\$") || true
        [[ -n "$E2E_WINDOW" ]] && return 0
        if exe_running; then
            e2e_log "start attempt $attempt: no '$title' window within $E2E_TIMEOUT s; stderr:"
        else
            e2e_log "start attempt $attempt: ended (status $(cat "$E2E_DIR/run$E2E_RUN.rc")) without a '$title' window; stderr:"
        fi
        tail -n 5 "$E2E_ERR" >&2 || true
        kill_exe
    done
    fail "morvane.exe $* showed no window titled '$title' in two starts"
}

# Succeeds with the window's id once it shows, or with nothing once the
# process has ended without showing it.
_e2e_start_wait() {
    _e2e_search_visible "$1" && return 0
    exe_running && return 1
    _e2e_search_visible "$1" || true
}

# exe_running: the last started morvane.exe has not ended yet.
exe_running() { ((E2E_RUN > 0)) && [[ ! -e "$E2E_DIR/run$E2E_RUN.rc" ]]; }

# wait_for_exit [TIMEOUT_S]: waits for the last started morvane.exe to end
# and prints its exit status (as the shell sees it: 0-255).
wait_for_exit() {
    if ! wait_until "${1:-$E2E_TIMEOUT}" _e2e_exited; then
        e2e_log "morvane.exe (pid $E2E_PID) still running after ${1:-$E2E_TIMEOUT} s"
        return 1
    fi
    cat "$E2E_DIR/run$E2E_RUN.rc"
}
_e2e_exited() { ! exe_running; }

# close_exe: ask every morvane.exe of the prefix to close (WM_CLOSE).
close_exe() { wine taskkill /IM morvane.exe >/dev/null 2>&1 </dev/null || true; }

# kill_exe: end the last started morvane.exe at once (no WM_CLOSE).
kill_exe() {
    exe_running || return 0
    kill "$E2E_PID" 2>/dev/null || true
    wait_until 10 _e2e_exited || e2e_log "morvane.exe (pid $E2E_PID) survived kill"
}

# unix_path 'C:\some\file': where a C: path of the prefix is on this machine.
unix_path() {
    local p=${1#[Cc]:}
    echo "$WINEPREFIX/drive_c${p//\\//}"
}

# settings_file [--user]: the settings file, C:\windows\morvane.dll, or with
# --user the per-user fallback under the local application data folder.
settings_file() {
    if [[ "${1-}" == --user ]]; then
        echo "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Morvane/morvane.dll"
    else
        echo "$WINEPREFIX/drive_c/windows/morvane.dll"
    fi
}

# opened: what the program asked the shell to open in a browser or mail
# program (web and mailto addresses), one request a line.
opened() { cat "$MORVANE_E2E_OPENED" 2>/dev/null || true; }

# --------------------------------------------------------------------------
# Win32's view: probe.exe
# --------------------------------------------------------------------------

# probe_json [FILTER]: JSON of all top-level windows (or those whose text or
# class contains FILTER) with their children; see probe_query.py for fields.
# shellcheck disable=SC2120 # the filter is optional
probe_json() {
    local out attempt
    for attempt in 1 2; do
        if out=$(wine "$MORVANE_PROBE" "$@" 2>>"$E2E_DIR/probe.err" </dev/null) && [[ "$out" == '{"windows":'* ]]; then
            printf '%s\n' "$out"
            return 0
        fi
        e2e_log "probe attempt $attempt failed"
        sleep 0.2
    done
    return 1
}

# probe_query [OPTIONS]: filter probe_json's windows; see probe_query.py --help.
#   probe_query --text Morvane --top --get visible        -> true
#   probe_query --class Edit --focused --get text
#   probe_query --where 'w["rect"]["w"] == 255' --count
probe_query() {
    local json
    json=$(probe_json "") || return 2
    python3 "$E2E_LIB_DIR/probe_query.py" "$@" <<<"$json"
}

# probe_find PY-EXPRESSION [OPTIONS]: probe_query --where PY-EXPRESSION
probe_find() {
    local expr=$1
    shift
    probe_query --where "$expr" "$@"
}

# wait_for_text TEXT [TIMEOUT_S]: waits until a window or control has exactly
# TEXT as its text; prints that window's JSON.
wait_for_text() {
    if ! wait_until "${2:-$E2E_TIMEOUT}" probe_query --text "$1" --first; then
        e2e_log "no window or control with text '$1' within ${2:-$E2E_TIMEOUT} s"
        return 1
    fi
}

# --------------------------------------------------------------------------
# The relay trace
# --------------------------------------------------------------------------

E2E_RELAY_FUNCS='ExitWindowsEx|OpenProcessToken|LookupPrivilegeValueA|AdjustTokenPrivileges|GetVersionExA'

# relay_calls [FILE]: the calls to the five shutdown functions, in order, as
# "Call module.Function(args)" lines: thread prefix and return address cut,
# module in lower case (Wine writes it as the exe's import table spells it,
# e.g. KERNEL32).
relay_calls() {
    sed -nE "s/^([0-9a-f]+:)*Call ([A-Za-z0-9_]+)\.($E2E_RELAY_FUNCS)(\(.*\)) ret=[0-9a-f]+\r?\$/Call \L\2\E.\3\4/Ip" "${1:-$E2E_ERR}"
}

# relay_returns [FILE]: their "Ret  module.Function() retval=XXXXXXXX" lines.
relay_returns() {
    sed -nE "s/^([0-9a-f]+:)*Ret  ([A-Za-z0-9_]+)\.($E2E_RELAY_FUNCS)(\(\) retval=[0-9a-f]+) ret=[0-9a-f]+\r?\$/Ret  \L\2\E.\3\4/Ip" "${1:-$E2E_ERR}"
}

# --------------------------------------------------------------------------

trap '_e2e_on_err $? "$BASH_COMMAND" "${BASH_SOURCE[0]}" "$LINENO"' ERR

if [[ "${BASH_SOURCE[0]}" == "$0" && "${1-}" == --watchdog ]]; then
    set +e
    trap '' HUP INT
    echo $$ >"$3/watchdog.pid"
    tail --pid="$2" -f /dev/null
    [[ -d "$3" ]] && _e2e_stop_session "$3" "$4"
    exit 0
fi
