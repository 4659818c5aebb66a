#pragma once
// The numeric edit bound to a variable, with an optional up-down control beside it. It takes
// only what a number can be made of, keeps the shown number inside its range while the user
// types, steps with the up-down control, and leaves transient texts alone (an empty box, a
// lone minus sign). One template serves every width: int and short fields, signed 8-bit
// fields (cEditValInt) and doubles (cEditValReal, shown with as many decimals as its step has).
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <type_traits>

#include "framework/Binding.h"
#include "framework/Format.h"

// The number of decimal places of a step (0.05: 2, 1: 0).
int DecimalCount(double v);

// What a typed text of full-width digits, full stop and minus means in ASCII; other characters
// are dropped.
std::string FullWidthToAscii(const char* text);

// The typed result of the input method's composition in the window, as ASCII.
std::string ReadImeResult(HWND wnd);

// The window property through which the value-edit window procedure finds its control.
const char kEditValProp[] = "CTRL_EDITVAL_CLASS";

// The up-down control of a value edit. The edit does every step itself (UDN_DELTAPOS), so the
// control's own range only decides the arrows' direction: it is kept within 16 bits.
template <class T>
class cUpDownCtrl : public cCtrl {
public:
    using Step = typename std::conditional<std::is_floating_point<T>::value, double, int32_t>::type;

    cUpDownCtrl() : cCtrl(eCtrlUpDown) {}

    void Attach(cPage* page, uint16_t id, T minimum, T maximum) {
        cCtrl::Attach(page, id);
        SetRange(minimum, maximum);
    }
    void SetRange(T minimum, T maximum) {
        SendMessageA(m_hWnd, UDM_SETRANGE, 0, MAKELONG(Cut16(maximum), Cut16(minimum)));
    }

private:
    static short Cut16(T v) {
        if (v < -32768) return -32768;
        if (v > 32767) return 32767;
        return static_cast<short>(v);
    }
};

template <class T>
struct cEditValDesc {
    using Step = typename cUpDownCtrl<T>::Step;
    uint32_t id = 0;
    T* lpVar = nullptr;
    T minimum = 0;
    T maximum = 0;
    uint16_t upDownId = 0;  // 0: none
    Step step = 1;

    void Set(uint16_t ctrlId, T* var, T minValue, T maxValue, uint16_t upDown = 0, Step stepValue = 1) {
        id = ctrlId;
        lpVar = var;
        minimum = minValue;
        maximum = maxValue;
        upDownId = upDown;
        step = stepValue;
    }
};

template <class T>
class cEditVal : public cCtrl {
public:
    static constexpr bool kReal = std::is_floating_point<T>::value;
    // Values are worked out wide and narrowed only once they are inside the range.
    using Wide = typename std::conditional<kReal, double, long long>::type;
    using Step = typename cUpDownCtrl<T>::Step;

    cEditVal() : cCtrl(eCtrlEditVal) {}
    // Bindings are copied before they are attached; a copy never owns the subclass.
    cEditVal(const cEditVal& other) = default;
    cEditVal& operator=(const cEditVal&) = delete;
    ~cEditVal() override { Unsubclass(); }

    void Attach(cPage* page, const cEditValDesc<T>& desc) {
        cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
        RemoveStyle(ES_NUMBER);
        m_lpVar = desc.lpVar;
        m_Min = desc.minimum;
        m_Max = desc.maximum;
        m_Step = desc.step;
        m_Decimals = DecimalCount(static_cast<double>(desc.step));
        if (desc.upDownId) {
            m_UpDown.Attach(page, desc.upDownId, m_Min, m_Max);
            m_UpDown.RemoveStyle(UDS_SETBUDDYINT);
        }
        if (m_hWnd && !m_PrevProc) {
            SetPropA(m_hWnd, kEditValProp, this);
            m_PrevProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cEditVal::EditProc)));
        }
        if (m_lpVar) SetValue(*m_lpVar);
    }

    void SetRange(T minimum, T maximum) {
        m_Min = minimum;
        m_Max = maximum;
        if (m_UpDown.GetHwnd()) m_UpDown.SetRange(minimum, maximum);
    }

    void SetValue(Wide v) {
        m_HeldFlag = 0;
        m_Held.clear();
        ShowValue(v, true);
    }

    // Shows v clamped into the range; a held text is shown in place of the number.
    void ShowValue(Wide v, bool force) {
        bool clamped = false;
        if (v < m_Min) {
            v = m_Min;
            clamped = true;
        } else if (v > m_Max) {
            v = m_Max;
            clamped = true;
        }
        if (m_HeldFlag) return;
        if (kReal) {
            if (force || clamped)
                SetWindowTextA(m_hWnd, FormatReal(static_cast<double>(v)).c_str());
            else if (!m_Held.empty())
                SetWindowTextA(m_hWnd, m_Held.c_str());
        } else {
            SetWindowTextA(m_hWnd, m_Held.empty() ? Format("%lld", static_cast<long long>(v)).c_str() : m_Held.c_str());
        }
    }

    // The value the text stands for, within the type but not yet within the range.
    Wide ParseText() {
        char text[1024] = "";
        GetWindowTextA(m_hWnd, text, sizeof text);
        std::string cleaned;
        for (const char* p = text; *p; ++p) {
            unsigned char c = static_cast<unsigned char>(*p);
            if (IsCp932LeadByte(c) && p[1]) {
                ++p;
                continue;
            }
            if ((c == '-' && cleaned.empty()) || c == '.' || (c >= '0' && c <= '9')) cleaned += static_cast<char>(c);
        }
        m_Held.clear();
        Wide v;
        if (kReal) {
            v = static_cast<Wide>(atof(cleaned.c_str()));
            v = static_cast<Wide>(atof(FormatReal(static_cast<double>(v)).c_str()));
            m_Held = cleaned;
        } else {
            v = static_cast<Wide>(strtoll(cleaned.c_str(), nullptr, 10));
            if (cleaned == "-")
                m_Held = "-";
            else if (cleaned.size() > 1 && cleaned[0] == '-' && strtoll(cleaned.c_str() + 1, nullptr, 10) == v)
                m_Held = Format("-%lld", static_cast<long long>(v));
            if (v > static_cast<Wide>(std::numeric_limits<T>::max())) {
                v = std::numeric_limits<T>::max();
                m_Held.clear();
            } else if (v < static_cast<Wide>(std::numeric_limits<T>::lowest())) {
                v = std::numeric_limits<T>::lowest();
                m_Held.clear();
            }
        }
        if (cleaned.empty()) {
            m_HeldFlag = 1;
            m_Held.clear();
            return EmptyValue();
        }
        m_HeldFlag = 0;
        return v;
    }

    BOOL Enable(int flag) override {
        if (m_UpDown.GetHwnd()) EnableWindow(m_UpDown.GetHwnd(), flag ? TRUE : FALSE);
        return cCtrl::Enable(flag);
    }
    void DataToCtrl() override {
        if (m_lpVar) SetValue(*m_lpVar);
    }
    // The variable never receives a value outside the range (an emptied box reads as 0).
    void CtrlToData() override {
        if (!m_lpVar || !m_hWnd) return;
        Wide v = ParseText();
        if (v < m_Min) v = m_Min;
        if (v > m_Max) v = m_Max;
        *m_lpVar = static_cast<T>(v);
    }
    void Reformat() override {
        if (m_Busy) return;
        m_Busy = 1;
        DWORD start = 0, end = 0;
        SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        Wide v = ParseText();
        if (!m_HeldFlag) ShowValue(v, false);
        SendMessageA(m_hWnd, EM_SETSEL, start, end);
        m_Busy = 0;
    }
    int OnNotify(int id, NMHDR* header) override {
        if (!m_UpDown.GetHwnd() || id != m_UpDown.GetId() || header->code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
        const NMUPDOWN* change = reinterpret_cast<const NMUPDOWN*>(header);
        Wide v = ParseText() + static_cast<Wide>(change->iDelta) * static_cast<Wide>(m_Step);
        SetValue(v);
        return 1;
    }
    void OnCtrlEvent() override {
        if (m_Busy) return;
        m_Busy = 1;
        Wide v = ParseText();
        SetValue(m_HeldFlag ? EmptyValue() : v);
        m_Busy = 0;
    }

private:
    Wide EmptyValue() const { return m_Min > 0 ? static_cast<Wide>(m_Min) : 0; }
    std::string FormatReal(double v) const { return Format("%.*f", m_Decimals, v); }

    void Unsubclass() {
        if (m_hWnd && m_PrevProc && GetPropA(m_hWnd, kEditValProp) == this) {
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_PrevProc));
            RemovePropA(m_hWnd, kEditValProp);
        }
    }

    static LRESULT CALLBACK EditProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        cEditVal* self = static_cast<cEditVal*>(GetPropA(wnd, kEditValProp));
        if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
        WNDPROC previous = self->m_PrevProc;
        switch (msg) {
        case WM_DESTROY:
            SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            RemovePropA(wnd, kEditValProp);
            break;
        case WM_CHAR:
            if (!(wParam == '-' || wParam == '.' || (wParam >= '0' && wParam <= '9') || (wParam >= 1 && wParam <= 39)))
                return 0;
            break;
        case WM_IME_COMPOSITION:
            if (lParam & GCS_RESULTSTR) {
                for (char c : ReadImeResult(wnd)) SendMessageA(wnd, WM_CHAR, static_cast<unsigned char>(c), 0);
                return 0;
            }
            break;
        }
        return CallWindowProcA(previous, wnd, msg, wParam, lParam);
    }

    T* m_lpVar = nullptr;
    cUpDownCtrl<T> m_UpDown;
    T m_Min = 0;
    T m_Max = 0;
    Step m_Step = 1;
    int m_Decimals = 0;
    int m_HeldFlag = 0;
    std::string m_Held;
};

template <class T>
using cBoundEditVal = cBound<cEditVal<T>, cEditValDesc<T>>;

using cEditValInt = cEditVal<int8_t>;
using cEditValIntDesc = cEditValDesc<int8_t>;
using cBoundEditValInt = cBoundEditVal<int8_t>;
using cEditValReal = cEditVal<double>;
using cEditValRealDesc = cEditValDesc<double>;
using cBoundEditValReal = cBoundEditVal<double>;
