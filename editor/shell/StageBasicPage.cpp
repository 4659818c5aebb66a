#include "editor/shell/StageBasicPage.h"

#include <algorithm>
#include <new>

#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "data/StageNames.h"
#include "editor/shell/AvailMemory.h"
#include "editor/shell/BackLayerDlg.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorSound.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/StageSettingIds.h"
#include "framework/Format.h"
#include "framework/FrameworkIds.h"
#include "framework/MessageBox.h"
#include "framework/NameList.h"

namespace {

const int kNameLimit = 30;
const int32_t kGuardLimit = 9999;
const int32_t kTimeLimit = 999;
const int32_t kAutoScrollLimit = 480;

// Each scroll-limit check and the edit it enables.
const uint16_t kLimitCtrls[eLimitCount][2] = {
    {IDC_SB_USE_LEFT, IDC_SB_LEFT}, {IDC_SB_USE_RIGHT, IDC_SB_RIGHT}, {IDC_SB_USE_TOP, IDC_SB_TOP},
    {IDC_SB_USE_BOTTOM, IDC_SB_BOTTOM}};

}  // namespace

cStageBasicPage::cStageBasicPage(cChildWnd* parent, cWndGroup* group, cEdStage& stage, cBasicPageOwner* owner)
    : cStagePage(IDD_STAGE_BASIC, parent, group), m_Stage(stage), m_lpOwner(owner), m_Width(stage.m_Width),
      m_Height(stage.m_Height) {
    // A stage file may hold fewer ranking switches than the three checks: the checks work on
    // copies (a missing switch is off, as the game reads it), so that opening the page leaves
    // the stage as it was.
    for (size_t i = 0; i < kRankChecks; ++i) m_RankItems[i] = i < stage.m_RankItems.size() ? stage.m_RankItems[i] : 0;

    cBoundStrEdit name;
    name.m_Desc = cStrEditDesc(IDC_SB_NAME, &stage.m_Name, kNameLimit, 1);
    m_Texts.push_back(name);

    m_Ints.push_back(IntEdit(IDC_SB_WIDTH, &m_Width, 1, cEdStage::kMaxSize, IDC_SB_WIDTH_SPIN));
    m_Ints.push_back(IntEdit(IDC_SB_HEIGHT, &m_Height, 1, cEdStage::kMaxSize, IDC_SB_HEIGHT_SPIN));
    const int32_t limits[eLimitCount][2] = {{0, 492}, {19, 511}, {0, 497}, {14, 511}};
    const uint16_t limitSpins[eLimitCount] = {IDC_SB_LEFT_SPIN, IDC_SB_RIGHT_SPIN, IDC_SB_TOP_SPIN, IDC_SB_BOTTOM_SPIN};
    for (int side = 0; side < eLimitCount; ++side) {
        m_Checks.push_back(Check(kLimitCtrls[side][0], &stage.m_UseLimit[side]));
        m_Ints.push_back(
            IntEdit(kLimitCtrls[side][1], &stage.m_Limit[side], limits[side][0], limits[side][1], limitSpins[side]));
    }
    m_Combos.push_back(Combo(IDC_SB_SCROLL_X, &stage.m_ScrollMode[0], ScrollModeNames, 0));
    m_Ints.push_back(IntEdit(IDC_SB_AUTO_X, &stage.m_AutoScrollSpeed[0], -kAutoScrollLimit, kAutoScrollLimit,
                             IDC_SB_AUTO_X_SPIN));
    m_Combos.push_back(Combo(IDC_SB_SCROLL_Y, &stage.m_ScrollMode[1], ScrollModeNames, 0));
    m_Ints.push_back(IntEdit(IDC_SB_AUTO_Y, &stage.m_AutoScrollSpeed[1], -kAutoScrollLimit, kAutoScrollLimit,
                             IDC_SB_AUTO_Y_SPIN));
    m_Checks.push_back(Check(IDC_SB_USE_TIME, &stage.m_UseTimeLimit));
    m_Ints.push_back(IntEdit(IDC_SB_TIME, &stage.m_TimeLimit, 1, kTimeLimit, IDC_SB_TIME_SPIN));
    m_Ints.push_back(IntEdit(IDC_SB_WARNING, &stage.m_WarningTime, 0, kTimeLimit, IDC_SB_WARNING_SPIN));
    m_Reals.push_back(RealEdit(IDC_SB_GRAVITY, &stage.m_Gravity, 0.1, 1.0, IDC_SB_GRAVITY_SPIN, 0.1));
    m_Ints.push_back(IntEdit(IDC_SB_HERO_GUARD, &stage.m_HeroGuard, 0, kGuardLimit, IDC_SB_HERO_GUARD_SPIN));
    m_Ints.push_back(IntEdit(IDC_SB_HERO_SAME, &stage.m_HeroSameCharaGuard, 1, kGuardLimit, IDC_SB_HERO_SAME_SPIN));
    m_Ints.push_back(IntEdit(IDC_SB_ENEMY_GUARD, &stage.m_EnemyGuard, 0, kGuardLimit, IDC_SB_ENEMY_GUARD_SPIN));
    m_Ints.push_back(IntEdit(IDC_SB_ENEMY_SAME, &stage.m_EnemySameCharaGuard, 1, kGuardLimit, IDC_SB_ENEMY_SAME_SPIN));

    cBackLayerList layers;
    layers.m_Desc.Set(IDC_SB_LAYERS, &stage.m_BackLayers, &m_WorkLayers, nullptr, 0, cBackLayerDlg::RowText, 0, 0,
                      kMaxLayers, 0, 0, 0);
    m_Layers.push_back(layers);
    for (uint16_t id : {IDC_SB_LAYER_INSERT, IDC_SB_LAYER_EDIT, IDC_SB_LAYER_DELETE, IDC_SB_BGM_PLAY})
        m_Buttons.push_back(Button(id));

    m_Checks.push_back(Check(IDC_SB_SHOW_INFO, &stage.m_ShowStageInfo));
    m_Checks.push_back(Check(IDC_SB_SHOW_CLEAR, &stage.m_ShowStageClear));
    m_Checks.push_back(Check(IDC_SB_SHOW_OVER, &stage.m_ShowGameOver));
    m_Checks.push_back(Check(IDC_SB_FROM_STOCK, &stage.m_StatusFromStock));
    m_Checks.push_back(Check(IDC_SB_TO_STOCK, &stage.m_StatusToStock));
    const uint16_t rankIds[kRankChecks] = {IDC_SB_RANK_SCORE, IDC_SB_RANK_TIME, IDC_SB_RANK_CLEAR};
    for (size_t i = 0; i < kRankChecks; ++i) m_Checks.push_back(Check(rankIds[i], &m_RankItems[i]));

    BuildTableNameList(&m_BgmNames, ProjectDatabase().m_Bgms, "なし", 0, 3, 0);
    cBoundCombo<int32_t> bgm;
    bgm.m_Desc = cComboDesc<int32_t>(IDC_SB_BGM, &stage.m_Bgm, &m_BgmNames, 0);
    m_Combos.push_back(bgm);
}

void cStageBasicPage::AttachPage() {
    AttachCtrls(m_Texts);
    cStagePage::AttachPage();
    AttachCtrls(m_Layers);
    List().SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1);
}

void cStageBasicPage::UpdateEnables() {
    for (const auto& ctrls : kLimitCtrls) EnableByCheck(ctrls[0], ctrls[1]);
    EnableByCheck(IDC_SB_USE_TIME, IDC_SB_TIME);
    EnableByCheck(IDC_SB_USE_TIME, IDC_SB_WARNING);
}

void cStageBasicPage::PageCommand(int id, int code) {
    switch (id) {
    case IDC_SB_WIDTH:
    case IDC_SB_HEIGHT:
        if (code == EN_UPDATE) ShowMemoryInfo();
        break;
    case IDC_SB_LAYER_INSERT:
        if (code == BN_CLICKED) InsertLayer();
        break;
    case IDC_SB_LAYER_EDIT:
        if (code == BN_CLICKED) EditLayer();
        break;
    case IDC_SB_LAYER_DELETE:
        if (code == BN_CLICKED) List().CmdDelete(-1, false);
        break;
    case IDC_SB_LAYERS:
        if (code == LBN_DBLCLK) EditLayer();
        break;
    case IDC_SB_BGM_PLAY:
        if (code == BN_CLICKED) PlayMusic();
        break;
    }
}

INT_PTR cStageBasicPage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_Ready && msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == List().GetHwnd()) {
        List().PopupAt(lParam, wnd);
        return 1;
    }
    return cStagePage::DialogProc(wnd, msg, wParam, lParam);
}

void cStageBasicPage::ShowMemoryInfo() {
    if (!m_hWnd) return;
    int32_t width = static_cast<int32_t>(GetDlgItemInt(m_hWnd, IDC_SB_WIDTH, nullptr, FALSE));
    int32_t height = static_cast<int32_t>(GetDlgItemInt(m_hWnd, IDC_SB_HEIGHT, nullptr, FALSE));
    width = std::max(1, std::min(width, cEdStage::kMaxSize));
    height = std::max(1, std::min(height, cEdStage::kMaxSize));
    const int64_t step = cUndoHistory::StepSize(width, height);
    const int64_t need = 2 * step;
    const int64_t limit = AvailPhysicalMemory() + cUndoHistory::StepSize(m_Stage.m_Width, m_Stage.m_Height);
    const int64_t possible = std::max<int64_t>((limit - need) / step, 0);
    SetDlgItemTextA(m_hWnd, IDC_SB_MEMORY,
                    Format("%9lld KB\r\n%9lld KB\r\n", static_cast<long long>(need / 1024),
                           static_cast<long long>(limit / 1024)).c_str());
    std::string note;
    if (possible < m_Stage.m_UndoCount)
        note = Format("※元に戻せる回数 %d → %lld", m_Stage.m_UndoCount, static_cast<long long>(possible));
    SetDlgItemTextA(m_hWnd, IDC_SB_UNDO_NOTE, note.c_str());
}

// A switch the stage lacks is written only when it was turned on.
void cStageBasicPage::ApplyRankItems() {
    auto& items = m_Stage.m_RankItems;
    for (size_t i = 0; i < kRankChecks; ++i) {
        if (m_RankItems[i] == (i < items.size() ? items[i] : 0)) continue;
        if (items.size() <= i) items.resize(i + 1, 0);
        items[i] = m_RankItems[i];
    }
}

bool cStageBasicPage::ApplySize() {
    if (!m_hWnd) return true;
    CtrlsToData();
    ApplyRankItems();
    m_Width = std::max(m_Width, kMinWidth);
    m_Height = std::max(m_Height, kMinHeight);
    bool resized = true;
    if (m_Width != m_Stage.m_Width || m_Height != m_Stage.m_Height) {
        UndoHistory().Clear();
        if (AvailPhysicalMemory() < 2 * cUndoHistory::StepSize(m_Width, m_Height)) {
            ErrorBox("メモリ不足により、サイズの変更に失敗しました！");
            resized = false;
        } else if (!m_Stage.SetSize(m_Width, m_Height)) {
            // The stage keeps its old size and everything on it; the author may try another.
            ErrorBox("サイズの変更に失敗しました！");
            resized = false;
        }
        if (!resized) {
            m_Width = m_Stage.m_Width;
            m_Height = m_Stage.m_Height;
        } else {
            StageDoc().m_StageModified = 1;
        }
    }
    for (uint16_t id : {IDC_SB_WIDTH, IDC_SB_HEIGHT})
        if (cBoundEditVal<int32_t>* edit = FindCtrl(m_Ints, id)) edit->m_Ctrl.DataToCtrl();
    ShowMemoryInfo();
    return resized;
}

void cStageBasicPage::OnApply() {
    if (m_lpOwner)
        m_lpOwner->ApplyPages();
    else
        ApplySize();
}

void cStageBasicPage::OnWindowGone() {
    EditorBgm().Stop();
    if (m_lpOwner) m_lpOwner->PagesClosed();
}

void cStageBasicPage::InsertLayer() {
    cDataList<cBackLayer, cRecordVector<cBackLayer>>& list = List();
    if (!list.CmdInsert()) return;
    const int row = list.GetCur();
    list.Select(row, true);
    if (!EditLayer()) {
        list.CmdDelete(row, false);
        return;
    }
    list.SelectSingle(row + 1, true);
}

int cStageBasicPage::EditLayer() {
    cDataList<cBackLayer, cRecordVector<cBackLayer>>& list = List();
    const int index = list.GetCurIndex();
    if (index < 0) return 0;
    cBackLayerDlg* dlg = new (std::nothrow) cBackLayerDlg(this, m_lpGroup, &m_WorkLayers.At(index));
    if (!dlg) {
        OutOfMemory();
        return 0;
    }
    int code = static_cast<int>(dlg->DoModal(0));
    delete dlg;
    if (code) {
        list.Refill();
        list.Refresh();
    }
    return code;
}

void cStageBasicPage::PlayMusic() {
    const int position = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_SB_BGM, CB_GETCURSEL, 0, 0));
    const auto& bgms = ProjectDatabase().m_Bgms;
    if (position < 1 || position >= static_cast<int>(bgms.size())) return;
    cBgmPlayer& music = EditorBgm();
    const char* file = bgms[static_cast<size_t>(position)].m_File.c_str();
    if (!music.SetFile(0, file) || !music.Play(0, 0, false, true)) ErrorBox("読み込み失敗！");
}
