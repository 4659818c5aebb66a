// Undo, redo and the commands that empty a whole layer of the open stage.
#include <windows.h>

#include "data/Stage.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "framework/MessageBox.h"

void cEditWnd::UndoOrRedo(bool undo) {
    cUndoHistory& history = UndoHistory();
    if (undo)
        history.Undo(ProjectStage());
    else
        history.Redo(ProjectStage());
    UpdateUndoStates();
    RepaintPalettes();
    StageDoc().m_StageModified = 1;
}

void cEditWnd::ClearLayer(int32_t layer) {
    static const char* const questions[eLayerCount] = {"全てのブロックをクリアしますか？", "全てのキャラをクリアしますか？",
                                                       "全てのアイテムをクリアしますか？"};
    if (AppMessageBox(m_hWnd, questions[layer], "データクリアの確認", MB_YESNO) != IDYES) return;
    PushUndoLayer(layer);
    cEdStage& stage = ProjectStage();
    if (layer == eLayerBlock) stage.m_Blocks.clear();
    if (layer == eLayerChara) stage.m_Charas.clear();
    if (layer == eLayerItem) stage.m_Items.clear();
    StageDoc().m_StageModified = 1;
}
