// The state hash of a frame: FNV-1a over the scene's state and counters, the time, the scroll
// axes, the random generator, the variables, the screen effect and colour change, and every live
// object's box, speeds, life and flags.
// Doubles go in by their bits, so the same play gives the same hash only when the arithmetic is
// the same to the last bit.
#include <cstring>

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
    }
    void AddActor(const cActor& actor) {
        AddObject(actor);
        Add(actor.m_Hp);
        Add(actor.m_Sp);
        Add(actor.m_Dead);
        Add(actor.m_DeathFrames);
        for (int32_t contact : actor.m_Contact) Add(contact);
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
    for (const cPlayerActor& player : m_Players) h.AddActor(player);
    for (const cCharaActor& chara : m_Charas) h.AddActor(chara);
    for (const cItemObj& item : m_Items) h.AddObject(item);
    return h.Value();
}
