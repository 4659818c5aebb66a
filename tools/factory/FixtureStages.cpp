#include "tools/factory/FixtureStages.h"

#include <vector>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "tools/factory/FactoryStage.h"
#include "tools/factory/SampleGame.h"

namespace {

// The hero stands two cells left of a stone wall as high as the stage; the view scrolls right by
// itself, so its left edge pushes the hero into the wall.
const char* const kAutoScroll[] = {
    "......S.......................", "......S.......................", "......S.......................",
    "......S.......................", "......S.......................", "......S.......................",
    "......S.......................", "......S.......................", "......S.......................",
    "......S.......................", "......S.......................", "......S.......................",
    "..H...S.......................", "##############################", "==============================",
};
const int kAutoScrollMode = 1;    // a row of ScrollModeNames
const int kAutoScrollSpeed = 20;  // tenths of a dot a frame

// The hero stands on the item (put there by ShowItem) and takes it on the first step.
const char* const kShow[] = {
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "........................................",
    "..H.....................................",
    "########################################",
    "========================================",
};
const int kHeroColumn = 2, kHeroRow = 12;
const int kCoin = 1;  // the common palette's coin lends the item its graphic
const int kHero = 1;

// The hero (walking, jumping and shooting as the sample game's does) stands before a wall that
// its shots meet; beyond it, coins and bats on ledges hang over a long floor, left behind the view
// as the hero walks on (Leavers).
const char* const kLeavers[] = {
    "................................................",
    "................................................",
    "................................................",
    "........o.......o.......o.......o.......o.......",
    "................................................",
    "...........v...........v...........v............",
    "..........BBB.........BBB.........BBB...........",
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    "......S.........................................",
    "..H...S.........................................",
    "################################################",
    "================================================",
};

// Item command types and their parameters (game/flow: ShowCommands.cpp, MessageCommand.cpp).
enum { kItemStageClear = 2, kItemMessage = 4, kItemEffect = 13, kItemPicture = 16 };
enum { kOwnerCentre = 1, kScreenPoint = 3 };
enum { kUntilKey = 0, kUntilStageEnd = 1 };
// The burst that generate.py draws: eight cells of 32 x 32.
const int kEffectNumber = 1, kBurstCells = 8, kBurstCellTenths = 3;
const int kPictureNumber = 1;

cFlowCmd ItemCommand(int type, std::vector<int32_t> params, const char* text = "") {
    cFlowCmd command;
    command.m_CmdSet = 1;
    command.m_CmdType = static_cast<uint8_t>(type);
    command.m_Params = std::move(params);
    command.m_Text = text;
    return command;
}

void AutoScroll(cEdStage& stage) {
    stage.m_ScrollMode[0] = kAutoScrollMode;
    stage.m_AutoScrollSpeed[0] = kAutoScrollSpeed;
}

// An item of its own (no inheritance), with the coin's graphic, under the hero.
void PutItemUnderHero(cEdStage& stage, const char* name, const std::vector<cFlowCmd>& commands) {
    cEdItem item = ProjectCommonPalette().m_Items[kCoin];
    item.m_InheritSrc = 0;
    item.m_Name = name;
    item.m_Commands.clear();
    for (const cFlowCmd& command : commands) item.m_Commands.push_back(command);
    stage.m_Items.Put(stage.CellIndex(kHeroColumn, kHeroRow), item);
}

// An item that shows a burst three times its size on the hero, the title picture at 30 % near
// the top right, then a message at the screen's centre that holds the game until a key.
void ShowItem(cEdStage& stage) {
    PutItemUnderHero(stage, "しかけ",
                     {ItemCommand(kItemEffect, {kEffectNumber, kOwnerCentre, 0, 0, 0, 0, 300, 0}),
                      ItemCommand(kItemPicture, {kPictureNumber, kScreenPoint, 12, 1, 0, 0, 30, kUntilStageEnd, 0, 0}),
                      ItemCommand(kItemMessage, {0, 0, 0, 0, 0, 0, kUntilKey, 0, 1}, "しかけのアイテムを取った！")});
}

// An item that clears the stage when it is taken, on the first step.
void GoalItem(cEdStage& stage) { PutItemUnderHero(stage, "ゴール", {ItemCommand(kItemStageClear, {0, 0, 0, 0, 0})}); }

// The hero's three boxes shown over it: the one against items outlined in green, the one against
// enemies filled half through in red, the one against shots outlined in the rainbow's colours.
void ShowHitBoxes(cEdStage& stage) {
    enum { kFilled = 1, kOutline = 2 };         // rows of HitAreaDisplayNames
    enum { kRed = 0, kGreen = 1, kRainbow = 7 };  // rows of HitAreaColorNames
    const struct {
        int area, width, height, shown, colour;
    } boxes[] = {{eHitHeroItem, 28, 30, kOutline, kGreen},
                 {eHitHeroEnemy, 16, 24, kFilled, kRed},
                 {eHitHeroShot, 8, 12, kOutline, kRainbow}};
    for (const auto& box : boxes) {
        stage.m_HitAreas[box.area].width = box.width;
        stage.m_HitAreas[box.area].height = box.height;
        stage.m_HitDisplay[box.area] = box.shown;
        stage.m_HitColor[box.area] = box.colour;
    }
}

// Enemies and items go once they are behind the view's left edge; the hero, of its own (no
// inheritance), has the sample game's flows.
void Leavers(cEdStage& stage) {
    for (int kind : {eVanishEnemy, eVanishItem}) stage.m_AutoVanish[kind].m_Left = 1;
    const cPoint at = stage.FindHero();
    cEdChara hero = ProjectCommonPalette().m_Charas[kHero];
    hero.m_InheritSrc = 0;
    GiveSampleHeroFlows(hero);
    stage.PutCharaAt(at.x, at.y, hero);
}

// The burst as an effect and the title picture as a picture, in the factory copies of their
// tables.
bool WriteShowTables() {
    cDatabase& database = ProjectDatabase();
    database.m_Effects.resize(kEffectNumber + 1);
    cEffect& burst = database.m_Effects[kEffectNumber];
    burst.m_Name = "バースト";
    burst.m_File = "bmp\\effect\\Burst.bmp";
    burst.m_CellWidth = burst.m_CellHeight = 32;
    burst.m_Frames.assign(kBurstCells, cEffectFrame());
    for (int i = 0; i < kBurstCells; ++i) {
        burst.m_Frames[i].m_Cell = i;
        burst.m_Frames[i].m_Time = kBurstCellTenths;
    }
    database.m_Pictures.resize(kPictureNumber + 1);
    database.m_Pictures[kPictureNumber].m_Name = "タイトル";
    database.m_Pictures[kPictureNumber].m_File = "bmp\\Title.bmp";
    // The factory copy of table k follows its data file in the path table.
    const int first = ePathDatabase + 1;
    return SaveVectorFile(database.m_Effects, g_PathTable[first + 2 * 4]) &&
           SaveVectorFile(database.m_Pictures, g_PathTable[first + 2 * 7]);
}

template <size_t N>
cStageRows Rows(const char* const (&rows)[N]) {
    return {rows, static_cast<int>(N)};
}

}  // namespace

bool WriteFixtureStages() {
    bool ok = WriteShowTables();
    ok = WriteRowStage(Rows(kAutoScroll), "オートスクロール", "default\\stg4\\AutoScroll.stg4", AutoScroll) && ok;
    ok = WriteRowStage(Rows(kShow), "アイテムのしかけ", "default\\stg4\\Show.stg4", ShowItem) && ok;
    ok = WriteRowStage(Rows(kShow), "当たり判定の表示", "default\\stg4\\HitBoxes.stg4", ShowHitBoxes) && ok;
    ok = WriteRowStage(Rows(kShow), "すぐにクリア", "default\\stg4\\Goal.stg4", GoalItem) && ok;
    ok = WriteRowStage(Rows(kLeavers), "画面の外へ", "default\\stg4\\Leavers.stg4", Leavers) && ok;
    return ok;
}
