#include "game/play/PlayerActor.h"

#include <algorithm>

#include "game/play/Physics.h"
#include "game/play/PlayScene.h"

void cPlayerActor::Setup(int32_t number, const cEdChara& record, double x, double y) {
    cEdChara local = record;
    if (local.m_Scale == 0) local.m_Scale = 1;
    Reset(&local, static_cast<int32_t>(x), static_cast<int32_t>(y), 0, 0, 0);
    Init(number, 0, 0, 0, local.m_Graphic, 8, 8, 16, 24, 32, 32, 1, 0, 0);
    SetHitboxes(local.m_Flight, 0);
    m_ModeCountdown = 0;
    SetScale(Scale(), 1);
    // The box is centred on the point: with its top-left there, a hero placed on the ground
    // would start in the ground, touching it on both sides, and be crushed at once.
    m_X = x - m_Width / 2;
    m_Y = y - m_Height / 2;
    FitEdgeSamples();
    OnMoveX();
    OnMoveY();
    m_Facing = m_FacingCopy = local.m_FaceRight != 0 ? 1 : 0;
    m_JumpHold = m_JumpBlocked = m_JumpDone = 0;
    m_EffectKind = m_EffectOn = 0;
    m_EffectFactor = 1.0;
    m_StepCount = 0;
    m_CrushImmune = 0;
    m_JumpReady = 1;
    m_BaseAccel = 4.0 / PlayPhysics().divisor;
    m_Present = 1;
    m_OnScreen = 1;
    m_BoxOverlays = BuildBoxOverlays(*this, ProjectStage());
    SetFlows(m_Chara.m_Flows, m_Facing, 0, -1);
}

int32_t cPlayerActor::SetHitboxes(int32_t mode, int scaleThem) {
    const int32_t hadGravity = m_NoGravity == 0;
    m_Chara.m_Flight = static_cast<uint8_t>(mode);
    SetFlyingMode(mode);
    const int32_t hasGravity = m_NoGravity == 0;
    if (hadGravity != hasGravity) m_ModeCountdown = 2;
    if (!hadGravity && hasGravity) m_dSpeedX = m_dSpeedY = m_dAcSpeedX = m_dAcSpeedY = 0.0;
    m_Width = m_BaseWidth = 16;
    m_Height = m_BaseHeight = hasGravity ? 24 : 16;
    m_DrawOffsetX = m_BaseDrawOffsetX = 8;
    m_DrawOffsetY = m_BaseDrawOffsetY = 8;
    m_DrawWidth = m_BaseDrawWidth = 32;
    m_DrawHeight = m_BaseDrawHeight = 32;
    if (!scaleThem) {
        FitEdgeSamples();
        return 1;
    }
    const int32_t scale = Scale();
    m_Width *= scale;
    m_Height *= scale;
    m_DrawOffsetX = m_DrawOffsetY = 8 * scale;
    m_DrawWidth = m_DrawHeight = 32 * scale;
    FitEdgeSamples();
    return scale;
}

namespace {

// The view keeps the player at its middle, within the camera limits.
void Follow(cScroll& axis, double position, int32_t size) {
    if (axis.m_Auto) return;
    const double half = axis.m_View / 2;
    axis.m_Pos = std::max<double>(axis.m_Min, std::min<double>(position - (half - size / 2), axis.m_MaxEdge - axis.m_View));
}

}  // namespace

int cPlayerActor::OnMoveX() {
    if (cPlayScene* scene = CurrentPlayScene()) Follow(scene->m_ScrollX, m_X, m_Width);
    const int result = ClampX(m_NoGravity ? 0 : 1);
    m_Right = m_Width + m_X - 1;
    return result;
}

int cPlayerActor::OnMoveY() {
    if (cPlayScene* scene = CurrentPlayScene()) Follow(scene->m_ScrollY, m_Y, m_Height);
    const int result = ClampY(m_NoGravity ? 0 : 1);
    m_Bottom = m_Height + m_Y - 1;
    return result;
}

void cPlayerActor::UpdatePlayerScreenRect() {
    const cScroll& across = PlayAxis(0);
    const cScroll& down = PlayAxis(1);
    if (across.m_Auto) {
        m_ScreenRect.left = static_cast<int32_t>(m_X) - static_cast<int32_t>(across.m_Pos) - m_DrawOffsetX;
        m_ScreenRect.right = m_ScreenRect.left + m_DrawWidth - 1;
    } else if (across.m_Pos <= across.m_Min || across.m_Pos + across.m_View >= across.m_MaxEdge) {
        m_ScreenRect.left = static_cast<int32_t>(m_X - across.m_Pos - m_DrawOffsetX);
        m_ScreenRect.right = m_ScreenRect.left + m_DrawWidth - 1;
    } else {
        m_ScreenRect.left = across.m_View / 2 - m_DrawWidth / 2;
        m_ScreenRect.right = m_DrawWidth / 2 + across.m_View / 2 - 1;
    }
    if (down.m_Auto)
        m_ScreenRect.top = static_cast<int32_t>(m_Y) - static_cast<int32_t>(down.m_Pos) - m_DrawOffsetY;
    else
        m_ScreenRect.top = static_cast<int32_t>(m_Y - down.m_Pos - m_DrawOffsetY);
    m_ScreenRect.bottom = m_ScreenRect.top + m_DrawHeight - 1;
}

int cPlayerActor::UpdateSpeedX() {
    if (m_ImpulseX != 0.0) {
        m_dSpeedX = m_ImpulseX;
    } else if (m_dAcSpeedX != 0.0) {
        ApplyFriction(m_dAcSpeedX, m_FrictionX);
        if (m_EffectOn && m_EffectKind == 3) {
            const cPhysics physics = PlayPhysics();
            const double change = (m_EffectFactor - 1) * (m_BaseAccel / physics.divisor / 60);
            if (m_dAcSpeedX <= 0) {
                m_dAcSpeedX -= change;
                if (m_dAcSpeedX > 0) m_dAcSpeedX = 0.0;
            } else {
                m_dAcSpeedX += change;
                if (m_dAcSpeedX < 0) m_dAcSpeedX = 0.0;
            }
        }
        m_dSpeedX += m_dAcSpeedX;
    }
    const double cap = PlayPhysics().maxSpeed;
    m_dSpeedX = std::max(-cap, std::min(m_dSpeedX, cap));
    m_X += m_dSpeedX;
    OnMoveX();
    return 0;
}

int cPlayerActor::UpdateMoveY() {
    ApplyImpulseY();
    if (m_ImpulseY == 0.0 && m_NoGravity && m_dAcSpeedY != 0.0) {
        ApplyFriction(m_dAcSpeedY, m_FrictionY);
        m_dSpeedY += m_dAcSpeedY;
    }
    const int result = MoveY(m_NoGravity ? 0 : 2);
    OnMoveY();
    return !m_NoGravity && (result == 5 || result == 6) ? 7 : result;
}
