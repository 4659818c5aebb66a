#include "game/play/Formations.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/media/StableMath.h"
#include "game/play/CharaActor.h"
#include "game/play/PlayRandom.h"
#include "game/play/PlayScene.h"

namespace {

const double kQ = 0.7071067811865476;  // 1/sqrt(2)
const double kRadians = 0.017453292519943295;
const int kMaxRows = 50;

// The shooter's drawing box in stage dots.
struct cOwnerBox {
    explicit cOwnerBox(const cActor& s)
        : L(s.m_ScreenRect.left + PlayAxis(0).m_Pos),
          T(s.m_ScreenRect.top + PlayAxis(1).m_Pos),
          R(s.m_ScreenRect.right + PlayAxis(0).m_Pos),
          B(s.m_ScreenRect.bottom + PlayAxis(1).m_Pos),
          W(s.m_DrawWidth),
          H(s.m_DrawHeight) {}
    double CentreX() const { return L + (W >> 1); }
    double CentreY() const { return T + (H >> 1); }

    double L, T, R, B;
    int32_t W, H;
};

bool IsDiagonal(int code) { return code >= 8 && code <= 11; }
// The signs of a diagonal's speed: 8 up-left, 9 down-left, 10 up-right, 11 down-right.
int DiagonalSignX(int code) { return code == 10 || code == 11 ? 1 : -1; }
int DiagonalSignY(int code) { return code == 8 || code == 10 ? -1 : 1; }

void SpeedAt(cPlacement& p, double angle) {
    const double v = std::fabs(p.speed);
    p.vx = -v * MathCos(angle * kRadians);
    p.vy = -v * MathSin(angle * kRadians);
}

// Spawns count objects from (x, y), moving on by the step after each; positions are whole dots.
void Line(cPlacement p, double x, double y, double stepX, double stepY, int count, const cPlacementSink& sink) {
    stepX = std::trunc(stepX);
    stepY = std::trunc(stepY);
    x = std::trunc(x);
    y = std::trunc(y);
    for (int k = 0; k < count; ++k) {
        p.x = x + k * stepX;
        p.y = y + k * stepY;
        p.stepX = stepX;
        p.stepY = stepY;
        sink(p);
    }
}

bool Turns(const cEdShot& shot, const cPlacement& p) { return p.angleOffset != 0 || shot.m_AimTarget; }

// The point just outside the owner box at angle a, the object's centre on the box's diagonal.
void RotatedPlacement(const cOwnerBox& o, int32_t w, int32_t h, double a, double& x, double& y) {
    const double t = ((w >> 1) + o.R - o.L - (o.W >> 1) + 1) * kQ;
    const double r = ((h >> 1) + o.B - o.T - (o.H >> 1) + 1) * kQ;
    const double theta = (a + 225) * kRadians;
    x = o.L + (o.W >> 1) + r * MathSin(theta) + t * MathCos(theta) - (w >> 1);
    y = o.T + (o.H >> 1) + t * MathSin(theta) - r * MathCos(theta) - (h >> 1);
}

// Turned speed: toward the target from the object's centre, or the direction, plus the offset.
void TurnSpeed(const cActor& s, const cEdShot& shot, cPlacement& p, double x, double y) {
    double c = shot.m_AimTarget ? AimAngle(s, x + (p.w >> 1), y + (p.h >> 1)) : DirectionAngle(p.dir);
    c += p.angleOffset;
    SpeedAt(p, c);
}

void StraightA(const cActor& s, const cEdShot& shot, cPlacement p, const cPlacementSink& sink) {
    const cOwnerBox o(s);
    const int n = shot.m_Count;
    const double a = shot.m_FormParam[0], v = p.speed;
    const int32_t w = p.w, h = p.h;
    double x = 0, y = 0, stepX = 0, stepY = 0;
    switch (p.dir) {
        case 2:
        case 3:
            x = p.dir == 2 ? o.L + 1 - w : o.R + 1;
            y = o.CentreY() - (n - 1) * 8 * a - n * (h >> 1);
            stepY = 16 * a + h;
            p.vx = p.dir == 2 ? -v : v;
            p.vy = 0;
            break;
        case 6:
        case 7:
            y = p.dir == 6 ? o.T - h : o.B + 1;
            x = o.CentreX() - (n - 1) * 8 * a - n * (w >> 1);
            stepX = 16 * a + w;
            p.vx = 0;
            p.vy = p.dir == 6 ? -v : v;
            break;
        default: {
            if (!IsDiagonal(p.dir)) break;
            // The line lies across the diagonal, centred on the owner's corner.
            const int sx = DiagonalSignX(p.dir), sy = DiagonalSignY(p.dir);
            stepX = -sy * (16 * a + w) * kQ;
            stepY = sx * (16 * a + h) * kQ;
            x = (sx < 0 ? o.L + 1 - w : o.R + 1) - (n - 1) / 2.0 * stepX;
            y = (sy < 0 ? o.T - h : o.B + 1) - (n - 1) / 2.0 * stepY;
            p.vx = sx * v * kQ;
            p.vy = sy * v * kQ;
            break;
        }
    }
    if (Turns(shot, p) && shot.m_PosByAngle) {
        const double lx = o.CentreX() + p.offsetX, ly = o.CentreY() + p.offsetY;
        double c = (shot.m_AimTarget ? AimAngle(s, lx, ly) : DirectionAngle(p.dir)) + p.angleOffset;
        RotatedPlacement(o, w, h, c, x, y);
        if (shot.m_AimTarget) c = AimAngle(s, x + (w >> 1) + p.offsetX, y + (h >> 1) + p.offsetY) + p.angleOffset;
        const double S = MathSin(c * kRadians), K = MathCos(c * kRadians);
        const double i = a;
        if ((S >= 0) == (K >= 0)) {
            x -= S * (8 * i + (w >> 1)) * (n - 1);
            stepX = S * (16 * i + w);
            y += K * (8 * i + (h >> 1)) * (n - 1);
            stepY = K * (-16 * i - h);
        } else {
            x += S * (8 * i + (w >> 1)) * (n - 1);
            stepX = S * (-16 * i - w);
            y -= K * (8 * i + (h >> 1)) * (n - 1);
            stepY = K * (16 * i + h);
        }
        p.vx = -v * K;
        p.vy = -v * S;
    } else if (Turns(shot, p)) {
        TurnSpeed(s, shot, p, x, y);
    }
    Line(p, x + p.offsetX, y + p.offsetY, stepX, stepY, n, sink);
}

void StraightB(const cActor& s, const cEdShot& shot, cPlacement p, const cPlacementSink& sink) {
    const cOwnerBox o(s);
    const int n = shot.m_Count;
    const double a = shot.m_FormParam[0], v = p.speed, q = v * kQ;
    const int32_t w = p.w, h = p.h;
    double x = p.x, y = p.y;
    const double left = o.L + 1 - w, right = o.R + 1;
    switch (p.dir) {
        case 2: x = left; p.vx = -v; p.vy = 0; break;
        case 3: x = right; p.vx = v; p.vy = 0; break;
        case 6: x = s.m_Facing ? right : left; p.vx = 0; p.vy = -v; break;
        case 7: x = s.m_Facing ? right : left; p.vx = 0; p.vy = v; break;
        case 8: x = left; p.vx = -q; p.vy = -q; break;
        case 9: x = left; p.vx = -q; p.vy = q; break;
        case 10: x = right; p.vx = q; p.vy = -q; break;
        case 11: x = right; p.vx = q; p.vy = q; break;
        default: break;
    }
    if (p.dir == 2 || p.dir == 3 || (p.dir >= 6 && p.dir <= 11)) y = o.B - h + 1;
    if (Turns(shot, p)) TurnSpeed(s, shot, p, x, y);
    Line(p, x + p.offsetX, y + p.offsetY, 0, -(16 * a + h), n, sink);
}

void Spread(const cActor& s, const cEdShot& shot, cPlacement p, const cPlacementSink& sink) {
    const cOwnerBox o(s);
    const int n = shot.m_Count;
    const double a = shot.m_FormParam[0];
    const int32_t w = p.w, h = p.h;
    double x = o.CentreX() - (w >> 1), y = o.CentreY() - (h >> 1);
    switch (p.dir) {
        case 2: x = o.L + 1 - w; break;
        case 3: x = o.R + 1; break;
        case 6: y = o.T - h; break;
        case 7: y = o.B + 1; break;
        default:
            if (IsDiagonal(p.dir)) {
                x += DiagonalSignX(p.dir) * ((o.W >> 1) + (w >> 1) + 1) * kQ;
                y += DiagonalSignY(p.dir) * ((o.H >> 1) + (h >> 1) + 1) * kQ;
            }
            break;
    }
    x += p.offsetX;
    y += p.offsetY;
    if (Turns(shot, p) && shot.m_PosByAngle) {
        const double a0 = shot.m_AimTarget ? AimAngle(s, o.CentreX() + p.offsetX, o.CentreY() + p.offsetY)
                                           : DirectionAngle(p.dir);
        RotatedPlacement(o, w, h, a0 + p.angleOffset, x, y);
        x += p.offsetX;
        y += p.offsetY;
    }
    x = std::trunc(x);
    y = std::trunc(y);
    const double base = shot.m_AimTarget ? AimAngle(s, x + (w >> 1), y + (h >> 1)) : DirectionAngle(p.dir);
    const double first = base + p.angleOffset - a * (n % 2 ? n / 2 : n / 2 - 0.5);
    for (int k = 0; k < n; ++k) {
        SpeedAt(p, first + k * a);
        p.x = x;
        p.y = y;
        sink(p);
    }
}

void Thunder(const cActor& s, const cEdShot& shot, cPlacement p, const cPlacementSink& sink) {
    const cActor* target = s.m_Flow.m_Target;
    if (!target) return;
    const int n = shot.m_Count;
    const int rows = std::min<int>(std::max<int>(shot.m_FormParam[1], 1), kMaxRows);
    const double c = shot.m_FormParam[2] * 16.0;
    const double sx = PlayAxis(0).m_Pos, sy = PlayAxis(1).m_Pos;
    const double tx = target->CentreX() + sx, ty = target->CentreY() + sy;
    const int32_t w = p.w, h = p.h;
    const double v = p.speed;
    double x = 0, y = 0, stepX = 0, stepY = 0, rowX = 0, rowY = 0;
    switch (p.dir) {
        case 2: x = sx + 640 - w; stepX = -w; p.vx = -v; p.vy = 0; y = ty - (h >> 1); rowY = c; break;
        case 3: x = sx; stepX = w; p.vx = v; p.vy = 0; y = ty - (h >> 1); rowY = c; break;
        case 6: y = sy + 480 - h; stepY = -h; p.vx = 0; p.vy = -v; x = tx - (w >> 1); rowX = c; break;
        case 7: y = sy; stepY = h; p.vx = 0; p.vy = v; x = tx - (w >> 1); rowX = c; break;
        default: {
            if (!IsDiagonal(p.dir)) return;
            // From the screen's corner behind the direction, the train heading through the target.
            const int dx = DiagonalSignX(p.dir), dy = DiagonalSignY(p.dir);
            x = dx < 0 ? sx + 640 - w : sx;
            y = dy < 0 ? sy + 480 - h : sy;
            stepX = dx * w * kQ;
            stepY = dy * h * kQ;
            p.vx = dx * v * kQ;
            p.vy = dy * v * kQ;
            rowX = -dy * c * kQ;
            rowY = dx * c * kQ;
            break;
        }
    }
    // The rows lie across the direction, centred on the line.
    const double back = ((rows - 1) >> 1) + (rows % 2 ? 0.0 : 0.5);
    x -= back * rowX;
    y -= back * rowY;
    x += p.offsetX;
    y += p.offsetY;
    for (int k = 0; k < n; ++k)
        for (int r = 0; r < rows; ++r) {
            p.x = std::trunc(x + k * stepX + r * rowX);
            p.y = std::trunc(y + k * stepY + r * rowY);
            sink(p);
        }
}

void Explosion(const cActor& s, const cEdShot& shot, cPlacement p, const cPlacementSink& sink) {
    const cOwnerBox o(s);
    const int n = shot.m_Count;
    p.x = std::trunc(o.CentreX() - (p.w >> 1) + p.offsetX);
    p.y = std::trunc(o.CentreY() - (p.h >> 1) + p.offsetY);
    for (int k = 0; k < n; ++k) {
        SpeedAt(p, DirectionAngle(p.dir) + p.angleOffset + k * 360.0 / n);
        sink(p);
    }
}

void Surround(const cActor& s, const cEdShot& shot, cPlacement p, const cPlacementSink& sink) {
    const cActor* target = s.m_Flow.m_Target;
    if (!target) return;
    const int n = shot.m_Count;
    const double cx = target->CentreX() + PlayAxis(0).m_Pos - (p.w >> 1) + p.offsetX;
    const double cy = target->CentreY() + PlayAxis(1).m_Pos - (p.h >> 1) + p.offsetY;
    const double r = shot.m_FormParam[0] * 16.0;
    for (int k = 0; k < n; ++k) {
        const double theta = DirectionAngle(p.dir) + p.angleOffset + k * 360.0 / n;
        p.x = cx + std::trunc(r * MathCos(theta * kRadians) + 0.5);
        p.y = cy + std::trunc(r * MathSin(theta * kRadians) + 0.5);
        SpeedAt(p, theta);
        sink(p);
    }
}

}  // namespace

int AimAngle(const cActor& shooter, double x, double y) {
    const cActor* target = shooter.m_Flow.m_Target;
    if (!target) return DirectionAngle(DirectionCode(0, shooter.m_Facing, eDirNone));
    const double tx = target->CentreX() + PlayAxis(0).m_Pos, ty = target->CentreY() + PlayAxis(1).m_Pos;
    return static_cast<int>(MathAtan2(ty - y, tx - x) * 57.29577951308232 + 180 + 0.5);
}

void LayOutFormation(const cActor& shooter, const cEdShot& shot, const cPlacement& p, const cPlacementSink& sink) {
    // A count of 0 launches nothing (and never divides a circle by it).
    if (shot.m_Count == 0) return;
    typedef void (*cHandler)(const cActor&, const cEdShot&, cPlacement, const cPlacementSink&);
    static const cHandler handlers[] = {StraightA, StraightB, Spread, Thunder, Explosion, Surround};
    if (shot.m_Formation < sizeof handlers / sizeof handlers[0]) handlers[shot.m_Formation](shooter, shot, p, sink);
}

void FireVolleys(const cActor& shooter, const cEdShot& shot, int flowDir, cPlayRandom& random,
                 const cPlacementSink& sink) {
    const int32_t scale = shot.m_Scale < 1 ? 1 : shot.m_Scale;
    const int dir = DirectionCode(shot.m_Dir, shooter.m_Facing, flowDir);
    const int spread = std::abs(static_cast<int>(shot.m_Spread));
    for (int i = 0; i <= shot.m_Clones; ++i) {
        cPlacement p;
        p.clone = i;
        p.w = p.h = scale * 16;
        p.dir = dir;
        p.speed = (shot.m_Speed + shot.m_SpeedClone * i) * 0.1;
        p.angleOffset = shot.m_Angle + shot.m_AngleClone * i;
        if (spread != 0) p.angleOffset += random.Next() % (2 * spread + 1) - spread;
        p.range = shot.m_Range + shot.m_RangeClone * i;
        p.life = shot.m_Life + shot.m_LifeClone * i;
        p.offsetX = LaunchOffsetX(shot, i, shooter.m_Facing);
        p.offsetY = LaunchOffsetY(shot, i, shooter.m_Facing);
        LayOutFormation(shooter, shot, p, sink);
    }
}

void FireShots(cPlayScene& scene, cActor& shooter, int cmdType, const cEdShot& shot, int flowDir) {
    if (!shooter.IsPlayer()) shooter.UpdateScreenRect();
    if (shooter.m_Flow.m_Target && !shooter.m_Flow.m_Target->IsPlayer()) shooter.m_Flow.m_Target->UpdateScreenRect();
    FireVolleys(shooter, shot, flowDir, scene.m_Random,
                [&](const cPlacement& p) { scene.SpawnShot(shooter, cmdType, shot, p); });
}
