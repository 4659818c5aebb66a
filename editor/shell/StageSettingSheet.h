#pragma once
// The property sheet "ステージの設定" over the open stage: the basic page and the two advanced
// pages. It lives in a slot of the window that opened it (the main window's); the window group
// deletes it once it is closed, and its end brings that window back through cStageSheetOwner.
#include "editor/shell/StageBasicPage.h"
#include "framework/PropSheet.h"

class cStageAdvancedPage;
class cStageAdvancedPage2;

// What the sheet asks of the window that opened it.
class cStageSheetOwner {
public:
    // The sheet has closed: the owner comes back and takes the stage as the sheet left it.
    virtual void StageSheetClosed() = 0;

protected:
    ~cStageSheetOwner() = default;
};

class cStageSettingSheet : public cPropSheet, private cBasicPageOwner {
public:
    // The sheet enters the slot, and the slot empties when the group deletes it.
    cStageSettingSheet(int mode, cChildWnd* parent, cWndGroup* group, cPropSheet** slot, cStageSheetOwner* owner);
    ~cStageSettingSheet() override;

    // Makes the pages and opens the sheet; false when it could not be opened.
    bool Create();
    // Reads every page into the stage: the basic page first (it may resize the stage), then the
    // two advanced pages.
    void Apply();

private:
    void ApplyPages() override { Apply(); }
    void PagesClosed() override;

    cStageSheetOwner* m_lpOwner;
    cStageBasicPage* m_lpBasic = nullptr;
    cStageAdvancedPage* m_lpAdvanced = nullptr;
    cStageAdvancedPage2* m_lpAdvanced2 = nullptr;
};

// The command "設定(&E)": hides and disables the editor's other windows, frees the sheet in the
// slot and opens a new one there.
void OpenStageSettings(cChildWnd* parent, cPropSheet*& slot, cStageSheetOwner* owner);
