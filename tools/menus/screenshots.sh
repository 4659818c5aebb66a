#!/usr/bin/env bash
# The sample game walked through its menus under Wine on a private Xvfb display, with a
# screenshot of each: the title menu, the world map (standing on the first stage square), the
# world map's menu, the save slots, the challenge list with its ranking, the options; then the
# title menu's quit entry ends the game. Saved into docs/menus/ (or the folder given):
#   tools/menus/screenshots.sh [FOLDER]
# Builds the x86_64 target first; plays in a copy of the sample game.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/menus}")
mkdir -p "$out"

"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
work=$(mktemp -d)
game_pid=
cleanup() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
    kit_wine_stop
    rm -rf "$work"
}
trap cleanup EXIT

cp -r "$root/build/x64/sample/." "$work/"
cp -r "$work/default" "$work/data"
cd "$work"
# The game's client area: the window stands at (100, 100) of the virtual desktop, its client
# area below the caption.
geometry=${KIT_PLAY_CLIENT:-640x480+103+122}
shot() {
    import -display "$DISPLAY" -window root "$work/shot.png" && convert "$work/shot.png" -crop "$geometry" +repage "$out/$1"
    echo "screenshots: $out/$1"
}
# Held for a few frames but fewer than the menus' auto-repeat waits (the game reads its keys once
# a frame); a loaded machine draws fewer frames: KIT_MENU_KEY_GAP and KIT_MENU_SETTLE wait longer.
key() {
    for k in "$@"; do
        xdotool keydown "$k"
        sleep 0.2
        xdotool keyup "$k"
        sleep "${KIT_MENU_KEY_GAP:-0.6}"
    done
}
# A scene's fade-out and the next one's fade-in.
settle() { sleep "${KIT_MENU_SETTLE:-6}"; }

"$WINE" "$root/build/x64/game.exe" >"$work/log" 2>&1 </dev/null &
game_pid=$!
sleep "${KIT_PLAY_START_DELAY:-5}"
shot 1-title.png
key z; settle
key Right Right Right; settle
shot 2-world-map.png
key x; settle
shot 3-world-menu.png
# The save list; slot 1 saved (yes on the question), so the list shows its time.
key z; settle
key z Up z; settle
shot 4-save-slots.png
# Back to the menu, the title entry and its question, yes.
key x Up z Up z; settle
key Down Down z; settle
key c; settle
shot 5-challenge.png
key x; settle
key Down Down Down z; settle
shot 6-options.png
key x; settle
key Down z
sleep 5
if kill -0 "$game_pid" 2>/dev/null; then
    echo "screenshots: the game did not end on the title menu's quit entry" >&2
    exit 1
fi
game_pid=
echo "screenshots: the game ended on the title menu's quit entry"
