#!/usr/bin/env bash
# The sample game walked through its menus under Wine on a private Xvfb display, with a
# screenshot of each: the title menu, the world map (standing on the first stage square), the
# world map's menu, the save slots, the challenge list with its ranking, the options; then the
# title menu's quit entry ends the game. Saved into docs/menus/ (or the folder given):
#   tools/menus/screenshots.sh [FOLDER]
# Builds the x86_64 target first; plays in a copy of the sample game.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/game-session.sh
. "$root/scripts/game-session.sh"
game_session sample "${1:-$root/docs/menus}"

# Each shot once its scene runs (scene ids: 0 title, 1 world map, 2 world menu and save
# slots, 3 challenge, 5 options).
game_start
game_wait_last '^Scene 0 on '
game_shot 1-title.png
game_key z Right Right Right
game_wait_last '^Scene 1 on .* keys 0 0$'
game_shot 2-world-map.png
game_key x
game_wait_last '^Scene 2 on '
game_shot 3-world-menu.png
# The save list; slot 1 saved (yes on the question), so the list shows its time.
game_key z z Up z
game_wait_last '^Scene 2 on .* keys 0 0$'
game_shot 4-save-slots.png
# Back to the menu, the title entry and its question, yes; then the challenge list.
game_key x Up z Up z Down Down z c
game_wait_last '^Scene 3 on .* keys 0 0$'
game_shot 5-challenge.png
game_key x Down Down Down z
game_wait_last '^Scene 5 on .* keys 0 0$'
game_shot 6-options.png
game_key x Down z
if ! game_ended 30; then
    echo "screenshots: the game did not end on the title menu's quit entry" >&2
    exit 1
fi
echo "screenshots: the game ended on the title menu's quit entry"
