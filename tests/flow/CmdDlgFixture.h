#pragma once
// Command dialogs run modal on a command, driven from inside their own loop as the person does:
// text typed into edits, combo items chosen, boxes clicked, OK, Cancel or the close box. The
// error log is on, so a control missing from a template shows a box and fails the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "data/Flow.h"
#include "editor/flow/CmdPage.h"
#include "tests/framework/ErrorLogOn.h"
#include "tests/support/TempDir.h"

// One person's action on a control.
struct cCtrlAction {
    enum eKind { eText, eCombo, eClick } kind;
    uint16_t id;
    const char* text;  // eText
    int pos;           // eCombo
};
inline cCtrlAction Type(uint16_t id, const char* text) { return {cCtrlAction::eText, id, text, 0}; }
inline cCtrlAction Choose(uint16_t id, int pos) { return {cCtrlAction::eCombo, id, nullptr, pos}; }
inline cCtrlAction Click(uint16_t id) { return {cCtrlAction::eClick, id, nullptr, 0}; }

void Act(HWND dlg, const cCtrlAction& action);
void Press(HWND dlg, uint16_t id);
std::string WindowText(HWND wnd);
bool IsEnabledCtrl(HWND dlg, uint16_t id);
bool IsCheckedCtrl(HWND dlg, uint16_t id);

// Drives the next visible dialog captioned `caption` once it is open.
void DriveCaptioned(const char* caption, std::function<void(HWND)> drive);

class CmdDlgTest : public testing::Test {
protected:
    // A chara command of the type, as the picker hands it to its dialog.
    static cFlowCmd NewCmd(int type);

    // Runs the dialog class on the command with the template; the drive function acts on the
    // open window and ends it. The modal result.
    template <class Dlg>
    int Run(cFlowCmd& cmd, int isNew, UINT templateId, const char* caption, std::function<void(HWND)> drive) {
        cCmdContext context;
        context.m_lpCmd = &cmd;
        context.m_New = isNew;
        DriveCaptioned(caption, std::move(drive));
        Dlg dlg(templateId, nullptr, context, nullptr);
        return static_cast<int>(dlg.DoModal(0));
    }

    cTempDir m_Dir;
    cErrorLogOn m_Log{"EC_Test.txt"};
};
