#include <gtest/gtest.h>

#include <vector>

#include "data/StageRecords.h"
#include "tests/game/play/CharaFixture.h"

// A sub-step of play (speed level 1 unless a test says otherwise) with a player that flies and
// holds still, so that nothing but what a test sets up moves or ends the step.
class SubSteps : public CharaFixture {
protected:
    // The stage starts again with the rule of the kind switched on at one side.
    void Restart(int level, int ruleKind = -1, int side = 0, int margin = 0) {
        cEdStage stage = Stage();
        stage.SetSpeedLevel(level);
        if (ruleKind >= 0) {
            cAutoVanish& rule = stage.m_AutoVanish[ruleKind];
            int32_t* flags[] = {&rule.m_Left, &rule.m_Right, &rule.m_Top, &rule.m_Bottom};
            int32_t* margins[] = {&rule.m_LeftMargin, &rule.m_RightMargin, &rule.m_TopMargin, &rule.m_BottomMargin};
            *flags[side] = 1;
            *margins[side] = margin;
        }
        ProjectStage() = stage;
        ASSERT_TRUE(m_Scene.SetStage(stage));
        Player().SetHitboxes(1, 0);
    }
    cPlayerActor& Player() { return m_Scene.m_Players[0]; }
    // A stage character that glides through blocks by its inertia at speed dots a step, active
    // wherever it is.
    cCharaActor& Glider(double x, double y, double speed, int block = 0, const std::vector<cFlow>& flows = {}) {
        cEdChara record = Enemy();
        record.m_Flight = 1;
        record.m_BlockHit = static_cast<uint8_t>(block);
        record.m_ActRange = 3;
        record.m_Flows.assign(flows.begin(), flows.end());
        m_Scene.m_Charas.push_back(cCharaActor());
        cCharaActor& chara = m_Scene.m_Charas.back();
        chara.Setup(m_NextId++, record, nullptr, x, y, 0);
        chara.m_X = x;
        chara.m_Y = y;
        chara.OnMoveX();
        chara.OnMoveY();
        chara.m_Friction = 0;
        chara.m_dAcSpeedX = speed;
        return chara;
    }
    bool HasChara(int32_t number) const {
        for (const cCharaActor& chara : m_Scene.m_Charas)
            if (chara.m_Number == number) return true;
        return false;
    }
    // A shot of the owner placed with its drawing box at (x, y), flying right at speed dots a
    // step, for as long as it meets nothing.
    cShotObj& Shoot(cActor& owner, const cEdShot& record, double x, double y, double speed) {
        cPlacement p;
        p.x = x;
        p.y = y;
        p.vx = p.speed = speed;
        m_Scene.SpawnShot(owner, 11, record, p);
        return m_Scene.m_Shots.back();
    }
    static cEdShot Record() {
        cEdShot record;
        record.m_UseRange = record.m_UseLife = 0;
        return record;
    }
    void PutWall(int column, int passGroup, int kind = 1) {
        cEdBlock block = Block(1);
        block.m_BlockType = static_cast<uint8_t>(kind);
        block.m_NoHitForce = static_cast<uint8_t>(passGroup);
        for (int row = 0; row < m_Scene.m_ScrollY.m_Cells; ++row)
            m_Scene.m_MapCells[m_Scene.CellIndex(column, row)].Put(block);
    }

    int32_t m_NextId = 10;
};

// A character goes at the end of the sub-step in which it has passed the removal area of its
// kind, once it was off the screen when the step began; another kind's rule, or a rule with no
// side on, keeps it.
TEST_F(SubSteps, CharactersLeavingTheirAreaGo) {
    const double left = 320, right = 320 + 640;  // the view's edges at the stage's start
    const struct {
        const char* name;
        int block, ruleKind, side, margin;
        double x, speed;
        int goneAt;  // the sub-step at whose end it has gone; 0 still there after eight
    } cases[] = {
        // At 962 after step 3 it has passed the edge, but the step began with it on screen.
        {"out at the right edge", 0, eVanishEnemy, 1, 0, right - 10, 4, 4},
        // Its right edge passes a block left of the view on step 2.
        {"a block character a block past the left", 1, eVanishEnemyBlock, 0, 1, left - 32 + 6 - 31, -4, 2},
        {"the block characters' rule", 0, eVanishEnemyBlock, 1, 0, right - 10, 4, 0},
        {"no rule", 0, -1, 1, 0, right - 10, 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart(1, c.ruleKind, c.side, c.margin);
        const int32_t number = Glider(c.x, 400, c.speed, c.block).m_Number;
        int goneAt = 0;
        for (int step = 1; step <= 8 && !goneAt; ++step) {
            ASSERT_EQ(ePlayGoOn, m_Scene.SubStep(1));
            if (!HasChara(number)) goneAt = step;
        }
        EXPECT_EQ(c.goneAt, goneAt);
    }
}

// Shots and items that have left their area go on the frame's first sub-step only. A shot's
// area is its side's: the hero's (every side at the view's edge by default) or the enemies' (ten
// blocks beyond it by default); every area ends before the map's edge.
TEST_F(SubSteps, ShotsAndItemsLeaveOnTheFramesFirstSubStep) {
    enum { kHeroShot, kEnemyShot, kItem };
    const double right = 320 + 640;
    const struct {
        const char* name;
        int kind, itemRule;
        double x;
        int gone;
    } cases[] = {
        {"hero shot past the view", kHeroShot, 0, right + 10, 1},
        {"enemy shot within its ten blocks", kEnemyShot, 0, right + 10, 0},
        {"enemy shot at the map's edge", kEnemyShot, 0, 1280 - 16, 1},
        {"hero shot in view", kHeroShot, 0, right - 100, 0},
        {"item past the view", kItem, 1, right + 10, 1},
        {"item without a rule", kItem, 0, right + 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart(2, c.itemRule ? eVanishItem : -1, 1, 0);
        if (c.kind == kItem) {
            cEdItem record;
            record.m_Graphic = 1;
            cItemObj item;
            item.SetItem(1, record, 0);
            item.m_X = c.x;
            item.m_Y = 400;
            item.ClampX(2);
            item.ClampY(2);
            m_Scene.m_Items.push_back(item);
        } else {
            cActor& owner = c.kind == kHeroShot ? static_cast<cActor&>(Player()) : Glider(500, 400, 0);
            Shoot(owner, Record(), c.x, 400, 0);
        }
        auto count = [&] { return c.kind == kItem ? m_Scene.m_Items.size() : m_Scene.m_Shots.size(); };
        ASSERT_EQ(1u, count());
        ASSERT_EQ(ePlayGoOn, m_Scene.SubStep(2));
        EXPECT_EQ(1u, count()) << "not on the second sub-step";
        ASSERT_EQ(ePlayGoOn, m_Scene.SubStep(1));
        EXPECT_EQ(c.gone ? 0u : 1u, count());
    }
}

// A shot that meets a block that stops it vanishes there; one that pierces blocks, or whose
// force the block lets pass, flies on. A shot of its owner's force passes what its owner
// passes; one of a force of its own passes what that force passes.
TEST_F(SubSteps, ShotsMeetTheMapsBlocks) {
    const int wallColumn = 20;  // dots 640 to 671
    const struct {
        const char* name;
        int pierce, passGroup, sameForce, force, vanishes;
    } cases[] = {
        {"plain", 0, 255, 1, 0, 1},
        {"piercing", 1, 255, 1, 0, 0},
        {"the owner's force passes", 0, 1, 1, 0, 0},
        {"a force of its own", 0, 1, 0, 3, 1},
        {"its own force passes", 0, 3, 0, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart(1);
        Player().m_Chara.m_Force = 2;  // block group 1
        PutWall(wallColumn, c.passGroup);
        cEdShot record = Record();
        record.m_PierceBlock = static_cast<uint8_t>(c.pierce);
        record.m_SameForce = static_cast<uint8_t>(c.sameForce);
        record.m_Force = static_cast<uint8_t>(c.force);
        const cShotObj& shot = Shoot(Player(), record, 500, 400, 4);
        const double firstRight = shot.m_Right;
        // The step whose move takes the box's right edge into the wall's column.
        const int reaches = static_cast<int>((wallColumn * 32 - firstRight + 3) / 4);
        int goneAt = 0;
        for (int step = 1; step <= 60 && !goneAt; ++step) {
            ASSERT_EQ(ePlayGoOn, m_Scene.SubStep(1));
            if (m_Scene.m_Shots.empty()) goneAt = step;
        }
        EXPECT_EQ(c.vanishes ? reaches : 0, goneAt);
        if (!c.vanishes) {
            EXPECT_GT(m_Scene.m_Shots.back().m_X, wallColumn * 32 + 32);
        }
    }
}

// Each stage character takes its own step right before it moves, in list order: the second sees
// the first where its move has put it. One whose own flows leave it without life is defeated
// there and does not move.
TEST_F(SubSteps, EachCharacterStepsThenMoves) {
    // Each flow step notes where the first glider stands; with a victim, it takes its life.
    class cWatchingRuntime : public cFakeFlowRuntime {
    public:
        int Step(cFlowRunner& runner) override {
            if (m_Watched) m_Seen.push_back(m_Watched->m_X);
            if (m_Victim) m_Victim->m_Hp = 0;
            return cFakeFlowRuntime::Step(runner);
        }
        const cActor* m_Watched = nullptr;
        cActor* m_Victim = nullptr;
        std::vector<double> m_Seen;
    };
    for (int block : {0, 1}) {
        SCOPED_TRACE(block);
        cWatchingRuntime runtime;
        Restart(1);
        cCharaActor& first = Glider(400, 400, 4, block, {Flow(0)});
        Glider(400, 500, 4, block, {Flow(0)});
        runtime.m_Watched = &first;
        ASSERT_EQ(ePlayGoOn, m_Scene.SubStep(1));
        EXPECT_EQ((std::vector<double>{400, 404}), runtime.m_Seen);

        runtime.m_Watched = nullptr;
        m_Scene.m_Charas.clear();
        cCharaActor& victim = Glider(400, 400, 4, block, {Flow(0)});
        cCharaActor& bystander = Glider(400, 500, 4, block);
        runtime.m_Victim = &victim;
        ASSERT_EQ(ePlayGoOn, m_Scene.SubStep(1));
        EXPECT_EQ(1, victim.m_Dead);
        EXPECT_EQ(400, victim.m_X) << "defeated before its move";
        EXPECT_EQ(404, bystander.m_X);
    }
}

// The player whose own flows leave it without life dies in that sub-step, before its move, though
// no status command asked for the status check; with its life kept it plays on.
TEST_F(SubSteps, APlayerItsOwnFlowsLeaveWithoutLifeDies) {
    class cDrainingRuntime : public cFakeFlowRuntime {
    public:
        int Step(cFlowRunner& runner) override {
            if (m_Victim) m_Victim->m_Hp = 0;
            return cFakeFlowRuntime::Step(runner);
        }
        cActor* m_Victim = nullptr;
    };
    for (bool drained : {false, true}) {
        SCOPED_TRACE(drained);
        cDrainingRuntime runtime;
        Restart(1);
        Player().m_Chara.m_Flows.assign(1, Flow(0));
        Player().SetFlows(Player().m_Chara.m_Flows, Player().m_Facing, 0, -1);
        if (drained) runtime.m_Victim = &Player();
        Player().m_dAcSpeedX = 4;
        const double x = Player().m_X;
        EXPECT_EQ(drained ? ePlayDies : ePlayGoOn, m_Scene.SubStep(1));
        EXPECT_EQ(1u, runtime.m_Steps.size()) << "its flow stepped";
        EXPECT_EQ(drained ? 1 : 0, Player().m_Dead);
        EXPECT_EQ(0, m_Scene.m_Flow.m_HpCheck);
        EXPECT_EQ(drained, Player().m_X == x) << "it moves only when it lives";
    }
}

// A summoned character's and item's existence time is counted in sub-steps: a range of a tenth of
// a second lasts six frames at any speed level, the first sub-step of the seventh ending it.
TEST_F(SubSteps, SummonsLastTheirTimeInFramesAtAnySpeedLevel) {
    for (int level : {1, 3, 10}) {
        SCOPED_TRACE(level);
        Restart(level);
        const int32_t steps = m_Scene.SubSteps();
        ASSERT_EQ(level, steps);
        cEdShot shot;
        shot.m_UseRange = 1;
        shot.m_Range = 1;
        cEdChara record = Enemy();
        record.m_Flight = 1;
        record.m_ActRange = 3;
        cEdItem item;
        item.m_Graphic = 1;
        int32_t charaId = m_NextId, itemId = m_NextId;
        m_Scene.m_Charas.clear();
        m_Scene.m_Items.clear();
        m_Scene.SpawnChara(m_Scene.m_Charas, 400, 400, 2, 1, nullptr, shot, record, charaId);
        m_Scene.SpawnItem(m_Scene.m_Items, 400, 400, nullptr, shot, item, itemId);
        ASSERT_EQ(1u, m_Scene.m_Charas.size());
        ASSERT_EQ(1u, m_Scene.m_Items.size());
        int charaFrames = 0, itemFrames = 0;
        for (int frame = 1; frame <= 10; ++frame) {
            for (int32_t n = 1; n <= steps; ++n) ASSERT_EQ(ePlayGoOn, m_Scene.SubStep(n));
            if (!m_Scene.m_Charas.empty()) charaFrames = frame;
            if (!m_Scene.m_Items.empty()) itemFrames = frame;
        }
        EXPECT_EQ(6, charaFrames);
        EXPECT_EQ(6, itemFrames);
    }
}
