#!/usr/bin/env bash
# Takes docs/screenshot.png: the editor on a sample file, under a virtual X server.
# Usage: scripts/screenshot.sh [BUILD]   (needs Xvfb, ImageMagick's import, xwininfo)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case "$build" in /*) ;; *) build="$here/$build" ;; esac
editor="$build/src/app/quillon"
[ -x "$editor" ] || { echo "No editor at $editor: build it first" >&2; exit 1; }
for tool in Xvfb import xwininfo; do
    command -v "$tool" >/dev/null || { echo "Missing $tool (apt-get install xvfb imagemagick x11-utils)" >&2; exit 1; }
done

work=$(mktemp -d)
server=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A program folder and settings of its own, so neither the samples nor the user's settings
# are touched.
mkdir -p "$work/home/CUT" "$work/config"
cp "$here"/samples/CUT/*.CUT "$work/home/CUT/"
sample=$(ls "$work/home/CUT/"*.CUT | head -1)

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1100x560x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do
    xwininfo -display "$display" -root >/dev/null 2>&1 && break
    sleep 0.1
done

DISPLAY=$display QUILLON_HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    QT_QPA_PLATFORM=xcb "$editor" "$sample" >/dev/null 2>&1 &
app=$!

title="QUILLON cutscene editor"
geometry=""
for _ in $(seq 100); do
    info=$(xwininfo -display "$display" -name "$title v.1.1 - Velunor" 2>/dev/null || true)
    if [ -n "$info" ] && grep -q 'IsViewable' <<<"$info"; then
        x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
        y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
        w=$(awk '/Width:/ {print $2}' <<<"$info")
        h=$(awk '/Height:/ {print $2}' <<<"$info")
        geometry="${w}x${h}+${x}+${y}"
        break
    fi
    sleep 0.1
done
[ -n "$geometry" ] || { echo "The editor's window did not appear" >&2; exit 1; }
sleep 1 # let it paint

mkdir -p "$here/docs"
import -display "$display" -window root -crop "$geometry" +repage "$here/docs/screenshot.png"
echo "Wrote docs/screenshot.png ($geometry)"
