// The numbers characters move by: movement command set-up, gravity, knock-back impulses, jumps,
// landing and placement on block cells.
#include "game/play/Movement.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "game/data/Tenths.h"
#include "game/media/StableMath.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"

namespace {

int32_t ToInt(double value) {
    if (!(value == value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int32_t>(value);
}

// A time of 0 runs the command once: its whole way is covered in that step.
double PerStep(double amount, int32_t useTime) { return amount / (useTime > 0 ? useTime : 1); }

void TargetOffsets(cFlowCmdEntry& entry, const cEdMove& move, int32_t facing) {
    entry.m_OffsetX = move.m_TargetX * 32 + move.m_TargetDotX;
    entry.m_OffsetY = move.m_TargetY * 32 + move.m_TargetDotY;
    if (facing == 1) {
        if (move.m_FlipX) entry.m_OffsetX = -entry.m_OffsetX;
        if (move.m_FlipY) entry.m_OffsetY = -entry.m_OffsetY;
    }
}

void SetUpCircle(cFlowCmdEntry& entry, const cEdMove& move, int32_t level, int32_t facing) {
    const cPhysics p = PlayPhysics();
    int32_t added = 0;
    if (facing == 1 && move.m_FlipX) {
        entry.m_Reverse = !entry.m_Reverse;
        added = 180;
    }
    if (facing == 1 && move.m_FlipY) entry.m_Reverse = !entry.m_Reverse;
    const int32_t radius = std::max(0, std::min(move.m_HomingClone * level + move.m_Homing, 20));
    entry.m_Distance = static_cast<double>(radius) * 16 * p.steps;
    entry.m_StartAngle = static_cast<double>(added + move.m_AngleClone * level + move.m_Angle) * p.steps;
    entry.m_EndAngle = static_cast<double>(added + move.m_DistanceClone * level + move.m_Distance) * p.steps;
    const double sweep = move.m_Angle >= move.m_Distance ? entry.m_StartAngle - entry.m_EndAngle
                                                         : entry.m_EndAngle - entry.m_StartAngle;
    if (move.m_SpeedMode == 0)
        entry.m_Speed = PerStep(sweep, entry.m_UseTime) / p.divisor;
    else if (move.m_SpeedMode == 1)
        entry.m_UseTime = entry.m_Speed == 0.0 ? 0 : ToInt(sweep / entry.m_Speed / p.divisor);
}

}  // namespace

double SpeedToDot(int32_t value) { return value * 0.01 / PlayPhysics().divisor2; }

void ResolveSpeed(cFlowCmdEntry& entry, int32_t level) {
    if (!entry.m_Cmd || !entry.m_Cmd->m_Move) return;
    const cEdMove& move = *entry.m_Cmd->m_Move;
    const double hbl = move.m_DistanceClone != 0 ? static_cast<double>(level) * move.m_DistanceClone + move.m_Distance
                                                 : static_cast<double>(move.m_Distance);
    entry.m_Distance = hbl * 16;
    if (move.m_SpeedMode == 1)
        entry.m_Speed = PerStep(entry.m_Distance, entry.m_UseTime) / PlayPhysics().divisor;
    else if (move.m_SpeedMode == 2)
        entry.m_UseTime = entry.m_Speed == 0.0 ? 0 : ToInt(entry.m_Distance / entry.m_Speed);
}

void SetUpCommand(cFlowCmdEntry& entry, cActor& owner, int32_t facing) {
    if (!entry.m_Cmd) return;
    const cFlowCmd& command = *entry.m_Cmd;
    const int32_t level = owner.m_Level;
    const int type = command.CharaType();
    if (type == 10) {
        const double height = command.Param(2);
        entry.m_Speed = owner.JumpSpeedForHbl(height);
        const int64_t time = static_cast<int64_t>(owner.JumpTime(height)) * PlayPhysics().steps * kFramesPerTenth;
        entry.m_UseTime = static_cast<int32_t>(std::min<int64_t>(time, INT_MAX));
        return;
    }
    if (type < 2 || type > 7 || !command.m_Move) return;
    const cEdMove& move = *command.m_Move;
    switch (type) {
        case 2:
            if (move.m_DirMode == 1) TargetOffsets(entry, move, facing);
            break;
        case 4: SetUpCircle(entry, move, level, facing); return;
        case 5: TargetOffsets(entry, move, facing); break;
        case 6:
            TargetOffsets(entry, move, facing);
            entry.m_Homing = static_cast<double>(move.m_HomingClone * level + move.m_Homing) * PlayPhysics().steps;
            break;
        default: break;
    }
    if (move.m_SpeedMode != 0) ResolveSpeed(entry, level);
}

void cActor::ApplyGravity() {
    if (m_NoGravity == 0 && !m_OnObject && !m_JumpStart && m_ImpulseY >= 0) m_dSpeedY += PlayPhysics().gravity;
}

void cActor::ApplyImpulse(int strength, double dx, double dy) {
    const int s = static_cast<int8_t>(strength);
    if (s == 0) return;
    const int r = m_Chara.m_ImpactResist;
    const int t = s > 0 ? std::min(std::max(s - r, 0), 20) : std::max(std::min(s + r, 0), -20);
    const double sum = std::fabs(dx) + std::fabs(dy);
    if (t != 0) {
        if (sum == 0.0) {
            m_ImpulseX = m_ImpulseY = 0.0;
        } else {
            const double d = PlayPhysics().divisor;
            // With the decay of 1/D a step, speed v(k) carries the character k hbl.
            auto speed = [d](double k) {
                if (k > 0) return (MathSqrt(1 + 128 * d * k) - 1) / (2 * d);
                if (k < 0) return -(MathSqrt(1 - 128 * d * k) - 1) / (2 * d);
                return 0.0;
            };
            m_ImpulseX = speed(dx * t / sum);
            m_ImpulseY = speed(dy * t / sum);
        }
    }
    auto opposite = [](double a, double b) {
        const double tiny = 1e-8;
        return std::fabs(a) > tiny && std::fabs(b) > tiny && (a > 0) != (b > 0);
    };
    if (opposite(m_dAcSpeedX, m_ImpulseX)) m_dAcSpeedX = 0.0;
    if (opposite(m_dAcSpeedY, m_ImpulseY)) m_dAcSpeedY = 0.0;
    if (opposite(m_ImpulseY, m_dSpeedY)) m_dSpeedY = 0.0;
    m_ImpulseActive = 1;
}

void cActor::ImpulseFromBody(const cActor& hitter) {
    double dy = hitter.m_dSpeedY;
    const cPhysics p = PlayPhysics();
    if (hitter.m_Chara.m_Flight == 0 && hitter.m_dSpeedY < p.knockThreshold * p.gravity) dy = 0.0;
    ApplyImpulse(hitter.m_Chara.m_BodyImpact, hitter.m_dSpeedX, dy);
}

void cActor::ImpulseFromShot(int strength, const cObj& shot, int alongSpeeds) {
    if (alongSpeeds)
        ApplyImpulse(strength, shot.m_dSpeedX, shot.m_dSpeedY);
    else
        ApplyImpulse(strength, shot.GetDirSign(), 0.0);
}

void cActor::ApplyImpulseY() {
    if (m_ImpulseY != 0.0) {
        if (m_NoGravity)
            m_dSpeedY += m_ImpulseY;
        else if (m_ImpulseY > 0 && IsOnGround())
            m_ImpulseY = 0.0;
        else
            m_dSpeedY += m_ImpulseY - m_PrevImpulseY;
    }
    m_PrevImpulseY = m_ImpulseY;
}

void cActor::DecayImpulseX() { WearDown(m_ImpulseX, 1.0 / PlayPhysics().divisor); }
void cActor::DecayImpulseY() { WearDown(m_ImpulseY, 1.0 / PlayPhysics().divisor); }

double cActor::JumpSpeedForHeight(double dots) const {
    const cPhysics p = PlayPhysics();
    if (p.gravity <= 0.0) return 0.0;
    double v = (-p.gravity - MathSqrt(std::max(0.0, (8 * dots + p.gravity) * p.gravity))) * 0.5;
    if (IsPlayer()) v *= 0.99 - p.jumpCorrection * 0.025;
    return v;
}

double cActor::StepsToApex(double speed) {
    const cPhysics p = PlayPhysics();
    return p.gravity <= 0.0 ? 0.0 : p.divisor - speed / p.gravity;
}

int32_t cActor::JumpTime(double hbl) const { return ToInt(StepsToApex(JumpSpeedForHbl(hbl))) / 60 + 1; }

int cActor::IsOnGround() {
    if (m_OnObject) return 1;
    cPlayScene* scene = CurrentPlayScene();
    return m_CellBelow && scene && scene->CellSolidity(*m_CellBelow, BlockGroup()) != 0 ? 1 : 0;
}

void cActor::Land() {
    m_dSpeedY = m_dAcSpeedY = 0.0;
    m_Contact[eContactBottom] = 1;
    m_AirCounter = m_Falling = m_Jumping = m_JumpEnd = m_ImpulseActive = 0;
    if (!IsPlayer()) m_CeilingLock = 0;
    m_Y -= (static_cast<int32_t>(m_Bottom) & 31) + 1;
    OnMoveY();
    for (int trigger : {7, 11, 13}) StartFlowsByTrigger(trigger);
}

void cActor::HitCeiling() {
    m_Jumping = m_JumpEnd = m_CeilingLock = 1;
    m_Contact[eContactTop] = 1;
    m_dSpeedY = m_dAcSpeedY = 0.0;
    m_Y += 32 - (static_cast<int32_t>(m_Y) & 31);
    OnMoveY();
    for (int trigger : {7, 11, 12}) StartFlowsByTrigger(trigger);
}

void cActor::LeaveObject(int mark) {
    m_OnObject = 0;
    if (m_ImpulseY == 0.0) m_dSpeedY = 0.0;
    if (mark) m_BlockMark = 1;
}

void cActor::PlaceAtBlockX(int32_t column) {
    m_X = (column + PlayAxis(0).m_BorderCells) * 32 + m_BaseDrawOffsetX + 0.5;
    m_X -= (Scale() - 1) * (m_BaseWidth >> 1);
    ClampX(2);
    OnMoveX();
}

void cActor::PlaceAtBlockY(int32_t row) {
    m_Y = (row + PlayAxis(1).m_BorderCells) * 32 + m_BaseDrawOffsetY;
    AdjustForScale(Scale(), 1);
    OnMoveY();
}

void cActor::PlaceAtBlock(int32_t column, int32_t row) {
    PlaceAtBlockX(column);
    PlaceAtBlockY(row);
}

void cActor::PlaceAtCell(int32_t column, int32_t row) {
    m_X = (column + PlayAxis(0).m_BorderCells) * 32 + m_BaseDrawOffsetX + 0.5;
    m_Y = (row + PlayAxis(1).m_BorderCells) * 32 + m_BaseDrawOffsetY;
    KeepCentreX(Scale(), 1);
    OnMoveX();
    OnMoveY();
}
