#include "tests/game/core/GameProgram.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "framework/Format.h"
#include "tests/support/RunningProgram.h"

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

struct cSearch {
    DWORD pid;
    const char* cls;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND wnd, LPARAM param) {
    cSearch* search = reinterpret_cast<cSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    char cls[64] = "", caption[256] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, caption, sizeof caption);
    if (pid != search->pid || std::string(cls) != search->cls || !IsWindowVisible(wnd)) return TRUE;
    if (search->caption && std::string(caption) != search->caption) return TRUE;
    search->found = wnd;
    return FALSE;
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

bool CopySampleGame() {
    for (const char* name : {"bmp", "e_bmp", "wave", "bgm", "default", "System.ini"})
        if (!CopyFactoryFolder(name, nullptr, "sample")) return false;
    return CopyFactoryFolder("default", "data", "sample");
}

void PressKey(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    // Held for well under the menus' auto-repeat wait (18 frames at 60 a second), so that a
    // direction acts once however the frames fall, and as long as that allows, so that a loaded
    // machine's slower frames still see the key; let go long enough for one of them to see that.
    SendInput(1, &input[0], sizeof(INPUT));
    Sleep(200);
    SendInput(1, &input[1], sizeof(INPUT));
    Sleep(350);
}

void PressKeys(const std::vector<WORD>& keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
        PressKey(keys[i]);
        // A frame that sees the key down again without having seen it up takes it as held.
        if (i + 1 < keys.size() && keys[i + 1] == keys[i]) Sleep(400);
    }
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
        cSearch search = {m_pi.dwProcessId, "Quorbel4", nullptr, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    }
    return nullptr;
}

std::string cGameProcess::AnswerBox(const char* caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs && Running()) {
        cSearch search = {m_pi.dwProcessId, "#32770", caption, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            std::string text;
            EnumChildWindows(search.found, CollectStaticText, reinterpret_cast<LPARAM>(&text));
            PostMessageA(search.found, WM_COMMAND, IDOK, 0);
            return text;
        }
        Sleep(20);
    }
    return std::string();
}

HWND cGameProcess::WaitForDialog(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs && Running()) {
        cSearch search = {m_pi.dwProcessId, "#32770", "", nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    }
    return nullptr;
}

bool cGameProcess::WaitForExit(DWORD timeoutMs, DWORD* code) {
    if (WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(m_pi.hProcess, code);
    return true;
}

bool StartedUp(cGameProcess& game) {
    static const char marks[] = "A\nB\nC\nD\nE\nF\nG\nH\nDDInit成功\n1\n2\n3\n4\nI\nJ\n";
    return WaitForText(kLog, marks, 20000) && game.Running();
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
