// The world map editor's state: how it opens, the brush a selection makes and the undo history.
#include <gtest/gtest.h>

#include "data/ProjectData.h"
#include "editor/shell/AvailMemory.h"
#include "editor/world/WorldMapEdit.h"

TEST(WorldMapEdit, ResetStartsOnTheFirstTemplateOrOnNone) {
    cWorldMapEdit& edit = WorldMapEdit();
    edit.m_Mode = eWorldEditEvents;
    edit.m_Current.paletteSel = 5;
    edit.m_DragStart = cPoint{3, 4};
    edit.m_Dragging = 1;
    edit.m_ClipboardValid = 1;
    ProjectWorldMap().m_EventPalette[0].m_Name = "最初";
    edit.Reset();
    EXPECT_EQ(eWorldEditChips, edit.m_Mode);
    EXPECT_EQ(0, edit.m_Current.paletteSel);
    EXPECT_EQ(1, edit.m_Current.brushWidth);
    EXPECT_EQ(-1, edit.m_DragStart.x);
    EXPECT_EQ(-1, edit.m_DragStart.y);
    EXPECT_EQ(0, edit.m_Dragging);
    EXPECT_EQ(0, edit.m_ClipboardValid);
    EXPECT_EQ(0, edit.m_Saved[eWorldEditEvents].paletteSel);
    EXPECT_EQ(1, edit.m_Saved[eWorldEditEvents].brushHeight);
    EXPECT_EQ("最初", edit.m_Template.m_Name);

    ProjectWorldMap().m_EventPalette.clear();
    edit.Reset();
    EXPECT_EQ(-1, edit.m_Saved[eWorldEditEvents].paletteSel);
    EXPECT_EQ(-1, edit.m_Saved[eWorldEditEvents].templateRow);
    EXPECT_EQ(0, edit.m_Saved[eWorldEditEvents].brushWidth);
    EXPECT_EQ("", edit.m_Template.m_Name);
}

TEST(WorldMapEdit, SelectionIsClippedToTheMap) {
    cWorldMap map;
    map.Init();
    map.m_Grid[(14 << map.m_PitchBits) + 19] = 6;
    cWorldMapEdit edit;
    struct Case {
        cPoint a, b;
        int32_t width, height, corner;  // corner: the brush's first chip
    };
    const Case cases[] = {
        {{18, 13}, {29, 22}, 2, 2, 0},
        {{300, 200}, {19, 14}, 1, 1, 6},
        {{-5, -7}, {0, 0}, 1, 1, 0},
        {{-5, -7}, {250, 170}, 20, 15, 0},
    };
    for (const Case& c : cases) {
        edit.CopyBrush(map, c.a, c.b);
        EXPECT_EQ(c.width, edit.m_Current.brushWidth);
        EXPECT_EQ(c.height, edit.m_Current.brushHeight);
        EXPECT_EQ(c.corner, edit.BrushChip(0, 0));
        EXPECT_EQ(-1, edit.BrushChip(c.width, 0));
    }
    EXPECT_EQ(6, edit.BrushChip(19, 14));
}

TEST(WorldMapEdit, HistoryKeepsThreeStepsAndAnEditClearsRedo) {
    cWorldMap map;
    map.Init();
    cWorldMapEdit edit;
    for (int step = 1; step <= 5; ++step) {
        edit.TakeSnapshot(map);
        map.m_Grid[0] = step;
    }
    int undone = 0;
    while (edit.Undo(map)) ++undone;
    EXPECT_EQ(3, undone);
    EXPECT_EQ(2, map.m_Grid[0]);
    EXPECT_TRUE(edit.Redo(map));
    EXPECT_EQ(3, map.m_Grid[0]);
    edit.TakeSnapshot(map);
    EXPECT_FALSE(edit.CanRedo());
    // A snapshot of another size never reaches the grid; its events still come back.
    map.m_Events.assign(1, cWorldEvent());
    edit.TakeSnapshot(map);
    map.SetSize(40, 30);
    map.m_Events.clear();
    EXPECT_TRUE(edit.Undo(map));
    EXPECT_EQ(size_t(64 * 30), map.m_Grid.size());
    EXPECT_EQ(1u, map.m_Events.size());
}

namespace {
int64_t g_free = 0;
int64_t FreeMemory() { return g_free; }
}  // namespace

// A snapshot needs 4 bytes a cell, 76 an event and 16 an entry; when the free memory is not
// above that, the histories are emptied and no snapshot is taken.
TEST(WorldMapEdit, ASnapshotThatDoesNotFitEmptiesTheHistories) {
    cWorldMap map;
    map.Init();
    cWorldEvent event;
    event.Init();
    map.PutEvent(event, 1, 1);
    const int64_t bytes = static_cast<int64_t>(map.m_Grid.size()) * 4 + 76 + 16;
    EXPECT_EQ(SnapshotBytes(map), bytes);
    cWorldMapEdit edit;
    SetMemoryProbe(FreeMemory);
    g_free = bytes + 1;
    edit.TakeSnapshot(map);
    edit.TakeSnapshot(map);
    EXPECT_TRUE(edit.Undo(map));
    EXPECT_TRUE(edit.CanUndo() && edit.CanRedo());
    g_free = bytes;
    edit.TakeSnapshot(map);
    EXPECT_FALSE(edit.CanUndo());
    EXPECT_FALSE(edit.CanRedo());
    SetMemoryProbe(nullptr);
}
