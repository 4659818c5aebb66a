// The two programs start under Wine, open their main window and end cleanly on WM_CLOSE.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/TempDir.h"

namespace {

std::string ProgramPath(const char* name) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path.erase(path.rfind('\\'));  // tests folder
    path.erase(path.rfind('\\'));  // build folder
    return path + "\\" + name;
}

struct cFound {
    DWORD pid;
    HWND wnd;
};

BOOL CALLBACK FindMainWindow(HWND wnd, LPARAM param) {
    cFound* found = reinterpret_cast<cFound*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    char cls[64] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    if (pid == found->pid && std::string(cls) == "Quorbel4" && IsWindowVisible(wnd)) {
        found->wnd = wnd;
        return FALSE;
    }
    return TRUE;
}

class cRunningProgram {
public:
    explicit cRunningProgram(const char* exe) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string command = "\"" + ProgramPath(exe) + "\"";
        m_started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
    }
    ~cRunningProgram() {
        if (!m_started) return;
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(m_pi.hProcess, 99);
        CloseHandle(m_pi.hProcess);
        CloseHandle(m_pi.hThread);
    }
    bool Started() const { return m_started; }
    HWND WaitForMainWindow() {
        for (int i = 0; i < 300; ++i) {
            cFound found = {m_pi.dwProcessId, nullptr};
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
            if (found.wnd) return found.wnd;
            Sleep(50);
        }
        return nullptr;
    }
    bool WaitForExit(DWORD* code) {
        if (WaitForSingleObject(m_pi.hProcess, 15000) != WAIT_OBJECT_0) return false;
        GetExitCodeProcess(m_pi.hProcess, code);
        return true;
    }

private:
    PROCESS_INFORMATION m_pi = {};
    bool m_started = false;
};

void StartsAndEndsOnClose(const char* exe, const char* report, int clientWidth, int clientHeight) {
    cTempDir dir;
    cRunningProgram program(exe);
    ASSERT_TRUE(program.Started()) << ProgramPath(exe);
    HWND wnd = program.WaitForMainWindow();
    ASSERT_NE(nullptr, wnd) << exe << " opened no main window";
    if (clientWidth) {
        RECT rc;
        GetClientRect(wnd, &rc);
        EXPECT_EQ(clientWidth, rc.right - rc.left);
        EXPECT_EQ(clientHeight, rc.bottom - rc.top);
    }
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(program.WaitForExit(&code)) << exe << " did not end after WM_CLOSE";
    EXPECT_EQ(0u, code);
    EXPECT_EQ(0u, dir.Read(report).find("OS : ")) << "the report starts with the system report";
}

}  // namespace

TEST(Programs, GameOpensItsWindowAndEndsOnClose) { StartsAndEndsOnClose("game.exe", "Report_Game.txt", 640, 480); }

TEST(Programs, EditorOpensItsWindowAndEndsOnClose) { StartsAndEndsOnClose("editor.exe", "Report_Editor.txt", 0, 0); }
