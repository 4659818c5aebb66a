#include "game/play/ShotObj.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "data/SwordRecords.h"
#include "game/data/Tenths.h"
#include "game/media/StableMath.h"
#include "game/play/GraphicSource.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"
#include "game/play/Targets.h"

namespace {

// Flying modes (cObj::SetFlyingMode).
const int32_t kFlyThroughBlocks = 1;
const int32_t kFlyDieOnBlocks = 3;

int32_t Offset(int32_t base, int32_t perClone, int32_t clone, int32_t facing, uint8_t flip) {
    const int32_t value = perClone * clone + base;
    return facing == 1 && flip ? -value : value;
}

// A character's centre in stage dots.
double StageCentreX(const cActor& actor) { return actor.CentreX() + PlayAxis(0).m_Pos; }
double StageCentreY(const cActor& actor) { return actor.CentreY() + PlayAxis(1).m_Pos; }

bool Alive(const cActor* actor) { return actor && !actor->m_Dead; }

}  // namespace

int32_t LaunchOffsetX(const cEdShot& shot, int32_t clone, int32_t facing) {
    return Offset(shot.m_OffsetX, shot.m_OffsetXClone, clone, facing, shot.m_FlipX);
}

int32_t LaunchOffsetY(const cEdShot& shot, int32_t clone, int32_t facing) {
    return Offset(shot.m_OffsetY, shot.m_OffsetYClone, clone, facing, shot.m_FlipY);
}

const cSwordType* cShotObj::SwordType() const {
    const cRecordVector<cSwordType>& table = ProjectDatabase().m_SwordTypes;
    return m_Shot.m_MoveType < table.size() ? &table[m_Shot.m_MoveType] : nullptr;
}

void cShotObj::Setup(int32_t number, const cActor& owner, int32_t cmdType, const cEdShot& shot, const cPlacement& p) {
    const cPhysics physics = PlayPhysics();
    const double d = physics.divisor;
    m_Shot = shot;
    m_Scale = shot.m_Scale < 1 ? 1 : shot.m_Scale;
    const int32_t facing = p.vx > 0 ? 1 : p.vx < 0 ? 0 : owner.m_Facing;
    int32_t w = 1, h = 1, offsetX = 0, offsetY = 0, drawW = 16, drawH = 16;
    if (cmdType == eCmdSword) {
        m_Kind = 0;
        const cSwordType* type = SwordType();
        if (type && !type->m_Positions.empty()) {
            w = type->m_Positions[0].m_Width;
            h = type->m_Positions[0].m_Height;
        }
        drawW = w;
        drawH = h;
    } else {
        m_Kind = 1;
        const cHitArea& box = ProjectStage().m_HitAreas[owner.IsPlayer() ? eHitHeroShotChara : eHitEnemyShotChara];
        w = box.width < 1 ? 1 : box.width;
        h = box.height < 1 ? 1 : box.height;
        offsetX = 8 - (w >> 1);
        offsetY = 8 - (h >> 1);
    }
    // The blocks that let the owner pass let a shot of the owner's force pass too; a shot of a
    // force of its own passes those of that force. A shot that does not pierce blocks dies on them.
    const int32_t blockGroup = shot.m_SameForce ? owner.BlockGroup() : shot.m_Force;
    Init(number, owner.m_Control[0], owner.m_Control[1], blockGroup, shot.m_Graphic, offsetX, offsetY, w, h, drawW,
         drawH, facing, shot.m_PierceBlock ? kFlyThroughBlocks : kFlyDieOnBlocks, p.clone,
         m_Kind == 1 ? SheetFrameAnime() : nullptr);
    m_Owner = owner.m_Number;
    m_Group = shot.m_SameForce ? owner.Group() : shot.m_Force + 1;
    m_HitList.clear();
    m_Removed = 0;
    if (m_Kind == 1) SetScale(m_Scale, 1);
    m_X = p.x + m_DrawOffsetX;
    m_Y = p.y + m_DrawOffsetY;
    ClampShotX();
    ClampY(2);
    m_dSpeedX = p.vx / d;
    m_dSpeedY = p.vy / d;
    if (shot.m_UseLife) m_LifeFrames = static_cast<int32_t>(p.life * 60 / 10 * d);
    if (shot.m_UseRange) {
        double b = p.range * 16.0 - m_Width;
        if (b < 0) b = 0;
        const double e = std::fabs(p.speed / d);
        if (b > 0 && e > 0) {
            m_RangeFrames = static_cast<int32_t>(b / e);
        } else if (e > 0 && m_Width < static_cast<int32_t>(e * d)) {
            m_RangeFrames = static_cast<int32_t>(m_Width / e);
        } else {
            m_RangeFrames = static_cast<int32_t>(d);
        }
        if (m_RangeFrames < d) {
            // Too short a range for one frame's flight: the shot covers it in the frame instead.
            const double sum = std::fabs(m_dSpeedX) + std::fabs(m_dSpeedY);
            if (sum > 0) {
                const double vx = m_dSpeedX, vy = m_dSpeedY;
                m_dSpeedX = b / d * vx / sum;
                m_dSpeedY = b / d * vy / sum;
            }
            m_RangeFrames = static_cast<int32_t>(d);
        }
    }
    m_Frame = m_Second = m_SwordPos = m_ChangeFrame = m_EndFrame = m_TrajDone = m_WaveStarted = 0;
    m_Target = owner.m_Flow.m_Target;
}

int cShotObj::Group() const { return m_Group >= 0 && m_Group < cActor::kGroups ? m_Group : 0; }

bool cShotObj::HasHit(int32_t number) const {
    return std::find(m_HitList.begin(), m_HitList.end(), number) != m_HitList.end();
}

void cShotObj::ScaleParts(int32_t) {}

void cShotObj::AdjustForScale(int32_t newScale, int32_t oldScale) {
    m_Y -= (newScale - oldScale) * (m_BaseHeight >> 1);
    ClampY(2);
}

int cShotObj::ClampShotX() { return ClampX(2) == 3 ? 3 : 0; }

int cShotObj::MoveX() {
    if (m_dAcSpeedX != 0) m_dSpeedX += m_dAcSpeedX;
    if (m_dSpeedX == 0) return 0;
    const double cap = PlayPhysics().maxSpeed;
    if (m_dSpeedX > cap) m_dSpeedX = cap;
    if (m_dSpeedX < -cap) m_dSpeedX = -cap;
    m_X += m_dSpeedX;
    return ClampShotX();
}

int cShotObj::MoveY() {
    if (m_dAcSpeedY != 0) m_dSpeedY += m_dAcSpeedY;
    ApplyGravity();
    if (m_dSpeedY == 0) return 0;
    return cObj::MoveY(2);
}

int cShotObj::HitsBlock(cPlayScene& scene) const {
    if (m_Shot.m_PierceBlock) return 0;
    const int32_t left = static_cast<int32_t>(m_X), top = static_cast<int32_t>(m_Y);
    const int32_t right = static_cast<int32_t>(m_Right), bottom = static_cast<int32_t>(m_Bottom);
    auto solid = [&](int32_t x, int32_t y) { return scene.CellSolidity(x >> 5, y >> 5, m_Control[2]) != 0; };
    if (right - left + 1 <= 32) return solid(left, top) || solid(left, bottom) || solid(right, top) || solid(right, bottom);
    // A wide box could straddle a block between its corners: every cell it covers is tested.
    for (int32_t y = top;; y += 32) {
        if (y > bottom) y = bottom;
        for (int32_t x = left;; x += 32) {
            if (x > right) x = right;
            if (solid(x, y)) return 1;
            if (x == right) break;
        }
        if (y == bottom) break;
    }
    return 0;
}

void cShotObj::AimAtActor(const cActor& target) {
    const double fromX = m_X + m_Width / 2.0, fromY = m_Y + m_Height / 2.0;
    int32_t direction = 0;
    AimAt(m_dSpeedX, m_dSpeedY, direction, target, fromX, fromY, StageCentreX(target), StageCentreY(target),
          m_TrajSpeed, 0, 1, 0);
    if (direction == 1) m_Facing = 0;
    if (direction == 2) m_Facing = 1;
}

double cShotObj::WaveStep() {
    const double a = m_Shot.m_MoveParam[0] * 16.0, b = m_Shot.m_MoveParam[1];
    if (!m_WaveStarted) return WaveSpeed(a, b, m_WavePhase, 1, 0);
    return WaveAccel(a, b, m_WavePhase, 1, 0);
}

void cShotObj::StepTrajectory(cPlayScene& scene) {
    const int type = m_Shot.m_MoveType;
    const double d = PlayPhysics().divisor;
    if (m_Second == 0) {
        m_TrajSpeed = (m_Shot.m_Speed + m_Shot.m_SpeedClone * m_Level) * 0.1 / d;
        const int32_t p1 = m_Shot.m_MoveParam[0], p2 = m_Shot.m_MoveParam[1];
        m_ChangeFrame = p1 != 0 && m_TrajSpeed != 0 ? static_cast<int32_t>(p1 * 16 / m_TrajSpeed) : 0;
        // Without a speed the homing never comes to its end.
        m_EndFrame = m_TrajSpeed != 0 ? static_cast<int32_t>(p2 * 16 / m_TrajSpeed) : INT_MAX;
    }
    const int32_t t = m_Second;
    const bool homing = t >= m_ChangeFrame && t < m_EndFrame;
    cActor* player = scene.m_Players.empty() ? nullptr : &scene.m_Players[0];
    switch (type) {
        case 1:
            if (t == m_ChangeFrame && Alive(player)) AimAtActor(*player);
            break;
        case 2:
            if (t == m_ChangeFrame)
                if (cActor* nearest = scene.NearestOfForce(m_X + m_Width / 2.0, m_Y + m_Height / 2.0, m_Shot.m_MoveParam[1]))
                    AimAtActor(*nearest);
            break;
        case 3:
            if (t == m_ChangeFrame && Alive(m_Target)) AimAtActor(*m_Target);
            break;
        case 4:
            if (homing && Alive(player)) AimAtActor(*player);
            break;
        case 5:
        case 7:
            if (homing)
                if (cActor* nearest = scene.NearestOfForce(m_X + m_Width / 2.0, m_Y + m_Height / 2.0, m_Shot.m_MoveParam[2]))
                    AimAtActor(*nearest);
            break;
        case 6:
            if (homing && Alive(m_Target)) AimAtActor(*m_Target);
            break;
        case 8:
            // A wave speed of 0 makes no wave.
            if (m_Shot.m_MoveParam[1] == 0) break;
            if (!m_WaveStarted) {
                m_WavePhase = static_cast<double>(m_Shot.m_MoveParam[2]) / m_Shot.m_MoveParam[1] * d;
                double angle = MathAtan2(m_dSpeedY, m_dSpeedX);
                if (angle < 0) angle += 2 * kPi;
                const double theta = (angle * 180 / kPi - 90) * kPi / 180;
                m_WaveCos = MathCos(theta);
                m_WaveSin = MathSin(theta);
                const double g = WaveStep();
                m_WaveStarted = 1;
                m_dSpeedX += g * m_WaveCos;
                m_dSpeedY += g * m_WaveSin;
            } else {
                const double k = WaveStep();
                const double vx = m_dSpeedX + k * m_WaveCos, vy = m_dSpeedY + k * m_WaveSin;
                m_dSpeedX = vx * m_dSpeedX < 0 ? 0 : vx;
                m_dSpeedY = vy * m_dSpeedY < 0 ? 0 : vy;
            }
            break;
        case 9:
            if (t == m_ChangeFrame) m_NoGravity = 0;
            break;
        default:
            break;
    }
    if (m_Second < INT_MAX) ++m_Second;
}

int cShotObj::Step(cPlayScene& scene) {
    if (m_Kind == 0) return StepSword(scene);
    StepTrajectory(scene);
    if (m_Shot.m_UseLife) {
        if (m_LifeFrames == 0) return 1;
        --m_LifeFrames;
    }
    if (m_Shot.m_UseRange) {
        if (m_RangeFrames > 0) --m_RangeFrames;
        if (m_RangeFrames == 0) {
            if (!m_Shot.m_NoVanishAtEnd) return 1;
            m_dSpeedX = m_dSpeedY = m_dAcSpeedX = m_dAcSpeedY = 0;
            m_Shot.m_MoveType = 0;
        }
    }
    return 0;
}

int cShotObj::StepSword(cPlayScene& scene) {
    const cActor* owner = scene.FindActorByNumber(m_Owner);
    if (!owner) return 1;
    const cSwordType* type = SwordType();
    if (!type || m_Second >= static_cast<int32_t>(type->m_Positions.size())) return 1;
    m_Facing = owner->m_Facing;
    const cSwordPos& pos = type->m_Positions[m_Second];
    if (m_Frame == 0) {
        m_Width = m_DrawWidth = m_Scale * pos.m_Width;
        m_Height = m_DrawHeight = m_Scale * pos.m_Height;
        m_BaseWidth = m_BaseDrawWidth = pos.m_Width;
        m_BaseHeight = m_BaseDrawHeight = pos.m_Height;
    }
    const double left = owner->m_ScreenRect.left + PlayAxis(0).m_Pos;
    const double top = owner->m_ScreenRect.top + PlayAxis(1).m_Pos;
    const double right = owner->m_ScreenRect.right + PlayAxis(0).m_Pos;
    const double bottom = owner->m_ScreenRect.bottom + PlayAxis(1).m_Pos;
    const double front = m_Facing ? right + 1 : left - m_Width;
    const double back = m_Facing ? left - m_Width : right + 1;
    const double middleY = top + (owner->m_DrawHeight >> 1) - (m_Height >> 1);
    const double middleX = left + (owner->m_DrawWidth >> 1) - (m_Width >> 1);
    switch (pos.m_Direction) {
        case 0: m_X = front; m_Y = middleY; break;
        case 1: m_X = back; m_Y = middleY; break;
        case 2: m_X = middleX; m_Y = top - m_Height; break;
        default: m_X = middleX; m_Y = bottom + 1; break;
    }
    const double ox = pos.m_X * m_Scale, oy = pos.m_Y * m_Scale;
    m_X += m_Facing && pos.m_MirrorX ? -ox : ox;
    m_Y += m_Facing && pos.m_MirrorY ? -oy : oy;
    ClampShotX();
    ClampY(2);
    m_SwordPos = m_Second;
    ++m_Frame;
    if (m_Frame > pos.m_Time * PlayPhysics().steps * kFramesPerTenth) {
        m_Frame = 0;
        ++m_Second;
        if (m_Second >= static_cast<int32_t>(type->m_Positions.size())) return 1;
    }
    return 0;
}
