// The editor's entry: the whole run is EditorMain (editor/shell/App.h).
#include <windows.h>

#include "editor/shell/App.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return EditorMain(instance); }
