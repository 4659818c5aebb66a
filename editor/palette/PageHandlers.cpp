#include "editor/palette/PageHandlers.h"

#include "framework/Binding.h"

bool HandlerFits(int kind, int code) {
    switch (kind) {
    case eCtrlButton:
    case eCtrlCheck: return code == BN_CLICKED;
    case eCtrlEditVal:
    case eCtrlStrEdit: return code == EN_CHANGE;
    case eCtrlCombo: return code == CBN_SELCHANGE;
    case eCtrlDataList: return code == LBN_SELCHANGE;
    default: return false;
    }
}
