// Numeric edits driven by typed characters, pasted texts, focus changes and up-down clicks:
// integer forms of several widths, the signed 8-bit form, the real-number form and the
// trackbar with its number edit.
#include <gtest/gtest.h>

#include "framework/EditVal.h"
#include "framework/TrackVal.h"
#include "tests/framework/ControlPage.h"

namespace {

void Type(HWND edit, const char* text) {
    for (const char* p = text; *p; ++p) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

void Retype(HWND edit, const char* text) {
    SetWindowTextA(edit, "");
    Type(edit, text);
}

// Clicks the upper (up) or lower (down) half of an up-down control.
void ClickSpin(HWND spin, bool up) {
    RECT r;
    GetClientRect(spin, &r);
    LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(spin, WM_LBUTTONUP, 0, at);
}

// One value edit of type T on the test dialog.
template <class T>
struct cOneEdit {
    cOneEdit(int id, int spin, T minimum, T maximum, typename cEditValDesc<T>::Step step, T initial) : value(initial) {
        edits.resize(1);
        edits[0].m_Desc.Set(static_cast<uint16_t>(id), &value, minimum, maximum, static_cast<uint16_t>(spin), step);
        page.Open([this](cCtrlPage& p) { p.AttachCtrls(edits); });
        edit = page.Item(id);
        spinWnd = spin ? page.Item(spin) : nullptr;
    }
    std::string Text() const { return WindowText(edit); }
    void LeaveBox() { page.Notify(edits[0].m_Desc.id, EN_KILLFOCUS); }

    T value;
    cBindings<cBoundEditVal<T>> edits;
    cCtrlPage page{IDD_CTRL_BIND};
    HWND edit = nullptr;
    HWND spinWnd = nullptr;
};

}  // namespace

TEST(EditVal, TypedNumbersAreClampedAtOnceKeepingTheCaret) {
    cOneEdit<int32_t> e(IDC_CTRL_VALUE, IDC_CTRL_VALUE_SPIN, 1, 10, 1, 3);
    EXPECT_EQ("3", e.Text());
    Retype(e.edit, "50");
    EXPECT_EQ("10", e.Text());
    DWORD start = 0, end = 0;
    SendMessageA(e.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(2u, start);
    EXPECT_EQ(2u, end);
    e.page.CtrlsToData();
    EXPECT_EQ(10, e.value);
}

TEST(EditVal, OnlyNumberCharactersReachTheBox) {
    cOneEdit<int32_t> e(IDC_CTRL_VALUE, 0, -1000, 1000, 1, 0);
    Retype(e.edit, "1a2 b");
    EXPECT_EQ("12", e.Text());
    // A pasted text is cleaned: letters and double-byte characters go, the digits stay.
    SetWindowTextA(e.edit, "3ｘ4あ5");
    e.page.Notify(IDC_CTRL_VALUE, EN_UPDATE);
    EXPECT_EQ("345", e.Text());
}

TEST(EditVal, TransientTextsAreHeldUntilTheBoxIsLeft) {
    struct cCase {
        const char* name;
        int32_t minimum;
        const char* typed;
        const char* whileTyping;
        const char* afterLeaving;
    };
    const cCase cases[] = {
        {"minus in an empty box", -5, "-", "-", "0"},
        {"minus with a positive minimum", 1, "-", "-", "1"},
        {"negative zero", -5, "-00", "-0", "0"},
        {"cleared box", -5, "", "", "0"},
        {"cleared box with a positive minimum", 2, "", "", "2"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cOneEdit<int32_t> e(IDC_CTRL_VALUE, 0, c.minimum, 100, 1, 7);
        Retype(e.edit, c.typed);
        e.page.Notify(IDC_CTRL_VALUE, EN_UPDATE);
        EXPECT_EQ(c.whileTyping, e.Text());
        e.LeaveBox();
        EXPECT_EQ(c.afterLeaving, e.Text());
    }
}

TEST(EditVal, UpDownStepsByTheStepWithinTheRange) {
    cOneEdit<int32_t> e(IDC_CTRL_VALUE, IDC_CTRL_VALUE_SPIN, -10, 8, 2, 5);
    ClickSpin(e.spinWnd, true);
    EXPECT_EQ("7", e.Text());
    ClickSpin(e.spinWnd, true);
    EXPECT_EQ("8", e.Text());
    for (int i = 0; i < 3; ++i) ClickSpin(e.spinWnd, false);
    EXPECT_EQ("2", e.Text());
    // The variable changes only when the page stores the controls.
    EXPECT_EQ(5, e.value);
    e.page.CtrlsToData();
    EXPECT_EQ(2, e.value);
}

TEST(EditVal, SmallFormsClampBeforeTheyNarrow) {
    cOneEdit<int8_t> small(IDC_CTRL_INT8, IDC_CTRL_INT8_SPIN, -128, 127, 1, 127);
    ClickSpin(small.spinWnd, true);
    EXPECT_EQ("127", small.Text());
    small.edits[0].m_Ctrl.SetValue(-128);
    ClickSpin(small.spinWnd, false);
    EXPECT_EQ("-128", small.Text());
    Retype(small.edit, "300");
    EXPECT_EQ("127", small.Text());

    cOneEdit<int16_t> shortEdit(IDC_CTRL_SHORT, 0, -32768, 32767, 1, 0);
    Retype(shortEdit.edit, "99999");
    EXPECT_EQ("32767", shortEdit.Text());
    shortEdit.page.CtrlsToData();
    EXPECT_EQ(32767, shortEdit.value);
}

TEST(EditVal, FullWidthInputBecomesAsciiDigits) {
    EXPECT_EQ("12", FullWidthToAscii("１２"));
    EXPECT_EQ("-3.5", FullWidthToAscii("－３．５"));
    EXPECT_EQ("", FullWidthToAscii("あＡ"));
    // The input method's result reaches the box as its ASCII characters.
    cOneEdit<int32_t> e(IDC_CTRL_VALUE, 0, -1000, 1000, 1, 0);
    SetWindowTextA(e.edit, "");
    SetFocus(e.edit);
    HIMC context = ImmGetContext(e.edit);
    ASSERT_NE(nullptr, context);
    const char typed[] = "１２あ";
    // Wine reads this length as bytes of wide characters: twice the cp932 length.
    ImmSetCompositionStringA(context, SCS_SETSTR, const_cast<char*>(typed), 2 * (sizeof typed - 1), nullptr, 0);
    ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    ImmReleaseContext(e.edit, context);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ("12", e.Text());
}

TEST(EditVal, DecimalsFollowTheStep) {
    struct cCase {
        double step;
        int decimals;
    };
    for (const cCase& c : {cCase{1, 0}, cCase{0.1, 1}, cCase{0.05, 2}, cCase{0.25, 2}, cCase{10, 0}, cCase{2.5, 1}})
        EXPECT_EQ(c.decimals, DecimalCount(c.step)) << c.step;
}

TEST(EditVal, RealEditKeepsTheTypedTextAndFormatsOnLeaving) {
    cOneEdit<double> e(IDC_CTRL_REAL, IDC_CTRL_REAL_SPIN, 0.0, 100.0, 0.05, 0.5);
    EXPECT_EQ("0.50", e.Text());
    Retype(e.edit, "1.");
    EXPECT_EQ("1.", e.Text());
    e.LeaveBox();
    EXPECT_EQ("1.00", e.Text());

    Retype(e.edit, "999");
    EXPECT_EQ("100.00", e.Text());

    Retype(e.edit, "0.123");
    EXPECT_EQ("0.123", e.Text());
    e.page.CtrlsToData();
    EXPECT_DOUBLE_EQ(0.12, e.value);
    e.LeaveBox();
    EXPECT_EQ("0.12", e.Text());

    ClickSpin(e.spinWnd, true);
    EXPECT_EQ("0.17", e.Text());
}

TEST(EditVal, TrackbarMovesItsNumberEditButNotTheVariable) {
    int32_t level = 3;
    cBindings<TrackElem> tracks(1);
    tracks[0].m_Desc = TrackDesc{IDC_CTRL_TRACK, &level, 0, 20, 5, 1, IDC_CTRL_TRACK_EDIT};
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(tracks); });
    HWND track = page.Item(IDC_CTRL_TRACK);
    EXPECT_EQ(3, SendMessageA(track, TBM_GETPOS, 0, 0));
    EXPECT_EQ("3", WindowText(page.Item(IDC_CTRL_TRACK_EDIT)));

    // The mouse moves the thumb: the trackbar reports it as a scroll of the page.
    SendMessageA(track, TBM_SETPOS, TRUE, 15);
    SendMessageA(page.GetHwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 15), reinterpret_cast<LPARAM>(track));
    EXPECT_EQ("15", WindowText(page.Item(IDC_CTRL_TRACK_EDIT)));
    EXPECT_EQ(3, level);
    page.CtrlsToData();
    EXPECT_EQ(15, level);

    EnableCtrlById(tracks, IDC_CTRL_TRACK, FALSE);
    EXPECT_FALSE(IsWindowEnabled(track));
    EXPECT_FALSE(IsWindowEnabled(page.Item(IDC_CTRL_TRACK_EDIT)));
}
