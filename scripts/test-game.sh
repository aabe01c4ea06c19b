#!/usr/bin/env bash
# From the game to the game: takes text files out of the installed game's resource file,
# translates some of their messages through .TMF files, packs them back and plays the result
# in ScummVM under Xvfb. Three scenes, each checked in the engine's own log:
#   - the intro cutscene (CDINT.CUT) plays by itself;
#   - in Joe's hotel room, Joe looks at the chest (QUEEN2.JAS, line 38) and at the radiator
#     (line 48, after it and untouched); the chest's name (line 799) is compared on the
#     command line with a screenshot of the untranslated game, since the engine never logs it;
#   - Joe climbs down to the lobby and talks to the bellboy (LARIS.DOG): one translated
#     question and its translated answer, then an untouched question and answer that lie
#     after them in the file.
# The translation is written in UTF-8 and reaches the game through its letters (apply); the
# game is packed with the Spanish language letter (pack --language S), so the engine must
# accept the version and split the long translated option on two lines.
# Passes when the engine says every translated message exactly as written (the game's bytes)
# and the untouched messages after them unchanged, so every offset after a change is right,
# and the Spanish layout is seen in the log. Ends by
# itself (every wait is bounded) and leaves no process behind.
# Usage: scripts/test-game.sh QUILLON_CLI [INTRO_SHOT.png [DIALOGUE_SHOT.png]]
# (GAME_LOG=FILE keeps ScummVM's log of the translated game.)
# With INTRO_SHOT, the screen is saved while the first translated subtitle of the intro
# shows; with DIALOGUE_SHOT, while the bellboy says his translated answer.
set -euo pipefail
export LC_ALL=C # lengths and matches in bytes: the engine logs the game's bytes

usage='usage: test-game.sh QUILLON_CLI [INTRO_SHOT.png [DIALOGUE_SHOT.png]]'
cli=$(realpath "${1:?$usage}")
intro_shot=${2:+$(realpath -m "$2")}
dialogue_shot=${3:+$(realpath -m "$3")}
game=${QUILLON_GAME:-/usr/share/scummvm/flight-of-the-amazon-queen/queen.1c}
scummvm=${SCUMMVM:-$(command -v scummvm || echo /usr/games/scummvm)}
timeout=${TIMEOUT:-90} # seconds for the intro's messages; each later step has its own bound

for need in "$cli" "$game" "$scummvm" "$(command -v Xvfb || echo Xvfb)" \
    "$(command -v xdotool || echo xdotool)" "$(command -v import || echo import)"; do
    [ -e "$need" ] || { echo "test-game: $need is missing (make test-game installs it)" >&2; exit 2; }
done

here=$(dirname "$(realpath "$0")")
# shellcheck source-path=SCRIPTDIR source=game-driver.sh
. "$here/game-driver.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-game-XXXXXX")
cleanup() {
    gd_stop_game
    # GAME_LOG=FILE keeps the translated game's log (its sentences are the game's bytes).
    [ -z "${GAME_LOG:-}" ] || [ ! -e "$work/play.log" ] || cp "$work/play.log" "$GAME_LOG"
    gd_stop_x
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
cd "$work"

# ---------------------------------------------------------------------------------------------
# The translation, through quillon-cli as a translator would do it.

# The translation is written in UTF-8, as a translator's work file is: export --utf8 writes
# the work files in UTF-8 and apply turns them into the game's bytes. Every Spanish letter
# below must reach the engine as the byte its font draws it with.
spanish_letters=(¡ ¿ ñ á é í ó ú ü)

# game_bytes TEXT: TEXT as the engine must say it: Latin-1, but ¡, which the font draws at
# its code page 437 place 0xAD (0xA1 there is í).
game_bytes() { printf '%s' "$1" | iconv -f UTF-8 -t LATIN1 | tr '\241' '\255'; }

# Intro messages 1, 2 and 4: longer and shorter than the originals, each of its original's
# length parity (in the game's bytes) so that the writer pads nothing and the engine says
# them exactly as written here.
declare -A intro_new=(
    [1]='¡Sabes qué, King?*00*01¡Sabes cómo hacer que una chica lo pase bien, señor mío!*00*01'
    [2]='*01Sólo fue cena y cine.'
    [4]='Al gran Hugh no le gusta que un tipo salga con su chica, señor Müller...*03'
)
intro_untouched=(3 5 6) # said after the changed ones, from data that moved

# QUEEN2.JAS: its message numbers are its line numbers. The chest's description (38) and its
# name (799); the radiator's description (48) comes after and stays as it is. The pieces keep
# their codes (*03, *24), so the voices still match them.
chest_en="Wow, it could be a pirate chest full of treasure!*03But knowing my luck, it's probably full of linen*24"
declare -A jas_new=(
    [38]='Vaya, podría ser un baúl pirata lleno de tesoros.*03Pero con mi suerte, seguro que está lleno de sábanas*24'
    [799]='baúl'
)
declare -A jas_en=([38]=$chest_en [799]='chest'
    [48]="It's bolted to the wall pretty good*14But why would anyone want a radiator in sunny Rio?*06")

# LARIS.DOG: Joe's question (his string 8, option 3 of the first choice) and the bellboy's
# answer (his string 8). Joe's next question, "Anderson owns this hotel?!" (his 40), and the
# answer (the bellboy's 40) lie after both in the file: said from data that moved. The
# question is wider than the 302 pixels an option line may take: with the Spanish letter the
# engine splits it on two lines.
question_en='How long have you been working here?*02'
answer_en='For about six months now.*00My uncle co-owns this hotel with Anderson, so he got me this job.'
declare -A dog_new=(
    [$question_en]='¿Cuánto tiempo llevas trabajando aquí, en este hotel tan grande de Río?*02'
    [$answer_en]='Unos seis meses ya.*00Mi tío es dueño del hotel a medias con Anderson, así que me consiguió este trabajo.'
)
next_question_en='Anderson owns this hotel?!*03'
next_answer_en='Anderson CO-OWNS the hotel.*00Uncle E.A. owns half.*00Anderson is using the money from the business to build up his airline.'

# The game is packed with the Spanish letter: the engine's Spanish verb keys (look at, pick
# up, use, talk to), and options wider than 302 px split on several lines.
language=S
declare -A verb=([look]=m [pick]=t [use]=u [talk]=h)

all_new="${intro_new[*]} ${jas_new[*]} ${dog_new[*]}"
for letter in "${spanish_letters[@]}"; do
    [[ $all_new == *"$letter"* ]] || { echo "test-game: no $letter in the translation" >&2; exit 2; }
done
# The same messages as the game's bytes, for the engine's log.
declare -A intro_bytes=() jas_bytes=() dog_bytes=()
for number in "${!intro_new[@]}"; do intro_bytes[$number]=$(game_bytes "${intro_new[$number]}"); done
for number in "${!jas_new[@]}"; do jas_bytes[$number]=$(game_bytes "${jas_new[$number]}"); done
for text in "${!dog_new[@]}"; do dog_bytes[$text]=$(game_bytes "${dog_new[$text]}"); done

# read_tmf FILE.tmf ARRAY: the messages of an exported .TMF by number (leading zeros dropped).
read_tmf() {
    local -n messages=$2
    local line
    messages=()
    while IFS= read -r line; do
        line=${line%$'\r'}
        [[ $line =~ ^([0-9]+)\ (.*)$ ]] && messages[$((10#${BASH_REMATCH[1]}))]=${BASH_REMATCH[2]}
    done < <(tail -n +3 "$1")
}

# write_tmf EXPORTED.tmf NEW ARRAY: the exported file with the messages of ARRAY (by number)
# replaced; every other line as exported, so that nothing else changes.
write_tmf() {
    local -n replace=$3
    local line number
    {
        head -n 2 "$1"
        while IFS= read -r line; do
            line=${line%$'\r'}
            if [[ $line =~ ^([0-9]+)\  ]] && [ -n "${replace[$((10#${BASH_REMATCH[1]}))]+set}" ]; then
                number=${BASH_REMATCH[1]}
                line="$number ${replace[$((10#$number))]}"
            fi
            printf '%s\r\n' "$line"
        done < <(tail -n +3 "$1")
    } >"$2"
}

# number_of ARRAY TEXT: the one message number whose text is TEXT.
number_of() {
    local -n messages=$1
    local number found=''
    for number in "${!messages[@]}"; do
        if [ "${messages[$number]}" = "$2" ]; then
            [ -z "$found" ] || { echo "test-game: '$2' is there twice" >&2; return 1; }
            found=$number
        fi
    done
    [ -n "$found" ] || { echo "test-game: no message '$2'" >&2; return 1; }
    echo "$found"
}

"$cli" unpack "$game" -o text >/dev/null
for file in CDINT.CUT LARIS.DOG QUEEN2.JAS; do
    [ -e "text/$file" ] || { echo "test-game: quillon-cli unpack wrote no $file" >&2; exit 2; }
    "$cli" export --utf8 "text/$file" -o "$file.tmf"
done

declare -A intro_en=() dog_en=() jas_exported=()
read_tmf CDINT.CUT.tmf intro_en
for number in "${!intro_new[@]}"; do
    if (((${#intro_bytes[$number]} - ${#intro_en[$number]}) % 2)); then
        echo "test-game: intro message $number would be padded; keep its length's parity" >&2
        exit 2
    fi
done
read_tmf QUEEN2.JAS.tmf jas_exported
for number in "${!jas_en[@]}"; do
    if [ "${jas_exported[$number]:-}" != "${jas_en[$number]}" ]; then
        echo "test-game: QUEEN2.JAS message $number is not line $number: '${jas_exported[$number]:-}'" >&2
        exit 2
    fi
done
read_tmf LARIS.DOG.tmf dog_en
declare -A dog_by_number=()
for text in "${!dog_new[@]}"; do
    dog_by_number[$(number_of dog_en "$text")]=${dog_new[$text]}
done
for text in "$next_question_en" "$next_answer_en"; do number_of dog_en "$text" >/dev/null; done

write_tmf CDINT.CUT.tmf CDINT.new.tmf intro_new
write_tmf QUEEN2.JAS.tmf QUEEN2.new.tmf jas_new
write_tmf LARIS.DOG.tmf LARIS.new.tmf dog_by_number
mkdir new play
"$cli" apply text/CDINT.CUT CDINT.new.tmf -o new/CDINT.CUT >/dev/null
"$cli" apply text/QUEEN2.JAS QUEEN2.new.tmf -o new/QUEEN2.JAS >/dev/null
"$cli" apply text/LARIS.DOG LARIS.new.tmf -o new/LARIS.DOG >/dev/null
"$cli" pack "$game" new -o play/queen.1c --language "$language" | tee pack.txt
grep -q "^Version C${language}M10 in the header and in QUEEN.JAS" pack.txt ||
    { echo "test-game: pack did not set the language letter" >&2; exit 2; }

# ---------------------------------------------------------------------------------------------
# Playing it.

# One line of the report per message: said or NOT SAID.
status=0 report=''
check() { # check KIND LABEL BYTES LOG [SHOWN]: SHOWN, the text in UTF-8, when not ASCII
    if grep -a -q -F "Sentence '$3' is said by person" "$4"; then
        report+="said     ($1) $2: ${5:-$3}"$'\n'
    else
        report+="NOT SAID ($1) $2: ${5:-$3}"$'\n'
        status=1
    fi
}
finish() {
    printf '%s' "$report"
    if [ "$status" -ne 0 ]; then
        echo "test-game: the engine did not say every message; its sentences:"
        grep -a -h "^Sentence" "$work"/*.log | iconv -f LATIN1 -t UTF-8 | sed 's/^/  /'
        exit 1
    fi
    echo "test-game: ScummVM said every message as written (intro ${intro_elapsed} s," \
        "scenes ${scenes_elapsed} s, ${SECONDS} s in all)."
}

# The command line (game rows 150 to 159) of the game window, as raw pixels; the same twice
# in a row, so that no frame caught halfway through drawing is kept.
command_line() {
    local height size first='' again _
    size=$(xdotool getwindowgeometry --shell "$gd_window")
    height=$(sed -n 's/^HEIGHT=//p' <<<"$size")
    local width top rows
    width=$(sed -n 's/^WIDTH=//p' <<<"$size")
    top=$((150 * height / 200)) rows=$((10 * height / 200))
    for _ in $(seq 20); do
        gd_wait 5 'Grid::findObjectNumber(' || return
        gd_window_shot "$1" "${width}x$rows+0+$top" || return
        again=$(convert "$1" rgb:- | md5sum)
        [ "$again" = "$first" ] && return 0
        first=$again
    done
    gd_fail "the command line did not keep still"
}

# zone_lines N: "LINES RIGHT" of dialogue option N as the engine last zoned it on the panel
# before what the log has been read to: each line is 10 px high, and a zone ends at x 302
# where options are split, at 319 where they are cut.
zone_lines() {
    local zone
    zone=$(head -c "$gd_pos" "$gd_log" | grep -a "Grid::setZone(1, $1, (0," | tail -n 1)
    [[ $zone =~ \(0,([0-9]+)\),\ \(([0-9]+),([0-9]+)\) ]] ||
        { gd_fail "no zone for option $1"; return; }
    echo "$(((BASH_REMATCH[3] - BASH_REMATCH[1]) / 10)) ${BASH_REMATCH[2]}"
}

gd_start_x "$work"

# The untranslated game, for the chest's name as it shows on the command line.
reference=0
gd_start_game "$(dirname "$game")" reference.log 120 &&
    gd_skip_intro 90 && gd_point 171 95 && command_line name-en.png || reference=1
gd_stop_game

# The translated game: the intro as it plays...
gd_start_game "$work/play" play.log $((timeout + 150))
intro_said() {
    local number
    for number in "${!intro_new[@]}"; do
        grep -a -q -F "Sentence '${intro_bytes[$number]}' is said" play.log || return 1
    done
    for number in "${intro_untouched[@]}"; do
        grep -a -q -F "Sentence '${intro_en[$number]}' is said" play.log || return 1
    done
}
# The line is spoken in parts, each shown over the speaker's head: of a few seconds of
# frames, keep the one with the most text. In the intro that is the brightest top quarter;
# in the lobby, where the text's black outline darkens the frame as much as its letters
# lighten it, the frame that differs in the most pixels from the same scene without text.
# With UNTIL, no frame is taken once the log holds it (the next line is said).
take_screenshot() { # take_screenshot FILE [SCENE_WITHOUT_TEXT [UNTIL]]
    local best=-1 mean _
    for _ in $(seq 24); do
        [ -z "${3:-}" ] || ! grep -a -q -F -- "$3" play.log || break
        gd_window_shot frame.png || break
        if [ -n "${2:-}" ]; then
            mean=$(compare -metric AE -fuzz 10% frame.png "$2" null: 2>&1 || true)
        else
            mean=$(convert frame.png -crop 100%x25%+0+0 -format '%[fx:int(mean*1000000)]' info:)
        fi
        if [ "$mean" -gt "$best" ]; then best=$mean; cp frame.png best.png; fi
        sleep 0.2
    done
    [ -e best.png ] && cp best.png "$1" && rm best.png
}
start=$SECONDS
while kill -0 "$gd_pid" 2>/dev/null && [ $((SECONDS - start)) -lt "$timeout" ]; do
    if [ -n "$intro_shot" ] && grep -a -q -F "Sentence '${intro_bytes[1]}' is said" play.log; then
        take_screenshot "$intro_shot" '' "Sentence '${intro_bytes[2]}' is said"
        intro_shot=''
    fi
    intro_said && break
    sleep 0.5
done
intro_elapsed=$((SECONDS - start))
for number in $(printf '%s\n' "${!intro_new[@]}" | sort -n) "${intro_untouched[@]}"; do
    kind=$([ -n "${intro_new[$number]:-}" ] && echo 'translated, CDINT.CUT' || echo 'untouched, CDINT.CUT')
    check "$kind" "$(printf '%03d' "$number")" "${intro_bytes[$number]:-${intro_en[$number]}}" play.log \
        "${intro_new[$number]:-}"
done

# ...then the rest of the intro skipped, into Joe's hotel room. Each scene goes as far as it
# can; what it did not reach shows as NOT SAID.
start=$SECONDS
name='' climbed=''
gd_now
if gd_skip_intro 60; then
    gd_point 171 95 && command_line name.png && name=1
    # Each look is followed by the engine taking input again, said or not: a wrong sentence
    # fails its own line of the report, not the scenes after it.
    gd_do "${verb[look]}" 171 95 && gd_said 30 "${jas_bytes[38]}" || true
    gd_do "${verb[look]}" 308 95 && gd_said 30 "${jas_en[48]}" || true
    # The sheets off the bed, tied together, tied to the radiator, and down the rope into the
    # room below (71); through its door to the lobby (73).
    gd_do "${verb[pick]}" 230 135 && gd_do "${verb[pick]}" 230 132 &&
        gd_do "${verb[use]}" 196 180 231 180 && gd_do "${verb[use]}" 196 180 308 95 &&
        gd_do "${verb[use]}" 308 95 && gd_wait 60 'Logic::displayRoom(71,' &&
        gd_walk 100 25 && gd_wait 60 'Logic::displayRoom(73,' && climbed=1 || true
    if [ -n "$climbed" ] && gd_do "${verb[talk]}" 301 100 && gd_wait 30 'talk("laris.DOG")' &&
        gd_options_up && option_lines=$(zone_lines 3) &&
        { [ -z "$dialogue_shot" ] || gd_window_shot lobby.png; } && gd_pick 3 &&
        gd_said 30 "${dog_bytes[$question_en]}" && gd_said 30 "${dog_bytes[$answer_en]}"; then
        [ -z "$dialogue_shot" ] || take_screenshot "$dialogue_shot" lobby.png
        gd_choose 1 && gd_said 30 "$next_question_en" && gd_said 30 "$next_answer_en" || true
    fi
fi
scenes_elapsed=$((SECONDS - start))
gd_stop_game

# The engine ran with the Spanish letter: it found the same version in the header and in
# QUEEN.JAS, and split the long option on two lines.
if grep -a -q -F "Detected game version: C${language}M10," play.log &&
    ! grep -a -q -F 'Verifying game version failed' play.log; then
    report+="accepted (pack --language $language) version C${language}M10"$'\n'
else
    report+="REFUSED  (pack --language $language) $(grep -a -m 1 -e 'game version' play.log || echo 'no version logged')"$'\n'
    status=1
fi
if [ "${option_lines:-}" = "2 302" ]; then
    report+="split    (LARIS.DOG option 3) on 2 lines, zone up to x 302"$'\n'
else
    report+="NOT SPLIT (LARIS.DOG option 3) lines and right edge: '${option_lines:-not reached}'"$'\n'
    status=1
fi
check 'translated, QUEEN2.JAS' 038 "${jas_bytes[38]}" play.log "${jas_new[38]}"
check 'untouched, QUEEN2.JAS' 048 "${jas_en[48]}" play.log
if [ "$reference" -ne 0 ] || [ -z "$name" ]; then
    report+="NOT SEEN (translated, QUEEN2.JAS) 799: ${jas_new[799]} (no steady command line)"$'\n'
    status=1
elif cmp -s <(convert name-en.png rgb:-) <(convert name.png rgb:-); then
    report+="NOT SEEN (translated, QUEEN2.JAS) 799: ${jas_new[799]} (the command line shows 'chest')"$'\n'
    status=1
else
    report+="seen     (translated, QUEEN2.JAS) 799: ${jas_new[799]} (command line $(convert name.png rgb:- |
        md5sum | cut -c1-12), not the untranslated game's $(convert name-en.png rgb:- | md5sum | cut -c1-12))"$'\n'
fi
for text in "$question_en" "$answer_en" "$next_question_en" "$next_answer_en"; do
    number=$(number_of dog_en "$text")
    if [ -n "${dog_new[$text]:-}" ]; then
        check 'translated, LARIS.DOG' "$number" "${dog_bytes[$text]}" play.log "${dog_new[$text]}"
    else
        check 'untouched, LARIS.DOG' "$number" "$text" play.log
    fi
done
finish
