#include <gtest/gtest.h>

#include "game/play/KeyConditions.h"
#include "tests/game/play/CharaFixture.h"

namespace {

// Direction words and buttons as the input holds them.
const int kLeft = 1, kRight = 2, kDown = 8, kZ = 1, kX = 2;

struct cHold {
    int direction, buttons, frames;
};

// A key condition: the keys that must be down (1) or up (2), held from min to max frames (0, 0:
// any time), by the rule.
cKeyCond Keys(std::vector<std::pair<int, int>> keys, int rule = 0, int min = 0, int max = 0, int mirror = 0) {
    cKeyCond condition;
    for (const auto& key : keys) condition.m_KeyStates[key.first] = static_cast<uint8_t>(key.second);
    condition.m_KeyJudge = static_cast<uint8_t>(rule);
    condition.m_PressMin = static_cast<uint16_t>(min);
    condition.m_PressMax = static_cast<uint16_t>(max);
    condition.m_PressOpen = min == 0 && max == 0;
    condition.m_SwapDir = static_cast<uint8_t>(mirror);
    return condition;
}

}  // namespace

class KeyConditions : public CharaFixture {
protected:
    void Play(const std::vector<cHold>& holds) {
        for (const cHold& hold : holds) Hold(hold.direction, hold.buttons, hold.frames);
    }
};

// Sequences of key conditions against the logs: the last must hold now, each earlier one where
// the later one's time began, or within the slack before it.
TEST_F(KeyConditions, SequencesWithSlack) {
    const cKeyCond down = Keys({{eKeyDown, 1}}), z = Keys({{eKeyZ, 1}});
    const struct {
        const char* name;
        std::vector<cHold> holds;
        std::vector<cKeyCond> list;
        int slack, met;
    } cases[] = {
        {"one key now", {{0, kZ, 1}}, {z}, 0, 1},
        {"one key released", {{0, kZ, 1}, {0, 0, 1}}, {z}, 5, 0},
        {"down then Z at once", {{kDown, 0, 5}, {0, kZ, 1}}, {down, z}, 0, 1},
        {"a gap of two, slack 0", {{kDown, 0, 5}, {0, 0, 2}, {0, kZ, 1}}, {down, z}, 0, 0},
        {"a gap of two, slack 1", {{kDown, 0, 5}, {0, 0, 2}, {0, kZ, 1}}, {down, z}, 1, 0},
        {"a gap of two, slack 2", {{kDown, 0, 5}, {0, 0, 2}, {0, kZ, 1}}, {down, z}, 2, 1},
        {"in the wrong order", {{0, kZ, 1}, {kDown, 0, 1}}, {down, z}, 3, 0},
        {"held too short", {{0, kZ, 2}}, {Keys({{eKeyZ, 1}}, 0, 3, 9)}, 0, 0},
        {"held long enough", {{0, kZ, 3}}, {Keys({{eKeyZ, 1}}, 0, 3, 9)}, 0, 1},
        {"held too long", {{0, kZ, 10}}, {Keys({{eKeyZ, 1}}, 0, 3, 9)}, 0, 0},
        {"up wanted", {{0, kX, 2}}, {Keys({{eKeyZ, 2}})}, 0, 1},
        {"no history before the logs", {{0, kZ, 3}}, {Keys({{eKeyZ, 2}}), z}, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GetPlayerInput(0).ResetKeyLogs();
        Play(c.holds);
        std::vector<const cKeyCond*> list;
        for (const cKeyCond& condition : c.list) list.push_back(&condition);
        EXPECT_EQ(c.met, MatchKeySequence(list, c.slack, GetPlayerInput(0), 0));
    }
}

// The rules over several keys, now and through the logs; a mirrored condition reads left for
// right while the current character faces the negative direction.
TEST_F(KeyConditions, RulesAndTheMirror) {
    const struct {
        const char* name;
        cHold hold;
        cKeyCond condition;
        int facing, met;
    } cases[] = {
        {"all of two", {0, kZ | kX, 1}, Keys({{eKeyZ, 1}, {eKeyX, 1}}, 0), 1, 1},
        {"all of two, one up", {0, kZ, 1}, Keys({{eKeyZ, 1}, {eKeyX, 1}}, 0), 1, 0},
        {"any of two", {0, kX, 1}, Keys({{eKeyZ, 1}, {eKeyX, 1}}, 1), 1, 1},
        {"any of two, none", {0, 0, 1}, Keys({{eKeyZ, 1}, {eKeyX, 1}}, 1), 1, 0},
        {"only one of two", {0, kZ, 1}, Keys({{eKeyZ, 1}, {eKeyX, 1}}, 2), 1, 1},
        {"only one of two, both", {0, kZ | kX, 1}, Keys({{eKeyZ, 1}, {eKeyX, 1}}, 2), 1, 0},
        {"other rule", {0, kZ, 1}, Keys({{eKeyZ, 1}}, 3), 1, 0},
        {"left asked, right held, facing left", {kRight, 0, 1}, Keys({{eKeyLeft, 1}}, 0, 0, 0, 1), 0, 1},
        {"left asked, right held, facing right", {kRight, 0, 1}, Keys({{eKeyLeft, 1}}, 0, 0, 0, 1), 1, 0},
        {"left asked, left held, facing right", {kLeft, 0, 1}, Keys({{eKeyLeft, 1}}, 0, 0, 0, 1), 1, 1},
        {"not mirrored", {kRight, 0, 1}, Keys({{eKeyLeft, 1}}), 0, 0},
        {"up-left asked, up-right held", {kRight | 4, 0, 1}, Keys({{eKeyLeftUp, 1}}, 0, 0, 0, 1), 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GetPlayerInput(0).ResetKeyLogs();
        Play({c.hold});
        cFlow flow = Flow(0);
        flow.m_KeyRepeat = 1;
        flow.m_KeyConds.push_back(c.condition);
        cCharaActor chara = Chara({flow});
        chara.m_Facing = c.facing;
        m_Scene.m_Flow.m_Actor = &chara;
        EXPECT_EQ(c.met, chara.KeyConditionsMet(chara.m_Runners[0]));
        if (!c.condition.m_SwapDir) {
            EXPECT_EQ(c.met, KeyStateMet(GetPlayerInput(0), c.condition));
        }
    }
}

// Keys held on: a repeating flow passes every frame, any other only on the frame they became met.
TEST_F(KeyConditions, HeldKeysPassOnceUnlessTheFlowRepeats) {
    const int frames[] = {1, 1, 1, 0, 1, 1};
    const int once[] = {1, 0, 0, 0, 1, 0};
    for (int repeat = 0; repeat < 2; ++repeat) {
        SCOPED_TRACE(repeat ? "repeating" : "once");
        GetPlayerInput(0).ResetKeyLogs();
        cFlow flow = Flow(0);
        flow.m_KeyRepeat = static_cast<uint8_t>(repeat);
        flow.m_KeyConds.push_back(Keys({{eKeyZ, 1}}));
        cCharaActor chara = Chara({flow});
        for (size_t i = 0; i < sizeof frames / sizeof frames[0]; ++i) {
            Hold(0, frames[i] ? kZ : 0, 1);
            EXPECT_EQ(repeat ? frames[i] : once[i], chara.KeyConditionsMet(chara.m_Runners[0])) << "frame " << i;
        }
    }
    // Without key conditions a flow always passes.
    cCharaActor plain = Chara({Flow(0)});
    EXPECT_EQ(1, plain.KeyConditionsMet(plain.m_Runners[0]));
}

TEST_F(KeyConditions, FirstKeyDown) {
    const struct {
        int direction, key;
    } cases[] = {{0, 0}, {kLeft, 1}, {kDown, 4}, {kLeft | kDown, 6}, {kRight | kDown, 8}};
    for (const auto& c : cases) {
        GetPlayerInput(0).ResetKeyLogs();
        Hold(c.direction, 0, 1);
        EXPECT_EQ(c.key, FirstDownKey(&GetPlayerInput(0))) << c.direction;
    }
    EXPECT_EQ(0, FirstDownKey(nullptr));
}
