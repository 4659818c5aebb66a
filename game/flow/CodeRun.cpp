#include "game/flow/CodeRun.h"

#include "framework/MessageBox.h"
#include "game/flow/FlowStatus.h"
#include "game/play/PlayScene.h"

namespace {
// The language's character members in the order of the flows' character statuses: v1 to v8
// are status 0's slots 1 to 8, "hp" onwards statuses 1 onwards.
int32_t MemberStatus(int32_t member) { return member < eExprHp ? eStatusVariable : member - eExprHp + eStatusHp; }

cStatusRef MemberRef(cActor& who, int32_t member) {
    cStatusRef ref;
    if (member < eExprHp) CharaStatus(who, eStatusVariable, member - eExprVar1 + 1, ref);
    else CharaStatus(who, MemberStatus(member), 0, ref);
    return ref;
}
}  // namespace

void cPlayExprBinding::ShowMessage(const std::string& text) { ErrorBox("%s", text.c_str()); }

int32_t cPlayExprBinding::Random() { return m_Scene.m_Random.Next(); }

cActor* cPlayExprBinding::Object(int32_t object) {
    switch (object) {
    case eExprMy: return &m_Owner;
    case eExprTarget: return m_Owner.m_Flow.m_Target;
    case eExprPlayer: return m_Scene.m_Players.empty() ? nullptr : &m_Scene.m_Players[0];
    }
    return nullptr;
}

int32_t* cPlayExprBinding::Variable(int32_t scope, int32_t number) { return FlowVariable(m_Scene, scope, number); }

bool cPlayExprBinding::HasVariable(int32_t scope, int32_t number) { return Variable(scope, number) != nullptr; }

int32_t cPlayExprBinding::ReadVariable(int32_t scope, int32_t number) { return *Variable(scope, number); }

void cPlayExprBinding::WriteVariable(int32_t scope, int32_t number, int32_t value) { *Variable(scope, number) = value; }

int32_t cPlayExprBinding::ReadMember(int32_t object, int32_t member) { return MemberRef(*Object(object), member).Read(); }

void cPlayExprBinding::WriteMember(int32_t object, int32_t member, int32_t value) {
    cActor& who = *Object(object);
    MemberRef(who, member).Write(value);
    AfterCharaStatusChange(m_Scene, m_Owner, who, MemberStatus(member));
}

int32_t cPlayExprBinding::MaxOf(int32_t object, int32_t member) {
    const cActor& who = *Object(object);
    return member == eExprHp ? who.m_MaxHp : who.m_MaxSp;
}

int32_t cPlayExprBinding::ReadSystem(int32_t system) {
    int32_t value = 0;
    ReadSystemStatus(m_Scene, system, true, value);
    return value;
}

void cPlayExprBinding::WriteSystem(int32_t system, int32_t value) { WriteSystemStatus(m_Scene, system, value); }

int RunCode(const std::string& text, cActor& owner) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return 0;
    cPlayExprBinding binding(*scene, owner);
    cExprLine line(binding, kExprRunSettings);
    return line.Run(text) ? 1 : 0;
}
