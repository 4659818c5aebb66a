#include "editor/flow/CmdPage.h"

#include <algorithm>

#include "data/FlowCommand.h"
#include "data/FlowTables.h"
#include "editor/flow/FlowCmdIds.h"

HWND& OpenCharaSheetWnd() {
    static HWND wnd = nullptr;
    return wnd;
}

HWND& OpenItemSheetWnd() {
    static HWND wnd = nullptr;
    return wnd;
}

void SizeParams(cFlowCmd& cmd) {
    const cOptionEntry* type = cmd.TypeEntry();
    if (type) cmd.m_Params.resize(static_cast<size_t>(type->m_Value), 0);
}

void cCmdBindings::Check(uint16_t id, uint8_t* var) {
    m_Checks.emplace_back();
    m_Checks.back().m_Desc.Set(id, var);
}

void cCmdBindings::Check(uint16_t id, int32_t* var) {
    m_Checks.emplace_back();
    m_Checks.back().m_Desc.Set(id, var);
}

void cCmdBindings::Edit(uint16_t id, uint8_t* var, uint8_t minimum, uint8_t maximum, uint16_t spin) {
    m_EditsU8.emplace_back();
    m_EditsU8.back().m_Desc.Set(id, var, minimum, maximum, spin);
}

void cCmdBindings::Edit(uint16_t id, int8_t* var, int8_t minimum, int8_t maximum, uint16_t spin) {
    m_Edits8.emplace_back();
    m_Edits8.back().m_Desc.Set(id, var, minimum, maximum, spin);
}

void cCmdBindings::Edit(uint16_t id, uint16_t* var, uint16_t minimum, uint16_t maximum, uint16_t spin) {
    m_EditsU16.emplace_back();
    m_EditsU16.back().m_Desc.Set(id, var, minimum, maximum, spin);
}

void cCmdBindings::Edit(uint16_t id, int16_t* var, int16_t minimum, int16_t maximum, uint16_t spin) {
    m_Edits16.emplace_back();
    m_Edits16.back().m_Desc.Set(id, var, minimum, maximum, spin);
}

void cCmdBindings::Edit(uint16_t id, int32_t* var, int32_t minimum, int32_t maximum, uint16_t spin) {
    m_Edits32.emplace_back();
    m_Edits32.back().m_Desc.Set(id, var, minimum, maximum, spin);
}

void cCmdBindings::Real(uint16_t id, double* var, double minimum, double maximum, double step, uint16_t spin) {
    m_Reals.emplace_back();
    m_Reals.back().m_Desc.Set(id, var, minimum, maximum, spin, step);
}

void cCmdBindings::Combo(uint16_t id, uint8_t* var, const char* const* table, uint8_t base) {
    m_Combos8.emplace_back();
    m_Combos8.back().m_Desc = cComboDesc<uint8_t>(id, var, table, base);
}

void cCmdBindings::Combo(uint16_t id, uint8_t* var, const std::vector<std::string>* names) {
    m_Combos8.emplace_back();
    m_Combos8.back().m_Desc = cComboDesc<uint8_t>(id, var, names, 0);
}

void cCmdBindings::Combo(uint16_t id, int32_t* var, const char* const* table) {
    m_Combos32.emplace_back();
    m_Combos32.back().m_Desc = cComboDesc<int32_t>(id, var, table, 0);
}

void cCmdBindings::Combo(uint16_t id, int32_t* var, const std::vector<std::string>* names, int32_t base) {
    m_Combos32.emplace_back();
    m_Combos32.back().m_Desc = cComboDesc<int32_t>(id, var, names, base);
}

void cCmdBindings::Combo(uint16_t id, uint16_t* var, const std::vector<std::string>* names, uint16_t base) {
    m_Combos16.emplace_back();
    m_Combos16.back().m_Desc = cComboDesc<uint16_t>(id, var, names, base);
}

void cCmdBindings::Combo(uint16_t id, int16_t* var, const std::vector<std::string>* names, int16_t base) {
    m_Combos16s.emplace_back();
    m_Combos16s.back().m_Desc = cComboDesc<int16_t>(id, var, names, base);
}

void cCmdBindings::Picture(uint16_t id, int width, int height) {
    m_Pictures.emplace_back();
    m_Pictures.back().m_Desc.Set(id, width, height);
}

void cCmdBindings::Text(const cStrEditDesc& desc) {
    m_Texts.emplace_back();
    m_Texts.back().m_Desc = desc;
}

void cCmdBindings::Track(uint16_t id, int32_t* var, int32_t minimum, int32_t maximum, int32_t page, uint16_t edit) {
    m_Tracks.emplace_back();
    TrackDesc& desc = m_Tracks.back().m_Desc;
    desc.id = id;
    desc.lpVar = var;
    desc.minimum = minimum;
    desc.maximum = maximum;
    desc.pageSize = page;
    desc.lineSize = 1;
    desc.editId = edit;
}

void cCmdBindings::Button(uint16_t id) {
    m_Buttons.emplace_back();
    m_Buttons.back().m_Desc.Set(id);
}

void cCmdBindings::AttachTo(cPage* page) {
    page->AttachCtrls(m_Checks);
    page->AttachCtrls(m_EditsU8);
    page->AttachCtrls(m_Edits8);
    page->AttachCtrls(m_EditsU16);
    page->AttachCtrls(m_Edits16);
    page->AttachCtrls(m_Edits32);
    page->AttachCtrls(m_Reals);
    page->AttachCtrls(m_Combos8);
    page->AttachCtrls(m_Combos16);
    page->AttachCtrls(m_Combos16s);
    page->AttachCtrls(m_Combos32);
    page->AttachCtrls(m_Texts);
    page->AttachCtrls(m_Tracks);
    page->AttachCtrls(m_Buttons);
    for (cBoundPictureBox& picture : m_Pictures) page->AttachPictureBox(picture);
}

cCmdPage::cCmdPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cPage(templateId, parent, eKindDialog, group), m_Context(context) {
    HWND sheet = OpenCharaSheetWnd() ? OpenCharaSheetWnd() : OpenItemSheetWnd();
    RECT rect;
    if (sheet && GetWindowRect(sheet, &rect)) SetRequestedPosition(rect.left, rect.top);
    SetLayout(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    SizeParams(Cmd());
}

INT_PTR cCmdPage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    INT_PTR handled = cPage::DialogProc(wnd, msg, wParam, lParam);
    if (handled || msg == WM_CLOSE) AfterMessage();
    return handled;
}

void cCmdPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    m_Bind.AttachTo(this);
    DataToCtrls();
    UpdateEnables();
    m_Ready = 1;
}

void cCmdPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_CMD_OK:
        if (!CanStore()) return;
        CtrlsToData();
        AfterStore();
        End(1);
        return;
    case IDC_CMD_CANCEL:
        End(0);
        return;
    }
    if (m_Ready && FindChangedCtrl(wParam)) UpdateEnables();
}

bool cCmdPage::IsChecked(uint16_t id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

int cCmdPage::ComboPos(uint16_t id) const {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

void cCmdPage::EnableCtrl(uint16_t id, int flag) {
    for (cCtrl* ctrl : m_Ctrls)
        if (ctrl->GetId() == id) {
            ctrl->Enable(flag);
            return;
        }
    ReportMissingCtrl(id);
}

void cCmdPage::Uncheck(uint16_t id) { CheckDlgButton(m_hWnd, id, BST_UNCHECKED); }

void cCmdPage::ShowParamList(uint16_t id, const std::vector<std::string>* names, int32_t base, bool fit) {
    cBoundCombo<int32_t>* binding = FindCtrl(m_Bind.m_Combos32, id);
    if (!binding) return;
    cShownList* shown = nullptr;
    for (cShownList& list : m_ShownLists)
        if (list.id == id) shown = &list;
    if (!shown) {
        m_ShownLists.push_back({id, nullptr, 0});
        shown = &m_ShownLists.back();
    } else if (shown->names == names && shown->base == base) {
        return;
    }
    shown->names = names;
    shown->base = base;
    cCombo<int32_t>& combo = binding->m_Ctrl;
    bool chosen = combo.GetPos() >= 0;
    int32_t kept = combo.GetData();
    combo.SetBase(base);
    combo.SetList(names);
    if (!m_Ready) {
        // Opening: the stored value, or nothing when the list lacks it.
        combo.DataToCtrl();
        return;
    }
    int32_t count = static_cast<int32_t>(SendMessageA(combo.GetHwnd(), CB_GETCOUNT, 0, 0));
    if (fit && count > 0) {
        combo.SetData(chosen ? std::min(std::max(kept, base), base + count - 1) : base);
    } else if (chosen) {
        combo.SetData(kept);
    } else {
        SendMessageA(combo.GetHwnd(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void cCmdPage::RefillParamList(uint16_t id) {
    cBoundCombo<int32_t>* binding = FindCtrl(m_Bind.m_Combos32, id);
    if (!binding) return;
    cCombo<int32_t>& combo = binding->m_Ctrl;
    int pos = combo.GetPos();
    combo.Refill();
    SendMessageA(combo.GetHwnd(), CB_SETCURSEL, static_cast<WPARAM>(pos), 0);
}

void cCmdPage::BindTime() {
    m_Bind.Check(IDC_CMD_PARALLEL, &Cmd().m_Parallel);
    m_Bind.Edit(IDC_CMD_TIME, &Cmd().m_Time, 1, 9999, IDC_CMD_TIME_SPIN);
    m_Bind.Edit(IDC_CMD_TIME_K, &Cmd().m_CloneTime, -500, 500, IDC_CMD_TIME_K_SPIN);
}
