#pragma once
// What the pages of the chara and item data sheets share in their tables: the "継承" buttons
// with the controls each governs, and the change handlers by control kind.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

// A "継承" button: the inherit flag it is bound to and the controls that flag governs.
struct cInheritGroup {
    uint16_t button;
    int flag;
    std::vector<uint16_t> ctrls;
};

// One entry of a page's change-handler table: it fires for a notification that fits its
// control kind (button and check: BN_CLICKED; value and text edit: EN_CHANGE; combo:
// CBN_SELCHANGE; list: LBN_SELCHANGE).
struct cCtrlHandler {
    int kind;
    uint16_t id;
    std::function<void()> run;
};

// Whether a notification code fits a control kind of the handler table.
bool HandlerFits(int kind, int code);
