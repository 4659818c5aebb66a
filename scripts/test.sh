#!/usr/bin/env bash
# Sets up the machine, builds both targets and runs every test under Wine on a private display.
#   scripts/test.sh [ctest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
# Precompiled headers and batches of source files cut a cold build to a third. Each test
# program runs whole in one process; with KIT_TEST_CASES=ON each case also runs as a process of
# its own (a Wine start each), so that -R can pick cases by name.
export KIT_PCH=${KIT_PCH:-ON} KIT_UNITY=${KIT_UNITY:-ON} KIT_TEST_CASES=${KIT_TEST_CASES:-OFF}
"$root/scripts/build.sh" all

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display

ls "$root"/build/x64/tests/test_*.exe >/dev/null 2>&1 || { echo "test.sh: no test program was built"; exit 1; }
cd "$root/build/x64"
# A test whose Wine process fails to start under load gets one more try; a real failure fails twice.
ctest --no-tests=error --timeout 120 -j "$(nproc)" --repeat until-pass:2 --output-on-failure "$@"
