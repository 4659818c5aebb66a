#pragma once
// What the tests of the running editor share: the factory project set up for it to reopen its
// stage, windows of the editor's or of another process (the game it started), texts awaited in
// its log, modal dialogs pressed open, file dialogs answered, list rows read across the
// processes, keys typed, the mouse moved and pressed, pictures of the screen (kept for the
// documentation when KIT_PLAY_SHOTS names a folder), and its end.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/EditConfig.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/InputQueue.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"
#include "tests/support/TopWindows.h"

const char kEditorStage[] = "data\\stg4\\Default.stg4_147";
const char kStagePalette[] = "[ステージ]ブロックパレット";
const int kCharaLayer = 40055;  // the toolbar's character and item layer buttons
const int kItemLayer = 40056;
const int kCmdInsert = 1068;    // a data sheet's command list: insert
const int kCanvasTop = 28;      // the canvas and the palettes' elements lie under their toolbars
const DWORD kWaitMs = 20000;    // for one window on a loaded machine

inline int Rows(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

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

inline HWND WaitForWindow(const cWindowQuery& query, DWORD timeoutMs = 20000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (HWND found = FindTopWindow(query)) return found;
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
    windows.main = WaitForWindow({windows.pid, true, "#32770", windows.frame});
    return windows;
}

// Polls until the condition holds, for at most the time.
template <class F>
bool WaitFor(F done, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        if (done()) return true;
        Sleep(100);
    }
    return done();
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

// The editor's main window once its title holds the text (the window is replaced when a stage
// is made or opened).
inline HWND WaitForMainTitled(DWORD pid, const char* part, DWORD timeoutMs = 20000) {
    return WaitForWindow({pid, true, "#32770", nullptr, nullptr, part, true}, timeoutMs);
}

// Answers the editor's open or save dialog of the caption with the file, as typed into its
// name box.
inline bool AnswerFileDialog(const cRunningProgram& editor, const char* caption, const std::string& path) {
    HWND dialog = editor.WaitForWindow("#32770", caption);
    return dialog && AnswerFileDialog(dialog, path.c_str());
}

// A picture of a part of the screen, 32-bit 0x00RRGGBB pixels, top row first.
struct cScreenPicture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline cScreenPicture TakePicture(const RECT& rect) {
    cScreenPicture picture;
    picture.width = rect.right - rect.left;
    picture.height = rect.bottom - rect.top;
    if (picture.width <= 0 || picture.height <= 0) return cScreenPicture();
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {sizeof info, picture.width, -picture.height, 1, 32, BI_RGB};
    GetDIBits(memory, bitmap, 0, picture.height, picture.pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

inline RECT ClientOnScreen(HWND wnd) {
    RECT rect = {};
    GetClientRect(wnd, &rect);
    POINT corner = {0, 0};
    ClientToScreen(wnd, &corner);
    OffsetRect(&rect, corner.x, corner.y);
    return rect;
}

inline RECT WindowOnScreen(HWND wnd) {
    RECT rect = {};
    GetWindowRect(wnd, &rect);
    return rect;
}

// Saves the picture as a 32-bit BMP file into KIT_PLAY_SHOTS's folder, when one is named.
inline void KeepPicture(const cScreenPicture& picture, const char* name) {
    const char* folder = getenv("KIT_PLAY_SHOTS");
    if (!folder || picture.pixels.empty()) return;
    BITMAPINFOHEADER info = {sizeof info, picture.width, -picture.height, 1, 32, BI_RGB};
    const DWORD bytes = static_cast<DWORD>(picture.pixels.size() * 4);
    BITMAPFILEHEADER file = {0x4d42, static_cast<DWORD>(sizeof file + sizeof info + bytes), 0, 0,
                             static_cast<DWORD>(sizeof file + sizeof info)};
    const std::string path = std::string(folder) + "\\" + name + ".bmp";
    FILE* out = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, out) << path;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(picture.pixels.data(), 1, bytes, out);
    fclose(out);
}

inline void KeepWindow(HWND wnd, const char* name) {
    if (!getenv("KIT_PLAY_SHOTS")) return;
    // The display shows what the window drew a little later.
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    Sleep(300);
    KeepPicture(TakePicture(WindowOnScreen(wnd)), name);
}

// The key with Ctrl, typed on the keyboard into the window (made the foreground one first).
inline void CtrlKey(HWND wnd, WORD key) {
    SetForegroundWindow(wnd);
    for (int i = 0; i < 100 && GetForegroundWindow() != wnd; ++i) Sleep(20);
    TypeChord({VK_CONTROL, key});
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
