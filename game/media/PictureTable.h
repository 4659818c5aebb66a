#pragma once
// The game's fixed list of pictures, loaded into its surface array by index.
#include "game/media/Surface.h"

const int kPictureTableRows = 67;

// Row 0 is the palette bitmap. The start-up rewrites the names and memory kinds of the eight
// background rows before loading them.
extern cPictureRow PictureTable[kPictureTableRows];
const int kPicturePalette = 0;
const int kPictureFirstBackground = 53;
const int kPictureBackgroundCount = 8;
