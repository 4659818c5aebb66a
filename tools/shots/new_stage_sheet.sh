#!/usr/bin/env bash
# The new-stage dialog under Wine on a private Xvfb display, on a copy of the factory project,
# with its label under it (ImageMagick).
#   tools/shots/new_stage_sheet.sh [OUT.png]     (default docs/editor/new-stage.png)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/new-stage.png}")
mkdir -p "$(dirname "$out")"
# shellcheck source=tools/shots/sheet.sh
. "$root/tools/shots/sheet.sh"
sheet_run "$root" new_stage_shots

sheet_label "$work/shots/new-stage.bmp" "ステージの新規作成 (247)"
cp "$work/shots/new-stage.png" "$out"
echo "new_stage_sheet: $out"
