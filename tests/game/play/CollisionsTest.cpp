#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/FlowTables.h"
#include "data/Stage.h"
#include "game/data/StorySave.h"
#include "game/play/Collisions.h"
#include "game/play/IndexCheck.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/CharaFixture.h"

namespace {

// Puts the object's box with its top-left at (x, y).
void Put(cObj& object, double x, double y) {
    object.m_X = x;
    object.m_Y = y;
    object.m_Right = x + object.m_Width - 1;
    object.m_Bottom = y + object.m_Height - 1;
}

cEdShot ShotRecord(int power) {
    cEdShot shot;
    shot.m_Power = power;
    return shot;
}

int Count(const std::vector<int>& values, int value) {
    return static_cast<int>(std::count(values.begin(), values.end(), value));
}

}  // namespace

class Collisions : public CharaFixture {
protected:
    Collisions() : m_SavedStory(StoryState()) {}
    ~Collisions() override { StoryState() = m_SavedStory; }

    void SetUp() override {
        CharaFixture::SetUp();
        m_Scene.SetHost(&m_Host);
        Hero().m_Chara.m_Force = 1;
        Hero().m_Hp = Hero().m_MaxHp = 10;
        Put(Hero(), 200, 200);
        RebuildGroups();
    }
    cPlayerActor& Hero() { return m_Scene.m_Players[0]; }
    // A stage character of the force (group) with life and flows for the touch triggers, whose
    // box sits at (x, y).
    cCharaActor& AddChara(int force, double x, double y, int hp = 10) {
        cCharaActor chara = Chara({Flow(eTriggerTouchChara), Flow(eTriggerTouchShot, 1), Flow(eTriggerDefeated, 2)});
        chara.m_Number = 100 + static_cast<int>(m_Scene.m_Charas.size());
        chara.m_Chara.m_Force = static_cast<uint8_t>(force);
        chara.m_Hp = chara.m_MaxHp = hp;
        chara.m_Present = chara.m_OnScreen = 1;
        Put(chara, x, y);
        m_Scene.m_Charas.push_back(chara);
        RebuildGroups();
        return m_Scene.m_Charas.back();
    }
    void RebuildGroups() {
        m_Scene.m_CharaGroups.assign(cActor::kGroups, cActorGroup());
        for (cPlayerActor& player : m_Scene.m_Players) m_Scene.m_CharaGroups[player.Group()].push_back(&player);
        for (cCharaActor& chara : m_Scene.m_Charas) m_Scene.m_CharaGroups[chara.Group()].push_back(&chara);
    }
    // A shot of the owner at (x, y), on screen.
    cShotObj& AddShot(const cActor& owner, const cEdShot& record, double x, double y, int command = 11) {
        cShotObj shot;
        cPlacement p;
        p.x = x;
        p.y = y;
        shot.Setup(static_cast<int32_t>(m_Scene.m_Shots.size()), owner, command, record, p);
        Put(shot, x, y);
        shot.m_Present = shot.m_OnScreen = 1;
        m_Scene.m_Shots.push_back(shot);
        return m_Scene.m_Shots.back();
    }
    int Starts(int trigger) const {
        int n = 0;
        for (const auto& start : m_Runtime.m_Starts) n += start.flow->m_Trigger == trigger;
        return n;
    }
    void ClearStarts() {
        m_Runtime.m_Starts.clear();
        for (cCharaActor& chara : m_Scene.m_Charas)
            for (cFlowRunner& runner : chara.m_Runners) runner.m_Running = 0;
    }

    cStorySave m_SavedStory;
    cHeadlessHost m_Host;
};

// Characters meet only across groups and never as block characters; a shot never hits its
// owner's group; with the on-screen rule, characters outside the view take no part.
TEST_F(Collisions, WhoMeetsWhom) {
    const struct {
        const char* name;
        int force;       // the enemy's
        int blockHit;    // the enemy is a block character
        int offScreen;   // the enemy is outside the view
        int onScreenRule;
        int touches;     // contact flows started on the enemy
        int shotHits;    // shot flows started on the enemy by the hero's shot
    } cases[] = {
        {"other group", 2, 0, 0, 0, 1, 1},
        {"same group", 1, 0, 0, 0, 0, 0},
        {"block chara", 2, 1, 0, 0, 0, 1},
        {"off screen, no rule", 2, 0, 1, 0, 1, 1},
        {"off screen, rule", 2, 0, 1, 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_Scene.m_Charas.clear();
        m_Scene.m_Shots.clear();
        ProjectStage().m_NoDamageOffScreen = c.onScreenRule;
        cCharaActor& enemy = AddChara(c.force, 204, 200);
        enemy.m_Chara.m_BlockHit = static_cast<uint8_t>(c.blockHit);
        enemy.m_OnScreen = !c.offScreen;
        AddShot(Hero(), ShotRecord(0), 204, 204);
        ClearStarts();
        EXPECT_EQ(ePlayGoOn, m_Scene.Collide(1));
        int touches = 0, shotHits = 0;
        for (const auto& start : m_Runtime.m_Starts) {
            const bool onEnemy = start.flow >= &enemy.m_Chara.m_Flows[0] && start.flow <= &enemy.m_Chara.m_Flows[2];
            touches += onEnemy && start.flow->m_Trigger == eTriggerTouchChara;
            shotHits += onEnemy && start.flow->m_Trigger == eTriggerTouchShot;
        }
        EXPECT_EQ(c.touches, touches);
        EXPECT_EQ(c.shotHits, shotHits);
    }
    ProjectStage().m_NoDamageOffScreen = 0;
}

// The pass's index of the characters is built before the shots meet them: a harmless touch
// whose flow moves the character (as a warp does) leaves it to be met where it went, and a
// harmless touch that starts nothing changes nothing.
TEST_F(Collisions, ATouchFlowThatMovesTheCharacterIsSeenByTheShotsAfter) {
    class cWarpingRuntime : public cFakeFlowRuntime {
    public:
        explicit cWarpingRuntime(cPlayScene& scene) : m_Scene(scene) {}
        void Start(cFlowRunner& runner) override {
            cFakeFlowRuntime::Start(runner);
            Put(*m_Scene.m_Flow.m_Actor, 400, 300);
        }
        cPlayScene& m_Scene;
    };
    const struct {
        const char* name;
        int touchFlow;  // the character has a flow for the shot's touch
        int hp;         // its life after the pass
    } cases[] = {
        {"moved by its touch flow: the second shot hits it there", 1, 7},
        {"no flow: it stays, the second shot misses", 0, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_Scene.m_Charas.clear();
        m_Scene.m_Shots.clear();
        cCharaActor& enemy = AddChara(2, 100, 100);
        if (!c.touchFlow) enemy.m_Runners.clear();
        AddChara(2, 600, 100).m_Runners.clear();
        AddShot(Hero(), ShotRecord(0), 104, 104);
        AddShot(Hero(), ShotRecord(3), 404, 304);
        cWarpingRuntime runtime(m_Scene);
        EXPECT_EQ(ePlayGoOn, m_Scene.HitCharasWithShots());
        EXPECT_EQ(c.hp, enemy.m_Hp);
    }
}

// With the index check on (as in every test of play), a character that moved after the shots'
// index was built, untold, is a fault when a shot meets it where it went; the index built afresh
// meets it.
TEST_F(Collisions, TheIndexCheckCatchesATargetMovedUntold) {
    static std::vector<std::string> faults;
    const cIndexFaultHandler before = SetPlayIndexCheck([](const char* fault) { faults.push_back(fault); });
    faults.clear();
    m_Scene.m_Charas.clear();
    m_Scene.m_Shots.clear();
    cCharaActor& enemy = AddChara(2, 100, 100);
    enemy.m_Runners.clear();
    AddChara(2, 900, 100).m_Runners.clear();  // the strips span the stage between the two
    const cActorGroup& group = m_Scene.m_CharaGroups[enemy.Group()];
    cStripIndex targets;
    targets.Clear(group.size());
    for (size_t t = 0; t < group.size(); ++t) targets.Add(t, ShotHitBox(*group[t]));
    Put(enemy, 400, 300);
    cShotObj& shot = AddShot(Hero(), ShotRecord(3), 404, 304);
    EXPECT_EQ(ePlayGoOn, m_Scene.HitCharasWithShot(shot, group, false, &targets));
    EXPECT_EQ(10, enemy.m_Hp) << "the index passed over it";
    EXPECT_EQ(1u, faults.size());
    targets.MarkStale();
    EXPECT_EQ(ePlayGoOn, m_Scene.HitCharasWithShot(shot, group, false, &targets));
    EXPECT_EQ(7, enemy.m_Hp);
    EXPECT_EQ(1u, faults.size());
    SetPlayIndexCheck(before);
}

// A shot goes on its first hit unless it pierces; a piercing shot and a sword hit each character
// once however long they stay on it.
TEST_F(Collisions, PierceAndVanish) {
    const struct {
        const char* name;
        int pierce, command;
        size_t shotsLeft;
        int hp;  // of each enemy after three passes, power 2
    } cases[] = {
        {"plain shot", 0, 11, 0, 8},
        {"piercing shot", 1, 11, 1, 8},
        {"sword", 0, eCmdSword, 1, 8},
    };
    ProjectStage().m_EnemyGuard = ProjectStage().m_EnemySameCharaGuard = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_Scene.m_Charas.clear();
        m_Scene.m_Shots.clear();
        cCharaActor& first = AddChara(2, 300, 200);
        cEdShot record = ShotRecord(2);
        record.m_PierceChara = static_cast<uint8_t>(c.pierce);
        cShotObj& shot = AddShot(Hero(), record, 304, 210, c.command);
        shot.m_Width = shot.m_Height = 16;  // a sword's comes from its type's positions
        Put(shot, 304, 210);
        // Without guards only the hit list keeps a shot from hitting again.
        for (int pass = 0; pass < 3; ++pass) {
            m_Scene.Collide(1);
            first.m_AttackerGuards.clear();
            first.m_GuardSteps = 0;
        }
        EXPECT_EQ(c.shotsLeft, m_Scene.m_Shots.size());
        EXPECT_EQ(c.hp, first.m_Hp);
        if (c.shotsLeft) {
            EXPECT_EQ(std::vector<int32_t>{first.m_Number}, m_Scene.m_Shots.front().m_HitList);
        }
    }
}

// Clashing shots: equal strengths both go, the weaker goes; a clashing shot against a plain one
// goes alone; two plain shots pass each other.
TEST_F(Collisions, ClashingShots) {
    const struct {
        int clashA, strengthA, clashB, strengthB;
        bool aLeft, bLeft;
    } cases[] = {
        {1, 3, 1, 3, false, false}, {1, 2, 1, 5, false, true}, {1, 5, 1, 2, true, false},
        {1, 3, 0, 0, false, true},  {0, 0, 1, 3, true, false}, {0, 0, 0, 0, true, true},
    };
    cCharaActor& enemy = AddChara(2, 600, 600);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.clashA << c.strengthA << c.clashB << c.strengthB);
        m_Scene.m_Shots.clear();
        cEdShot a = ShotRecord(0), b = ShotRecord(0);
        a.m_VanishOnShot = static_cast<uint8_t>(c.clashA);
        a.m_VanishValue = static_cast<uint8_t>(c.strengthA);
        b.m_VanishOnShot = static_cast<uint8_t>(c.clashB);
        b.m_VanishValue = static_cast<uint8_t>(c.strengthB);
        AddShot(Hero(), a, 100, 100).m_Number = 1;
        AddShot(enemy, b, 108, 100).m_Number = 2;
        m_Scene.ClashShots();
        std::vector<int32_t> left;
        for (const cShotObj& shot : m_Scene.m_Shots) left.push_back(shot.m_Number);
        EXPECT_EQ(c.aLeft, std::count(left.begin(), left.end(), 1) == 1);
        EXPECT_EQ(c.bLeft, std::count(left.begin(), left.end(), 2) == 1);
    }
}

// A body hurts what it touches: both sides take the other's contact damage, a survivor is
// guarded against the same body for a while, and a character that dies is defeated with its
// score. The hit sound plays once per touch.
TEST_F(Collisions, ContactDamageAndDefeat) {
    ProjectStage().m_HeroSameCharaGuard = 30;
    ProjectStage().m_HeroGuard = 0;
    cCharaActor& enemy = AddChara(2, 204, 200, 3);
    enemy.m_Chara.m_BodyPower = 4;
    enemy.m_Chara.m_Score = 50;
    Hero().m_Chara.m_BodyPower = 5;
    StoryState().m_Score = 0;
    EXPECT_EQ(ePlayGoOn, m_Scene.Collide(1));
    EXPECT_EQ(6, Hero().m_Hp);
    EXPECT_EQ(1, enemy.m_Dead);
    EXPECT_EQ(50, StoryState().m_Score);
    EXPECT_EQ(1, IsInvincibleAgainst(Hero(), enemy.m_Number));
    EXPECT_EQ(1, Count(m_Host.sounds, eSoundHit));
    EXPECT_EQ(1, Count(m_Host.sounds, eSoundCharaDies));
    // A dead enemy touches nobody; a living one does not hurt a guarded hero again.
    cCharaActor& second = AddChara(2, 204, 200, 30);
    second.m_Chara.m_BodyPower = 4;
    second.m_Number = enemy.m_Number;
    m_Scene.Collide(1);
    EXPECT_EQ(6, Hero().m_Hp);
    // The hero's life runs out: the pass ends in its death.
    Hero().m_AttackerGuards.clear();
    Hero().m_GuardSteps = 0;
    Hero().m_Hp = 4;
    EXPECT_EQ(ePlayDies, m_Scene.Collide(1));
}

// A character killed by a shot that carries an item gives both items: its own, then the shot's.
TEST_F(Collisions, KilledByAnItemShotGivesBothItems) {
    cEdItem held;
    held.m_Graphic = 1;
    held.m_Commands.resize(1);
    held.m_Commands[0].m_CmdType = 5;
    cItemObj heldItem;
    heldItem.SetItem(7, held, 1);
    cEdItem carried;
    carried.m_Graphic = 2;
    carried.m_Sound = 0;
    carried.m_Commands.resize(1);
    carried.m_Commands[0].m_CmdType = 9;
    ProjectCommonPalette().m_Items.resize(3);
    ProjectCommonPalette().m_Items[2] = carried;

    cCharaActor& enemy = AddChara(2, 300, 200, 2);
    enemy.m_HeldItem = heldItem;
    cEdShot record = ShotRecord(5);
    record.m_ItemPalette = 1;
    record.m_ItemIndex = 2;
    AddShot(Hero(), record, 304, 210);
    EXPECT_EQ(ePlayGoOn, m_Scene.Collide(1));
    ASSERT_EQ(2u, m_Runtime.m_ItemRuns.size());
    EXPECT_EQ(5, m_Runtime.m_ItemRuns[0].firstType);
    EXPECT_EQ(9, m_Runtime.m_ItemRuns[1].firstType);
    EXPECT_EQ(&Hero(), m_Runtime.m_ItemRuns[0].taker);
    EXPECT_EQ(1, enemy.m_Dead);
    EXPECT_TRUE(m_Scene.m_Shots.empty());
    // An item's result ends the pass: a stage clear here.
    m_Runtime.m_ItemResult = ePlayCleared;
    AddChara(2, 300, 200, 2);
    AddShot(Hero(), record, 304, 210);
    EXPECT_EQ(ePlayCleared, m_Scene.Collide(1));
}

// Items by how they are taken: once (it goes), a touch area (once per entry), never. A removed
// item leaves the touching list.
TEST_F(Collisions, ItemsAreTakenByKind) {
    const struct {
        int mode;
        std::vector<bool> inside;  // the hero over the item, step by step
        int runs;                  // item lists run
        size_t itemsLeft;
    } cases[] = {
        {0, {true, true, false, true}, 1, 0},
        {1, {true, true, false, true, true}, 2, 1},
        {2, {true, true}, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        m_Scene.m_Items.clear();
        m_Scene.m_Touching.clear();
        m_Runtime.m_ItemRuns.clear();
        cEdItem record;
        record.m_Graphic = 1;
        record.m_TakeMode = static_cast<uint8_t>(c.mode);
        record.m_Sound = 3;
        cItemObj item;
        item.SetItem(4, record, 0);
        Put(item, 400, 400);
        item.m_Present = 1;
        m_Scene.m_Items.push_back(item);
        m_Host.tableSounds.clear();
        for (bool inside : c.inside) {
            Put(Hero(), inside ? 400 : 100, inside ? 396 : 100);
            EXPECT_EQ(ePlayGoOn, m_Scene.PickUpItems(Hero()));
        }
        EXPECT_EQ(c.runs, static_cast<int>(m_Runtime.m_ItemRuns.size()));
        EXPECT_EQ(c.runs, Count(m_Host.tableSounds, 3));
        EXPECT_EQ(c.itemsLeft, m_Scene.m_Items.size());
    }
    ASSERT_EQ(std::vector<int32_t>{}, m_Scene.m_Touching);
    // The area item the hero stands in goes: the touching list forgets it.
    m_Scene.m_Items.front().m_Item.m_TakeMode = 1;
    Put(Hero(), 400, 396);
    m_Scene.PickUpItems(Hero());
    EXPECT_EQ(1u, m_Scene.m_Touching.size());
    m_Scene.m_Items.clear();
    m_Scene.PickUpItems(Hero());
    EXPECT_TRUE(m_Scene.m_Touching.empty());
}

// Nothing is given for a missing, empty or untaken item.
TEST_F(Collisions, AcquisitionNeedsATakenItem) {
    cEdItem record;
    record.m_Graphic = 1;
    cItemObj taken;
    taken.SetItem(1, record, 0);
    taken.m_Used = 1;
    cItemObj untaken = taken;
    untaken.m_Used = 0;
    cItemObj empty;
    empty.m_Used = 1;
    m_Runtime.m_ItemResult = ePlayDies;
    EXPECT_EQ(ePlayGoOn, m_Scene.AcquireItem(nullptr, Hero()));
    EXPECT_EQ(ePlayGoOn, m_Scene.AcquireItem(&untaken, Hero()));
    EXPECT_EQ(ePlayGoOn, m_Scene.AcquireItem(&empty, Hero()));
    EXPECT_EQ(ePlayDies, m_Scene.AcquireItem(&taken, Hero()));
    EXPECT_EQ(1u, m_Runtime.m_ItemRuns.size());
}

// After flows changed a life: a hero without life dies; stage characters without life are
// defeated; the check runs in the sub-step only when asked for.
TEST_F(Collisions, StatusCheck) {
    cCharaActor& enemy = AddChara(2, 600, 600, 5);
    enemy.m_Hp = 0;
    m_Scene.m_Flow.m_HpCheck = 1;
    EXPECT_EQ(ePlayGoOn, m_Scene.CheckStatus());
    EXPECT_EQ(1, enemy.m_Dead);
    EXPECT_EQ(0, m_Scene.m_Flow.m_HpCheck);

    Hero().m_Hp = 0;
    m_Scene.m_Flow.m_HpCheck = 0;
    m_Scene.SubStep(1);
    EXPECT_EQ(0, Hero().m_Dead) << "not asked for";
    m_Scene.m_Flow.m_HpCheck = 1;
    EXPECT_EQ(ePlayDies, m_Scene.SubStep(1));
    EXPECT_EQ(1, Hero().m_Dead);
    EXPECT_EQ(1, Count(m_Host.sounds, eSoundPlayerDies));
}

// A block gives its item to the player standing on it, then again only after a second of
// standing there, or at once after the player has left it; an empty or passable block gives none.
TEST_F(Collisions, BlockItemsWithTheirCooldown) {
    cEdItem given;
    given.m_Graphic = 2;
    given.m_Commands.resize(1);
    given.m_Commands[0].m_CmdType = 9;
    ProjectCommonPalette().m_Items.resize(3);
    ProjectCommonPalette().m_Items[2] = given;
    cEdBlock block = Block(1);
    block.m_BlockType = 1;
    block.m_ItemSrc = 1;
    block.m_ItemIndex = 2;
    cBlockCell& cell = m_Scene.Cell(m_Scene.CellIndex(15, 15));
    cell.Put(block);
    cBlockCell& other = m_Scene.Cell(m_Scene.CellIndex(16, 15));
    const auto runs = [&] { return static_cast<int>(m_Runtime.m_ItemRuns.size()); };
    const auto stand = [&](cBlockCell* on, int steps) {
        for (int i = 0; i < steps; ++i) {
            Hero().m_CellBelow = on;
            Hero().m_Falling = 0;
            EXPECT_EQ(ePlayGoOn, m_Scene.BlockItem(Hero()));
        }
    };
    stand(&cell, 1);
    EXPECT_EQ(1, runs());
    stand(&cell, 60);
    EXPECT_EQ(1, runs()) << "a second of standing";
    stand(&cell, 1);
    EXPECT_EQ(2, runs());
    Hero().m_dSpeedY = 0;
    stand(&other, 1);
    EXPECT_EQ(0, Hero().m_ItemCooldown) << "left the block";
    EXPECT_EQ(1.0, Hero().m_dSpeedY);
    stand(&cell, 1);
    EXPECT_EQ(3, runs());
    // Without an item, or passable, a block gives nothing.
    m_Scene.m_BlockItemCell = cPlayScene::kNoCell;
    Hero().m_ItemCooldown = 0;
    cell.block.m_BlockType = 0;
    stand(&cell, 2);
    cell.block.m_BlockType = 1;
    cell.block.m_ItemSrc = 0;
    stand(&cell, 2);
    stand(nullptr, 1);
    EXPECT_EQ(3, runs());
    // An item's result ends the step.
    cell.block.m_ItemSrc = 1;
    m_Runtime.m_ItemResult = ePlayCleared;
    Hero().m_CellBelow = &cell;
    EXPECT_EQ(ePlayCleared, m_Scene.BlockItem(Hero()));
}
