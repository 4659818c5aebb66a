#!/usr/bin/env bash
# Builds and starts the game or the editor under Wine on the factory project.
#   scripts/run.sh game|editor [arguments...]
# Uses the display in DISPLAY, or a private Xvfb when there is none.
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

project="$root/build/x64/project"
mkdir -p "$project"
cd "$project"
"$WINE" "$root/build/x64/$program.exe" "$@"
