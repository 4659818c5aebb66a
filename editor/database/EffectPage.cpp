#include "editor/database/EffectPage.h"

cDbEffectPage::cDbEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cEffect>* table)
    : cDbTablePage(IDD_DB_EFFECT, parent, group, table, IDC_DB_EFFECT_LIST, 1, NameRowText<cEffect>, 999, 1) {
    m_Texts.resize(2);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Texts[1].m_Desc = cStrEditDesc(IDC_DB_PATH, &m_Edit.m_File, kDbPathLimit, 0);
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Buttons[1].m_Desc.Set(IDC_DB_BROWSE);
    m_Size.resize(2);
    m_Size[0].m_Desc.Set(IDC_DB_CELL_WIDTH, &m_Edit.m_CellWidth, 1, 640, IDC_DB_CELL_WIDTH_SPIN);
    m_Size[1].m_Desc.Set(IDC_DB_CELL_HEIGHT, &m_Edit.m_CellHeight, 1, 480, IDC_DB_CELL_HEIGHT_SPIN);
    m_Checks.resize(1);
    m_Checks[0].m_Desc.Set(IDC_DB_ALLOW_HUGE, &m_Edit.m_AllowHuge);
}

void cDbEffectPage::AttachPage() {
    AttachCtrls(m_Size);
    AttachCtrls(m_Checks);
}

void cDbEffectPage::PageCommand(int id, int code) {
    if (id == IDC_DB_BROWSE && code == BN_CLICKED)
        ChooseFile(IDC_DB_PATH, "bmp\\effect\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp");
}
