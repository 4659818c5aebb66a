#pragma once
// The name-entry window: the player types the name (three characters at most, whole cp932
// characters) under which results go into the rankings. The game thread asks for it with
// UM_NAME_ENTRY; it runs modally on the window thread.
#include <string>

#include "framework/Page.h"
#include "framework/StrEdit.h"

class cNameEntryWnd : public cPage {
public:
    // Opens with its top-left corner at the screen point, bound to the name.
    cNameEntryWnd(cChildWnd* parent, std::string* name, int x, int y);
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // OK stores the typed name and ends with 1; the close box ends with 0 and keeps the name.
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    cBindings<cBoundStrEdit> m_Edits;
};

// The name the window edits: in the options the remembered ranking name, otherwise the story
// state's player name, which the ranking registration takes.
std::string& NameEntryTarget();
// (240, 220) on the screen, from the client area's corner in window mode.
POINT NameEntryPosition();
// The window thread's handler of UM_NAME_ENTRY, installed at start-up.
void InstallNameEntry();
