#!/usr/bin/env bash
# From the game to the game: takes the intro cutscene out of the installed game's resource
# file, translates some of its messages through a .TMF, packs it back and plays the result in
# ScummVM under Xvfb. Passes when the engine says every translated message exactly as written
# (bytes) and the untouched messages after them unchanged, so every offset after a change is
# right. Ends by itself (at most TIMEOUT seconds of play) and leaves no process behind.
# Usage: scripts/test-game.sh QUILLON_CLI [SCREENSHOT.png]
# With SCREENSHOT, the screen is saved while the first translated subtitle shows.
set -euo pipefail
export LC_ALL=C # lengths and matches in bytes: the messages are Latin-1

cli=$(realpath "${1:?usage: test-game.sh QUILLON_CLI [SCREENSHOT.png]}")
shot=${2:+$(realpath -m "$2")}
game=${QUILLON_GAME:-/usr/share/scummvm/flight-of-the-amazon-queen/queen.1c}
scummvm=${SCUMMVM:-$(command -v scummvm || echo /usr/games/scummvm)}
timeout=${TIMEOUT:-90}

for need in "$cli" "$game" "$scummvm" "$(command -v Xvfb || echo Xvfb)"; do
    [ -e "$need" ] || { echo "test-game: $need is missing (make test-game installs it)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-game-XXXXXX")
xvfb_pid='' play_pid=''
cleanup() {
    # Everything started here runs in a process group of its own; end each group, then wait.
    for pid in $play_pid $xvfb_pid; do
        kill -TERM -- "-$pid" 2>/dev/null || true
    done
    for pid in $play_pid $xvfb_pid; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
cd "$work"

# Messages 1, 2 and 4 of the intro: longer and shorter than the originals, with accented
# letters as single Latin-1 bytes, each of its original's length parity so that the writer
# pads nothing and the engine says them exactly as written here.
declare -A translated=(
    [001]=$'Bueno, King...*00*01\xa1Sabes c\xf3mo hacer que una chica lo pase en grande, se\xf1or m\xedo!*00*01'
    [002]=$'*01S\xf3lo fue cena y cine.'
    [004]=$'Al gran Hugh no le gusta que un tipo salga con su chica, se\xf1or M\xfcller...*03'
)
untouched=(003 005 006) # said after the changed ones, from data that moved

"$cli" unpack "$game" -o CUT >/dev/null
"$cli" export CUT/CDINT.CUT -o CDINT.tmf
declare -A original=()
while IFS= read -r line; do
    line=${line%$'\r'}
    [[ $line =~ ^([0-9]{3})\ (.*)$ ]] && original[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
done <CDINT.tmf
{
    printf 'Original CUT file: CDINT.CUT\r\n\r\n'
    for number in "${!translated[@]}"; do
        text=${translated[$number]}
        if (((${#text} - ${#original[$number]}) % 2)); then
            echo "test-game: message $number would be padded; keep its length's parity" >&2
            exit 2
        fi
        printf '%s %s\r\n' "$number" "$text"
    done
} >work.tmf
# Lines not in work.tmf would be blank: take the rest from the originals.
grep -v -E "^($(IFS='|'; echo "${!translated[*]}")) " CDINT.tmf | tail -n +3 >>work.tmf

mkdir new play
"$cli" apply CUT/CDINT.CUT work.tmf -o new/CDINT.CUT >/dev/null
"$cli" pack "$game" new -o play/queen.1c

# A private home and configuration: the user's ScummVM settings are never read or touched.
mkdir -p home
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache SDL_AUDIODRIVER=dummy

# Xvfb picks a free display itself and tells which.
setsid Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>display 2>xvfb.log &
xvfb_pid=$!
for _ in $(seq 50); do [ -s display ] && break; sleep 0.1; done
[ -s display ] || { echo "test-game: Xvfb did not start" >&2; cat xvfb.log >&2; exit 2; }
export DISPLAY=:$(cat display)

# Line-buffered, so that each sentence is in the log when the engine starts saying it.
setsid timeout -k 5 "$timeout" stdbuf -oL -eL "$scummvm" -c "$work/scummvm.ini" -p "$work/play" -n -d 6 \
    --savepath="$work/home" queen >play.log 2>&1 &
play_pid=$!

said() { grep -a -q -F "Sentence '$1' is said by person" play.log; }
all_said() {
    for number in "${!translated[@]}"; do said "${translated[$number]}" || return 1; done
    for number in "${untouched[@]}"; do said "${original[$number]}" || return 1; done
}
# The line is spoken in parts, each shown over the speaker's head at the top of the screen:
# of a few seconds of frames, keep the one with the most text (the brightest top band).
take_screenshot() {
    local best=-1 mean
    for _ in $(seq 24); do
        import -window root frame.png 2>/dev/null || break
        mean=$(convert frame.png -crop 640x100+0+0 -format '%[fx:int(mean*1000000)]' info:)
        if [ "$mean" -gt "$best" ]; then best=$mean; cp frame.png best.png; fi
        sleep 0.2
    done
    if [ -e best.png ]; then
        cp best.png "$shot"
    else
        echo "test-game: no screenshot (needs imagemagick)" >&2
    fi
}

start=$SECONDS
while kill -0 "$play_pid" 2>/dev/null; do
    if [ -n "$shot" ] && said "${translated[001]}"; then
        take_screenshot
        shot=''
    fi
    all_said && break
    sleep 0.5
done
elapsed=$((SECONDS - start))

status=0 report=''
for number in $(printf '%s\n' "${!translated[@]}" | sort) "${untouched[@]}"; do
    text=${translated[$number]:-${original[$number]}}
    kind=$([ -n "${translated[$number]:-}" ] && echo translated || echo untouched)
    if said "$text"; then
        report+="said     ($kind) $number: $text"$'\n'
    else
        report+="NOT SAID ($kind) $number: $text"$'\n'
        status=1
    fi
done
printf '%s' "$report" | iconv -f LATIN1 -t UTF-8
if [ "$status" -ne 0 ]; then
    echo "test-game: the engine did not say every message within ${timeout} s; its sentences:"
    grep -a "^Sentence" play.log | iconv -f LATIN1 -t UTF-8 | sed 's/^/  /'
    exit 1
fi
echo "test-game: ScummVM said every message as written, ${elapsed} s into the intro."
