// The sample game's first stage played by game.exe from start to goal under keys sent as a player
// would: the blob shot, the first gap jumped, the stone steps climbed, the second gap jumped from
// their top, the robot shot and the goal reached; the result display is then found on the screen.
// The stage is played as the start file, as free play chosen in the open dialog (after its result
// it starts again) and from the world map (its clear opens the next square); a replay of it given
// as the start file plays its stage under the player's keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "game/core/Scene.h"
#include "game/data/ReplayData.h"
#include "game/data/StageLoad.h"
#include "game/media/CursorKeys.h"
#include "game/play/PlayScene.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/InputQueue.h"
#include "tests/support/TempDir.h"

namespace {

// Long enough for the whole stage on a heavily loaded machine.
const DWORD kRunWaitMs = 60000;

// Where the route acts, in dots of the hero's hit box (the stage's first column starts at 320):
// a full jump from here clears the first gap when the key arrives up to 16 frames late; the
// stone step's face stops the walk; above the steps' top the walk is let go, so the hero stands
// there before the second gap; past it the robot is shot.
const int kJumpGap1 = 690;
const int kPastGap1 = 840;
const int kStepFace = 1130;
const int kStepTop = 1176;
const int kPastGap2 = 1344;
const int kNearGoal = 1480;
// The hero's height standing on the ground and on the steps' top.
const int kGround = 711;
const int kOnSteps = 648;

// The hero as the game's last "Hero X Y charas N" line has it; prevY is its height before its
// last change.
struct cHero {
    int x = 0, y = 0, charas = -1, prevY = 0;
    bool Falling() const { return y > prevY; }
};

// The banner's place shows coins at the start; the table's place shows sky.
const RECT kBanner = {256, 192, 384, 224}, kTable = {336, 224, 536, 272};
const COLORREF kBannerYellow = RGB(247, 203, 41), kTableBlue = RGB(16, 28, 74);

class cSampleRun {
public:
    // The game started on the start file, in play once it is up; without one, on the title menu.
    explicit cSampleRun(const char* startFile)
        : m_Game(SW_SHOWNORMAL, startFile), m_Wnd(m_Game.WaitForMainWindow()), m_Keys(m_Wnd) {
        EXPECT_NE(nullptr, m_Wnd);
        EXPECT_TRUE(StartedUp(m_Game));
        if (startFile) {
            EXPECT_TRUE(m_Keys.WaitForScene(eScenePlay, ePlayRun));
        }
    }
    ~cSampleRun() {
        for (WORD vk : {WORD(VK_RIGHT), WORD('Z'), WORD('X')}) SendKey(vk, false);
        if (!m_Game.Running()) return;
        PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
        DWORD code = 0;
        m_Game.WaitForExit(kRunWaitMs, &code);
    }
    // A key pressed once the game reads keys, held until a frame has read it.
    void Press(WORD vk) { m_Keys.Press(vk); }
    void Press(std::initializer_list<WORD> keys) { m_Keys.Press(keys); }
    bool InScene(int scene, int state = -1) { return m_Keys.WaitForScene(scene, state); }
    cGameProcess& Game() { return m_Game; }
    // From the start of play to the goal by the route; then the clear banner and the result
    // table are on the screen.
    void PlayToTheGoal();
    // Waits until the hero's line meets the test; false, with the log's end, when it never does.
    bool Until(const char* what, const std::function<bool(const cHero&)>& test) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < kRunWaitMs && m_Game.Running(); Sleep(5)) {
            if (Read() && test(m_Hero)) return true;
            // A game in the background runs no frames.
            if (GetForegroundWindow() != m_Wnd) SetForegroundWindow(m_Wnd);
        }
        ADD_FAILURE() << "the hero never came to " << what << " (at " << m_Hero.x << ", " << m_Hero.y << " with "
                      << m_Hero.charas << " characters)";
        return false;
    }
    const cHero& Hero() const { return m_Hero; }
    // The lives that each start of play logged ("Lives N"), once the game has logged at least
    // count of them; fewer, with a failure, when it never does.
    std::vector<int> LivesAtStarts(size_t count) {
        std::vector<int> lives;
        for (DWORD start = GetTickCount(); GetTickCount() - start < kRunWaitMs && m_Game.Running(); Sleep(50)) {
            std::ifstream in(kLog, std::ios::binary);
            std::stringstream content;
            content << in.rdbuf();
            lives = LoggedLives(content.str());
            if (lives.size() >= count) return lives;
            if (GetForegroundWindow() != m_Wnd) SetForegroundWindow(m_Wnd);
        }
        ADD_FAILURE() << "the game logged " << lives.size() << " starts of play, not " << count;
        return lives;
    }
    // The share of the client area's rectangle that shows the colour, give or take a little.
    double ScreenShare(const RECT& area, COLORREF colour) const;
    // Waits until at least the share of the rectangle shows the colour.
    bool ScreenShows(const RECT& area, COLORREF colour, double share) const {
        double seen = 0;
        for (DWORD start = GetTickCount(); GetTickCount() - start < kRunWaitMs && m_Game.Running(); Sleep(100))
            if ((seen = ScreenShare(area, colour)) >= share) return true;
        ADD_FAILURE() << "the screen showed " << seen << " of the colour";
        return false;
    }

private:
    bool Read() {
        // The log's end is enough, and a look costs the game little time.
        std::ifstream in(kLog, std::ios::binary);
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        if (size <= 0) return false;
        in.seekg(size > 1024 ? size - 1024 : 0);
        std::stringstream content;
        content << in.rdbuf();
        std::string text = content.str();
        // A line still being written is left for the next look.
        text.erase(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
        const size_t at = text.rfind("\nHero ");
        cHero now = m_Hero;
        if (at == std::string::npos || std::sscanf(text.c_str() + at + 1, "Hero %d %d charas %d", &now.x, &now.y,
                                                    &now.charas) != 3)
            return false;
        if (now.y != m_Hero.y) now.prevY = m_Hero.y;
        m_Hero = now;
        return true;
    }

    cGameProcess m_Game;
    HWND m_Wnd;
    cMenuKeys m_Keys;
    cHero m_Hero;
};

double cSampleRun::ScreenShare(const RECT& area, COLORREF colour) const {
    const std::vector<COLORREF> pixels = ScreenPixels(m_Wnd, area);
    int matching = 0;
    for (COLORREF p : pixels)
        if (NearColour(p, colour)) ++matching;
    return pixels.empty() ? 0 : static_cast<double>(matching) / pixels.size();
}

void cSampleRun::PlayToTheGoal() {
    // The blob walking towards the hero: one shot (the blob on the bricks stays, with the robot).
    Press('X');
    ASSERT_TRUE(Until("the blob shot", [](const cHero& h) { return h.charas == 2; }));
    // The first gap: a full jump while walking, Z let go once the hero falls.
    SendKey(VK_RIGHT, true);
    ASSERT_TRUE(Until("the first gap", [](const cHero& h) { return h.x >= kJumpGap1; }));
    SendKey('Z', true);
    ASSERT_TRUE(Until("the top of the jump", [](const cHero& h) { return h.y < kGround - 20 && h.Falling(); }));
    SendKey('Z', false);
    ASSERT_TRUE(Until("past the first gap", [](const cHero& h) { return h.x > kPastGap1 && h.y >= kGround; }));
    // Against the step's face a full jump; the walk let go above the steps' top.
    ASSERT_TRUE(Until("the step's face", [](const cHero& h) { return h.x >= kStepFace; }));
    SendKey('Z', true);
    ASSERT_TRUE(Until("above the steps", [](const cHero& h) { return h.x >= kStepTop; }));
    SendKey(VK_RIGHT, false);
    ASSERT_TRUE(Until("the top of the climb", [](const cHero& h) { return h.y < kOnSteps + 12 && h.Falling(); }));
    SendKey('Z', false);
    ASSERT_TRUE(Until("on the steps", [](const cHero& h) { return h.y >= kOnSteps - 2 && h.y <= kOnSteps + 2; }));
    // The second gap, jumped from there.
    const int startY = m_Hero.y;
    SendKey('Z', true);
    SendKey(VK_RIGHT, true);
    ASSERT_TRUE(Until("the top of the leap", [startY](const cHero& h) { return h.y < startY - 20 && h.Falling(); }));
    SendKey('Z', false);
    ASSERT_TRUE(Until("past the second gap", [](const cHero& h) { return h.x > kPastGap2 && h.y >= kGround; }));
    SendKey(VK_RIGHT, false);
    // The robot: one shot; then the goal.
    Press('X');
    ASSERT_TRUE(Until("the robot shot", [](const cHero& h) { return h.charas == 1; }));
    SendKey(VK_RIGHT, true);
    ASSERT_TRUE(Until("the goal", [](const cHero& h) { return h.x >= kNearGoal; }));
    // The stage clears: its banner slides in, then the result table shows.
    EXPECT_TRUE(ScreenShows(kBanner, kBannerYellow, 0.1)) << "the stage-clear banner";
    SendKey(VK_RIGHT, false);
    EXPECT_TRUE(ScreenShows(kTable, kTableBlue, 0.5)) << "the result table";
}

// A replay of the first stage that walks right from its first frame, written into the current
// folder as the game writes one (the stage as the game holds it, then the keys). The project's
// stage and palette are put back as they were.
void WriteWalkingReplay(const char* path) {
    const cCommonPalette palette = ProjectCommonPalette();
    const cEdStage stage = ProjectStage();
    cReplayData replay;
    replay.m_Seed = 1;
    for (int i = 0; i < 600; ++i) replay.RecordFrame(kKeyRight, 0);
    const bool written = ProjectCommonPalette().LoadFile("data\\CommonPalette.cplt4") &&
                         LoadStageAndStart("data\\stg4\\w1.stg4", 1) == 1 && replay.SaveReplayFile(path, ProjectStage());
    ProjectCommonPalette() = palette;
    ProjectStage() = stage;
    ASSERT_TRUE(written);
}

}  // namespace

TEST(GameProgram, TheSampleGamesFirstStageIsPlayedByKeysToItsResultOnTheScreen) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cSampleRun run("data\\stg4\\w1.stg4");
    EXPECT_LT(run.ScreenShare(kTable, kTableBlue), 0.02);
    ASSERT_NO_FATAL_FAILURE(run.PlayToTheGoal());
    EXPECT_TRUE(WaitForText(kLog, "Scene 4 on 4.", 1000)) << dir.Read(kLog);
}

// A replay given as the start file plays the stage it holds as free play: the hero stands until
// the player's own jump lifts it (played as a replay, it would walk right under the replay's keys
// and never jump).
TEST(GameProgram, AReplayGivenAsTheStartFilePlaysItsStageUnderThePlayersKeys) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    ASSERT_NO_FATAL_FAILURE(WriteWalkingReplay("walk.rpl4_147"));
    cSampleRun run("walk.rpl4_147");
    // A shot first, as a key the game is seen to read (it brings the window to the front).
    run.Press('X');
    ASSERT_TRUE(run.Until("the ground", [](const cHero& h) { return h.y >= kGround; }));
    const cHero start = run.Hero();
    SendKey('Z', true);
    EXPECT_TRUE(run.Until("a jump", [](const cHero& h) { return h.y < kGround - 20; }));
    SendKey('Z', false);
    EXPECT_EQ(start.x, run.Hero().x) << "the hero walked on the replay's keys";
}

// Free play from the title menu: the stage chosen in the open dialog, played to its result, starts
// again when the result is left, as a stage file played on its own does: a new run with the lives
// of the first, so that its first death (walked into the first gap) starts the stage again with
// one life fewer instead of ending the game.
TEST(GameProgram, FreePlayChosenInTheOpenDialogStartsAgainAfterItsResult) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cSampleRun run(nullptr);
    // "フリー" is the fourth row of the title menu.
    run.Press({VK_DOWN, VK_DOWN, VK_DOWN, 'Z'});
    ASSERT_TRUE(run.Game().AnswerFileDialog("ステージファイルの選択", "w1.stg4_147")) << dir.Read(kLog);
    ASSERT_TRUE(run.InScene(eScenePlay, ePlayRun));
    const int lives = run.LivesAtStarts(1).at(0);
    EXPECT_GT(lives, 0);
    ASSERT_NO_FATAL_FAILURE(run.PlayToTheGoal());
    run.Press('Z');
    ASSERT_TRUE(run.InScene(eScenePlay, ePlayRun)) << "the stage plays again";
    EXPECT_EQ("", run.Game().AnswerBox("エラー", 500));
    ASSERT_EQ(2u, run.LivesAtStarts(2).size());
    EXPECT_EQ(lives, run.LivesAtStarts(2)[1]) << "the next run's lives";
    SendKey(VK_RIGHT, true);
    const std::vector<int> afterDeath = run.LivesAtStarts(3);
    SendKey(VK_RIGHT, false);
    ASSERT_EQ(3u, afterDeath.size()) << "the stage starts again after the death";
    EXPECT_EQ(lives - 1, afterDeath[2]);
    EXPECT_TRUE(run.Game().Running());
}

// A story stage cleared from the world map sets its square's clear flag: the gate east of it
// becomes the next stage's square, which offers its stage when the player steps on it.
TEST(GameProgram, AStoryStageClearedFromTheMapOpensTheNextSquare) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cSampleRun run(nullptr);
    // A new story on the map's start, three cells west of the first stage's square.
    run.Press('Z');
    ASSERT_TRUE(run.InScene(eSceneWorldMap));
    run.Press({VK_RIGHT, VK_RIGHT, VK_RIGHT, 'Z', VK_UP, 'Z'});
    ASSERT_TRUE(run.InScene(eScenePlay, ePlayRun));
    ASSERT_NO_FATAL_FAILURE(run.PlayToTheGoal());
    run.Press('Z');
    ASSERT_TRUE(run.InScene(eSceneWorldMap, 1));
    // The second stage's square may be passed; the gate stood six cells east.
    run.Press({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT});
    EXPECT_TRUE(run.InScene(eSceneWorldMap, 2)) << "the next stage's square offers its stage";
}
