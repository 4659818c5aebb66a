#include "editor/palette/FlowLists.h"

#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/CmdRowText.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/flow/KeyCondDlg.h"
#include "framework/Format.h"

namespace {

const char* const kKeyNames[kKeyStates] = {"方n", "←", "→", "↑", "↓", "←↑", "←↓", "→↑", "→↓", "方向",
                                           "アn", "Z", "X", "C", "V", "A", "S", "D", "F"};
const char* const kJoiners[3] = {"+", "･", "/"};
const int kPressed = 1;

const char* NameOf(const char* const* table, int size, int row) { return row >= 0 && row < size - 1 ? table[row] : ""; }

}  // namespace

void FlowRowText(std::string* text, int, const cFlow* flow) {
    *text = Format("×%d %s %s", static_cast<int>(flow->m_Commands.size()), NameOf(FlowGroupNames, 28, flow->m_Group),
                   NameOf(FlowIdNames, 28, flow->m_Id));
}

void KeyCondRowText(std::string* text, int, const cKeyCond* cond) {
    if (cond->m_PressOpen)
        *text = "1～∞ ： ";
    else
        *text = Format("%s%d～%d ： ", "", cond->m_PressMin, cond->m_PressMax);
    const char* joiner = cond->m_KeyJudge < 3 ? kJoiners[cond->m_KeyJudge] : "";
    size_t last = 0;
    for (size_t key = 0; key < cond->m_KeyStates.size() && key < kKeyStates; ++key) {
        if (cond->m_KeyStates[key] != kPressed) continue;
        *text += Format("%s ", kKeyNames[key]);
        std::string piece = Format("%s ", joiner);
        *text += piece;
        last = piece.size();
    }
    // The joiner after the last key goes; a condition without keys keeps its prefix whole.
    text->resize(text->size() - last);
}

void FlowCmdRowText(std::string* text, int, const cFlowCmd* cmd) {
    text->clear();
    CmdRowText(*cmd, text);
}

void BindFlowList(cFlowList& list, uint16_t id, cRecordVector<cFlow>* flows, cFlow* current) {
    list.m_Desc.Set(id, nullptr, flows, current, 1, FlowRowText, 1, 1, kMaxFlows, 0, 1, 0);
}

void BindKeyCondList(cKeyCondList& list, uint16_t id, cRecordVector<cKeyCond>* conds) {
    list.m_Desc.Set(id, nullptr, conds, nullptr, 1, KeyCondRowText, 0, 0, kMaxKeyConds, 0, 1, 0);
}

void BindFlowCmdList(cFlowCmdList& list, uint16_t id, cRecordVector<cFlowCmd>* cmds) {
    list.m_Desc.Set(id, nullptr, cmds, nullptr, 1, FlowCmdRowText, 0, 0, kMaxFlowCmds, 0, 1, 0);
}

bool IsListCommand(int set, int id) {
    uint16_t keys[kListCmds], menu[kListCmds];
    if (!id || !GetListAccelIds(1, set, keys) || !GetListMenuIds(1, set, menu)) return false;
    for (int cmd = 0; cmd < kListCmds; ++cmd)
        if (id == keys[cmd] || id == menu[cmd]) return true;
    return false;
}

int OpenKeyCondRowDlg(cPageInsertList<cKeyCond>& list, cKeyCondDlg** slot, cWndGroup* group, int groupMode) {
    int index = list.GetCurIndex();
    if (index < 0) return 0;
    return list.OpenRowDlg(slot, group, groupMode, [&](cPage* page) {
        return new (std::nothrow) cKeyCondDlg(IDD_KEY_COND, page, group, &(*list.Work())[static_cast<size_t>(index)]);
    });
}

int OpenFlowCmdRowDlg(cPageInsertList<cFlowCmd>& list, cCmdDlg** slot, cWndGroup* group, int groupMode, bool isNew) {
    int index = list.GetCurIndex();
    if (index < 0) return 0;
    cCmdContext context;
    context.m_lpCmd = &(*list.Work())[static_cast<size_t>(index)];
    context.m_New = isNew ? 1 : 0;
    return list.OpenRowDlg(slot, group, groupMode, [&](cPage* page) {
        return new (std::nothrow) cCmdDlg(IDD_CMD_PICKER, page, context, group);
    });
}
