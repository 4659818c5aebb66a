// Bitmaps converted onto the project's colours: the colour mapping on small files of several
// widths, transparency before the line colour, the written colour table and headers, the inputs
// that are refused, and the tool's window with its list, drops, overwrite and closing box.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editor/world/BmpConvert.h"
#include "editor/world/BmpConvertWnd.h"
#include "editor/world/OptionIds.h"
#include "framework/SafeFile.h"
#include "tests/framework/BmpWriter.h"
#include "tests/framework/TestPage.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"
#include "tests/world/SettingsFixture.h"

namespace {

// The second palette is a grey ramp: a grey input colour finds the entry of its own value.
std::vector<RGBQUAD> GreyRamp() {
    std::vector<RGBQUAD> ramp(256);
    for (int i = 0; i < 256; ++i) ramp[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    return ramp;
}
// The project palette, told apart from the ramp by its colours.
std::vector<RGBQUAD> ProjectColours() {
    std::vector<RGBQUAD> colours(256);
    for (int i = 0; i < 256; ++i) colours[i] = {0, static_cast<BYTE>(i), static_cast<BYTE>(255 - i), 0};
    return colours;
}

void Write(const char* path, const cBmpShape& shape) {
    std::vector<char> bytes = MakeBmp(shape);
    ASSERT_TRUE(SaveFileSafely(path, bytes));
}

std::vector<char> Read(const char* path) {
    std::vector<char> bytes;
    ReadWholeFile(path, bytes, 1 << 24);
    return bytes;
}

// A pixel of a written file, counted from the top row.
uint8_t PixelAt(const std::vector<char>& file, int width, int height, int x, int y) {
    const size_t row = (static_cast<size_t>(width) + 3) / 4 * 4;
    const size_t stored = height > 0 ? height - 1 - y : y;
    return static_cast<uint8_t>(file[54 + 1024 + stored * row + x]);
}

cBmpShape GreyShape(int width, int height, std::function<uint32_t(int, int)> pixel) {
    cBmpShape shape;
    shape.width = width;
    shape.height = height;
    shape.pixel = pixel;
    shape.colours = GreyRamp();
    return shape;
}

uint8_t Expected(int c) {
    if (c == 0) return 52;
    if (c < 16) return 16;
    if (c < 208) return static_cast<uint8_t>(c);
    if (c < 255) return 16;
    return 31;
}

class BmpConvert : public testing::Test {
protected:
    void SetUp() override { m_Settings = cBmpConvertSettings(); }
    bool Convert(const char* out, const char* in) {
        return ConvertBitmap(out, in, m_Settings, m_Second.data(), m_Project.data());
    }
    cTempDir m_Dir;
    cBmpConvertSettings m_Settings;
    std::vector<RGBQUAD> m_Second = GreyRamp();
    std::vector<RGBQUAD> m_Project = ProjectColours();
};

}  // namespace

TEST(BmpConvertMapping, NearestColoursMapAsTheSystemKeepsThem) {
    const int cases[][2] = {{0, 52}, {1, 16}, {15, 16}, {16, 16}, {100, 100}, {207, 207}, {208, 16}, {254, 16}, {255, 31}};
    for (const auto& c : cases) EXPECT_EQ(MapNearestColour(c[0]), c[1]) << c[0];
}

TEST_F(BmpConvert, EveryPixelOfEveryWidthMovesToItsNearestColour) {
    for (int width : {1, 3, 33}) {
        SCOPED_TRACE(width);
        const int height = 9;
        auto pixel = [width](int x, int y) { return static_cast<uint32_t>((x * 37 + y * width * 5 + y) % 256); };
        Write("in.bmp", GreyShape(width, height, pixel));
        ASSERT_TRUE(Convert("out.bmp", "in.bmp"));
        std::vector<char> out = Read("out.bmp");
        ASSERT_EQ(out.size(), 54u + 1024 + (width + 3) / 4 * 4 * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(PixelAt(out, width, height, x, y), Expected(static_cast<int>(pixel(x, y)))) << x << "," << y;
        // The padding of a row stays as read.
        if (width % 4) {
            EXPECT_EQ(static_cast<uint8_t>(out[54 + 1024 + width]), 0x5a);
        }
    }
}

// The tables hold coloured entries in two different orders: only a search of the second palette
// for each input colour finds where it lies. Any two of the colours lie at least 27 steps apart,
// and odd input entries are nudged a few steps off their colour, which stays the nearest.
TEST_F(BmpConvert, ColouredInputFindsItsNearestEntryWhereverThePaletteHoldsIt) {
    auto colour = [](int k) {
        return RGBQUAD{static_cast<BYTE>(k * 53 + 7), static_cast<BYTE>(k * 91 + 13), static_cast<BYTE>(k * 37), 0};
    };
    auto secondEntry = [](int k) { return (k * 73 + 11) % 256; };
    auto inputColour = [](int c) { return (c * 29 + 5) % 256; };
    auto nudge = [](BYTE v, int by) { return static_cast<BYTE>(std::max(0, std::min(255, v + by))); };
    for (int k = 0; k < 256; ++k) m_Second[secondEntry(k)] = colour(k);
    cBmpShape shape;
    shape.width = 16;
    shape.height = 16;
    shape.pixel = [](int x, int y) { return static_cast<uint32_t>(y * 16 + x); };
    for (int c = 0; c < 256; ++c) {
        RGBQUAD& entry = shape.colours[c] = colour(inputColour(c));
        if (c % 2) {
            entry.rgbRed = nudge(entry.rgbRed, 5);
            entry.rgbGreen = nudge(entry.rgbGreen, -5);
            entry.rgbBlue = nudge(entry.rgbBlue, 3);
        }
    }
    Write("in.bmp", shape);
    ASSERT_TRUE(Convert("out.bmp", "in.bmp"));
    std::vector<char> out = Read("out.bmp");
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(PixelAt(out, 16, 16, c % 16, c / 16), Expected(secondEntry(inputColour(c)))) << c;
}

TEST_F(BmpConvert, TransparencyComesBeforeTheLineColour) {
    m_Settings.useTransparent = 1;
    m_Settings.transparent = 5;
    m_Settings.replaceLine = 1;
    m_Settings.lineIn = 5;
    m_Settings.lineOut = 12;
    Write("in.bmp", GreyShape(4, 1, [](int x, int) { return x == 0 ? 5 : x == 1 ? 6 : x == 2 ? 0 : 100; }));
    ASSERT_TRUE(Convert("out.bmp", "in.bmp"));
    std::vector<char> out = Read("out.bmp");
    EXPECT_EQ(PixelAt(out, 4, 1, 0, 0), 0);
    EXPECT_EQ(PixelAt(out, 4, 1, 1, 0), 16);  // 6 is an ordinary colour
    EXPECT_EQ(PixelAt(out, 4, 1, 2, 0), 52);  // only the transparent colour becomes 0
    m_Settings.lineIn = 6;
    ASSERT_TRUE(Convert("out.bmp", "in.bmp"));
    out = Read("out.bmp");
    EXPECT_EQ(PixelAt(out, 4, 1, 0, 0), 0);
    EXPECT_EQ(PixelAt(out, 4, 1, 1, 0), 12);
}

TEST_F(BmpConvert, TheOutputKeepsTheHeadersAndCarriesTheProjectsFixedColours) {
    cBmpShape shape = GreyShape(5, 3, [](int x, int y) { return static_cast<uint32_t>(x + y * 40); });
    shape.topDown = true;
    shape.spoil = [](BITMAPFILEHEADER&, BITMAPINFOHEADER& ih) {
        ih.biXPelsPerMeter = 2835;
        ih.biYPelsPerMeter = 1234;
        ih.biClrImportant = 7;
    };
    Write("in.bmp", shape);
    ASSERT_TRUE(Convert("out.bmp", "in.bmp"));
    std::vector<char> in = Read("in.bmp");
    std::vector<char> out = Read("out.bmp");
    ASSERT_EQ(out.size(), in.size());
    EXPECT_EQ(memcmp(out.data(), in.data(), 54), 0) << "the headers as read";
    const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(out.data() + 54);
    for (int i = 0; i < 256; ++i) {
        const bool project = (i >= 10 && i <= 15) || (i >= 208 && i <= 239);
        const RGBQUAD& want = project ? m_Project[i] : m_Second[i];
        EXPECT_EQ(memcmp(&table[i], &want, 4), 0) << i;
    }
    // A top-down file converts as it is stored.
    EXPECT_EQ(static_cast<uint8_t>(out[54 + 1024 + 8 + 2]), 42);
}

TEST_F(BmpConvert, InputsThatAreNotPlain256ColourBitmapsAreRefused) {
    cBoxAnswers boxes;
    struct cCase {
        const char* name;
        std::function<void(cBmpShape&)> spoil;
    };
    const cCase cases[] = {
        {"4-bit", [](cBmpShape& s) { s.bitCount = 4; s.colours.resize(16); }},
        {"RLE", [](cBmpShape& s) { s.compression = BI_RLE8; }},
        {"short table", [](cBmpShape& s) { s.colours.resize(16); }},
        {"truncated", [](cBmpShape& s) { s.cutBytes = 3; }},
        {"no width", [](cBmpShape& s) { s.spoil = [](BITMAPFILEHEADER&, BITMAPINFOHEADER& ih) { ih.biWidth = 0; }; }},
        {"other header", [](cBmpShape& s) { s.spoil = [](BITMAPFILEHEADER&, BITMAPINFOHEADER& ih) { ih.biSize = 108; }; }},
        {"not BM", [](cBmpShape& s) { s.spoil = [](BITMAPFILEHEADER& fh, BITMAPINFOHEADER&) { fh.bfType = 0x4142; }; }},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBmpShape shape = GreyShape(7, 4, [](int x, int) { return static_cast<uint32_t>(x); });
        c.spoil(shape);
        Write("bad.bmp", shape);
        DeleteFileA("out.bmp");
        EXPECT_FALSE(Convert("out.bmp", "bad.bmp"));
        EXPECT_EQ(GetFileAttributesA("out.bmp"), INVALID_FILE_ATTRIBUTES);
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ(boxes.Shown().back().text, "bad.bmp は256色ではありません！");
    }
    EXPECT_FALSE(Convert("out.bmp", "missing.bmp"));
    EXPECT_EQ(boxes.Shown().back().text, "missing.bmp のロードに失敗！");
    EXPECT_EQ(boxes.Shown().size(), 8u);
}

namespace {

// The tool's window on its own group, with the editor's palettes standing in for the project's.
class BmpConvertTool : public testing::Test {
protected:
    void SetUp() override {
        BmpConvertSettings() = cBmpConvertSettings();
        m_Wnd = new cBmpConvertWnd(nullptr, &m_Group);
        ASSERT_TRUE(m_Wnd->Create(0, TRUE));
        PumpPending(&m_Group);
    }
    void TearDown() override {
        delete m_Wnd;
        PumpPending(&m_Group);
        BmpConvertSettings() = cBmpConvertSettings();
    }
    HWND Wnd() const { return m_Wnd->GetHwnd(); }
    void Click(int id) {
        SendMessageA(GetDlgItem(Wnd(), id), BM_CLICK, 0, 0);
        PumpPending(&m_Group);
    }
    // Drops the paths (absolute) on the window as the shell does.
    void Drop(const std::vector<std::string>& paths) {
        size_t chars = 1;
        for (const std::string& p : paths) chars += p.size() + 1;
        HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        char* names = reinterpret_cast<char*>(drop + 1);
        for (const std::string& p : paths) {
            memcpy(names, p.c_str(), p.size() + 1);
            names += p.size() + 1;
        }
        GlobalUnlock(memory);
        SendMessageA(Wnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        PumpPending(&m_Group);
    }
    std::string Abs(const char* relative) const { return m_Dir.Path() + "\\" + relative; }
    int Rows() const { return static_cast<int>(SendDlgItemMessageA(Wnd(), IDC_BC_LIST, LB_GETCOUNT, 0, 0)); }

    cTempDir m_Dir;
    cWndGroup m_Group;
    cBmpConvertWnd* m_Wnd = nullptr;
};

}  // namespace

TEST_F(BmpConvertTool, TheTemplateHoldsItsControls) {
    ExpectControls(nullptr, IDD_BMP_CONVERT,
                   {IDC_BC_CONVERT, IDC_BC_ADD, IDC_BC_CLEAR, IDC_BC_LIST, IDC_BC_TRANS, IDC_BC_TRANS_SPIN,
                    IDC_BC_OVERWRITE, IDC_BC_OUT_PATH, IDC_BC_BROWSE, IDC_BC_USE_TRANS, IDC_BC_USE_LINE, IDC_BC_LINE_IN,
                    IDC_BC_LINE_IN_SPIN, IDC_BC_LINE_OUT, IDC_BC_LINE_OUT_SPIN});
}

TEST_F(BmpConvertTool, ChecksEnableTheirNumbersAndTheSettingsOutliveTheWindow) {
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Wnd(), IDC_BC_TRANS)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Wnd(), IDC_BC_LINE_OUT)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Wnd(), IDC_BC_OUT_PATH)));
    Click(IDC_BC_USE_TRANS);
    Click(IDC_BC_USE_LINE);
    Click(IDC_BC_OVERWRITE);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Wnd(), IDC_BC_TRANS)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Wnd(), IDC_BC_LINE_IN)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Wnd(), IDC_BC_LINE_OUT)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Wnd(), IDC_BC_OUT_PATH)));
    SetDlgItemTextA(Wnd(), IDC_BC_LINE_OUT, "13");
    PumpPending(&m_Group);
    delete m_Wnd;
    m_Wnd = new cBmpConvertWnd(nullptr, &m_Group);
    ASSERT_TRUE(m_Wnd->Create(0, TRUE));
    PumpPending(&m_Group);
    EXPECT_EQ(cSheetDriver::Text(Wnd(), IDC_BC_LINE_OUT), "13");
    EXPECT_TRUE(cSheetDriver::Checked(Wnd(), IDC_BC_OVERWRITE));
    EXPECT_EQ(BmpConvertSettings().lineOut, 13);
}

// Dropped files and folders: a file of either case of "bmp", never twice; a folder adds the
// bitmaps directly in it, not those of its subfolders.
TEST_F(BmpConvertTool, DropsAddBitmapsOnceAndFoldersWithoutTheirSubfolders) {
    CreateDirectoryA("pics", nullptr);
    CreateDirectoryA("pics\\deep", nullptr);
    for (const char* name : {"A.BMP", "b.bmp", "pics\\c.bmp", "pics\\d.BMP", "pics\\deep\\e.bmp", "notes.txt"})
        Write(name, GreyShape(1, 1, nullptr));
    Drop({Abs("A.BMP"), Abs("b.bmp"), Abs("notes.txt"), Abs("b.bmp")});
    EXPECT_EQ(Rows(), 2);
    Drop({Abs("pics"), Abs("A.BMP")});
    ASSERT_EQ(m_Wnd->Files().size(), 4u);
    EXPECT_EQ(m_Wnd->Files()[0], ".\\A.BMP");
    EXPECT_EQ(m_Wnd->Files()[1], ".\\b.bmp");
    for (size_t i = 2; i < 4; ++i) EXPECT_EQ(m_Wnd->Files()[i].find(".\\pics\\"), 0u) << m_Wnd->Files()[i];
    EXPECT_EQ(Rows(), 4);
    Click(IDC_BC_CLEAR);
    EXPECT_EQ(Rows(), 0);
}

TEST_F(BmpConvertTool, ConvertWritesIntoTheFolderOrOverTheInputsAndCountsFailures) {
    cBoxAnswers boxes;
    CreateDirectoryA("out", nullptr);
    Write("good.bmp", GreyShape(3, 2, [](int x, int) { return static_cast<uint32_t>(x + 100); }));
    cBmpShape four = GreyShape(3, 2, nullptr);
    four.bitCount = 4;
    four.colours.resize(16);
    Write("four.bmp", four);
    Drop({Abs("good.bmp"), Abs("four.bmp")});
    ASSERT_EQ(Rows(), 2);
    // No output folder and no overwrite: the author is asked for a folder, nothing is written.
    Click(IDC_BC_CONVERT);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "出力先のパスを指定してください！");
    SetDlgItemTextA(Wnd(), IDC_BC_OUT_PATH, "out");
    PumpPending(&m_Group);
    Click(IDC_BC_CONVERT);
    EXPECT_NE(GetFileAttributesA("out\\good.bmp"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA("out\\four.bmp"), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[1].text, ".\\four.bmp は256色ではありません！");
    EXPECT_EQ(boxes.Shown()[2].text, "変換完了（1個のファイルは変換できませんでした）");
    EXPECT_EQ(boxes.Shown()[2].caption, "変換完了！");
    // Overwrite: each input is replaced by its converted self; a refused one stays as it was.
    const std::vector<char> before = Read("good.bmp");
    const std::vector<char> refused = Read("four.bmp");
    Click(IDC_BC_OVERWRITE);
    Click(IDC_BC_CONVERT);
    EXPECT_EQ(Read("good.bmp"), Read("out\\good.bmp"));
    EXPECT_NE(Read("good.bmp"), before);
    EXPECT_EQ(Read("four.bmp"), refused);
    // Only the good file again: a plain "変換完了".
    Click(IDC_BC_CLEAR);
    Drop({Abs("good.bmp")});
    Click(IDC_BC_CONVERT);
    EXPECT_EQ(boxes.Shown().back().text, "変換完了");
}

// 表 ends in the byte of '\\': neither the input's name nor the output folder is cut there.
TEST_F(BmpConvertTool, JapaneseNamesAndFoldersKeepTheirCharacters) {
    cBoxAnswers boxes;
    CreateDirectoryA("出力表", nullptr);
    Write("表.bmp", GreyShape(3, 2, nullptr));
    Drop({Abs("表.bmp")});
    ASSERT_EQ(Rows(), 1);
    SetDlgItemTextA(Wnd(), IDC_BC_OUT_PATH, "出力表");
    PumpPending(&m_Group);
    Click(IDC_BC_CONVERT);
    EXPECT_NE(GetFileAttributesA("出力表\\表.bmp"), INVALID_FILE_ATTRIBUTES);
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(boxes.Shown().back().text, "変換完了");
}

// A right click on a row selects it and shows the list's popup menu; its "削除" removes that file.
TEST_F(BmpConvertTool, ARightClickOnTheFileListOffersItsRowCommands) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) Write(name, GreyShape(1, 1, nullptr));
    Drop({Abs("a.bmp"), Abs("b.bmp"), Abs("c.bmp")});
    ASSERT_EQ(Rows(), 3);
    // The author clicks in the tool's window: it is the active one.
    SetForegroundWindow(Wnd());
    PumpPending(&m_Group);
    HWND list = GetDlgItem(Wnd(), IDC_BC_LIST);
    RECT row;
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    POINT at = {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(list, &at);
    HMENU shown = ShownPopupMenu(
        [&] { SendMessageA(Wnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y)); });
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(1, static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
    const UINT kDelete = 40043;  // the popup menu's "削除"
    char text[32] = "";
    GetMenuStringA(shown, kDelete, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ("削除", text);
    // The menu's command, as the menu sends it; the click gave the list the focus.
    EXPECT_EQ(list, GetFocus());
    SendMessageA(Wnd(), WM_COMMAND, kDelete, 0);
    PumpPending(&m_Group);
    ASSERT_EQ(m_Wnd->Files().size(), 2u);
    EXPECT_EQ(m_Wnd->Files()[0], ".\\a.bmp");
    EXPECT_EQ(m_Wnd->Files()[1], ".\\c.bmp");
    EXPECT_EQ(Rows(), 2);
}
