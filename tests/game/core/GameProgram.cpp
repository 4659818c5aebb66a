#include "tests/game/core/GameProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "data/CommonPalette.h"
#include "data/ProjectDatabase.h"
#include "data/Record.h"
#include "data/Stage.h"
#include "framework/Format.h"
#include "game/data/StorySave.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/InputQueue.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TopWindows.h"

namespace {

void ListInto(const std::string& folder, const std::string& prefix, std::vector<std::string>& out) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.push_back(prefix + name + "\\");
            ListInto(folder + "\\" + name, prefix + name + "\\", out);
        } else {
            out.push_back(Format("%s%s %lu %lu:%lu", prefix.c_str(), name.c_str(), found.nFileSizeLow,
                                 found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime));
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Long enough for a scene's fades on a heavily loaded machine.
const DWORD kMenuWaitMs = 30000;

// The last lines of the game's log, for a failure's message.
std::string LogEnd() {
    std::ifstream in(kLog, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    std::string text = WithoutCR(content.str());
    return text.size() > 1500 ? text.substr(text.size() - 1500) : text;
}

BOOL CALLBACK CollectStaticText(HWND wnd, LPARAM param) {
    char cls[64] = "", text[1024] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, text, sizeof text);
    std::string lower = cls;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    if (lower == "static" && text[0]) *reinterpret_cast<std::string*>(param) += text;
    return TRUE;
}

}  // namespace

bool CopyGameProject(const char* dataFolder) {
    return CopyFactoryProject() && CopyFactoryFolder("default", dataFolder) && CopyFactoryFolder("System.ini");
}

namespace {

bool CopyProjectFolder(const char* project) {
    for (const char* name : {"bmp", "e_bmp", "wave", "bgm", "default", "System.ini"})
        if (!CopyFactoryFolder(name, nullptr, project)) return false;
    return CopyFactoryFolder("default", "data", project);
}

}  // namespace

bool CopySampleGame() { return CopyProjectFolder("sample"); }

bool CopyFixtureProject() { return CopyProjectFolder("fixtures"); }

bool EditCopiedStage(const char* path, const std::function<bool(cEdStage&)>& change) {
    cRestoreOnExit<cCommonPalette> palette{ProjectCommonPalette()};
    cRestoreOnExit<cRecordVector<cBgm>> songs{ProjectDatabase().m_Bgms};
    cEdStage stage;
    return ProjectCommonPalette().LoadFile("data\\CommonPalette.cplt4") &&
           LoadVectorFile(ProjectDatabase().m_Bgms, "data\\database\\Bgm.dat") && stage.LoadFile(path) &&
           change(stage) && stage.SaveFile(path);
}

cStorySave NewStoryAt(int column, int row) {
    cStorySave story;
    story.Reset();
    story.m_WorldX = column;
    story.m_WorldY = row;
    return story;
}

bool WriteFirstSlot(cStorySave& story) {
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\story", nullptr);
    return WriteStory(story, 0);
}

std::vector<std::string> ListTree(const std::string& folder) {
    std::vector<std::string> out;
    ListInto(folder, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

cGameProcess::cGameProcess(int show, const char* arguments) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(show);
    std::string command = "\"" + BuildPath("game.exe") + "\"";
    if (arguments) command += std::string(" ") + arguments;
    SetEnvironmentVariableA("KIT_ERROR_LOG", "1");
    m_started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
    SetEnvironmentVariableA("KIT_ERROR_LOG", nullptr);
}

cGameProcess::~cGameProcess() {
    if (!m_started) return;
    if (Running()) {
        TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hProcess);
    CloseHandle(m_pi.hThread);
}

bool cGameProcess::Running() const { return m_started && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT; }

HWND cGameProcess::WaitForMainWindow(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs && Running()) {
        if (HWND found = FindTopWindow({m_pi.dwProcessId, true, "Quorbel4"})) return found;
        Sleep(20);
    }
    return nullptr;
}

std::string cGameProcess::AnswerBox(const char* caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs && Running()) {
        if (HWND box = FindTopWindow({m_pi.dwProcessId, true, "#32770", nullptr, nullptr, caption})) {
            std::string text;
            EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return text;
        }
        Sleep(20);
    }
    return std::string();
}

HWND cGameProcess::WaitForDialog(DWORD timeoutMs, const char* caption) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs && Running()) {
        if (HWND found = FindTopWindow({m_pi.dwProcessId, true, "#32770", nullptr, nullptr, caption})) return found;
        Sleep(20);
    }
    return nullptr;
}

bool cGameProcess::AnswerFileDialog(const char* caption, const char* name) {
    HWND dialog = WaitForDialog(20000, caption);
    return dialog && ::AnswerFileDialog(dialog, name);
}

bool cGameProcess::WaitForExit(DWORD timeoutMs, DWORD* code) {
    if (WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(m_pi.hProcess, code);
    return true;
}

bool StartedUp(cGameProcess& game) {
    static const char marks[] = "A\nB\nC\nD\nE\nF\nG\nH\nDDInit成功\n1\n2\n3\n4\nI\n";
    return WaitForText(kLog, marks, 20000) && WaitForText(kLog, "\nJ\n", 20000) && game.Running();
}

std::vector<cSceneLine> cMenuKeys::Lines() {
    std::ifstream in(kLog, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    std::string text = WithoutCR(content.str());
    // A line still being written is left for the next look.
    text.erase(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    std::vector<cSceneLine> lines;
    std::istringstream rows(text);
    for (std::string row; std::getline(rows, row);) {
        cSceneLine line;
        if (std::sscanf(row.c_str(), "Scene %d %7s %d.%d keys %d %d", &line.scene, line.phase, &line.state,
                        &line.subState, &line.direction, &line.buttons) == 6)
            lines.push_back(line);
    }
    return lines;
}

bool cMenuKeys::ToFront() {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kMenuWaitMs; Sleep(50)) {
        if (GetForegroundWindow() == m_Wnd) return true;
        SetForegroundWindow(m_Wnd);
    }
    ADD_FAILURE() << "the game's window did not come to the front";
    return false;
}

bool cMenuKeys::WaitForScene(int scene, int state) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kMenuWaitMs; Sleep(20)) {
        const std::vector<cSceneLine> lines = Lines();
        if (!lines.empty() && lines.back().scene == scene && lines.back().Ready() &&
            (state < 0 || lines.back().state == state))
            return true;
        // A game in the background runs no frames.
        if (GetForegroundWindow() != m_Wnd) SetForegroundWindow(m_Wnd);
    }
    ADD_FAILURE() << "scene " << scene << " (state " << state << ") did not come; the log ends:\n" << LogEnd();
    return false;
}

bool cMenuKeys::WaitForKeys(WORD vk, size_t& seen) {
    for (DWORD start = GetTickCount();; Sleep(20)) {
        const std::vector<cSceneLine> lines = Lines();
        if (!lines.empty() && lines.back().Ready()) {
            seen = lines.size();
            return ToFront();
        }
        if (GetTickCount() - start > kMenuWaitMs) {
            ADD_FAILURE() << "no scene took keys before key " << vk << "; the log ends:\n" << LogEnd();
            return false;
        }
        if (GetForegroundWindow() != m_Wnd) SetForegroundWindow(m_Wnd);
    }
}

void cMenuKeys::Press(WORD vk) {
    size_t seen = 0;
    if (!WaitForKeys(vk, seen)) return;
    SendKey(vk, true);
    // Held until a frame has read it. A held direction repeats only after 18 frames, far more
    // than a look at the log takes.
    bool read = false;
    for (DWORD start = GetTickCount(); !read && GetTickCount() - start < kMenuWaitMs;) {
        const std::vector<cSceneLine> lines = Lines();
        for (size_t i = seen; i < lines.size(); ++i)
            if (lines[i].direction || lines[i].buttons) read = true;
        if (!read) Sleep(10);
    }
    SendKey(vk, false);
    if (!read) ADD_FAILURE() << "no frame read key " << vk << "; the log ends:\n" << LogEnd();
}

void cMenuKeys::PressUntil(WORD vk, int scene, int state) {
    size_t seen = 0;
    if (!WaitForKeys(vk, seen)) return;
    SendKey(vk, true);
    bool reached = false;
    for (DWORD start = GetTickCount(); !reached && GetTickCount() - start < kMenuWaitMs;) {
        const std::vector<cSceneLine> lines = Lines();
        reached = lines.size() > seen && lines.back().scene == scene && lines.back().state == state;
        if (!reached) Sleep(10);
    }
    SendKey(vk, false);
    if (!reached) ADD_FAILURE() << "key " << vk << " did not bring state " << state << "; the log ends:\n" << LogEnd();
}

cGameSession::cGameSession(const char* arguments)
    : m_Game(SW_SHOWNORMAL, arguments), m_Wnd(m_Game.WaitForMainWindow()), m_Keys(m_Wnd) {
    EXPECT_NE(nullptr, m_Wnd);
    EXPECT_TRUE(StartedUp(m_Game));
}

cGameSession::~cGameSession() {
    if (!m_Game.Running()) return;
    PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
    DWORD code = 0;
    m_Game.WaitForExit(kMenuWaitMs, &code);
}

std::string WithoutCR(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

bool WaitForText(const char* file, const std::string& text, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        std::ifstream in(file, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        if (WithoutCR(content.str()).find(text) != std::string::npos) return true;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

size_t OpenedTimes(const std::string& log, const std::string& song) {
    const std::string line = "Midi " + song + " Open ";
    size_t count = 0;
    for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1)) ++count;
    return count;
}

std::vector<int> LoggedLives(const std::string& log) {
    std::vector<int> lives;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        int n = 0;
        if (std::sscanf(line.c_str(), "Lives %d", &n) == 1) lives.push_back(n);
    }
    return lives;
}

namespace {

// The colours of a w x h area at (x, y) of what the device context shows, row by row.
std::vector<COLORREF> PixelsOf(HDC source, int x, int y, int w, int h) {
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, w, h, source, x, y, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> colours;
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; pixels && i < w * h; ++i)
        colours.push_back(RGB((pixels[i] >> 16) & 255, (pixels[i] >> 8) & 255, pixels[i] & 255));
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    return colours;
}

}  // namespace

std::vector<COLORREF> ScreenPixels(HWND wnd, const RECT& area) {
    POINT origin = {area.left, area.top};
    ClientToScreen(wnd, &origin);
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> colours = PixelsOf(screen, origin.x, origin.y, area.right - area.left, area.bottom - area.top);
    ReleaseDC(nullptr, screen);
    return colours;
}

std::vector<COLORREF> BitmapFilePixels(const char* path, const RECT& area) {
    HANDLE picture = LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!picture) return {};
    HDC screen = GetDC(nullptr);
    HDC file = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(file, picture);
    std::vector<COLORREF> colours = PixelsOf(file, area.left, area.top, area.right - area.left, area.bottom - area.top);
    SelectObject(file, old);
    DeleteDC(file);
    ReleaseDC(nullptr, screen);
    DeleteObject(picture);
    return colours;
}

bool NearColour(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) < 16 && std::abs(GetGValue(a) - GetGValue(b)) < 16 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 16;
}
