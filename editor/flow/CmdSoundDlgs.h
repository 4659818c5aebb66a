#pragma once
// The sound, music and code dialogs. The sound and the music can be heard from the dialog; a
// code line is accepted only when the expression checker accepts it, and the variables it
// names can be renamed on the way.
#include <string>
#include <vector>

#include "editor/flow/CmdParamPage.h"

class cCmdSoundDlg : public cCmdParamPage {
public:
    cCmdSoundDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<std::string> m_Names;
};

// The music stops when the dialog ends, however it ends.
class cCmdBgmDlg : public cCmdParamPage {
public:
    cCmdBgmDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    ~cCmdBgmDlg() override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void Play();

    std::vector<std::string> m_Names;
};

class cCmdCodeDlg : public cCmdParamPage {
public:
    cCmdCodeDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // The line as typed must pass the checker, whose messages say what is wrong.
    bool CanStore() override;

private:
    // A renamed common variable is written to the names file at once.
    void Rename(int scope, uint16_t comboId, uint16_t buttonId);

    int16_t m_CommonVar = 1;
    int16_t m_StageVar = 1;
    std::vector<std::string> m_CommonNames;
    std::vector<std::string> m_StageNames;
};
