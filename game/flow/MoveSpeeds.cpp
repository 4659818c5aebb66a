#include "game/flow/MoveSpeeds.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "data/MoveShot.h"
#include "game/flow/FlowRunner.h"
#include "game/media/StableMath.h"
#include "game/play/PlayScene.h"
#include "game/play/Targets.h"

namespace {

const double kHalfRoot2 = 1.0 / MathSqrt(2.0);
const double kTiny = 1e-8;
const double kDegree = 0.017453292519943278;

// The input the running flow started with (0 forward, 1-8 the eight directions, 9 none) as a
// direction code.
int InputCode(const cActor& owner) {
    static const int kCodes[] = {0, eDirLeft, eDirRight, eDirUp, eDirDown, 8, 9, 10, 11, eDirNone};
    const cPlayScene* scene = CurrentPlayScene();
    const int input = scene && scene->m_Flow.m_Runner ? scene->m_Flow.m_Runner->m_StartInput : 9;
    if (input == 0) return DirectionCode(0, owner.m_Facing, eDirNone);
    return input > 0 && input < 10 ? kCodes[input] : eDirNone;
}

int32_t TimeFor(double distance, double v) {
    const double steps = std::trunc(distance / std::fabs(v));
    if (!(steps == steps) || steps >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int32_t>(steps);
}

// The distance from the owner's centre (stage dots) to the target along one axis, 0 for a
// target type the editor does not make.
double AxisDistance(const cActor& owner, int axis, double target, int type) {
    const cScroll& scroll = PlayAxis(axis);
    const double centre = axis == 0 ? owner.m_ScreenRect.left + (owner.m_DrawWidth >> 1) + scroll.m_Pos
                                    : owner.m_ScreenRect.top + (owner.m_DrawHeight >> 1) + scroll.m_Pos;
    switch (type) {
        case 0: return target + owner.m_Placement[axis] - centre;
        case 1: return target;
        case 2: return scroll.m_BorderCells * 32 + target + 16 - centre;
        case 3: return target + scroll.m_Pos + 16 - centre;
        default: return 0.0;
    }
}

bool Opposite(double a, double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); }

void Accelerate(double& accel, int32_t& friction, double speed, double factor, double limit) {
    double a = ToPerStep(speed);
    if (Opposite(accel, speed))
        a *= factor;
    else
        friction = 0;
    accel = std::max(-limit, std::min(accel + a, limit));
}

// The view's largest scroll position along the axis.
double FarBound(const cScroll& axis) { return axis.m_MaxEdge - axis.m_View; }
double AutoSpeed(const cScroll& axis) { return axis.m_Auto ? axis.m_AutoSpeed : 0.0; }

}  // namespace

int DirectionCode(const cActor& owner, int choice) {
    return DirectionCode(choice, owner.m_Facing, choice == 12 ? InputCode(owner) : eDirNone);
}

void DirectSpeeds(const cActor& owner, double& x, double& y, int32_t& facingCode, double v, int choice) {
    x = y = 0.0;
    const int code = DirectionCode(owner, choice);
    if (code < eDirLeft || code > 11) return;
    const int sx = DirectionSignX(code), sy = DirectionSignY(code);
    const double size = sx != 0 && sy != 0 ? v * kHalfRoot2 : v;
    x = sx * size;
    if (owner.Flying()) y = sy * size;
    if (!owner.m_DirFixed) facingCode = sx < 0 ? 1 : sx > 0 ? 2 : 0;
}

void AngledSpeeds(const cActor& owner, double& x, double& y, int32_t& facingCode, double v, int choice, int angle) {
    x = y = 0.0;
    const int code = DirectionCode(owner, choice);
    int base = 0;
    if (code >= eDirLeft && code <= 11 && code != 4 && code != 5) {
        base = DirectionAngle(code);
        const int sx = DirectionSignX(code);
        if (!owner.m_DirFixed) facingCode = sx < 0 ? 1 : sx > 0 ? 2 : 0;
    }
    const double theta = static_cast<double>(base + angle) * kDegree;
    x = -MathCos(theta) * v;
    if (owner.Flying()) y = -MathSin(theta) * v;
}

void TargetSpeeds(const cActor& owner, double& x, double& y, int32_t& facingCode, double v, double targetX,
                  double targetY, const cEdMove& move, int32_t& remaining) {
    const double dx = move.m_UseTargetX ? AxisDistance(owner, 0, targetX, move.m_TargetMode) : 0.0;
    const double dy = move.m_UseTargetY ? AxisDistance(owner, 1, targetY, move.m_TargetMode) : 0.0;
    const double d = MathSqrt(dx * dx + dy * dy);
    x = y = 0.0;
    if (d != 0.0) {
        if (!move.m_NoMoveX) x = dx / d * v;
        if (!move.m_NoMoveY) y = v * dy / d;
    }
    if (!owner.m_DirFixed) facingCode = x < -kTiny ? 1 : x > kTiny ? 2 : 0;
    if (move.m_SpeedMode == 2 && v != 0.0) remaining = TimeFor(d, v);
}

void GroundReturnSpeeds(cActor& owner, cFlowCmdEntry& entry, const cEdMove&) {
    const int s = owner.GetDirSign();
    entry.m_SpeedY = 0.0;
    entry.m_DirCode = 0;
    entry.m_SpeedX = s * entry.m_Speed;
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    if (owner.m_BlockMark) {
        entry.m_DirCode = owner.m_Facing == 1 ? 1 : 2;
        entry.m_SpeedX = -s * entry.m_Speed;
        owner.m_BlockMark = 0;
        for (const cCharaActor& chara : scene->m_Charas) {
            if (chara.m_Number != owner.m_CarrierId) continue;
            const double m = chara.m_X - owner.m_CarrierBox[0];
            const bool against = (owner.m_Facing == 1 && m < 0) || (owner.m_Facing != 1 && m > 0);
            entry.m_SpeedX = (against ? 2 * m : m) - s * entry.m_Speed;
            break;
        }
        return;
    }
    const double bottom = std::trunc(owner.m_Bottom + 1.1);
    const int32_t lastRow = std::max(0, scene->m_ScrollY.m_Cells - 1);
    const int32_t row = bottom < 0 ? 0 : static_cast<int32_t>(std::min<double>(bottom, INT_MAX)) >> 5;
    const int32_t r = std::min(row, lastRow);
    const bool left = scene->CellSolidity(owner.m_LeftColumn, r, owner.BlockGroup()) != 0;
    const bool right = scene->CellSolidity(owner.m_RightColumn, r, owner.BlockGroup()) != 0;
    if (left && !right) entry.m_DirCode = 1;
    if (!left && right) entry.m_DirCode = 2;
}

void ApproachSpeeds(cActor& owner, cFlowCmdEntry& entry, const cEdMove& move, double x, double y) {
    const int snap = move.m_StopAtTarget;
    if (!move.m_NoMoveX && !move.m_NoMoveY)
        owner.MoveToward(entry, x, y, snap);
    else if (!move.m_NoMoveX)
        owner.MoveTowardX(entry, x, snap);
    else if (!move.m_NoMoveY)
        owner.MoveTowardY(entry, y, snap);
    else
        entry.m_SpeedX = entry.m_SpeedY = 0.0, entry.m_DirCode = 0;
}

void AvoidSpeeds(const cActor& owner, cFlowCmdEntry& entry, const cEdMove& move) {
    int code = move.m_Dir;
    if (code == 0 || code == 1 || code == 4 || code == 5) code = DirectionCode(owner, code);
    const int sx = DirectionSignX(code), sy = DirectionSignY(code);
    entry.m_SpeedX = entry.m_SpeedY = 0.0;
    const double v = entry.m_Speed;
    const cRect& box = owner.m_ScreenRect;
    const cScroll& across = PlayAxis(0);
    const cScroll& down = PlayAxis(1);
    const double hs = AutoSpeed(across);
    if (hs == 0.0 || across.m_AtLimit) {
        if (sx < 0 && box.left > 608)
            entry.m_SpeedX = -v;
        else if (sx > 0 && box.right < 32)
            entry.m_SpeedX = v;
        if (sy < 0 && box.top > 448)
            entry.m_SpeedY = -v;
        else if (sy > 0 && box.bottom < 32)
            entry.m_SpeedY = v;
        return;
    }
    const double p = across.m_Pos, b = FarBound(across);
    if (sx < 0 && box.left > 608 - std::fabs(hs + 1) && p > 0 && p + hs <= b)
        entry.m_SpeedX = hs - v;
    else if (sx > 0 && box.right < std::fabs(hs + 1) + 32 && p + hs > 0 && p < b)
        entry.m_SpeedX = hs + v;
    const double q = down.m_Pos, c = FarBound(down), vs = AutoSpeed(down);
    if (sy < 0 && box.top > 448 - std::fabs(vs + 1) && q > 0 && q + vs <= c)
        entry.m_SpeedY = vs - v;
    else if (sy > 0 && box.bottom < std::fabs(vs + 1) + 32 && q + vs > 0 && q < c)
        entry.m_SpeedY = vs + v;
}

void ApplyMoveSpeeds(cActor& owner, double x, double y, int32_t facingCode, const cFlowCmdEntry& entry,
                     const cEdMove& move, int force) {
    if (!owner.m_DirFixed || force) {
        if (facingCode == 1) owner.m_Facing = 0;
        if (facingCode == 2) owner.m_Facing = 1;
    }
    if (move.m_Inertia) {
        Accelerate(owner.m_dAcSpeedX, owner.m_FrictionX, x, move.m_TurnFactor, entry.m_MaxSpeed);
        Accelerate(owner.m_dAcSpeedY, owner.m_FrictionY, y, move.m_TurnFactor, entry.m_MaxSpeed);
    } else {
        owner.m_dSpeedX += x;
        owner.m_dSpeedY += y;
    }
    owner.m_Moving = 1;
    owner.m_Anime.SetPattern(owner.Flying() ? 3 : 1, 1);
}
