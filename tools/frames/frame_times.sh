#!/usr/bin/env bash
# How the game runs as the player sees it. game.exe plays the sample game's first stage from its
# committed replay (tests/game/play/fixtures/SampleLog.inc written as a replay file, played as
# `game.exe FILE.rpl4_147`) on a private display, with KIT_FRAME_TIMES set so that it logs every
# frame's time; the frames of play (from the run's first frame to the result) are summed up: the
# median and 99th-percentile time from one frame's picture to the next, the share of frames
# later than 16.7 ms (a 60 Hz screen's refresh), and where the late frames' time went (the loop
# between frames, the wait for the deadline, the frame's work and within it the DirectDraw locks,
# blits and GDI drawing, the present; medians).
# Each Wine setting (under HKCU\Software\Wine\Direct3D: renderer, Wine's default or gdi, and
# csmt 0, which makes the Direct3D layer do its work on the calling thread) that plays here is run
# once idle and once with all but one of the script's cores kept busy by a load the script starts
# and stops itself, in alternating pairs, ROUNDS times (default 3).
#   tools/frames/frame_times.sh [ROUNDS]
# KIT_FRAME_SETTINGS lists the settings, RENDERER or RENDERER:csmt0 (default
# "default gdi default:csmt0 gdi:csmt0"; vulkan may be named where a Vulkan driver is installed).
# KIT_FRAME_CORES names the cores it all runs on (a taskset list; default 2-7): the display, Wine
# and the game run there, and the load keeps every one of them but the first busy. The figures
# depend on the machine and on what else runs on it. Not a test: it measures time.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cores=${KIT_FRAME_CORES:-2-7}
rounds=${1:-3}
# Everything it starts, Xvfb and Wine's server included, runs on the chosen cores.
if [ -z "${KIT_FRAMES_PINNED:-}" ]; then
    KIT_FRAMES_PINNED=1 exec taskset -c "$cores" "$0" "$@"
fi
"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
# A prefix of its own: the renderer it sets must not reach the tests' prefix.
kit_wine_start "$root/build/x64/frames" own-display

work=$(mktemp -d)
load_pids=()
stop_load() {
    local pid
    for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${load_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    load_pids=()
}
game_pid=
finish() {
    stop_load
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
    kit_wine_stop
    rm -rf "$work"
}
trap finish EXIT

# The cores of the list, one a line.
core_list() {
    local part from to
    for part in ${1//,/ }; do
        from=${part%-*} to=${part#*-}
        seq "$from" "$to"
    done
}
mapfile -t all_cores < <(core_list "$cores")
start_load() {
    local core
    for core in "${all_cores[@]:1}"; do
        taskset -c "$core" sh -c 'while :; do :; done' &
        load_pids+=($!)
    done
}

cp -r "$root/build/x64/sample" "$work/sample"
rm -rf "$work/sample/data" "$work/sample/user_data"
cp -r "$work/sample/default" "$work/sample/data"
(cd "$root/build/x64" && "$WINE" tools/replay/write_replay.exe Sample "$work/sample/sample.rpl4_147" >/dev/null)

# Sets a setting, RENDERER or RENDERER:csmt0, in the prefix; what it does not name is Wine's default.
set_setting() {
    local key='HKCU\Software\Wine\Direct3D' renderer=${1%%:*}
    if [ "$renderer" = default ]; then
        "$WINE" reg delete "$key" /v renderer /f >/dev/null 2>&1 || true
    else
        "$WINE" reg add "$key" /v renderer /t REG_SZ /d "$renderer" /f >/dev/null 2>&1
    fi
    if [ "${1#*:}" = csmt0 ]; then
        "$WINE" reg add "$key" /v csmt /t REG_DWORD /d 0 /f >/dev/null 2>&1
    else
        "$WINE" reg delete "$key" /v csmt /f >/dev/null 2>&1 || true
    fi
}

# The frame lines of play in the log: after the run's first frame, up to the result.
play_frames() {
    tr -d '\r' <"$work/sample/EC_Game.txt" |
        awk '/^Scene 4 [a-z]+ 2\./ { on = 1 } /^Scene 4 [a-z]+ 4\./ { exit } on && /^Frame / { print }'
}

# Plays the replay once; the frame lines go to the file given. False when the game never
# reached the result (a setting that does not start, or a run over three minutes).
play_once() {
    local out=$1 waited=0
    rm -f "$work/sample/EC_Game.txt"
    (cd "$work/sample" && KIT_FRAME_TIMES=1 exec "$WINE" "$root/build/x64/game.exe" sample.rpl4_147 \
        >/dev/null 2>&1 </dev/null) &
    game_pid=$!
    until grep -q '^Scene 4 [a-z]* 4\.' "$work/sample/EC_Game.txt" 2>/dev/null; do
        # A renderer that cannot start shows no frame (a box may wait for a person instead).
        if ! kill -0 "$game_pid" 2>/dev/null || [ "$waited" -ge 1800 ] ||
            { [ "$waited" -ge 200 ] && ! grep -q '^Frame ' "$work/sample/EC_Game.txt" 2>/dev/null; }; then
            kill "$game_pid" 2>/dev/null || true
            wait "$game_pid" 2>/dev/null || true
            game_pid=
            "$WINESERVER" -k >/dev/null 2>&1 || true
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    # The game ends with its window: nothing of it may hold on into the next run.
    "$WINESERVER" -k >/dev/null 2>&1 || true
    play_frames >"$out"
}

# One row of the table from frame lines: frames, median, 99th percentile, late share, and the
# late frames' median parts: loop, wait, work (its locks, blits and GDI drawing), present.
summary() {
    awk '
        function median(a, n,   i, j, t) {
            for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
            return n ? a[int((n + 1) / 2)] : 0
        }
        { n++; ms[n] = $3
          if ($3 > 16.7) {
              late++; loop[late] = $5; wait[late] = $7; work[late] = $9; present[late] = $11
              lock[late] = $14; blit[late] = $17; gdi[late] = $20
          } }
        END {
            if (!n) { print "| 0 | | | | |"; exit }
            for (i = 1; i <= n; i++) sorted[i] = ms[i]
            m = median(sorted, n)
            p = int(n * 0.99 + 0.999999); if (p > n) p = n; p99 = sorted[p]
            parts = late ? sprintf("%.2f / %.2f / %.2f (%.2f, %.2f, %.2f) / %.2f", median(loop, late),
                                   median(wait, late), median(work, late), median(lock, late), median(blit, late),
                                   median(gdi, late), median(present, late)) : "-"
            printf "| %d | %.2f | %.2f | %.1f %% | %s |\n", n, m, p99, 100 * late / n, parts
        }'
}

settings=()
for setting in ${KIT_FRAME_SETTINGS:-default gdi default:csmt0 gdi:csmt0}; do
    set_setting "$setting"
    if play_once "$work/try.txt" && [ -s "$work/try.txt" ]; then
        settings+=("$setting")
    else
        echo "setting $setting: the game did not play the replay to its end; left out" >&2
    fi
done

echo "cores $cores (load on all but the first), load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
echo
echo "| setting | load | round | frames | median ms | 99th pct ms | later than 16.7 ms | late frames: loop / wait / work (locks, blits, gdi) / present ms |"
echo "|---|---|---|---|---|---|---|---|"
for round in $(seq 1 "$rounds"); do
    for setting in "${settings[@]}"; do
        set_setting "$setting"
        # The pair's order alternates, so that neither half always comes first.
        if [ $((round % 2)) -eq 1 ]; then loads="idle busy"; else loads="busy idle"; fi
        for load in $loads; do
            [ "$load" = busy ] && start_load
            if play_once "$work/$setting-$load-$round.txt"; then
                echo "| $setting | $load | $round $(summary <"$work/$setting-$load-$round.txt")"
            else
                echo "| $setting | $load | $round | the replay did not end |"
            fi
            stop_load
        done
    done
done
for setting in "${settings[@]}"; do
    for load in idle busy; do
        echo "| $setting | $load | all $(cat "$work/$setting-$load-"*.txt 2>/dev/null | summary)"
    done
done
echo
echo "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
