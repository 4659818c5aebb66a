// Whether a condition list holds: the owners (map cells, stage characters, items, flows), the
// combination rule with the once flag, and the single condition.
#include <cstddef>

#include "framework/CheckedVector.h"
#include "game/data/StorySave.h"
#include "game/play/FlowRuntime.h"
#include "game/play/PlayScene.h"

namespace {

int ListHolds(cRecordVector<cCondition>& list, uint8_t rule, cPlayScene& scene, cActor* subject) {
    if (rule > 1) return 0;
    for (cCondition& condition : list) {
        const int holds = scene.TestCondition(condition, subject);
        if (rule == 0 && !holds) return 0;
        if (rule == 1 && holds) return 1;
    }
    return rule == 0 ? 1 : 0;
}

int OwnerHolds(cRecordVector<cCondition>& list, uint8_t rule, uint8_t once, int32_t& held, cPlayScene& scene,
               cActor* subject) {
    if (list.empty()) return 1;
    if (once && held) return 1;
    if (!ListHolds(list, rule, scene, subject)) return 0;
    held = 1;
    return 1;
}

// Conditions come from files: a variable index outside its table is a bad checked access, logged
// with the game asked to close, and the first variable stands in until it has closed.
int Compare(const int32_t* values, size_t count, const cCondition& condition) {
    const uint16_t index = condition.m_VarIndex;
    if (index >= count)
        ReportBadIndex('V', index, static_cast<int>(count), static_cast<int>(sizeof(int32_t)), eCloseProgram);
    const int32_t v = index < count ? values[index] : count ? values[0] : 0, c = condition.m_Value;
    switch (condition.m_Compare) {
        case 0: return v == c;
        case 1: return v != c;
        case 2: return v >= c;
        case 3: return v <= c;
        case 4: return v > c;
        case 5: return v < c;
        default: return 0;
    }
}

}  // namespace

int cPlayScene::TestCondition(cCondition& condition, cActor* subject) {
    switch (condition.m_Kind) {
        case 1: {
            const auto& vars = StoryState().m_Variables;
            return Compare(vars.data(), vars.size(), condition);
        }
        case 2: return Compare(m_StageVars.data(), m_StageVars.size(), condition);
        case 3:
            return subject ? Compare(subject->m_Flow.m_Variables, cActorFlowFields::kVariables, condition) : 0;
        case 4: return FlowRuntime().TestStatusCondition(condition, subject) != 0 ? 1 : 0;
        case 5: return subject ? subject->DistanceConditionMet(condition) : 0;
        default: return 0;
    }
}

int cPlayScene::TestConditions(cBlockCell& cell) {
    cEdBlock& block = cell.block;
    return OwnerHolds(block.m_Conditions, block.m_CondJudge, block.m_OnceTrue, cell.condHeld, *this,
                      m_Players.empty() ? nullptr : &m_Players[0]);
}

int cPlayScene::TestConditions(cCharaActor& chara) {
    cEdChara& record = chara.m_Chara;
    return OwnerHolds(record.m_Conditions, record.m_CondJudge, record.m_OnceTrue, chara.m_CondHeld, *this, &chara);
}

int cPlayScene::TestConditions(cItemObj& item) {
    cEdItem& record = item.m_Item;
    return OwnerHolds(record.m_Conditions, record.m_CondJudge, record.m_OnceTrue, item.m_CondHeld, *this,
                      m_Players.empty() ? nullptr : &m_Players[0]);
}

int cPlayScene::TestConditions(cFlowRunner& runner, cActor& owner) {
    if (!runner.m_Flow) return 1;
    cFlow& flow = *runner.m_Flow;
    return OwnerHolds(flow.m_Conditions, flow.m_CondJudge, flow.m_OnceTrue, runner.m_CondHeld, *this, &owner);
}

int cPlayScene::CellSolidity(int32_t column, int32_t row, int32_t group) {
    return IsMapCell(column, row) ? CellSolidity(m_MapCells[CellIndex(column, row)], group) : 0;
}
