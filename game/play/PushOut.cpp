// Block characters against the other characters: a character that runs into one is pushed
// out of it, stands and rides on it, or dies crushed between it and something else.
#include <array>
#include <utility>
#include <vector>

#include "game/play/Box.h"
#include "game/play/IndexCheck.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"

namespace {

const int kTriggerCarriesPlayer = 14;
const int kTriggerCarries = 15;
const double kStandDepth = 5.0;  // how far below its feet a character still stands on a lift
const int kNudges = 15;
const double kNudge = 0.1;

enum { eLeft = cActor::eContactLeft, eRight = cActor::eContactRight, eUp = cActor::eContactTop, eDown = cActor::eContactBottom };

cBox SavedBox(const cActor& actor) { return {actor.m_Saved[0], actor.m_Saved[1], actor.m_Saved[2], actor.m_Saved[3]}; }

// The strip a character stands on: its width, from its bottom down a few dots.
cBox Footing(const cObj& object) {
    return {object.m_X, object.m_Bottom, object.m_Right, object.m_Bottom + kStandDepth};
}

// Every living block character in play other than the one with the id, in list order; the
// visitor answers true to stop.
template <class Visit>
cCharaActor* FindBlockChara(cPlayScene& scene, int32_t ownId, Visit visit) {
    const auto found = [&](cCharaActor& chara) {
        return chara.m_Present && !chara.m_Dead && chara.m_Number != ownId && visit(chara);
    };
    if (const std::vector<cCharaActor*>* kept = scene.KeptBlockCharas()) {
        for (cCharaActor* chara : *kept)
            if (found(*chara)) return chara;
        return nullptr;
    }
    for (cCharaActor& chara : scene.m_Charas)
        if (chara.IsBlockChara() && found(chara)) return &chara;
    return nullptr;
}

// The kept block characters and their strips against a walk of the whole list (with the index
// check on): the list must hold every block character in list order, and the strips must offer
// every living one whose span across meets the span asked about.
void CheckKeptBlockCharas(cPlayScene& scene, const std::vector<cCharaActor*>& kept, cStripIndex& strips, double left,
                          double right) {
    std::vector<cCharaActor*> walked;
    for (cCharaActor& chara : scene.m_Charas)
        if (chara.IsBlockChara()) walked.push_back(&chara);
    if (walked != kept) return ReportIndexFault("the kept block characters are not those of the character list");
    std::vector<char> offered(kept.size(), 0);
    strips.FindInSpan(left, right, [&](size_t i) {
        offered[i] = 1;
        return false;
    });
    if (right < left) std::swap(left, right);
    for (size_t i = 0; i < kept.size(); ++i) {
        const cCharaActor& b = *kept[i];
        double low = b.m_X, high = b.m_Right;
        if (high < low) std::swap(low, high);
        // A span with a NaN end meets nothing, indexed or not.
        if (!b.m_Present || b.m_Dead || !(low <= high) || offered[i]) continue;
        if (low <= right && high >= left) return ReportIndexFault("a block character moved after its strips were built");
    }
}

// The same for a visitor that takes only block characters whose box meets the span across from
// left to right (as boxes' edges meet, ends in either order): those that cannot are skipped.
template <class Visit>
cCharaActor* FindBlockCharaAcross(cPlayScene& scene, int32_t ownId, double left, double right, Visit visit) {
    cStripIndex* strips = scene.KeptBlockStrips();
    if (!strips) return FindBlockChara(scene, ownId, visit);
    const std::vector<cCharaActor*>& kept = *scene.KeptBlockCharas();
    if (PlayIndexCheckOn()) CheckKeptBlockCharas(scene, kept, *strips, left, right);
    const size_t at = strips->FindInSpan(left, right, [&](size_t i) {
        cCharaActor& chara = *kept[i];
        return chara.m_Present && !chara.m_Dead && chara.m_Number != ownId && visit(chara);
    });
    return at < kept.size() ? kept[at] : nullptr;
}

template <class Visit>
cCharaActor* FindBlockCharaAcross(cPlayScene& scene, int32_t ownId, const cBox& area, Visit visit) {
    return FindBlockCharaAcross(scene, ownId, area.left, area.right, visit);
}

// How deep box a lies in box b along each axis; 0 on both when they do not overlap.
struct cPenetration {
    double x = 0.0;
    double y = 0.0;
};

cPenetration Penetration(const cBox& a, const cBox& b) {
    if (!Overlaps(a, b)) return {};
    return {(a.right >= b.left && b.left > a.left ? a.right - b.left : b.right - a.left) + 1,
            (a.bottom >= b.top && b.top > a.top ? a.bottom - b.top : b.bottom - a.top) + 1};
}

// One way out along a side and the block character that gives it.
struct cCandidate {
    double pos = -1.0;
    cCharaActor* by = nullptr;

    explicit operator bool() const { return by != nullptr; }
    // Of several, the one that moves the character farthest out wins: the larger for the left
    // and up sides, the smaller for right and down; on equal values the first stays.
    bool Offer(double value, cCharaActor& chara, bool larger) {
        if (by && (larger ? value <= pos : value >= pos)) return false;
        pos = value;
        by = &chara;
        return true;
    }
};

struct cCandidates {
    cCandidate side[4];  // by contact: left, right, up, down
};

// Both axes are handled alike: axis 0 runs across (its sides left and right), axis 1 down (up
// and down). The low side (left, up) lies at the box's low edge, the high side (right, down) at
// its high edge.
const int kAcross = 0, kDown = 1;

int LowSide(int axis) { return axis == kAcross ? eLeft : eUp; }
double Low(const cBox& box, int axis) { return axis == kAcross ? box.left : box.top; }
double High(const cBox& box, int axis) { return axis == kAcross ? box.right : box.bottom; }
double Size(const cObj& object, int axis) { return axis == kAcross ? object.m_Width : object.m_Height; }
double& Speed(cObj& object, int axis) { return axis == kAcross ? object.m_dSpeedX : object.m_dSpeedY; }
double& Inertia(cObj& object, int axis) { return axis == kAcross ? object.m_dAcSpeedX : object.m_dAcSpeedY; }

// The edge of a box across the axis at the point, from one point to another on the other axis.
cBox Edge(int axis, double at, double from, double to) {
    return axis == kAcross ? cBox{at, from, at, to} : cBox{from, at, to, at};
}

// The side candidates along the axis of a block character that touches the box's edges between
// from and to on the other axis: the low side puts the box past the blocker's high edge, the
// high side before its low edge, a gap away. High side first when asked; one side at most with
// single set.
void OfferSides(cActor& actor, cCharaActor& b, cCandidates& c, int axis, double from, double to, bool highFirst,
                bool single, double gap) {
    const cBox box = BoxOf(actor);
    const cBox blocker = BoxOf(b);
    for (bool high : {highFirst, !highFirst}) {
        if (!Overlaps(Edge(axis, high ? High(box, axis) : Low(box, axis), from, to), blocker)) continue;
        const int side = LowSide(axis) + (high ? 1 : 0);
        actor.m_Contact[side] = 1;
        c.side[side].Offer(high ? Low(blocker, axis) - Size(actor, axis) - gap : High(blocker, axis) + 1 + gap, b, !high);
        if (single) return;
    }
}

// Both sides along the axis, touched anywhere but at the box's corners.
void OfferInside(cActor& actor, cCharaActor& b, cCandidates& c, int axis) {
    const cBox box = BoxOf(actor);
    const int other = 1 - axis;
    OfferSides(actor, b, c, axis, Low(box, other) + 1, High(box, other) - 1, false, false, 0);
}

void SetCarrierBox(cActor& actor, const cCharaActor& carrier) {
    actor.m_CarrierBox[0] = carrier.m_X;
    actor.m_CarrierBox[1] = carrier.m_Y;
    actor.m_CarrierBox[2] = carrier.m_Right;
    actor.m_CarrierBox[3] = carrier.m_Bottom;
}

// Under a block character: the head against its bottom, the rise over, its vertical speed.
void HeadPlacement(cActor& actor, const cCharaActor& c) {
    actor.m_Y = c.m_Bottom + 1;
    actor.m_dAcSpeedY = 0.0;
    actor.m_JumpEnd = actor.m_Jumping = actor.m_CeilingLock = 1;
    actor.m_dSpeedY = c.m_dSpeedY;
    actor.OnMoveY();
}

// The box and the cells of the character with its top moved to y, as far as the cell tests and
// the block-character test look: the rest of the box stays as it stood.
cObj TrialAt(const cActor& actor, double y) {
    cObj trial;
    trial.m_Number = actor.m_Number;
    trial.m_Control[2] = actor.BlockGroup();
    trial.m_NoGravity = actor.m_NoGravity;
    trial.m_BlockContact = actor.m_BlockContact;
    trial.m_X = actor.m_X;
    trial.m_Y = y;
    trial.m_Right = actor.m_Right;
    trial.m_Bottom = actor.m_Bottom;
    trial.m_LeftColumn = actor.m_LeftColumn;
    trial.m_RightColumn = actor.m_RightColumn;
    trial.m_TopRow = actor.m_TopRow;
    trial.m_BottomRow = actor.m_BottomRow;
    return trial;
}

// Moves the character to the candidate's place on its axis; a sideways push marks the block
// contact unless it comes from the lift the character stands on.
void Apply(cActor& actor, int side, const cCandidate& c) {
    if (side == eLeft || side == eRight) {
        actor.m_X = c.pos;
        actor.OnMoveX();
        if (!(c.by->m_Number == actor.m_CarrierId && actor.m_OnObject)) actor.m_BlockMark = 1;
    } else {
        actor.m_Y = c.pos;
        actor.OnMoveY();
    }
}

int PushFlying(cPlayScene& scene, cActor& actor) {
    const cBox box = BoxOf(actor);
    cCandidates c;
    FindBlockCharaAcross(scene, actor.m_Number, box, [&](cCharaActor& b) {
        const cBox blocker = BoxOf(b);
        const cPenetration p = Penetration(box, blocker);
        if (p.x == 0 && p.y == 0) return false;
        OfferInside(actor, b, c, p.x > p.y ? kDown : kAcross);
        return false;
    });
    const bool any = c.side[eLeft] || c.side[eRight] || c.side[eUp] || c.side[eDown];
    if (actor.m_BlockContact == 2) return any ? 2 : 0;
    // A block character moving into the side it pushes from, while the character does not move
    // away from it, pushes the character out along the other axis instead.
    for (int axis : {kAcross, kDown}) {
        for (int high : {0, 1}) {
            const int side = LowSide(axis) + high;
            const cCandidate& k = c.side[side];
            if (!k) continue;
            Inertia(actor, axis) = 0.0;
            const double outwards = high ? 1.0 : -1.0;
            if (outwards * Speed(*k.by, axis) > 0 && !(outwards * Speed(actor, axis) > 0)) {
                actor.m_Contact[side] = 0;
                scene.PushOutAxis(actor, 1 - axis);
            } else {
                Apply(actor, side, k);
            }
        }
    }
    return 0;
}

int PushWalking(cPlayScene& scene, cActor& actor) {
    const double divisor = PlayPhysics().divisor;
    const cBox box = BoxOf(actor);
    const cBox saved = SavedBox(actor);
    const cBox upper{box.left, box.top, box.right, box.top + actor.m_Height / 2};
    const cBox feet{box.left + 1, box.bottom - actor.m_Height / 3, box.right - 1, box.bottom};
    const cBox swept{saved.left, box.top, saved.right, box.bottom};
    const double startX = actor.m_X;
    cCandidates c;
    const auto landOn = [&](cCharaActor& b) {
        if (b.m_dSpeedY < 0) actor.m_Contact[eDown] = 1;
        if (!c.side[eDown].Offer(b.m_Y - actor.m_Height, b, false)) return;
        actor.m_CarrierId = b.m_Number;
        SetCarrierBox(actor, b);
    };
    FindBlockCharaAcross(scene, actor.m_Number, box, [&](cCharaActor& b) {
        const cBox blocker = BoxOf(b);
        if (!Overlaps(box, blocker)) return false;
        const cBox blockerSaved = SavedBox(b);
        const cPenetration head = Penetration(upper, blocker);
        if (head.x == 0) {
            const cPenetration whole = Penetration(box, blocker);
            if (whole.x < whole.y)
                OfferSides(actor, b, c, kAcross, box.top, box.bottom, true, false, 0.5);
            else if (Overlaps(feet, blocker))
                landOn(b);
            return false;
        }
        const bool sweptOver = Overlaps(swept, blockerSaved);
        if (actor.m_dSpeedY > 2 / divisor && sweptOver && saved.top < blockerSaved.top) {
            landOn(b);
        } else if ((head.x - head.y > 0.4 / divisor && box.bottom > blocker.bottom) ||
                   (sweptOver && saved.top > blockerSaved.top && !Overlaps(saved, blocker))) {
            if (b.m_dSpeedY > 0) actor.m_Contact[eUp] = 1;
            c.side[eUp].Offer(blocker.bottom + 1, b, true);
            if (actor.m_OnObject && actor.m_dSpeedY < 0) actor.m_Contact[eDown] = 1;
        } else {
            OfferSides(actor, b, c, kAcross, upper.top, upper.bottom, actor.m_dSpeedX >= 0, true, 0.5);
        }
        return false;
    });

    const cCandidate &left = c.side[eLeft], &right = c.side[eRight], &up = c.side[eUp], &down = c.side[eDown];
    const bool bothSides = left && right;
    const auto firstOverUpper = [&]() {
        return FindBlockCharaAcross(scene, actor.m_Number, upper,
                                    [&](cCharaActor& b) { return Overlaps(upper, BoxOf(b)); });
    };
    bool landed = false;
    if (!down && !up && bothSides) {
        // Squeezed from both sides with nothing above or below: no side wins.
        if (cCharaActor* b = firstOverUpper()) HeadPlacement(actor, *b);
        actor.m_Contact[eLeft] = actor.m_Contact[eRight] = 0;
    } else {
        if (down && !bothSides) {
            if (down.by->m_dSpeedY > 0 && TrialAt(actor, down.pos).TouchesCell()) {
                actor.m_OnObject = 0;
            } else {
                actor.m_Y = down.pos;
                actor.m_dAcSpeedY = 0.0;
                actor.m_OnObject = 1;
                actor.OnMoveY();
                actor.m_dSpeedY = 0.0;
                actor.m_AirCounter = actor.m_JumpEnd = actor.m_Jumping = actor.m_Falling = actor.m_ImpulseActive = 0;
                if (!actor.IsPlayer())
                    actor.m_CeilingLock = 0;
                else
                    actor.SetInAir(0);
                landed = true;
            }
        }
        if (up && !down) {
            const cObj trial = TrialAt(actor, up.pos);
            const bool held =
                up.by->m_dSpeedY < 0 && (trial.TouchesSolidCell() || scene.OverlapsBlockChara(trial, up.by->m_Number));
            if (!held) {
                HeadPlacement(actor, *up.by);
                scene.MapTestY(actor, 1);
            }
        }
        for (int side : {eLeft, eRight}) {
            if (!c.side[side]) continue;
            actor.m_dAcSpeedX = 0.0;
            Apply(actor, side, c.side[side]);
        }
        if (bothSides && up && !down) {
            actor.m_X = startX;
            actor.OnMoveX();
            if (cCharaActor* b = firstOverUpper()) {
                if (b->m_dSpeedY > 0) actor.m_Contact[eUp] = 1;
                HeadPlacement(actor, *b);
            }
            actor.m_Contact[eLeft] = actor.m_Contact[eRight] = 0;
        }
    }

    // Crushed: pressed from both sides or from above and below (the map's contacts of this
    // sub-step count too), or swallowed whole.
    if ((actor.m_Contact[eLeft] && actor.m_Contact[eRight]) || (actor.m_Contact[eUp] && actor.m_Contact[eDown]) ||
        scene.IsEngulfed(actor, box))
        return 2;

    // A push may leave a corner in a wall: back off it a little along each contact.
    const struct {
        int contact;
        double dx, dy;
    } nudges[] = {{eLeft, -kNudge, 0}, {eRight, kNudge, 0}, {eUp, 0, -kNudge}, {eDown, 0, kNudge}};
    for (const auto& n : nudges) {
        if (!actor.m_Contact[n.contact]) continue;
        for (int i = 0; i < kNudges && actor.TouchesCell(); ++i) {
            actor.m_X += n.dx;
            actor.m_Y += n.dy;
            if (n.dx != 0)
                actor.OnMoveX();
            else
                actor.OnMoveY();
        }
    }

    // Still on the lift: its box is remembered for the next carrying; off it, the character
    // leaves it, marked unless another block character is right below.
    if (actor.m_OnObject && !landed) {
        if (actor.m_ImpulseY < 0) {
            actor.LeaveObject(1);
        } else if (scene.StandsOnCarrier(actor)) {
            actor.m_AirCounter = actor.m_ImpulseActive = 0;
            SetCarrierBox(actor, *scene.FindCarrier(actor));
        } else {
            actor.LeaveObject(scene.StandsOnBlockChara(actor) ? 0 : 1);
        }
    }
    return 0;
}

}  // namespace

const std::vector<cCharaActor*>* cPlayScene::KeptBlockCharas() {
    if (!m_KeepBlockCharas) return nullptr;
    if (m_BlockCharasStale) {
        m_BlockCharas.clear();
        for (cCharaActor& chara : m_Charas)
            if (chara.IsBlockChara()) m_BlockCharas.push_back(&chara);
        m_BlockCharasStale = false;
        m_BlockStripsStale = true;
    }
    return &m_BlockCharas;
}

cStripIndex* cPlayScene::KeptBlockStrips() {
    if (!m_HoldBlockCharas) return nullptr;
    const std::vector<cCharaActor*>* kept = KeptBlockCharas();
    if (!kept) return nullptr;
    if (m_BlockStripsStale) {
        m_BlockStrips.Clear(kept->size());
        for (size_t i = 0; i < kept->size(); ++i) m_BlockStrips.AddSpan(i, (*kept)[i]->m_X, (*kept)[i]->m_Right);
        m_BlockStripsStale = false;
    }
    return &m_BlockStrips;
}

int cPlayScene::PushOut(cActor& actor) {
    if (actor.IgnoresBlocks()) return 0;
    return actor.Flying() ? PushFlying(*this, actor) : PushWalking(*this, actor);
}

void cPlayScene::PushOutAxis(cActor& actor, int axis) {
    const cBox box = BoxOf(actor);
    cCandidates c;
    FindBlockCharaAcross(*this, actor.m_Number, box, [&](cCharaActor& b) {
        const cBox blocker = BoxOf(b);
        if (!Overlaps(box, blocker)) return false;
        OfferInside(actor, b, c, axis);
        return false;
    });
    for (int side : {LowSide(axis), LowSide(axis) + 1})
        if (c.side[side]) Apply(actor, side, c.side[side]);
}

int cPlayScene::OverlapsBlockChara(const cObj& object, int32_t ignoredId) {
    if (object.IgnoresBlocks()) return 0;
    const cBox box = BoxOf(object);
    return FindBlockCharaAcross(*this, object.m_Number, box, [&](cCharaActor& b) {
               return b.m_Number != ignoredId && Overlaps(box, BoxOf(b));
           }) != nullptr;
}

cCharaActor* cPlayScene::FindCarrier(const cActor& actor) {
    return FindBlockChara(*this, actor.m_Number, [&](cCharaActor& b) { return b.m_Number == actor.m_CarrierId; });
}

int cPlayScene::StandsOnCarrier(const cActor& actor) {
    const cCharaActor* carrier = FindCarrier(actor);
    return carrier && Overlaps(Footing(actor), BoxOf(*carrier)) ? 1 : 0;
}

int cPlayScene::StandsOnBlockChara(const cActor& actor) {
    const cBox footing = Footing(actor);
    return FindBlockCharaAcross(*this, actor.m_Number, footing,
                                [&](cCharaActor& b) { return Overlaps(footing, BoxOf(b)); }) != nullptr;
}

int cPlayScene::IsEngulfed(const cActor& actor, const cBox& before) {
    if (actor.IgnoresBlocks()) return 0;
    const cBox now = BoxOf(actor);
    const auto corners = [](const cBox& b) {
        return std::array<std::pair<double, double>, 4>{
            {{b.left, b.top}, {b.right, b.top}, {b.left, b.bottom - 1}, {b.right, b.bottom - 1}}};
    };
    const auto nowCorners = corners(now), beforeCorners = corners(before);
    for (size_t i = 0; i < nowCorners.size(); ++i) {
        // A NaN point lies in no box: the span is the other point's.
        double now = nowCorners[i].first, before = beforeCorners[i].first;
        if (now != now) now = before;
        if (before != before) before = now;
        const cCharaActor* holder = FindBlockCharaAcross(*this, actor.m_Number, now, before, [&](cCharaActor& b) {
            const cBox blocker = BoxOf(b);
            return Contains(blocker, nowCorners[i].first, nowCorners[i].second) ||
                   Contains(blocker, beforeCorners[i].first, beforeCorners[i].second);
        });
        if (!holder) return 0;
    }
    return 1;
}

void cPlayScene::Carry(cActor& actor) {
    if (!actor.m_OnObject || actor.Flying()) return;
    cCharaActor* carrier = FindCarrier(actor);
    if (!carrier) return;
    actor.m_dSpeedX += carrier->m_X - actor.m_CarrierBox[0];
    actor.m_dSpeedY = carrier->m_Y - actor.m_CarrierBox[1];
    if (actor.IsPlayer()) carrier->StartFlowsByTrigger(kTriggerCarriesPlayer);
    carrier->StartFlowsByTrigger(kTriggerCarries);
}
