#pragma once
// What the editor's windows share for the whole run: the process state, the registry of its
// modeless windows and the main window now shown. The frame, the main window, the test play and
// the windows of the other editor libraries read and set it; App.cpp fills it at start-up.
// Nothing of the stage document is here (StageDoc.h).
#include <windows.h>

#include <cstdint>
#include <string>

class cEditWnd;
class cWndGroup;

const char kEditorClass[] = "Quorbel4";
const char kEditorTitle[] = "Quorbel4";

// Which editor is in front: its windows are the ones hidden and shown with the frame.
enum eFrontWnd { eFrontStage = 0, eFrontWorldMap = 1 };

struct cAppState {
    HINSTANCE instance = nullptr;
    int active = 0;       // the last WM_ACTIVATEAPP: non-zero while the editor is active
    int restored = 0;     // the frame came back from minimised; the next idle pass sets the focus
    int initialised = 0;  // InitApp completed: ExitApp may store the configuration
    int testPlaying = 0;  // the game program runs a test play
    int front = eFrontStage;
    int fps = 0;
    uint32_t frames = 0;  // idle passes run
    std::string startFolder;
};

cAppState& AppState();
// The registry of the editor's modeless windows.
cWndGroup& EditorGroup();
// The main window now shown; null while none exists.
cEditWnd* MainEditWnd();
void SetMainEditWnd(cEditWnd* wnd);
