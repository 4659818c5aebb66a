#pragma once
// The effect, picture, chara effect, screen effect, screen colour and background dialogs. The
// effect and the picture run in parallel unless they pause the game ("一時停止"); their entry 0
// erases what is shown, and then nothing else counts.
#include <string>
#include <vector>

#include "editor/flow/CmdParamPage.h"

// The position controls the effect and the picture share.
class cCmdShowPage : public cCmdParamPage {
public:
    cCmdShowPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group, size_t count);

protected:
    void AfterStore() override;
    // The entry combo, the position, the place, the offsets and the scale (parameters 0 to 6).
    void BindPlace(uint16_t entryId, const std::vector<std::string>* entries);
    // Entry 0 disables every control of `others`; another entry enables the place controls.
    // True when an entry other than 0 is chosen.
    bool EnablePlace(uint16_t entryId, std::initializer_list<uint16_t> others);

    size_t m_PauseParam = 0;  // the parameter of "一時停止"
    std::vector<std::string> m_Entries;
};

class cCmdEffectDlg : public cCmdShowPage {
public:
    cCmdEffectDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cCmdPictureDlg : public cCmdShowPage {
public:
    cCmdPictureDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

// A chara effect or a screen effect (by the template), looped or once.
class cCmdEffectRunDlg : public cCmdParamPage {
public:
    cCmdEffectRunDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

private:
    std::vector<std::string> m_Entries;
};

// The colour and its share on four trackbars, shown in the preview as they move.
class cCmdScreenColorDlg : public cCmdParamPage {
public:
    cCmdScreenColorDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // The preview follows the trackbars as they move.
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The preview as last drawn.
    const cDib& Preview();

protected:
    void UpdateEnables() override;
    void AfterMessage() override;

private:
    void DrawPreview();
};

class cCmdBackgroundDlg : public cCmdParamPage {
public:
    cCmdBackgroundDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
};
