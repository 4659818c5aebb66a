#include "game/play/TextObj.h"

#include "game/core/GameGlobals.h"
#include "game/media/Blit.h"
#include "game/media/Font.h"
#include "game/play/GraphicSource.h"
#include "game/play/PlayBitmaps.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"

namespace {

const int kTextFont = 1;
const int kIconSide = 16;
const int kPopInFrames = 10;
const int kIconRiseFrames = 30;
const int kFixedIconX = 0;
const int kFixedIconY = 48;

}  // namespace

SIZE MeasureText(cFont& font, const char* text) { return font.MeasureText(text); }

cFont& TextObjFont() { return GameFonts()[kTextFont]; }

void cTextObj::Create(int32_t kind, const std::string& text, int32_t iconSource, int32_t iconNumber, int32_t iconSub,
                      int32_t positionMode, int32_t column, int32_t row, int32_t offsetX, int32_t offsetY,
                      int32_t keepOnScreen, int32_t timeMode, int32_t frames, int32_t countWhileHeld,
                      int32_t charaNumber, int32_t instant) {
    m_Kind = kind;
    m_Text = text;
    m_IconSource = iconSource;
    m_IconNumber = iconNumber;
    m_IconSub = iconSub;
    m_PositionMode = positionMode;
    m_Column = column;
    m_Row = row;
    m_OffsetX = offsetX;
    m_OffsetY = offsetY;
    m_KeepOnScreen = keepOnScreen;
    m_TimeMode = timeMode;
    m_Frames = frames;
    m_CountWhileHeld = countWhileHeld;
    m_CharaNumber = charaNumber;
    m_PopIn = timeMode == eUntilKey && !instant;
    m_PopInCounter = 0.0;
    if (kind == eWindow) {
        const SIZE size = MeasureText(TextObjFont(), text.c_str());
        m_Width = size.cx + 2;
        m_Height = size.cy + 2;
    } else {
        m_Width = m_Height = kIconSide;
    }
}

int cTextObj::Step(int hold) {
    if (m_TimeMode == eTimed && (!hold || m_CountWhileHeld) && --m_Frames < 0) return 1;
    if (m_Kind == eWindow && m_Shown && m_PopIn && m_PopInCounter < kPopInFrames) m_PopInCounter += 1.0;
    return 0;
}

bool cTextObj::Position(const cPlayScene& scene, int& x, int& y) const {
    const int w = m_Width, h = m_Height;
    switch (m_PositionMode) {
        case 0:
            x = 320 - (w >> 1);
            y = 240 - (h >> 1);
            break;
        case 1: case 2: case 3: case 4: case 5: case 6: {
            const cActor* chara = scene.FindCharaByNumber(m_CharaNumber);
            if (!chara) return false;
            const cRect& box = chara->m_ScreenRect;
            x = box.left + (chara->m_DrawWidth >> 1) - (w >> 1) + m_OffsetX;
            const int place = (m_PositionMode - 1) % 3;
            if (place == 0) y = box.top - h + m_OffsetY;
            else if (place == 1) y = box.bottom + m_OffsetY + 1;
            else y = box.top + (chara->m_DrawHeight >> 1) - (h >> 1) + m_OffsetY;
            break;
        }
        case 7:
            x = m_Column * 32 + m_OffsetX;
            y = m_Row * 32 + m_OffsetY;
            break;
        case 8:
            x = (m_Column + scene.m_ScrollX.m_BorderCells) * 32 + m_OffsetX - static_cast<int>(scene.m_ScrollX.m_Pos);
            y = (m_Row + scene.m_ScrollY.m_BorderCells) * 32 + m_OffsetY - static_cast<int>(scene.m_ScrollY.m_Pos);
            break;
        default:
            return false;
    }
    if (m_KeepOnScreen) {
        if (x < 0) x = 0;
        else if (x + w > 638) x = 640 - w;
        if (y < 20) y = 20;
        else if (y + h > 478) y = 480 - h;
    }
    return true;
}

cSurface* IconSource(int32_t source, int32_t n, int32_t sub, int& sx, int& sy, int& side) {
    side = 32;
    switch (source) {
        case 0:
            sx = (n / 15) * 64;
            sy = (n % 15) * 32;
            return PlaySurface(kSurfaceItems);
        case 1:
            sx = sub * 32;
            sy = (n % 15) * 32;
            return n >= 0 && n / 15 < 8 ? PlaySurface(kSurfaceCharaSheets + (n / 15) * 2) : nullptr;
        case 2:
            side = 16;
            sx = (n / 15) * 32;
            sy = (n % 15) * 16;
            return PlaySurface(kSurfaceMiniItems);
        case 3: {
            // Shot pictures are 16 x 16, 30 to a column, laid out as the shots in play draw them.
            cGraphicSource shot;
            ResolveGraphic(shot, kUsePreview, eGraphicShot, n, 0, nullptr, 0);
            side = 16;
            sx = shot.sx;
            sy = shot.sy;
            return n >= 0 ? shot.normal : nullptr;
        }
        case 4:
            // Entry n's first surface; there is none for number 0.
            sx = (sub & 15) * 32;
            sy = (sub & ~15) * 2;
            return n >= 1 ? CharaBitmap(n * 4 - 2) : nullptr;
        default:
            return nullptr;
    }
}

void cTextObj::Paint(const cPlayScene& scene, cSurface& dest) const {
    int x = 0, y = 0;
    if (!Position(scene, x, y)) return;
    const int rise = (kIconRiseFrames - m_Frames) >> 2;
    if (m_Kind == eIcon) {
        int sx = 0, sy = 0, side = 32;
        cSurface* sheet = IconSource(m_IconSource, m_IconNumber, m_IconSub, sx, sy, side);
        if (!sheet) return;
        if (side == kIconSide) DDBlt(dest, x, y - rise, kIconSide, kIconSide, *sheet, sx, sy, DDBLTFAST_SRCCOLORKEY);
        else DDStretchBlt(dest, x, y - rise, kIconSide, kIconSide, *sheet, sx, sy, side, side, 1);
        return;
    }
    if (m_Kind == eFixedIcon) {
        if (cSurface* system = PlaySurface(kSurfaceSystem))
            DDBlt(dest, x, y - rise, kIconSide, kIconSide, *system, kFixedIconX, kFixedIconY, DDBLTFAST_SRCCOLORKEY);
        return;
    }
    if (m_Kind != eWindow || !m_Shown) return;
    cFont& font = TextObjFont();
    if (m_PopIn && m_PopInCounter < kPopInFrames) {
        const double k = m_PopInCounter * 0.1;
        const int w = static_cast<int>(k * m_Width), h = static_cast<int>(k * m_Height);
        font.DrawFrame(dest, x + (m_Width >> 1) - static_cast<int>(k * (m_Width >> 1)),
                       y + (m_Height >> 1) - static_cast<int>(k * (m_Height >> 1)), w, h);
        return;
    }
    font.DrawFrame(dest, x, y, m_Width, m_Height);
    font.DrawText(dest, x + 1, y + 1, m_Text.c_str(), 0);
}
