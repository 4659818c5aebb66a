#!/usr/bin/env bash
# Builds the x86_64 target and runs the benchmark program under Wine on a private display (the
# drawing sections need one), in the build's project folder.
#   tools/bench/run.sh [section...]     e.g. tools/bench/run.sh stage
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
cd "$root/build/x64/project"
"$WINE" "$root/build/x64/tools/bench/bench.exe" "$@"
