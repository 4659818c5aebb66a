#!/bin/sh
# Writes an Ogg test song: stereo, amplitude 8000, a sine on each channel. The defaults are the
# main test tone: half a second of 22050 Hz, 440 Hz on the left and 660 Hz on the right (the Vox
# tests compute the same tones).
#   make-tone.sh OUTPUT.ogg [LEFT_HZ RIGHT_HZ FRAMES RATE]
set -e
left=${2:-440} right=${3:-660} frames=${4:-11025} rate=${5:-22050}
perl -e "for \$i (0 .. $frames - 1) {
    print pack('s<s<', int(8000 * sin(2 * 3.141592653589793 * $left * \$i / $rate)),
                       int(8000 * sin(2 * 3.141592653589793 * $right * \$i / $rate)));
}" | oggenc -Q -r -B 16 -C 2 -R "$rate" -c "TITLE=test tone" -o "$1" -
