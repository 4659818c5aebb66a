#pragma once
// The property sheet "ステージの設定" over the open stage: the basic page and the two advanced
// pages. It lives in the main window's slot; the window group deletes it once it is closed, and
// the basic page's end brings the main window back.
#include "framework/PropSheet.h"

class cEditWnd;
class cStageBasicPage;
class cStageAdvancedPage;
class cStageAdvancedPage2;

class cStageSettingSheet : public cPropSheet {
public:
    cStageSettingSheet(int mode, cEditWnd* parent, cWndGroup* group);
    ~cStageSettingSheet() override;

    // Makes the pages and opens the sheet; false when it could not be opened.
    bool Create();
    // Reads every page into the stage: the basic page first (it may resize the stage), then the
    // two advanced pages.
    void Apply();

    // Test seams: the pages as the tests drive them.
    cStageBasicPage* BasicPage() const { return m_lpBasic; }
    cStageAdvancedPage* AdvancedPage() const { return m_lpAdvanced; }
    cStageAdvancedPage2* AdvancedPage2() const { return m_lpAdvanced2; }

private:
    cEditWnd* m_lpMain;
    cStageBasicPage* m_lpBasic = nullptr;
    cStageAdvancedPage* m_lpAdvanced = nullptr;
    cStageAdvancedPage2* m_lpAdvanced2 = nullptr;
};

// The command "設定(&E)": hides and disables the editor's other windows, frees an earlier sheet
// and opens a new one.
void OpenStageSettings(cEditWnd* main);
