#include "editor/shell/TestPlayNotice.h"

#include <cstdint>
#include <cstring>

#include "data/Stage.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorProject.h"

void OnTestPlayNotice(const COPYDATASTRUCT* data) {
    if (!data || data->dwData != 0 || data->cbData < sizeof(int32_t) || !data->lpData) return;
    int32_t value;
    memcpy(&value, data->lpData, sizeof value);
    if (!value) return;
    cEdStage& stage = ProjectStage();
    UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    if (cEditWnd* main = MainEditWnd()) main->UpdateUndoStates();
    AppState().testPlaying = 0;
}
