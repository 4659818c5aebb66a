#pragma once
// The system settings sheet "システムの設定": five pages over the project's system data. It lives
// in the main window's slot; the window group deletes it once it is closed, and the first page's
// end gives the editor back.
#include "editor/world/SettingSheet.h"

class cEditWnd;
class cSettingPage;

class cSystemSettingSheet : public cSettingSheet {
public:
    static constexpr int kPages = 5;

    cSystemSettingSheet(int mode, cEditWnd* parent, cWndGroup* group);
    ~cSystemSettingSheet() override;

    // Makes the pages and opens the sheet; false when it could not be opened.
    bool Create();
    // Stores every page that has been shown into the system data and saves data\System.dat.
    bool Apply() override;

private:
    cEditWnd* m_lpMain;
    cSettingPage* m_lpPages[kPages] = {};
};

// The command "システム(&S)": hides and disables the editor's windows, frees an earlier sheet and
// opens a new one.
void OpenSystemSettings(cEditWnd* main);
