#include "editor/database/EffectTypePages.h"

cDbCharaEffectPage::cDbCharaEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cCharaEffect>* table)
    : cDbEffectTypePage(IDD_DB_CHARA_EFFECT, IDC_DB_CHARA_EFFECT_LIST, parent, group, table, CharaEffectTypeNames,
                        CharaEffectParamTable, kCharaEffectTypes) {}

cDbScrEffectPage::cDbScrEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cScrEffect>* table)
    : cDbEffectTypePage(IDD_DB_SCR_EFFECT, IDC_DB_SCR_EFFECT_LIST, parent, group, table, ScrEffectTypeNames,
                        ScrEffectParamTable, kScrEffectTypes) {}
