#pragma once
// Texts shown over play: message windows, item icons that rise from a character and the fixed
// notice icon. The play scene counts them down in its own pass and the painter draws them where
// their position mode puts them; a window is drawn straight into the picture, so it holds no
// surface that could be left behind when the scene drops it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "game/media/Surface.h"

class cFont;
class cPlayScene;

// Width and height of a text of one or more lines ('\n' between them), as the font lays it out.
SIZE MeasureText(cFont& font, const char* text);
// The game's font for text windows.
cFont& TextObjFont();

class cTextObj {
public:
    enum eKind { eMarker = 0, eWindow = 1, eIcon = 2, eFixedIcon = 3 };
    enum eTimeMode { eUntilKey = 0, eUntilStageEnd = 1, eTimed = 2 };

    // A window is measured (+ 2 each way); icons are 16 x 16. Only a window that waits for the
    // key pops in, unless instant.
    void Create(int32_t kind, const std::string& text, int32_t iconSource, int32_t iconNumber, int32_t iconSub,
                int32_t positionMode, int32_t column, int32_t row, int32_t offsetX, int32_t offsetY,
                int32_t keepOnScreen, int32_t timeMode, int32_t frames, int32_t countWhileHeld, int32_t charaNumber,
                int32_t instant);
    // The scene's pass before the picture: a timed text counts down (unless held, or always when
    // it counts while held) and answers 1 once its time has run out; a shown window pops in.
    int Step(int hold);
    // Where the box stands on the screen; false when the character it follows is not there.
    bool Position(const cPlayScene& scene, int& x, int& y) const;
    void Paint(const cPlayScene& scene, cSurface& dest) const;

    int32_t m_Kind = 0;
    std::string m_Text;
    int32_t m_Shown = 0;
    int32_t m_IconSource = 0;
    int32_t m_IconNumber = 0;
    int32_t m_IconSub = 0;
    int32_t m_PositionMode = 0;
    int32_t m_Column = 0;
    int32_t m_Row = 0;
    int32_t m_OffsetX = 0;
    int32_t m_OffsetY = 0;
    int32_t m_Width = 0;
    int32_t m_Height = 0;
    int32_t m_KeepOnScreen = 0;
    int32_t m_TimeMode = 0;
    int32_t m_CharaNumber = 0;
    int32_t m_Frames = 0;
    int32_t m_CountWhileHeld = 0;
    int32_t m_PopIn = 0;
    double m_PopInCounter = 0.0;
};

// The icon's picture: the surface and the 32 x 32 cell (16 x 16 for sources 2 and 3, the small
// items and the shots) of icon source 0-4; null when the source or number names none.
cSurface* IconSource(int32_t source, int32_t number, int32_t sub, int& sx, int& sy, int& side);
