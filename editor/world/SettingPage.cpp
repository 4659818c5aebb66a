#include "editor/world/SettingPage.h"

void cSettingPage::AttachPage() {
    cStagePage::AttachPage();
    AttachCtrls(m_Texts);
    // The edit counts characters; a byte-limited text may still be cut when read back, but
    // only one made of double-byte characters.
    for (cBoundStrEdit& text : m_Texts) {
        const int limit = text.m_Desc.dbcs ? text.m_Desc.width : text.m_Desc.capacity - 1;
        SendMessageA(text.m_Ctrl.GetHwnd(), EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    }
}

void cSettingPage::BindText(uint16_t id, std::string* text, int limit) {
    cBoundStrEdit binding;
    binding.m_Desc = cStrEditDesc(id, text, limit, 0);
    m_Texts.push_back(binding);
}

void cSettingPage::BindChars(uint16_t id, std::string* text, int limit) {
    cBoundStrEdit binding;
    binding.m_Desc = cStrEditDesc(id, text, limit, 1);
    m_Texts.push_back(binding);
}

void cSettingPage::BindCheck(uint16_t id, int32_t* flag) { m_Checks.push_back(Check(id, flag)); }

void cSettingPage::BindCheck(uint16_t id, uint8_t* flag) {
    cBoundCheck binding;
    binding.m_Desc.Set(id, flag);
    m_Checks.push_back(binding);
}

void cSettingPage::BindInt(uint16_t id, int32_t* value, int32_t minimum, int32_t maximum, uint16_t spin) {
    m_Ints.push_back(IntEdit(id, value, minimum, maximum, spin));
}

void cSettingPage::EnableCtrl(uint16_t id, bool enable) {
    // A number edit takes its spin with it.
    for (auto& binding : m_Ints)
        if (binding.m_Ctrl.GetId() == id) {
            binding.m_Ctrl.Enable(enable);
            return;
        }
    if (HWND ctrl = GetDlgItem(m_hWnd, id)) EnableWindow(ctrl, enable ? TRUE : FALSE);
}
