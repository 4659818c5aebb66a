#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Flow.h"
#include "data/ProjectDatabase.h"
#include "data/Record.h"
#include "data/Stage.h"
#include "game/flow/CommandDispatch.h"
#include "game/flow/ItemCommands.h"
#include "game/flow/PlayFlowRuntime.h"
#include "game/data/GameDatabase.h"
#include "game/flow/ShowCommands.h"
#include "game/play/FlowRuntime.h"
#include "game/play/PictureObj.h"
#include "tests/game/flow/FlowCommands.h"
#include "tests/game/flow/FlowFixture.h"

namespace {

enum { kStatus2 = 23, kItemAcquire = 24, kGraphic = 25, kAnimeSet = 26, kEffect = 28, kPicture = 31,
       kBackground = 33, kSound = 34, kBgm = 35 };
// Item command types.
enum { kItemFlowChange = 1, kItemStageClear = 2, kItemMessage = 4, kItemStatus = 7, kItemStatus2 = 8,
       kItemAcquireItem = 9, kItemSound = 19 };

cFlowCmd ItemCommand(int type, std::vector<int32_t> params) {
    cFlowCmd command = FlowCommand(type, 0, 0, params);
    command.m_CmdSet = 1;
    return command;
}

struct ShowFixture : cFlowFixture {
    cRestoreOnExit<cCommonPalette> savedPalette{ProjectCommonPalette()};
    cRestoreOnExit<cDatabase> savedDatabase{ProjectDatabase()};
    cHeadlessHost host;
    cFlowCmd command;
    cFlowCmdEntry entry;

    ShowFixture() {
        scene.SetHost(&host);
        entry.m_Cmd = &command;
        Player().m_Number = 1;
        Player().m_OnScreen = 1;
        owner.m_Number = 2;
        target.m_Number = 3;
    }
    void Run(int type, std::vector<int32_t> params) {
        command = FlowCommand(type, 0, 0, params);
        FlowCommandTable[type](owner, entry);
    }
    // Item number n of the common palette with the commands.
    void PutItem(int n, std::vector<cFlowCmd> commands) {
        cRecordVector<cEdItem>& items = ProjectCommonPalette().m_Items;
        if (items.size() <= static_cast<size_t>(n)) items.resize(n + 1);
        items[n].m_Commands.assign(commands.begin(), commands.end());
    }
};

}  // namespace

TEST(StateCommands, EachStateFlagOfTheOwnerTheTargetOrThePlayer) {
    struct Case {
        std::vector<int32_t> params;  // whose, which, value
        int who;                      // 0 owner, 1 target
        uint8_t transparent, fixed, invincible;
    } cases[] = {
        {{0, 1, 1}, 0, 1, 0, 0}, {{0, 2, 1}, 0, 0, 1, 0}, {{1, 4, 2}, 1, 0, 0, 2},
        {{0, 2, 2}, 0, 0, 0, 0},  // outside the flag's range: nothing
        {{0, 4, -1}, 0, 0, 0, 0}, {{0, 9, 1}, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ShowFixture f;
        f.Run(kStatus2, c.params);
        const cActor& who = c.who ? static_cast<const cActor&>(f.target) : f.owner;
        SCOPED_TRACE(testing::Message() << c.params[0] << " " << c.params[1] << " " << c.params[2]);
        EXPECT_EQ(c.transparent, who.m_Chara.m_Transparent);
        EXPECT_EQ(c.fixed, who.m_DirFixed);
        EXPECT_EQ(c.invincible, who.m_Chara.m_Invincible);
    }
    ShowFixture f;
    f.owner.m_Flow.m_Target = nullptr;
    f.Run(kStatus2, {1, 2, 1});
    EXPECT_EQ(0, f.owner.m_DirFixed) << "no target: nothing";
}

TEST(StateCommands, VanishFlyingAndGiant) {
    ShowFixture f;
    f.owner.m_NoGravity = 0;
    f.Run(kStatus2, {0, 3, 1});
    EXPECT_EQ(0, f.owner.m_NoGravity) << "flying is the player's alone";
    f.Run(kStatus2, {0, 0, 0});
    EXPECT_EQ(1, f.owner.m_Vanish);
    EXPECT_EQ(0, f.scene.m_Flow.m_HpCheck);

    f.owner.m_Flow.m_Target = &f.Player();
    f.Run(kStatus2, {1, 0, 0});
    EXPECT_EQ(0, f.Player().m_Hp) << "the player vanishes by losing its life";
    EXPECT_EQ(1, f.scene.m_Flow.m_HpCheck);

    cPlayerActor& player = f.scene.m_Players[0];
    player.SetHitboxes(0, 1);
    f.Run(kStatus2, {1, 3, 1});
    EXPECT_EQ(1, player.m_NoGravity);
    f.Run(kStatus2, {1, 5, 2});
    EXPECT_EQ(2, player.m_Chara.m_Scale);
    EXPECT_EQ(32, player.m_Width) << "the player's boxes are built again at twice the size";
    EXPECT_EQ(64, player.m_DrawWidth);
    EXPECT_EQ(1, f.scene.m_Flow.m_SightChanged);
}

// The switch acts on the running axis only: the stage record stays as it was loaded after each
// command, the one that switches the automatic scroll on included.
TEST(StateCommands, TheScrollSwitches) {
    ShowFixture f;
    ProjectStage().m_ScrollMode[0] = 0;
    const cEdStage loaded = ProjectStage();
    f.scene.m_ScrollX.SetSpeed(0, 3);
    f.Run(kStatus2, {2, 0, 1});
    EXPECT_EQ(1, f.scene.m_ScrollX.m_Auto);
    EXPECT_EQ(3 * 0.1 / f.scene.m_ScrollX.m_Divisor, f.scene.m_ScrollX.m_AutoSpeed) << "at the speed set before";
    EXPECT_TRUE(RecordsEqual(loaded, ProjectStage())) << "the stage stays as loaded with the scroll on";
    f.Run(kStatus2, {2, 0, 5});
    EXPECT_EQ(1, f.scene.m_ScrollX.m_Auto) << "outside the switch's range";
    f.Run(kStatus2, {2, 0, 0});
    EXPECT_EQ(0, f.scene.m_ScrollX.m_Auto);
    EXPECT_EQ(3, f.scene.m_ScrollX.m_Speed);
    EXPECT_TRUE(RecordsEqual(loaded, ProjectStage())) << "the stage stays as loaded";
}

TEST(StateCommands, AnItemGivenByAnEnemyRunsForThePlayer) {
    ShowFixture f;
    f.PutItem(3, {ItemCommand(kItemStatus2, {0, 1, 1})});
    f.PutItem(4, {ItemCommand(kItemStageClear, {0, 0, 0, 0, 0})});
    f.PutItem(5, {ItemCommand(kItemSound, {6})});
    f.Run(kItemAcquire, {0, 3});
    EXPECT_EQ(1, f.Player().m_Chara.m_Transparent);
    EXPECT_EQ(0, f.owner.m_Chara.m_Transparent);
    for (std::vector<int32_t> nothing : {std::vector<int32_t>{2, 4}, {0, 99}, {0, -1}}) {
        f.Run(kItemAcquire, nothing);
        EXPECT_EQ(0, f.scene.m_ExecResult) << nothing[0] << " " << nothing[1];
    }
    f.Run(kItemAcquire, {0, 4});
    EXPECT_EQ(1, f.scene.m_ExecResult);
    f.Run(kItemAcquire, {0, 5});
    EXPECT_EQ(1, f.scene.m_ExecResult) << "a later item keeps the clear";
    EXPECT_EQ(std::vector<int>({6}), f.host.tableSounds);
}

TEST(StateCommands, GraphicAndAnimeSet) {
    ShowFixture f;
    f.Run(kGraphic, {2, 17, 5});
    EXPECT_EQ(2, f.owner.m_Chara.m_GraphicSrc);
    EXPECT_EQ(17, f.owner.m_Chara.m_Graphic);
    EXPECT_EQ(17, f.owner.m_KindValue);
    EXPECT_EQ(5, f.owner.m_Chara.m_GraphicShift);
    ProjectDatabase().m_AnimeSets.resize(3);
    f.Run(kAnimeSet, {2});
    EXPECT_EQ(2, f.owner.m_AnimeSet);
    f.Run(kAnimeSet, {50});
    EXPECT_EQ(2, f.owner.m_AnimeSet) << "a set the table lacks changes nothing";
}

TEST(ShowCommands, EffectsBySizeAndPause) {
    EXPECT_EQ(17, ScaledSize(33, 50));
    EXPECT_EQ(0, ScaledSize(33, 0)) << "1 % at least: a third of a dot";
    EXPECT_EQ(330, ScaledSize(33, 5000));
    ShowFixture f;
    ProjectDatabase().m_Effects.resize(2);
    cEffect& effect = ProjectDatabase().m_Effects[1];
    effect.m_CellWidth = 33;
    effect.m_CellHeight = 20;
    effect.m_Frames.resize(2);
    effect.m_Frames[0].m_Time = 2;
    effect.m_Frames[1].m_Time = 3;
    f.Run(kEffect, {1, 4, 2, 3, 5, 6, 50, 0});
    ASSERT_EQ(1u, f.scene.m_EffectObjs.size());
    EXPECT_EQ(17, f.scene.m_EffectObjs.back().m_Width);
    EXPECT_EQ(10, f.scene.m_EffectObjs.back().m_Height);
    EXPECT_EQ((2 + f.scene.m_ScrollX.m_BorderCells) * 32 + 5, f.scene.m_EffectObjs.back().m_X);
    EXPECT_EQ(0, f.host.paints);
    f.Run(kEffect, {1, 0, 0, 0, 0, 0, 100, 1});
    EXPECT_EQ(31, f.host.paints) << "held for the frames' 30 frames";
    f.Run(kEffect, {0});
    EXPECT_TRUE(f.scene.m_EffectObjs.empty());
}

TEST(ShowCommands, PicturesByModeShareOneSurfaceAStage) {
    struct Case {
        int32_t mode, pause;
        int paints;
        size_t left;
    } cases[] = {{0, 1, 0, 0}, {2, 1, 7, 0}, {1, 1, 0, 1}, {0, 0, 0, 1}, {2, 0, 0, 1}};
    for (const Case& c : cases) {
        ShowFixture f;
        f.host.waitButtons = {1};
        std::shared_ptr<cSurface> picture = MakeSharedSurface();
        picture->nWidth = 40;
        picture->nHeight = 30;
        f.scene.m_StagePictures[2] = picture;
        f.Run(kPicture, {2, 0, 0, 0, 0, 0, 50, c.mode, 1, c.pause});
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " pause " << c.pause);
        EXPECT_EQ(c.paints, f.host.paints);
        ASSERT_EQ(c.left, f.scene.m_PictureObjs.size());
        if (c.left) {
            EXPECT_EQ(20, f.scene.m_PictureObjs.back().m_Width);
            EXPECT_EQ(15, f.scene.m_PictureObjs.back().m_Height);
        }
    }
    ShowFixture f;
    std::shared_ptr<cSurface> picture = MakeSharedSurface();
    picture->nWidth = 40;
    f.scene.m_StagePictures[2] = picture;
    for (int i = 0; i < 100; ++i) f.Run(kPicture, {2, 0, 0, 0, 0, 0, 100, 1, 0, 0});
    EXPECT_EQ(1u, f.scene.m_StagePictures.size());
    EXPECT_EQ(102, picture.use_count()) << "the test, the stage and the hundred pictures hold one surface";
    f.Run(kPicture, {0});
    EXPECT_TRUE(f.scene.m_PictureObjs.empty());
    f.scene.m_StagePictures.clear();
    EXPECT_EQ(1, picture.use_count()) << "nothing of the stage holds it any more";
}

TEST(ShowCommands, AMissingPictureIsReportedOnceAStage) {
    ShowFixture f;
    ProjectDatabase().m_Pictures.resize(3);
    ProjectDatabase().m_Pictures[2].m_File = "bmp\\picture\\none.bmp";
    for (int i = 0; i < 3; ++i) f.Run(kPicture, {2, 0, 0, 0, 0, 0, 100, 1, 0, 0});
    EXPECT_TRUE(f.scene.m_PictureObjs.empty());
    EXPECT_EQ(std::vector<std::string>({"bmp\\picture\\none.bmp 読み込み失敗！"}), f.host.failures);
    f.Run(kPicture, {9, 0, 0, 0, 0, 0, 100, 1, 0, 0});
    EXPECT_EQ(1u, f.host.failures.size()) << "a number the table lacks shows nothing";
}

TEST(ShowCommands, BackgroundLayers) {
    ShowFixture f;
    f.scene.m_LayerShown = {1, 0};
    f.Run(kBackground, {0, 2});
    f.Run(kBackground, {3, 2});
    EXPECT_EQ(std::vector<int32_t>({1, 0}), f.scene.m_LayerShown);
    f.Run(kBackground, {2, 2});
    EXPECT_EQ(std::vector<int32_t>({1, 1}), f.scene.m_LayerShown);
    f.Run(kBackground, {2, 2});
    EXPECT_EQ(std::vector<int32_t>({1, 0}), f.scene.m_LayerShown) << "toggled twice";
    f.Run(kBackground, {1, 1});
    EXPECT_EQ(std::vector<int32_t>({0, 0}), f.scene.m_LayerShown);
    f.Run(kBackground, {1, 0});
    EXPECT_EQ(std::vector<int32_t>({1, 0}), f.scene.m_LayerShown);
}

TEST(ShowCommands, SoundsAndMusic) {
    struct Case {
        int32_t sound, flag, onScreen;
        size_t played;
    } cases[] = {{4, 1, 0, 0}, {4, 0, 0, 1}, {4, 1, 1, 1}, {0, 0, 1, 0}};
    for (const Case& c : cases) {
        ShowFixture f;
        f.owner.m_OnScreen = c.onScreen;
        f.command = FlowCommand(kSound, 0, 0, {c.sound});
        f.command.m_SoundOnScreen = static_cast<uint8_t>(c.flag);
        FlowCommandTable[kSound](f.owner, f.entry);
        EXPECT_EQ(c.played, f.host.tableSounds.size()) << c.sound << " " << c.flag << " " << c.onScreen;
    }
    ShowFixture f;
    ProjectDatabase().m_Bgms.resize(4);
    f.Run(kBgm, {3});
    f.Run(kBgm, {9});
    EXPECT_EQ(std::vector<int>({3}), f.host.music);
    EXPECT_EQ(3, StoryState().m_MusicIndex);
    f.Run(kBgm, {0});
    EXPECT_EQ(1, f.host.musicStops);
    EXPECT_EQ(0, StoryState().m_MusicIndex);
}

TEST(ItemCommands, TheListEndsAtAClearOrALostLife) {
    ShowFixture f;
    cRecordVector<cFlowCmd> list;
    list.push_back(ItemCommand(0, {}));
    list.push_back(ItemCommand(kItemStageClear, {0, 0, 0, 0, 0}));
    list.push_back(ItemCommand(kItemSound, {6}));
    EXPECT_EQ(1, RunItemCommands(f.Player(), list));
    EXPECT_TRUE(f.host.tableSounds.empty()) << "the sound after the clear does not run";

    std::vector<int32_t> loseLife(18, 0);
    loseLife[4] = 1;   // HP
    loseLife[5] = 2;   // less
    loseLife[7] = 50;  // a constant
    cRecordVector<cFlowCmd> hurting;
    hurting.push_back(ItemCommand(kItemStatus, loseLife));
    hurting.push_back(ItemCommand(kItemSound, {6}));
    EXPECT_EQ(2, RunItemCommands(f.Player(), hurting));
    EXPECT_TRUE(f.host.tableSounds.empty());

    cRecordVector<cFlowCmd> odd;
    odd.push_back(ItemCommand(0, {}));
    odd.back().m_CmdType = 40;  // outside the table: nothing
    odd.push_back(ItemCommand(kItemSound, {6}));
    f.Player().m_Hp = 5;
    EXPECT_EQ(0, RunItemCommands(f.Player(), odd));
    EXPECT_EQ(std::vector<int>({6}), f.host.tableSounds);
}

TEST(ItemCommands, MessagesOfOneListFollowTheFirst) {
    ShowFixture f;
    f.host.waitButtons.assign(40, 0);
    // Each wait reads the list from its start: a wait with the delay passes over the first press.
    f.host.waitButtons[0] = 1;
    f.host.waitButtons[10] = 1;
    cRecordVector<cFlowCmd> list;
    for (int i = 0; i < 2; ++i) list.push_back(ItemCommand(kItemMessage, {0, 0, 0, 0, 0, 0, 0, 0, 1}));
    f.scene.m_ItemMessage = 1;  // a list further out
    EXPECT_EQ(0, RunItemCommands(f.Player(), list));
    EXPECT_EQ(1, std::count(f.host.sounds.begin(), f.host.sounds.end(), 11)) << "only the first sounds";
    EXPECT_EQ(10, f.host.paints) << "and only the first waits its delay";
    EXPECT_EQ(1, f.scene.m_ItemMessage) << "the outer list's flag is kept";
}

TEST(ItemCommands, AnItemThatGivesItselfRunsOnce) {
    ShowFixture f;
    f.PutItem(3, {ItemCommand(kItemSound, {6}), ItemCommand(kItemAcquireItem, {0, 4})});
    f.PutItem(4, {ItemCommand(kItemAcquireItem, {0, 3})});
    EXPECT_EQ(0, RunItemCommands(f.Player(), ProjectCommonPalette().m_Items[3].m_Commands));
    EXPECT_EQ(std::vector<int>({6}), f.host.tableSounds);
    const cRecordVector<cFlowCmd> copy = ProjectCommonPalette().m_Items[3].m_Commands;  // the stage's copy
    f.host.tableSounds.clear();
    EXPECT_EQ(0, RunItemCommands(f.Player(), copy));
    EXPECT_EQ(std::vector<int>({6}), f.host.tableSounds);
}

TEST(ItemCommands, FlowChangesByMode) {
    struct Case {
        int32_t mode, id;
        std::vector<int> ids;  // the flows' IDs afterwards
    } cases[] = {
        {0, 0, {1, 2, 1, 9}}, {1, 1, {9, 2}}, {1, 3, {1, 2, 1, 9}}, {2, 1, {2}}, {1, 0, {9}}, {2, 0, {}},
        {7, 1, {1, 2, 1}},
    };
    for (const Case& c : cases) {
        ShowFixture f;
        cEdChara chara;
        for (int id : {1, 2, 1}) chara.m_Flows.push_back(MakeFlow(17, {Wait(5)}, id));
        f.owner.Setup(2, chara, nullptr, 400, 400, 0);
        cFlowCmd change = ItemCommand(kItemFlowChange, {c.mode, c.id});
        change.m_SubFlows.push_back(MakeFlow(17, {Wait(5)}, 9));
        cRecordVector<cFlowCmd> list;
        list.push_back(change);
        RunItemCommands(f.owner, list);
        std::vector<int> ids;
        for (const cFlowRunner& runner : f.owner.m_Runners) ids.push_back(runner.m_Flow->m_Id);
        EXPECT_EQ(c.ids, ids) << "mode " << c.mode << " id " << c.id;
        EXPECT_EQ(f.owner.m_Chara.m_Flows.size(), f.owner.m_Runners.size());
    }
}

TEST(ItemCommands, AFlowChangeFromThePlayersOwnFlowWaitsForTheEndOfThePass) {
    ShowFixture f;
    cFlowRuntime* const previous = SetFlowRuntime(&PlayFlowRuntime());
    cFlowCmd change = ItemCommand(kItemFlowChange, {1, 1});
    change.m_SubFlows.push_back(MakeFlow(17, {Wait(5)}, 9));
    f.PutItem(3, {change});
    cEdChara hero;
    hero.m_Hp = 10;
    hero.m_Flows.push_back(MakeFlow(17, {FlowCommand(kItemAcquire, 0, 0, {0, 3}), Wait(5)}, 1));
    hero.m_Flows.push_back(MakeFlow(17, {Wait(5)}, 2));
    cPlayerActor& player = f.scene.m_Players[0];
    player.Setup(1, hero, 400, 400);
    f.scene.m_Flow.m_Actor = &player;
    FlowRuntime().Start(player.m_Runners[0]);  // the item is given at once, by the flow it removes
    ASSERT_EQ(2u, player.m_Runners.size()) << "the runners stay while one runs";
    EXPECT_EQ(0, player.m_Runners[0].m_Running) << "the removed flow finished at once";
    FlowRuntime().Start(player.m_Runners[1]);
    player.StepFlows();
    std::vector<int> ids;
    for (const cFlowRunner& runner : player.m_Runners) ids.push_back(runner.m_Flow->m_Id);
    EXPECT_EQ(std::vector<int>({9, 2}), ids);
    EXPECT_EQ(1, player.m_Runners[1].m_Running) << "the other flow runs on";
    SetFlowRuntime(previous);
}

// The effect rows of an item's list: an effect shown on the stage, then a character effect of the
// item's taker, each by its own row alone.
TEST(ItemCommands, EffectRowsReachTheirOwnExecutors) {
    const int kItemEffect = 13, kItemCharaEffect = 14;
    struct Case {
        int type;
        std::vector<int32_t> params;
        size_t effects;
        int charaEffect;
    } cases[] = {{kItemEffect, {1, 0, 0, 0, 0, 0, 100, 0}, 1, 0}, {kItemCharaEffect, {1, 1}, 0, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        ShowFixture f;
        cRestoreOnExit<cEffectStates> savedProtos{CharaEffectProtoTable()};
        CharaEffectProtoTable().resize(2);
        CharaEffectProtoTable()[1].nEffect = 7;
        ProjectDatabase().m_Effects.resize(2);
        ProjectDatabase().m_Effects[1].m_CellWidth = 32;
        ProjectDatabase().m_Effects[1].m_CellHeight = 32;
        ProjectDatabase().m_Effects[1].m_Frames.resize(1);
        cRecordVector<cFlowCmd> list;
        list.push_back(ItemCommand(c.type, c.params));
        EXPECT_EQ(0, RunItemCommands(f.owner, list));
        EXPECT_EQ(c.effects, f.scene.m_EffectObjs.size());
        EXPECT_EQ(c.charaEffect, f.owner.m_CharaEffect.nEffect);
    }
}

TEST(CommandTables, EveryTypeReachesItsExecutor) {
    for (int type = 2; type < kCharaCommandTypes; ++type)
        EXPECT_NE(FlowCommandTable[0], FlowCommandTable[type]) << "flow command type " << type;
    EXPECT_EQ(FlowCommandTable[0], FlowCommandTable[1]) << "a wait is its use time alone";
    for (int type = 1; type < kItemCommandTypes; ++type)
        EXPECT_NE(ItemCommandTable[0], ItemCommandTable[type]) << "item command type " << type;
}
