// The ranking list and the result table drawn on a real surface: the frame, the marker and ink
// where each text goes, none where a row or a column is left empty.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "data/Stage.h"
#include "game/core/GameGlobals.h"
#include "game/core/RankingDraw.h"
#include "game/data/StorySave.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"
#include "game/media/PictureTable.h"
#include "tests/game/media/DisplayFixture.h"

namespace {

const int kBackground = 5;
const int kWindowColour = 60;
const int kFrameColour = 61;
const int kMarkerColour = 62;
const int kTextColour = 63;
const int kFramePicture = 66;
const int kAccessoryPicture = 47;

// Puts the display mode back when the test's display has gone: the other tests of the program
// expect full-screen mode's settings.
struct cWindowModeGuard {
    int saved = Display().nWindowMode;
    ~cWindowModeGuard() { Display().nWindowMode = saved; }
};

}  // namespace

// The game's system surfaces with a frame picture and the accessory picture's marker, the system
// font in a colour of its own, and the texts the drawing reads; all put back afterwards.
class RankingPixels : public testing::Test {
protected:
    RankingPixels() : m_Display(640, 480, SystemSurfaces(), m_Rows, kPictureTableRows) {
        for (cPictureRow& row : m_Rows) {
            std::memset(&row, 0, sizeof row);
            std::strcpy(row.szFileName, "E");
            row.nColorKey = 1;
            row.nMemoryKind = kMemorySystem;
            row.nBlankWidth = row.nBlankHeight = 1;
        }
        m_Rows[kFramePicture].nBlankWidth = 640;
        m_Rows[kFramePicture].nBlankHeight = 480;
        m_Rows[kAccessoryPicture].nBlankWidth = 128;
        m_Rows[kAccessoryPicture].nBlankHeight = 176;
        std::copy(Display().Palette, Display().Palette + kPaletteSize, m_SavedPalette);
    }
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        for (int i = 1; i < kPaletteSize; ++i)
            Display().Palette[i] = {static_cast<BYTE>(i % 31 + 1), static_cast<BYTE>(i * 3 % 63),
                                    static_cast<BYTE>(i * 7 % 31), 0};
        Display().Palette[kWindowColour] = {2, 4, 12, 0};
        Display().Palette[kFrameColour] = {28, 56, 28, 0};
        Display().Palette[kTextColour] = {31, 63, 31, 0};
        Display().Palette[kMarkerColour] = {31, 20, 0, 0};
        const int rows[] = {kAccessoryPicture, kFramePicture};
        ASSERT_TRUE(DDLoadSurfaces(SystemSurfaces(), rows, 2));
        DDFillRect(SystemSurfaces()[kFramePicture], 0, 0, 640, 480, kWindowColour);
        DDFillRect(SystemSurfaces()[kAccessoryPicture], 0, 0, 128, 176, 1);
        DDFillRect(SystemSurfaces()[kAccessoryPicture], 16, 48, 16, 16, kMarkerColour);
        ASSERT_NE(nullptr, GameFonts()[kSystemFont].Create(0, 16, 0, 16, kTextColour, &SystemSurfaces()[kFramePicture],
                                                           1, kFrameColour, nullptr));
        ASSERT_TRUE(DDCreateSurface(m_Dest, 640, 480, 0, kMemorySystem));
        DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
        m_SavedTerms = ProjectSystemData().m_Terms;
        ProjectSystemData().m_Terms.resize(18);
        ProjectSystemData().m_Terms[5] = "スコア";
        ProjectSystemData().m_Terms[6] = "残り時間";
        ProjectSystemData().m_Terms[7] = "クリア時間";
        m_SavedRankItems = ProjectStage().m_RankItems;
        m_SavedStory = StoryState();
    }
    void TearDown() override {
        ProjectSystemData().m_Terms = m_SavedTerms;
        ProjectStage().m_RankItems = m_SavedRankItems;
        StoryState() = m_SavedStory;
        GameFonts()[kSystemFont].Delete();
        DDReleaseSurface(m_Dest);
        DDReleaseSurface(SystemSurfaces()[kAccessoryPicture]);
        DDReleaseSurface(SystemSurfaces()[kFramePicture]);
        std::copy(m_SavedPalette, m_SavedPalette + kPaletteSize, Display().Palette);
    }
    uint32_t Colour(int index) { return DDIndexToPixel(index); }
    // Pixels of the text colour in the w x h area at (x, y).
    int Ink(int x, int y, int w, int h) {
        cLockedView locked(m_Dest);
        const cPixelView& v = locked.View();
        const uint32_t text = Colour(kTextColour);
        int count = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (v.Contains(i, j) && v.Get(i, j) == text) ++count;
        return count;
    }
    void Shot(const char* name) {
        if (const char* dir = std::getenv("KIT_SHOT_DIR")) SaveSurface(m_Dest, 640, 480, std::string(dir) + "\\" + name);
    }

    cPictureRow m_Rows[kPictureTableRows];
    cWindowModeGuard m_ModeGuard;
    cWindowDisplay m_Display;
    cSurface m_Dest;
    PALETTEENTRY m_SavedPalette[kPaletteSize];
    cSystemList<std::string> m_SavedTerms;
    cCheckedVector<int32_t, eCloseProgram> m_SavedRankItems;
    cStorySave m_SavedStory;
};

TEST_F(RankingPixels, ListAndResultTableDrawTheirTextsWhereTheLayoutPutsThem) {
    cRankData scores;
    scores.m_HigherIsBetter = 1;
    const struct {
        int row;
        const char* name;
        int value;
    } rows[] = {{0, "xyz", 1200}, {2, "ＡＢ", 7}};
    for (const auto& r : rows) {
        scores.m_Rows[r.row].m_Used = 1;
        scores.m_Rows[r.row].m_Name = r.name;
        scores.m_Rows[r.row].m_Value = r.value;
    }
    const int x = 100, y = 40;
    EXPECT_EQ(DD_OK, DrawRanking(scores, m_Dest, x, y, eRankScore, 2));

    // The frame: its border around the box from (x + 1, y + 1), its inside, nothing outside it.
    EXPECT_EQ(Colour(kFrameColour), PixelAt(m_Dest, x, y));
    EXPECT_EQ(Colour(kWindowColour), PixelAt(m_Dest, x + 1, y + 1));
    EXPECT_EQ(Colour(kWindowColour), PixelAt(m_Dest, x + 270, y + 350));
    EXPECT_EQ(Colour(kFrameColour), PixelAt(m_Dest, x + 271, y + 351));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, x - 1, y - 1));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, x + 272, y + 352));
    // The marker on the row of index 2, the third line below the title.
    EXPECT_EQ(Colour(kMarkerColour), PixelAt(m_Dest, x + 8, y + 16 * 3 + 8));
    EXPECT_NE(Colour(kMarkerColour), PixelAt(m_Dest, x + 8, y + 16 + 8));
    const struct {
        const char* what;
        int cellX, cellY;  // 16-dot cells from the list's corner
        bool ink;
    } probes[] = {
        {"title", 1, 0, true},
        {"row 1's number", 1, 1, true},
        {"row 1's name", 4, 1, true},
        {"row 1's score, four digits from cell 9", 9, 1, true},
        {"left of row 1's score", 8, 1, false},
        {"the unused row 2", 1, 2, false},
        {"the unused row 2's score", 9, 2, false},
        {"row 3's number", 1, 3, true},
        {"row 3's name", 4, 3, true},
        {"row 3's score, right-aligned on four digits", 12, 3, true},
        {"left of row 3's score", 11, 3, false},
        {"below the last row", 1, 4, false},
    };
    for (const auto& p : probes)
        EXPECT_EQ(p.ink, Ink(x + 16 * p.cellX, y + 16 * p.cellY, 16, 16) > 0) << p.what;
    Shot("ranking-list.bmp");

    // The result table of a stage ranked by score and clear time, the clear time ranked.
    DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
    ProjectStage().m_RankItems.assign({1, 0, 1});
    StoryState().m_TotalScore = 123;
    StoryState().m_ClearTime = 6000;
    const int positions[kRankKinds] = {-1, -1, 4};
    const int tx = 10, ty = 300;
    DrawResultTable(m_Dest, tx, ty, positions);
    // (8 digits + 5 caption characters + 3) cells wide, a line per switched-on kind.
    // The border goes around the box.
    EXPECT_EQ(Colour(kFrameColour), PixelAt(m_Dest, tx - 1, ty + 20));
    EXPECT_EQ(Colour(kWindowColour), PixelAt(m_Dest, tx + 16 * 16 - 1, ty + 20));
    EXPECT_EQ(Colour(kFrameColour), PixelAt(m_Dest, tx + 16 * 16, ty + 20));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, tx + 16 * 16 + 1, ty + 20));
    EXPECT_EQ(Colour(kFrameColour), PixelAt(m_Dest, tx + 40, ty + 32));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, tx + 40, ty + 33));
    EXPECT_EQ(Colour(kMarkerColour), PixelAt(m_Dest, tx + 8, ty + 8));
    EXPECT_NE(Colour(kMarkerColour), PixelAt(m_Dest, tx + 8, ty + 16 + 8));
    const struct {
        const char* what;
        int dx, dy;
        bool ink;
    } table[] = {
        {"the score's caption", 16, 0, true},
        {"the score", 7 * 16, 0, true},
        {"after the score's three digits", 7 * 16 + 32, 0, false},
        {"the clear time's caption", 16, 16, true},
        {"the clear time's last digits", 7 * 16 + 48, 16, true},
    };
    for (const auto& p : table) EXPECT_EQ(p.ink, Ink(tx + p.dx, ty + p.dy, 16, 16) > 0) << p.what;
    Shot("result-table.bmp");
}
