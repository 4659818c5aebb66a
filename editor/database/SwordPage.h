#pragma once
// The sword type page: a name and the two bitmaps (facing left, facing right).
#include "data/SwordRecords.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DbTablePage.h"

class cDbSwordPage : public cDbTablePage<cSwordType> {
public:
    cDbSwordPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cSwordType>* table);

protected:
    int CountLimit() const override { return 99; }
    void PageCommand(int id, int code) override;
};
