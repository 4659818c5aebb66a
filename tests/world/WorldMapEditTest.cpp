// The world map editor's state as it opens: event mode starts on the first template, or on none.
#include <gtest/gtest.h>

#include "data/ProjectData.h"
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
