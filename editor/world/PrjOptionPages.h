#pragma once
// The two pages of the project options sheet: the general page (the default elements, stage
// files of an older version, the game program for test play) and the inheritance defaults page.
// Both are bound straight to the project options; the sheet stores them and saves the file on
// OK or Apply.
#include "editor/world/SettingPage.h"

class cPropSheet;

class cGeneralPage : public cSettingPage {
public:
    cGeneralPage(cChildWnd* parent, cWndGroup* group);
    ~cGeneralPage() override;

    // The data window of a default element opened from this page (0 block, 1 chara, 2 item).
    cPropSheet* DataWnd(int kind) const { return m_lpDataWnd[kind]; }
    // Opens the data window on the project's default element of the kind, the editor's other
    // windows disabled meanwhile. The item data window is not there yet.
    void OpenDefault(int kind);

protected:
    void UpdateEnables() override;
    void PageCommand(int id, int code) override;
    void OnApply() override;
    void OnWindowGone() override;

private:
    cPropSheet* m_lpDataWnd[3] = {};
};

class cInheritDefPage : public cSettingPage {
public:
    cInheritDefPage(cChildWnd* parent, cWndGroup* group);
};
