# Sourced by the screenshot scripts: game.exe run under Wine on a private Xvfb display in a copy
# of a project folder of the build, screenshots of its client area, and keys sent as the game
# shows it takes them.
#   game_display OUT           builds the x86_64 target, starts Wine on its own display and
#                              makes a fresh work folder; screenshots go into OUT
#   game_session PROJECT OUT   builds the x86_64 target, starts Wine on its own display, copies
#                              build/x64/PROJECT (default\ made data\) into a fresh folder and
#                              goes there; screenshots go into OUT
#   game_project PROJECT       another fresh copy of a project folder, gone to
#   game_start [ARGUMENTS...]  starts game.exe there, its error log on
#   game_close                 ends the game
#   game_shot NAME             saves the client area as OUT/NAME
#   game_shot_now NAME         the same at once, for a moment of play that does not wait
#   game_wait PATTERN [S]      waits until a line of the game's log matches (grep -E)
#   game_key KEY...            xdotool keys, each once the running scene takes keys with every
#                              key let go, held until a frame has read it
#   game_key_until KEY PATTERN holds a key until the last scene line matches
#   game_hold KEY SECONDS      holds a key for a while (walking in play)
#   game_ended [S]             true once the game has ended
# The game writes a "Scene ID PHASE STATE.SUB keys DIRECTION BUTTONS" line when a frame's scene,
# state or keys change (game/core/Scene.h): every wait here is on those lines, not on a clock,
# so a loaded machine only makes the run slower. Each wait gives up after 60 s (or S).

game_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
game_pid=
game_work=

# The private display and the output folder, for any program's screenshots: game_display OUT.
game_display() {
    game_out=$(realpath -m "$1")
    mkdir -p "$game_out"
    "$game_root/scripts/build.sh" x64 >/dev/null
    # shellcheck source=scripts/wine-env.sh
    . "$game_root/scripts/wine-env.sh"
    kit_wine_start "$game_root/build/x64" own-display
    game_work=$(mktemp -d)
    trap game_session_end EXIT
}

game_session() {
    game_display "$2"
    game_project "$1"
}

# A fresh copy of build/x64/PROJECT (default\ made data\) in the work folder, gone to.
game_project() {
    local folder="$game_work/$1"
    rm -rf "$folder"
    cp -r "$game_root/build/x64/$1" "$folder"
    rm -rf "$folder/data" "$folder/user_data"
    cp -r "$folder/default" "$folder/data"
    cp "$game_root/build/x64/Vox.dll" "$folder/" 2>/dev/null || true
    cd "$folder"
}

game_session_end() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
    kit_wine_stop
    if [ -n "$game_work" ]; then
        cd /
        rm -rf "$game_work"
    fi
}

game_start() {
    KIT_ERROR_LOG=1 "$WINE" "$game_root/build/x64/game.exe" "$@" >"$game_work/wine.log" 2>&1 </dev/null &
    game_pid=$!
}

# Ends the game without asking it (the screenshots are taken).
game_close() {
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

# The game's client area: the window stands at (100, 100) of the virtual desktop, its client area
# below the caption.
game_shot() {
    # The frame that logged what was waited for is shown right after it.
    sleep 0.5
    game_shot_now "$1"
}

game_shot_now() {
    import -display "$DISPLAY" -window root "$game_work/shot.png"
    convert "$game_work/shot.png" -crop "${KIT_PLAY_CLIENT:-640x480+103+122}" +repage "$game_out/$1"
    echo "screenshots: $game_out/$1"
}

game_log() { [ -f EC_Game.txt ] && tr -d '\r' <EC_Game.txt || true; }

# Runs the command until it succeeds, for up to the seconds given; false, with the message and the
# log's end, when it never does or the game has ended.
# The limit is on the clock, not a count of tries: a try that takes a screenshot is slow.
game_until() {
    local limit=$1 what=$2 start=$SECONDS
    shift 2
    until "$@"; do
        if { [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null; } || ((SECONDS - start >= limit)); then
            echo "screenshots: $what; the log ends:" >&2
            game_log | tail -20 >&2
            return 1
        fi
        sleep 0.1
    done
}

game_has_line() { game_log | grep -Eq "$1"; }
game_last_is() { game_last_scene | grep -Eq "$1"; }
game_wait() { game_until "${2:-60}" "no log line matched '$1'" game_has_line "$1"; }
# Waits until the game's last scene line matches.
game_wait_last() { game_until "${2:-60}" "the last scene line never matched '$1'" game_last_is "$1"; }

game_last_scene() { game_log | grep '^Scene ' | tail -1; }

# True once a scene line after the first N read a key.
game_read_after() { game_log | grep '^Scene ' | tail -n +$(($1 + 1)) | grep -Evq 'keys 0 0$'; }

game_key() {
    local k lines
    for k in "$@"; do
        game_wait_last '^Scene [0-9]+ on [0-9.]+ keys 0 0$'
        lines=$(game_log | grep -c '^Scene ' || true)
        xdotool keydown "$k"
        game_until 60 "no frame read the key $k" game_read_after "$lines" || { xdotool keyup "$k"; return 1; }
        xdotool keyup "$k"
    done
}

# Space (pause) is read apart from the game's keys: it is held until the scene line shows its
# effect.
game_key_until() {
    game_wait_last '^Scene [0-9]+ on [0-9.]+ keys 0 0$'
    xdotool keydown "$1"
    game_wait_last "$2" || { xdotool keyup "$1"; return 1; }
    xdotool keyup "$1"
}

game_hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

game_ended() {
    local limit=${1:-30} waited=0
    while kill -0 "$game_pid" 2>/dev/null; do
        [ "$waited" -ge $((limit * 10)) ] && return 1
        sleep 0.1
        waited=$((waited + 1))
    done
    game_pid=
}
