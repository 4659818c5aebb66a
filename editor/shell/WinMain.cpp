// The editor's entry: the whole run is EditorMain (editor/shell/App.h).
#include <windows.h>

#include "editor/database/DatabaseWnd.h"
#include "editor/flow/CmdFlowChangeDlg.h"
#include "editor/palette/CharaActionPage.h"
#include "editor/palette/NewStageDlg.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/shell/App.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorOpeners.h"
#include "editor/world/BmpConvertWnd.h"
#include "editor/world/PrjOptionSheet.h"
#include "editor/world/StageOptionDlg.h"
#include "editor/world/SystemSettingSheet.h"
#include "editor/world/WorldMapDlg.h"
#include "framework/CheckedVector.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // A bad index in the record classes the two programs share ends the editor at once, as its
    // own containers do; the game keeps the posted close.
    SetProgramCloseForm(eCloseDestroy);
    SetDatabaseOpener(OpenDatabaseWnd);
    SetWorldMapOpener(OpenWorldMapWnd);
    SetCommandOpener(ID_TOOL_SYSTEM, OpenSystemSettings);
    SetCommandOpener(ID_TOOL_PROJECT_OPTIONS, OpenProjectOptions);
    SetCommandOpener(ID_STAGE_OPTIONS, OpenStageOption);
    SetCommandOpener(ID_TOOL_BITMAP, OpenBitmapTool);
    SetPaletteShower(ShowPaletteWindows);
    SetDataWndPainter(RepaintDataWindows);
    SetCellEditor(EditStageCell);
    SetNewStageRunner(RunNewStageDlg);
    SetFlowDataRunner(RunFlowDataWindow);
    return EditorMain(instance);
}
