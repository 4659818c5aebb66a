#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "data/Stage.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "game/play/GraphicSource.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/PlayFixture.h"

namespace {

const int kPassesBackground = 5;
// Each kind of object in a colour of its own.
enum eWho { P = 1, I, C, S };
const int kColours[] = {kPassesBackground, 100, 101, 102, 103};

}  // namespace

class ObjectPasses : public PlayFixture {
protected:
    ObjectPasses() : m_Display(640, 480, m_Surfaces, m_Rows, kPictureTableRows) {
        BlankPictureRows(m_Rows, kPictureTableRows);
        Size(kSurfaceCharaSheets, 640, 480);
        Size(kSurfaceItems, 128, 480);
        Size(kSurfaceShots, 64, 480);
        std::copy(Display().Palette, Display().Palette + kPaletteSize, m_SavedPalette);
        SetTestPalette();
    }
    ~ObjectPasses() override {
        std::copy(m_SavedPalette, m_SavedPalette + kPaletteSize, Display().Palette);
        DDReleaseSurface(m_Dest);
    }
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        const int rows[] = {kSurfaceCharaSheets, kSurfaceItems, kSurfaceShots};
        ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows, 3));
        DDFillRect(m_Surfaces[kSurfaceCharaSheets], 0, 32, 32, 32, kColours[P]);  // character graphic 1
        DDFillRect(m_Surfaces[kSurfaceCharaSheets], 0, 64, 32, 32, kColours[C]);  // character graphic 2
        DDFillRect(m_Surfaces[kSurfaceItems], 0, 32, 32, 32, kColours[I]);        // item graphic 1
        DDFillRect(m_Surfaces[kSurfaceShots], 0, 16, 16, 16, kColours[S]);        // shot graphic 1
        ASSERT_TRUE(DDCreateSurface(m_Dest, 640, 480, 0, kMemorySystem));
    }
    void Size(int row, int w, int h) {
        m_Rows[row].nBlankWidth = w;
        m_Rows[row].nBlankHeight = h;
    }
    // The actor's 32 x 32 picture at (x, y) of the screen, frame 0, facing right.
    static void PlaceActor(cActor& actor, int x, int y) {
        actor.m_Facing = 1;
        actor.m_ShownFrame = 0;
        actor.m_OnScreen = 1;
        actor.m_ScreenRect = cRect(x, y, x + 31, y + 31);
    }

    cSurface m_Surfaces[kPictureTableRows];
    cPictureRow m_Rows[kPictureTableRows];
    cWindowDisplay m_Display;
    cSurface m_Dest;
    PALETTEENTRY m_SavedPalette[kPaletteSize];
};

// The player and an item at (100, 100), a stage character at (104, 104) and a shot at (108, 108)
// overlap: at (101, 101) the player and the item, at (106, 106) the character too, at (110, 110)
// all four. With priorities on, a higher one lies over a lower one and within a pass the order is
// player, item, character, shot; with them off, that order alone.
TEST_F(ObjectPasses, PrioritiesDecideWhatLiesOnTop) {
    const struct {
        const char* name;
        int useZ, player, item, chara, shot;
        int seen[3];  // at (101, 101), (106, 106), (110, 110)
    } cases[] = {
        {"off: the kinds' order", 0, 3, 3, 3, 3, {I, C, S}},
        {"off: priorities ignored", 0, 7, 0, 0, 0, {I, C, S}},
        {"on, all equal: the kinds' order", 1, 3, 3, 3, 3, {I, C, S}},
        {"on: the player highest", 1, 7, 0, 0, 0, {P, P, P}},
        {"on: rising by kind", 1, 0, 1, 2, 3, {I, C, S}},
        {"on: falling by kind", 1, 3, 2, 1, 0, {P, P, P}},
        {"on: the item highest", 1, 0, 5, 0, 0, {I, I, I}},
        {"on: the item lowest", 1, 4, 0, 4, 4, {P, C, S}},
        {"on: a priority past 7 is drawn last", 1, 0, 0, 200, 6, {I, C, C}},
        {"on: past 7 shares the last pass", 1, 0, 0, 200, 7, {I, C, S}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cEdStage stage = Stage(30, 20);
        stage.m_UseZ = c.useZ;
        ProjectStage() = stage;
        cPlayScene scene;
        ASSERT_TRUE(scene.SetStage(ProjectStage()));
        scene.m_ScrollX.m_Pos = scene.m_ScrollY.m_Pos = 0;
        scene.m_Charas.clear();
        scene.m_Items.clear();
        scene.m_Shots.clear();

        cPlayerActor& player = scene.m_Players[0];
        PlaceActor(player, 100, 100);
        player.m_Chara.m_Z = static_cast<uint8_t>(c.player);

        cEdItem itemRecord;
        itemRecord.m_GraphicSrc = 2;
        itemRecord.m_Graphic = 1;
        itemRecord.m_Z = static_cast<uint8_t>(c.item);
        cItemObj item;
        item.SetItem(0, itemRecord, 1);
        item.m_X = 100 + item.m_DrawOffsetX;
        item.m_Y = 100 + item.m_DrawOffsetY;
        item.m_OnScreen = 1;
        scene.m_Items.push_back(item);

        cCharaActor chara;
        chara.Setup(50, Enemy(), nullptr, 0, 0, 0);
        PlaceActor(chara, 104, 104);
        chara.m_Chara.m_Z = static_cast<uint8_t>(c.chara);
        scene.m_Charas.push_back(chara);

        cShotObj shot;
        shot.Init(1, 0, 0, 0, 1, 0, 0, 16, 16, 16, 16, 1, 1, 0, SheetFrameAnime());
        shot.m_Shot.m_Graphic = 1;
        shot.m_Shot.m_Z = static_cast<uint8_t>(c.shot);
        shot.m_X = 108;
        shot.m_Y = 108;
        shot.m_Facing = 1;
        shot.m_OnScreen = 1;
        scene.m_Shots.push_back(shot);

        DDFillRect(m_Dest, 0, 0, 640, 480, kPassesBackground);
        PaintStageObjects(scene, m_Dest);
        const int probes[3] = {101, 106, 110};
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(DDIndexToPixel(kColours[c.seen[k]]), PixelAt(m_Dest, probes[k], probes[k])) << "at " << probes[k];
        // Every object is drawn once, whatever its priority: each shows where it lies alone.
        EXPECT_EQ(DDIndexToPixel(kColours[C]), PixelAt(m_Dest, 134, 134));
    }
}

TEST(ObjectPassOrder, PrioritiesOutsideTheEightPassesTakeTheNearest) {
    const int cases[][2] = {{0, 0}, {3, 3}, {7, 7}, {8, 7}, {255, 7}, {-1, 0}, {-100, 0}};
    for (const auto& c : cases) EXPECT_EQ(c[1], DrawPass(c[0])) << c[0];
}
