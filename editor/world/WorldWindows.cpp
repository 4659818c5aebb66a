#include "editor/world/WorldWindows.h"

#include "data/EditConfig.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorProject.h"
#include "framework/ChildWnd.h"

void StoreWorldPlacement(int slot, HWND wnd, int contentWidth, int contentHeight) {
    RECT outer;
    cWndPos& pos = EditConfig().m_Windows[slot];
    if (!IsIconic(wnd) && GetWindowRect(wnd, &outer)) {
        pos.m_Valid = 1;
        pos.m_X = outer.left;
        pos.m_Y = outer.top;
        pos.m_Width = contentWidth;
        pos.m_Height = contentHeight;
    }
    SaveEditConfig();
}

bool WorldPlacementPoint(int slot, const cChildWnd* parent, bool palette, POINT* at) {
    const cWndPos& pos = EditConfig().m_Windows[slot];
    if (pos.m_Valid) {
        *at = {pos.m_X, pos.m_Y};
        return true;
    }
    RECT outer;
    if (!parent || !parent->GetHwnd() || !GetWindowRect(parent->GetHwnd(), &outer)) return false;
    *at = palette ? POINT{outer.right, outer.top + 10} : POINT{outer.left, outer.top};
    return true;
}

int& WorldMapModified() {
    static int modified = 0;
    return modified;
}
