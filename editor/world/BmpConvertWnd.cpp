#include "editor/world/BmpConvertWnd.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <new>

#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/StagePage.h"
#include "editor/world/BmpConvert.h"
#include "editor/world/OptionIds.h"
#include "framework/FileDialogs.h"
#include "framework/Format.h"
#include "framework/FrameworkIds.h"
#include "framework/MessageBox.h"

namespace {

const int kPathLimit = 259;
const int kColourMax = 255;

void FileRowText(std::string* text, int, const std::string* path) { *text = *path; }

bool IsBmpName(const std::string& path) { return lstrcmpiA(FileExtOf(path).c_str(), "bmp") == 0; }

}  // namespace

cBmpConvertWnd::cBmpConvertWnd(cChildWnd* parent, cWndGroup* group)
    : cPage(IDD_BMP_CONVERT, parent, eKindDialog, group) {
    cBmpConvertSettings& s = BmpConvertSettings();
    m_Checks.push_back(Check(IDC_BC_USE_TRANS, &s.useTransparent));
    m_Checks.push_back(Check(IDC_BC_USE_LINE, &s.replaceLine));
    m_Checks.push_back(Check(IDC_BC_OVERWRITE, &s.overwrite));
    m_Ints.push_back(IntEdit(IDC_BC_TRANS, &s.transparent, 0, kColourMax, IDC_BC_TRANS_SPIN));
    m_Ints.push_back(IntEdit(IDC_BC_LINE_IN, &s.lineIn, 0, kColourMax, IDC_BC_LINE_IN_SPIN));
    m_Ints.push_back(IntEdit(IDC_BC_LINE_OUT, &s.lineOut, 0, kColourMax, IDC_BC_LINE_OUT_SPIN));
    cBoundStrEdit folder;
    folder.m_Desc = cStrEditDesc(IDC_BC_OUT_PATH, &s.outFolder, kPathLimit, 0);
    m_Texts.push_back(folder);
    cBoundDataList<std::string> list;
    list.m_Desc.Set(IDC_BC_LIST, nullptr, &m_Files, nullptr, 0, FileRowText, 0, 0, kMaxFiles, 0, 0, 0);
    m_List.push_back(list);
}

void cBmpConvertWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Ints);
    AttachCtrls(m_Texts);
    SendDlgItemMessageA(m_hWnd, IDC_BC_OUT_PATH, EM_LIMITTEXT, kPathLimit, 0);
    AttachDataList(m_List[0]);
    m_List[0].m_Ctrl.SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1);
    DataToCtrls();
    DragAcceptFiles(m_hWnd, TRUE);
    UpdateEnables();
    m_Ready = 1;
}

INT_PTR cBmpConvertWnd::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DROPFILES) {
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 1;
    }
    if (m_Ready && msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == m_List[0].m_Ctrl.GetHwnd()) {
        m_List[0].m_Ctrl.PopupAt(lParam, wnd);
        return 1;
    }
    return cPage::DialogProc(wnd, msg, wParam, lParam);
}

void cBmpConvertWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready) return;
    const int id = LOWORD(wParam);
    const bool clicked = HIWORD(wParam) == BN_CLICKED;
    // The settings follow their controls at once: they outlive the window.
    if (FindChangedCtrl(wParam)) {
        for (auto& check : m_Checks) check.m_Ctrl.CtrlToData();
        for (auto& value : m_Ints) value.m_Ctrl.CtrlToData();
        for (auto& text : m_Texts) text.m_Ctrl.CtrlToData();
        UpdateEnables();
    }
    if (!clicked) return;
    switch (id) {
    case IDC_BC_ADD: ChooseFiles(); break;
    case IDC_BC_CLEAR:
        m_Files.clear();
        RefillList();
        break;
    case IDC_BC_BROWSE: ChooseFolder(); break;
    case IDC_BC_CONVERT: ConvertAll(); break;
    case IDCANCEL: End(0); break;
    }
}

void cBmpConvertWnd::UpdateEnables() {
    const cBmpConvertSettings& s = BmpConvertSettings();
    EnableCtrlById(m_Ints, IDC_BC_TRANS, s.useTransparent);
    EnableCtrlById(m_Ints, IDC_BC_LINE_IN, s.replaceLine);
    EnableCtrlById(m_Ints, IDC_BC_LINE_OUT, s.replaceLine);
    EnableCtrlById(m_Texts, IDC_BC_OUT_PATH, !s.overwrite);
}

bool cBmpConvertWnd::AddFile(const std::string& path) {
    for (const std::string& held : m_Files)
        if (held == path) return false;
    if (static_cast<int>(m_Files.size()) >= kMaxFiles) {
        MessageBeep(0);
        return false;
    }
    m_Files.push_back(path);
    return true;
}

void cBmpConvertWnd::RefillList() {
    if (!m_List.empty() && m_List[0].m_Ctrl.GetHwnd()) {
        m_List[0].m_Ctrl.Refill();
        m_List[0].m_Ctrl.Refresh();
    }
}

void cBmpConvertWnd::ChooseFiles() {
    cStringList chosen;
    char buffer[8192] = "";
    if (!OpenFileDialog(m_hWnd, buffer, sizeof buffer, "bmp\\", "bmpの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp", 1,
                        &chosen))
        return;
    for (std::string path : chosen) {
        MakeRelativePath(path);  // kept absolute when it cannot be made relative
        AddFile(path);
    }
    RefillList();
}

void cBmpConvertWnd::ChooseFolder() {
    char folder[MAX_PATH] = "";
    if (!BrowseFolder(m_hWnd, folder, "bmp\\convert\\", "出力先のパス指定")) return;
    std::string path = folder;
    if (!MakeRelativePath(path) || path.size() > static_cast<size_t>(kPathLimit)) return;
    BmpConvertSettings().outFolder = path;
    SetDlgItemTextA(m_hWnd, IDC_BC_OUT_PATH, path.c_str());
}

// A folder adds the bitmaps directly inside it, not those of its subfolders.
void cBmpConvertWnd::OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xffffffff, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char name[MAX_PATH] = "";
        if (!DragQueryFileA(drop, i, name, sizeof name)) continue;
        std::string path = name;
        if (!MakeRelativePath(path)) continue;
        if (PathIsDirectoryA(path.c_str())) {
            cStringList found;
            ListFiles(found, path.c_str(), "bmp");
            for (const std::string& file : found)
                if (!PathIsDirectoryA(file.c_str())) AddFile(file);
        } else if (IsBmpName(path)) {
            AddFile(path);
        }
    }
    DragFinish(drop);
    RefillList();
}

std::string cBmpConvertWnd::OutputPath(const std::string& input) const {
    const cBmpConvertSettings& s = BmpConvertSettings();
    if (s.overwrite) return input;
    if (s.outFolder.empty()) return std::string();
    std::string folder = s.outFolder;
    StripTrailingSlash(folder);
    return folder + "\\" + FileNameOf(input);
}

int cBmpConvertWnd::ConvertAll() {
    if (m_Busy || m_Files.empty()) return -1;
    if (OutputPath(m_Files[0]).empty()) {
        ErrorBoxTo(m_hWnd, "出力先のパスを指定してください！");
        return -1;
    }
    m_Busy = 1;
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    int failed = 0;
    for (const std::string& input : m_Files)
        if (!ConvertBitmap(OutputPath(input).c_str(), input.c_str())) ++failed;
    SetCursor(previous);
    const std::string text = failed ? Format("変換完了（%d個のファイルは変換できませんでした）", failed) : "変換完了";
    AppMessageBox(m_hWnd, text.c_str(), "変換完了！", MB_OK);
    m_Busy = 0;
    return failed;
}

void OpenBitmapTool(cEditWnd* main) {
    cBmpConvertWnd* wnd = new (std::nothrow) cBmpConvertWnd(main, &EditorGroup());
    if (!wnd) {
        OutOfMemory();
        return;
    }
    wnd->DoModal(kRunHideGroup | kRunDisableGroup);
    delete wnd;
}
