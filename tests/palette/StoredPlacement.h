#pragma once
// What a tool window leaves in its placement record as it goes.
#include <gtest/gtest.h>

#include <windows.h>

#include "data/EditConfig.h"

// The record is valid and holds the window's outer rectangle.
inline void ExpectStoredPlacement(const cWndPos& pos, const RECT& outer) {
    EXPECT_EQ(pos.m_Valid, 1);
    EXPECT_EQ(pos.m_X, outer.left);
    EXPECT_EQ(pos.m_Y, outer.top);
    EXPECT_EQ(pos.m_Width, outer.right - outer.left);
    EXPECT_EQ(pos.m_Height, outer.bottom - outer.top);
}
