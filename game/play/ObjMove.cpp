// Where an object is against the view, the removal area and the map, and how it moves.
#include <algorithm>

#include "data/StageRecords.h"
#include "game/play/Obj.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"

int cObj::IsOnScreen() const { return IsOnScreenAxes(0, 0); }

int cObj::IsOnScreenAxes(int ignoreX, int ignoreY) const {
    const double x = PlayAxis(0).m_Pos, y = PlayAxis(1).m_Pos;
    if (!ignoreX && !(m_Right >= x && x + 640 > m_X)) return 0;
    if (ignoreY) return 1;
    return m_Bottom >= y && y + 480 > m_Y ? 1 : 0;
}

int cObj::IsOutOfRemovalArea(const cAutoVanish& rule) const {
    if (m_OnScreen) return 0;
    const cScroll& ax = PlayAxis(0);
    const cScroll& ay = PlayAxis(1);
    const double x = ax.m_Pos, y = ay.m_Pos;
    if (rule.m_Left && m_Right <= static_cast<int32_t>(x - rule.m_LeftMargin * 32)) return 1;
    if (rule.m_Right && m_X >= static_cast<int32_t>(x + rule.m_RightMargin * 32 + 640)) return 1;
    if (rule.m_Bottom && m_Y >= static_cast<int32_t>(rule.m_BottomMargin * 32 + y + 480)) return 1;
    if (rule.m_Top && m_Bottom <= static_cast<int32_t>(y - rule.m_TopMargin * 32)) return 1;
    return m_X <= 0 || m_Right >= ax.m_ObjectLimit - 1 || m_Y <= 0 || m_Bottom >= ay.m_ObjectLimit - 1 ? 1 : 0;
}

int cObj::TouchesSolidCell() const {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return 0;
    const int32_t corners[4][2] = {
        {m_LeftColumn, m_TopRow}, {m_LeftColumn, m_BottomRow}, {m_RightColumn, m_TopRow}, {m_RightColumn, m_BottomRow}};
    for (const auto& corner : corners)
        if (scene->CellSolidity(corner[0], corner[1], BlockGroup()) != 0) return 1;
    return 0;
}

int cObj::TouchesCell() const {
    if (m_NoGravity && m_BlockContact == 0) return 0;
    return TouchesSolidCell();
}

int cObj::MoveX(int mode) {
    const double cap = PlayPhysics().maxSpeed;
    m_dSpeedX = std::max(-cap, std::min(m_dSpeedX, cap));
    m_X += m_dSpeedX;
    return ClampX(mode);
}

int cObj::MoveY(int mode) {
    const double cap = PlayPhysics().maxSpeed;
    m_dSpeedY = std::max(-cap, std::min(m_dSpeedY, cap));
    m_Y += m_dSpeedY;
    return ClampY(mode);
}

void cObj::ApplyGravity() {
    if (m_NoGravity == 0) m_dSpeedY += PlayPhysics().gravity;
}

void cObj::WearDown(double& value, double amount) {
    if (value > 0.0) {
        value -= amount;
        if (value < 0.0) value = 0.0;
    } else if (value < 0.0) {
        value += amount;
        if (value > 0.0) value = 0.0;
    }
}
