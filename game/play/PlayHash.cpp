// The state hash of a frame: FNV-1a over the scene's state and counters, the time, the scroll
// axes, the random generator, the variables, score and lives, the screen effect and colour change,
// the display objects, and every live object's box, speeds, life, flags and character variables
// and where each of its flows stands.
// Doubles go in by their bits, so the same play gives the same hash only when the arithmetic is
// the same to the last bit.
#include <cstring>

#include "game/data/StorySave.h"
#include "game/play/PlayScene.h"

namespace {

class cHasher {
public:
    template <class T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) {
            m_Hash ^= b;
            m_Hash *= 1099511628211ull;
        }
    }
    template <class T>
    void AddAll(const T& values) {
        for (const auto& value : values) Add(value);
    }
    void AddObject(const cObj& object) {
        Add(object.m_Number);
        Add(object.m_X);
        Add(object.m_Y);
        Add(object.m_Right);
        Add(object.m_Bottom);
        Add(object.m_dSpeedX);
        Add(object.m_dSpeedY);
        Add(object.m_dAcSpeedX);
        Add(object.m_dAcSpeedY);
        Add(object.m_Counter);
        Add(object.m_Facing);
        Add(object.m_Present);
        Add(object.m_OnScreen);
        Add(object.m_Flag);
        Add(object.m_Level);
        Add(object.m_Width);
        Add(object.m_Height);
        Add(object.m_Friction);
        Add(object.m_FrictionX);
        Add(object.m_FrictionY);
        Add(object.m_NoGravity);
        Add(object.m_BlockContact);
        AddAll(object.m_Control);
    }
    void AddEntry(const cFlowCmdEntry& entry) {
        Add(entry.m_Done);
        Add(entry.m_UseTime);
        Add(entry.m_Remaining);
        Add(entry.m_Speed);
        Add(entry.m_SpeedX);
        Add(entry.m_SpeedY);
        Add(entry.m_Angle);
        Add(entry.m_DirCode);
        Add(entry.m_Started);
        Add(entry.m_LastFacing);
        Add(entry.m_Steps);
    }
    void AddRunner(const cFlowRunner& runner) {
        Add(runner.m_Key);
        Add(runner.m_Blocked);
        Add(runner.m_CondHeld);
        Add(runner.m_Running);
        Add(runner.m_Paused);
        Add(runner.m_Stopped);
        Add(runner.m_DeleteRequest);
        Add(runner.m_Current);
        Add(runner.m_Frames);
        Add(runner.m_StartInput);
        Add(runner.m_Started);
        Add(runner.m_MessageWait);
        Add(runner.m_KeyMatched);
        for (const cFlowCmdEntry& entry : runner.m_Entries) AddEntry(entry);
    }
    void AddActor(const cActor& actor) {
        AddObject(actor);
        Add(actor.m_Hp);
        Add(actor.m_Sp);
        Add(actor.m_Dead);
        Add(actor.m_DeathFrames);
        AddAll(actor.m_Contact);
        Add(actor.m_MaxHp);
        Add(actor.m_MaxSp);
        for (const cFlowRunner& runner : actor.m_Runners) AddRunner(runner);
        AddAll(actor.m_RunningGroups);
        AddAll(actor.m_StartedGroups);
        AddAll(actor.m_ReleaseGroups);
        AddAll(actor.m_BlockedGroups);
        Add(actor.m_ReleasePending);
        Add(actor.m_RemovePending);
        Add(actor.m_NextKey);
        Add(actor.m_Moving);
        Add(actor.m_ImpulseX);
        Add(actor.m_ImpulseY);
        Add(actor.m_ImpulseActive);
        Add(actor.m_PrevImpulseY);
        Add(actor.m_Falling);
        Add(actor.m_Jumping);
        Add(actor.m_JumpEnd);
        Add(actor.m_CeilingLock);
        Add(actor.m_AirCounter);
        Add(actor.m_OnObject);
        Add(actor.m_JumpStart);
        Add(actor.m_LastTurn);
        Add(actor.m_DirFixed);
        Add(actor.m_Vanish);
        Add(static_cast<uint32_t>(actor.m_FlowChanges.size()));
        Add(actor.m_Flow.m_Target ? actor.m_Flow.m_Target->m_Number : -1);
        Add(actor.m_BlockMark);
        Add(actor.m_CarrierId);
        AddAll(actor.m_CarrierBox);
        AddAll(actor.m_Saved);
        for (const cGauge* gauge : {&actor.m_HpGauge, &actor.m_SpGauge}) {
            Add(gauge->m_Timer);
            Add(gauge->m_Length);
            Add(gauge->m_Change);
            Add(gauge->m_Step);
        }
        AddAll(actor.m_Counters);
        Add(static_cast<uint32_t>(actor.m_Animes.size()));
        Add(actor.m_AnimeSet);
        AddAll(actor.m_Flow.m_Variables);
        Add(actor.m_Flow.m_SightRadius);
        AddEffect(actor.m_CharaEffect);
        Add(actor.m_ShownFrame);
        Add(actor.m_BaseFrame);
        Add(actor.m_Hidden);
        Add(actor.m_DrawSkip);
        Add(actor.m_GuardSteps);
        for (const cAttackerGuard& guard : actor.m_AttackerGuards) {
            Add(guard.m_Attacker);
            Add(guard.m_Steps);
        }
        Add(actor.m_EdgeSamples);
        Add(actor.m_SpacingX);
        Add(actor.m_SpacingY);
        Add(actor.m_WallSide);
        Add(actor.m_CellBelow != nullptr);
        Add(actor.m_BlockEffect);
        Add(actor.m_BlockEffectValue);
        Add(actor.m_BlockEffectSteps);
        Add(actor.m_NoJump);
        Add(actor.m_ItemCooldown);
    }
    void AddPlayer(const cPlayerActor& player) {
        AddActor(player);
        for (int32_t value : {player.m_JumpHold, player.m_JumpReady, player.m_JumpBlocked, player.m_JumpDone,
                              player.m_FacingCopy, player.m_ModeCountdown, player.m_EffectKind, player.m_EffectOn,
                              player.m_StepCount, player.m_InAir})
            Add(value);
        Add(player.m_BaseAccel);
        Add(player.m_EffectFactor);
        Add(player.m_ApexSteps);
    }
    void AddEffect(const cEffectState& state) {
        Add(state.nEffect);
        Add(state.nRepeat);
        Add(state.wWord);
        Add(state.dValue);
        Add(state.dStep);
        Add(state.nA);
        Add(state.nB);
    }
    void AddColour(const cScreenColour& c) {
        for (int32_t value : {int32_t(c.m_R), int32_t(c.m_G), int32_t(c.m_B), c.m_Strength, c.m_Restore, c.m_Time,
                              c.m_Flash, c.m_FlashCount, c.m_Active, c.m_Frame, c.m_Flashes, c.m_Keep,
                              int32_t(c.m_PrevR), int32_t(c.m_PrevG), int32_t(c.m_PrevB), c.m_PrevStrength,
                              c.m_PrevKeep})
            Add(value);
    }
    void AddText(const cTextObj& t) {
        for (int32_t value : {t.m_Kind, t.m_Shown, t.m_PositionMode, t.m_Width, t.m_Height, t.m_TimeMode, t.m_Frames,
                              t.m_CharaNumber, t.m_PopIn})
            Add(value);
        Add(t.m_PopInCounter);
    }
    void AddEffectObj(const cEffectObj& e) {
        for (int32_t value : {e.m_Number, e.m_Width, e.m_Height, e.m_Scaled, e.m_Cell, e.m_Anime.GetPattern(),
                              e.m_Anime.GetFrame()})
            Add(value);
        Add(e.m_X);
        Add(e.m_Y);
    }
    void AddPicture(const cPictureObj& p) {
        for (int32_t value : {p.m_Number, p.m_Width, p.m_Height, p.m_TimeMode, p.m_Frames}) Add(value);
        Add(p.m_X);
        Add(p.m_Y);
    }
    void AddAnime(const cAnimePlayer& anime) {
        for (int32_t value : {anime.GetPattern(), anime.GetFrame(), anime.GetTick()}) Add(value);
    }
    uint64_t Value() const { return m_Hash; }

private:
    uint64_t m_Hash = 14695981039346656037ull;
};

}  // namespace

uint64_t cPlayScene::StateHash() const {
    cHasher h;
    h.Add(m_nState);
    h.Add(m_nSubState);
    h.Add(m_SavedState);
    h.Add(m_Counter);
    h.Add(m_Fade);
    h.Add(m_ButtonSuppress);
    h.Add(m_ExecResult);
    h.Add(m_TimeLeft);
    h.Add(m_NoTimeLimit);
    h.Add(m_Elapsed);
    h.Add(m_Frames);
    h.Add(m_StepCount);
    h.Add(m_ScrollX.m_Pos);
    h.Add(m_ScrollY.m_Pos);
    h.Add(m_ScrollX.m_AtLimit);
    h.Add(m_ScrollY.m_AtLimit);
    h.Add(m_Random.State());
    for (int32_t value : m_StageVars) h.Add(value);
    h.AddEffect(m_ScrEffect);
    h.AddColour(m_ScreenColour);
    const cStorySave& story = StoryState();
    for (int32_t value : story.m_Variables) h.Add(value);
    h.Add(story.m_Score);
    h.Add(story.m_Lives);
    for (const cTextObj& text : m_TextObjs) h.AddText(text);
    for (const cTextObj& message : m_Messages) h.AddText(message);
    for (const cEffectObj& effect : m_EffectObjs) h.AddEffectObj(effect);
    for (const cPictureObj& picture : m_PictureObjs) h.AddPicture(picture);
    for (const cPlayerActor& player : m_Players) h.AddPlayer(player);
    for (const cCharaActor& chara : m_Charas) {
        h.AddActor(chara);
        h.Add(chara.m_CondHeld);
        for (int32_t value : {chara.m_ItemMark, chara.m_IgnoreX, chara.m_IgnoreY, chara.m_Appeared}) h.Add(value);
    }
    for (const cItemObj& item : m_Items) {
        h.AddObject(item);
        h.Add(item.m_CondHeld);
        h.Add(item.m_Used);
        h.AddAnime(item.m_Anime);
    }
    for (int32_t number : m_Touching) h.Add(number);
    h.Add(m_BlockItemCell == kNoCell ? int64_t(-1) : int64_t(m_BlockItemCell));
    for (const cShotObj& shot : m_Shots) {
        h.AddObject(shot);
        for (int32_t value : {shot.m_Kind, shot.m_Owner, shot.m_RangeFrames, shot.m_LifeFrames, shot.m_Frame,
                              shot.m_Second, shot.m_ChangeFrame, shot.m_EndFrame, shot.m_WaveStarted, shot.m_Finished})
            h.Add(value);
        h.Add(shot.m_TrajSpeed);
        h.Add(shot.m_WavePhase);
        h.Add(shot.m_Target ? shot.m_Target->m_Number : -1);
        h.Add(shot.m_Group);
        for (int32_t number : shot.m_HitList) h.Add(number);
        h.Add(shot.m_SwordPos);
        h.AddAnime(shot.m_Anime);
    }
    return h.Value();
}
