#include "game/flow/CodeRun.h"

#include "framework/MessageBox.h"
#include "game/data/StorySave.h"
#include "game/play/PlayScene.h"

namespace {
// The stage's scroll mode "オートスクロール".
const int32_t kAutoScrollMode = 1;
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

int32_t* cPlayExprBinding::Variable(int32_t scope, int32_t number) {
    std::vector<int32_t>& vars =
        scope == eExprCommon ? static_cast<std::vector<int32_t>&>(StoryState().m_Variables) : m_Scene.m_StageVars;
    if (number < 0 || static_cast<size_t>(number) >= vars.size()) return nullptr;
    return &vars[number];
}

bool cPlayExprBinding::HasVariable(int32_t scope, int32_t number) { return Variable(scope, number) != nullptr; }

int32_t cPlayExprBinding::ReadVariable(int32_t scope, int32_t number) { return *Variable(scope, number); }

void cPlayExprBinding::WriteVariable(int32_t scope, int32_t number, int32_t value) { *Variable(scope, number) = value; }

int32_t cPlayExprBinding::ReadMember(int32_t object, int32_t member) {
    const cActor& who = *Object(object);
    const cEdChara& chara = who.m_Chara;
    switch (member) {
    case eExprHp: return who.m_Hp;
    case eExprSp: return who.m_Sp;
    case eExprMaxHp: return who.m_MaxHp;
    case eExprMaxSp: return who.m_MaxSp;
    case eExprZ: return chara.m_Z;
    case eExprMark: return chara.m_Mark;
    case eExprSight: return chara.m_SightRange;
    case eExprPower: return chara.m_BodyPower;
    case eExprImpact: return chara.m_BodyImpact;
    case eExprImpactResist: return chara.m_ImpactResist;
    case eExprStop: return chara.m_StopEase;
    case eExprGetScore: return chara.m_Score;
    }
    return who.m_Flow.m_Variables[member - eExprVar1];
}

void cPlayExprBinding::WriteMember(int32_t object, int32_t member, int32_t value) {
    cActor& who = *Object(object);
    cEdChara& chara = who.m_Chara;
    switch (member) {
    case eExprHp:
        who.m_Hp = value;
        // The scene handles the defeat of a character other than the one whose flow runs.
        if (&who != &m_Owner && who.m_Hp < 1) m_Scene.m_Flow.m_HpCheck = 1;
        return;
    case eExprSp: who.m_Sp = value; return;
    // A lower maximum lowers life to it; a defeated character stays defeated.
    case eExprMaxHp:
        who.m_MaxHp = value;
        if (who.m_Hp > value) who.m_Hp = value;
        return;
    case eExprMaxSp:
        who.m_MaxSp = value;
        if (who.m_Sp > value) who.m_Sp = value;
        return;
    case eExprZ: chara.m_Z = static_cast<uint8_t>(value); return;
    case eExprMark: chara.m_Mark = static_cast<uint16_t>(value); return;
    case eExprSight:
        chara.m_SightRange = static_cast<uint8_t>(value);
        // Sight shape 0 sees the whole screen: there is no sight to change.
        if (chara.m_SightShape != 0) {
            who.m_Flow.m_SightRadius = value * 16;
            m_Scene.m_Flow.m_SightChanged = 1;
        }
        return;
    case eExprPower: chara.m_BodyPower = value; return;
    case eExprImpact: chara.m_BodyImpact = static_cast<int8_t>(value); return;
    case eExprImpactResist: chara.m_ImpactResist = static_cast<uint8_t>(value); return;
    case eExprStop: chara.m_StopEase = static_cast<uint16_t>(value); return;
    case eExprGetScore: chara.m_Score = value; return;
    }
    who.m_Flow.m_Variables[member - eExprVar1] = value;
}

int32_t cPlayExprBinding::MaxOf(int32_t object, int32_t member) {
    const cActor& who = *Object(object);
    return member == eExprHp ? who.m_MaxHp : who.m_MaxSp;
}

int32_t cPlayExprBinding::ReadSystem(int32_t system) {
    const cStorySave& story = StoryState();
    const cEdStage& stage = ProjectStage();
    switch (system) {
    case eExprTime: return m_Scene.m_NoTimeLimit ? 0 : m_Scene.m_TimeLeft;
    case eExprScrollX: return stage.m_AutoScrollSpeed[0];
    case eExprScrollY: return stage.m_AutoScrollSpeed[1];
    case eExprScore: return story.m_Score;
    case eExprLife: return story.m_Lives;
    }
    return 0;
}

void cPlayExprBinding::WriteSystem(int32_t system, int32_t value) {
    cStorySave& story = StoryState();
    cEdStage& stage = ProjectStage();
    switch (system) {
    case eExprTime: m_Scene.m_TimeLeft = value; return;
    case eExprScrollX:
    case eExprScrollY: {
        int axis = system == eExprScrollX ? 0 : 1;
        stage.m_AutoScrollSpeed[axis] = value;
        cScroll& scroll = axis == 0 ? m_Scene.m_ScrollX : m_Scene.m_ScrollY;
        scroll.SetSpeed(stage.m_ScrollMode[axis] == kAutoScrollMode, value);
        return;
    }
    case eExprScore: story.m_Score = value; return;
    case eExprLife: story.m_Lives = value; return;
    }
}

int RunCode(const std::string& text, cActor& owner) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return 0;
    cPlayExprBinding binding(*scene, owner);
    cExprLine line(binding, kExprRunSettings);
    return line.Run(text) ? 1 : 0;
}
