#include "framework/MessageBox.h"

#include <ddraw.h>

#include <cstdarg>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/TestSeams.h"

namespace {

IDirectDraw7* g_directDraw = nullptr;
bool g_windowMode = true;
MessageBoxHook g_boxHook = nullptr;

const char kErrorCaption[] = "エラー";

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { g_boxHook = hook; }

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    if (g_boxHook) return g_boxHook(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
}

void SetBoxDisplayState(IDirectDraw7* directDraw, bool windowMode) {
    g_directDraw = directDraw;
    g_windowMode = windowMode;
}

int DDMessageBox(const char* text, const char* caption, UINT type) {
    if (!g_directDraw || FAILED(g_directDraw->FlipToGDISurface())) return 0;
    ShowCursor(TRUE);
    int answer = ShowMessageBox(GetMainWindow(), text, caption, type);
    while (ShowCursor(FALSE) >= 0) {
    }
    return answer;
}

int AppMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    if (g_directDraw && !g_windowMode) return DDMessageBox(text, caption, type);
    return ShowMessageBox(owner, text, caption, type);
}

int ActiveMessageBox(const char* text, const char* caption, UINT type) {
    return AppMessageBox(GetActiveWindow(), text, caption, type);
}

void ErrorMessage(const char* text) { ActiveMessageBox(text, kErrorCaption, MB_OK); }

void ErrorBox(const char* format, ...) {
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    FormatIntoV(text, sizeof text, format, args);
    va_end(args);
    ActiveMessageBox(text, kErrorCaption, MB_OK);
}

void ErrorBoxTo(HWND owner, const char* format, ...) {
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    FormatIntoV(text, sizeof text, format, args);
    va_end(args);
    AppMessageBox(owner, text, kErrorCaption, MB_OK);
}

void DebugBox(const char* format, ...) {
    if (!IsErrorLogOn()) return;
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    FormatIntoV(text, sizeof text, format, args);
    va_end(args);
    ActiveMessageBox(text, kErrorCaption, MB_OK);
}

void OutOfMemory() {
    ErrorMessage("メモリが不足しています！");
    PostMessageA(GetMainWindow(), WM_CLOSE, 0, 0);
}
