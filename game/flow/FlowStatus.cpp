#include "game/flow/FlowStatus.h"

#include <cstring>

#include "data/FlowTables.h"
#include "game/data/StorySave.h"
#include "game/flow/StatusMath.h"
#include "game/play/PlayScene.h"

namespace {

// Bytes each character status is stored in, by status number.
const int32_t kCharaWidths[kCharaStatuses] = {4, 4, 4, 4, 4, 1, 2, 1, 4, 1, 1, 2, 4};
// Draw passes run 0 to 7: a Z of 8 would never be drawn.
const int32_t kMaxDrawnZ = 7;
const int32_t kDotsPerHbl = 16;

void* CharaField(cActor& who, int32_t status, int32_t slot) {
    cEdChara& chara = who.m_Chara;
    switch (status) {
    case eStatusVariable: return &who.m_Flow.m_Variables[slot - 1];
    case eStatusHp: return &who.m_Hp;
    case eStatusSp: return &who.m_Sp;
    case eStatusMaxHp: return &who.m_MaxHp;
    case eStatusMaxSp: return &who.m_MaxSp;
    case eStatusZ: return &chara.m_Z;
    case eStatusMark: return &chara.m_Mark;
    case eStatusSight: return &chara.m_SightRange;
    case eStatusPower: return &chara.m_BodyPower;
    case eStatusImpact: return &chara.m_BodyImpact;
    case eStatusImpactResist: return &chara.m_ImpactResist;
    case eStatusStop: return &chara.m_StopEase;
    case eStatusScore: return &chara.m_Score;
    }
    return nullptr;
}

}  // namespace

int32_t cStatusRef::Read() const {
    switch (m_Width) {
    case 1: {
        int8_t value;
        std::memcpy(&value, m_Field, 1);
        return value;
    }
    case 2: {
        int16_t value;
        std::memcpy(&value, m_Field, 2);
        return value;
    }
    }
    int32_t value;
    std::memcpy(&value, m_Field, 4);
    return value;
}

void cStatusRef::Write(int64_t value) const {
    const int32_t kept = Bound(value, m_Lower, m_Upper);
    switch (m_Width) {
    case 1: {
        const int8_t narrow = static_cast<int8_t>(kept);
        std::memcpy(m_Field, &narrow, 1);
        return;
    }
    case 2: {
        const int16_t narrow = static_cast<int16_t>(kept);
        std::memcpy(m_Field, &narrow, 2);
        return;
    }
    }
    std::memcpy(m_Field, &kept, 4);
}

bool CharaStatus(cActor& who, int32_t status, int32_t slot, cStatusRef& ref) {
    if (status < 0 || status >= kCharaStatuses) return false;
    if (status == eStatusVariable && (slot < 1 || slot > cActorFlowFields::kVariables)) return false;
    const cStatusDesc& desc = StatusDescs[status];
    ref = cStatusRef(CharaField(who, status, slot), kCharaWidths[status], desc.m_C1,
                     status == eStatusZ ? kMaxDrawnZ : desc.m_C2);
    return true;
}

bool PercentInCondition(int32_t status) { return status >= 0 && status < kCharaStatuses && StatusDescs[status].m_C6; }

bool PercentInOperation(int32_t status) { return status >= 0 && status < kCharaStatuses && StatusDescs[status].m_C7; }

bool HasSight(const cActor& who) { return who.m_Chara.m_SightShape != 0; }

void AfterCharaStatusChange(cPlayScene& scene, const cActor& owner, cActor& who, int32_t status) {
    switch (status) {
    case eStatusMaxHp:
        if (who.m_Hp > who.m_MaxHp) who.m_Hp = who.m_MaxHp;
        break;
    case eStatusMaxSp:
        if (who.m_Sp > who.m_MaxSp) who.m_Sp = who.m_MaxSp;
        break;
    case eStatusSight:
        if (HasSight(who)) {
            who.m_Flow.m_SightRadius = who.m_Chara.m_SightRange * kDotsPerHbl;
            scene.m_Flow.m_SightChanged = 1;
        }
        break;
    }
    if ((status == eStatusHp || status == eStatusMaxHp) && &who != &owner && who.m_Hp < 1) scene.m_Flow.m_HpCheck = 1;
}

bool ReadSystemStatus(const cPlayScene& scene, int32_t status, bool zeroTimeWhenOff, int32_t& value) {
    const cStorySave& story = StoryState();
    switch (status) {
    case eSystemTime: value = zeroTimeWhenOff && scene.m_NoTimeLimit ? 0 : scene.m_TimeLeft; return true;
    case eSystemScrollX: value = scene.m_ScrollX.m_Speed; return true;
    case eSystemScrollY: value = scene.m_ScrollY.m_Speed; return true;
    case eSystemScore: value = story.m_Score; return true;
    case eSystemLives: value = story.m_Lives; return true;
    }
    return false;
}

void SystemStatusBounds(int32_t status, int32_t& lower, int32_t& upper) {
    lower = SystemValueDescs[status].m_C1;
    upper = SystemValueDescs[status].m_C2;
}

void WriteSystemStatus(cPlayScene& scene, int32_t status, int64_t value) {
    if (status < 0 || status >= kSystemStatuses) return;
    int32_t lower, upper;
    SystemStatusBounds(status, lower, upper);
    const int32_t kept = Bound(value, lower, upper);
    cStorySave& story = StoryState();
    switch (status) {
    case eSystemTime: scene.m_TimeLeft = kept; return;
    case eSystemScrollX:
    case eSystemScrollY: {
        cScroll& scroll = status == eSystemScrollX ? scene.m_ScrollX : scene.m_ScrollY;
        scroll.SetSpeed(scroll.m_Auto, kept);
        return;
    }
    case eSystemScore: story.m_Score = kept; return;
    case eSystemLives: story.m_Lives = kept; return;
    }
}

int32_t* FlowVariable(cPlayScene& scene, int32_t scope, int32_t number) {
    std::vector<int32_t>* vars = nullptr;
    if (scope == eScopeCommon) vars = &StoryState().m_Variables;
    if (scope == eScopeStage) vars = &scene.m_StageVars;
    if (!vars || number < 0 || static_cast<size_t>(number) >= vars->size()) return nullptr;
    return &(*vars)[number];
}
