// Bound controls on a real dialog: check boxes over 32- and 8-bit fields, combo boxes with item
// tables, name lists and conversion tables, a record's round trip through DataToCtrls and
// CtrlsToData, lookups by id, picture boxes and the control helpers.
#include <gtest/gtest.h>

#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/ErrorLog.h"
#include "framework/PictureBox.h"
#include "framework/StrEdit.h"
#include "framework/TrackVal.h"
#include "tests/framework/ControlPage.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

const char* const kKinds[] = {"歩く", "飛ぶ", "泳ぐ", ""};

// Every field kind of the test dialog.
struct cTestRecord {
    int32_t flag = 0;
    int8_t s8 = 0;
    uint8_t u8 = 0;
    int16_t kind = 1;
    int32_t conv = 20;
    int32_t value = 0;
    int16_t shortValue = 0;
    int8_t small = 0;
    double real = 0;
    int32_t track = 0;
    std::string name;
};

// The bindings of the whole test dialog over one record.
struct cRecordBindings {
    explicit cRecordBindings(cTestRecord* r) {
        checks.resize(3);
        checks[0].m_Desc.Set(IDC_CTRL_CHECK_INT, &r->flag);
        checks[1].m_Desc.Set(IDC_CTRL_CHECK_S8, &r->s8);
        checks[2].m_Desc.Set(IDC_CTRL_CHECK_U8, &r->u8);
        combos.resize(1);
        combos[0].m_Desc = cComboDesc<int16_t>(IDC_CTRL_COMBO, &r->kind, kKinds, 1);
        convCombos.resize(1);
        convCombos[0].m_Desc = cComboDesc<int32_t>(IDC_CTRL_COMBO_CONV, &r->conv, &convNames, 0, &conv);
        values.resize(1);
        values[0].m_Desc.Set(IDC_CTRL_VALUE, &r->value, -50, 50, IDC_CTRL_VALUE_SPIN, 5);
        shorts.resize(1);
        shorts[0].m_Desc.Set(IDC_CTRL_SHORT, &r->shortValue, -32768, 32767);
        smalls.resize(1);
        smalls[0].m_Desc.Set(IDC_CTRL_INT8, &r->small, -128, 127, IDC_CTRL_INT8_SPIN, 1);
        reals.resize(1);
        reals[0].m_Desc.Set(IDC_CTRL_REAL, &r->real, 0.0, 100.0, IDC_CTRL_REAL_SPIN, 0.05);
        tracks.resize(1);
        tracks[0].m_Desc = TrackDesc{IDC_CTRL_TRACK, &r->track, 0, 20, 5, 1, IDC_CTRL_TRACK_EDIT};
        texts.resize(1);
        texts[0].m_Desc = cStrEditDesc(IDC_CTRL_NAME, &r->name, 16, 1);
        pictures.resize(1);
        pictures[0].m_Desc.Set(IDC_CTRL_PICTURE, 0, 0);
        buttons.resize(1);
        buttons[0].m_Desc.Set(IDC_CTRL_BUTTON);
        plains.resize(1);
        plains[0].m_Desc.Set(IDC_CTRL_LABEL);
    }
    void Attach(cCtrlPage& page) {
        page.AttachCtrls(checks);
        page.AttachCtrls(combos);
        page.AttachCtrls(convCombos);
        page.AttachCtrls(values);
        page.AttachCtrls(shorts);
        page.AttachCtrls(smalls);
        page.AttachCtrls(reals);
        page.AttachCtrls(tracks);
        page.AttachCtrls(texts);
        for (cBoundPictureBox& p : pictures) page.AttachPictureBox(p);
        page.AttachCtrls(buttons);
        page.AttachCtrls(plains);
    }
    void ExpectAllAttached() {
        ExpectAttached(checks);
        ExpectAttached(combos);
        ExpectAttached(convCombos);
        ExpectAttached(values);
        ExpectAttached(shorts);
        ExpectAttached(smalls);
        ExpectAttached(reals);
        ExpectAttached(tracks);
        ExpectAttached(texts);
        ExpectAttached(pictures);
        ExpectAttached(buttons);
        ExpectAttached(plains);
    }

    std::vector<std::string> convNames{"十", "二十", "三十"};
    std::vector<int32_t> conv{10, 20, 30};
    cBindings<cBoundCheck> checks;
    cBindings<cBoundCombo<int16_t>> combos;
    cBindings<cBoundCombo<int32_t>> convCombos;
    cBindings<cBoundEditVal<int32_t>> values;
    cBindings<cBoundEditVal<int16_t>> shorts;
    cBindings<cBoundEditValInt> smalls;
    cBindings<cBoundEditValReal> reals;
    cBindings<TrackElem> tracks;
    cBindings<cBoundStrEdit> texts;
    cBindings<cBoundPictureBox> pictures;
    cBindings<cBoundButton> buttons;
    cBindings<cBoundPlain> plains;
};

int Check(const cCtrlPage& page, int id) {
    return static_cast<int>(SendMessageA(page.Item(id), BM_GETCHECK, 0, 0));
}
int ComboPos(const cCtrlPage& page, int id) {
    return static_cast<int>(SendMessageA(page.Item(id), CB_GETCURSEL, 0, 0));
}

}  // namespace

TEST(BoundCtrl, EveryBindingOfTheTestDialogFindsItsControl) {
    cTestRecord record;
    cRecordBindings bindings(&record);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { bindings.Attach(p); });
    bindings.ExpectAllAttached();
    EXPECT_EQ(14, page.CtrlCount());
}

TEST(BoundCtrl, RecordRoundTripsThroughTheControls) {
    cTestRecord record;
    record.flag = 1;
    record.u8 = 1;
    record.kind = 3;
    record.conv = 30;
    record.value = -20;
    record.shortValue = 1234;
    record.small = -7;
    record.real = 2.5;
    record.track = 12;
    record.name = "勇者";
    cRecordBindings bindings(&record);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { bindings.Attach(p); });

    EXPECT_EQ(BST_CHECKED, Check(page, IDC_CTRL_CHECK_INT));
    EXPECT_EQ(BST_UNCHECKED, Check(page, IDC_CTRL_CHECK_S8));
    EXPECT_EQ(BST_CHECKED, Check(page, IDC_CTRL_CHECK_U8));
    EXPECT_EQ(2, ComboPos(page, IDC_CTRL_COMBO));
    EXPECT_EQ(2, ComboPos(page, IDC_CTRL_COMBO_CONV));
    EXPECT_EQ("-20", WindowText(page.Item(IDC_CTRL_VALUE)));
    EXPECT_EQ("1234", WindowText(page.Item(IDC_CTRL_SHORT)));
    EXPECT_EQ("-7", WindowText(page.Item(IDC_CTRL_INT8)));
    EXPECT_EQ("2.50", WindowText(page.Item(IDC_CTRL_REAL)));
    EXPECT_EQ(12, SendMessageA(page.Item(IDC_CTRL_TRACK), TBM_GETPOS, 0, 0));
    EXPECT_EQ("12", WindowText(page.Item(IDC_CTRL_TRACK_EDIT)));
    EXPECT_EQ("勇者", WindowText(page.Item(IDC_CTRL_NAME)));

    SendMessageA(page.Item(IDC_CTRL_CHECK_INT), BM_CLICK, 0, 0);
    SendMessageA(page.Item(IDC_CTRL_CHECK_S8), BM_CLICK, 0, 0);
    SendMessageA(page.Item(IDC_CTRL_COMBO), CB_SETCURSEL, 0, 0);
    SendMessageA(page.Item(IDC_CTRL_COMBO_CONV), CB_SETCURSEL, 1, 0);
    SetDlgItemTextA(page.GetHwnd(), IDC_CTRL_VALUE, "33");
    SetDlgItemTextA(page.GetHwnd(), IDC_CTRL_SHORT, "-300");
    SetDlgItemTextA(page.GetHwnd(), IDC_CTRL_INT8, "100");
    SetDlgItemTextA(page.GetHwnd(), IDC_CTRL_REAL, "7.25");
    SendMessageA(page.Item(IDC_CTRL_TRACK), TBM_SETPOS, TRUE, 4);
    SetDlgItemTextA(page.GetHwnd(), IDC_CTRL_NAME, "魔王");
    page.CtrlsToData();

    EXPECT_EQ(0, record.flag);
    EXPECT_EQ(1, record.s8);
    EXPECT_EQ(1, record.u8);
    EXPECT_EQ(1, record.kind);
    EXPECT_EQ(20, record.conv);
    EXPECT_EQ(33, record.value);
    EXPECT_EQ(-300, record.shortValue);
    EXPECT_EQ(100, record.small);
    EXPECT_DOUBLE_EQ(7.25, record.real);
    EXPECT_EQ(4, record.track);
    EXPECT_EQ("魔王", record.name);

    // Back again: the controls show the stored record.
    record.kind = 2;
    page.DataToCtrls();
    EXPECT_EQ(1, ComboPos(page, IDC_CTRL_COMBO));
    EXPECT_EQ(BST_UNCHECKED, Check(page, IDC_CTRL_CHECK_INT));
}

TEST(BoundCtrl, CheckBoxesStoreTheStateAtTheFieldsWidth) {
    // Bytes around the 8-bit fields show that a store writes its own byte only.
    struct cFields {
        int32_t flag;
        uint8_t before;
        int8_t s8;
        uint8_t u8;
        uint8_t after;
    } f = {0x12345678, 0xAA, -1, 255, 0xBB};
    cBindings<cBoundCheck> checks(3);
    checks[0].m_Desc.Set(IDC_CTRL_CHECK_INT, &f.flag);
    checks[1].m_Desc.Set(IDC_CTRL_CHECK_S8, &f.s8);
    checks[2].m_Desc.Set(IDC_CTRL_CHECK_U8, &f.u8);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(checks); });

    // A non-zero value shows as checked, whatever its width and sign.
    for (int id : {IDC_CTRL_CHECK_INT, IDC_CTRL_CHECK_S8, IDC_CTRL_CHECK_U8}) EXPECT_NE(BST_UNCHECKED, Check(page, id));

    for (int id : {IDC_CTRL_CHECK_INT, IDC_CTRL_CHECK_S8, IDC_CTRL_CHECK_U8})
        SendMessageA(page.Item(id), BM_SETCHECK, BST_UNCHECKED, 0);
    page.CtrlsToData();
    EXPECT_EQ(0, f.flag);
    EXPECT_EQ(0, f.s8);
    EXPECT_EQ(0, f.u8);
    EXPECT_EQ(0xAA, f.before);
    EXPECT_EQ(0xBB, f.after);

    for (int id : {IDC_CTRL_CHECK_INT, IDC_CTRL_CHECK_S8, IDC_CTRL_CHECK_U8})
        SendMessageA(page.Item(id), BM_CLICK, 0, 0);
    page.CtrlsToData();
    EXPECT_EQ(1, f.flag);
    EXPECT_EQ(1, f.s8);
    EXPECT_EQ(1, f.u8);
}

TEST(BoundCtrl, ComboMapsPositionsToValues) {
    int16_t kind = 1;
    int32_t conv = 20;
    std::vector<int32_t> table = {10, 20, 30};
    std::vector<std::string> names = {"十", "二十", "三十"};
    cBindings<cBoundCombo<int16_t>> combos(1);
    combos[0].m_Desc = cComboDesc<int16_t>(IDC_CTRL_COMBO, &kind, kKinds, 1);
    cBindings<cBoundCombo<int32_t>> convCombos(1);
    convCombos[0].m_Desc = cComboDesc<int32_t>(IDC_CTRL_COMBO_CONV, &conv, &names, 0, &table);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) {
        p.AttachCtrls(combos);
        p.AttachCtrls(convCombos);
    });
    cCombo<int16_t>& combo = combos[0].m_Ctrl;
    cCombo<int32_t>& convCombo = convCombos[0].m_Ctrl;
    EXPECT_EQ(3, SendMessageA(page.Item(IDC_CTRL_COMBO), CB_GETCOUNT, 0, 0));

    struct cCase {
        int16_t value;
        int pos;
    };
    for (const cCase& c : {cCase{1, 0}, cCase{3, 2}, cCase{0, -1}, cCase{4, -1}}) {
        kind = c.value;
        combo.DataToCtrl();
        EXPECT_EQ(c.pos, ComboPos(page, IDC_CTRL_COMBO)) << c.value;
    }
    // Nothing selected stores nothing; filling the items again selects the first.
    kind = 2;
    SendMessageA(page.Item(IDC_CTRL_COMBO), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    combo.CtrlToData();
    EXPECT_EQ(2, kind);
    combo.Refill();
    EXPECT_EQ(0, ComboPos(page, IDC_CTRL_COMBO));

    struct cConvCase {
        int32_t value;
        int pos;
    };
    for (const cConvCase& c : {cConvCase{20, 1}, cConvCase{30, 2}, cConvCase{25, -1}}) {
        conv = c.value;
        convCombo.DataToCtrl();
        EXPECT_EQ(c.pos, ComboPos(page, IDC_CTRL_COMBO_CONV)) << c.value;
    }
    // The position of a value missing from the table selects nothing, and storing it keeps the
    // field as it was.
    convCombo.CtrlToData();
    EXPECT_EQ(25, conv);
    SendMessageA(page.Item(IDC_CTRL_COMBO_CONV), CB_SETCURSEL, 2, 0);
    convCombo.CtrlToData();
    EXPECT_EQ(30, conv);
}

TEST(BoundCtrl, ComboWithAnEmptyFirstTextHasNoItemsAndSetMinMovesItsBase) {
    const char* const empty[] = {""};
    int16_t kind = 0;
    cBindings<cBoundCombo<int16_t>> combos(1);
    combos[0].m_Desc = cComboDesc<int16_t>(IDC_CTRL_COMBO, &kind, empty, 0);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(combos); });
    EXPECT_EQ(0, SendMessageA(page.Item(IDC_CTRL_COMBO), CB_GETCOUNT, 0, 0));

    combos[0].m_Ctrl.SetTable(kKinds);
    combos[0].m_Ctrl.SetMin(5);
    EXPECT_EQ(5, kind);
    EXPECT_EQ(0, ComboPos(page, IDC_CTRL_COMBO));
    SendMessageA(page.Item(IDC_CTRL_COMBO), CB_SETCURSEL, 2, 0);
    combos[0].m_Ctrl.CtrlToData();
    EXPECT_EQ(7, kind);
}

TEST(BoundCtrl, MissingControlIdIsReportedAndTheMainWindowStays) {
    cTempDir dir;
    SetErrorLog(1, "EC_Test.txt");
    cCloseCounter main;
    SetMainWindow(main.Wnd());
    cBoxAnswers boxes;
    cBindings<cBoundCheck> checks(2);
    int32_t a = 0, b = 0;
    checks[0].m_Desc.Set(IDC_CTRL_CHECK_INT, &a);
    checks[1].m_Desc.Set(IDC_CTRL_MISSING, &b);  // not in the template
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(checks); });

    EXPECT_EQ(nullptr, FindCtrl(checks, 4321));
    EXPECT_EQ(0, EnableCtrlById(checks, 4321, FALSE));
    ShowCtrlById(checks, 4321, FALSE);
    // The binding without a control is inert; the one found is driven.
    b = 1;
    page.DataToCtrls();
    page.CtrlsToData();
    EXPECT_EQ(1, b);
    EnableCtrlById(checks, IDC_CTRL_CHECK_INT, FALSE);
    EXPECT_FALSE(IsWindowEnabled(page.Item(IDC_CTRL_CHECK_INT)));

    ASSERT_EQ(4u, boxes.Shown().size());
    EXPECT_EQ("コントロールID 【1199】 が見つかりません！", boxes.Shown()[0].text);
    EXPECT_EQ("コントロールID 【4321】 が見つかりません！", boxes.Shown()[1].text);
    EXPECT_TRUE(IsWindow(main.Wnd()));
    EXPECT_EQ(0, main.Closes());
    EXPECT_TRUE(IsWindow(page.GetHwnd()));
    SetMainWindow(nullptr);
    SetErrorLog(0, nullptr);
}

TEST(BoundCtrl, EnableAndShowById) {
    int32_t value = 0;
    cBindings<cBoundEditVal<int32_t>> values(1);
    values[0].m_Desc.Set(IDC_CTRL_VALUE, &value, 0, 9, IDC_CTRL_VALUE_SPIN, 1);
    cBindings<cBoundPictureBox> pictures(1);
    pictures[0].m_Desc.Set(IDC_CTRL_PICTURE, 0, 0);
    cBindings<cBoundStrEdit> texts(1);
    std::string name;
    texts[0].m_Desc = cStrEditDesc(IDC_CTRL_NAME, &name, 8, 0);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) {
        p.AttachCtrls(values);
        p.AttachCtrls(pictures);
        p.AttachCtrls(texts);
    });
    EnableCtrlById(values, IDC_CTRL_VALUE, FALSE);
    EXPECT_FALSE(IsWindowEnabled(page.Item(IDC_CTRL_VALUE)));
    EXPECT_FALSE(IsWindowEnabled(page.Item(IDC_CTRL_VALUE_SPIN)));  // the up-down goes with its edit
    EXPECT_FALSE(values[0].m_Ctrl.IsEnabled());
    EnableCtrlById(texts, IDC_CTRL_NAME, FALSE);
    EXPECT_FALSE(IsWindowEnabled(page.Item(IDC_CTRL_NAME)));
    ShowCtrlById(pictures, IDC_CTRL_PICTURE, FALSE);
    EXPECT_FALSE(IsWindowVisible(page.Item(IDC_CTRL_PICTURE)));
    ShowCtrlById(pictures, IDC_CTRL_PICTURE, TRUE);
    EXPECT_TRUE(IsWindowVisible(page.Item(IDC_CTRL_PICTURE)));
}

TEST(BoundCtrl, PictureBoxDrawsAtTheGivenOrTheTemplatesSize) {
    struct cCase {
        int width, height;
        bool keeps;
    };
    for (const cCase& c : {cCase{0, 0, true}, cCase{32, 0, true}, cCase{40, 30, false}}) {
        SCOPED_TRACE(c.width);
        cBindings<cBoundPictureBox> pictures(1);
        pictures[0].m_Desc.Set(IDC_CTRL_PICTURE, c.width, c.height);
        cCtrlPage page(IDD_CTRL_BIND);
        RECT before = {};
        page.Open([&](cCtrlPage& p) {
            ::GetClientRect(p.Item(IDC_CTRL_PICTURE), &before);
            p.AttachPictureBox(pictures[0]);
        });
        RECT after;
        ::GetClientRect(page.Item(IDC_CTRL_PICTURE), &after);
        cDib& canvas = pictures[0].m_Ctrl.Canvas();
        if (c.keeps) {
            EXPECT_EQ(before.right, after.right);
            EXPECT_EQ(before.right, canvas.Width());
            EXPECT_EQ(before.bottom, canvas.Height());
        } else {
            RECT outer;
            GetWindowRect(page.Item(IDC_CTRL_PICTURE), &outer);
            EXPECT_EQ(40, outer.right - outer.left);
            EXPECT_EQ(30, outer.bottom - outer.top);
            EXPECT_EQ(40, canvas.Width());
            EXPECT_EQ(30, canvas.Height());
        }
        canvas.Clear(RGB(255, 0, 0));
        pictures[0].m_Ctrl.Present();
        // A repaint of the control (uncovered, or printed for a picture) shows the canvas again.
        HWND box = page.Item(IDC_CTRL_PICTURE);
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, canvas.Width(), canvas.Height());
        HGDIOBJ old = SelectObject(memory, bitmap);
        PatBlt(memory, 0, 0, canvas.Width(), canvas.Height(), WHITENESS);
        SendMessageA(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        EXPECT_EQ(RGB(255, 0, 0), GetPixel(memory, canvas.Width() / 2, canvas.Height() / 2));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
}

TEST(BoundCtrl, HitTestMoveAndText) {
    cBindings<cBoundButton> buttons(1);
    buttons[0].m_Desc.Set(IDC_CTRL_BUTTON);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(buttons); });
    cButton& button = buttons[0].m_Ctrl;

    RECT r;
    GetWindowRect(button.GetHwnd(), &r);
    EXPECT_EQ(1, button.HitTest({r.left, r.top}));
    EXPECT_EQ(1, button.HitTest({r.right, r.bottom}));
    EXPECT_EQ(0, button.HitTest({r.right + 1, r.top}));
    EXPECT_EQ(0, button.HitTest({r.left, r.bottom + 1}));

    button.Move(5, 7);
    GetWindowRect(button.GetHwnd(), &r);
    POINT pt = {r.left, r.top};
    ScreenToClient(page.GetHwnd(), &pt);
    EXPECT_EQ(5, pt.x);
    EXPECT_EQ(7, pt.y);

    button.SetText("適用");
    button.AppendText("中");
    button.AppendTextF("%d", 3);
    std::string text;
    button.GetText(&text);
    EXPECT_EQ("適用中3", text);
    button.SetItemText("");
    EXPECT_EQ("", WindowText(button.GetHwnd()));
    EXPECT_EQ(1, button.HasStyle(WS_VISIBLE));
    button.RemoveStyle(WS_TABSTOP);
    EXPECT_EQ(0, button.HasStyle(WS_TABSTOP));
}

TEST(BoundCtrl, EmptyVectorAttachesNothing) {
    cBindings<cBoundCheck> checks;
    cCtrlPage page(IDD_CTRL_BIND);
    int attached = -1;
    page.Open([&](cCtrlPage& p) { attached = p.AttachCtrls(checks); });
    EXPECT_EQ(0, attached);
    EXPECT_EQ(0, page.CtrlCount());
}
