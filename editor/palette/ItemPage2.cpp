#include "editor/palette/ItemPage2.h"

#include <algorithm>

#include "data/ElementNames.h"
#include "data/ProjectDatabase.h"
#include "editor/flow/ItemFlowDlg.h"
#include "editor/palette/ItemIds.h"
#include "editor/shell/EditorSound.h"
#include "framework/FrameworkIds.h"
#include "framework/NameList.h"

namespace {

const int kCmdSet = 1;
const int kStripWidth = 200;
const int kStripHeight = 20;

}  // namespace

cItemPage2::cItemPage2(cItemSheetOwner* sheet, cChildWnd* parent, cWndGroup* group)
    : cItemPage(IDD_ITEM_PAGE2, sheet, 1, parent, group) {
    m_Bind.Picture(IDC_I2_STRIP, kStripWidth, kStripHeight);
    BuildTableNameList(&m_SoundNames, ProjectDatabase().m_Sounds, "なし", 0, 3, 0);
    cEdItem& item = m_Work;
    // The scale is stored linear: "×9" is 3.
    m_Bind.Combo(IDC_I2_SCALE, &item.m_Scale, ScaleNames, 1);
    m_Bind.Combo(IDC_I2_TAKE_MODE, &item.m_TakeMode, TakeModeNames);
    m_Bind.Combo(IDC_I2_SOUND, &item.m_Sound, &m_SoundNames);
    m_Bind.Check(IDC_I2_SHOW_ON_TAKE, &item.m_ShowOnTake);
    m_CmdList.resize(1);
    // Unlike a flow's commands, the item's are numbered.
    m_CmdList[0].m_Desc.Set(IDC_I2_CMDS, nullptr, &item.m_Commands, nullptr, 1, FlowCmdRowText, 1, 0, kMaxFlowCmds, 0, 1, 0);

    const uint16_t first = IDC_IT_INHERIT_FIRST;
    AddGroup(first + 0, 8, {IDC_I2_SCALE});
    AddGroup(first + 1, 9, {IDC_I2_TAKE_MODE});
    AddGroup(first + 2, 10, {IDC_I2_SHOW_ON_TAKE});
    AddGroup(first + 3, 11, {IDC_I2_SOUND});
    AddGroup(first + 4, 12, {IDC_I2_CMD_INSERT, IDC_I2_CMD_EDIT, IDC_I2_CMD_DELETE, IDC_I2_CMDS});
}

void cItemPage2::InitPage() {
    AttachDataList(m_CmdList[0]);
    SetListMenus(Commands(), IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, kCmdSet, true);
    Commands().SetInsertKey(ID_I2_CMD_INSERT_KEY);
    Commands().SelectSingle(0, false);
}

void cItemPage2::RefillLists() { Commands().Refill(); }

void cItemPage2::RedrawList() {
    cItemPage::RedrawList();
    Commands().Refresh();
}

// The toggles answer only while the item names a base palette.
void cItemPage2::EnableInheritGroups() {
    EnableInheritButtons(m_Work.m_InheritSrc != 0);
    cItemPage::EnableInheritGroups();
}

void cItemPage2::InsertCommand() {
    cPageInsertList<cFlowCmd>& list = Commands();
    cRecordVector<cFlowCmd>& cmds = m_Work.m_Commands;
    int row = list.GetCur();
    if (row < 0) return;
    size_t at = std::min(static_cast<size_t>(row), cmds.size());
    int result = AddItemCmdThroughPicker(cmds, at, kMaxFlowCmds, this, m_lpGroup);
    list.Refill();
    // OK selects the row after the new command; Cancel left the rows as they were.
    if (result == 1) list.SelectSingle(static_cast<int>(at) + 1, false);
    list.Refresh();
}

void cItemPage2::EditCommand() {
    cPageInsertList<cFlowCmd>& list = Commands();
    int index = list.GetCurIndex();
    if (index < 0) return;
    cFlowCmd& cmd = m_Work.m_Commands[static_cast<size_t>(index)];
    // A type the item table lacks (from a file) opens nothing and ends as a Cancel would.
    if (EditItemCmdThroughPicker(cmd, this, m_lpGroup) != 1) return;
    list.Refill();
    list.Refresh();
}

bool cItemPage2::PageCommand(int id, int code) {
    if (id == IDC_I2_SOUND && code == CBN_SELCHANGE) {
        // The sound chosen is heard at once.
        PreviewSound(m_hWnd, EditorWave(), m_Bind.m_Combos16, IDC_I2_SOUND, ProjectDatabase().m_Sounds);
        return true;
    }
    if (id == IDC_I2_CMD_INSERT || id == ID_I2_CMD_INSERT_KEY || id == ID_I2_CMD_INSERT_MENU) {
        InsertCommand();
    } else if (id == IDC_I2_CMD_EDIT || (id == IDC_I2_CMDS && code == LBN_DBLCLK)) {
        EditCommand();
    } else if (id == IDC_I2_CMD_DELETE) {
        Commands().CmdDelete(-1, false);
    } else if (IsListCommand(kCmdSet, id)) {
        // The list ran its own command (cut, copy, paste, delete) in the page's handler.
    } else {
        return false;
    }
    Commands().Refill();
    return true;
}

bool cItemPage2::ContextMenu(WPARAM wParam, LPARAM lParam) { return ListPopup(Commands(), m_hWnd, wParam, lParam); }
