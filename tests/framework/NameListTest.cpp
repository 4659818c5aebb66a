// Combo item texts from tables of named records, a combo filled from them by id, and the
// sound preview of the entry chosen in a combo.
#include <gtest/gtest.h>

#include "framework/NameList.h"
#include "tests/framework/ControlPage.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

// The shape of a database table row.
struct cNamed {
    std::string m_Name;
    std::string m_File;
};

std::vector<cNamed> Table(std::initializer_list<const char*> names) {
    std::vector<cNamed> table;
    for (const char* n : names) table.push_back({n, std::string(n) + ".wav"});
    return table;
}

}  // namespace

TEST(NameList, TableItemsAreNumberedFromTheStart) {
    struct cCase {
        const char* name;
        int start;
        const char* first;
        int digits, base;
        std::vector<std::string> items;
    };
    const cCase cases[] = {
        {"first text for the start", 1, "なし", 3, 0, {"なし", "002 剣"}},
        {"every entry", 0, nullptr, 3, 0, {"000 無し", "001 槍", "002 剣"}},
        {"number base and digits", 0, nullptr, 2, 1, {"01 無し", "02 槍", "03 剣"}},
        {"start past the table", 4, "なし", 3, 0, {}},
    };
    for (const cCase& c : cases) {
        std::vector<std::string> list = {"古い"};
        BuildTableNameList(&list, Table({"無し", "槍", "剣"}), c.first, c.start, c.digits, c.base);
        EXPECT_EQ(c.items, list) << c.name;
    }
    std::vector<std::string> list = {"古い"};
    BuildNameList(&list, Table({"空き"}));
    EXPECT_TRUE(list.empty());
    BuildNameList(&list, Table({"空き", "", "岩"}));
    EXPECT_EQ((std::vector<std::string>{"001 ", "002 岩"}), list);
}

TEST(NameList, FixedTablesGivePlainItems) {
    const char* const texts[] = {"左", "右", "", "後"};
    EXPECT_EQ((std::vector<std::string>{"左", "右"}), TextList(texts));
    const char* const none[] = {""};
    EXPECT_TRUE(TextList(none).empty());
    struct cRow {
        const char* m_Name;
        int m_Value;
    };
    const cRow rows[] = {{"HP", 1}, {"SP", 2}, {"", 3}, {"攻撃", 4}};
    EXPECT_EQ((std::vector<std::string>{"HP", "SP", ""}), RowNameList(rows, 3));
    EXPECT_TRUE(RowNameList(rows, 0).empty());
}

TEST(NameList, ComboIsFilledByIdAndKeepsItsValue) {
    int16_t chosen = 2;
    cBindings<cBoundCombo<int16_t>> combos(1);
    std::vector<std::string> empty;
    combos[0].m_Desc = cComboDesc<int16_t>(IDC_CTRL_COMBO, &chosen, &empty, 1);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(combos); });
    std::vector<std::string> names;
    SetComboNameList(combos, IDC_CTRL_COMBO, &names, Table({"空き", "岩", "木"}));
    HWND combo = page.Item(IDC_CTRL_COMBO);
    EXPECT_EQ(2, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    page.DataToCtrls();
    EXPECT_EQ(1, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    char text[64] = "";
    SendMessageA(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("002 木", text);
}

TEST(NameList, SoundPreviewPlaysTheChosenEntryOnly) {
    cTempDir dir;
    int32_t chosen = 0;
    cBindings<cBoundCombo<int32_t>> combos(1);
    std::vector<std::string> names = {"なし", "001 声", "002 音"};
    combos[0].m_Desc = cComboDesc<int32_t>(IDC_CTRL_COMBO, &chosen, &names, 0);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(combos); });
    cMciPlayer player;
    player.Enable();
    std::vector<cNamed> sounds = Table({"なし", "missing", "missing2"});
    cBoxAnswers boxes;

    // The first item stands for no sound: nothing plays and nothing is said.
    EXPECT_EQ(0, PreviewSound(page.GetHwnd(), player, combos, IDC_CTRL_COMBO, sounds));
    EXPECT_TRUE(boxes.Shown().empty());

    SendMessageA(page.Item(IDC_CTRL_COMBO), CB_SETCURSEL, 2, 0);
    EXPECT_EQ(0, PreviewSound(page.GetHwnd(), player, combos, IDC_CTRL_COMBO, sounds));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("読み込み失敗！", boxes.Shown()[0].text);

    // A player that is switched off plays silently: the chosen row counts as played.
    cMciPlayer quiet;
    EXPECT_EQ(1, PreviewSound(page.GetHwnd(), quiet, combos, IDC_CTRL_COMBO, sounds));

    // A row past the table plays nothing.
    sounds.resize(2);
    EXPECT_EQ(0, PreviewSound(page.GetHwnd(), player, combos, IDC_CTRL_COMBO, sounds));
    EXPECT_EQ(1u, boxes.Shown().size());
}

TEST(NameList, SoundPreviewPlaysARealWaveFile) {
    cTempDir dir;
    // Two seconds of 8-bit mono at 22050 Hz: still playing when the test looks.
    const uint32_t samples = 44100;
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    std::string format = std::string("\x01\x00\x01\x00", 4) + le32(22050) + le32(22050) + std::string("\x01\x00\x08\x00", 4);
    std::string wave = "RIFF" + le32(4 + 8 + 16 + 8 + samples) + "WAVEfmt " + le32(16) + format + "data" +
                       le32(samples) + std::string(samples, char(0x80));
    dir.Write("voice.wav", wave);
    dir.Write("声.wav", wave);
    int32_t chosen = 1;
    cBindings<cBoundCombo<int32_t>> combos(1);
    std::vector<std::string> names = {"なし", "001 声"};
    combos[0].m_Desc = cComboDesc<int32_t>(IDC_CTRL_COMBO, &chosen, &names, 0);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(combos); });
    SendMessageA(page.Item(IDC_CTRL_COMBO), CB_SETCURSEL, 1, 0);
    // One slot, opened on a wave file at start as the editor does.
    cMciPlayer player;
    player.Enable();
    const char* const files[] = {"voice.wav", nullptr};
    ASSERT_TRUE(player.Init("waveaudio", files));
    std::vector<cNamed> sounds = Table({"なし", "声"});
    cBoxAnswers boxes;

    EXPECT_EQ(1, PreviewSound(page.GetHwnd(), player, combos, IDC_CTRL_COMBO, sounds));
    EXPECT_TRUE(boxes.Shown().empty());
    ASSERT_NE(0u, player.GetDevice(0));
    MCI_STATUS_PARMS status = {};
    status.dwItem = MCI_STATUS_MODE;
    ASSERT_EQ(0u, mciSendCommandA(player.GetDevice(0), MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status)));
    EXPECT_EQ(static_cast<DWORD_PTR>(MCI_MODE_PLAY), status.dwReturn);
    player.Stop(false);
}
