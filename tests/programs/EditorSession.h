#pragma once
// What the tests of the running editor share: the factory project set up for it to reopen its
// stage, windows of the editor's or of another process (the game it started), texts awaited in
// its log, modal dialogs pressed open, list rows read across the processes, and its end.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "data/EditConfig.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"

const char kEditorStage[] = "data\\stg4\\Default.stg4_147";

// The factory project in the current folder, the editor reopening its stage; with the game
// program beside it when asked.
inline bool SetUpEditorProject(bool withGame) {
    if (!CopyFactoryProject() || !CopyFactoryFolder("default", "data") || !CopyFactoryFolder("System.ini")) return false;
    if (withGame && !CopyFileA(BuildPath("game.exe").c_str(), "game.exe", FALSE)) return false;
    CreateDirectoryA("e_data", nullptr);
    cEditConfig config;
    config.Init();
    config.m_LastStage = kEditorStage;
    return config.SaveFile("e_data\\EditConfig.dat");
}

struct cFind {
    DWORD pid;
    bool samePid;  // a window of that process, or of any other
    const char* cls;
    HWND owner;  // with that owner, when given
    HWND other;  // a window that does not count, when given
    HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND wnd, LPARAM param) {
    cFind* find = reinterpret_cast<cFind*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    char cls[64] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    if ((pid == find->pid) != find->samePid || std::string(cls) != find->cls || !IsWindowVisible(wnd)) return TRUE;
    if (find->owner && GetWindow(wnd, GW_OWNER) != find->owner) return TRUE;
    if (wnd == find->other) return TRUE;
    find->found = wnd;
    return FALSE;
}

inline HWND WaitForWindow(cFind find, DWORD timeoutMs = 20000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        find.found = nullptr;
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&find));
        if (find.found) return find.found;
        Sleep(50);
    }
    return nullptr;
}

// The editor's frame and its main window (owned by the frame), once both are up; nulls when
// they are not.
struct cEditorWindows {
    HWND frame = nullptr, main = nullptr;
    DWORD pid = 0;
};

inline cEditorWindows WaitForEditorWindows(const cRunningProgram& editor) {
    cEditorWindows windows;
    windows.frame = editor.WaitForWindow("Quorbel4", "Quorbel4");
    if (!windows.frame) return windows;
    GetWindowThreadProcessId(windows.frame, &windows.pid);
    windows.main = WaitForWindow({windows.pid, true, "#32770", windows.frame, nullptr, nullptr});
    return windows;
}

// Waits until the window has gone.
inline bool WaitGone(HWND wnd, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0; waited < timeoutMs && IsWindow(wnd); waited += 20) Sleep(20);
    return !IsWindow(wnd);
}

inline size_t CountOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

// Waits until the file holds the text at least count times.
inline bool WaitForText(const cTempDir& dir, const char* file, const char* text, size_t count = 1,
                        DWORD timeoutMs = 20000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (dir.Exists(file) && CountOf(dir.Read(file), text) >= count) return true;
        Sleep(50);
    }
    return false;
}

// Presses a button of a window of the editor, posted, so that a modal loop it opens never holds
// the test.
inline void Click(HWND wnd, int button) {
    PostMessageA(wnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(wnd, button)));
}

// Presses the button of a modal dialog that is about to open (posted: the dialog runs its own
// loop), then waits for the dialog with the caption.
inline HWND PressInto(const cRunningProgram& editor, HWND page, int button, const char* caption) {
    Click(page, button);
    return editor.WaitForWindow("#32770", caption);
}

// A row of a list box of another process, in cp932. The row's text crosses the processes as
// UTF-16 whichever way it is asked for, and is turned back here.
inline std::string RowText(HWND list, int row) {
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR) return "<no row>";
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&wide[0]));
    if (got == LB_ERR) return "<no text>";
    std::string text(static_cast<size_t>(got) * 2 + 1, '\0');
    int bytes = WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(got), &text[0], static_cast<int>(text.size()),
                                    nullptr, nullptr);
    text.resize(static_cast<size_t>(bytes > 0 ? bytes : 0));
    return text;
}

// Ends the editor: the exit question (Yes) and, for an edit, the save question (No).
inline void EndEditor(const cRunningProgram& editor, HWND frame) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    for (int i = 0; i < 40 && !editor.WaitForExit(&code, 250); ++i) {
        for (const char* caption : {"終了確認", "保存確認"}) {
            if (HWND box = editor.WaitForWindow("#32770", caption, 100))
                cRunningProgram::Answer(box, std::string(caption) == "終了確認" ? IDYES : IDNO);
        }
    }
    EXPECT_EQ(0u, code);
}
