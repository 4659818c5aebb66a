#!/usr/bin/env bash
# Screenshots of stages played by game.exe as its start file, under Wine on a private Xvfb
# display, saved into docs/play/ (or the folder given):
#   tools/play/stage_shots.sh [FOLDER]
# - the sample game's first stage: the hero standing, walking right under the arrow key, and in
#   the air on Z (sample-1-stand.png, sample-2-walk.png, sample-3-jump.png);
# - the fixture stage that scrolls by itself: at its start, and when the view's left edge has
#   pushed the hero into the wall (autoscroll-1-start.png, autoscroll-2-pushed.png);
# - the fixture stage whose hero stands on an item: its effect, picture and message waiting
#   for a key (item-show.png);
# - the fixture stage whose hero shows its hit boxes: against items outlined in green, against
#   enemies filled half through in red, against shots outlined in the rainbow (hit-boxes.png).
# Builds the x86_64 target first; plays in copies of build/x64/sample and build/x64/fixtures.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/game-session.sh
. "$root/scripts/game-session.sh"
game_display "${1:-$root/docs/play}"

# Play states (game/play/PlayScene.h): 2 play.
game_project sample
game_start 'data\stg4\w1.stg4'
game_wait_last '^Scene 4 on 2\.'
game_shot sample-1-stand.png
# The walk flows move the hero a tenth of a second at a time while the key is held.
xdotool keydown Right
sleep 1
game_shot sample-2-walk.png
xdotool keydown z
sleep 0.3
game_shot sample-3-jump.png
xdotool keyup z Right
game_close

game_project fixtures
game_start 'data\stg4\AutoScroll.stg4'
game_wait_last '^Scene 4 on 2\.'
game_shot autoscroll-1-start.png
# Dying, the hero shows its defeat; the report names the cause.
game_until 60 "the hero did not die" grep -q 'Dead ' Report_Game.txt
game_shot autoscroll-2-pushed.png
game_close

game_project fixtures
game_start 'data\stg4\Show.stg4'
game_wait_last '^Scene 4 on 2\.'
sleep 1
game_shot item-show.png
# The key ends the message's wait.
xdotool keydown z
game_wait '^thPause\.Exit'
xdotool keyup z
game_close

game_project fixtures
game_start 'data\stg4\HitBoxes.stg4'
game_wait_last '^Scene 4 on 2\.'
game_shot hit-boxes.png
game_close
