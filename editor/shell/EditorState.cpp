#include "editor/shell/EditorState.h"

#include "framework/ChildWnd.h"

namespace {

cEditWnd* g_mainWnd = nullptr;

}  // namespace

cAppState& AppState() {
    static cAppState state;
    return state;
}

cWndGroup& EditorGroup() {
    static cWndGroup group;
    return group;
}

cEditWnd* MainEditWnd() { return g_mainWnd; }
void SetMainEditWnd(cEditWnd* wnd) { g_mainWnd = wnd; }
