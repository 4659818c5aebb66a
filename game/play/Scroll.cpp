#include "game/play/Scroll.h"

#include "data/StageLayer.h"
#include "game/play/PlayScene.h"

void cScroll::SetUp(int32_t axis, int32_t stageCells) {
    *this = cScroll();
    m_Axis = axis;
    m_View = axis == 0 ? 640 : 480;
    m_Cells = stageCells + 2 * kBorderCells;
    m_Border = kBorderCells * 32;
    m_Extent = (stageCells + kBorderCells) * 32;
    if (m_Extent < 0) m_Extent = 0;
    // The map ends there: nothing is ever placed or kept beyond it.
    m_ObjectLimit = m_Cells * 32;
    if (axis == 0) {
        m_Shift = RowShift(m_Cells);
        m_Stride = 1 << m_Shift;
    }
    SetBounds(0, 0, 0, 0);
}

void cScroll::SetBounds(int32_t useMin, int32_t minBlocks, int32_t useMax, int32_t maxBlock) {
    m_Min = useMin ? m_Border + minBlocks * 32 : m_Border;
    if (useMax) {
        m_MaxEdge = m_Border + maxBlock * 32 + 32;
        if (m_MaxEdge < m_Min) m_MaxEdge = m_Min;
    } else {
        m_MaxEdge = m_Extent;
    }
}

void cScroll::Clamp() {
    m_AtLimit = 0;
    if (m_Pos < m_Min) {
        m_Pos = m_Min;
        m_AtLimit = 1;
    } else if (m_Pos + m_View >= m_MaxEdge) {
        m_Pos = m_MaxEdge - m_View;
        if (m_Pos < m_Min) m_Pos = m_Min;
        m_AtLimit = 1;
    }
}

int cScroll::SetSpeed(int32_t on, int32_t value) {
    m_Speed = value;
    if (on) {
        m_AutoSpeed = value * 0.1 / (m_Divisor > 0.0 ? m_Divisor : 1.0);
        m_Auto = 1;
    } else {
        m_AutoSpeed = 0.0;
        m_Auto = 0;
    }
    return 0;
}

void cScroll::Step() {
    m_Pos += m_AutoSpeed;
    Clamp();
}

const cScroll& PlayAxis(int axis) {
    static const cScroll none;
    const cPlayScene* scene = CurrentPlayScene();
    if (!scene) return none;
    return axis == 0 ? scene->m_ScrollX : scene->m_ScrollY;
}
