#!/bin/sh
# Writes the Ogg test song: half a second of 22050 Hz stereo, 440 Hz on the left and 660 Hz on
# the right, amplitude 8000 (the Vox tests compute the same tone).
#   make-tone.sh OUTPUT.ogg
set -e
perl -e 'for $i (0 .. 11024) {
    print pack("s<s<", int(8000 * sin(2 * 3.141592653589793 * 440 * $i / 22050)),
                       int(8000 * sin(2 * 3.141592653589793 * 660 * $i / 22050)));
}' | oggenc -Q -r -B 16 -C 2 -R 22050 -o "$1" -
