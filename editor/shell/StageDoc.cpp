#include "editor/shell/StageDoc.h"

cStageDoc& StageDoc() {
    static cStageDoc doc;
    return doc;
}

int32_t DrawKindOf(int32_t penMode) { return penMode == ePenParams ? ePenFill : penMode; }

// The undo history is left alone: a rebuilt main window goes on with the stage's history.
void cStageDoc::Reset() {
    m_StagePath.clear();
    m_StageOpen = 0;
    m_StageModified = 0;
    m_CommonModified = 0;
    m_Reserved = 0;
    m_Layer = eLayerBlock;
    m_PenMode = ePenNormal;
    m_DrawKind = DrawKindOf(ePenNormal);
    m_RightClickMode = 0;
    m_PenBlocks.assign(1, cEdBlock());
    m_PenCharas.assign(1, cEdChara());
    m_PenItems.assign(1, cEdItem());
    for (int32_t& word : m_Spare) word = 0;
    m_lpEditBlock = nullptr;
    m_lpEditChara = nullptr;
    m_lpEditItem = nullptr;
    m_EditSource = eSourceStageCell;
    m_ClipBlock.reset();
    m_ClipChara.reset();
    m_ClipItem.reset();
    m_ClipValid = 0;
    m_ClipIndex = 0;
    m_ClipPalette = 0;
    m_ClipCutPending = 0;
    m_SelPalette = 0;
    m_SelIndex = 0;
    m_Unset[0] = m_Unset[1] = -1;
    m_PenWidth = 1;
    m_PenHeight = 1;
    m_Spare2 = 0;
    for (cLayerPen& pen : m_LayerPens) pen = cLayerPen{ePenNormal, DrawKindOf(ePenNormal), 0, 0, 1, 1};
}

void cStageDoc::SaveLayerState() {
    cLayerPen& pen = m_LayerPens[m_Layer];
    pen.penMode = m_PenMode;
    pen.drawKind = m_DrawKind;
    pen.selIndex = m_SelIndex;
    pen.penWidth = m_PenWidth;
    pen.penHeight = m_PenHeight;
}

void cStageDoc::LoadLayerState() {
    const cLayerPen& pen = m_LayerPens[m_Layer];
    m_PenMode = pen.penMode;
    m_DrawKind = pen.drawKind;
    m_SelIndex = pen.selIndex;
    m_PenWidth = pen.penWidth;
    m_PenHeight = pen.penHeight;
}

void cStageDoc::SetLayer(int32_t layer) {
    if (layer >= 0 && layer < eLayerCount && layer != m_Layer) {
        SaveLayerState();
        m_Layer = layer;
        LoadLayerState();
    }
    ClearClipboard();
}

void cStageDoc::NextLayer() { SetLayer(m_Layer >= eLayerItem ? eLayerBlock : m_Layer + 1); }

void cStageDoc::SetPenMode(int32_t mode) {
    m_PenMode = mode;
    m_DrawKind = DrawKindOf(mode);
}

void cStageDoc::SetRightClickMode(int32_t mode) {
    m_RightClickMode = mode;
    ClearClipboard();
}

void cStageDoc::ClearClipboard() {
    m_ClipValid = 0;
    m_ClipCutPending = 0;
    m_ClipBlock.reset();
    m_ClipChara.reset();
    m_ClipItem.reset();
}
