#pragma once
// The five pages of the system settings sheet, in tab order. Every control is bound straight to
// a field of the project's system data; the sheet stores the pages and saves the file on OK or
// Apply. The first page answers the sheet's Apply and its end for the whole sheet.
#include <string>
#include <vector>

#include "editor/world/SettingPage.h"

class cSysGamePage : public cSettingPage {
public:
    cSysGamePage(cChildWnd* parent, cWndGroup* group);
    // The sheet's Apply: a save that failed keeps the sheet open with Apply enabled.
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void UpdateEnables() override;
    void OnWindowGone() override;
};

class cSysStockPage : public cSettingPage {
public:
    cSysStockPage(cChildWnd* parent, cWndGroup* group);

protected:
    void PageCommand(int id, int code) override;

private:
    void PlayMusic(int slot);
    std::vector<std::string> m_BgmNames;
};

class cSysStatusPage : public cSettingPage {
public:
    cSysStatusPage(cChildWnd* parent, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cSysTermsPage : public cSettingPage {
public:
    cSysTermsPage(cChildWnd* parent, cWndGroup* group);
};

class cSysIniPage : public cSettingPage {
public:
    cSysIniPage(cChildWnd* parent, cWndGroup* group);
};

// Limits of the system data's texts: the title in characters, the others in bytes.
const int kSysTitleLimit = 30;
const int kSysPathLimit = 259;  // a file path's buffer less its terminating zero
const int kSysIniKeyLimit = 63;
