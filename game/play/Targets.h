#pragma once
// Finding other characters and heading for points: the nearest or first character that passes a
// filter, speeds toward a point or along one axis that keep pace with the automatic scroll, the
// wave helpers of circle and wave moves, and the range test behind the distance condition.
#include <cstdlib>

#include "data/Stage.h"
#include "game/play/CharaActor.h"

// Which characters a search may find; every search skips the defeated and the absent.
struct cTargetFilter {
    int idSwitch = 0;  // only characters with the id
    int id = 0;
    int excludeNumber = 0;  // not the character of the number
    int number = 0;
    int excludeInvincible1 = 0;
    int excludeInvincible2 = 0;  // "無敵（ショットがすり抜ける）キャラは対象外"
    int excludeBlockCharas = 0;

    bool Passes(const cActor& actor) const;
};

// Search ranges: everywhere preferring the screen, everywhere, the screen only.
enum eTargetRange { eTargetPreferScreen, eTargetAll, eTargetScreenOnly };

inline cActor& AsActor(cActor& actor) { return actor; }
inline cActor& AsActor(cActor* actor) { return *actor; }

// The character whose centre is nearest (x, y) counting across and down; the first of equals.
template <class List>
cActor* FindNearest(int x, int y, List& list, int range, const cTargetFilter& filter) {
    auto nearest = [&](int onScreen) -> cActor* {
        cActor* best = nullptr;
        long long bestDistance = 0;
        for (auto& item : list) {
            cActor& actor = AsActor(item);
            if (!actor.m_Present || !filter.Passes(actor)) continue;
            if (onScreen >= 0 && (actor.m_OnScreen != 0) != (onScreen != 0)) continue;
            const long long distance =
                std::llabs(static_cast<long long>(actor.CentreX()) - x) + std::llabs(static_cast<long long>(actor.CentreY()) - y);
            if (!best || distance < bestDistance) {
                best = &actor;
                bestDistance = distance;
            }
        }
        return best;
    };
    switch (range) {
        case eTargetPreferScreen: {
            cActor* found = nearest(1);
            return found ? found : nearest(0);
        }
        case eTargetAll: return nearest(-1);
        case eTargetScreenOnly: return nearest(1);
        default: return nullptr;
    }
}

// Toolkit API: the default search for flows that look for the nearest character: only on screen
// when the stage limits play to the screen ("画面外ではダメージを受けない"), else everywhere
// preferring the screen; only characters that shots pass through are left out.
template <class List>
cActor* FindNearestDefault(int x, int y, List& list) {
    cTargetFilter filter;
    filter.excludeInvincible2 = 1;
    const int range = ProjectStage().m_NoDamageOffScreen ? eTargetScreenOnly : eTargetPreferScreen;
    return FindNearest(x, y, list, range, filter);
}

template <class List>
cActor* cActor::FindNearestToMe(List& list) const {
    return FindNearestDefault(CentreX(), CentreY(), list);
}

// The first character of the list that passes the filter, present or not.
template <class List>
cActor* FindFirst(List& list, const cTargetFilter& filter) {
    for (auto& item : list) {
        cActor& actor = AsActor(item);
        if (filter.Passes(actor)) return &actor;
    }
    return nullptr;
}

// Speeds of the size of speed from (fromX, fromY) toward (toX, toY), and the direction code (1
// toward smaller X, 2 larger, 0 still). A negative speed flees diagonally unless noFlee. With
// scroll, a component along an automatically scrolling axis keeps pace with the screen. 1 when
// the point is less than one speed away on both axes and the arrival is tested.
int AimAt(double& vx, double& vy, int32_t& direction, const cActor& owner, double fromX, double fromY, double toX,
          double toY, double speed, int withScroll, int noFlee, int arrivalTest);
// The same along one axis (the horizontal automatic scroll is added); other becomes 0.
int AimAxis(double& v, double& other, int32_t& direction, double from, double to, double speed, int arrivalTest);

// The speed of a wave of amplitude a and frequency factor b at the angle, which moves on by
// step and wraps at D × 360; and its change.
double WaveSpeed(double a, double b, double& angle, double step, double phase);
double WaveAccel(double a, double b, double& angle, double step, double phase);
double ToPerStep(double value);

// Whether the stretch of size from p, widened back and ahead (both: to both sides), meets the
// other's stretch o1 to o2 shrunk by pad.
int RangeTest(int32_t p, int32_t size, int32_t o1, int32_t o2, int32_t pad, int32_t back, int32_t ahead, int both);
