#!/usr/bin/env bash
# Builds both targets: x86_64 (optimised, with the tests and the tools; it runs under wine64) and
# i686 (the 32-bit target's programs, compiled and linked only, as no 32-bit Wine is here). The
# i686 programs are built without optimisation, as a debugger's build is: a class constant that
# only an optimised build folds away (declared, bound to a reference, never defined) fails to
# link there rather than in a person's debug build, and the build takes less time.
#   scripts/build.sh [x64|x86|all]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which=${1:-all}
jobs=$(nproc)

# KIT_PCH=ON|OFF, KIT_UNITY=ON|OFF and KIT_TEST_CASES=ON|OFF in the environment set those build
# options of the x86_64 build; unset, a build folder keeps what it has (see CMakeLists.txt).
options=()
for o in KIT_PCH KIT_UNITY KIT_TEST_CASES; do
    if [ -n "${!o:-}" ]; then options+=("-D$o=${!o}"); fi
done

build() {
    local dir=$1 toolchain=$2 tests=$3 type=$4
    shift 4
    # A folder an older set-up made with make's files: Ninja starts it afresh (the project
    # folders and the Wine prefix beside them stay).
    if [ -f "$root/build/$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$root/build/$dir/CMakeCache.txt"; then
        rm -rf "$root/build/$dir/CMakeCache.txt" "$root/build/$dir/CMakeFiles"
    fi
    # The factory project's media go with the build that runs (and is tested).
    cmake -G Ninja -S "$root" -B "$root/build/$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
        -DCMAKE_BUILD_TYPE="$type" -DKIT_TESTS="$tests" -DKIT_FACTORY="$tests" -DKIT_TOOLS="$tests" "$@" >/dev/null
    cmake --build "$root/build/$dir" -j "$jobs"
}

if [ "$which" = all ] || [ "$which" = x64 ]; then build x64 mingw-x86_64.cmake ON Release "${options[@]}"; fi
# Each file of the i686 programs compiles on its own, without precompiled headers or batches: a
# file that forgets an include it needs fails here, as it would in a person's first build.
if [ "$which" = all ] || [ "$which" = x86 ]; then build x86 mingw-i686.cmake OFF Unoptimised -DKIT_PCH=OFF -DKIT_UNITY=OFF; fi
