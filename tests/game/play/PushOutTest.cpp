#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/play/IndexCheck.h"
#include "tests/game/play/CharaFixture.h"
#include "tests/support/TempDir.h"

// Block characters push, carry and crush the characters that meet them (speed level 1: D = 1).
class PushOut : public CharaFixture {
protected:
    enum { L = cActor::eContactLeft, R = cActor::eContactRight, U = cActor::eContactTop, D = cActor::eContactBottom };

    // A block character at (x, y) that came there by its speeds in this step.
    cCharaActor& AddBlock(double x, double y, double vx = 0, double vy = 0) {
        cEdChara record = Enemy();
        record.m_BlockHit = 1;
        m_Scene.m_Charas.push_back(cCharaActor());
        cCharaActor& block = m_Scene.m_Charas.back();
        block.Setup(m_NextId++, record, nullptr, x - vx, y - vy, 0);
        Place(block, x - vx, y - vy);
        block.SavePosition();
        Place(block, x, y);
        block.m_dSpeedX = vx;
        block.m_dSpeedY = vy;
        block.m_Present = 1;
        return block;
    }
    // A 16 x 30 stage character (flying mode as the record's) moved from (sx, sy) to (x, y).
    void SetUpActor(double x, double y, double sx, double sy, double vx, double vy, int flight = 0) {
        cEdChara record = Enemy();
        record.m_Flight = static_cast<uint8_t>(flight);
        m_Actor.Setup(99, record, nullptr, sx, sy, 0);
        Place(m_Actor, sx, sy);
        m_Actor.SavePosition();
        Place(m_Actor, x, y);
        m_Actor.m_dSpeedX = vx;
        m_Actor.m_dSpeedY = vy;
        m_Actor.m_Present = 1;
    }
    static void Place(cActor& actor, double x, double y) {
        actor.m_X = x;
        actor.m_Y = y;
        actor.OnMoveX();
        actor.OnMoveY();
    }
    void PutWall(int column, int row) {
        cEdBlock block = Block(1);
        block.m_BlockType = 1;
        m_Scene.m_MapCells[m_Scene.CellIndex(column, row)].Put(block);
    }
    int Contacts() const {
        return m_Actor.m_Contact[L] * 1000 + m_Actor.m_Contact[R] * 100 + m_Actor.m_Contact[U] * 10 + m_Actor.m_Contact[D];
    }

    int32_t m_NextId = 10;
    cCharaActor m_Actor;
};

// Landing on a block character, the head pushed out under one, and the side stops of walkers
// and flyers: where the character ends, its speed, its contacts (left, right, up, down as
// digits) and the result.
TEST_F(PushOut, WalkersAndFlyersMeetingOneBlockCharacter) {
    const struct {
        const char* name;
        double x, y, savedX, savedY, vx, vy;
        int flight;
        double blockY, blockVY;
        double endX, endY, endVY;
        int contacts, result, onObject;
    } cases[] = {
        // The block character stands at (400, blockY), 32 x 32.
        {"the lowest third sinks in", 408, 475, 408, 460, 0, 15, 0, 500, 0, 408, 470, 0, 0, 0, 1},
        {"falling fast into the upper half", 408, 490, 408, 470, 0, 20, 0, 500, 0, 408, 470, 0, 0, 0, 1},
        {"landing on a rising lift", 408, 475, 408, 460, 0, 15, 0, 500, -2, 408, 470, 0, 1, 0, 1},
        {"the head jumps into it", 408, 420, 408, 430, 0, -5, 0, 400, 0, 408, 432, 0, 0, 0, 0},
        {"the head meets a falling one", 408, 420, 408, 430, 0, -5, 0, 400, 3, 408, 432, 3, 10, 0, 0},
        {"walking right into its side", 390, 400, 387, 400, 3, 0, 0, 400, 0, 383.5, 400, 0, 100, 0, 0},
        {"walking left into its side", 428, 400, 431, 400, -3, 0, 0, 400, 0, 432.5, 400, 0, 1000, 0, 0},
        {"a blocked flyer from the left", 390, 400, 387, 400, 3, 0, 2, 400, 0, 384, 400, 0, 100, 0, 0},
        {"a blocked flyer from the right", 428, 400, 431, 400, -3, 0, 2, 400, 0, 432, 400, 0, 1000, 0, 0},
        {"a flyer that dies on blocks", 390, 400, 387, 400, 3, 0, 3, 400, 0, 390, 400, 0, 100, 2, 0},
        {"a flyer through blocks", 390, 400, 387, 400, 3, 0, 1, 400, 0, 390, 400, 0, 0, 0, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        m_Scene.m_Charas.clear();
        const cCharaActor& block = AddBlock(400, k.blockY, 0, k.blockVY);
        SetUpActor(k.x, k.y, k.savedX, k.savedY, k.vx, k.vy, k.flight);
        EXPECT_EQ(k.result, m_Scene.PushOut(m_Actor));
        EXPECT_DOUBLE_EQ(k.endX, m_Actor.m_X);
        EXPECT_DOUBLE_EQ(k.endY, m_Actor.m_Y);
        EXPECT_DOUBLE_EQ(k.endVY, m_Actor.m_dSpeedY);
        EXPECT_EQ(k.contacts, Contacts());
        EXPECT_EQ(k.onObject, m_Actor.m_OnObject);
        if (k.onObject) {
            EXPECT_EQ(block.m_Number, m_Actor.m_CarrierId);
            EXPECT_EQ(block.m_X, m_Actor.m_CarrierBox[0]);
            EXPECT_EQ(block.m_Y, m_Actor.m_CarrierBox[1]);
        }
        // Only a push across marks the block contact for the ground turn-around.
        EXPECT_EQ(k.contacts >= 100 && k.result == 0 && k.flight != 1 ? 1 : 0, m_Actor.m_BlockMark);
    }
}

// Two block characters at once: crushed between a rising lift and a falling one; squeezed from
// both sides the character moves across to neither side.
TEST_F(PushOut, TwoBlockCharacters) {
    const struct {
        const char* name;
        double x, y;
        int onObject;
        double b1x, b1y, b1vy, b2x, b2y, b2vy;
        int result;
        double endX, endY;
        int contacts;
    } cases[] = {
        {"a rising lift under a falling one", 408, 471, 1, 400, 500, -2, 400, 440, 2, 2, 408, 470, 11},
        {"a rising lift under one that stands", 408, 471, 1, 400, 500, -2, 400, 440, 0, 0, 408, 470, 1},
        {"squeezed at the head: under the first", 395, 400, 0, 364, 390, 0, 410, 390, 0, 0, 395, 422, 0},
        {"squeezed at the feet: stays", 395, 400, 0, 364, 420, 0, 410, 420, 0, 0, 395, 400, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        m_Scene.m_Charas.clear();
        AddBlock(k.b1x, k.b1y, 0, k.b1vy);
        AddBlock(k.b2x, k.b2y, 0, k.b2vy);
        SetUpActor(k.x, k.y, k.x, k.y, 0, 0);
        m_Actor.m_OnObject = k.onObject;
        m_Actor.m_CarrierId = 10;
        EXPECT_EQ(k.result, m_Scene.PushOut(m_Actor));
        EXPECT_DOUBLE_EQ(k.endX, m_Actor.m_X);
        EXPECT_DOUBLE_EQ(k.endY, m_Actor.m_Y);
        EXPECT_EQ(k.contacts, Contacts());
    }
}

// A corner left in a wall backs off by 0.1 dot a pass along each set contact, at most 15
// passes, stopping as soon as no corner is in the wall.
TEST_F(PushOut, NudgesOutOfAWall) {
    const int row = 12;
    const struct {
        const char* name;
        int contact, wallColumn;
        double x, moved;
    } cases[] = {
        {"right contact, left corners 0.55 in", R, 11, 383.45, 0.6},
        {"right contact, 3 dots in: 1.5 at most", R, 11, 381, 1.5},
        {"left contact, right corners 0.25 in", L, 13, 416 - 15 + 0.25, -0.3},
        {"no contact, no nudge", -1, 11, 383.45, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
        m_Scene.m_Charas.clear();
        for (int r = row - 1; r <= row + 2; ++r) PutWall(k.wallColumn, r);
        SetUpActor(k.x, row * 32 + 1, k.x, row * 32 + 1, 0, 0);
        if (k.contact >= 0) m_Actor.m_Contact[k.contact] = 1;
        EXPECT_EQ(0, m_Scene.PushOut(m_Actor));
        EXPECT_NEAR(k.x + k.moved, m_Actor.m_X, 1e-9);
    }
}

// Standing on a lift: the lift's box is remembered while the feet are on it; a lift that moves
// away leaves the character, marked for the turn-around unless another block character is
// within five dots below. A lift carries its rider by its move and raises its carrying flows.
TEST_F(PushOut, StandingRidingAndLeavingALift) {
    const struct {
        const char* name;
        double liftX, otherY;  // otherY 0: no other block character
        double impulseY;
        int onObject, mark;
    } cases[] = {
        {"still on it", 400, 0, 0, 1, 0},
        {"it moved away", 440, 0, 0, 0, 1},
        {"it moved away over another", 440, 503, 0, 0, 0},
        {"knocked upwards off it", 400, 0, -2, 0, 1},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        m_Scene.m_Charas.clear();
        const cCharaActor& lift = AddBlock(k.liftX, 500);
        if (k.otherY) AddBlock(400, k.otherY);
        SetUpActor(408, 470, 408, 470, 0, 0);
        m_Actor.m_OnObject = 1;
        m_Actor.m_CarrierId = lift.m_Number;
        m_Actor.m_ImpulseY = k.impulseY;
        m_Actor.m_AirCounter = 3;
        EXPECT_EQ(0, m_Scene.PushOut(m_Actor));
        EXPECT_EQ(k.onObject, m_Actor.m_OnObject);
        EXPECT_EQ(k.mark, m_Actor.m_BlockMark);
        if (k.onObject) {
            EXPECT_EQ(0, m_Actor.m_AirCounter);
            EXPECT_EQ(lift.m_X, m_Actor.m_CarrierBox[0]);
        }
    }

    m_Scene.m_Charas.clear();
    cCharaActor& lift = AddBlock(403, 498);
    for (int trigger : {14, 15}) lift.m_Chara.m_Flows.push_back(Flow(trigger));
    lift.SetFlows(lift.m_Chara.m_Flows, lift.m_Facing, 0, -1);
    SetUpActor(408, 470, 408, 470, 0, 0);
    m_Actor.m_OnObject = 1;
    m_Actor.m_CarrierId = lift.m_Number;
    m_Actor.m_CarrierBox[0] = 400;
    m_Actor.m_CarrierBox[1] = 500;
    m_Actor.m_dSpeedX = 1;
    m_Scene.Carry(m_Actor);
    EXPECT_DOUBLE_EQ(4, m_Actor.m_dSpeedX);
    EXPECT_DOUBLE_EQ(-2, m_Actor.m_dSpeedY);
    ASSERT_EQ(1u, m_Runtime.m_Starts.size()) << "a stage character is carried: only the second flow";
    EXPECT_EQ(lift.m_Runners[1].m_Flow, m_Runtime.m_Starts[0].flow);

    cPlayerActor& player = m_Scene.m_Players[0];
    player.m_OnObject = 1;
    player.m_CarrierId = lift.m_Number;
    m_Runtime.m_Starts.clear();
    for (cFlowRunner& runner : lift.m_Runners) runner.m_Running = 0;
    m_Scene.Carry(player);
    EXPECT_EQ(2u, m_Runtime.m_Starts.size()) << "the player: both";
}

// Block characters other than the character itself count; a flyer through blocks meets none;
// every corner inside block characters, now or before the push, is engulfed.
TEST_F(PushOut, OverlapAndEngulfTests) {
    cCharaActor& first = AddBlock(400, 400);
    AddBlock(432, 400);
    SetUpActor(420, 400, 420, 400, 0, 0);
    EXPECT_EQ(1, m_Scene.OverlapsBlockChara(m_Actor, -1));
    EXPECT_EQ(1, m_Scene.OverlapsBlockChara(m_Actor, first.m_Number));
    const cBox box = BoxOf(m_Actor);
    EXPECT_EQ(1, m_Scene.IsEngulfed(m_Actor, box)) << "the two cover 400 to 463";
    Place(m_Actor, 455, 400);
    EXPECT_EQ(0, m_Scene.IsEngulfed(m_Actor, BoxOf(m_Actor))) << "the right corners stick out";
    EXPECT_EQ(1, m_Scene.IsEngulfed(m_Actor, box)) << "but were inside before";
    EXPECT_EQ(0, m_Scene.OverlapsBlockChara(m_Actor, 11));
    SetUpActor(420, 400, 420, 400, 0, 0, 1);
    EXPECT_EQ(0, m_Scene.OverlapsBlockChara(m_Actor, -1));
    EXPECT_EQ(0, m_Scene.IsEngulfed(m_Actor, box));
}

// The push-out in the player's sub-step: a player crushed between block characters dies with
// "Dead 6" in the trace log, unless it is immune to crushing.
TEST_F(PushOut, APlayerCrushedByBlockCharactersDies) {
    for (int immune : {0, 1}) {
        SCOPED_TRACE(immune);
        cTempDir dir;
        ASSERT_EQ(1, OpenReport("Trace.txt"));
        ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
        cPlayerActor& player = m_Scene.m_Players[0];
        player.m_CrushImmune = immune;
        const double x = player.m_X, y = player.m_Y;
        // Inside two block characters that stand still: both corners of each side are covered.
        AddBlock(x - 16, y - 4);
        AddBlock(x + 8, y - 4);
        for (cCharaActor& block : m_Scene.m_Charas) block.m_Appeared = 1;
        EXPECT_EQ(immune ? ePlayGoOn : ePlayDies, m_Scene.SubStep(1));
        EXPECT_EQ(immune ? 0 : 1, player.m_Dead);
        const std::string log = dir.Read("Trace.txt");
        EXPECT_EQ(!immune, log.find("Dead 6") != std::string::npos) << log;
    }
}

// The block characters' strip index answers as walking the whole list does, in the same order
// where the first one met decides: block characters across strip edges (a strip is 64 dots),
// wider than a strip, none wide (its right edge before its left) or with a NaN edge, dead, absent, the character itself and
// two in one place; walkers and flyers meeting them from above and below.
TEST_F(PushOut, IndexedQueriesAnswerAsTheWholeList) {
    const double keep = -1e300, nan = std::nan("");
    const struct {
        double x, y, vx, vy, right;  // right: keep leaves the record's width
        int number;                  // 0: the next id
        int present, dead;
    } blocks[] = {
        {30, 400, 0, 0, keep, 0, 1, 0},    {62, 400, 0, -2, keep, 0, 1, 0},  {128, 430, 0, 0, keep, 0, 1, 0},
        {96, 380, 2, 0, keep, 0, 1, 0},    {200, 300, 0, 0, 530, 0, 1, 0},   {600, 400, 0, 0, 599, 0, 1, 0},
        {620, 380, 0, 0, nan, 0, 1, 0},    {-40, 400, 0, 0, keep, 0, 1, 0},  {300, 410, 0, 3, keep, 0, 1, 0},
        {300, 410, 0, -3, keep, 0, 1, 0},  {660, 400, 0, 0, keep, 0, 1, 1},  {680, 400, 0, 0, keep, 0, 0, 0},
        {640, 420, 0, 0, keep, 99, 1, 0},
    };
    m_Scene.m_Charas.clear();
    for (const auto& b : blocks) {
        cCharaActor& block = AddBlock(b.x, b.y, b.vx, b.vy);
        if (b.right != keep) block.m_Right = b.right;
        if (b.number) block.m_Number = b.number;
        block.m_Present = b.present;
        block.m_Dead = b.dead;
    }
    const double xs[] = {14,  28,  46,  60,  63,  64,  78,  90,  110, 112, 127.5, 128, 150, 190,
                         285, 300, 320, 515, 545, 555, 590, 610, 625, 650, 670,   -50, -30};
    const double ys[] = {290, 320, 372, 395, 415, 440};
    // Every answer about the character at (x, y) come from (x - dx, y - dy): the tests, then
    // where the push-out leaves it.
    const auto answers = [&](double x, double y, double dx, double dy, int flight) {
        SetUpActor(x, y, x - dx, y - dy, dx, dy, flight);
        const cBox saved{m_Actor.m_Saved[0], m_Actor.m_Saved[1], m_Actor.m_Saved[2], m_Actor.m_Saved[3]};
        std::vector<double> a = {static_cast<double>(m_Scene.OverlapsBlockChara(m_Actor, -1)),
                                 static_cast<double>(m_Scene.OverlapsBlockChara(m_Actor, m_Scene.m_Charas.front().m_Number)),
                                 static_cast<double>(m_Scene.StandsOnBlockChara(m_Actor)),
                                 static_cast<double>(m_Scene.IsEngulfed(m_Actor, saved))};
        a.push_back(m_Scene.PushOut(m_Actor));
        for (double v : {m_Actor.m_X, m_Actor.m_Y, m_Actor.m_dSpeedY, static_cast<double>(Contacts()),
                         static_cast<double>(m_Actor.m_OnObject), static_cast<double>(m_Actor.m_CarrierId)})
            a.push_back(v);
        return a;
    };
    const auto everyProbe = [&]() {
        std::vector<std::vector<double>> all;
        for (double x : xs)
            for (double y : ys)
                for (int flight : {0, 2})
                    for (double d : {1.0, -1.0}) all.push_back(answers(x, y, 3 * d, 8 * d, flight));
        return all;
    };
    const std::vector<std::vector<double>> walked = everyProbe();
    const cPlayScene::cBlockCharaKeeper keeper(m_Scene);
    const cPlayScene::cBlockCharaHolder holder(m_Scene);
    ASSERT_NE(nullptr, m_Scene.KeptBlockStrips());
    const std::vector<std::vector<double>> indexed = everyProbe();
    ASSERT_EQ(walked.size(), indexed.size());
    int met = 0;
    for (size_t i = 0; i < walked.size(); ++i) {
        EXPECT_EQ(walked[i], indexed[i]) << "probe " << i;
        met += walked[i][0] != 0;
    }
    EXPECT_GT(met, 100) << "the probes meet block characters";
}

// In the characters' pass, a block character that a starting flow moved or that a flow added
// is met where it is now, though the index was built before: the pass ends as the pass that
// walks the whole list does.
TEST_F(PushOut, IndexedPassMeetsBlockCharactersMovedOrAddedByFlows) {
    // Starting a flow of the first lift moves it as a warp would; one of the second summons a
    // block character.
    class cWarpingRuntime : public cFakeFlowRuntime {
    public:
        explicit cWarpingRuntime(cPlayScene& scene) : m_Scene(scene) {}
        void Start(cFlowRunner& runner) override {
            cFakeFlowRuntime::Start(runner);
            cActor& owner = *m_Scene.m_Flow.m_Actor;
            if (owner.m_X != 400) {
                cEdChara record = Enemy();
                record.m_BlockHit = 1;
                record.m_Flight = 2;
                int32_t counter = 50;
                m_Scene.SpawnChara(m_Scene.m_Charas, 200, 300, 0, 0, nullptr, cEdShot(), record, counter);
                m_Scene.m_Charas.back().m_Present = 1;
                return;
            }
            owner.m_X = 600;
            owner.m_Right = owner.m_X + owner.m_Width - 1;
            owner.m_Y = 300;
            owner.m_Bottom = owner.m_Y + owner.m_Height - 1;
            owner.OnMoveX();
            owner.OnMoveY();
        }
        cPlayScene& m_Scene;
    };
    const auto play = [&](bool indexed) {
        ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
        m_Scene.m_Charas.clear();
        m_NextId = 10;
        const auto walker = [&](double x, double y) -> cCharaActor& {
            cEdChara record = Enemy();
            m_Scene.m_Charas.push_back(cCharaActor());
            cCharaActor& chara = m_Scene.m_Charas.back();
            chara.Setup(m_NextId++, record, nullptr, x, y, 0);
            Place(chara, x, y);
            chara.SavePosition();
            chara.m_Present = chara.m_Appeared = 1;
            return chara;
        };
        // The first walker's push-out builds the index with the lift where it stands.
        walker(100, 300);
        for (double x : {400, 480}) {
            cCharaActor& lift = AddBlock(x, 330);
            lift.m_Chara.m_Flows.push_back(Flow(15));
            lift.SetFlows(lift.m_Chara.m_Flows, lift.m_Facing, 0, -1);
            cCharaActor& rider = walker(x + 8, 300);
            rider.m_OnObject = 1;
            rider.m_CarrierId = lift.m_Number;
            rider.m_CarrierBox[0] = x;
            rider.m_CarrierBox[1] = 330;
            walker(x == 400 ? 608 : 200, 310);
        }
        cWarpingRuntime runtime(m_Scene);
        if (indexed) {
            const cPlayScene::cBlockCharaKeeper keeper(m_Scene);
            m_Scene.MoveCharas();
        } else {
            m_Scene.MoveCharas();
        }
        ASSERT_EQ(2u, runtime.m_Starts.size()) << "the lifts' carrying flows";
    };
    const auto states = [&]() {
        std::vector<std::vector<double>> all;
        for (const cCharaActor& c : m_Scene.m_Charas)
            all.push_back({static_cast<double>(c.m_Number), c.m_X, c.m_Y, c.m_dSpeedX, c.m_dSpeedY,
                           static_cast<double>(c.m_Contact[L] * 1000 + c.m_Contact[R] * 100 + c.m_Contact[U] * 10 +
                                               c.m_Contact[D]),
                           static_cast<double>(c.m_Dead)});
        return all;
    };
    play(false);
    const std::vector<std::vector<double>> walked = states();
    play(true);
    EXPECT_EQ(walked, states());
    ASSERT_EQ(8u, walked.size());
    EXPECT_EQ(332, walked[3][2]) << "put under the lift where it went";
    EXPECT_NE(310.4, walked[6][2]) << "met the summoned one";
}

// With the index check on (as in every test of play), a block character moved without telling
// the scene (CharasMayMove) is a fault as soon as a query's answer depends on it; told, the
// strips are built again and the answer is the list's.
TEST_F(PushOut, TheIndexCheckCatchesABlockCharacterMovedUntold) {
    static std::vector<std::string> faults;
    const cIndexFaultHandler before = SetPlayIndexCheck([](const char* fault) { faults.push_back(fault); });
    const struct {
        const char* name;
        bool told;
        int overlaps;
        size_t faults;
    } cases[] = {{"told", true, 1, 0}, {"untold", false, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        faults.clear();
        m_Scene.m_Charas.clear();
        cCharaActor& lift = AddBlock(100, 400);
        AddBlock(2000, 400);  // the strips span the stage between the two
        const cPlayScene::cBlockCharaKeeper keeper(m_Scene);
        const cPlayScene::cBlockCharaHolder holder(m_Scene);
        SetUpActor(104, 390, 104, 390, 0, 0);
        EXPECT_EQ(1, m_Scene.OverlapsBlockChara(m_Actor, -1));
        Place(lift, 900, 400);
        if (c.told) m_Scene.CharasMayMove();
        SetUpActor(904, 390, 904, 390, 0, 0);
        EXPECT_EQ(c.overlaps, m_Scene.OverlapsBlockChara(m_Actor, -1));
        EXPECT_EQ(c.faults, faults.size());
    }
    SetPlayIndexCheck(before);
}
