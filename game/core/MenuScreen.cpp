#include "game/core/MenuScreen.h"

#include <string>

#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "framework/ErrorLog.h"
#include "framework/GameHelpers.h"
#include "game/core/GameGlobals.h"
#include "game/core/SceneManager.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Fade.h"

cMenuCursor& MenuCursor() {
    static cMenuCursor cursor;
    return cursor;
}

void ResetMenuCursor() { MenuCursor() = cMenuCursor(); }

void PlayMenuMusic(int entry, bool restart) {
    cBgmPlayer& player = BgmPlayer();
    if (!player.IsInitialized()) return;
    int index = ProjectSystemData().m_MenuMusic.At(entry);
    const cBgm& bgm = ProjectDatabase().m_Bgms.At(index);
    // The table's paths are the project folder's own (bgm\Title.ogg).
    player.SetFile(entry, bgm.m_File.c_str());
    player.Play(0, entry, false, restart);
}

bool CanDraw() { return Display().bInitialized && Display().Back.lpSurface; }

cSurface& BackBuffer() { return Display().Back; }

cSurface& SystemPicture(int row) { return SystemSurfaces()[row]; }

bool LoadMenuPictures(std::initializer_list<int> rows) {
    if (!CanDraw()) return true;
    for (int row : rows) {
        if (DDLoadSurfaces(SystemSurfaces(), &row, 1)) continue;
        ErrorLogAndClose(GetMainWindow(), "%s のロードに失敗！", SystemPictures()[row].szFileName);
        return false;
    }
    return true;
}

void ReleaseMenuPictures(std::initializer_list<int> rows) {
    for (int row : rows) DDReleaseSurface(SystemSurfaces()[row]);
}

bool MenuFadeIn() {
    if (!CanDraw()) return true;
    cDisplayState& d = Display();
    return DDFadeIn(d.Palette, 0, kPaletteSize - 1, 0, 0, 0, SceneManager().m_nFadeStep, d.BasePalette, 0);
}

bool MenuFadeOut() {
    if (!CanDraw()) return true;
    cDisplayState& d = Display();
    return DDFadeOut(d.Palette, 0, kPaletteSize - 1, 0, 0, 0, SceneManager().m_nFadeStep, d.BasePalette, 0);
}

void DrawCursorImage(int x, int y, int sx, int size) {
    if (!CanDraw()) return;
    DDBlt(BackBuffer(), x, y, size, size, SystemPicture(kPictureAccessory), sx, 0, DDBLTFAST_SRCCOLORKEY);
}
