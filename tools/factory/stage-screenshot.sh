#!/usr/bin/env bash
# The factory stage's blocks and status bar as the game builds and draws them, under Wine on a
# private Xvfb display (16-bit), saved as a PNG:
#   tools/factory/stage-screenshot.sh [OUT.png]      (docs/factory-stage.png by default)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/factory-stage.png}")

"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
shot=$(mktemp -d)
trap 'rm -rf "$shot"; kit_wine_stop' EXIT

cd "$root/build/x64/project"
if ! "$WINE" "$root/build/x64/tools/factory/show_stage.exe" "Z:${shot//\//\\}\\stage.bmp" >"$shot/log" 2>&1 </dev/null; then
    cat "$shot/log" >&2
    exit 1
fi
convert "$shot/stage.bmp" "$out"
echo "stage-screenshot: $out"
