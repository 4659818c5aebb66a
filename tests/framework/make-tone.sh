#!/bin/sh
# Writes an Ogg test song: amplitude 8000, a sine on each channel. The defaults are the main test
# tone: half a second of 22050 Hz stereo, 440 Hz on the left and 660 Hz on the right (the Vox
# tests compute the same tones). A mono song holds the left tone.
#   make-tone.sh OUTPUT.ogg [LEFT_HZ RIGHT_HZ FRAMES RATE [CHANNELS]]
set -e
left=${2:-440} right=${3:-660} frames=${4:-11025} rate=${5:-22050} channels=${6:-2}
perl -e "for \$i (0 .. $frames - 1) {
    print pack('s<', int(8000 * sin(2 * 3.141592653589793 * $left * \$i / $rate)));
    print pack('s<', int(8000 * sin(2 * 3.141592653589793 * $right * \$i / $rate))) if $channels == 2;
}" | oggenc -Q -r -B 16 -C "$channels" -R "$rate" -c "TITLE=test tone" -o "$1" -
