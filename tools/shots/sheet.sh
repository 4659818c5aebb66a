# Sourced by the contact-sheet scripts beside it: the picture programs run under Wine on a private
# Xvfb display, on a copy of the factory project (its data\ folder made), and each picture gets
# its label under it (ImageMagick).
#   sheet_run ROOT PROGRAM      builds the x86_64 target, runs build/x64/tools/shots/PROGRAM.exe
#                               in the copy; the pictures are "$work"/shots/*.bmp
#   sheet_label BMP LABEL       "$work"/shots/NAME.png: the picture with its label under it
# "$work" is removed, and Wine stopped, when the calling script ends.

sheet_run() {
    local root=$1 program=$2
    "$root/scripts/build.sh" x64 >/dev/null
    # shellcheck source=scripts/wine-env.sh
    . "$root/scripts/wine-env.sh"
    kit_wine_start "$root/build/x64" own-display
    work=$(mktemp -d)
    trap 'kit_wine_stop; rm -rf "$work"' EXIT
    cp -r "$root/build/x64/project" "$work/project"
    cp -r "$work/project/default" "$work/project/data"
    mkdir -p "$work/shots" "$work/project/e_data"
    (cd "$work/project" && "$WINE" "$root/build/x64/tools/shots/$program.exe" 'Z:'"${work//\//\\}"'\shots' \
        >"$work/log" 2>&1) || {
        cat "$work/log" >&2
        exit 1
    }
}

sheet_label() {
    local bmp=$1 label=$2
    convert "$bmp" -background '#d8d8d8' -font "$(fc-match -f '%{file}' 'IPAGothic')" -pointsize 14 label:"$label" \
        -gravity center -append "$work/shots/$(basename "$bmp" .bmp).png"
}
