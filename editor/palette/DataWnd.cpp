#include "editor/palette/DataWnd.h"

#include "editor/palette/PaletteLists.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorState.h"

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
