#include <gtest/gtest.h>

#include <string>

#include "game/play/Directions.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/support/TempDir.h"

class PlayObjects : public PlayFixture {};

// The axes of a stage: 10 border cells on each side, the row stride a power of two of at least
// the map's width, the view kept inside the camera limits.
TEST_F(PlayObjects, ScrollAxesFollowTheStageSize) {
    const struct {
        int width, height, stride, extentX, extentY;
    } cases[] = {{1, 1, 32, 352, 352}, {20, 15, 64, 960, 800}, {48, 15, 128, 1856, 800}, {492, 2, 512, 16064, 384}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        cPlayScene scene;
        ASSERT_TRUE(scene.SetStage(Stage(c.width, c.height)));
        EXPECT_EQ(c.width + 20, scene.m_ScrollX.m_Cells);
        EXPECT_EQ(c.stride, scene.m_ScrollX.m_Stride);
        EXPECT_EQ(c.extentX, scene.m_ScrollX.m_Extent);
        EXPECT_EQ(c.extentY, scene.m_ScrollY.m_Extent);
        EXPECT_EQ(static_cast<size_t>(c.height + 20) * c.stride, scene.m_MapCells.size());
        EXPECT_EQ(320, scene.m_ScrollX.m_Min);
    }
    // A stage narrower than the view starts at the minimum; a wide one stops at its far edge.
    cScroll axis;
    axis.SetUp(0, 5);
    axis.m_Pos = 900;
    axis.Clamp();
    EXPECT_EQ(320, axis.m_Pos);
    EXPECT_EQ(1, axis.m_AtLimit);
    axis.SetUp(0, 100);
    axis.m_Pos = 5000;
    axis.Clamp();
    EXPECT_EQ((100 + 10) * 32 - 640, axis.m_Pos);
    axis.SetBounds(1, 4, 1, 30);
    axis.m_Pos = 0;
    axis.Clamp();
    EXPECT_EQ(320 + 4 * 32, axis.m_Pos);
}

// The clamp modes on a 20 x 15 stage: the map ends at 1280 x 1120, the stage proper runs from 320
// to 960 across and to 800 down.
TEST_F(PlayObjects, ClampsTellWhereTheBoxIs) {
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(Stage()));
    const struct {
        const char* name;
        int axis, mode;
        double from, to;
        int result;
    } cases[] = {
        {"X left of the map", 0, 2, -0.5, 0, 3},
        {"X past the map", 0, 2, 1275, 1280 - 16, 3},
        {"X in the left border", 0, 2, 100, 100, 2},
        {"X in the right border", 0, 2, 950, 950, 2},
        {"X on the stage", 0, 2, 400, 400, 0},
        {"X kept on the stage", 0, 1, 100, 320, 0},
        {"Y above the map", 1, 2, -3, 0, 3},
        {"Y past the map", 1, 2, 1110, 1120 - 16, 6},
        {"Y in the top border", 1, 2, 10, 10, 2},
        {"Y in the bottom border", 1, 2, 790, 790, 5},
        {"Y kept on the stage", 1, 1, 900, 800 - 16, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cObj object;
        object.Init(0, 0, 0, 0, 0, 0, 0, 16, 16, 16, 16, 0, 0, 0);
        double& position = c.axis == 0 ? object.m_X : object.m_Y;
        position = c.from;
        EXPECT_EQ(c.result, c.axis == 0 ? object.ClampX(c.mode) : object.ClampY(c.mode));
        EXPECT_EQ(c.to, position);
        if (c.axis == 0) {
            EXPECT_EQ(c.to + 15, object.m_Right);
            EXPECT_EQ(static_cast<int>(c.to) >> 5, object.m_LeftColumn);
        } else {
            EXPECT_EQ(c.to + 15, object.m_Bottom);
            EXPECT_EQ(static_cast<int>(c.to) >> 5, object.m_TopRow);
        }
    }
}

// A record's facing byte is a flag: any value but 0 faces right, so that the direction codes, the
// aim without a target and the drawing all read one facing.
TEST_F(PlayObjects, AFacingByteOtherThanZeroFacesRight) {
    const struct {
        int byte, facing, forward;
    } cases[] = {{0, 0, eDirLeft}, {1, 1, eDirRight}, {2, 1, eDirRight}, {255, 1, eDirRight}};
    for (const auto& c : cases) {
        cObj object;
        object.Init(0, 0, 0, 0, 0, 0, 0, 16, 16, 16, 16, c.byte, 0, 0);
        EXPECT_EQ(c.facing, object.m_Facing) << c.byte;
        EXPECT_EQ(c.forward, DirectionCode(0, object.m_Facing, eDirNone)) << c.byte;
    }
}

// Growing keeps an object's horizontal centre and a chara's bottom edge.
TEST_F(PlayObjects, ScalingKeepsTheCentreAndTheFeet) {
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(Stage()));
    cEdChara record = Enemy();
    record.m_Scale = 2;
    cCharaActor chara;
    chara.Setup(1, record, nullptr, 0, 0, 0);
    chara.PlaceAtCell(5, 5);
    EXPECT_EQ(32, chara.m_Width);
    EXPECT_EQ(60, chara.m_Height);
    EXPECT_EQ((5 + 10) * 32 + 8 + 0.5 - 8, chara.m_X);
    EXPECT_EQ((5 + 10) * 32 + 2 + 30 - 1, chara.m_Bottom);  // the feet where a scale-1 chara has them
    EXPECT_EQ(chara.m_Y + 59, chara.m_Bottom);
}

// Objects in the lists are copies of their own: the chara's record and its held item belong to
// the copy, down to the registry the record is saved through.
TEST_F(PlayObjects, CopiedObjectsKeepTheirOwnRecords) {
    cTempDir dir;
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(Stage()));
    cEdItem itemRecord;
    itemRecord.m_Graphic = 3;
    cItemObj item;
    item.SetItem(4, itemRecord, 1);
    cCharaActor source;
    source.Setup(1, Enemy(), &item, 0, 0, 0);
    cCharaList list;
    list.push_back(source);
    cCharaActor& copy = list.back();
    copy.m_Chara.m_Graphic = 9;
    copy.m_HeldItem.m_Item.m_Graphic = 8;
    EXPECT_EQ(2, source.m_Chara.m_Graphic);
    EXPECT_EQ(3, source.m_HeldItem.m_Item.m_Graphic);

    ASSERT_TRUE(copy.m_Chara.SaveFile("copy.dat"));
    ASSERT_TRUE(copy.m_HeldItem.m_Item.SaveFile("item.dat"));
    cEdChara chara;
    ASSERT_TRUE(chara.LoadFile("copy.dat"));
    EXPECT_EQ(9, chara.m_Graphic);
    cEdItem loaded;
    ASSERT_TRUE(loaded.LoadFile("item.dat"));
    EXPECT_EQ(8, loaded.m_Graphic);
}
