#pragma once
// The small command dialogs over the command's parameter list: the flow operation, the stage
// clear, the game wait, the message and the target; and the warp over the movement record.
// Each sets its defaults for a new command and enables its controls by its choices.
#include "editor/flow/CmdParamPage.h"

class cCmdFlowOpDlg : public cCmdParamPage {
public:
    cCmdFlowOpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cCmdStageClearDlg : public cCmdParamPage {
public:
    cCmdStageClearDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cCmdGameWaitDlg : public cCmdParamPage {
public:
    cCmdGameWaitDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
};

// The message runs in parallel unless it pauses the game ("一時停止").
class cCmdMessageDlg : public cCmdParamPage {
public:
    cCmdMessageDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
    void AfterStore() override;
};

class cCmdWarpDlg : public cCmdParamPage {
public:
    cCmdWarpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};

class cCmdTargetDlg : public cCmdParamPage {
public:
    cCmdTargetDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    void UpdateEnables() override;
};
