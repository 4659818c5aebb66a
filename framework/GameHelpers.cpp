#include "framework/GameHelpers.h"

#include <cstdarg>
#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/Format.h"

void ErrorLogAndClose(HWND wnd, const char* format, ...) {
    if (IsErrorLogOn()) {
        va_list args;
        va_start(args, format);
        std::string text = FormatV(format, args);
        va_end(args);
        ErrorLog(text.c_str());
    }
    PostMessageA(wnd, WM_CLOSE, 0, 0);
}

int TickCounter(int mode, int period) {
    static int counter = 0;
    if (mode == 0) {
        counter = 0;
        return 0;
    }
    if (mode == 2) return counter == 0 ? 1 : 0;
    if (++counter >= period) {
        counter = 0;
        return 1;
    }
    return 0;
}

bool MakeNumberedName(char* out, const char* name, int a, int b) {
    const char* dot = strrchr(name, '.');
    if (!dot) return false;
    int stem = static_cast<int>(dot - name);
    FormatInto(out, MAX_PATH, "%.*s_%d%d%s", stem, name, a, b, dot);
    return true;
}
