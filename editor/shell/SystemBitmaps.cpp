#include "editor/shell/SystemBitmaps.h"

#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"

namespace {

const char kPaletteFile[] = "bmp\\plt\\Palette.bmp";
const char kSecondPaletteFile[] = "bmp\\plt\\Palette2.bmp";
const char kNoPalette[] = "パレットの生成に失敗！\n%s が見つかりません！";

cDib g_systemBitmaps[kSystemBitmaps];
RGBQUAD g_secondPalette[256];

// Cell width of the mirrored character sheets.
const int kCharaCellWidth = 32;

// A character sheet: as drawn, then with each cell mirrored.
#define CHARA_SHEET(file) {file, 8, 1, 0, 0}, {file, 8, 1, kCharaCellWidth, 0}

}  // namespace

const cSystemBitmapRow SystemBitmapTable[kSystemBitmaps] = {
    {"bmp\\Back.bmp", 8, 0, 0, 0},
    {"bmp\\Block.bmp", 8, 0, 0, 0},
    CHARA_SHEET("bmp\\Character1.bmp"),
    CHARA_SHEET("bmp\\Character2.bmp"),
    CHARA_SHEET("bmp\\Character3.bmp"),
    CHARA_SHEET("bmp\\Character4.bmp"),
    CHARA_SHEET("bmp\\Character5.bmp"),
    CHARA_SHEET("bmp\\Character6.bmp"),
    CHARA_SHEET("bmp\\Character7.bmp"),
    CHARA_SHEET("bmp\\Character8.bmp"),
    {"bmp\\Item.bmp", 8, 1, 0, 0},
    {"bmp\\Item_Mini.bmp", 8, 1, 0, 0},
    {"bmp\\Shot.bmp", 8, 1, 0, 0},
    {"bmp\\Mark.bmp", 8, 1, 0, 0},
    {"bmp\\WorldBack.bmp", 8, 0, 0, 0},
    {"bmp\\WorldMapChip.bmp", 8, 1, 0, 0},
    {"bmp\\WorldEvent.bmp", 8, 1, 0, 0},
    {"bmp\\Symbol.bmp", 8, 1, 0, 0},
    {"bmp\\Accessory.bmp", 8, 1, 0, 0},
};

#undef CHARA_SHEET

cDib& SystemBitmap(int slot) {
    if (slot >= 0 && slot < kSystemBitmaps) return g_systemBitmaps[slot];
    ReportBadIndex('V', slot, kSystemBitmaps, static_cast<int>(sizeof(cDib)), eCloseDestroy);
    return g_systemBitmaps[0];
}

bool LoadPaletteBitmaps() {
    if (!LoadPalette(kPaletteFile)) {
        ErrorBox(kNoPalette, kPaletteFile);
        return false;
    }
    // Index 0 shows through; masks are drawn with the colour of index 15.
    SetTransparentColour(0);
    SetMaskColour(15);
    if (!ReadPaletteFile(kSecondPaletteFile, g_secondPalette)) {
        ErrorBox(kNoPalette, kSecondPaletteFile);
        if (GetMainWindow()) DestroyWindow(GetMainWindow());
        return false;
    }
    return true;
}

const RGBQUAD* GetSecondPalette() { return g_secondPalette; }

bool LoadSystemBitmaps(const std::string& stageBack, const std::string& worldBack) {
    for (int slot = 0; slot < kSystemBitmaps; ++slot) {
        const cSystemBitmapRow& row = SystemBitmapTable[slot];
        cDib& dib = g_systemBitmaps[slot];
        if (slot == eBmpStageBack || slot == eBmpWorldBack) {
            const std::string& picture = slot == eBmpStageBack ? stageBack : worldBack;
            if (picture.empty())
                dib.Release();
            else
                dib.LoadFile(picture.c_str(), row.bitsPerPixel, row.withMask, row.tileWidth, row.tileHeight);
            continue;
        }
        if (!dib.LoadFile(row.file, row.bitsPerPixel, row.withMask, row.tileWidth, row.tileHeight)) {
            ErrorBox("%s が読み込めません！", row.file);
            return false;
        }
    }
    return true;
}

cDibList& DatabaseBitmaps() {
    static cDibList bitmaps;
    return bitmaps;
}

bool LoadDatabaseBitmaps(cDibList& bitmaps, const cRecordVector<cBmpCharaExc>& table) {
    bitmaps.clear();
    bitmaps.resize(table.size() * 2);
    auto dib = bitmaps.begin();
    for (size_t i = 0; i < table.size(); ++i) {
        cDib& drawn = *dib++;
        cDib& mirrored = *dib++;
        // Row 0 is the table's empty entry: graphic number 0 draws nothing.
        const std::string& file = table[i].m_File;
        if (i == 0 || file.empty()) continue;
        if (!drawn.LoadFile(file.c_str(), 8, 1, 0, 0) || !mirrored.LoadFile(file.c_str(), 8, 1, kCharaCellWidth, 0)) {
            ErrorBox("%s の読み込みに失敗！", file.c_str());
            return false;
        }
    }
    return true;
}
