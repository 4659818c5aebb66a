#include "game/flow/StatusOperation.h"

#include "data/Expr.h"
#include "data/Flow.h"
#include "data/FlowTables.h"
#include "game/flow/FlowFaults.h"
#include "game/flow/FlowStatus.h"
#include "game/flow/StatusMath.h"
#include "game/play/PlayScene.h"

namespace {

const int32_t kLifeMax = 999999;

// The parameters of "ステータスの操作", in their stored order.
enum eStatusOpParam {
    eOpTargetKind, eOpVarScope, eOpVarIndex, eOpWhose, eOpStatus, eOpOperator, eOpSourceKind, eOpConstant,
    eOpRandMin, eOpRandMax, eOpSourceScope, eOpSourceIndex, eOpSourceWhose, eOpSourceStatus, eOpPercent,
    eOpLifeMode, eOpShowBar, eOpSkipInvincible, kStatusOpParams
};
// "ステータス", "変数": what the left side of a condition or an operation is.
enum eLeftKind { eLeftStatus, eLeftVariable };
// "通常の計算", "最大値に対する％で指定", "現在値に対する％で指定".
enum eLifeMode { eLifePlain, eLifeOfMaximum, eLifeOfCurrent };

// The character whose status is asked for; null (logged when the number is outside the list)
// when there is none.
cActor* StatusOwner(cActor* owner, int32_t whose) {
    if (whose == eOwnerSelf) return owner;
    if (whose == eOwnerTarget) return owner ? owner->m_Flow.m_Target : nullptr;
    LogFlowFault("Flow status owner %d outside the list", whose);
    return nullptr;
}

bool FindCharaStatus(cActor& who, int32_t status, int32_t slot, cStatusRef& ref) {
    if (CharaStatus(who, status, slot, ref)) return true;
    if (status == eStatusVariable) LogFlowFault("Flow character variable %d outside the list", slot);
    else LogFlowFault("Flow character status %d outside the list", status);
    return false;
}

bool FindSystemStatus(const cPlayScene& scene, int32_t status, bool zeroTimeWhenOff, int32_t& value) {
    if (ReadSystemStatus(scene, status, zeroTimeWhenOff, value)) return true;
    LogFlowFault("Flow system status %d outside the list", status);
    return false;
}

int32_t* FindVariable(cPlayScene& scene, int32_t scope, int32_t number) {
    int32_t* variable = FlowVariable(scene, scope, number);
    if (!variable) LogFlowFault("Flow variable %d of scope %d outside the list", number, scope);
    return variable;
}

}  // namespace

bool ValueOfSource(cPlayScene& scene, cActor* owner, const cValueSource& source, int32_t& value) {
    switch (source.m_Kind) {
    case eSourceConstant: value = source.m_Constant; return true;
    case eSourceRandom: value = ExprRandom(source.m_RandMin, source.m_RandMax, scene.m_Random.Next()); return true;
    case eSourceVariable: {
        const int32_t* variable = FindVariable(scene, source.m_VarScope, source.m_VarIndex);
        if (variable) value = *variable;
        return variable != nullptr;
    }
    case eSourceStatus: {
        if (source.m_Whose == eOwnerSystem) return FindSystemStatus(scene, source.m_Status, true, value);
        cActor* who = StatusOwner(owner, source.m_Whose);
        cStatusRef ref;
        if (!who || !FindCharaStatus(*who, source.m_Status, source.m_VarIndex, ref)) return false;
        if (source.m_Status == eStatusSight && !HasSight(*who)) return false;
        value = ref.Read();
        if (source.m_Status == eStatusStop) who->ResetFriction();
        return true;
    }
    }
    LogFlowFault("Flow value source %d outside the list", source.m_Kind);
    return false;
}

int EvalStatusCondition(cCondition& condition, cActor* owner) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return 0;
    const cValueSource source = {condition.m_RightSource, condition.m_Value, condition.m_RandMin,
                                 condition.m_RandMax, condition.m_RightOwner, condition.m_RightStatus,
                                 condition.m_RightVarScope, condition.m_RightVarIndex};
    int32_t value = 0;
    if (!ValueOfSource(*scene, owner, source, value)) return 0;
    condition.m_Value = value;
    int32_t left = 0;
    if (condition.m_LeftKind == eLeftVariable) {
        const int32_t* variable = FindVariable(*scene, condition.m_LeftVarScope, condition.m_VarIndex);
        if (!variable) return 0;
        left = *variable;
    } else if (condition.m_LeftKind != eLeftStatus) {
        LogFlowFault("Flow condition side %d outside the list", condition.m_LeftKind);
        return 0;
    } else if (condition.m_LeftOwner == eOwnerSystem) {
        if (!FindSystemStatus(*scene, condition.m_LeftStatus, false, left)) return 0;
    } else {
        cActor* who = StatusOwner(owner, condition.m_LeftOwner);
        cStatusRef ref;
        if (!who || !FindCharaStatus(*who, condition.m_LeftStatus, condition.m_VarIndex, ref)) return 0;
        left = ref.Read();
        // A percentage of life is of its maximum; the editor offers it for life alone.
        if (condition.m_Percent && PercentInCondition(condition.m_LeftStatus)) {
            const int32_t maximum = condition.m_LeftStatus == eStatusHp ? who->m_MaxHp : who->m_MaxSp;
            value = Bound(PercentOf(maximum, value), 0, kLifeMax);
        }
    }
    return CompareInt(left, condition.m_Compare, value);
}

int ExecStatusOperation(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return 0;
    const cValueSource source = {command.Param(eOpSourceKind),   command.Param(eOpConstant),
                                 command.Param(eOpRandMin),      command.Param(eOpRandMax),
                                 command.Param(eOpSourceWhose),  command.Param(eOpSourceStatus),
                                 command.Param(eOpSourceScope),  command.Param(eOpSourceIndex)};
    int32_t value = 0;
    if (!ValueOfSource(*scene, &owner, source, value)) return 0;
    const int32_t op = command.Param(eOpOperator);
    const bool percent = command.Param(eOpPercent) != 0;
    const int32_t status = command.Param(eOpStatus);

    if (command.Param(eOpTargetKind) == eLeftVariable) {
        int32_t* variable = FindVariable(*scene, command.Param(eOpVarScope), command.Param(eOpVarIndex));
        if (!variable) return 0;
        if (percent) value = PercentOf(*variable, value);
        *variable = ApplyOpInt(*variable, op, value, kVariableMin, kVariableMax);
        return 1;
    }
    if (command.Param(eOpTargetKind) != eLeftStatus) {
        LogFlowFault("Flow operation side %d outside the list", command.Param(eOpTargetKind));
        return 0;
    }
    if (command.Param(eOpWhose) == eOwnerSystem) {
        int32_t current = 0;
        if (!FindSystemStatus(*scene, status, false, current)) return 0;
        int32_t lower, upper;
        SystemStatusBounds(status, lower, upper);
        if (percent && SystemValueDescs[status].m_C7) value = PercentOf(current, value);
        WriteSystemStatus(*scene, status, ApplyOpInt(current, op, value, lower, upper));
        return 1;
    }

    cActor* who = StatusOwner(&owner, command.Param(eOpWhose));
    cStatusRef ref;
    if (!who || !FindCharaStatus(*who, status, command.Param(eOpVarIndex), ref)) return 0;
    if (command.Param(eOpSkipInvincible) && who->m_Chara.m_Invincible) return 0;
    if (status == eStatusHp || status == eStatusSp) {
        const int32_t current = ref.Read();
        switch (command.Param(eOpLifeMode)) {
        case eLifePlain: break;
        case eLifeOfMaximum: value = PercentOf(status == eStatusHp ? who->m_MaxHp : who->m_MaxSp, value); break;
        case eLifeOfCurrent: value = PercentOf(current, value); break;
        default: return 0;
        }
        const int32_t change = ApplyOpInt(current, op, value, 0, kLifeMax) - current;
        const int32_t showBar = command.Param(eOpShowBar) != 0;
        if (status == eStatusHp) who->ChangeLife(change, 1, showBar);
        else who->ChangeSP(change, showBar);
    } else {
        if (status == eStatusSight && !HasSight(*who)) return 0;
        const int32_t current = ref.Read();
        if (percent && PercentInOperation(status)) value = PercentOf(current, value);
        ref.Write(ApplyOpInt(current, op, value, ref.m_Lower, ref.m_Upper));
        if (status == eStatusStop) who->ResetFriction();
    }
    AfterCharaStatusChange(*scene, owner, *who, status);
    return 1;
}
