#include "editor/shell/EditorOpeners.h"

#include "editor/shell/EditorIds.h"

namespace {

cWndOpener g_databaseOpener = nullptr;
cWndOpener g_worldMapOpener = nullptr;
cNewStageRunner g_newStageRunner = nullptr;
cCellEditor g_cellEditor = nullptr;
cPaletteShower g_paletteShower = nullptr;
cDataWndPainter g_dataWndPainter = nullptr;

struct cCommandOpener {
    int command;
    cWndOpener opener;
};
cCommandOpener g_commandOpeners[] = {
    {ID_TOOL_SYSTEM, nullptr}, {ID_TOOL_PROJECT_OPTIONS, nullptr}, {ID_STAGE_OPTIONS, nullptr}, {ID_TOOL_BITMAP, nullptr}};

}  // namespace

void SetDatabaseOpener(cWndOpener opener) { g_databaseOpener = opener; }
void SetWorldMapOpener(cWndOpener opener) { g_worldMapOpener = opener; }
void SetNewStageRunner(cNewStageRunner runner) { g_newStageRunner = runner; }
void SetCellEditor(cCellEditor editor) { g_cellEditor = editor; }
void SetPaletteShower(cPaletteShower shower) { g_paletteShower = shower; }
void SetDataWndPainter(cDataWndPainter painter) { g_dataWndPainter = painter; }

void SetCommandOpener(int command, cWndOpener opener) {
    for (cCommandOpener& entry : g_commandOpeners)
        if (entry.command == command) entry.opener = opener;
}

void OpenDatabase(cEditWnd* main) {
    if (g_databaseOpener) g_databaseOpener(main);
}

void OpenWorldMap(cEditWnd* main) {
    if (g_worldMapOpener) g_worldMapOpener(main);
}

void RunCommandOpener(int command, cEditWnd* main) {
    for (const cCommandOpener& entry : g_commandOpeners)
        if (entry.command == command && entry.opener) entry.opener(main);
}

int RunNewStage(cEditWnd* main) { return g_newStageRunner ? g_newStageRunner(main) : 0; }

void EditStageCellOf(cEditWnd* main, int32_t layer, uint32_t index) {
    if (g_cellEditor) g_cellEditor(main, layer, index);
}

void ShowPalettesOf(cEditWnd* main, int layer) {
    if (g_paletteShower) g_paletteShower(main, layer);
}

void RepaintDataWindowsOf(cEditWnd* main) {
    if (g_dataWndPainter) g_dataWndPainter(main);
}
