#pragma once
// The block, chara and item summon dialogs: one family over the shot parameter record, with the
// shot's formations, the palette and element of the summoned element, and each member's own
// fields.
#include <string>
#include <vector>

#include "editor/flow/CmdShotDlgs.h"

class cCmdSummonPage : public cCmdShotPage {
public:
    cCmdSummonPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

protected:
    // The element lists of the kind in both palettes, built once; the element combo shows the
    // list of the chosen palette, enabled only while `on`.
    template <class List>
    void BuildElementLists(const List& common, const List& stage) {
        BuildNameList(&m_CommonElements, common);
        BuildNameList(&m_StageElements, stage);
    }
    void ShowElements(int on);
    // The existence time of a chara or an item: the flag and its time.
    void BindLife();

    cParamSlots m_Formation;
    std::vector<std::string> m_CommonElements;
    std::vector<std::string> m_StageElements;
};

class cCmdBlockSummonDlg : public cCmdSummonPage {
public:
    cCmdBlockSummonDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cCmdCharaSummonDlg : public cCmdSummonPage {
public:
    cCmdCharaSummonDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cCmdItemSummonDlg : public cCmdSummonPage {
public:
    cCmdItemSummonDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};
