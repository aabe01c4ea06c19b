#!/usr/bin/env bash
# Runs the same quillon-cli session with two builds of the tool and compares, byte for byte,
# everything each printed (stdout, stderr, exit status) and every file it left. The session
# works in a folder named "Übersetzung": for every cutscene file given (and a copy of the
# first one named "É1.CUT") it lists, exports, checks, applies a changed work file to a new
# file and then updates the file in place; every other game text file (.DOG, QUEEN2.JAS,
# .CRD), whose locked lines a blind change would break, it lists, exports, checks and
# writes anew from its own export.
# Usage: scripts/compare-cli.sh "TOOL A" "TOOL B" WORK_DIR FILE.CUT...
#   A tool is a command line with absolute paths, split at spaces
#   ("timeout 60 /usr/lib/wine/wine64 /abs/quillon-cli.exe"); it runs inside WORK_DIR.
set -euo pipefail
[ $# -ge 4 ] || { echo "usage: $0 'TOOL A' 'TOOL B' WORK_DIR FILE.CUT..." >&2; exit 2; }
tool_a=$1
tool_b=$2
work=$3
shift 3
export LC_ALL=C.UTF-8
folder="Übersetzung"

rm -rf "$work"
mkdir -p "$work/a/$folder"
names=()
for f in "$@"; do
    cp "$f" "$work/a/$folder/"
    names+=("$(basename "$f")")
done
cp "$1" "$work/a/$folder/É1.CUT"
names+=("É1.CUT")
cp -r "$work/a" "$work/b"

# session TOOL DIR: runs every command in DIR; the outputs of command N go to DIR/out/N.*.
session() {
    local tool=$1 dir=$2 n=0
    mkdir -p "$dir/out"
    run() {
        n=$((n + 1))
        printf '%s\n' "$*" >"$dir/out/$n.command"
        local status=0
        (cd "$dir" && $tool "$@" >"out/$n.stdout" 2>"out/$n.stderr") || status=$?
        echo "$status" >"$dir/out/$n.status"
    }
    local name cut work changed
    for name in "${names[@]}"; do
        cut="$folder/$name"
        work="$folder/${name%.*}.tmf"
        changed="$folder/${name%.*} changed.tmf"
        if [[ $name != *.CUT ]]; then
            # A cutscene and a dialogue may share a name: the work file keeps the ending.
            work="$folder/$name.tmf"
        fi
        run list "$cut"
        run export "$cut"
        run export "$cut" -o "$work"
        run check "$cut" "$work"
        if [[ $name != *.CUT ]]; then
            # Written under its own name, which QUEEN2.JAS needs to be read as one.
            mkdir -p "$dir/$folder/new"
            run apply "$cut" "$work" -o "$folder/new/$name"
            run list "$folder/new/$name"
            continue
        fi
        # Every message grows by three bytes, so the writer pads it to its original's parity.
        if [ -f "$dir/$work" ]; then
            LC_ALL=C sed -e '3,$s/\r$/ ok\r/' "$dir/$work" >"$dir/$changed"
        fi
        run check "$cut" "$changed"
        run apply "$cut" "$changed" -o "$folder/new $name"
        run list "$folder/new $name"
        run apply "$cut" "$changed" -o "$cut"
        run list "$cut"
    done
    # Failures are told in the same words.
    run list "$folder/Ñ.CUT"
    run check "$folder/${names[0]}" "$folder/É1.tmf"
    run apply "$folder/${names[0]}" "$folder/${names[0]%.*} changed.tmf" -o "$folder/Ñ/new.CUT"
    run export
}

session "$tool_a" "$work/a"
session "$tool_b" "$work/b"

runs=$(find "$work/a/out" -name '*.status' | wc -l)
files=$(find "$work/a/$folder" -type f | wc -l)
# Agreeing is worth something only if the session did its work: every file updated in place.
backups=$(find "$work/a/$folder" -name '*.CUT.BAK' | wc -l)
cutscenes=$(printf '%s\n' "${names[@]}" | grep -c '\.CUT$')
if [ "$backups" -ne "$cutscenes" ]; then
    echo "Only $backups of $cutscenes cutscene files were updated by $tool_a (see $work/a/out)" >&2
    exit 1
fi
if diff -r "$work/a" "$work/b" >"$work/differences" 2>&1; then
    echo "same bytes: $runs runs (stdout, stderr, status) and $files files on ${#names[@]} text files ($cutscenes cutscenes)"
else
    echo "The two tools differ (see $work/differences):" >&2
    head -40 "$work/differences" >&2
    exit 1
fi
