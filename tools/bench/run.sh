#!/usr/bin/env bash
# Builds the x86_64 target and runs the benchmark program under Wine on a private display (the
# drawing sections need one), in a project folder of its own: a fresh copy of the build's factory
# project with its default\ made data\, as the editor keeps a project it has opened (the editor's
# window saves the project's options there when it closes). The program answers any message box
# itself and then fails, so the run never waits for a person.
#   tools/bench/run.sh [section...]     e.g. tools/bench/run.sh stage
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
project="$root/build/x64/bench-project"
rm -rf "$project"
cp -r "$root/build/x64/project" "$project"
rm -rf "$project/data"
cp -r "$project/default" "$project/data"
cd "$project"
"$WINE" "$root/build/x64/tools/bench/bench.exe" "$@"
