#!/usr/bin/env bash
# scripts/setup.sh against stand-ins for the package tools: on a fresh machine dpkg-query exits 1
# because packages are unknown to it, and the set-up must still install them, and say so; a
# failing apt-get must be reported, never pass as a finished set-up.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# stand-ins NOT_INSTALLED APT_EXIT: dpkg-query reports every package it is asked about as
# installed but NOT_INSTALLED (unknown, as on a fresh machine: exit 1 then), apt-get records
# its arguments and exits APT_EXIT, and the locale is already there.
stand_ins() {
    local bin=$work/bin
    rm -rf "$bin" && mkdir -p "$bin"
    cat >"$bin/dpkg-query" <<STUB
#!/usr/bin/env bash
rc=0
for p in "\$@"; do
    case "\$p" in -*) continue ;; esac
    if [ "\$p" = "$1" ]; then echo "dpkg-query: no packages found matching \$p" >&2; rc=1
    else echo "\$p install ok installed"; fi
done
exit \$rc
STUB
    cat >"$bin/apt-get" <<STUB
#!/usr/bin/env bash
echo "\$*" >>"$work/apt-calls"
[ "\$1" = update ] && exit 0
exit $2
STUB
    printf '#!/bin/sh\necho C\necho ja_JP.utf8\n' >"$bin/locale"
    printf '#!/bin/sh\nexec "$@"\n' >"$bin/sudo"
    chmod +x "$bin"/*
    rm -f "$work/apt-calls"
}

check() {
    local name=$1 missing=$2 apt_exit=$3 want_rc=$4 want_install=$5 want_said=$6
    stand_ins "$missing" "$apt_exit"
    out=$(PATH="$work/bin:/usr/bin:/bin" bash "$root/scripts/setup.sh" 2>&1)
    rc=$?
    install=$(grep '^install' "$work/apt-calls" 2>/dev/null || true)
    local bad=""
    [ "$rc" = "$want_rc" ] || bad="$bad exit $rc (want $want_rc);"
    if [ -n "$want_install" ]; then
        printf '%s\n' "$install" | grep -qw -- "$want_install" || bad="$bad apt-get install not asked for $want_install (asked: '$install');"
        [ "$(printf '%s\n' "$install" | wc -w)" -eq 5 ] || bad="$bad asked for more than the missing package: '$install';"
    else
        [ -z "$install" ] || bad="$bad apt-get install asked when nothing is missing: '$install';"
    fi
    printf '%s\n' "$out" | grep -qF -- "$want_said" || bad="$bad output lacks '$want_said': $out;"
    if [ -n "$bad" ]; then
        echo "FAIL $name:$bad"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

#     case                              missing      apt  rc  asked for    says
check "one package missing"             xdotool      0    0   xdotool      "setup: installing xdotool"
check "nothing missing"                 none         0    0   ""           "setup: done"
check "apt-get install fails"           libstb-dev   100  1   libstb-dev   "apt-get install failed"

[ "$failures" = 0 ]
