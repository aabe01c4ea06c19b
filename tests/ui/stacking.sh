#!/usr/bin/env bash
# Runs the window-stacking test (its program is the first argument), or any other command
# given, under its own X server with the openbox window manager. Without those tools it is
# skipped (exit 77), except in CI (CI=true), where it fails.
set -u

missing=()
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "needs ${missing[*]} (Debian: xvfb openbox xdotool x11-utils)" >&2
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi

work=$(mktemp -d)
xvfb= wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and writes its number.
timeout 300 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
    2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

HOME=$work timeout 300 openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "openbox did not start:" >&2
    cat "$work/openbox.log" >&2
    exit 1
fi

QT_QPA_PLATFORM=xcb timeout 240 "$@"
