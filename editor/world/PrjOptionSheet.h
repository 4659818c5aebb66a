#pragma once
// The project options sheet "プロジェクトオプション": the general page and the inheritance defaults
// page over the project options. It lives in the main window's slot; the window group deletes it
// once it is closed, and the general page's end gives the editor back.
#include "editor/world/SettingSheet.h"

class cEditWnd;
class cGeneralPage;
class cInheritDefPage;

class cPrjOptionSheet : public cSettingSheet {
public:
    cPrjOptionSheet(int mode, cEditWnd* parent, cWndGroup* group);
    ~cPrjOptionSheet() override;

    // Makes the pages and opens the sheet; false when it could not be opened.
    bool Create();
    // Stores both pages (those that have been shown) and saves data\PrjOption.dat.
    bool Apply() override;

    // Test seam: the first page as the tests drive it.
    cGeneralPage* General() const { return m_lpGeneral; }

private:
    cEditWnd* m_lpMain;
    cGeneralPage* m_lpGeneral = nullptr;
    cInheritDefPage* m_lpInherit = nullptr;
};

// The command "プロジェクトオプション(&O)": hides and disables the editor's windows, frees an
// earlier sheet and opens a new one.
void OpenProjectOptions(cEditWnd* main);
