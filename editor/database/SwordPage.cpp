#include "editor/database/SwordPage.h"

#include "data/EffectTables.h"
#include "framework/Format.h"
#include "framework/PathEdit.h"

namespace {
const char kBitmapFilter[] = "BitmapFile ( *.bmp )\0*.bmp\0";
}

void SwordPosRowText(std::string* text, int, const cSwordPos* pos) {
    int direction = pos->m_Direction >= 0 && pos->m_Direction < 4 ? pos->m_Direction : 0;
    *text = Format("%s(%d,%d) 縦%d 横%d 時間%d", SwordDirectionNames[direction], pos->m_X, pos->m_Y, pos->m_Height,
                   pos->m_Width, pos->m_Time);
}

cSwordPos* cSwordPosDlg::s_lpEdited = nullptr;

cSwordPosDlg::cSwordPosDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre)
    : cDbItemDlg(templateId, parent, kind, group, anchor, centre, s_lpEdited) {
    // The stored flags are shown as they are.
    m_Values.resize(7);
    m_Values[0].m_Desc.Set(IDC_DB_POS_X, &m_Item.m_X, -320, 320, IDC_DB_POS_X_SPIN);
    m_Values[1].m_Desc.Set(IDC_DB_POS_Y, &m_Item.m_Y, -240, 240, IDC_DB_POS_Y_SPIN);
    m_Values[2].m_Desc.Set(IDC_DB_POS_SRC_X, &m_Item.m_SrcX, 0, 639, IDC_DB_POS_SRC_X_SPIN);
    m_Values[3].m_Desc.Set(IDC_DB_POS_SRC_Y, &m_Item.m_SrcY, 0, 479, IDC_DB_POS_SRC_Y_SPIN);
    m_Values[4].m_Desc.Set(IDC_DB_CELL_WIDTH, &m_Item.m_Width, 0, 640, IDC_DB_CELL_WIDTH_SPIN);
    m_Values[5].m_Desc.Set(IDC_DB_CELL_HEIGHT, &m_Item.m_Height, 0, 480, IDC_DB_CELL_HEIGHT_SPIN);
    m_Values[6].m_Desc.Set(IDC_DB_POS_TIME, &m_Item.m_Time, 0, 999, IDC_DB_POS_TIME_SPIN);
    m_Checks.resize(2);
    m_Checks[0].m_Desc.Set(IDC_DB_POS_MIRROR_X, &m_Item.m_MirrorX);
    m_Checks[1].m_Desc.Set(IDC_DB_POS_MIRROR_Y, &m_Item.m_MirrorY);
    m_Direction.resize(1);
    m_Direction[0].m_Desc = cComboDesc<int32_t>(IDC_DB_POS_DIRECTION, &m_Item.m_Direction, SwordDirectionNames, 0);
}

void cSwordPosDlg::AttachItem() {
    AttachCtrls(m_Values);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Direction);
}

cDbSwordPage::cDbSwordPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cSwordType>* table)
    : cDbTablePage(IDD_DB_SWORD, parent, group, table, IDC_DB_SWORD_LIST, 1, NameRowText<cSwordType>, 99, 0) {
    m_Texts.resize(3);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Texts[1].m_Desc = cStrEditDesc(IDC_DB_LEFT_BMP, &m_Edit.m_LeftBmp, kDbPathLimit, 0);
    m_Texts[2].m_Desc = cStrEditDesc(IDC_DB_RIGHT_BMP, &m_Edit.m_RightBmp, kDbPathLimit, 0);
    m_Buttons.resize(6);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Buttons[1].m_Desc.Set(IDC_DB_LEFT_BROWSE);
    m_Buttons[2].m_Desc.Set(IDC_DB_RIGHT_BROWSE);
    m_Buttons[3].m_Desc.Set(IDC_DB_POS_INSERT);
    m_Buttons[4].m_Desc.Set(IDC_DB_POS_EDIT);
    m_Buttons[5].m_Desc.Set(IDC_DB_POS_DELETE);
    m_PosList.resize(1);
    m_PosList[0].m_Desc.Set(IDC_DB_POS_LIST, nullptr, &m_Edit.m_Positions, &m_EditPos, 1, SwordPosRowText, 0, 1, 99, 0,
                            1, 0);
}

void cDbSwordPage::AttachPage() {
    AttachDataList(m_PosList[0]);
    Positions().SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1);
    Positions().SelectSingle(0, true);
    Positions().Refill();
}

int cDbSwordPage::EditPosition() {
    if (Positions().GetCurIndex() < 0) return 0;
    cSwordPosDlg::s_lpEdited = &m_EditPos;
    int code = Positions().OpenItemDlg(&m_lpPosDlg, IDD_DB_SWORD_POS, m_lpGroup, 0, 1);
    if (code) {
        Positions().CmdRenew();
        PositionsChanged();
    }
    return code;
}

void cDbSwordPage::PositionsChanged() {
    ListRenew();
    Positions().Refill();
    Positions().Refresh();
}

void cDbSwordPage::PageCommand(int id, int code) {
    if (id == IDC_DB_POS_LIST) {
        if (code == LBN_DBLCLK) EditPosition();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_DB_LEFT_BROWSE:
    case IDC_DB_RIGHT_BROWSE:
        ChooseFileInto(m_hWnd, m_Texts, id == IDC_DB_LEFT_BROWSE ? IDC_DB_LEFT_BMP : IDC_DB_RIGHT_BMP, "bmp\\sword\\",
                       "ビットマップの選択", kBitmapFilter, "bmp");
        break;
    case IDC_DB_POS_INSERT:
        // OK moves the selection on to the position that was selected before.
        if (!Positions().InsertWithDialog([this] { return EditPosition(); })) PositionsChanged();
        break;
    case IDC_DB_POS_EDIT:
        EditPosition();
        break;
    case IDC_DB_POS_DELETE:
        if (Positions().CmdDelete(-1, false)) PositionsChanged();
        break;
    }
}

bool cDbSwordPage::PageMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    POINT at;
    if (!IsInitialised() || !ListMenuPoint(Positions().GetHwnd(), msg, wParam, lParam, &at)) return false;
    Positions().SelectAt(at);
    if (HMENU menu = Positions().GetPopupMenu())
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, m_hWnd, nullptr);
    *result = 1;
    return true;
}
