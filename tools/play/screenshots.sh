#!/usr/bin/env bash
# The game started with the factory stage as its start file, under Wine on a private Xvfb display:
# screenshots of the banner, of play, of the pause menu that Space opens, then the menu's quit
# entry ends the game. Saved into docs/play/ (or the folder given):
#   tools/play/screenshots.sh [FOLDER]
# Builds the x86_64 target first; plays in a copy of the factory project.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/game-session.sh
. "$root/scripts/game-session.sh"
game_session project "${1:-$root/docs/play}"

# Play states (game/play/PlayScene.h): 1 the banner, 2 play, 3 the pause menu.
game_start 'data\stg4\Default.stg4'
game_wait_last '^Scene 4 on 1\.'
game_shot 1-banner.png
game_wait_last '^Scene 4 on 2\.'
game_shot 2-play.png
game_key_until space '^Scene 4 on 3\.'
game_shot 3-pause.png
game_key Up z
if ! game_ended 30; then
    echo "screenshots: the game did not end after quitting from the pause menu" >&2
    exit 1
fi
echo "screenshots: the game ended from the pause menu"
