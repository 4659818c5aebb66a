#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian machine.
# Safe to run twice: every step checks before it changes anything.
set -euo pipefail

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

PACKAGES="cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 xvfb locales
fonts-ipafont-gothic libboost-dev libstb-dev googletest imagemagick xdotool python3 vorbis-tools"

fail() {
    echo "setup: $*" >&2
    exit 1
}

command -v dpkg-query >/dev/null || fail "dpkg-query is not on PATH: this script sets up a Debian machine"
# One query for all: a query per package costs half a second each. dpkg-query exits 1 when any
# package it is asked about is unknown, which on a fresh machine is most of them; its listing
# of the rest is still whole, so only the listing counts.
# shellcheck disable=SC2086
listing=$(dpkg-query -W -f='${Package} ${Status}\n' $PACKAGES 2>/dev/null) || true
installed=$(printf '%s\n' "$listing" | awk '/install ok installed/ {print $1}')
missing=""
for p in $PACKAGES; do
    printf '%s\n' "$installed" | grep -qx "$p" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q || fail "apt-get update failed (exit $?): the packages above were not installed"
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -q --no-install-recommends $missing ||
        fail "apt-get install failed (exit $?):$missing"
fi

# Wine takes its ANSI code page from the Unix locale: ja_JP.UTF-8 gives cp932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating ja_JP.UTF-8"
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null ||
        fail "could not add ja_JP.UTF-8 to /etc/locale.gen"
    $SUDO locale-gen >/dev/null || fail "locale-gen failed (exit $?)"
fi
echo "setup: done"
