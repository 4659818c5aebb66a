#!/usr/bin/env bash
# Builds and starts the game on the sample game, or the editor on the factory project, under Wine.
#   scripts/run.sh game|editor [arguments...]
# Uses the display in DISPLAY, or a private Xvfb when there is none; on a private display nobody
# sees the window, so a few seconds after the start a screenshot is saved and its path printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-}
case "$program" in
game | editor) shift ;;
*) echo "usage: scripts/run.sh game|editor [arguments...]" >&2; exit 2 ;;
esac

"$root/scripts/setup.sh"
"$root/scripts/build.sh" x64

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64"

# The game plays the sample game (the factory project with a world map and stages to walk).
project="$root/build/x64/project"
[ "$program" = game ] && project="$root/build/x64/sample"
mkdir -p "$project"
cd "$project"
if [ -n "${KIT_XVFB_PID:-}" ]; then
    shot="$root/build/x64/screenshot-$program.png"
    rm -f "$shot"
    (
        sleep "${KIT_SHOT_DELAY:-5}"
        if import -display "$DISPLAY" -window root "$shot" 2>/dev/null; then
            echo "run.sh: screenshot of the private display: $shot"
        else
            echo "run.sh: no screenshot could be taken of display $DISPLAY" >&2
        fi
    ) &
fi
# The game writes its progress marks to EC_Game.txt in its project folder.
export KIT_ERROR_LOG=1
# In the background and waited for, so that a signal reaches the shell's clean-up at once.
"$WINE" "$root/build/x64/$program.exe" "$@" &
wait $!
