// The key condition dialog driven as the person does, with the error log on: every key combo
// and control lands in its field at OK, Cancel and the close box change nothing, "to" never
// starts before "from", and "1～∞" closes both time edits.
#include <gtest/gtest.h>

#include <functional>

#include "editor/flow/KeyCondDlg.h"
#include "tests/flow/CondFixture.h"
#include "tests/framework/ErrorLogOn.h"
#include "tests/support/TempDir.h"

namespace {

cKeyCond Base() {
    cKeyCond k;
    k.m_PressMin = 5;
    k.m_PressMax = 20;
    k.m_KeyJudge = 1;
    for (int key = 0; key < kKeyStates; ++key) k.m_KeyStates[key] = static_cast<uint8_t>(key % 3);
    return k;
}

class KeyCondDlgTest : public testing::Test {
protected:
    int Run(cKeyCond* cond, const std::function<void(HWND)>& act) {
        cKeyCondDlg dlg(IDD_KEY_COND, nullptr, &m_Group, cond);
        cModalSteps steps;
        steps.Then("キー条件", act);
        return static_cast<int>(dlg.DoModal(0));
    }
    cTempDir m_Dir;
    cErrorLogOn m_Log{"EC_Test.txt"};
    cWndGroup m_Group;
};

TEST_F(KeyCondDlgTest, EachControlLandsInItsFieldOnlyAtOk) {
    struct cChange {
        std::string name;
        std::function<void(HWND)> act;
        std::function<void(cKeyCond&)> expect;
    };
    std::vector<cChange> changes = {
        {"from", [](HWND d) { Type(d, IDC_KC_FROM, "12"); }, [](cKeyCond& k) { k.m_PressMin = 12; }},
        {"to", [](HWND d) { Type(d, IDC_KC_TO, "999"); }, [](cKeyCond& k) { k.m_PressMax = 999; }},
        {"swap", [](HWND d) { Click(d, IDC_KC_SWAP); }, [](cKeyCond& k) { k.m_SwapDir = 1; }},
        {"any length", [](HWND d) { Click(d, IDC_KC_ANY_LENGTH); }, [](cKeyCond& k) { k.m_PressOpen = 1; }},
        {"judge", [](HWND d) { Choose(d, IDC_KC_JUDGE, 2); }, [](cKeyCond& k) { k.m_KeyJudge = 2; }},
    };
    for (int key = 0; key < kKeyStates; ++key) {
        int state = (key + 1) % 3;
        changes.push_back({"key " + std::to_string(key), [key, state](HWND d) { Choose(d, kKeyStateCtrlIds[key], state); },
                           [key, state](cKeyCond& k) { k.m_KeyStates[key] = static_cast<uint8_t>(state); }});
    }

    cKeyCond cond = Base();
    EXPECT_EQ(1, Run(&cond, [](HWND d) { Click(d, IDC_COND_OK); }));
    EXPECT_EQ(Base(), cond);
    for (const cChange& change : changes) {
        cond = Base();
        cKeyCond expected = Base();
        change.expect(expected);
        EXPECT_EQ(1, Run(&cond, [&](HWND d) {
            change.act(d);
            Click(d, IDC_COND_OK);
        }));
        EXPECT_EQ(expected, cond) << change.name;
    }
    for (int close = 0; close < 2; ++close) {
        cond = Base();
        EXPECT_EQ(0, Run(&cond, [&](HWND d) {
            for (const cChange& change : changes) change.act(d);
            if (close)
                SendMessageA(d, WM_CLOSE, 0, 0);
            else
                Click(d, IDC_COND_CANCEL);
        }));
        EXPECT_EQ(Base(), cond) << close;
    }
}

TEST_F(KeyCondDlgTest, ToNeverStartsBeforeFrom) {
    cKeyCond cond = Base();
    EXPECT_EQ(1, Run(&cond, [](HWND d) {
        EXPECT_EQ((std::vector<std::string>{"--", "押", "離"}), ComboItems(d, IDC_KC_Z));
        EXPECT_EQ(3u, ComboItems(d, IDC_KC_JUDGE).size());
        Type(d, IDC_KC_FROM, "30");
        Type(d, IDC_KC_TO, "29");
        EXPECT_EQ("30", Text(d, IDC_KC_TO));
        Type(d, IDC_KC_TO, "40");
        Type(d, IDC_KC_FROM, "50");
        EXPECT_EQ("50", Text(d, IDC_KC_TO));
        Type(d, IDC_KC_FROM, "1000");
        EXPECT_EQ("999", Text(d, IDC_KC_FROM));
        EXPECT_EQ("999", Text(d, IDC_KC_TO));
        Type(d, IDC_KC_FROM, "7");
        Click(d, IDC_COND_OK);
    }));
    EXPECT_EQ(7, cond.m_PressMin);
    EXPECT_EQ(999, cond.m_PressMax);
}

TEST_F(KeyCondDlgTest, AnyLengthClosesBothTimesButOkStillWritesThem) {
    cKeyCond cond = Base();
    EXPECT_EQ(1, Run(&cond, [](HWND d) {
        EXPECT_TRUE(Enabled(d, IDC_KC_FROM));
        Type(d, IDC_KC_FROM, "8");
        Type(d, IDC_KC_TO, "9");
        Click(d, IDC_KC_ANY_LENGTH);
        EXPECT_FALSE(Enabled(d, IDC_KC_FROM));
        EXPECT_FALSE(Enabled(d, IDC_KC_TO));
        EXPECT_FALSE(Enabled(d, IDC_KC_FROM_SPIN));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, IDC_KC_PICTURE)));
        Click(d, IDC_COND_OK);
    }));
    EXPECT_EQ(1, cond.m_PressOpen);
    EXPECT_EQ(8, cond.m_PressMin);
    EXPECT_EQ(9, cond.m_PressMax);

    // Opened already on: both closed from the start.
    EXPECT_EQ(0, Run(&cond, [](HWND d) {
        EXPECT_FALSE(Enabled(d, IDC_KC_TO));
        Click(d, IDC_KC_ANY_LENGTH);
        EXPECT_TRUE(Enabled(d, IDC_KC_TO));
        Click(d, IDC_COND_CANCEL);
    }));
}

TEST_F(KeyCondDlgTest, AShortKeyListIsPaddedBeforeTheCombosBindIt) {
    cKeyCond cond = Base();
    cond.m_KeyStates.assign(5, 1);
    EXPECT_EQ(1, Run(&cond, [](HWND d) {
        EXPECT_EQ(1, Chosen(d, IDC_KC_UP));
        EXPECT_EQ(0, Chosen(d, IDC_KC_F));
        Choose(d, IDC_KC_F, 2);
        Click(d, IDC_COND_OK);
    }));
    ASSERT_EQ(static_cast<size_t>(kKeyStates), cond.m_KeyStates.size());
    EXPECT_EQ(1, cond.m_KeyStates[eKeyUp]);
    EXPECT_EQ(1, cond.m_KeyStates[eKeyDown]);
    EXPECT_EQ(0, cond.m_KeyStates[eKeyLeftUp]);
    EXPECT_EQ(2, cond.m_KeyStates[eKeyF]);
}

}  // namespace
