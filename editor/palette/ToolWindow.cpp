#include "editor/palette/ToolWindow.h"

#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorState.h"

namespace {

const int kMainCommands[] = {ID_ACCEL_NEW, ID_ACCEL_OPEN, ID_ACCEL_SAVE, ID_ACCEL_PLAY_STAGE,
                             ID_ACCEL_REDO, ID_ACCEL_UNDO, ID_ACCEL_PLAY_GAME};

HWND MainWindow() {
    cEditWnd* main = MainEditWnd();
    return main ? main->GetHwnd() : nullptr;
}

}  // namespace

bool PassCommandToMain(int command) {
    for (int id : kMainCommands)
        if (command == id) {
            if (HWND main = MainWindow()) PostMessageA(main, WM_COMMAND, command, 0);
            return true;
        }
    return false;
}

bool PassSpaceToMain(WPARAM key, LPARAM keyData) {
    if (key != VK_SPACE) return false;
    if (HWND main = MainWindow()) PostMessageA(main, WM_KEYDOWN, key, keyData);
    return true;
}
