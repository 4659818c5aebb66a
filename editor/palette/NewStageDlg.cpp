#include "editor/palette/NewStageDlg.h"

#include <memory>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "data/Stage.h"
#include "data/StageNames.h"
#include "editor/palette/NewStageIds.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorState.h"
#include "framework/FileDialogs.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"

namespace {

const int kPathLimit = 260;

// Where the stage palette of the new stage comes from: the rows of NewStagePaletteNames.
enum ePaletteMode { eKeepPalette, eEmptyPalette, eCommonPalette, ePaletteFile };

// One default element, the empty one.
template <class T>
void EmptyList(cRecordVector<T>& list) {
    list.clear();
    list.push_back(T());
}

// The common palette's list, each element from 1 on referring to its common twin.
template <class T>
void CopyCommonList(cRecordVector<T>& list, const cRecordVector<T>& common) {
    list = common;
    if (list.empty()) list.push_back(T());
    list[0].Init();
    for (size_t i = 1; i < list.size(); ++i) SetDefaultInheritRef(list[i], eSituationStage, static_cast<int>(i));
}

cBoundStrEdit PathEdit(uint16_t id, std::string* var) {
    cBoundStrEdit binding;
    binding.m_Desc = cStrEditDesc(id, var, kPathLimit - 1, 0);
    return binding;
}

cBoundButton PushButton(uint16_t id) {
    cBoundButton binding;
    binding.m_Desc.Set(id);
    return binding;
}

}  // namespace

cNewStageDlg::cNewStageDlg(cChildWnd* parent, cWndGroup* group) : cPage(IDD_NEW_STAGE, parent, eKindDialog, group) {
    cEditConfig& config = EditConfig();
    m_Texts.push_back(PathEdit(IDC_NS_TEMPLATE, &config.m_TemplateStage));
    m_Texts.push_back(PathEdit(IDC_NS_PALETTE_FILE, &config.m_StagePaletteFile));
    m_Combos.push_back({{}, {IDC_NS_PALETTE_MODE, &config.m_StagePaletteChoice, NewStagePaletteNames, 0}});
    for (uint16_t id : {IDC_NS_TEMPLATE_BROWSE, IDC_NS_PALETTE_BROWSE, IDC_NS_OK, IDC_NS_CANCEL})
        m_Buttons.push_back(PushButton(id));
}

void cNewStageDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Texts);
    AttachCtrls(m_Combos);
    AttachCtrls(m_Buttons);
    DataToCtrls();
    UpdateEnables();
    m_Ready = 1;
}

INT_PTR cNewStageDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        End(0);
        return TRUE;
    }
    return cPage::DialogProc(wnd, msg, wParam, lParam);
}

void cNewStageDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready) return;
    switch (LOWORD(wParam)) {
    case IDC_NS_OK:
        End(MakeStage() ? 1 : 0);
        return;
    case IDC_NS_CANCEL:
    case IDCANCEL:
        End(0);
        return;
    case IDC_NS_TEMPLATE_BROWSE:
        if (HIWORD(wParam) == BN_CLICKED)
            Browse(IDC_NS_TEMPLATE, "data\\stg4\\", "stg4_*", "StageFile ( *.stg4_* )\0*.stg4_*\0\0", "ステージの選択");
        break;
    case IDC_NS_PALETTE_BROWSE:
        if (HIWORD(wParam) == BN_CLICKED)
            Browse(IDC_NS_PALETTE_FILE, "data\\plt4\\", "plt4", "PaletteFile ( *.plt4 )\0*.plt4\0\0", "ステージパレットの選択");
        break;
    }
    UpdateEnables();
}

void cNewStageDlg::UpdateEnables() {
    const bool fromFile = SendDlgItemMessageA(m_hWnd, IDC_NS_PALETTE_MODE, CB_GETCURSEL, 0, 0) == ePaletteFile;
    for (int id : {IDC_NS_PALETTE_FILE, IDC_NS_PALETTE_BROWSE})
        if (HWND ctrl = GetDlgItem(m_hWnd, id)) EnableWindow(ctrl, fromFile ? TRUE : FALSE);
}

void cNewStageDlg::Browse(int edit, const char* folder, const char* ext, const char* filter, const char* title) {
    char file[MAX_PATH] = "";
    if (!OpenFileDialog(m_hWnd, file, sizeof file, folder, title, filter, ext, 0, nullptr)) return;
    std::string path = file;
    if (!MakeRelativePath(path)) return;
    SetDlgItemTextA(m_hWnd, edit, path.c_str());
}

bool cNewStageDlg::MakeStage() {
    cStageDoc& doc = StageDoc();
    if (doc.m_StageOpen &&
        AppMessageBox(m_hWnd, "現在のステージは破棄されます。\n新規作成しますか？\n", "新規作成の確認", MB_YESNO) != IDYES)
        return false;
    CtrlsToData();
    const cEditConfig& config = EditConfig();
    const int32_t mode = config.m_StagePaletteChoice;
    const char* paletteFile = config.m_StagePaletteFile.c_str();
    if (mode == ePaletteFile && GetFileAttributesA(paletteFile) == INVALID_FILE_ATTRIBUTES) {
        ErrorBox("ステージパレットファイル %s が見つかりません！", paletteFile);
        return false;
    }
    std::unique_ptr<cEdStage> made(new cEdStage);
    if (config.m_TemplateStage.empty()) {
        made->Clear();
        made->ClampView();
    } else {
        std::string found;
        if (!FindNumberedFile(found, config.m_TemplateStage.c_str(), g_ExtTable[eExtStage])) {
            ErrorBox("ステージファイル %s が見つかりません！", config.m_TemplateStage.c_str());
            return false;
        }
        if (!made->LoadFile(found.c_str())) {
            ErrorBox("ステージファイル %s の読み込みに失敗しました！", found.c_str());
            return false;
        }
    }
    cPalette palette;
    if (mode == ePaletteFile && !LoadStagePaletteFile(palette, paletteFile, false)) {
        ErrorBox("%s の読み込みに失敗！", paletteFile);
        return false;
    }

    // Nothing can fail from here on.
    UndoHistory().Clear();
    cEdStage& stage = ProjectStage();
    stage = *made;
    switch (mode) {
    case eEmptyPalette:
        EmptyList(stage.m_Palette.m_Blocks);
        EmptyList(stage.m_Palette.m_Charas);
        EmptyList(stage.m_Palette.m_Items);
        break;
    case eCommonPalette: {
        const cCommonPalette& common = ProjectCommonPalette();
        CopyCommonList(stage.m_Palette.m_Blocks, common.m_Blocks);
        CopyCommonList(stage.m_Palette.m_Charas, common.m_Charas);
        CopyCommonList(stage.m_Palette.m_Items, common.m_Items);
        break;
    }
    case ePaletteFile:
        stage.AdoptPalette(palette);
        break;
    }
    doc.m_StageOpen = 1;
    doc.m_StagePath.clear();
    SaveEditConfig();
    return true;
}

int RunNewStageDlg(cEditWnd* main) {
    SafeDelete(main->m_lpNewStageDlg);
    cNewStageDlg* dlg = new cNewStageDlg(main, &EditorGroup());
    main->m_lpNewStageDlg = dlg;
    return static_cast<int>(dlg->DoModal(kRunDisableGroup));
}
