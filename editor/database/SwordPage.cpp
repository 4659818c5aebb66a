#include "editor/database/SwordPage.h"

namespace {
const char kBitmapFilter[] = "BitmapFile ( *.bmp )\0*.bmp\0";
}

cDbSwordPage::cDbSwordPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cSwordType>* table)
    : cDbTablePage(IDD_DB_SWORD, parent, group, table, IDC_DB_SWORD_LIST, 1, NameRowText<cSwordType>, 99, 0) {
    m_Texts.resize(3);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Texts[1].m_Desc = cStrEditDesc(IDC_DB_LEFT_BMP, &m_Edit.m_LeftBmp, kDbPathLimit, 0);
    m_Texts[2].m_Desc = cStrEditDesc(IDC_DB_RIGHT_BMP, &m_Edit.m_RightBmp, kDbPathLimit, 0);
    m_Buttons.resize(3);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Buttons[1].m_Desc.Set(IDC_DB_LEFT_BROWSE);
    m_Buttons[2].m_Desc.Set(IDC_DB_RIGHT_BROWSE);
}

void cDbSwordPage::PageCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDC_DB_LEFT_BROWSE || id == IDC_DB_RIGHT_BROWSE)
        ChooseFile(id == IDC_DB_LEFT_BROWSE ? IDC_DB_LEFT_BMP : IDC_DB_RIGHT_BMP, "bmp\\sword\\", "ビットマップの選択",
                   kBitmapFilter, "bmp");
}
