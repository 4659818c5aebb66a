// The stage canvas and the element drawing routine, probed pixel by pixel on sheets whose every
// cell has a colour of its own that tells the sheet, the column and the row.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "data/ProjectDatabase.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/SystemBitmaps.h"
#include "tests/shell/CanvasFixture.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGuide = RGB(255, 64, 32);
const COLORREF kLimit = RGB(32, 255, 64);
const COLORREF kCursor = RGB(128, 0, 255);
const COLORREF kSelect = RGB(255, 0, 128);
const COLORREF kSentinel = RGB(1, 2, 3);

// The colour of a cell of a sheet (a picture slot, or 27 + k for the k-th dedicated bitmap).
COLORREF CellColour(int sheet, int column, int row) { return RGB(20 + column * 15, 20 + row * 12, 30 + sheet * 7); }

void Paint(cDib& dib, int sheet, int cellWidth, int cellHeight) {
    GdiFlush();
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x) {
            COLORREF c = CellColour(sheet, x / cellWidth, y / cellHeight);
            uint8_t* p = dib.Bits() + y * dib.Stride() + 3 * x;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
}

void Fill(cDib& dib, COLORREF colour) {
    GdiFlush();
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) {
            uint8_t* p = dib.Bits() + y * dib.Stride() + 3 * x;
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
}

COLORREF Pixel(const cDib& dib, int x, int y) {
    GdiFlush();
    const uint8_t* p = dib.Bits() + y * dib.Stride() + 3 * x;
    return RGB(p[2], p[1], p[0]);
}

// Small sheets for every slot the canvas draws from (opaque masks where the pictures have
// them), two dedicated bitmaps, and an animation set whose flying offset is 2; all put back.
class cSheets {
public:
    cSheets() {
        struct cSheet {
            int slot, width, height, cellWidth, cellHeight, mask;
        };
        const cSheet sheets[] = {
            {eBmpBlock, 256, 480, 32, 32, 0}, {eBmpItem, 512, 480, 32, 32, 1},  {eBmpItemMini, 256, 240, 16, 16, 1},
            {eBmpShot, 128, 480, 32, 16, 1},  {eBmpMark, 256, 480, 32, 32, 1},
        };
        for (const cSheet& s : sheets) Make(SystemBitmap(s.slot), s.slot, s.width, s.height, s.cellWidth, s.cellHeight, s.mask);
        // Chara sheets of 8 frames: drawn and mirrored copies differ by their slot's colour.
        for (int slot = eBmpChara1; slot < eBmpItem; ++slot) Make(SystemBitmap(slot), slot, 256, 480, 32, 32, 1);
        m_Database = ProjectDatabase();
        ProjectDatabase().m_AnimeSets.resize(1);
        ProjectDatabase().m_AnimeSets[0].m_FlyOffset = 2;
        ProjectDatabase().m_AnimeSets[0].m_InvincibleOffset = 40;
        ProjectDatabase().m_BmpCharaExcs.resize(2);
        DatabaseBitmaps().resize(4);
        int image = 0;
        for (cDib& dib : DatabaseBitmaps()) Make(dib, 27 + image++, 512, 128, 32, 32, 1);
    }
    ~cSheets() {
        for (int slot = 0; slot < kSystemBitmaps; ++slot) SystemBitmap(slot).Release();
        DatabaseBitmaps().clear();
        ProjectDatabase() = m_Database;
    }

private:
    static void Make(cDib& dib, int sheet, int width, int height, int cellWidth, int cellHeight, int mask) {
        ASSERT_TRUE(dib.Create(width, height, 24, mask));
        Paint(dib, sheet, cellWidth, cellHeight);
        if (mask) {
            GdiFlush();
            memset(dib.MaskBits(), 0, static_cast<size_t>(dib.Stride()) * height);
        }
    }
    cDatabase m_Database;
};

cObjectLook Look(int kind, int type, int number, int column) {
    cObjectLook look;
    look.kind = kind;
    look.type = type;
    look.number = number;
    look.column = column;
    return look;
}

// Whether every pixel of the target still holds the sentinel colour.
bool Untouched(const cDib& dib) {
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x)
            if (Pixel(dib, x, y) != kSentinel) return false;
    return true;
}

}  // namespace

TEST(DrawObject, EachGraphicTypeDrawsItsCellAtFullAndHalfSize) {
    cSheets sheets;
    cEdChara facingRight;
    facingRight.m_FaceRight = 1;
    facingRight.m_Flight = 1;  // the animation set's flying columns: 2 further
    struct cCase {
        const char* name;
        cObjectLook look;
        bool small;
        int x, y;  // a pixel inside the drawn cell, relative to the cell's corner
        COLORREF colour;
        int outsideX, outsideY;  // a pixel of the cell that stays as it was
    };
    cObjectLook chara = Look(eKindChara, eGraphicChara, 16, 3);
    chara.chara = &facingRight;
    cObjectLook dedicated = Look(eKindChara, eGraphicDedicated, 1, 17);
    dedicated.chara = &facingRight;
    const cCase cases[] = {
        {"block", Look(eKindBlock, eGraphicBlock, 17, 0), false, 5, 5, CellColour(eBmpBlock, 1, 2), -1, -1},
        {"block small", Look(eKindBlock, eGraphicBlock, 17, 0), true, 20, 4, CellColour(eBmpBlock, 1, 2), 4, 4},
        {"chara sheet for a block", Look(eKindBlock, eGraphicChara, 31, 4), false, 5, 5, CellColour(eBmpChara1 + 4, 4, 1), -1, -1},
        {"chara sheet mirrored from 20", Look(eKindItem, eGraphicChara, 31, 24), false, 5, 5,
         CellColour(eBmpChara1 + 5, 4, 1), -1, -1},
        {"chara facing right, flying", chara, false, 5, 5, CellColour(eBmpChara1 + 3, 5, 1), -1, -1},
        {"item", Look(eKindItem, eGraphicItem, 19, 0), false, 5, 5, CellColour(eBmpItem, 2, 4), -1, -1},
        {"item small from its small sheet", Look(eKindItem, eGraphicItem, 19, 0), true, 20, 4,
         CellColour(eBmpItemMini, 2, 4), 4, 20},
        {"shot centred", Look(eKindItem, eGraphicShot, 35, 0), false, 10, 10, CellColour(eBmpShot, 1, 5), 2, 2},
        {"shot small", Look(eKindItem, eGraphicShot, 35, 0), true, 22, 6, CellColour(eBmpShot, 1, 5), 18, 2},
        {"dedicated, facing right", dedicated, false, 5, 5, CellColour(27 + 3, 3, 1), -1, -1},
    };
    cDib target;
    ASSERT_TRUE(target.Create(32, 32, 24, 0));
    for (const cCase& c : cases) {
        Fill(target, kSentinel);
        DrawObject(target, 0, 0, c.look, c.small);
        EXPECT_EQ(c.colour, Pixel(target, c.x, c.y)) << c.name;
        if (c.outsideX >= 0) {
            EXPECT_EQ(kSentinel, Pixel(target, c.outsideX, c.outsideY)) << c.name;
        }
    }
}

TEST(DrawObject, OverlaysGoOverTheGraphicButNotOverAnEmptyCell) {
    cSheets sheets;
    cDib target;
    ASSERT_TRUE(target.Create(32, 32, 24, 0));
    cObjectLook look = Look(eKindBlock, eGraphicBlock, 17, 0);
    look.overlay = 1;
    look.overlayNumber = 16;
    Fill(target, kSentinel);
    DrawObject(target, 0, 0, look, false);
    EXPECT_EQ(CellColour(eBmpMark, 1, 1), Pixel(target, 5, 5));
    look.number = 0;
    Fill(target, kSentinel);
    DrawObject(target, 0, 0, look, false);
    EXPECT_TRUE(Untouched(target)) << "graphic 0 with an overlay";
}

TEST(DrawObject, NumbersPastTheirSheetOrTableDrawNothing) {
    cSheets sheets;
    cEdChara unknownSet;
    unknownSet.m_AnimeSet = 5;
    cEdChara farColumn;
    farColumn.m_Invincible = 1;  // the invincible columns lie 40 further, past the sheet
    struct cCase {
        const char* name;
        cObjectLook look;
    };
    cObjectLook badOverlay = Look(eKindBlock, eGraphicBlock, 0, 0);
    badOverlay.overlay = 1;
    badOverlay.overlayNumber = 120;
    cObjectLook badSet = Look(eKindChara, eGraphicChara, 1, 0);
    badSet.chara = &unknownSet;
    cObjectLook pastColumn = Look(eKindChara, eGraphicChara, 1, 0);
    pastColumn.chara = &farColumn;
    cObjectLook noRecord = Look(eKindChara, eGraphicChara, 1, 0);
    cObjectLook badSetDedicated = Look(eKindChara, eGraphicDedicated, 1, 0);
    badSetDedicated.chara = &unknownSet;
    const cCase cases[] = {
        {"block 120", Look(eKindBlock, eGraphicBlock, 120, 0)},
        {"chara sheet 120", Look(eKindBlock, eGraphicChara, 120, 0)},
        {"item 120", Look(eKindItem, eGraphicItem, 120, 0)},
        {"shot past its sheet", Look(eKindItem, eGraphicShot, 120, 0)},
        {"column past the chara sheet", Look(eKindBlock, eGraphicChara, 1, 8)},
        {"column past the sheet by the set's offsets", pastColumn},
        {"animation set past the table", badSet},
        {"chara without its record", noRecord},
        {"dedicated bitmap past the table", Look(eKindBlock, eGraphicDedicated, 2, 0)},
        {"dedicated with an animation set past the table", badSetDedicated},
        {"unknown graphic type", Look(eKindBlock, eGraphicTypes, 1, 0)},
        {"negative column", Look(eKindBlock, eGraphicChara, 1, -1)},
    };
    cDib target;
    ASSERT_TRUE(target.Create(32, 32, 24, 0));
    for (const cCase& c : cases) {
        Fill(target, kSentinel);
        DrawObject(target, 0, 0, c.look, false);
        DrawObject(target, 0, 0, c.look, true);
        EXPECT_TRUE(Untouched(target)) << c.name;
    }
    // An overlay past its sheet is left out; the graphic under it is drawn.
    badOverlay.number = 17;
    Fill(target, kSentinel);
    DrawObject(target, 0, 0, badOverlay, false);
    EXPECT_EQ(CellColour(eBmpBlock, 1, 2), Pixel(target, 5, 5));
}

TEST(CanvasPaint, LayersGridGuidesLimitsAndTheBlackBeyondANarrowStage) {
    cEditorFixture f(true, 12, 15, -1, 0);
    cSheets sheets;
    cEdStage& stage = ProjectStage();
    cEdBlock block;
    block.m_Graphic = 17;
    block.m_GraphicSrc = eGraphicBlock;
    stage.m_Blocks.Put(stage.CellIndex(1, 1), block);
    stage.m_Blocks.Put(stage.CellIndex(11, 5), block);
    cEdChara chara;
    chara.m_Graphic = 16;
    chara.m_GraphicSrc = eGraphicChara;
    chara.m_GraphicShift = 3;
    chara.m_FaceRight = 1;
    stage.m_Charas.Put(stage.CellIndex(2, 1), chara);
    cEdItem item;
    item.m_Graphic = 4;
    item.m_GraphicSrc = eGraphicItem;
    stage.m_Items.Put(stage.CellIndex(3, 1), item);
    stage.m_UseLimit[eLimitLeft] = stage.m_UseLimit[eLimitRight] = 1;
    stage.m_UseLimit[eLimitTop] = stage.m_UseLimit[eLimitBottom] = 1;
    stage.m_Limit[eLimitLeft] = 2;
    stage.m_Limit[eLimitRight] = 11;  // the last column
    stage.m_Limit[eLimitTop] = 3;
    stage.m_Limit[eLimitBottom] = 9;
    CanvasCursor() = cCanvasCursor{30, 30, 0, 0};  // off the canvas
    ASSERT_EQ(1, f.Main().OnPaint());

    const cDib& back = f.Main().BackBuffer();
    struct cProbe {
        const char* name;
        int x, y;
        COLORREF colour;
    };
    const cProbe probes[] = {
        {"block", 32 + 10, 32 + 10, CellColour(eBmpBlock, 1, 2)},
        {"chara facing right: the mirrored sheet", 64 + 10, 32 + 10, CellColour(eBmpChara1 + 3, 3, 1)},
        {"item at half size in the right half", 96 + 20, 32 + 5, CellColour(eBmpItemMini, 0, 4)},
        {"item's left half", 96 + 5, 32 + 5, kBlack},
        {"item's lower half", 96 + 20, 32 + 20, kBlack},
        {"block in the last column", 352 + 10, 160 + 10, CellColour(eBmpBlock, 1, 2)},
        {"black past the stage", 384 + 10, 160 + 10, kBlack},
        {"empty cell", 150, 90, kBlack},
        {"grid over the blocks", 32, 32 + 10, kWhite},
        {"grid past the stage", 416, 170, kWhite},
        {"grid row", 150, 64, kWhite},
        {"guide x 304", 304, 150, kGuide},
        {"guide x 336", 336, 150, kGuide},
        {"guide y 224", 150, 224, kGuide},
        {"guide y 256", 150, 256, kGuide},
        {"beside a guide", 305, 150, kBlack},
        {"left limit", 64, 150, kLimit},
        {"right limit one pixel past its column", 385, 150, kLimit},
        {"the column's right edge", 384, 150, kWhite},
        {"past the right limit", 386, 150, kBlack},
        {"top limit", 150, 96, kLimit},
        {"bottom limit one pixel past its row", 150, 321, kLimit},
    };
    for (const cProbe& p : probes) EXPECT_EQ(p.colour, Pixel(back, p.x, p.y)) << p.name;

    // The canvas shows the back buffer (on a display of 16 bits: each channel near).
    HWND canvas = GetDlgItem(f.MainWnd(), IDC_CANVAS);
    HDC dc = GetDC(canvas);
    COLORREF shown = GetPixel(dc, 42, 42), drawn = CellColour(eBmpBlock, 1, 2);
    ReleaseDC(canvas, dc);
    EXPECT_NEAR(GetRValue(drawn), GetRValue(shown), 8);
    EXPECT_NEAR(GetGValue(drawn), GetGValue(shown), 8);
    EXPECT_NEAR(GetBValue(drawn), GetBValue(shown), 8);
}

TEST(CanvasPaint, TheCursorOutlinesThePenOrOneCellByTheDrawingKind) {
    cEditorFixture f(true, 20, 15, -1, 0);
    CanvasCursor() = cCanvasCursor{5, 10, 160, 320};
    StageDoc().m_PenWidth = 2;
    struct cCase {
        int32_t kind;
        COLORREF left, oneCellRight, penRight;  // at x 160, 192 and 224, on row y 330
    };
    const cCase cases[] = {
        {0, kCursor, kWhite, kCursor},
        {1, kCursor, kCursor, kWhite},
        {2, kCursor, kCursor, kWhite},
        {3, kCursor, kCursor, kWhite},
        {kDrawSelect, kWhite, kWhite, kWhite},  // nothing until a range is dragged
    };
    for (const cCase& c : cases) {
        StageDoc().m_DrawKind = c.kind;
        f.Main().OnPaint();
        const cDib& back = f.Main().BackBuffer();
        EXPECT_EQ(c.left, Pixel(back, 160, 330)) << c.kind;
        EXPECT_EQ(c.oneCellRight, Pixel(back, 192, 330)) << c.kind;
        EXPECT_EQ(c.penRight, Pixel(back, 224, 330)) << c.kind;
    }
    char text[64] = "";
    HWND status = f.Main().StatusBar();
    EXPECT_TRUE(SendMessageA(status, SB_ISSIMPLE, 0, 0));
    SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));  // the simple text
    EXPECT_STREQ("座標 (5,10)", text);
}

namespace {

// The letters of SetPen as the sheets colour them: a block, a chara or a small item of that
// graphic number, each probed at a pixel of its own in the cell.
COLORREF BlockOf(char c) { return CellColour(eBmpBlock, 0, GraphicOf(c)); }
COLORREF CharaOf(char c) { return CellColour(eBmpChara1, 0, GraphicOf(c)); }
COLORREF ItemOf(char c) { return CellColour(eBmpItemMini, 0, GraphicOf(c)); }
COLORREF Full(const cDib& back, int x, int y) { return Pixel(back, x * kCellSize + 8, y * kCellSize + 8); }
COLORREF Small(const cDib& back, int x, int y) { return Pixel(back, x * kCellSize + 24, y * kCellSize + 8); }

}  // namespace

// While a line or a rectangle is dragged the canvas shows the pen cells its release will place,
// and a right-drag the range it will take; the stage itself changes only on release.
TEST(CanvasPaint, DragsShowWhatTheirReleaseWillPlaceOrSelect) {
    cCanvas canvas(20, 15);
    cSheets sheets;
    const cDib& back = canvas.Main().BackBuffer();

    // A 2 x 1 pen over a 3 x 2 rectangle: the pen column goes on into the second row.
    StageDoc().SetPenMode(ePenRect);
    SetPen({"AB"});
    canvas.Mouse(WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
    canvas.Mouse(WM_MOUSEMOVE, 3, 2, MK_LBUTTON);
    const char* const rect[] = {"ABA", "BAB"};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(BlockOf(rect[r][c]), Full(back, 1 + c, 1 + r)) << c << "," << r;
    EXPECT_EQ(kBlack, Full(back, 4, 1)) << "nothing past the cursor";
    EXPECT_EQ(kCursor, Pixel(back, 32, 48)) << "the outline's left edge";
    EXPECT_EQ(kCursor, Pixel(back, 128, 48)) << "the outline's right edge, around the whole rectangle";
    EXPECT_EQ(BlockOf('B'), Pixel(back, 64, 48)) << "no outline inside: the cells cover the grid";
    EXPECT_TRUE(ProjectStage().m_Blocks.empty()) << "the stage waits for the release";
    canvas.Mouse(WM_LBUTTONUP, 3, 2);
    cRows placed(15, std::string(20, '.'));
    placed[1].replace(1, 3, "ABA");
    placed[2].replace(1, 3, "BAB");
    EXPECT_EQ(placed, Rows(ProjectStage().m_Blocks));
    EXPECT_EQ(kWhite, Pixel(back, 32, 48)) << "the preview ends with the drag";

    // A line: each cell it places, with an outline of its own.
    StageDoc().SetPenMode(ePenLine);
    SetPen({"CD"});
    canvas.Mouse(WM_LBUTTONDOWN, 0, 5, MK_LBUTTON);
    canvas.Mouse(WM_MOUSEMOVE, 3, 5, MK_LBUTTON);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(BlockOf("CDCD"[x]), Full(back, x, 5)) << x;
    EXPECT_EQ(kCursor, Pixel(back, 64, 5 * kCellSize + 16)) << "between two cells of the line";
    EXPECT_EQ(kBlack, Full(back, 4, 5));
    canvas.Mouse(WM_LBUTTONUP, 3, 5);

    // A right-drag: the range in the selection's colour, nothing placed.
    canvas.Mouse(WM_RBUTTONDOWN, 5, 8, MK_RBUTTON);
    canvas.Mouse(WM_MOUSEMOVE, 7, 9, MK_RBUTTON);
    EXPECT_EQ(kSelect, Pixel(back, 160, 8 * kCellSize + 16));
    EXPECT_EQ(kSelect, Pixel(back, 256, 8 * kCellSize + 16));
    EXPECT_EQ(kSelect, Pixel(back, 200, 10 * kCellSize));
    EXPECT_EQ(kBlack, Full(back, 6, 8));
    canvas.Mouse(WM_RBUTTONUP, 7, 9);
    EXPECT_EQ(kWhite, Pixel(back, 256, 8 * kCellSize + 16));
}

// The preview draws the layers an edit would reach by the keys held: the current layer, Shift
// the charas and items, Ctrl all three (here the chara pen cell is empty, so the block shows).
TEST(CanvasPaint, ThePreviewDrawsTheLayersTheKeysChoose) {
    cCanvas canvas(20, 15);
    cSheets sheets;
    const cDib& back = canvas.Main().BackBuffer();
    StageDoc().SetPenMode(ePenRect);
    SetPen({"E"});
    StageDoc().m_PenCharas[0].m_Graphic = 0;
    struct cCase {
        WORD key;
        COLORREF full, small;
    };
    const cCase cases[] = {
        {0, BlockOf('E'), BlockOf('E')},
        {VK_SHIFT, kBlack, ItemOf('E')},
        {VK_CONTROL, BlockOf('E'), ItemOf('E')},
    };
    canvas.Mouse(WM_LBUTTONDOWN, 2, 3, MK_LBUTTON);
    for (const cCase& c : cases) {
        cHeld held(c.key);
        canvas.Main().OnPaint();
        EXPECT_EQ(c.full, Full(back, 2, 3)) << c.key;
        EXPECT_EQ(c.small, Small(back, 2, 3)) << c.key;
    }
    // With the chara layer current and no key, the chara pen cell alone.
    StageDoc().m_PenCharas[0].m_Graphic = GraphicOf('E');
    StageDoc().SetLayer(eLayerChara);
    StageDoc().SetPenMode(ePenRect);  // each layer keeps a pen mode of its own
    canvas.Main().OnPaint();
    EXPECT_EQ(CharaOf('E'), Full(back, 2, 3));
}

TEST(CanvasPaint, WithoutAStageTheCanvasIsBlack) {
    cEditorFixture f(false);
    cSheets sheets;
    cEdBlock block;
    block.m_Graphic = 17;
    ProjectStage().m_Blocks.Put(ProjectStage().CellIndex(1, 1), block);
    ASSERT_EQ(1, f.Main().OnPaint());
    for (int x : {0, 32, 42, 304, 639}) EXPECT_EQ(kBlack, Pixel(f.Main().BackBuffer(), x, 42)) << x;
}
