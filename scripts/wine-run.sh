#!/usr/bin/env bash
# The emulator through which CMake and ctest run the built programs:
#   scripts/wine-run.sh PROGRAM.exe [arguments...]
# Inside scripts/test.sh (WINEPREFIX set) it is wine64 itself. Anywhere else, for example a bare
# `ctest -N` in the build folder, whose test listing runs every test program, it first takes the
# build's own Wine prefix, so the user's default prefix (~/.wine) is never started or changed.
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ]; then
    root=$(cd "$(dirname "$0")/.." && pwd)
    build=$(cd "$(dirname "$1")" && pwd)
    while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
    [ -f "$build/CMakeCache.txt" ] || build="$root/build/x64"
    # shellcheck source=scripts/wine-env.sh
    . "$root/scripts/wine-env.sh"
    # Two test listings starting at once must not both make the prefix.
    exec 9>"$build/.wineprefix.lock"
    flock 9
    kit_wine_prefix "$build"
    exec 9>&-
fi
exec /usr/lib/wine/wine64 "$@"
