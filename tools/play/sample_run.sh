#!/usr/bin/env bash
# The sample game's first stage played from start to goal by keys sent to game.exe under Wine on
# a private Xvfb display, with screenshots of each stage of the run saved into docs/play/ (or the
# folder given):
#   tools/play/sample_run.sh [FOLDER]
# run-1-start.png     the hero at the start, a blob on the ground walking towards it;
# run-2-enemy.png     that blob shot, the blob on the bricks walking back and forth (four
#                     looks side by side);
# run-3-gap1.png      the hero over the first gap at the top of its jump;
# run-4-gap2.png      over the second gap, jumped from the stone steps;
# run-5-goal.png      the robot shot, the hero walking to the goal;
# run-6-clear.png     the stage-clear banner; run-7-result.png the result table.
# Every key follows the hero's position and the count of characters that the game logs each
# frame they change ("Hero X Y charas N"), so a slow machine only makes the run slower. The
# result display is found on the screen: the run fails unless the banner's yellow and then the
# table's dark blue cover their places within a time limit.
# Builds the x86_64 target first; plays in a copy of build/x64/sample.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/game-session.sh
. "$root/scripts/game-session.sh"
game_display "${1:-$root/docs/play}"

# Where the route acts, in dots of the hero's hit box (the stage's first column starts at 320):
# the jump before the first gap, the stone step's face, the step top where the walk stops, the
# ground past the second gap.
readonly kJumpGap1=690 kStepFace=1130 kStepTop=1176 kPastGap2=1344
readonly kGround=711 kTop=646

hero_x=0 hero_y=0 hero_n=0 hero_prev_y=0
hero_fd='' hero_rest='' hero_seen=''
# Takes the hero lines the game wrote since the last look; hero_prev_y is the height of the line
# before the last change of height, so a fall shows however late the look comes. The log is read
# on from where the last look stopped, without a process: a look that re-read the whole log
# through a pipe took some five frames, and many more on a busy machine.
hero_read() {
    local line
    if [ -z "$hero_fd" ]; then
        [ -f EC_Game.txt ] || return 1
        exec {hero_fd}<EC_Game.txt
    fi
    while IFS= read -r -u "$hero_fd" line; do
        hero_line "${hero_rest}${line%$'\r'}"
        hero_rest=
    done
    # The last line may still be being written: its start waits for the rest.
    hero_rest+=$line
    [ -n "$hero_seen" ]
}
hero_line() {
    [[ $1 =~ ^Hero\ ([0-9]+)\ ([0-9]+)\ charas\ ([0-9]+)$ ]] || return 0
    [ "${BASH_REMATCH[2]}" = "$hero_y" ] || hero_prev_y=$hero_y
    hero_x=${BASH_REMATCH[1]} hero_y=${BASH_REMATCH[2]} hero_n=${BASH_REMATCH[3]} hero_seen=1
}
# Waits for a hero line on which the condition (an arithmetic expression over hero_x, hero_y,
# hero_n and hero_prev_y) holds, for up to a minute.
hero_until() {
    local start=$SECONDS
    until hero_read && (($1)); do
        if ! kill -0 "$game_pid" 2>/dev/null || ((SECONDS - start >= 60)); then
            echo "sample run: the hero never came to '$1' (at $hero_x $hero_y, $hero_n characters); the log ends:" >&2
            game_log | tail -20 >&2
            xdotool keyup Right z x
            return 1
        fi
        sleep 0.01
    done
}

# True when at least the fraction of the client area's rectangle X Y W H shows the colour (give or
# take a little): screen_has X Y W H COLOUR FRACTION. The look stays in probe.png of the work
# folder.
screen_has() {
    local share
    game_shot_now probe.png >/dev/null
    mv "$game_out/probe.png" "$game_work/probe.png"
    share=$(convert "$game_work/probe.png" -crop "$3x$4+$1+$2" +repage -fuzz 8% -fill white -opaque "$5" \
        -fill black +opaque white -format '%[fx:mean]' info:)
    awk -v s="$share" -v f="$6" 'BEGIN { exit !(s >= f) }'
}

game_project sample
game_start 'data\stg4\w1.stg4'
game_wait_last '^Scene 4 on 2\.'
game_shot run-1-start.png
# The blob on the ground walks towards the hero: one shot.
game_key x
hero_until 'hero_n == 2'
# The blob on the bricks walks back and forth between their ends: four looks at the bricks,
# side by side.
for i in 1 2 3 4; do
    game_shot_now "enemy-$i.png" >/dev/null
    mv "$game_out/enemy-$i.png" "$game_work/"
    sleep 0.7
done
convert "$game_work"/enemy-[1-4].png -crop 192x96+256+200 +repage -bordercolor black -border 2 +append \
    "$game_out/run-2-enemy.png"
echo "screenshots: $game_out/run-2-enemy.png"

# The first gap: a full jump while walking, Z let go once the hero falls.
xdotool keydown Right
hero_until "hero_x >= $kJumpGap1"
xdotool keydown z
hero_until "hero_y > hero_prev_y && (hero_y < $kGround - 20 || hero_x > 840)"
xdotool keyup z
game_shot_now run-3-gap1.png
hero_until "hero_x > 840 && hero_y >= $kGround"

# Against the step's face, a full jump lands on the steps' top, the walk let go above it.
hero_until "hero_x >= $kStepFace"
xdotool keydown z
hero_until "hero_x >= $kStepTop"
xdotool keyup Right
hero_until "hero_y < 660 && hero_y > hero_prev_y"
xdotool keyup z
hero_until "hero_y >= $kTop && hero_y <= 650"
start_y=$hero_y

# The second gap, jumped from there.
xdotool keydown z Right
hero_until "hero_y > hero_prev_y && (hero_y < $start_y - 20 || hero_x > $kPastGap2)"
xdotool keyup z
game_shot_now run-4-gap2.png
hero_until "hero_x > $kPastGap2 && hero_y >= $kGround"
xdotool keyup Right

# The robot before the goal: one shot; then on to the goal.
game_key x
hero_until 'hero_n == 1'
xdotool keydown Right
hero_until 'hero_x >= 1480'
game_shot_now run-5-goal.png
game_until 60 "the screen never showed the stage-clear banner" screen_has 256 192 128 32 'rgb(247,203,41)' 0.1
xdotool keyup Right
cp "$game_work/probe.png" "$game_out/run-6-clear.png"
game_until 30 "the screen never showed the result table" screen_has 336 224 200 48 'rgb(16,28,74)' 0.5
cp "$game_work/probe.png" "$game_out/run-7-result.png"
game_close
