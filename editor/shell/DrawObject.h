#pragma once
// The one routine that draws the graphic of a block, chara or item in the editor: on the stage
// canvas, in the palette windows, in the data dialogs and in the flow editor. An element is drawn
// with its top-left corner at (x, y): at full size over a 32 x 32 cell, or small, at half size
// in the right half of the cell.
#include <cstdint>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "data/PrjOption.h"  // the element kinds
#include "framework/Dib.h"

// The side of an element's full-size picture, in pixels.
const int kElementCell = 32;

// Graphic types: the block sheet, the chara sheets, the item sheets, the 16 x 16 shots and the
// database's dedicated chara bitmaps.
enum eGraphicType { eGraphicBlock, eGraphicChara, eGraphicItem, eGraphicShot, eGraphicDedicated, eGraphicTypes };

// What DrawObject draws: graphic number 0 is an empty cell and draws nothing, not even its
// overlay. A number, column, overlay or animation set that lies outside its sheet or table draws
// nothing of that part. A chara's record chooses its facing and adds the column offsets of its
// animation set; a chara of type 1 without its record draws only its overlay.
struct cObjectLook {
    int kind = eKindBlock;
    int type = eGraphicBlock;
    int number = 0;
    int column = 0;
    const cEdChara* chara = nullptr;
    int overlay = 0;  // draw the overlay (mark) at all
    int overlayNumber = 0;
};

void DrawObject(cDib& target, int x, int y, const cObjectLook& look, bool small);
void DrawBlockObject(cDib& target, int x, int y, const cEdBlock& block, bool small);
void DrawCharaObject(cDib& target, int x, int y, const cEdChara& chara, bool small);
void DrawItemObject(cDib& target, int x, int y, const cEdItem& item, bool small);
