#pragma once
// A trackbar bound to a 32-bit field, with an optional number edit beside it that follows the
// position as the user moves it. The field changes only through CtrlToData.
#include "framework/EditVal.h"

struct TrackDesc {
    uint32_t id = 0;
    int32_t* lpVar = nullptr;
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t pageSize = 1;
    int32_t lineSize = 1;
    uint16_t editId = 0;  // 0: no number edit
};

class cTrackVal : public cCtrl {
public:
    cTrackVal() : cCtrl(eCtrlTrack) {}

    void Attach(cPage* page, const TrackDesc& desc);
    void SetPos(int32_t v);

    BOOL Enable(int flag) override;
    void DataToCtrl() override;
    void CtrlToData() override;
    int OnScroll(WPARAM wParam, LPARAM lParam) override;

private:
    int32_t* m_lpVar = nullptr;
    cEditVal<int32_t> m_Edit;
};

using TrackElem = cBound<cTrackVal, TrackDesc>;
