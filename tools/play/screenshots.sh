#!/usr/bin/env bash
# The game started with the factory stage as its start file, under Wine on a private Xvfb display:
# screenshots of the fade-in and banner, of play, of the pause menu that Space opens, then the
# menu's quit entry ends the game. Saved into docs/play/ (or the folder given):
#   tools/play/screenshots.sh [FOLDER]
# Builds the x86_64 target first; plays in a copy of the factory project.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/play}")
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
    [ -n "${KIT_PLAY_KEEP:-}" ] && cp "$work"/full-*.png "$out/" 2>/dev/null; rm -rf "$work"
}
trap cleanup EXIT

cp -r "$root/build/x64/project/." "$work/"
cp -r "$work/default" "$work/data"
cp "$root/build/x64/Vox.dll" "$work/" 2>/dev/null || true
cd "$work"
shot() {
    import -display "$DISPLAY" -window root "$work/shot.png" && cp "$work/shot.png" "$work/full-$1" && convert "$work/shot.png" -crop "$geometry" +repage "$out/$1"
    echo "screenshots: $out/$1"
}
# Held for a few frames: the game reads its keys once a frame.
key() {
    xdotool keydown "$1"
    sleep 0.3
    xdotool keyup "$1"
    sleep 0.5
}

"$WINE" "$root/build/x64/game.exe" 'data\stg4\Default.stg4' >"$work/log" 2>&1 </dev/null &
game_pid=$!
sleep "${KIT_PLAY_START_DELAY:-5}"
# The game's client area: the window stands at (100, 100) of the virtual desktop, its client
# area below the caption.
geometry=${KIT_PLAY_CLIENT:-640x480+103+122}
shot 1-banner.png
# The banner lasts 80 frames; a loaded machine draws fewer than 60 a second.
sleep "${KIT_PLAY_BANNER_WAIT:-14}"
shot 2-play.png
key space
shot 3-pause.png
key Up
key z
sleep 2
if kill -0 "$game_pid" 2>/dev/null; then
    echo "screenshots: the game did not end after quitting from the pause menu" >&2
    exit 1
fi
game_pid=
echo "screenshots: the game ended from the pause menu"
