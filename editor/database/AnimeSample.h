#pragma once
// How an anime's sample looks: the anime pages and the pattern dialog draw it the same way.
#include <cstdint>

class cPictureBox;

// A sample of the bitmap kind and number at the frame, drawn into the box.
void DrawAnimeSample(cPictureBox& box, int kind, int number, int32_t frame);
