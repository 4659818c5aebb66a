#pragma once
// Binding records: a bound control followed by the descriptor that says what it is bound to.
// A page fills the descriptors before its dialog exists, keeps the records by value in one
// checked vector per kind (sized once, before attaching: a growing vector moves its records,
// and an attached control must not move), and attaches the vector in OnInitDialog with
// cPage::AttachCtrls. Each control kind provides Attach(page, descriptor).
#include <cstdint>

#include "framework/CheckedVector.h"
#include "framework/Ctrl.h"

// A control id that no binding of the vector has, or that the page's template lacks: a
// programming error of the page. Reported, and the program goes on without the control.
void ReportMissingCtrl(unsigned id);

template <class C, class D>
struct cBound {
    C m_Ctrl;
    D m_Desc;

    void AttachTo(cPage* page) {
        m_Ctrl.Attach(page, m_Desc);
        if (!m_Ctrl.GetHwnd()) ReportMissingCtrl(m_Desc.id);
    }
};

template <class B>
using cBindings = cCheckedVector<B>;

// The first binding whose control has the id; null (after the report) when none has.
template <class B>
B* FindCtrl(cBindings<B>& bindings, uint16_t id) {
    for (B& binding : bindings)
        if (binding.m_Ctrl.GetId() == id) return &binding;
    ReportMissingCtrl(id);
    return nullptr;
}

// The control's Enable, or 0 when the id is not found.
template <class B>
BOOL EnableCtrlById(cBindings<B>& bindings, uint16_t id, int flag) {
    B* binding = FindCtrl(bindings, id);
    return binding ? binding->m_Ctrl.Enable(flag) : 0;
}

template <class B>
void ShowCtrlById(cBindings<B>& bindings, uint16_t id, int flag) {
    if (B* binding = FindCtrl(bindings, id)) binding->m_Ctrl.Show(flag);
}
