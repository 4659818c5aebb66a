#!/usr/bin/env bash
# How the game runs as the player sees it. game.exe plays the sample game's first stage from its
# committed replay (tests/game/play/fixtures/SampleLog.inc written as a replay file) on a private
# display, chosen as a player chooses one: the title menu's "リプレイ" entry, and the replay file's
# whole path typed into its open dialog (keys sent with xdotool: the game's frame lines show when
# the menu runs and when the dialog holds the game, the screen where the menu's cursor stands; a
# play that does not come to its result is tried once more). KIT_FRAME_TIMES is set, so that the game writes every
# frame's time to FrameTimes.txt; its error log stays off, as a player's does. The frames of play
# (the play scene running, up to its result)
# are summed up: the median and 99th-percentile time from one frame's picture to the next, the
# share of frames later than 16.7 ms (a 60 Hz screen's refresh), where the late frames' time
# went (medians: the loop between frames, the wait for the deadline, the frame's work and within
# it the input's poll, the scene's run and the DirectDraw locks, blits and GDI drawing, the
# present), and what made each late (see with_causes). KIT_FRAME_LOGS names a folder that keeps
# every run's frame lines.
# Each Wine Direct3D renderer (HKCU\Software\Wine\Direct3D, value renderer; "default" leaves it
# unset) that plays here runs ROUNDS times idle and ROUNDS times with all but one of the measured
# cores kept busy by a load the script starts and stops itself, the two in alternating order.
#   tools/frames/frame_times.sh [ROUNDS]      (default 5)
# KIT_FRAME_SETTINGS lists the renderers (default "default gl vulkan gdi"; one that does not play
# here is left out and named). KIT_FRAME_CORES lists the measured cores (a taskset list; default
# the last two cores the script was started on, or the one when there is only one): the display, Wine's server, the game and the load run there, and the script itself (its
# looks at the game's file and its keys) on the other cores it was started on. The figures depend on the machine and on what
# else runs on it. Not a test: it measures time. It fails when no renderer gives figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
rounds=${1:-5}

# The cores of a taskset list, one a line.
core_list() {
    local part
    for part in ${1//,/ }; do seq "${part%-*}" "${part#*-}"; done
}
started=$(taskset -pc $$ | sed 's/.*: //')
cores=${KIT_FRAME_CORES:-$(core_list "$started" | tail -n 2 | paste -sd,)}
"$root/scripts/build.sh" x64 >/dev/null
mapfile -t measured < <(core_list "$cores")
# The script's own cores: those it was started on but the measured ones (all it was started on,
# when there are no others), so that cores kept for something else stay quiet.
others=$(core_list "$started" | grep -vxF -f <(printf '%s\n' "${measured[@]}") | paste -sd, || true)
others=${others:-$started}
pinned() { taskset -c "$cores" "$@"; }

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
# A prefix of its own (the renderer it sets must not reach the tests' prefix), and the display and
# Wine's server started on the measured cores.
taskset -pc "$cores" $$ >/dev/null
kit_wine_start "$root/build/x64/frames" own-display
taskset -pc "$others" $$ >/dev/null

work=$(mktemp -d)
load_pids=()
stop_load() {
    local pid
    for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${load_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    load_pids=()
}
start_load() {
    local core
    for core in "${measured[@]:1}"; do
        taskset -c "$core" sh -c 'while :; do :; done' &
        load_pids+=($!)
    done
}
game_pid=
stop_game() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    game_pid=
}
finish() {
    stop_load
    stop_game
    kit_wine_stop
    rm -rf "$work"
}
trap finish EXIT

cp -r "$root/build/x64/sample" "$work/sample"
rm -rf "$work/sample/data" "$work/sample/user_data"
cp -r "$work/sample/default" "$work/sample/data"
(cd "$root/build/x64" && pinned "$WINE" tools/replay/write_replay.exe Sample "$work/sample/sample.rpl4_147" >/dev/null)
# The replay's whole path as Wine names it (its Z: drive is the root folder).
replay_path="Z:${work//\//\\}\\sample\\sample.rpl4_147"

set_renderer() {
    local key='HKCU\Software\Wine\Direct3D'
    if [ "$1" = default ]; then
        pinned "$WINE" reg delete "$key" /v renderer /f >/dev/null 2>&1 || true
    else
        pinned "$WINE" reg add "$key" /v renderer /t REG_SZ /d "$1" /f >/dev/null 2>&1
    fi
}

times="$work/sample/FrameTimes.txt"
# The frame lines of play: the play scene running (state 2), up to its result (state 4).
play_frames() {
    tr -d '\r' <"$times" | awk '$5 == 4 && $6 == 4 { exit } $5 == 4 && $6 == 2 { print }'
}

# The frame lines written so far, and the scene and state ("S T") of the last but one (the last
# may still be being written).
frame_count() { grep -c '^Frame ' "$times" 2>/dev/null || true; }
last_scene() { tr -d '\r' 2>/dev/null <"$times" | tail -n 2 | head -n 1 | cut -d' ' -f5-6; }

# Waits, for up to the seconds given, until the command succeeds; false when the game has ended
# or the time ran out.
game_until() {
    local limit=$1 waited=0
    shift
    until "$@"; do
        kill -0 "$game_pid" 2>/dev/null && [ "$waited" -lt $((limit * 4)) ] || return 1
        sleep 0.25
        waited=$((waited + 1))
    done
}
# The scene and state as a pattern ("4 *": any state of play).
# shellcheck disable=SC2053
in_scene() { [[ "$(last_scene)" == $1 ]]; }
# True once the frame lines count more than the number given.
frames_past() { [ "$(frame_count)" -gt "$1" ]; }
# True once no frame has been written for two seconds: the game thread waits for a dialog.
frames_stopped() {
    local before
    before=$(frame_count)
    sleep 2
    [ "$(frame_count)" -eq "$before" ]
}

# A key held until three frames have passed, looked at often (a direction held for 18 frames
# repeats), or after the polls given (0.02 s each) when the frames stop: a frame that read it
# waits for a dialog, which the display would fill with the key's repeats.
hold_key() {
    local seen waited
    seen=$(frame_count)
    xdotool keydown "$1"
    for ((waited = 0; waited < $2; waited++)); do
        frames_past $((seen + 3)) && break
        sleep 0.02
    done
    xdotool keyup "$1"
}

# A menu key as a player presses it: held for three frames, then let go for three.
menu_key() {
    local seen waited
    hold_key "$1" 1500
    seen=$(frame_count)
    for ((waited = 0; waited < 1500; waited++)); do
        frames_past $((seen + 3)) && return
        sleep 0.02
    done
    return 1
}

# The title menu's row that the cursor stands on, as the screen shows it: its yellow arrow before
# the row (the client area stands at (103, 122) of Wine's desktop, the menu's rows at
# y 240 + 32 × row). Empty when no row shows it.
cursor_row() {
    import -display "$DISPLAY" -window root "$work/look.png" 2>/dev/null || return 0
    local row
    for row in 0 1 2 3 4 5 6; do
        if convert "$work/look.png" -crop "1x1+308+$((378 + 32 * row))" -format '%[fx:r>0.7&&g>0.5&&b<0.4]' info: |
            grep -qx 1; then
            echo "$row"
            return
        fi
    done
}

# The replay chosen as a player chooses it: on the title menu (scene 0 in its list, state 1) the
# cursor is moved down until it stands on "リプレイ" (the fifth row), which is decided; the game
# holds its frames while the open dialog shows, whose name box takes the replay file's whole
# path. True once play has begun (scene 4).
choose_replay() {
    game_until 60 in_scene "0 1" || return 1
    local tries
    for ((tries = 0; tries < 14; tries++)); do
        [ "$(cursor_row)" = 4 ] && break
        menu_key Down || return 1
    done
    [ "$(cursor_row)" = 4 ] || return 1
    hold_key z 25
    game_until 10 frames_stopped || return 1
    # The dialog fills its boxes once it shows; a name typed before that is lost. What the box
    # holds then is replaced.
    sleep 1
    xdotool key Home shift+End BackSpace
    xdotool type --delay 30 "$replay_path"
    xdotool key Return
    game_until 60 in_scene "4 *"
}

# Plays the replay once; the frame lines of play go to the file given. False when the game never
# reached the result: a renderer that shows no menu in a minute (a box may wait for a person
# instead), a replay that could not be chosen, or play over five minutes.
play_once() {
    local out=$1
    rm -f "$times"
    (cd "$work/sample" && KIT_FRAME_TIMES=1 exec taskset -c "$cores" "$WINE" "$root/build/x64/game.exe" \
        >/dev/null 2>&1 </dev/null) &
    game_pid=$!
    if ! choose_replay || ! game_until 300 grep -q '^Frame [0-9]* [0-9.]* scene 4 4 ' "$times"; then
        stop_game
        return 1
    fi
    stop_game
    play_frames >"$out"
    if [ -n "${KIT_FRAME_LOGS:-}" ]; then mkdir -p "$KIT_FRAME_LOGS" && cp "$out" "$KIT_FRAME_LOGS/"; fi
}

# A play that did not come to its result is tried once more: the keys that choose the replay
# may miss on a busy machine.
play_twice() { play_once "$1" || play_once "$1"; }

# Appends to each frame line what made it later than the one before: a frame's time is 16 ms plus
# how late after its due time it started (the due time counts from the check before: a wait that
# ended late, or a frame before it that took more than 16 ms) plus how much longer its input, run,
# drawing (the rest of the work) and present took than the frame's before; the largest of these
# names the cause. A frame without the one before it in the lines has none (-).
with_causes() {
    awk '{
        cause = "-"
        if ($2 == n + 1) {
            grew = work + present + $8 + $10 - 16; cause = "start"
            if ($14 - input > grew) { grew = $14 - input; cause = "input" }
            if ($16 - run > grew) { grew = $16 - run; cause = "run" }
            if ($12 - $14 - $16 - (work - input - run) > grew) { grew = $12 - $14 - $16 - (work - input - run); cause = "drawing" }
            if ($18 - present > grew) cause = "present"
        }
        print $0, cause
        n = $2; work = $12; input = $14; run = $16; present = $18
    }'
}

# One row of the table from frame lines: frames, median, 99th percentile, late share, the late
# frames' median parts (loop, wait, work with its input, run, locks, blits and GDI drawing,
# present), and how many of them each cause made late.
summary() {
    with_causes | sort -g -k3,3 | awk '
        function median(a, n,   i, j, t) {
            for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
            return n ? a[int((n + 1) / 2)] : 0
        }
        { n++; ms[n] = $3
          if ($3 > 16.7) {
              late++; loop[late] = $8; wait[late] = $10; work[late] = $12; input[late] = $14; run[late] = $16
              present[late] = $18; lock[late] = $21; blit[late] = $24; gdi[late] = $27; cause[$NF]++
          } }
        END {
            if (!n) { print "| 0 | | | | | |"; exit }
            p = int(n * 0.99 + 0.999999); if (p > n) p = n
            parts = late ? sprintf("%.2f / %.2f / %.2f (%.2f, %.2f; %.2f, %.2f, %.2f) / %.2f", median(loop, late),
                                   median(wait, late), median(work, late), median(input, late), median(run, late),
                                   median(lock, late), median(blit, late), median(gdi, late), median(present, late)) : "-"
            causes = late ? sprintf("%d / %d / %d / %d / %d", cause["start"], cause["input"], cause["run"],
                                    cause["drawing"], cause["present"]) : "-"
            printf "| %d | %.2f | %.2f | %.1f %% | %s | %s |\n", n, ms[int((n + 1) / 2)], ms[p], 100 * late / n, parts,
                   causes
        }'
}

renderers=()
for renderer in ${KIT_FRAME_SETTINGS:-default gl vulkan gdi}; do
    set_renderer "$renderer"
    if play_twice "$work/try.txt" && [ -s "$work/try.txt" ]; then
        renderers+=("$renderer")
    else
        echo "renderer $renderer: the game did not play the replay to its end here; left out" >&2
    fi
done
if [ ${#renderers[@]} -eq 0 ]; then
    echo "no renderer played the replay to its end here: no figures" >&2
    exit 1
fi

echo "measured cores $cores (the load on all but the first), the script on $others;" \
    "load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
echo
echo "| renderer | load | round | frames | median ms | 99th pct ms | later than 16.7 ms |" \
    "late frames, medians: loop / wait / work (input, run; locks, blits, gdi) / present ms |" \
    "late by: start / input / run / drawing / present |"
echo "|---|---|---|---|---|---|---|---|---|"
played=0
for round in $(seq 1 "$rounds"); do
    for renderer in "${renderers[@]}"; do
        set_renderer "$renderer"
        # The pair's order alternates, so that neither half always comes first.
        if [ $((round % 2)) -eq 1 ]; then loads="idle busy"; else loads="busy idle"; fi
        for load in $loads; do
            [ "$load" = busy ] && start_load
            if play_twice "$work/$renderer-$load-$round.txt"; then
                played=$((played + 1))
                echo "| $renderer | $load | $round $(summary <"$work/$renderer-$load-$round.txt")"
            else
                echo "| $renderer | $load | $round | the replay did not end |"
            fi
            stop_load
        done
    done
done
for renderer in "${renderers[@]}"; do
    for load in idle busy; do
        echo "| $renderer | $load | all $(cat "$work/$renderer-$load-"*.txt 2>/dev/null | summary)"
    done
done
echo
echo "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
if [ "$played" -eq 0 ]; then
    echo "no round played the replay to its end: no figures" >&2
    exit 1
fi
