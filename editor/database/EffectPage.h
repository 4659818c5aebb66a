#pragma once
// The effect page: a name, the bitmap, the cell size and whether the effect may grow with a
// huge character.
#include "data/EffectRecords.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DbTablePage.h"
#include "framework/EditVal.h"

class cDbEffectPage : public cDbTablePage<cEffect> {
public:
    cDbEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cEffect>* table);

protected:
    void AttachPage() override;
    void PageCommand(int id, int code) override;

private:
    cBindings<cBoundEditVal<int32_t>> m_Size;
    cBindings<cBoundCheck> m_Checks;
};
