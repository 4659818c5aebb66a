#!/usr/bin/env bash
# Records the committed replays' frames again: each log of tests/game/play/fixtures (or those
# named) played headless, the word of every frame written into NAMEHashes.inc and the last
# frame's hash into the head of NAMELog.inc. For a change of play that is meant; the commit of
# the new files says why the play changed.
#   tools/replay/record.sh [NAME...]      e.g. tools/replay/record.sh Sample
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_prefix "$root/build/x64"
trap '"$WINESERVER" -k >/dev/null 2>&1 || true' EXIT
fixtures="Z:$root/tests/game/play/fixtures"
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    names=()
    for log in "$root"/tests/game/play/fixtures/*Log.inc; do
        name=$(basename "$log" Log.inc)
        names+=("$name")
    done
fi
cd "$root/build/x64"
for name in "${names[@]}"; do
    "$WINE" "$root/build/x64/tools/replay/record_replays.exe" "$fixtures" "$name" </dev/null
done
