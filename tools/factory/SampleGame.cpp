#include "tools/factory/SampleGame.h"

#include <cstring>

#include "data/CommonPalette.h"
#include "data/Flow.h"
#include "data/Paths.h"
#include "data/ProjectData.h"
#include "data/WorldMap.h"
#include "tools/factory/FactoryStage.h"

namespace {

// The map, a character a cell: ~ sea, ^ mountain, f forest (all three block the way), . grass,
// = road, s sand. The player starts on the road's west end; three stage squares stand on it.
const char* const kMap[] = {
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~ff~~~~~~~~~~~",
    "~~~ff.....f..^^~~~~~",
    "~~~.^..........^.~~~",
    "~~~.=============.~~",
    "~~~..............s~~",
    "~~~~ss.....ff..ss~~~",
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~",
};
const int kMapW = 20;
const int kMapH = sizeof kMap / sizeof kMap[0];
const int kStartX = 4;
const int kStartY = 7;
const int kSeaColour = 168;  // a deep shade of the blue ramp

int ChipOf(char mark) {
    switch (mark) {
    case '~': return 0;
    case '^': return 1;
    case 'f': return 2;
    case '=': return 6;
    case 's': return 7;
    default: return 5;
    }
}

// Icon rows of the event picture.
const int kIconCastle = 0, kIconHouse = 1, kIconTower = 2, kIconGate = 5;

cWorldStageEntry StagePage(int world, const char* stage, const char* name, int icon) {
    cWorldStageEntry page;
    page.m_Type = eWorldEventWorld;
    page.m_WorldNo = world;
    page.m_StartStage = stage;
    page.m_WorldName = name;
    page.m_Graphic = icon;
    return page;
}

void PutEvent(cWorldMap& map, int x, int y, const char* name, std::initializer_list<cWorldStageEntry> pages) {
    cWorldEvent event;
    event.m_Name = name;
    event.m_Pages.assign(pages.begin(), pages.end());
    map.PutEvent(event, x, y);
}

bool WriteWorldMap() {
    cWorldMap map;
    map.Init();
    map.SetSize(kMapW, kMapH);
    map.m_Name = "サンプルワールド";
    map.m_StartX = kStartX;
    map.m_StartY = kStartY;
    map.m_BackColor = kSeaColour;
    map.m_UseBackImage = 1;
    map.m_BackImage = "bmp\\WorldBack.bmp";
    for (int y = 0; y < kMapH; ++y) {
        if (std::strlen(kMap[y]) != static_cast<size_t>(kMapW)) return false;
        for (int x = 0; x < kMapW; ++x) map.m_Grid.At(y * map.m_Pitch + x) = ChipOf(kMap[y][x]);
    }
    // The first two can be passed before they are cleared; the third is a gate until the first
    // is cleared, then a stage of its own.
    cWorldStageEntry first = StagePage(1, "data\\stg4\\w1.stg4", "はじめての草原", kIconHouse);
    first.m_PassUncleared = 1;
    cWorldStageEntry second = StagePage(2, "data\\stg4\\w2.stg4", "いしの丘", kIconTower);
    second.m_PassUncleared = 1;
    cWorldStageEntry third = StagePage(3, "data\\stg4\\w1.stg4", "草原ふたたび", kIconCastle);
    third.m_NeedWorld = 1;
    third.m_PlayAfterClear = 1;
    cWorldStageEntry gate;
    gate.m_Type = eWorldEventWall;
    gate.m_Graphic = kIconGate;
    PutEvent(map, 7, kStartY, "草原", {first});
    PutEvent(map, 10, kStartY, "丘", {second});
    PutEvent(map, 13, kStartY, "城", {third, gate});
    return map.SaveFile(g_PathTable[ePathWorldMapDefault]);
}

// The first stage is played from start to goal by a committed input log (tests/game/play): the
// blob that walks towards the hero and the robot before the goal are shot, the two gaps jumped,
// the coins taken on the way.
const char* const kMeadow[] = {
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "..........ooo...........................",
    "..........b.............................",
    ".........?BB?...........h...............",
    "........................................",
    "........................................",
    "...........................SS...........",
    "..H.......b.......oo......SSS......r..G.",
    "##############..##############..########",
    "==============..==============..========",
};
const char* const kHill[] = {
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "..................*.............",
    "................................",
    "..........v.....SSSS............",
    "................................",
    "...........SS...........oo......",
    "..........SSSS.........SSSS.....",
    ".........SSSSSS.......SSSSSS....",
    "..H.....SSSSSSSS..r..SSSSSSSS.G.",
    "################..##############",
    "================..==============",
};
const char* const kTrialA[] = {
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........ooo.............",
    "........................",
    "........CC......?.......",
    "........................",
    "..H..........b........G.",
    "########################",
    "========================",
};
const char* const kTrialB[] = {
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "...............v........",
    "........................",
    "......SS.........*......",
    ".....SSS........SSS.....",
    "..H.SSSS...e...SSSS...G.",
    "#########..#############",
    "=========..=============",
};

// Command types and movement directions of the flows below (the editor's lists).
enum { kCmdStraight = 2, kCmdGroundReturn = 3, kCmdJump = 10, kCmdShot = 11 };
enum { kDirForward = 0, kDirLeft = 2, kDirRight = 3 };
// Item command types (their own list) and the palette's items.
enum { kItemStageClear = 2, kItemStatusOperation = 7 };
const int kHero = 1, kBlob = 2;
const int kCoin = 1, kGoal = 12;
const int kShotSound = 1;  // the Sound table's "ショット"

cFlowCmd Command(int type, int tenths) {
    cFlowCmd command;
    command.m_CmdType = static_cast<uint8_t>(type);
    command.m_Time = static_cast<uint16_t>(tenths);
    return command;
}

// A movement at the speed (tenths of a dot a frame).
cFlowCmd Movement(int type, int dir, int speed, int tenths) {
    cFlowCmd command = Command(type, tenths);
    command.m_Move = cEdMove::Create();
    command.m_Move->m_Dir = static_cast<uint8_t>(dir);
    command.m_Move->m_Speed = static_cast<int16_t>(speed);
    return command;
}

// One shot straight ahead, strong enough to defeat a factory enemy at once, gone on its first
// hit.
cFlowCmd Shot() {
    cFlowCmd command = Command(kCmdShot, 1);
    command.m_Sound = kShotSound;
    command.m_Shot = cEdShot::Create();
    cEdShot& shot = *command.m_Shot;
    shot.m_Count = 1;
    shot.m_Dir = kDirForward;
    shot.m_Graphic = 1;
    shot.m_Speed = 80;
    shot.m_UseRange = 1;
    shot.m_Range = 20;  // hbl
    shot.m_VanishOnShot = 1;
    shot.m_Power = 10;
    return command;
}

cFlowCmd ItemCommand(int type, std::initializer_list<int32_t> params) {
    cFlowCmd command = Command(type, 0);
    command.m_CmdSet = 1;
    command.m_Params.assign(params.begin(), params.end());
    return command;
}

// A flow run while the key is held ("常時" with a key condition), again on every frame it stays
// held when it repeats.
cFlow KeyFlow(int key, int repeat, const cFlowCmd& command) {
    cFlow flow;
    flow.m_Trigger = 0;
    flow.m_KeyRepeat = static_cast<uint8_t>(repeat);
    cKeyCond held;
    held.m_PressOpen = 1;
    held.m_KeyStates[key] = 1;
    flow.m_KeyConds.push_back(held);
    flow.m_Commands.push_back(command);
    return flow;
}

}  // namespace

void GiveSampleHeroFlows(cEdChara& hero) {
    hero.m_Flows.clear();
    // A walk lasts a tenth of a second: one of no time would run as its flow starts, before the
    // hero's step sets its speed afresh, and move nothing.
    hero.m_Flows.push_back(KeyFlow(eKeyLeft, 1, Movement(kCmdStraight, kDirLeft, 30, 1)));
    hero.m_Flows.push_back(KeyFlow(eKeyRight, 1, Movement(kCmdStraight, kDirRight, 30, 1)));
    cFlowCmd jump = Command(kCmdJump, 0);
    jump.m_Params = {1, 0, 6, 0, 2};  // adjustable by the key: 6 hbl at most, 2 at least
    hero.m_Flows.push_back(KeyFlow(eKeyZ, 0, jump));
    hero.m_Flows.push_back(KeyFlow(eKeyX, 0, Shot()));
}

namespace {

// The hero walks, jumps and shoots (GiveSampleHeroFlows); the blob walks back and forth, turning
// at walls and ledges. A coin adds 100 to the score; the goal clears the stage.
bool WritePalette() {
    cCommonPalette& palette = ProjectCommonPalette();
    GiveSampleHeroFlows(palette.m_Charas[kHero]);
    cEdChara& blob = palette.m_Charas[kBlob];
    blob.m_Flows.clear();
    cFlow walk;
    walk.m_Trigger = 0;
    walk.m_Commands.push_back(Movement(kCmdGroundReturn, 0, 10, 10));
    blob.m_Flows.push_back(walk);
    // The game's score ("ステータスの操作": the game's status 3, add, the constant 100).
    palette.m_Items[kCoin].m_Commands = {ItemCommand(kItemStatusOperation, {0, 0, 0, 2, 3, 1, 0, 100, 0, 0, 0, 0, 0,
                                                                            0, 0, 0, 0, 0})};
    // The next stage, no warp on the world map.
    palette.m_Items[kGoal].m_Commands = {ItemCommand(kItemStageClear, {0, 0, 0, 0, 0})};
    return palette.SaveFile(g_PathTable[ePathCommonPaletteDefault]);
}

template <size_t N>
cStageRows Rows(const char* const (&rows)[N]) {
    return {rows, static_cast<int>(N)};
}

}  // namespace

bool WriteSampleGame() {
    // One challenge world, every world open from the start; the rest is the factory's.
    cSystemData& system = ProjectSystemData();
    system.m_Title = "サンプルゲーム";
    system.m_WorldCount = 1;
    system.m_AllWorldsSelectable = 1;
    bool ok = system.SaveFile(g_PathTable[ePathSystemDefault]);
    ok = WriteWorldMap() && ok;
    ok = WritePalette() && ok;
    // The factory stage ships here too, so it is written again against the palette it ships
    // with: written against the factory palette, its elements would differ from what the editor
    // inherits, and its first save would change it.
    ok = WriteFactoryStage() && ok;
    ok = WriteRowStage(Rows(kMeadow), "はじめての草原", "default\\stg4\\w1.stg4") && ok;
    ok = WriteRowStage(Rows(kHill), "いしの丘", "default\\stg4\\w2.stg4") && ok;
    ok = WriteRowStage(Rows(kTrialA), "チャレンジ1-1", "default\\stg4\\c01-1.stg4") && ok;
    ok = WriteRowStage(Rows(kTrialB), "チャレンジ1-2", "default\\stg4\\c01-2.stg4") && ok;
    return ok;
}
