#include "game/play/Targets.h"

#include <cmath>

#include "game/media/StableMath.h"
#include "game/play/Movement.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"

namespace {

bool Scrolls(const cScroll& axis) { return axis.m_AutoSpeed != 0.0 && !axis.m_AtLimit; }

int32_t DirectionOf(double vx) { return vx > 0 ? 2 : vx < 0 ? 1 : 0; }

// Keeps a component going along an axis that scrolls by itself while the other one heads for the
// point; a still component has no slope to follow and is kept as it is.
double AlongScroll(double scroll, double along, double alongSpeed, double across, double acrossSpeed, double speed) {
    if (std::fabs(across) < 1 || acrossSpeed == 0.0) return scroll + alongSpeed;
    const double part = along / std::fabs(across / acrossSpeed);
    return scroll + (speed >= 0 ? -part : part);
}

}  // namespace

bool cTargetFilter::Passes(const cActor& actor) const {
    if (actor.m_Dead) return false;
    if (idSwitch && actor.m_Chara.m_CharaId != id) return false;
    if (excludeNumber && actor.m_Number == number) return false;
    if (excludeInvincible1 && actor.m_Chara.m_Invincible == 1) return false;
    if (excludeInvincible2 && actor.m_Chara.m_Invincible == 2) return false;
    if (excludeBlockCharas && actor.m_Chara.m_BlockHit != 0) return false;
    return true;
}

int AimAt(double& vx, double& vy, int32_t& direction, const cActor& owner, double fromX, double fromY, double toX,
          double toY, double speed, int withScroll, int noFlee, int arrivalTest) {
    const cScroll& sx = PlayAxis(0);
    const cScroll& sy = PlayAxis(1);
    vx = vy = 0.0;
    if (!noFlee && speed < 0) {
        const double h = speed * 0.7071067811865476;
        vx = fromX >= toX ? -h : h;
        vy = fromY >= toY ? -h : h;
        direction = DirectionOf(vx);
        if (withScroll) {
            if (Scrolls(sx)) vx += sx.m_AutoSpeed;
            if (Scrolls(sy)) vy += sy.m_AutoSpeed;
        }
        return 0;
    }
    const double dx = fromX - toX, dy = fromY - toY;
    double d = MathSqrt(dx * dx + dy * dy);
    if (d == 0.0) d = 1.0;
    vx = -speed * dx / d;
    vy = -speed * dy / d;
    direction = DirectionOf(vx);
    if (withScroll) {
        const bool across = Scrolls(sx), down = Scrolls(sy);
        if (across && down) {
            if (owner.Flying() && owner.IsPlayer()) {
                vx += sx.m_AutoSpeed;
                vy += sy.m_AutoSpeed;
            }
        } else if (down) {
            vy = AlongScroll(sy.m_AutoSpeed, dy, vy, dx, vx, speed);
        } else if (across) {
            vx = AlongScroll(sx.m_AutoSpeed, dx, vx, dy, vy, speed);
        }
    }
    if (!arrivalTest) return 0;
    return std::fabs(dx) < std::fabs(speed) && std::fabs(dy) < std::fabs(speed) ? 1 : 0;
}

int AimAxis(double& v, double& other, int32_t& direction, double from, double to, double speed, int arrivalTest) {
    if (from >= to) {
        direction = 1;
        v = -speed;
    } else {
        direction = 2;
        v = speed;
    }
    const cScroll& sx = PlayAxis(0);
    if (Scrolls(sx)) v += sx.m_AutoSpeed;
    other = 0.0;
    if (!arrivalTest) return 0;
    return std::fabs(speed) > std::fabs(from - to) ? 1 : 0;
}

namespace {

double AdvanceAngle(double& angle, double step) {
    const double old = angle;
    const double turn = PlayPhysics().divisor * 360;
    angle += step;
    if (angle >= turn) angle -= turn;
    return old;
}

}  // namespace

double WaveSpeed(double a, double b, double& angle, double step, double phase) {
    const double d = PlayPhysics().divisor;
    const double old = AdvanceAngle(angle, step);
    const double k = b * 0.017453292519943295;
    return k * MathCos(k * (old / d + phase)) * a / d;
}

double WaveAccel(double a, double b, double& angle, double step, double phase) {
    const double d = PlayPhysics().divisor;
    const double old = AdvanceAngle(angle, step);
    const double k = b * 0.017453292519943295;
    return -(k * MathSin(k * (old / d + phase)) * (k / d) * a) / d;
}

double ToPerStep(double value) { return value / PlayPhysics().divisor / 60; }

int RangeTest(int32_t p, int32_t size, int32_t o1, int32_t o2, int32_t pad, int32_t back, int32_t ahead, int both) {
    const int64_t half = size >> 1;
    const int64_t c = int64_t(p) + half;
    int64_t lo = c, hi = c;
    if (both == 1 && back == 0 && ahead == 0) {
        lo = c - half;
        hi = c + half;
    } else {
        if (back > 0) lo = c - half;
        if (ahead > 0) hi = c + half;
        lo -= back;
        hi += ahead;
    }
    return lo <= int64_t(o2) - pad && int64_t(o1) + pad <= hi ? 1 : 0;
}

void cActor::GetTargetPoint(double& x, double& y, const cFlowCmdEntry& entry) const {
    const cEdMove* move = entry.m_Cmd && entry.m_Cmd->m_Move ? entry.m_Cmd->m_Move.get() : nullptr;
    const bool fixedX = move && move->m_NoMoveX, fixedY = move && move->m_NoMoveY;
    if (!fixedX) x = CentreX() + entry.m_OffsetX;
    if (!fixedY) y = CentreY() + entry.m_OffsetY;
}

namespace {

bool SnapsOnArrival(const cFlowCmdEntry& entry) {
    return entry.m_Cmd && entry.m_Cmd->m_Move && entry.m_Cmd->m_Move->m_StopAtTarget;
}

}  // namespace

int cActor::MoveToward(cFlowCmdEntry& entry, double toX, double toY, int arrivalTest) {
    const int arrived = AimAt(entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, *this, CentreX(), CentreY(), toX, toY,
                              entry.m_Speed, 1, 0, arrivalTest);
    if (!arrived || !SnapsOnArrival(entry)) return 0;
    SetCentreReset(static_cast<int32_t>(toX), static_cast<int32_t>(toY), entry);
    return 1;
}

int cActor::MoveTowardX(cFlowCmdEntry& entry, double toX, int arrivalTest) {
    if (!AimAxis(entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, CentreX(), toX, entry.m_Speed, arrivalTest) ||
        !SnapsOnArrival(entry))
        return 0;
    SetCentreXReset(static_cast<int32_t>(toX), entry);
    return 1;
}

int cActor::MoveTowardY(cFlowCmdEntry& entry, double toY, int arrivalTest) {
    if (!AimAxis(entry.m_SpeedY, entry.m_SpeedX, entry.m_DirCode, CentreY(), toY, entry.m_Speed, arrivalTest) ||
        !SnapsOnArrival(entry))
        return 0;
    SetCentreYReset(static_cast<int32_t>(toY), entry);
    return 1;
}

int cActor::DistanceConditionMet(const cCondition& condition) const {
    const cPlayScene* scene = CurrentPlayScene();
    // The scene's player, never a pointer kept from when this character was made: the player list
    // is built anew with each start of the stage.
    const cActor* player = scene && !scene->m_Players.empty() ? &scene->m_Players[0] : nullptr;
    if (!player || condition.m_Compare > 1) return 0;
    const int32_t r = HblToDot(condition.m_Value);
    const int32_t ahead = m_Facing == 1 ? r : 0, back = m_Facing == 1 ? 0 : r;
    const cRect& me = m_ScreenRect;
    const cRect& pl = player->m_ScreenRect;
    auto across = [&](int32_t b, int32_t a, int both) {
        return RangeTest(me.left, m_DrawWidth, pl.left, pl.right, player->m_DrawOffsetX, b, a, both);
    };
    auto down = [&](int32_t b, int32_t a, int both) {
        return RangeTest(me.top, m_DrawHeight, pl.top, pl.bottom, player->m_DrawOffsetY, b, a, both);
    };
    int within = 0;
    switch (condition.m_DistAxis) {
        case 0: within = across(r, r, 1); break;
        case 1: within = across(back, ahead, 0); break;
        case 2: within = across(ahead, back, 0); break;
        case 3: within = down(r, r, 1); break;
        case 4: within = down(back, ahead, 0); break;
        case 5: within = down(ahead, back, 0); break;
        case 6: {
            const double dx = (m_X + m_Width / 2.0) - (player->m_X + player->m_Width / 2.0);
            const double dy = (m_Y + m_Height / 2.0) - (player->m_Y + player->m_Height / 2.0);
            within = MathSqrt(dx * dx + dy * dy) <= r ? 1 : 0;
            break;
        }
        default: return condition.m_Compare == 1 ? 1 : 0;
    }
    return condition.m_Compare == 0 ? within : !within;
}
