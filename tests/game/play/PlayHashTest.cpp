#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "game/play/GraphicSource.h"
#include "tests/game/play/PlayFixture.h"

class PlayHash : public PlayFixture {};

// Every field of an object or a character that play changes goes into the state hash.
TEST_F(PlayHash, EveryPlayedFieldChangesTheHash) {
    cEdStage stage = Stage();
    cEdChara enemy = Enemy();
    cFlow flow;
    flow.m_Commands.resize(1);
    enemy.m_Flows.push_back(flow);
    stage.PutCharaAt(5, 5, enemy);
    cEdItem item;
    item.m_Graphic = 1;
    stage.m_Items.Put(stage.CellIndex(7, 7), item);
    ProjectStage() = stage;
    typedef std::function<void(cPlayScene&)> cChange;
    auto chara = [](cPlayScene& s) -> cCharaActor& { return s.m_Charas.front(); };
    const struct {
        const char* name;
        cChange change;
    } cases[] = {
        {"level", [&](cPlayScene& s) { chara(s).m_Level = 3; }},
        {"width", [&](cPlayScene& s) { chara(s).m_Width = 3; }},
        {"friction", [&](cPlayScene& s) { chara(s).m_Friction = 0.25; }},
        {"friction on X", [&](cPlayScene& s) { chara(s).m_FrictionX = 1; }},
        {"no gravity", [&](cPlayScene& s) { chara(s).m_NoGravity = 1; }},
        {"block contact", [&](cPlayScene& s) { chara(s).m_BlockContact = 2; }},
        {"control value 3", [&](cPlayScene& s) { chara(s).m_Control[2] = 4; }},
        {"impulse X", [&](cPlayScene& s) { chara(s).m_ImpulseX = 0.5; }},
        {"impulse Y", [&](cPlayScene& s) { chara(s).m_ImpulseY = 0.5; }},
        {"previous impulse", [&](cPlayScene& s) { chara(s).m_PrevImpulseY = 0.5; }},
        {"impulse active", [&](cPlayScene& s) { chara(s).m_ImpulseActive = 1; }},
        {"falling", [&](cPlayScene& s) { chara(s).m_Falling = 0; }},
        {"jumping", [&](cPlayScene& s) { chara(s).m_Jumping = 1; }},
        {"air counter", [&](cPlayScene& s) { chara(s).m_AirCounter = 2; }},
        {"on an object", [&](cPlayScene& s) { chara(s).m_OnObject = 1; }},
        {"block mark", [&](cPlayScene& s) { chara(s).m_BlockMark = 1; }},
        {"carrier", [&](cPlayScene& s) { chara(s).m_CarrierBox[3] = 1; }},
        {"saved position", [&](cPlayScene& s) { chara(s).m_Saved[1] = 1; }},
        {"maximum life", [&](cPlayScene& s) { chara(s).m_MaxHp += 1; }},
        {"life gauge", [&](cPlayScene& s) { chara(s).m_HpGauge.m_Step = 0.5; }},
        {"SP gauge", [&](cPlayScene& s) { chara(s).m_SpGauge.m_Timer = 5; }},
        {"counter", [&](cPlayScene& s) { chara(s).m_Counters[8] = 1; }},
        {"variable", [&](cPlayScene& s) { chara(s).m_Flow.m_Variables[7] = 1; }},
        {"sight", [&](cPlayScene& s) { chara(s).m_Flow.m_SightRadius += 16; }},
        {"running group", [&](cPlayScene& s) { chara(s).m_RunningGroups[26] = 1; }},
        {"blocked group", [&](cPlayScene& s) { chara(s).m_BlockedGroups[1] = 1; }},
        {"release pending", [&](cPlayScene& s) { chara(s).m_ReleasePending = 1; }},
        {"an animation", [&](cPlayScene& s) { chara(s).m_Animes.push_back(cRunningAnime()); }},
        {"runner running", [&](cPlayScene& s) { chara(s).m_Runners.at(0).m_Running = 1; }},
        {"runner index", [&](cPlayScene& s) { chara(s).m_Runners.at(0).m_Current = 1; }},
        {"runner conditions held", [&](cPlayScene& s) { chara(s).m_Runners.at(0).m_CondHeld = 1; }},
        {"runner keys matched", [&](cPlayScene& s) { chara(s).m_Runners.at(0).m_KeyMatched = 1; }},
        {"entry done", [&](cPlayScene& s) { chara(s).m_Runners.at(0).m_Entries.at(0).m_Done = 1; }},
        {"entry time left", [&](cPlayScene& s) { chara(s).m_Runners.at(0).m_Entries.at(0).m_Remaining = 4; }},
        {"entry speed", [&](cPlayScene& s) { chara(s).m_Runners.at(0).m_Entries.at(0).m_SpeedY = 0.5; }},
        {"character conditions held", [&](cPlayScene& s) { chara(s).m_CondHeld = 1; }},
        {"player impulse", [&](cPlayScene& s) { s.m_Players.at(0).m_ImpulseX = 1; }},
        {"item conditions held", [&](cPlayScene& s) { s.m_Items.front().m_CondHeld = 1; }},
        {"item friction", [&](cPlayScene& s) { s.m_Items.front().m_Friction = 1; }},
        {"a shot", [&](cPlayScene& s) { s.m_Shots.push_back(cShotObj()); }},
        {"item frame", [&](cPlayScene& s) { s.m_Items.front().m_Anime.Update(); }},
        {"shot frame", [&](cPlayScene& s) {
             cShotObj shot;
             s.m_Shots.push_back(shot);
             const uint64_t plain = s.StateHash();
             s.m_Shots.back().m_Anime.SetPatterns(SheetFrameAnime());
             s.m_Shots.back().m_Anime.Update();
             EXPECT_NE(plain, s.StateHash());
         }},
        {"sword position drawn", [&](cPlayScene& s) {
             s.m_Shots.push_back(cShotObj());
             const uint64_t plain = s.StateHash();
             s.m_Shots.back().m_SwordPos = 1;
             EXPECT_NE(plain, s.StateHash());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cPlayScene scene;
        ASSERT_TRUE(scene.SetStage(stage));
        ASSERT_FALSE(scene.m_Charas.empty());
        ASSERT_FALSE(scene.m_Items.empty());
        const uint64_t before = scene.StateHash();
        c.change(scene);
        EXPECT_NE(before, scene.StateHash());
    }
}

// The cell the block item last saw goes into the hash as its index in the map: the same play
// hashes the same in any scene, also when the player stood off the map (on the border cell,
// which lies outside the map's storage).
TEST_F(PlayHash, TheBlockItemCellHashesByItsIndex) {
    ProjectStage() = Stage();
    // Both scenes live at once, so their maps lie at different addresses; each is set up while
    // it is the current scene.
    std::unique_ptr<cPlayScene> scenes[2];
    for (std::unique_ptr<cPlayScene>& scene : scenes) {
        scene.reset(new cPlayScene);
        ASSERT_TRUE(scene->SetStage(ProjectStage()));
    }
    const struct {
        const char* name;
        std::function<cBlockCell*(cPlayScene&)> cell;
        uint32_t index;
    } cases[] = {
        {"none", [](cPlayScene&) { return nullptr; }, cPlayScene::kNoCell},
        {"a map cell", [](cPlayScene& s) { return &s.Cell(s.CellIndex(12, 14)); }, 0},
        {"off the map", [](cPlayScene& s) { return &s.Cell(cPlayScene::kOffMap); }, cPlayScene::kOffMap},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        uint64_t hashes[2];
        for (int i = 0; i < 2; ++i) {
            cPlayScene& scene = *scenes[i];
            cPlayerActor& player = scene.m_Players.at(0);
            player.m_CellBelow = c.cell(scene);
            player.m_ItemCooldown = 0;
            scene.BlockItem(player);
            const uint32_t expected = c.index ? c.index : scene.CellIndex(12, 14);
            EXPECT_EQ(expected, scene.m_BlockItemCell);
            hashes[i] = scene.StateHash();
        }
        EXPECT_EQ(hashes[0], hashes[1]);
    }
}
