#!/usr/bin/env bash
# Runs the record writer under Wine in the project folder (a console program: no display).
#   write-records.sh BUILD_DIR PROGRAM PROJECT_FOLDER [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/wine-env.sh
. "$here/../../scripts/wine-env.sh"
kit_wine_prefix "$1"
log="$1/factory-records${4:+-$4}.log"
cd "$3"
# Wine's background processes outlive the program: they get the log, not the build's output.
if ! "$WINE" "$2" "${@:4}" >"$log" 2>&1 </dev/null; then
    cat "$log" >&2
    exit 1
fi
