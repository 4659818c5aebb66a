#include "editor/palette/DataWndOpen.h"

#include <new>

#include "editor/palette/BlockWnd.h"
#include "editor/palette/CharaSheet.h"
#include "editor/palette/ItemSheet.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/EditorState.h"
#include "framework/Geometry.h"
#include "framework/ChildWnd.h"
#include "framework/MessageBox.h"
#include "framework/WindowPlace.h"

namespace {

// The system opens a sheet at its owner's corner: beside the main window a palette's sheet
// would reach past the desktop's right edge, its buttons out of reach.
void KeepOnDesktop(HWND wnd) {
    RECT rect;
    if (!GetWindowRect(wnd, &rect)) return;
    int x = rect.left, y = rect.top;
    KeepInsideDesktop(&x, &y, rect.right - rect.left, rect.bottom - rect.top);
    if (x != rect.left || y != rect.top) SetWindowPos(wnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

template <class W>
bool OpenWnd(W* wnd) {
    if (!wnd) {
        OutOfMemory();
        return false;
    }
    if (wnd->Open()) {
        KeepOnDesktop(wnd->GetHwnd());
        return true;
    }
    wnd->SkipReturn();
    delete wnd;
    return false;
}

}  // namespace

bool OpenDataWndInSlot(int kind, cChildWnd* owner, cPropSheet** slot, int source, uint32_t cell) {
    cWndGroup& group = EditorGroup();
    group.EnableAll(0);
    if (*slot) {
        static_cast<cDataWnd*>(*slot)->SkipReturn();
        SafeDelete(*slot);
    }
    bool opened = false;
    if (kind == eKindChara)
        opened = OpenWnd(new (std::nothrow) cCharaDataSheet(owner, &group, slot, source, cell));
    else if (kind == eKindItem)
        opened = OpenWnd(new (std::nothrow) cItemDataSheet(owner, &group, slot, source, cell));
    else
        opened = OpenWnd(new (std::nothrow) cBlockWnd(owner, &group, slot, source, cell));
    if (opened) return true;
    *slot = nullptr;
    group.EnableAll(1);
    return false;
}
