#pragma once
// The pictures the editor draws its canvases and palettes with: the two palette bitmaps, the 27
// system bitmaps and the dedicated character bitmaps of the database.
#include <string>

#include "data/FileRecords.h"
#include "framework/CheckedVector.h"
#include "framework/Dib.h"

const int kSystemBitmaps = 27;

// Slots of the system bitmaps. Each character sheet takes two slots: as drawn, then with every
// 32-dot cell mirrored.
enum eSystemBitmap {
    eBmpStageBack = 0,  // the open stage's first background layer
    eBmpBlock = 1,
    eBmpChara1 = 2,  // sheet n (1 to 8) in slots 2n and 2n + 1
    eBmpItem = 18,
    eBmpItemMini = 19,
    eBmpShot = 20,
    eBmpMark = 21,
    eBmpWorldBack = 22,  // the world map's background picture
    eBmpWorldMapChip = 23,
    eBmpWorldEvent = 24,
    eBmpSymbol = 25,
    eBmpAccessory = 26,
};

// How a slot is loaded: the arguments of cDib::LoadFile.
struct cSystemBitmapRow {
    const char* file;
    int bitsPerPixel;
    int withMask;
    int tileWidth;
    int tileHeight;
};

extern const cSystemBitmapRow SystemBitmapTable[kSystemBitmaps];

// A slot's bitmap; a bad slot is reported and slot 0 given instead.
cDib& SystemBitmap(int slot);

// Loads the project palette from "bmp\plt\Palette.bmp" with its transparent and mask colours,
// and the second palette from "bmp\plt\Palette2.bmp". A missing one is reported and stops the
// load (false); without the second, the main window is destroyed as well.
bool LoadPaletteBitmaps();
// The second palette: 256 colour-table entries.
const RGBQUAD* GetSecondPalette();

// Loads every slot in order. The two background slots take the pictures named here instead of
// their table files; an empty name releases the slot, and a picture that does not load leaves
// it as it was. Any other slot that does not load is reported and stops the load (false).
bool LoadSystemBitmaps(const std::string& stageBack, const std::string& worldBack);

// The dedicated character bitmaps, two per row of the database's table (as drawn, mirrored).
typedef cEdList<cDib> cDibList;
cDibList& DatabaseBitmaps();
// Releases the bitmaps and loads them again for the table; a row without a file keeps its two
// bitmaps empty. False when a named file does not load.
bool LoadDatabaseBitmaps(cDibList& bitmaps, const cRecordVector<cBmpCharaExc>& table);
