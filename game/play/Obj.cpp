#include "game/play/Obj.h"

#include <climits>

#include "game/play/PlayScene.h"

void cObj::Init(int32_t number, int32_t control1, int32_t control2, int32_t control3, int32_t kindValue,
                int32_t drawOffsetX, int32_t drawOffsetY, int32_t width, int32_t height, int32_t drawWidth,
                int32_t drawHeight, int32_t facing, int32_t flyingMode, int32_t level,
                const int32_t* const* builtInAnime, int32_t firstAnime) {
    m_Number = number;
    m_Counter = INT_MAX;
    m_Control[0] = control1;
    m_Control[1] = control2;
    m_Control[2] = control3;
    m_KindValue = kindValue;
    m_DrawOffsetX = m_BaseDrawOffsetX = drawOffsetX;
    m_DrawOffsetY = m_BaseDrawOffsetY = drawOffsetY;
    m_Width = m_BaseWidth = width;
    m_Height = m_BaseHeight = height;
    m_DrawWidth = m_BaseDrawWidth = drawWidth;
    m_DrawHeight = m_BaseDrawHeight = drawHeight;
    // A record's facing byte is a flag (the editor shows any value but 0 as right): play holds 0
    // or 1, so that every test of it agrees.
    m_Facing = facing != 0 ? 1 : 0;
    m_Level = static_cast<int16_t>(level);
    m_dSpeedX = m_dSpeedY = m_dAcSpeedX = m_dAcSpeedY = 0.0;
    m_Present = m_OnScreen = 0;
    m_Flag = 0;
    SetFlyingMode(flyingMode);
    if (builtInAnime && m_Anime.SetPatterns(builtInAnime)) m_Anime.SetPattern(firstAnime, 1);
}

void cObj::SetFlyingMode(int32_t mode) {
    static const struct {
        int32_t noGravity;
        uint8_t blockContact;
    } modes[] = {{0, 1}, {1, 0}, {1, 1}, {1, 2}};
    if (mode < 0 || mode > 3) return;
    m_NoGravity = modes[mode].noGravity;
    m_BlockContact = modes[mode].blockContact;
}

void cObj::SetScale(int32_t newScale, int32_t oldScale) {
    if (newScale == oldScale) return;
    m_Width = m_BaseWidth * newScale;
    m_Height = m_BaseHeight * newScale;
    m_DrawOffsetX = m_BaseDrawOffsetX * newScale;
    m_DrawOffsetY = m_BaseDrawOffsetY * newScale;
    m_DrawWidth = m_BaseDrawWidth * newScale;
    m_DrawHeight = m_BaseDrawHeight * newScale;
    KeepCentreX(newScale, oldScale);
    ScaleParts(newScale);
}

void cObj::KeepCentreX(int32_t newScale, int32_t oldScale) {
    if (newScale == oldScale) return;
    m_X -= (newScale - oldScale) * (m_BaseWidth >> 1);
    ClampX(2);
    AdjustForScale(newScale, oldScale);
}

int cObj::ClampX(int mode) {
    const cScroll& axis = PlayAxis(0);
    const int32_t w = m_Width;
    const double right = m_X + w - 1;
    int result = 0;
    if (mode == 0) {
        if (m_X < axis.m_Min)
            m_X = axis.m_Min;
        else if (right >= axis.m_MaxEdge)
            m_X = axis.m_MaxEdge - w;
    } else if (mode == 1) {
        if (m_X < axis.m_Border)
            m_X = axis.m_Border;
        else if (right >= axis.m_Extent)
            m_X = axis.m_Extent - w;
        else if (m_X < axis.m_Min || right >= axis.m_MaxEdge)
            result = 1;
    } else if (mode == 2) {
        if (m_X < 0) {
            m_X = 0;
            result = 3;
        } else if (right >= axis.m_ObjectLimit) {
            m_X = axis.m_ObjectLimit - w;
            result = 3;
        } else if (m_X < axis.m_Border || right >= axis.m_Extent) {
            result = 2;
        } else if (m_X < axis.m_Min || right >= axis.m_MaxEdge) {
            result = 1;
        }
    }
    m_Right = w + m_X - 1;
    UpdateBoxX();
    m_LeftColumn = static_cast<int32_t>(m_X) >> 5;
    m_RightColumn = static_cast<int32_t>(m_Right) >> 5;
    return result;
}

int cObj::ClampY(int mode) {
    const cScroll& axis = PlayAxis(1);
    const int32_t h = m_Height;
    const double bottom = m_Y + h - 1;
    int result = 0;
    if (mode == 0) {
        if (m_Y < axis.m_Min)
            m_Y = axis.m_Min;
        else if (bottom >= axis.m_MaxEdge)
            m_Y = axis.m_MaxEdge - h;
    } else if (mode == 1) {
        if (m_Y < axis.m_Border)
            m_Y = axis.m_Border;
        else if (bottom >= axis.m_Extent)
            m_Y = axis.m_Extent - h;
        else if (m_Y < axis.m_Min)
            result = 1;
        else if (bottom >= axis.m_MaxEdge)
            result = 4;
    } else if (mode == 2) {
        if (m_Y < 0) {
            m_Y = 0;
            result = 3;
        } else if (bottom >= axis.m_ObjectLimit) {
            m_Y = axis.m_ObjectLimit - h;
            result = 6;
        } else if (m_Y < axis.m_Border) {
            result = 2;
        } else if (bottom >= axis.m_Extent) {
            result = 5;
        } else if (m_Y < axis.m_Min) {
            result = 1;
        } else if (bottom >= axis.m_MaxEdge) {
            result = 4;
        }
    }
    m_Bottom = h + m_Y - 1;
    UpdateBoxY();
    m_TopRow = static_cast<int32_t>(m_Y) >> 5;
    m_BottomRow = static_cast<int32_t>(m_Bottom) >> 5;
    return result;
}

void cObj::UpdateScreenRect() {
    const int32_t scrollX = static_cast<int32_t>(PlayAxis(0).m_Pos);
    const int32_t scrollY = static_cast<int32_t>(PlayAxis(1).m_Pos);
    m_ScreenRect.left = static_cast<int32_t>(m_X - m_DrawOffsetX - scrollX);
    m_ScreenRect.right = m_ScreenRect.left + m_DrawWidth - 1;
    m_ScreenRect.top = static_cast<int32_t>(m_Y - m_DrawOffsetY - scrollY);
    m_ScreenRect.bottom = m_ScreenRect.top + m_DrawHeight - 1;
}

int cObj::IsInArea(int wholeStage) const {
    const cScroll& x = PlayAxis(0);
    const cScroll& y = PlayAxis(1);
    if (wholeStage)
        return m_X >= 0 && m_Right < x.m_ObjectLimit && m_Y >= 0 && m_Bottom < y.m_ObjectLimit ? 1 : 0;
    return m_X >= x.m_Border && m_Right < x.m_Extent && m_Y >= y.m_Border && m_Bottom < y.m_Extent ? 1 : 0;
}
