#pragma once
// The status switch, item, graphic, anime set and anime dialogs: combos over the command's
// parameters, whose lists follow the other choices; the graphic dialog draws the chosen
// graphic.
#include <string>
#include <vector>

#include "data/Chara.h"
#include "editor/flow/CmdParamPage.h"

// "ステータスの操作2": the subject's statuses, and the chosen status's settings from its lowest
// value.
class cCmdStatusOp2Dlg : public cCmdParamPage {
public:
    cCmdStatusOp2Dlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;

private:
    std::vector<std::string> m_CharaStates;
    std::vector<std::string> m_SystemStates;
    std::vector<std::string> m_CharaSettings[6];
    std::vector<std::string> m_SystemSettings[2];
    std::vector<std::string> m_NoSettings;
};

class cCmdItemGetDlg : public cCmdParamPage {
public:
    cCmdItemGetDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;

private:
    std::vector<std::string> m_CommonItems;
    std::vector<std::string> m_StageItems;
};

// The kind decides the number's range and whether the shift counts; the preview draws the
// graphic the controls name.
class cCmdGraphicDlg : public cCmdParamPage {
public:
    cCmdGraphicDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // The preview as last drawn.
    const cDib& Preview();

protected:
    void UpdateEnables() override;
    void AfterMessage() override;

private:
    void DrawPreview();

    cEdChara m_Look;  // what the preview draws
};

class cCmdAnimeSetDlg : public cCmdParamPage {
public:
    cCmdAnimeSetDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

private:
    std::vector<std::string> m_Names;
};

class cCmdAnimeDlg : public cCmdParamPage {
public:
    cCmdAnimeDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

private:
    std::vector<std::string> m_Names;
};
