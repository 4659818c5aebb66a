#pragma once
// A play scene over a stage of the test's own, with the game's stage and common palette put back
// as they were when the test ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "game/play/PlayScene.h"

// Restores the current folder.
class cFolderGuard {
public:
    cFolderGuard() { GetCurrentDirectoryA(MAX_PATH, m_Path); }
    ~cFolderGuard() { SetCurrentDirectoryA(m_Path); }

private:
    char m_Path[MAX_PATH];
};

// Every palette entry from 1 up a colour of its own at depth 16 (entry 0 stays the transparent
// black); the caller puts the display's palette back.
inline void SetTestPalette() {
    for (int i = 1; i < kPaletteSize; ++i)
        Display().Palette[i] = {static_cast<BYTE>(i % 31 + 1), static_cast<BYTE>(i * 3 % 63), static_cast<BYTE>(i * 7 % 31), 0};
}

// Rows of a test's surface table: each a blank 1 x 1 picture in system memory with the colour
// key; the test sizes the rows it draws from.
inline void BlankPictureRows(cPictureRow* rows, int count) {
    for (int i = 0; i < count; ++i) {
        cPictureRow& row = rows[i];
        std::memset(&row, 0, sizeof row);
        std::strcpy(row.szFileName, "E");
        row.nColorKey = 1;
        row.nMemoryKind = kMemorySystem;
        row.nBlankWidth = row.nBlankHeight = 1;
    }
}

class PlayFixture : public testing::Test {
protected:
    PlayFixture() : m_SavedStage(ProjectStage()), m_SavedPalette(ProjectCommonPalette()) {}
    ~PlayFixture() override {
        ProjectStage() = m_SavedStage;
        ProjectCommonPalette() = m_SavedPalette;
    }

    // A stage of the given size with the player at (1, 1).
    static cEdStage Stage(int width = 20, int height = 15) {
        cEdStage stage;
        stage.SetSize(width, height);
        cEdChara player;
        player.m_Graphic = 1;
        player.m_Control = 0;
        stage.PutCharaAt(1, 1, player);
        return stage;
    }
    static cEdChara Enemy() {
        cEdChara chara;
        chara.m_Graphic = 2;
        chara.m_Control = 1;
        chara.m_Extra3 = -1;
        return chara;
    }
    static cEdBlock Block(int graphic) {
        cEdBlock block;
        block.m_Graphic = static_cast<uint16_t>(graphic);
        return block;
    }

    cEdStage m_SavedStage;
    cCommonPalette m_SavedPalette;
};
