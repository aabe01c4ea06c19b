#!/usr/bin/env bash
# The editor on a file under a real X server and window manager (stacking.sh starts them),
# with the find and project windows open, told to stop (SIGTERM): it ends within 10 s with
# status 0 and keeps its settings.
# Usage: stacking.sh bash ends_with_windows_open.sh EDITOR FILE.CUT
set -euo pipefail
editor=$1
sample=$2
work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "$1" >&2
    cat "$work/log" >&2
    exit 1
}

# A program folder and settings of its own, so nothing of the user's is touched.
mkdir -p "$work/home/CUT" "$work/config"
cp "$sample" "$work/home/CUT/"
QUILLON_HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    "$editor" "$work/home/CUT/$(basename "$sample")" >"$work/log" 2>&1 &
pid=$!

# xdotool waits for each window to be mapped; the keys go to the window that has the focus.
shown() {
    timeout 20 xdotool search --sync --onlyvisible --limit 1 --name "$1"
}
main=$(shown '^QUILLON cutscene editor') || fail "The editor's window did not open"
xdotool windowactivate --sync "$main"
xdotool key --clearmodifiers ctrl+f
shown '^ Find$' >/dev/null || fail "Ctrl+F did not open the find window"
xdotool windowactivate --sync "$main"
xdotool key --clearmodifiers F9
shown '^ Project$' >/dev/null || fail "F9 did not open the project window"

kill -TERM "$pid"
# Waits on the process itself, for 10 s at most.
timeout 10 tail --pid="$pid" -f /dev/null || fail "The editor was still running 10 s after SIGTERM"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "The editor ended with status $status after SIGTERM"
# "Confirm" is written only when the settings are saved, not when a file is opened.
grep -q '^Confirm=' "$work/config/Velunor/Quillon.conf" 2>/dev/null ||
    fail "The editor ended without saving its settings"
echo "With the find and project windows open the editor ended with status 0 on SIGTERM"
