#include "editor/shell/MainMenuStates.h"

#include <commctrl.h>

#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/WindowPlaces.h"
#include "framework/ChildWnd.h"

namespace {

const int kSeparatorWidth = 6;
const int kLayers = 3;

TBBUTTON Separator() { return ToolButton(kSeparatorWidth, 0, BTNS_SEP); }

const cToolButton kFileButtons[] = {
    {ToolButton(STD_FILENEW, ID_FILE_NEW, BTNS_BUTTON), ID_FILE_NEW},
    {ToolButton(STD_FILEOPEN, ID_FILE_OPEN, BTNS_BUTTON), ID_FILE_OPEN},
    {ToolButton(STD_FILESAVE, ID_FILE_SAVE, BTNS_BUTTON), ID_FILE_SAVE},
    {Separator(), 0},
    {ToolButton(STD_UNDO, ID_EDIT_UNDO, BTNS_BUTTON), ID_EDIT_UNDO},
    {ToolButton(STD_REDOW, ID_EDIT_REDO, BTNS_BUTTON), ID_EDIT_REDO},
    {Separator(), 0},
};
const cToolButton kPaletteButtons[] = {
    {ToolButton(0, ID_TOOL_BLOCKS, BTNS_CHECKGROUP), ID_TOOL_BLOCKS},
    {ToolButton(1, ID_TOOL_CHARAS, BTNS_CHECKGROUP), ID_TOOL_CHARAS},
    {ToolButton(2, ID_TOOL_ITEMS, BTNS_CHECKGROUP), ID_TOOL_ITEMS},
};
const cToolButton kPlayButtons[] = {
    {ToolButton(0, ID_PLAY_STAGE_BUTTON, BTNS_BUTTON), ID_PLAY_STAGE_BUTTON},
    {ToolButton(1, ID_PLAY_GAME_BUTTON, BTNS_BUTTON), ID_PLAY_GAME_BUTTON},
};

// Menu items, first all disabled, then enabled always or only with a stage open.
const int kAlwaysItems[] = {ID_FILE_NEW,     ID_FILE_OPEN, ID_FILE_SAVE_COMMON, ID_TOOL_DATABASE, ID_TOOL_WORLD_MAP,
                            ID_TOOL_SYSTEM, ID_TOOL_PROJECT_OPTIONS, ID_PLAY_GAME, ID_TOOL_BITMAP};
const int kStageItems[] = {ID_FILE_CLOSE,      ID_FILE_SAVE_AS,     ID_FILE_SAVE,       ID_EDIT_UNDO,
                           ID_EDIT_REDO,       ID_LAYER_BLOCKS,     ID_LAYER_CHARAS,    ID_LAYER_ITEMS,
                           ID_CLEAR_BLOCKS,    ID_CLEAR_CHARAS,     ID_CLEAR_ITEMS,     ID_STAGE_SETTINGS,
                           ID_STAGE_LOAD_PALETTE, ID_STAGE_SAVE_PALETTE, ID_STAGE_OPTIONS, ID_PLAY_STAGE};
// Toolbar buttons, the same way.
const int kAlwaysButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_PLAY_GAME_BUTTON};
const int kStageButtons[] = {ID_FILE_SAVE, ID_EDIT_UNDO, ID_EDIT_REDO, ID_TOOL_BLOCKS,
                             ID_TOOL_CHARAS, ID_TOOL_ITEMS, ID_PLAY_STAGE_BUTTON};
const int kLayerButtons[kLayers] = {ID_TOOL_BLOCKS, ID_TOOL_CHARAS, ID_TOOL_ITEMS};
const int kLayerItems[kLayers] = {ID_LAYER_BLOCKS, ID_LAYER_CHARAS, ID_LAYER_ITEMS};

}  // namespace

void AddMainToolButtons(cChildWnd& wnd, HWND toolbar) {
    wnd.AddToolButtons(kFileButtons, sizeof kFileButtons / sizeof kFileButtons[0]);
    wnd.AddToolButtonsFromImage(kPaletteButtons, 3, "e_bmp\\ToolBar_Palette.bmp");
    TBBUTTON separator = Separator();
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator));
    wnd.AddToolButtonsFromImage(kPlayButtons, 2, "e_bmp\\ToolBar_TestPlay.bmp");
}

void ShowCommandStates(HMENU menu, HWND toolbar, bool open) {
    if (menu) {
        for (int id : kAlwaysItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        for (int id : kStageItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        for (int id : kAlwaysItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
        if (open)
            for (int id : kStageItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
        for (int id : {ID_VIEW_COMMON, ID_VIEW_STAGE, ID_VIEW_GROUP})
            CheckMenuItem(menu, id, MF_BYCOMMAND | (IsViewShown(id) ? MF_CHECKED : MF_UNCHECKED));
    }
    if (toolbar) {
        for (int id : kAlwaysButtons) SendMessageA(toolbar, TB_SETSTATE, id, 0);
        for (int id : kStageButtons) SendMessageA(toolbar, TB_SETSTATE, id, 0);
        for (int id : kAlwaysButtons) SendMessageA(toolbar, TB_SETSTATE, id, TBSTATE_ENABLED);
        if (open)
            for (int id : kStageButtons) SendMessageA(toolbar, TB_SETSTATE, id, TBSTATE_ENABLED);
    }
}

void ShowLayerMarks(HMENU menu, HWND toolbar, bool open, int32_t layer) {
    for (int i = 0; i < kLayers; ++i) {
        if (toolbar) {
            LPARAM state = !open ? 0 : i == layer ? TBSTATE_ENABLED | TBSTATE_CHECKED : TBSTATE_ENABLED;
            SendMessageA(toolbar, TB_SETSTATE, kLayerButtons[i], state);
        }
        if (menu) CheckMenuItem(menu, kLayerItems[i], MF_BYCOMMAND | (i == layer ? MF_CHECKED : MF_UNCHECKED));
    }
}

void ShowUndoStates(HMENU menu, HWND toolbar, bool open, const cUndoHistory& history) {
    struct cStep {
        int id;
        bool on;
    };
    const cStep steps[] = {{ID_EDIT_UNDO, open && history.UndoCount() >= 1}, {ID_EDIT_REDO, open && history.RedoCount() >= 1}};
    for (const cStep& step : steps) {
        if (toolbar) SendMessageA(toolbar, TB_SETSTATE, step.id, step.on ? TBSTATE_ENABLED : 0);
        if (menu) EnableMenuItem(menu, step.id, MF_BYCOMMAND | (step.on ? MF_ENABLED : MF_GRAYED));
    }
}

bool IsViewShown(int command) {
    const cWndPos* windows = EditConfig().m_Windows;
    switch (command) {
    case ID_VIEW_COMMON: return windows[PalettePlace(0, 0)].m_Shown != 0;
    case ID_VIEW_STAGE: return windows[PalettePlace(1, 0)].m_Shown != 0;
    default: return windows[ePlaceGroup].m_Shown != 0;
    }
}

void SetViewShown(int command, bool shown) {
    cWndPos* windows = EditConfig().m_Windows;
    if (command == ID_VIEW_GROUP) {
        windows[ePlaceGroup].m_Shown = shown ? 1 : 0;
        return;
    }
    const int stage = command == ID_VIEW_COMMON ? 0 : 1;
    for (int layer = 0; layer < kLayers; ++layer) windows[PalettePlace(stage, layer)].m_Shown = shown ? 1 : 0;
}
