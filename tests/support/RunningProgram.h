#pragma once
// One of the two programs started as a process of its own in the current folder, with what a
// test needs to follow it: its windows, the message boxes it shows (found and answered the way
// a person would click them) and its end.
#include <windows.h>

#include <string>

#include "tests/support/BuildFolder.h"
#include "tests/support/TopWindows.h"

class cRunningProgram {
public:
    explicit cRunningProgram(const char* exe) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string command = "\"" + BuildPath(exe) + "\"";
        m_started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
    }
    ~cRunningProgram() {
        if (!m_started) return;
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(m_pi.hProcess, 99);
        CloseHandle(m_pi.hProcess);
        CloseHandle(m_pi.hThread);
    }
    cRunningProgram(const cRunningProgram&) = delete;
    cRunningProgram& operator=(const cRunningProgram&) = delete;

    bool Started() const { return m_started; }

    // A visible top-level window of the process with the class (and the title, when given).
    HWND WaitForWindow(const char* cls, const char* title = nullptr, DWORD timeoutMs = 15000) const {
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            if (HWND found = FindTopWindow({m_pi.dwProcessId, true, cls, nullptr, nullptr, title})) return found;
            if (WaitForSingleObject(m_pi.hProcess, 50) != WAIT_TIMEOUT) return nullptr;
        }
        return nullptr;
    }
    // A message box with the caption; its text goes to text.
    HWND WaitForBox(const char* caption, std::string* text = nullptr) const {
        HWND box = WaitForWindow("#32770", caption);
        if (box && text) {
            char buffer[1024] = "";
            GetDlgItemTextA(box, 0xffff, buffer, sizeof buffer);
            *text = buffer;
        }
        return box;
    }
    // Clicks the box's button (IDYES, IDNO, IDOK) and waits until the box is gone. A box that
    // has just appeared may not take the click yet: it is clicked again every half second.
    static void Answer(HWND box, int button) {
        for (int i = 0; i < 500 && IsWindow(box); ++i) {
            if (i % 25 == 0) PostMessageA(box, WM_COMMAND, button, 0);
            Sleep(20);
        }
    }

    bool WaitForExit(DWORD* code, DWORD timeoutMs = 15000) const {
        if (WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
        GetExitCodeProcess(m_pi.hProcess, code);
        return true;
    }

private:
    PROCESS_INFORMATION m_pi = {};
    bool m_started = false;
};
