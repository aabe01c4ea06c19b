#!/usr/bin/env bash
# The editor on a file, told to stop (SIGTERM): it keeps its settings and exits with status 0.
# Usage: ends_cleanly.sh EDITOR FILE.CUT
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

# A program folder and settings of its own, so nothing of the user's is touched.
mkdir -p "$work/home/CUT" "$work/config"
cp "$sample" "$work/home/CUT/"
QT_QPA_PLATFORM=offscreen QUILLON_HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    "$editor" "$work/home/CUT/$(basename "$sample")" >"$work/log" 2>&1 &
pid=$!

# Opening the file stores its folder in the settings: from then on the window is up.
settings="$work/config/Velunor/Quillon.conf"
for _ in $(seq 150); do
    [ -f "$settings" ] || ! kill -0 "$pid" 2>/dev/null && break
    sleep 0.1
done
if [ ! -f "$settings" ]; then
    echo "The editor did not open $sample:" >&2
    cat "$work/log" >&2
    exit 1
fi

kill -TERM "$pid"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "The editor was still running 10 s after SIGTERM" >&2
    exit 1
fi
status=0
wait "$pid" || status=$?
pid=""
if [ "$status" -ne 0 ]; then
    echo "The editor ended with status $status after SIGTERM:" >&2
    cat "$work/log" >&2
    exit 1
fi
# "Confirm" is written only when the settings are saved, not when a file is opened.
if ! grep -q '^Confirm=' "$settings" 2>/dev/null; then
    echo "The editor ended without saving its settings ($settings)" >&2
    exit 1
fi
echo "The editor ended with status 0 and saved its settings"
