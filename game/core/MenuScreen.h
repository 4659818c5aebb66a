#pragma once
// What the menu scenes share: the one menu cursor, their music, their pictures, the fades and
// the cursor images. Without a display (nothing to draw on) the drawing parts do nothing and a
// fade ends at once, so a menu's choices run the same either way.
#include <initializer_list>

#include "game/media/MenuCursor.h"
#include "game/media/Surface.h"

// System pictures of the menus. The window picture (the text styles' boxes), the accessory
// picture (the cursors, and play's status bar and banners) and the symbol picture (the text
// styles' letter symbols) are drawn from everywhere: start-up loads them for the whole run, and a
// scene that goes leaves them loaded.
const int kPictureWindow = 45;
const int kPictureTitle = 46;
const int kPictureAccessory = 47;
// Sources of the cursor images in the accessory picture.
const int kCursorLargeX = 0;  // 32 x 32
const int kCursorSmallX = 64;  // 16 x 16
const int kCursorEditX = 80;   // 16 x 16
const int kScreenW = 640;
const int kScreenH = 480;
// System sounds of the menus.
const int kSeDecide = 1;
const int kSeCancel = 2;
const int kSeRefused = 3;
const int kSeWorldMenu = 4;
const int kSeSaved = 5;
const int kSeRankView = 6;
// The cursor sound slot the menus move with.
const int kCursorSoundSlot = 0;

cMenuCursor& MenuCursor();
// One zeroed level.
void ResetMenuCursor();

// Entry of the system settings' menu music list, played on music slot entry: from its start, or
// without restart going on when that slot already plays.
void PlayMenuMusic(int entry, bool restart = true);
// Loads the system pictures; a failure closes the game. True without a display.
bool LoadMenuPictures(std::initializer_list<int> rows);
void ReleaseMenuPictures(std::initializer_list<int> rows);
// The display is up: there is something to draw on.
bool CanDraw();
cSurface& BackBuffer();
cSurface& SystemPicture(int row);

// One step of the menu fades; true once the fade has ended.
bool MenuFadeIn();
bool MenuFadeOut();
// A cursor image of the accessory picture at (x, y): size 32 from (0, 0), 16 from (sx, 0).
void DrawCursorImage(int x, int y, int sx, int size);
