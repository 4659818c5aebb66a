#pragma once
// Command dialogs run modal on a command, driven from inside their own loop as the person does:
// text typed into edits, combo items chosen, boxes clicked, OK, Cancel or the close box. The
// error log is on, so a control missing from a template shows a box and fails the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "data/Flow.h"
#include "editor/flow/CmdPage.h"
#include "tests/framework/ErrorLogOn.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"

// One person's action on a control.
struct cCtrlAction {
    enum eKind { eText, eCombo, eClick, eSlide } kind;
    uint16_t id;
    const char* text;  // eText
    int pos;           // eCombo, eSlide
};
inline cCtrlAction Type(uint16_t id, const char* text) { return {cCtrlAction::eText, id, text, 0}; }
inline cCtrlAction Choose(uint16_t id, int pos) { return {cCtrlAction::eCombo, id, nullptr, pos}; }
inline cCtrlAction Click(uint16_t id) { return {cCtrlAction::eClick, id, nullptr, 0}; }
// The trackbar's thumb dragged to the position.
inline cCtrlAction Slide(uint16_t id, int pos) { return {cCtrlAction::eSlide, id, nullptr, pos}; }

void Act(HWND dlg, const cCtrlAction& action);
void Press(HWND dlg, uint16_t id);
std::string WindowText(HWND wnd);
bool IsEnabledCtrl(HWND dlg, uint16_t id);
bool IsCheckedCtrl(HWND dlg, uint16_t id);

// A row of a family table: one action, and what it does to the command as the dialog wrote it.
struct cFieldRow {
    cCtrlAction action;
    std::function<void(cFlowCmd&)> expect;
};
std::vector<cFieldRow> Join(std::initializer_list<std::vector<cFieldRow>> parts);

// Expectations on the command's own fields.
template <class T>
std::function<void(cFlowCmd&)> C(T cFlowCmd::*field, T value) {
    return [=](cFlowCmd& cmd) { cmd.*field = value; };
}
std::function<void(cFlowCmd&)> CToggle(uint8_t cFlowCmd::*field);
// Expectations on the command's parameters.
std::function<void(cFlowCmd&)> P(size_t i, int32_t value);
std::function<void(cFlowCmd&)> PToggle(size_t i);
// Expectations on the command's movement record.
template <class T>
std::function<void(cFlowCmd&)> M(T cEdMove::*field, T value) {
    return [=](cFlowCmd& cmd) { (*cmd.m_Move).*field = value; };
}
std::function<void(cFlowCmd&)> MToggle(uint8_t cEdMove::*field);

class CmdDlgTest : public testing::Test {
protected:
    // A chara command of the type, as the picker hands it to its dialog.
    static cFlowCmd NewCmd(int type);
    // The command picker on the command, built as the chara flows page builds it on its list's
    // row (its owner the page): new or existing. The picker's result.
    static int RunPicker(cFlowCmd& cmd, int isNew, cChildWnd* owner = nullptr);

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

    // The command as the dialog writes it for a new command; OK without a change keeps it; each
    // row changes exactly its field; Cancel and the close box after every row's change keep all.
    template <class Dlg>
    void CheckFamily(int type, UINT templateId, const char* caption, const std::vector<cFieldRow>& rows) {
        CheckFamilyFrom<Dlg>(type, templateId, caption, nullptr, rows);
    }
    // The same from a command in which every row's control is enabled: `start` changes what the
    // dialog wrote for a new command, and the dialog writes it again.
    template <class Dlg>
    void CheckFamilyFrom(int type, UINT templateId, const char* caption, std::function<void(cFlowCmd&)> start,
                         const std::vector<cFieldRow>& rows) {
        cFlowCmd written = NewCmd(type);
        ASSERT_EQ(1, Run<Dlg>(written, 1, templateId, caption, PressOk));
        if (start) {
            start(written);
            ASSERT_EQ(1, Run<Dlg>(written, 0, templateId, caption, PressOk));
        }
        cFlowCmd again = written;
        ASSERT_EQ(1, Run<Dlg>(again, 0, templateId, caption, PressOk));
        EXPECT_TRUE(again == written) << caption << ": OK without a change";
        for (size_t i = 0; i < rows.size(); ++i) {
            cFlowCmd cmd = written;
            cCtrlAction action = rows[i].action;
            EXPECT_EQ(1, Run<Dlg>(cmd, 0, templateId, caption, [action](HWND dlg) {
                Act(dlg, action);
                PressOk(dlg);
            }));
            cFlowCmd expected = written;
            rows[i].expect(expected);
            EXPECT_TRUE(cmd == expected) << caption << ": row " << i << " (control " << action.id << ")";
        }
        for (bool close : {false, true}) {
            cFlowCmd cmd = written;
            EXPECT_EQ(0, Run<Dlg>(cmd, 0, templateId, caption, [&rows, close](HWND dlg) {
                for (const cFieldRow& row : rows) Act(dlg, row.action);
                CancelOrClose(dlg, close);
            }));
            EXPECT_TRUE(cmd == written) << caption << (close ? ": close box" : ": Cancel");
        }
    }
    // Runs the dialog on a stored command that holds values its lists lack: each of the combos
    // chooses nothing, `check` looks at the rest of the open dialog, and OK (or Cancel) leaves the
    // command as it was stored.
    template <class Dlg>
    void ExpectOutsideValuesKept(cFlowCmd cmd, UINT templateId, const char* caption, std::vector<uint16_t> combos,
                                 std::function<void(HWND)> check = nullptr, bool cancel = false) {
        const cFlowCmd stored = cmd;
        EXPECT_EQ(cancel ? 0 : 1, Run<Dlg>(cmd, 0, templateId, caption, [combos, check, cancel](HWND dlg) {
            for (uint16_t id : combos) EXPECT_EQ(CB_ERR, SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0)) << id;
            if (check) check(dlg);
            if (cancel)
                CancelOrClose(dlg, false);
            else
                PressOk(dlg);
        }));
        EXPECT_TRUE(cmd == stored) << caption << (cancel ? ": Cancel" : ": OK");
    }

    static void PressOk(HWND dlg);
    static void CancelOrClose(HWND dlg, bool close);

    cTempDir m_Dir;
    cErrorLogOn m_Log{"EC_Test.txt"};
};
