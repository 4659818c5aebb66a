#include "game/core/GameLoop.h"

#include <mmsystem.h>

#include "framework/ErrorLog.h"
#include "framework/FrameTimer.h"
#include "framework/GameHelpers.h"
#include "game/core/FrameTimes.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/InputDevices.h"
#include "game/core/KeyConfig.h"
#include "game/core/SceneManager.h"
#include "game/core/SystemIni.h"
#include "game/core/GameInit.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/ScreenSize.h"

namespace {

const int kFpsTextX = 495;
const int kFpsTextY = 463;
// Black in the factory palette, and outside the colour blocks that the palette variations move.
const int kBlankColour = 15;
const int kJoystickRetry = 60;
// How long the loop sleeps between looks at its queue while the game is in the background.
const DWORD kInactiveWaitMs = 20;
// The last milliseconds before a frame's deadline, waited for without sleeping.
const int kSpinMs = 2;

bool g_frameWait = false;
cFrameTimeRing g_frameTimes;

// The digit strips are drawn, not loaded: a lost one is drawn again.
bool RestoreFontSurfaces() {
    for (int i = 0; i < kTextStyleCount; ++i) {
        cSurface& strip = FontSurfaces()[i];
        if (!strip.lpSurface || strip.lpSurface->IsLost() != DDERR_SURFACELOST) continue;
        if (FAILED(strip.lpSurface->Restore())) return false;
        DrawDigitStrip(strip, GameFonts()[i]);
    }
    return true;
}

// Sleeps while more than kSpinMs remain, then keeps the processor until the frame is due: a sleep
// may end a millisecond or more after it was asked to, and a frame that starts that late is shown
// after the screen's next refresh. Giving the processor away instead (a yield) hands it to any
// busy thread beside the game for that thread's whole time slice, some milliseconds.
void WaitForDeadline() {
    if (!g_frameWait) return;
    int fps = SceneManager().m_nFps;
    while (!CheckFrame(fps)) {
        if (FrameDueIn() > kSpinMs)
            Sleep(1);
        else
            YieldProcessor();
    }
}

// The scene asked for is made (the others deleted unless kept) and runs its frame. A frame
// without a scene shows black.
void RunScene() {
    cSceneManager& scenes = SceneManager();
    try {
        scenes.Switch(scenes.m_nScene);
    } catch (const char* text) {
        ErrorLogAndClose(GameShell().hDDWnd, "%s", text);
    }
    if (!scenes.Scene(scenes.m_nScene)) DDFillRect(Display().Back, 0, 0, kScreenWidth, kScreenHeight, kBlankColour);
    scenes.RunScene();
}

}  // namespace

void cFrameTimeRing::Add(int32_t milliseconds) {
    m_Times[m_Position] = milliseconds;
    if (++m_Position < kSize) return;
    m_Position = 0;
    uint32_t sum = 0;
    for (int32_t t : m_Times) sum += static_cast<uint32_t>(t);
    m_Average = sum >> 4;
}

void SetFrameSettings(int fps, int fadeStep) {
    SceneManager().m_nFps = fps;
    SceneManager().m_nFadeStep = fadeStep;
    for (double& factor : SceneManager().m_dFactors) factor = 1.0;
}

void SetFrameWait(bool on) { g_frameWait = on; }

DWORD WINAPI GameLoop(void*) {
    cGameShell& shell = GameShell();
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ErrorLog("GameLoop WM_QUIT!");
                return 1;
            }
            continue;
        }
        // Shutting down or in the background: wait for a message instead of running frames.
        if (shell.bQuit || !shell.bAppActive) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kInactiveWaitMs, QS_ALLINPUT);
            continue;
        }
        if (!Frame()) {
            PostMessageA(shell.hDDWnd, WM_CLOSE, 0, 0);
            return 1;
        }
    }
}

int Frame() {
    MarkFrame(eFrameBegins);
    WaitForDeadline();
    MarkFrame(eFrameDue);
    DWORD start = timeGetTime();
    if (!FrameStart()) return 0;
    PollInput(GetPlayerInput(0));
    MarkFrame(eFrameInput);
    RunScene();
    MarkFrame(eFrameRun);
    int fps = GetFps();
    int32_t elapsed = static_cast<int32_t>(timeGetTime() - start);
    if (SystemIni().ShowFps) {
        g_frameTimes.Add(elapsed);
        GameFonts()[kSystemFont].PrintfBox(Display().Back, kFpsTextX, kFpsTextY, 0, 0, "FPS%2d(%2d)", fps,
                                           static_cast<int>(g_frameTimes.Average()));
    }
    MarkFrame(eFrameDrawn);
    Present();
    MarkFrame(eFrameShown);
    return 1;
}

int FrameStart() {
    cDisplayState& d = Display();
    if (!d.Primary.lpSurface || d.Primary.lpSurface->IsLost() != DDERR_SURFACELOST) return 1;
    if (!DDRestoreSurfaces()) return 0;
    return RestoreFontSurfaces() ? 1 : 0;
}

void Present() {
    cDisplayState& d = Display();
    if (!d.Primary.lpSurface || !d.Back.lpSurface) return;
    if (d.nWindowMode) {
        RECT target = ClientScreenRect();
        RECT source = {0, 0, kScreenWidth, kScreenHeight};
        d.Primary.lpSurface->Blt(&target, d.Back.lpSurface, &source, DDBLT_WAIT, nullptr);
    } else if (g_bPresentByBlit) {
        DDBlt(d.Primary, 0, 0, kScreenWidth, kScreenHeight, d.Back, 0, 0, 0);
    } else {
        d.Primary.lpSurface->Flip(nullptr, DDFLIP_WAIT);
    }
}


void PollInput(cInput& input) {
    const cKeyConfig& keys = GameKeyConfig();
    if (keys.bCustom)
        input.PollCustom(SystemInputDevices(), keys, kJoystickRetry);
    else
        input.PollDefault(SystemInputDevices(), keys, 0, kPollJoystick | kPollKeyboard, kJoystickRetry);
}
