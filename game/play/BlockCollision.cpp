// Characters against the map cells: which cell an edge of the box touches, the side and
// top/bottom tests that stop, land or kill a character, and the movement effects of the block
// under the player.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "framework/ErrorLog.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"

namespace {

const int kSoundBlockJump = 10;
const uint32_t kOffMap = cPlayScene::kOffMap;

bool FlyingBlocked(const cActor& actor) { return actor.Flying() && actor.m_BlockContact == 1; }

// What static_cast<int32_t>(std::floor(v)) gives, the lowest int32 for a value past the type
// too, without the library's call: this runs for every sample of every edge test.
int32_t FloorToInt32(double v) {
    const int32_t whole = static_cast<int32_t>(v);
    return whole > v && whole != INT32_MIN ? whole - 1 : whole;
}

}  // namespace

void cActor::FitEdgeSamples() {
    const int32_t longest = std::max(m_Width, m_Height);
    const int32_t count = std::max(1, (longest - 1 + 30) / 31);
    m_EdgeSamples = static_cast<int8_t>(std::min(count, 127));
    m_SpacingX = std::max(0, m_Width - 1) / m_EdgeSamples + 1;
    m_SpacingY = std::max(0, m_Height - 1) / m_EdgeSamples + 1;
}

cBlockCell& cPlayScene::Cell(uint32_t index) {
    if (index < m_MapCells.size()) return m_MapCells[index];
    if (!m_BadCellReported) {
        m_BadCellReported = 1;
        Report("A point off the map was read as an empty cell\n");
    }
    m_BorderCell = cBlockCell();
    return m_BorderCell;
}

uint32_t cPlayScene::IndexOfCell(const cBlockCell* cell) const {
    if (!cell) return kNoCell;
    if (cell == &m_BorderCell || m_MapCells.empty()) return kOffMap;
    return static_cast<uint32_t>(cell - &m_MapCells[0]);
}

uint32_t cPlayScene::CellIndexAt(double x, double y) const {
    const int32_t column = FloorToInt32(x) >> 5;
    const int32_t row = FloorToInt32(y) >> 5;
    return IsMapCell(column, row) ? CellIndex(column, row) : kOffMap;
}

uint32_t cPlayScene::EdgePick(cActor& actor, double x1, double y1, double x2, double y2) {
    if (actor.m_EdgeSamples < 0) return 0;
    const bool vertical = x1 == x2;
    const double step = std::max(1, vertical ? actor.m_SpacingY : actor.m_SpacingX) - 1;
    const double middle = (x1 + x2) / 2;
    uint32_t best = CellIndexAt(x1, y1);
    int bestKind = HitKind(best, actor);
    double bestDistance = std::fabs(x1 - middle);
    for (int i = 1; i <= actor.m_EdgeSamples; ++i) {
        const double x = vertical ? x1 : x1 + i * step;
        const double y = vertical ? y1 + i * step : y1;
        const uint32_t index = CellIndexAt(x, y);
        const int kind = HitKind(index, actor);
        const double distance = std::fabs(x - middle);
        if (kind > bestKind || (!vertical && kind == bestKind && distance < bestDistance)) {
            best = index;
            bestKind = kind;
            bestDistance = distance;
        }
    }
    return best;
}

uint32_t cPlayScene::FootPick(cActor& actor) {
    const int32_t count = std::max<int32_t>(actor.m_EdgeSamples, 0);
    // An odd number of points, so that one stands at the middle. One point alone would leave
    // no spacing between the first and the last: both corners at least.
    const int32_t points = std::max(2, count % 2 ? count + 2 : count + 1);
    const double left = actor.m_X, right = actor.m_Right, middle = (left + right) / 2;
    const double spacing = static_cast<double>(actor.m_Width) / (points - 1);
    uint32_t best = kOffMap;
    int bestKind = -1;
    double bestDistance = 0.0;
    for (int32_t i = 0; i < points; ++i) {
        // The width spaced out would put the last point one dot past the box: it stands on the edge.
        const double x = i == points - 1 ? right : left + spacing * i;
        const uint32_t index = CellIndexAt(x, actor.m_Bottom);
        const int kind = HitKind(index, actor);
        const double distance = std::fabs(x - middle);
        if (kind > bestKind || (kind == bestKind && distance < bestDistance)) {
            best = index;
            bestKind = kind;
            bestDistance = distance;
        }
    }
    return best;
}

uint32_t cPlayScene::CornerPick(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t group) {
    const int32_t corners[4][2] = {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
    uint32_t best = kOffMap;
    int bestKind = -1;
    for (const auto& corner : corners) {
        const uint32_t index = IsMapCell(corner[0], corner[1]) ? CellIndex(corner[0], corner[1]) : kOffMap;
        const int kind = CellSolidity(Cell(index), group);
        if (kind > bestKind) {
            best = index;
            bestKind = kind;
        }
    }
    return best;
}

namespace {

// One side of the horizontal test: 2 when the character dies.
int SideTest(cPlayScene& scene, cActor& actor, bool right) {
    const double x = right ? actor.m_Right : actor.m_X;
    const int kind = scene.HitKind(scene.EdgePick(actor, x, actor.m_Y, x, actor.m_Bottom), actor);
    if (kind == 2 && actor.IsPlayer()) return 2;
    if (kind != 1 && kind != 2) return 0;
    if (actor.m_BlockContact == 2) return 2;
    actor.m_dSpeedX = 0.0;
    if (right) {
        actor.m_Contact[cActor::eContactRight] = 1;
        actor.m_X -= (static_cast<int32_t>(actor.m_Right) & 31) + 1;
    } else {
        actor.m_Contact[cActor::eContactLeft] = 1;
        actor.m_X += 32 - (static_cast<int32_t>(actor.m_X) & 31);
    }
    actor.OnMoveX();
    actor.m_WallSide = right ? 1 : 0;
    for (int trigger : {7, 8, right ? 10 : 9}) actor.StartFlowsByTrigger(trigger);
    return 0;
}

int TopTest(cPlayScene& scene, cActor& actor) {
    const int kind = scene.HitKind(scene.EdgePick(actor, actor.m_X, actor.m_Y, actor.m_Right, actor.m_Y), actor);
    if (kind == 2 && actor.IsPlayer()) return 2;
    if (kind != 1 && kind != 2) return 0;
    if (actor.m_BlockContact == 2) return 2;
    actor.HitCeiling();
    return 0;
}

int BottomTest(cPlayScene& scene, cActor& actor) {
    const uint32_t index = scene.EdgePick(actor, actor.m_X, actor.m_Bottom, actor.m_Right, actor.m_Bottom);
    actor.m_CellBelow = &scene.Cell(index);
    const int kind = scene.HitKind(index, actor);
    const bool player = actor.IsPlayer();
    if (kind == 1) {
        if (actor.m_BlockContact == 2) return 2;
        if (player) actor.m_CellBelow = &scene.Cell(scene.FootPick(actor));
        actor.m_LastCellBelow = actor.m_CellBelow;
        actor.Land();
        return 0;
    }
    if (kind == 2) {
        actor.m_LastCellBelow = actor.m_CellBelow;
        if (player || actor.m_BlockContact == 2) return 2;
        actor.Land();
        return 0;
    }
    actor.m_CellBelow = nullptr;
    if (actor.m_AirCounter < INT_MAX) ++actor.m_AirCounter;
    if (actor.m_AirCounter < PlayPhysics().fallSteps) return 0;
    // A player a block character carries is not falling.
    if (!player) {
        actor.m_Falling = 1;
    } else if (!actor.m_OnObject) {
        actor.m_Falling = 1;
        actor.SetInAir(1);
    }
    return 0;
}

}  // namespace

int cPlayScene::MapTestX(cActor& actor, int second) {
    if (actor.IgnoresBlocks()) return 0;
    const bool rightFirst = second || FlyingBlocked(actor) || actor.m_dSpeedX > 0;
    for (bool right : {rightFirst, !rightFirst})
        if (SideTest(*this, actor, right) == 2) return 2;
    return 0;
}

int cPlayScene::MapTestY(cActor& actor, int second) {
    if (actor.IgnoresBlocks()) return 0;
    actor.m_CellBelow = nullptr;
    const bool bottomFirst = second || FlyingBlocked(actor) || actor.m_dSpeedY > 0;
    for (bool bottom : {bottomFirst, !bottomFirst})
        if ((bottom ? BottomTest(*this, actor) : TopTest(*this, actor)) == 2) return 2;
    return 0;
}

int cPlayScene::BlockEffect(cPlayerActor& player) {
    const cPhysics physics = PlayPhysics();
    if (player.m_BlockEffectSteps <= 0) {
        cBlockCell* cell = player.m_CellBelow;
        const int kind = cell && CellSolidity(*cell, player.BlockGroup()) != 0 ? cell->block.m_Action : 0;
        player.m_NoJump = kind == 2 ? 1 : 0;
        if (kind != 1 && (kind < 3 || kind > 5)) return ePlayGoOn;
        player.m_BlockEffect = kind;
        player.m_BlockEffectValue = cell->block.m_ActionX;
        player.m_BlockEffectSteps = physics.steps;
        if (kind == 1) {
            Host().PlaySystemSound(kSoundBlockJump);
            player.m_dSpeedY = player.JumpSpeedForHbl(player.m_BlockEffectValue);
            player.m_Jumping = 1;
            player.m_ApexSteps = cActor::StepsToApex(player.m_dSpeedY);
        }
    }
    const double value = player.m_BlockEffectValue;
    switch (player.m_BlockEffect) {
        case 3:
            player.m_dSpeedX *= value * 0.01;
            break;
        case 4:
            player.m_dSpeedX -= value * 0.1 / physics.divisor;
            if (player.m_dAcSpeedX > 0) player.m_dAcSpeedX = 0.0;
            break;
        case 5:
            player.m_dSpeedX += value * 0.1 / physics.divisor;
            if (player.m_dAcSpeedX < 0) player.m_dAcSpeedX = 0.0;
            break;
        default:
            break;
    }
    if (--player.m_BlockEffectSteps <= 0) {
        player.m_BlockEffect = 0;
        if (player.m_dSpeedY >= 0) player.m_dSpeedY += 1;
    }
    return ePlayGoOn;
}
