#pragma once
// Controls without data (push buttons, and plain controls a page only enables, shows or moves)
// and the check box bound to a 32-bit, signed 8-bit or unsigned 8-bit field.
#include "framework/Binding.h"

struct cCtrlDesc {
    uint32_t id = 0;
    void Set(uint16_t ctrlId) { id = ctrlId; }
};

class cButton : public cCtrl {
public:
    cButton() : cCtrl(eCtrlButton) {}
    void Attach(cPage* page, const cCtrlDesc& desc) { cCtrl::Attach(page, static_cast<uint16_t>(desc.id)); }
};

class cPlainCtrl : public cCtrl {
public:
    cPlainCtrl() : cCtrl(eCtrlPlain) {}
    void Attach(cPage* page, const cCtrlDesc& desc) { cCtrl::Attach(page, static_cast<uint16_t>(desc.id)); }
};

using cBoundButton = cBound<cButton, cCtrlDesc>;
using cBoundPlain = cBound<cPlainCtrl, cCtrlDesc>;

// The field a check box shows: its address and its width.
struct cCheckDesc {
    uint32_t id = 0;
    void* lpVar = nullptr;
    int width = 0;  // 4: int32_t, 1: int8_t, -1: uint8_t

    void Set(uint16_t ctrlId, int32_t* var) { Store(ctrlId, var, 4); }
    void Set(uint16_t ctrlId, int8_t* var) { Store(ctrlId, var, 1); }
    void Set(uint16_t ctrlId, uint8_t* var) { Store(ctrlId, var, -1); }

private:
    void Store(uint16_t ctrlId, void* var, int w) {
        id = ctrlId;
        lpVar = var;
        width = w;
    }
};

class cCheck : public cCtrl {
public:
    cCheck() : cCtrl(eCtrlCheck) {}
    void Attach(cPage* page, const cCheckDesc& desc);
    // The field's value is the check state (8-bit fields widened by their sign); reading back
    // stores the state at the field's width.
    void DataToCtrl() override;
    void CtrlToData() override;

private:
    cCheckDesc m_Var;
};

using cBoundCheck = cBound<cCheck, cCheckDesc>;
