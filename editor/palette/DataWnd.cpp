#include "editor/palette/DataWnd.h"

#include <new>

#include "editor/palette/BlockWnd.h"
#include "editor/palette/CharaSheet.h"
#include "editor/palette/ItemSheet.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorState.h"
#include "framework/Geometry.h"
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

void ReturnFromDataWnd(int kind, int source, int index) {
    EditorGroup().EnableAll(1);
    cEditWnd* main = MainEditWnd();
    if (!main || !main->GetHwnd()) return;
    if (source != eSourceDefault) {
        main->ShowToolWindows();
        main->RepaintPalettes();
        main->OnPaint();
    }
    if (source == eSourceStageCell) {
        SetActiveWindow(main->GetHwnd());
        return;
    }
    if (source != eSourceStagePalette && source != eSourceCommonPalette) return;
    int stage = source == eSourceStagePalette ? 1 : 0;
    if (cChildWnd* palette = main->m_lpPaletteWnd[stage][kind]; palette && palette->GetHwnd())
        SetActiveWindow(palette->GetHwnd());
    if (kind == eKindBlock) TakePen<cEdBlock>(stage, index);
    if (kind == eKindChara) TakePen<cEdChara>(stage, index);
    if (kind == eKindItem) TakePen<cEdItem>(stage, index);
}

void EditStageCell(cEditWnd* main, int32_t layer, uint32_t index) {
    if (!main || layer < eLayerBlock || layer >= eLayerCount) return;
    cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    if (layer == eLayerBlock) {
        cEdBlock* cell = stage.m_Blocks.Find(index);
        if (!cell) return;
        doc.m_lpEditBlock = cell;
    } else if (layer == eLayerChara) {
        cEdChara* cell = stage.m_Charas.Find(index);
        if (!cell) return;
        doc.m_lpEditChara = cell;
    } else {
        cEdItem* cell = stage.m_Items.Find(index);
        if (!cell) return;
        doc.m_lpEditItem = cell;
    }
    doc.m_EditSource = eSourceStageCell;
    if (cPaletteDlg* palette = dynamic_cast<cPaletteDlg*>(main->m_lpPaletteWnd[ePaletteStage][layer]))
        palette->OpenDataWnd(eSourceStageCell, index);
}
