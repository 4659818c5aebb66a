# Sourced by test.sh and run.sh: a private Wine set-up under a build folder.
#   kit_wine_start BUILD_DIR [own-display]
# starts Xvfb (on a free display, unless DISPLAY is set and "own-display" is not asked for),
# prepares WINEPREFIX (virtual desktop, Japanese font substitutes, Direct3D drawn by GDI) and
# HOME (ALSA's null device), starts a persistent wineserver, and stops all it started when the
# shell exits.

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

kit_wine_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then "$WINESERVER" -k >/dev/null 2>&1 || true; fi
    if [ -n "${KIT_XVFB_PID:-}" ]; then kill "$KIT_XVFB_PID" >/dev/null 2>&1 || true; wait "$KIT_XVFB_PID" 2>/dev/null || true; fi
}

kit_start_xvfb() {
    # Xvfb picks a free display itself and names it once it takes connections: two runs that
    # start at once never share one display.
    local fifo n=""
    fifo=$(mktemp -u /tmp/kit-xvfb.XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x16 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    KIT_XVFB_PID=$!
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    [ -n "$n" ] || { echo "wine-env: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$n"
}

kit_wine_start() {
    local build=$1 own=${2:-}
    trap kit_wine_stop EXIT
    # Stopped by a signal (Ctrl+C, timeout), the shell still stops what it started.
    trap 'exit 130' INT
    trap 'exit 143' TERM
    if [ -z "${DISPLAY:-}" ] || [ "$own" = own-display ]; then kit_start_xvfb; fi
    kit_wine_prefix "$build"
    "$WINESERVER" -p >/dev/null 2>&1 </dev/null &
    # Wine's background processes (services, the desktop) start with the first program and keep
    # its output pipes open: start them here, on /dev/null, so that no test's output waits on them.
    "$WINE" wineboot >/dev/null 2>&1 </dev/null
}

# The environment and the prefix alone, for console programs that need no display (the build's
# own steps): kit_wine_prefix BUILD_DIR.
kit_wine_prefix() {
    local build=$1
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDEBUG=-all
    # A crashing program ends at once; Wine's debugger would wait for a person.
    export WINEDLLOVERRIDES="winedbg.exe=d"
    export WINEARCH=win64
    export WINEPREFIX="$build/wineprefix"
    export HOME="$build/home"
    mkdir -p "$HOME"
    printf 'pcm.!default { type null }\nctl.!default { type null }\n' > "$HOME/.asoundrc"

    if [ ! -f "$WINEPREFIX/.kit-ready-3" ]; then
        rm -rf "$WINEPREFIX"
        # No Mono or Gecko installer: nothing here needs them, and their prompts would wait.
        WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE" wineboot -i >/dev/null 2>&1
        "$WINESERVER" -w
        local k='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
        {
            "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f
            "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f
            "$WINE" reg add "$k" /v "ＭＳ ゴシック" /t REG_SZ /d "IPAGothic" /f
            "$WINE" reg add "$k" /v "ＭＳ Ｐゴシック" /t REG_SZ /d "IPAPGothic" /f
            "$WINE" reg add "$k" /v "MSゴシック" /t REG_SZ /d "IPAGothic" /f
            # Wine's Direct3D drawing by GDI: its default (OpenGL, in software on a display without
            # a graphics card) showed most frames late with the machine busy (docs/frame-times.md).
            "$WINE" reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d gdi /f
        } >/dev/null 2>&1
        "$WINESERVER" -w
        touch "$WINEPREFIX/.kit-ready-3"
    fi
}
