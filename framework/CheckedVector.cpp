#include "framework/CheckedVector.h"

#include "framework/ErrorLog.h"
#include "framework/Format.h"

namespace {
eCloseForm g_programForm = eClosePost;
}

void SetProgramCloseForm(eCloseForm form) {
    if (form != eCloseProgram) g_programForm = form;
}

void ReportBadIndex(char kind, int index, int size, int elementSize, eCloseForm form) {
    std::string text = Format("err %c[%d] ( %d , %d )", kind, index, size, elementSize);
    ErrorLog(text.c_str());
    Report("%s", text.c_str());
    HWND wnd = GetMainWindow();
    if (!wnd) return;
    if (form == eCloseProgram) form = g_programForm;
    if (form == eCloseDestroy)
        DestroyWindow(wnd);
    else
        PostMessageA(wnd, WM_CLOSE, 0, 0);
}
