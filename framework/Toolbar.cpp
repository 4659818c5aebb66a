// Toolbar buttons and their tooltips of a framework window.
#include "framework/ChildWnd.h"

namespace {

void AddTooltip(HWND tooltip, HWND toolbar, HINSTANCE instance, UINT textId) {
    if (!tooltip || !textId) return;
    int last = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0)) - 1;
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = toolbar;
    tool.uId = textId;
    SendMessageA(toolbar, TB_GETITEMRECT, last, reinterpret_cast<LPARAM>(&tool.rect));
    tool.hinst = instance;
    tool.lpszText = MAKEINTRESOURCEA(textId);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void cChildWnd::AddButtonEntries(const cToolButton* buttons, int count, int imageBase, bool offsetSeparators) {
    if (!m_hTooltip)
        m_hTooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, m_hInst, nullptr);
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = buttons[i].button;
        if (offsetSeparators || button.fsStyle != BTNS_SEP) button.iBitmap += imageBase;
        SendMessageA(m_hToolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
        AddTooltip(m_hTooltip, m_hToolbar, m_hInst, buttons[i].tooltip);
    }
}

void cChildWnd::AddToolButtons(const cToolButton* buttons, int count) {
    if (!m_hToolbar) return;
    TBADDBITMAP standard = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    int base = static_cast<int>(SendMessageA(m_hToolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard)));
    AddButtonEntries(buttons, count, base, false);
}

int cChildWnd::AddToolButtonsFromImage(const cToolButton* buttons, int count, const char* bitmapFile) {
    if (!m_hToolbar || count <= 0) return 0;
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageA(nullptr, bitmapFile, IMAGE_BITMAP, count * 16, 15, LR_LOADFROMFILE | LR_SHARED));
    if (!strip) return 0;
    TBADDBITMAP images = {nullptr, reinterpret_cast<UINT_PTR>(strip)};
    int base = static_cast<int>(SendMessageA(m_hToolbar, TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&images)));
    AddButtonEntries(buttons, count, base, true);
    return 1;
}

TBBUTTON ToolButton(int image, int command, BYTE style) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    return button;
}
