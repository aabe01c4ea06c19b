# Plays Flight of the Amazon Queen in ScummVM from a script, under Xvfb, for test-game.sh
# (sourced, not run). ScummVM logs at debug level 9 and every step waits on what the engine
# writes there: a room shown, the pointer seen where it was put, a verb key read, a command
# carried out, a frame taking input again, a sentence said. Every wait is bounded; one that
# runs out says what it waited for and fails, and the caller goes on to its report.
#
# Coordinates are game pixels (320×200). With stretch_mode=stretch the window scales both
# axes, so a game pixel is found from the window's size, and the engine's own log of the
# pointer confirms it before any click.
#
# State: gd_work (a folder for the configuration and the screenshots), gd_log (ScummVM's
# log), gd_pid (ScummVM's process group), gd_xvfb_pid, gd_window, gd_pos (how far the log has
# been read: each wait looks after it and moves it past the line it found).

gd_fail() {
    echo "game-driver: $*" >&2
    return 1
}

# gd_start_x WORK: a private X screen; sets DISPLAY.
gd_start_x() {
    gd_work=$1
    : >"$gd_work/display"
    # Xvfb picks a free display itself and tells which.
    setsid Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$gd_work/display" \
        2>"$gd_work/xvfb.log" &
    gd_xvfb_pid=$!
    local _
    for _ in $(seq 100); do [ -s "$gd_work/display" ] && break; sleep 0.1; done
    [ -s "$gd_work/display" ] || { cat "$gd_work/xvfb.log" >&2; gd_fail "Xvfb did not start"; return; }
    export DISPLAY=:$(cat "$gd_work/display")
}

# gd_start_game GAME_DIR LOG [SECONDS]: ScummVM on the game in GAME_DIR, ended by itself
# after SECONDS (default 180) at the latest. A fresh home and configuration each time:
# subtitles on, no autosave (it would save on every room change), the window stretched over
# the game's pixels.
gd_start_game() {
    local dir=$1 seconds=${3:-180}
    gd_log=$2
    local home=$gd_work/home.$$.$RANDOM
    mkdir -p "$home/saves"
    cat >"$home/scummvm.ini" <<EOF
[scummvm]
autosave_period=0
subtitles=true
stretch_mode=stretch
aspect_ratio=false
fullscreen=false
confirm_exit=false
EOF
    : >"$gd_log"
    gd_pos=0 gd_window=''
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        XDG_CACHE_HOME=$home/.cache SDL_AUDIODRIVER=dummy \
        setsid timeout -k 5 "$seconds" stdbuf -oL -eL "$scummvm" --config="$home/scummvm.ini" \
        --savepath="$home/saves" --path="$dir" -n -d 9 queen >"$gd_log" 2>&1 &
    gd_pid=$!
    local deadline=$((SECONDS + 30))
    while [ -z "$gd_window" ]; do
        gd_window=$(xdotool search --onlyvisible --name 'Amazon Queen' 2>/dev/null | head -n 1 || true)
        [ -n "$gd_window" ] && break
        kill -0 "$gd_pid" 2>/dev/null || { gd_fail "ScummVM ended before it opened a window"; return; }
        [ "$SECONDS" -lt "$deadline" ] || { gd_fail "ScummVM opened no window in 30 s"; return; }
        sleep 0.1
    done
    # Keys go where the pointer is: put it inside the window.
    xdotool mousemove --window "$gd_window" 10 10
}

# gd_stop_game: ends ScummVM's process group and waits for it.
gd_stop_game() {
    [ -n "${gd_pid:-}" ] || return 0
    kill -TERM -- "-$gd_pid" 2>/dev/null || true
    wait "$gd_pid" 2>/dev/null || true
    gd_pid=''
}

gd_stop_x() {
    [ -n "${gd_xvfb_pid:-}" ] || return 0
    kill -TERM -- "-$gd_xvfb_pid" 2>/dev/null || true
    wait "$gd_xvfb_pid" 2>/dev/null || true
    gd_xvfb_pid=''
}

# What is in the log now: what happens after an input is looked for from here.
gd_now() { gd_pos=$(stat -c %s "$gd_log"); }

# gd_wait SECONDS TEXT: until a line after gd_pos holds TEXT (bytes, not a pattern); moves
# gd_pos past that line.
gd_wait() {
    local seconds=$1 text=$2 deadline=$((SECONDS + $1)) hit
    while :; do
        hit=$(tail -c +"$((gd_pos + 1))" "$gd_log" | grep -a -b -m 1 -F -- "$text" || true)
        if [ -n "$hit" ]; then
            # grep -b gives the line's byte offset; the line itself follows the colon.
            local offset=${hit%%:*} line=${hit#*:}
            gd_pos=$((gd_pos + offset + ${#line} + 1))
            return 0
        fi
        kill -0 "$gd_pid" 2>/dev/null || { gd_fail "ScummVM ended while waiting for: $text"; return; }
        [ "$SECONDS" -lt "$deadline" ] || { gd_fail "nothing logged in $seconds s: $text"; return; }
        sleep 0.1
    done
}

# gd_wait_input [SECONDS]: until the engine takes the player's input again. It looks for the
# object under the pointer once a frame then, and only then: three such frames in a row
# after gd_pos mean any input sent before gd_pos has been read.
gd_wait_input() {
    local seconds=${1:-30}
    gd_wait "$seconds" 'Grid::findObjectNumber(' &&
        gd_wait 5 'Grid::findObjectNumber(' &&
        gd_wait 5 'Grid::findObjectNumber('
}

# gd_point X Y: the pointer on game pixel (X, Y), once the engine has seen it there.
gd_point() {
    local x=$1 y=$2 size width height
    size=$(xdotool getwindowgeometry --shell "$gd_window") || { gd_fail "no window"; return; }
    width=$(sed -n 's/^WIDTH=//p' <<<"$size")
    height=$(sed -n 's/^HEIGHT=//p' <<<"$size")
    # The engine divides the window pixel by the scale and drops the fraction: round up.
    gd_now
    xdotool mousemove --window "$gd_window" $(((x * width + 319) / 320)) $(((y * height + 199) / 200))
    # Below the room (y 150 on) lies the panel: verbs and inventory, zones of set 1.
    gd_wait 5 "Logic::findZoneForPos($((y >= 150)), ($x,$y))" ||
        gd_fail "the engine did not see the pointer at ($x, $y) in a ${width}x$height window"
}

# gd_key KEY: a key press, once the engine has read it (English keys only: their codes are
# the letters' ASCII codes).
gd_key() {
    local key=$1 code
    case $key in
    Escape) code=27 ;;
    space) code=32 ;;
    *) code=$(printf '%d' "'$key") ;;
    esac
    gd_now
    xdotool key "$key"
    gd_wait 5 "_inKey = $code"
}

gd_click() {
    gd_now
    xdotool click 1
}

# gd_do VERB_KEY X Y [X2 Y2]: a verb on the object at (X, Y), or on it and the one at
# (X2, Y2) (use ... on ..., both may be inventory slots); done when the engine carries it out.
gd_do() {
    gd_wait_input 60 && gd_point "$2" "$3" && gd_key "$1" && gd_click || return
    if [ $# -ge 5 ]; then
        gd_wait_input 10 && gd_point "$4" "$5" && gd_click || return
    fi
    gd_wait 60 'Command::executeCurrentAction()'
}

# gd_walk X Y: a click with no verb (walk to, or through an exit).
gd_walk() {
    gd_wait_input 60 && gd_point "$1" "$2" && gd_click
}

# gd_skip_intro [SECONDS]: Escape until the first playable room, Joe's hotel room (70), is
# shown and takes input. A press that falls between two cutscenes is lost, so it presses
# again while none is running: each press waits for the engine to read it.
gd_skip_intro() {
    local deadline=$((SECONDS + ${1:-90})) start=$gd_pos
    while :; do
        gd_pos=$start
        gd_wait 0 'Logic::displayRoom(70,' 2>/dev/null && break
        kill -0 "$gd_pid" 2>/dev/null || { gd_fail "ScummVM ended before room 70"; return; }
        [ "$SECONDS" -lt "$deadline" ] || { gd_fail "room 70 not reached by pressing Escape"; return; }
        gd_key Escape 2>/dev/null || true
        sleep 0.2
    done
    gd_wait_input 60
}

# gd_options_up: until the dialogue options are up (the panel's zones are cleared for them,
# then the engine looks where the pointer is on the panel, once a frame, until one is chosen).
gd_options_up() {
    gd_wait 60 'Grid::clear(1)' && gd_wait 10 'Logic::findZoneForPos(1,'
}

# gd_pick N: option N of the options that are up.
gd_pick() {
    gd_key "$1" && gd_wait 5 "Selected sentence $1"
}

gd_choose() {
    gd_options_up && gd_pick "$1"
}

# gd_said SECONDS SENTENCE: until the engine says SENTENCE exactly (after gd_pos).
gd_said() {
    gd_wait "$1" "Sentence '$2' is said by person"
}

# gd_window_shot FILE [GEOMETRY]: the game window (or a part: WxH+X+Y in window pixels).
gd_window_shot() {
    if [ -n "${2:-}" ]; then
        import -window "$gd_window" -crop "$2" +repage "$1" 2>/dev/null
    else
        import -window "$gd_window" "$1" 2>/dev/null
    fi
}
