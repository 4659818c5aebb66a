// The sample game's first stage played by game.exe from start to goal under keys sent as a player
// would: the blob shot, the first gap jumped, the stone steps climbed, the second gap jumped from
// their top, the robot shot and the goal reached; the result display is then found on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "game/core/Scene.h"
#include "game/play/PlayScene.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/TempDir.h"

namespace {

// Long enough for the whole stage on a heavily loaded machine.
const DWORD kWaitMs = 60000;

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

class cSampleRun {
public:
    cSampleRun() : m_Game(SW_SHOWNORMAL, "data\\stg4\\w1.stg4"), m_Wnd(m_Game.WaitForMainWindow()), m_Keys(m_Wnd) {
        EXPECT_NE(nullptr, m_Wnd);
        EXPECT_TRUE(StartedUp(m_Game));
        EXPECT_TRUE(m_Keys.WaitForScene(eScenePlay, ePlayRun));
    }
    ~cSampleRun() {
        for (WORD vk : {WORD(VK_RIGHT), WORD('Z'), WORD('X')}) Key(vk, false);
        if (!m_Game.Running()) return;
        PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
        DWORD code = 0;
        m_Game.WaitForExit(kWaitMs, &code);
    }
    static void Key(WORD vk, bool down) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof(INPUT));
    }
    // A key pressed once the game reads keys, held until a frame has read it.
    void Press(WORD vk) { m_Keys.Press(vk); }
    // Waits until the hero's line meets the test; false, with the log's end, when it never does.
    bool Until(const char* what, const std::function<bool(const cHero&)>& test) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs && m_Game.Running(); Sleep(5)) {
            if (Read() && test(m_Hero)) return true;
            // A game in the background runs no frames.
            if (GetForegroundWindow() != m_Wnd) SetForegroundWindow(m_Wnd);
        }
        ADD_FAILURE() << "the hero never came to " << what << " (at " << m_Hero.x << ", " << m_Hero.y << " with "
                      << m_Hero.charas << " characters)";
        return false;
    }
    const cHero& Hero() const { return m_Hero; }
    // The share of the client area's rectangle that shows the colour, give or take a little.
    double ScreenShare(const RECT& area, COLORREF colour) const;
    // Waits until at least the share of the rectangle shows the colour.
    bool ScreenShows(const RECT& area, COLORREF colour, double share) const {
        double seen = 0;
        for (DWORD start = GetTickCount(); GetTickCount() - start < kWaitMs && m_Game.Running(); Sleep(100))
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
    POINT origin = {area.left, area.top};
    ClientToScreen(m_Wnd, &origin);
    const int w = area.right - area.left, h = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    int matching = 0;
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; pixels && i < w * h; ++i) {
        const int r = (pixels[i] >> 16) & 255, g = (pixels[i] >> 8) & 255, b = pixels[i] & 255;
        if (std::abs(r - GetRValue(colour)) < 16 && std::abs(g - GetGValue(colour)) < 16 &&
            std::abs(b - GetBValue(colour)) < 16)
            ++matching;
    }
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return static_cast<double>(matching) / (w * h);
}

}  // namespace

TEST(GameProgram, TheSampleGamesFirstStageIsPlayedByKeysToItsResultOnTheScreen) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cSampleRun run;
    // The banner's place shows coins at the start; the table's place shows sky.
    const RECT banner = {256, 192, 384, 224}, table = {336, 224, 536, 272};
    const COLORREF bannerYellow = RGB(247, 203, 41), tableBlue = RGB(16, 28, 74);
    EXPECT_LT(run.ScreenShare(table, tableBlue), 0.02);
    // The blob walking towards the hero: one shot (the blob on the bricks stays, with the robot).
    run.Press('X');
    ASSERT_TRUE(run.Until("the blob shot", [](const cHero& h) { return h.charas == 2; }));
    // The first gap: a full jump while walking, Z let go once the hero falls.
    cSampleRun::Key(VK_RIGHT, true);
    ASSERT_TRUE(run.Until("the first gap", [](const cHero& h) { return h.x >= kJumpGap1; }));
    cSampleRun::Key('Z', true);
    ASSERT_TRUE(run.Until("the top of the jump", [](const cHero& h) { return h.y < kGround - 20 && h.Falling(); }));
    cSampleRun::Key('Z', false);
    ASSERT_TRUE(run.Until("past the first gap", [](const cHero& h) { return h.x > kPastGap1 && h.y >= kGround; }));
    // Against the step's face a full jump; the walk let go above the steps' top.
    ASSERT_TRUE(run.Until("the step's face", [](const cHero& h) { return h.x >= kStepFace; }));
    cSampleRun::Key('Z', true);
    ASSERT_TRUE(run.Until("above the steps", [](const cHero& h) { return h.x >= kStepTop; }));
    cSampleRun::Key(VK_RIGHT, false);
    ASSERT_TRUE(run.Until("the top of the climb", [](const cHero& h) { return h.y < kOnSteps + 12 && h.Falling(); }));
    cSampleRun::Key('Z', false);
    ASSERT_TRUE(run.Until("on the steps", [](const cHero& h) { return h.y >= kOnSteps - 2 && h.y <= kOnSteps + 2; }));
    // The second gap, jumped from there.
    const int startY = run.Hero().y;
    cSampleRun::Key('Z', true);
    cSampleRun::Key(VK_RIGHT, true);
    ASSERT_TRUE(run.Until("the top of the leap", [startY](const cHero& h) { return h.y < startY - 20 && h.Falling(); }));
    cSampleRun::Key('Z', false);
    ASSERT_TRUE(run.Until("past the second gap", [](const cHero& h) { return h.x > kPastGap2 && h.y >= kGround; }));
    cSampleRun::Key(VK_RIGHT, false);
    // The robot: one shot; then the goal.
    run.Press('X');
    ASSERT_TRUE(run.Until("the robot shot", [](const cHero& h) { return h.charas == 1; }));
    cSampleRun::Key(VK_RIGHT, true);
    ASSERT_TRUE(run.Until("the goal", [](const cHero& h) { return h.x >= kNearGoal; }));
    // The stage clears: its banner slides in, then the result table shows.
    EXPECT_TRUE(run.ScreenShows(banner, bannerYellow, 0.1)) << "the stage-clear banner";
    cSampleRun::Key(VK_RIGHT, false);
    EXPECT_TRUE(run.ScreenShows(table, tableBlue, 0.5)) << "the result table";
    EXPECT_TRUE(WaitForText(kLog, "Scene 4 on 4.", 1000)) << dir.Read(kLog);
}
