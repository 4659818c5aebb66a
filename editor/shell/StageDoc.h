#pragma once
// What the editor knows about the open stage besides the stage record itself (ProjectStage):
// its file and flags, the layer and pen the canvas paints with, the palette clipboard, the
// element the open data window edits, and the undo history. One object for the whole run,
// shared by the main window, the canvas, the palette windows and the data windows.
//
// The document knows no window: whoever changes it has the windows show the change (the main
// window's layer marks after SetLayer, say).
#include <cstdint>
#include <string>

#include <boost/shared_ptr.hpp>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "editor/shell/UndoHistory.h"
#include "framework/CheckedVector.h"

enum eStageLayer { eLayerBlock = 0, eLayerChara = 1, eLayerItem = 2, eLayerCount = 3 };

enum ePenMode { ePenNormal, ePenLine, ePenRect, ePenFill, ePenParams, ePenModes };

// Drawing kinds: the pen modes' own (fill and parameter editing share 3), and a range being
// selected with the right button.
const int32_t kDrawSelect = 5;

// Where the open data window's element came from.
enum eEditSource { eSourceStageCell = 0, eSourceStagePalette = 1, eSourceCommonPalette = 2, eSourceDefault = 3 };

// What a layer keeps of the pen while another layer is current.
struct cLayerPen {
    int32_t penMode;
    int32_t drawKind;
    int32_t unused;  // neither saved nor restored
    int32_t selIndex;
    int32_t penWidth;
    int32_t penHeight;
};

class cStageDoc {
public:
    cStageDoc() { Reset(); }
    // Every field to its start value; the pens get one default cell each and the path empties.
    void Reset();

    // Makes the layer current, keeping the pen of the old layer and bringing back that of the
    // new one, and empties the palette clipboard. Another value only empties the clipboard.
    void SetLayer(int32_t layer);
    void NextLayer();
    void SetPenMode(int32_t mode);
    void SetRightClickMode(int32_t mode);
    void ClearClipboard();

    std::string m_StagePath;  // empty for a stage created and not saved yet
    int32_t m_StageOpen;
    int32_t m_StageModified;
    int32_t m_CommonModified;
    int32_t m_Reserved;
    int32_t m_Layer;
    int32_t m_PenMode;
    int32_t m_DrawKind;
    int32_t m_RightClickMode;  // 0 a right click on a palette opens the element, 1 the popup
    cEdVector<cEdBlock> m_PenBlocks;
    cEdVector<cEdChara> m_PenCharas;
    cEdVector<cEdItem> m_PenItems;
    int32_t m_Spare[4];
    // The palette elements the open data window edits, and where they came from.
    cEdBlock* m_lpEditBlock;
    cEdChara* m_lpEditChara;
    cEdItem* m_lpEditItem;
    int32_t m_EditSource;
    // The palette clipboard.
    boost::shared_ptr<cEdBlock> m_ClipBlock;
    boost::shared_ptr<cEdChara> m_ClipChara;
    boost::shared_ptr<cEdItem> m_ClipItem;
    int32_t m_ClipValid;
    int32_t m_ClipIndex;
    int32_t m_ClipPalette;  // 0 common, 1 stage
    int32_t m_ClipCutPending;
    int32_t m_SelPalette;   // 0 common, 1 stage
    int32_t m_SelIndex;
    int32_t m_Unset[2];
    int32_t m_PenWidth;     // cells
    int32_t m_PenHeight;
    int32_t m_Spare2;
    cLayerPen m_LayerPens[eLayerCount];
    cUndoHistory m_History;

private:
    void SaveLayerState();
    void LoadLayerState();
};

cStageDoc& StageDoc();

// The drawing kind a pen mode draws with.
int32_t DrawKindOf(int32_t penMode);
