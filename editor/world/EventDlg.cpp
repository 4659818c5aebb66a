#include "editor/world/EventDlg.h"

#include <windowsx.h>

#include <algorithm>
#include <new>

#include "data/FlowTables.h"
#include "data/ProjectData.h"
#include "editor/flow/VarRename.h"
#include "editor/shell/StagePage.h"
#include "editor/shell/SystemBitmaps.h"
#include "editor/world/EventIds.h"
#include "editor/world/WorldMapEdit.h"
#include "editor/world/WorldWindows.h"
#include "framework/FileDialogs.h"
#include "framework/Format.h"
#include "framework/FrameworkIds.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"

namespace {

const int kCell = 32;
// Names are counted in bytes: a double-byte character takes two.
const int kNameLimit = 20;
const int kEventPathLimit = 259;
const int32_t kMaxWorldNo = 999;
const int32_t kMaxCondValue = 999999;

void EntryRowText(std::string* text, int, const cWorldStageEntry* entry) {
    *text = Format("ステージ番号 %d", entry->m_WorldNo);
}

// The controls of a "ワールド" entry, which "道" and "壁" have no use for.
const uint16_t kWorldOnly[] = {IDC_WE_WORLD_NO, IDC_WE_WORLD_NAME, IDC_WE_STAGE, IDC_WE_STAGE_BROWSE,
                               IDC_WE_PASS,     IDC_WE_REPLAY,     IDC_WE_GAME_CLEAR};

}  // namespace

cWorldEventDlg::cWorldEventDlg(cWorldEvent* target, cChildWnd* owner, cWndGroup* group)
    : cPage(IDD_WORLD_EVENT, owner, eKindDialog, group), m_lpTarget(target), m_Work(*target) {
    // The graphic items: one per 32-pixel row of the event image, numbered from 1, and as many
    // more as an entry's graphic needs to be shown and kept (it draws nothing).
    const cDib& sheet = SystemBitmap(eBmpWorldEvent);
    int graphics = sheet.GetDC() ? sheet.Height() / kCell : 0;
    for (const cWorldStageEntry& entry : m_Work.m_Pages) graphics = std::max(graphics, entry.m_Graphic + 1);
    graphics = std::max(graphics, 1);
    for (int k = 1; k <= graphics; ++k) m_GraphicItems.push_back(Format("%d", k));
    BuildVarItems();

    cBound<cEntryList, cDataListDesc<cWorldStageEntry, cRecordVector<cWorldStageEntry>>> list;
    list.m_Desc.Set(IDC_WE_LIST, &m_Work.m_Pages, &m_Rows, &m_Edit, 0, EntryRowText, 1, 1, kMaxEntries, 0, 0, 0);
    m_List.push_back(list);

    cBoundStrEdit name;
    name.m_Desc = cStrEditDesc(IDC_WE_NAME, &m_Work.m_Name, kNameLimit, 0);
    m_Texts.push_back(name);
    cBoundStrEdit worldName;
    worldName.m_Desc = cStrEditDesc(IDC_WE_WORLD_NAME, &m_Edit.m_WorldName, kNameLimit, 0);
    m_EntryTexts.push_back(worldName);
    cBoundStrEdit stage;
    stage.m_Desc = cStrEditDesc(IDC_WE_STAGE, &m_Edit.m_StartStage, kEventPathLimit, 0);
    m_EntryTexts.push_back(stage);

    m_Combos.push_back(Combo(IDC_WE_TYPE, &m_Edit.m_Type, WorldEventTypeNames, 0));
    cBoundCombo<int32_t> graphic;
    graphic.m_Desc = cComboDesc<int32_t>(IDC_WE_GRAPHIC, &m_Edit.m_Graphic, &m_GraphicItems, 0);
    m_Combos.push_back(graphic);
    m_Combos.push_back(Combo(IDC_WE_GAME_CLEAR, &m_Edit.m_GameClear, GameClearNames, 0));
    cBoundCombo<int32_t> variable;
    variable.m_Desc = cComboDesc<int32_t>(IDC_WE_VAR, &m_Edit.m_CondVar, &m_VarItems, 0);
    m_Combos.push_back(variable);
    m_Combos.push_back(Combo(IDC_WE_COMPARE, &m_Edit.m_CondCompare, CompareNames, 0));

    m_Ints.push_back(IntEdit(IDC_WE_WORLD_NO, &m_Edit.m_WorldNo, 0, kMaxWorldNo, IDC_WE_WORLD_NO_SPIN));
    m_Ints.push_back(IntEdit(IDC_WE_NEED_WORLD, &m_Edit.m_NeedWorld, 0, kMaxWorldNo, IDC_WE_NEED_WORLD_SPIN));
    m_Ints.push_back(IntEdit(IDC_WE_VALUE, &m_Edit.m_CondValue, -kMaxCondValue, kMaxCondValue, IDC_WE_VALUE_SPIN));
    m_Checks.push_back(Check(IDC_WE_PASS, &m_Edit.m_PassUncleared));
    m_Checks.push_back(Check(IDC_WE_REPLAY, &m_Edit.m_PlayAfterClear));
    for (uint16_t id : {IDC_WE_STAGE_BROWSE, IDC_WE_VAR_RENAME, IDC_WE_INSERT, IDC_WE_DELETE})
        m_Buttons.push_back(Button(id));
    cBoundPictureBox preview;
    preview.m_Desc.Set(IDC_WE_PREVIEW, kCell, kCell);
    m_Preview.push_back(preview);
}

void cWorldEventDlg::BuildVarItems() {
    BuildVarNameList(&m_VarItems, eVarCommon);
    m_VarItems.insert(m_VarItems.begin(), "変数条件なし");
}

void cWorldEventDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachDataList(m_List[0]);
    Entries().SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1);
    AttachCtrls(m_Texts);
    AttachCtrls(m_EntryTexts);
    AttachCtrls(m_Combos);
    AttachCtrls(m_Ints);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Buttons);
    AttachPictureBox(m_Preview[0]);
    for (auto* texts : {&m_Texts, &m_EntryTexts})
        for (cBoundStrEdit& text : *texts)
            SendMessageA(text.m_Ctrl.GetHwnd(), EM_LIMITTEXT,
                         static_cast<WPARAM>(text.m_Desc.dbcs ? text.m_Desc.width : text.m_Desc.capacity - 1), 0);
    Entries().SelectSingle(0, true);
    Entries().CmdSelect();
    DataToCtrls();
    UpdateEnables();
    m_Ready = 1;
    OnPaint();
}

// "道" and "壁" take no world number: it is zeroed at once.
void cWorldEventDlg::UpdateEnables() {
    const int var = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_WE_VAR, CB_GETCURSEL, 0, 0));
    EnableCtrlById(m_Ints, IDC_WE_VALUE, var > 0);
    EnableWindow(GetDlgItem(m_hWnd, IDC_WE_COMPARE), var > 0);
    const int type = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_WE_TYPE, CB_GETCURSEL, 0, 0));
    const bool world = type <= 0;
    for (uint16_t id : kWorldOnly) {
        if (id == IDC_WE_WORLD_NO)
            EnableCtrlById(m_Ints, id, world);
        else
            EnableWindow(GetDlgItem(m_hWnd, id), world);
    }
    if (!world && GetDlgItemInt(m_hWnd, IDC_WE_WORLD_NO, nullptr, TRUE) != 0) {
        SetDlgItemTextA(m_hWnd, IDC_WE_WORLD_NO, "0");
        StoreEntry();
    }
}

void cWorldEventDlg::ShowEntry() {
    for (auto& text : m_EntryTexts) text.m_Ctrl.DataToCtrl();
    for (auto& combo : m_Combos) combo.m_Ctrl.DataToCtrl();
    for (auto& value : m_Ints) value.m_Ctrl.DataToCtrl();
    for (auto& check : m_Checks) check.m_Ctrl.DataToCtrl();
}

// The entry controls into the edit record, and the record into its row.
void cWorldEventDlg::StoreEntry() {
    for (auto& text : m_EntryTexts) text.m_Ctrl.CtrlToData();
    for (auto& combo : m_Combos) combo.m_Ctrl.CtrlToData();
    for (auto& value : m_Ints) value.m_Ctrl.CtrlToData();
    for (auto& check : m_Checks) check.m_Ctrl.CtrlToData();
    Entries().CmdRenew();
}

int cWorldEventDlg::OnPaint() {
    if (!m_Ready || m_Preview.empty()) return 0;
    cPictureBox& box = m_Preview[0].m_Ctrl;
    cDib& canvas = box.Canvas();
    if (HDC dc = canvas.GetDC()) PatBlt(dc, 0, 0, canvas.Width(), canvas.Height(), BLACKNESS);
    const cDib& sheet = SystemBitmap(eBmpWorldEvent);
    const int graphic = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_WE_GRAPHIC, CB_GETCURSEL, 0, 0));
    const bool numbered = GetDlgItemInt(m_hWnd, IDC_WE_WORLD_NO, nullptr, TRUE) != 0;
    if (sheet.GetDC() && graphic >= 0 && (graphic + 1) * kCell <= sheet.Height())
        canvas.Blt(0, 0, kCell, kCell, sheet, numbered ? 0 : kCell, graphic * kCell, 0);
    box.Present();
    return 1;
}

INT_PTR cWorldEventDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        End(0);
        return 1;
    }
    if (msg == WM_DRAWITEM && m_Ready) {
        if (reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID == IDC_WE_PREVIEW) OnPaint();
        return 1;
    }
    if (m_Ready && msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == GetDlgItem(wnd, IDC_WE_LIST)) {
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        Entries().SelectAt(at);
        Entries().CmdSelect();
        ShowEntry();
        if (HMENU menu = Entries().GetPopupMenu()) TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, wnd, nullptr);
        return 1;
    }
    return cPage::DialogProc(wnd, msg, wParam, lParam);
}

void cWorldEventDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    const int changed = m_Ready ? FindChangedCtrl(wParam) : 0;
    // The list's own commands (keys and popup) come through the page base.
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready) return;
    switch (id) {
    case IDC_WE_OK:
        Commit();
        End(1);
        return;
    case IDC_WE_CANCEL:
    case IDCANCEL:
        End(0);
        return;
    case IDC_WE_INSERT:
        if (code == BN_CLICKED) Entries().CmdInsert();
        break;
    case IDC_WE_DELETE:
        if (code == BN_CLICKED) Entries().CmdDelete(-1, true);
        break;
    case IDC_WE_STAGE_BROWSE:
        if (code == BN_CLICKED) ChooseStage();
        break;
    case IDC_WE_VAR_RENAME:
        if (code == BN_CLICKED) RenameVariable();
        break;
    case IDC_WE_LIST:
        if (code == LBN_SELCHANGE) Entries().CmdSelect();
        break;
    }
    // A list command (its buttons, keys or popup) chose another entry; a changed control changed
    // the entry shown.
    const bool fromMenu = lParam == 0;
    if (id == IDC_WE_LIST || id == IDC_WE_INSERT || id == IDC_WE_DELETE || fromMenu) {
        ShowEntry();
    } else if (changed && id != IDC_WE_NAME) {
        StoreEntry();
    }
    if (id != IDC_WE_WORLD_NO) UpdateEnables();
    OnPaint();
}

void cWorldEventDlg::ChooseStage() {
    char file[MAX_PATH] = "";
    if (!OpenFileDialog(m_hWnd, file, sizeof file, "data\\stg4", "ステージファイルの選択",
                        "StageFile ( *.stg4_* )\0*.stg4_*\0", "stg4_*", 0, nullptr))
        return;
    std::string path = file;
    if (!MakeRelativePath(path) || path.size() > static_cast<size_t>(kEventPathLimit)) return;
    SetDlgItemTextA(m_hWnd, IDC_WE_STAGE, path.c_str());
}

// The name changes in the project's variable names and is saved at once, whatever the
// dialog's result.
void cWorldEventDlg::RenameVariable() {
    const int var = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_WE_VAR, CB_GETCURSEL, 0, 0));
    if (var <= 0) {
        MessageBeep(0);
        return;
    }
    cCtrl* anchor = nullptr;
    for (auto& combo : m_Combos)
        if (combo.m_Ctrl.GetId() == IDC_WE_VAR) anchor = &combo.m_Ctrl;
    if (!::RenameVariable(this, m_lpGroup, eVarCommon, var, anchor, true)) return;
    BuildVarItems();
    for (auto& combo : m_Combos)
        if (combo.m_Ctrl.GetId() == IDC_WE_VAR) {
            combo.m_Ctrl.SetList(&m_VarItems);
            combo.m_Ctrl.DataToCtrl();
        }
}

void cWorldEventDlg::Commit() {
    for (auto& text : m_Texts) text.m_Ctrl.CtrlToData();
    StoreEntry();
    Entries().CtrlToData();
    WorldMapEdit().TakeSnapshot(ProjectWorldMap());
    *m_lpTarget = m_Work;
    WorldMapModified() = 1;
}

int RunWorldEventDlg(cWorldEvent* event, cChildWnd* owner, cWndGroup* group) {
    cWorldEventDlg* dlg = new (std::nothrow) cWorldEventDlg(event, owner, group);
    if (!dlg) {
        OutOfMemory();
        return 0;
    }
    const int result = static_cast<int>(dlg->DoModal(kRunDisableGroup));
    delete dlg;
    return result;
}
