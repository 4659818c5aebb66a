#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "data/Record.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/Path.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

// Members of every width, an array, a member introduced by version 55 and three strings.
class cSample : public cRecord {
public:
    cSample() {
        RegisterFields(kDataVersion);
        Init();
    }
    void Init() {
        Reset();
        m_Added = 77;
    }
    void RegisterFields(uint32_t version) override {
        ClearFields();
        AddField8(&m_Byte);
        AddField16(m_Shorts, 3);
        AddField32(&m_Int);
        if (version >= 55) AddField32(&m_Added);
        AddField64(&m_Real);
        AddStringField(&m_Empty);
        AddStringField(&m_One);
        AddStringField(&m_Text);
    }
    RECORD_COPY(cSample)

    uint8_t m_Byte;
    int16_t m_Shorts[3];
    int32_t m_Int;
    int32_t m_Added;
    double m_Real;
    std::string m_Empty, m_One, m_Text;
};

// A record with extra data: a child vector after its generic part.
class cSampleList : public cRecord {
public:
    cSampleList() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t) override {
        ClearFields();
        AddField32(&m_Id);
        AddStringField(&m_Name);
    }
    bool Load(cDataReader& in) override { return cRecord::Load(in) && LoadRecordVector(m_Items, in); }
    void Save(cDataWriter& out) override {
        cRecord::Save(out);
        SaveRecordVector(m_Items, out);
    }
    RECORD_COPY(cSampleList)

    int32_t m_Id;
    std::string m_Name;
    cRecordVector<cSample> m_Items;
};

bool ListsEqual(const cSampleList& a, const cSampleList& b) {
    if (!RecordsEqual(a, b) || a.m_Items.size() != b.m_Items.size()) return false;
    for (size_t i = 0; i < a.m_Items.size(); ++i)
        if (!RecordsEqual(a.m_Items[i], b.m_Items[i])) return false;
    return true;
}

const char kOnePointFive[] = "\x00\x00\x00\x00\x00\x00\xF8\x3F";

void Fill(cSample& s) {
    s.m_Byte = 0x12;
    s.m_Shorts[0] = 1;
    s.m_Shorts[1] = -2;
    s.m_Shorts[2] = 0x3456;
    s.m_Int = -5;
    s.m_Added = 9;
    s.m_Real = 1.5;
    s.m_One = "a";
    s.m_Text = "あい";
}

// The generic part of a filled cSample, written by hand from the layout.
cBytes SampleBody(bool withAdded = true) {
    cBytes b;
    b.U32(withAdded ? 5 : 4).U8(0x12).U16(1).U16(0xFFFE).U16(0x3456).I32(-5);
    if (withAdded) b.I32(9);
    b.Raw(std::string(kOnePointFive, 8));
    b.U32(3).Str("").Str("a").Str("あい");
    return b;
}

std::string SampleFile(uint32_t version = 147, bool withAdded = true) {
    return cBytes().U32(version).Raw(SampleBody(withAdded).Get()).Get();
}

std::string ListFile() {
    return cBytes().U32(147).U32(1).I32(42).U32(1).Str("L").U32(2).Raw(SampleBody().Get()).Raw(SampleBody().Get()).Get();
}

}  // namespace

TEST(Record, SavesTheLayoutByteForByteAndLoadsItBack) {
    cTempDir dir;
    cSample saved;
    Fill(saved);
    ASSERT_TRUE(saved.SaveFile("s.dat"));
    EXPECT_EQ(SampleFile(), dir.Read("s.dat"));

    // The one-character string is its length 2, the character and a zero; the empty one is 1 alone.
    EXPECT_NE(std::string::npos, dir.Read("s.dat").find(std::string("\x01\x00\x00\x00\x02\x00\x00\x00" "a\x00", 10)));

    cSample loaded;
    ASSERT_TRUE(loaded.LoadFile("s.dat"));
    EXPECT_TRUE(RecordsEqual(saved, loaded));
    EXPECT_EQ("あい", loaded.m_Text);
    EXPECT_EQ(147u, GetReadVersion());
    ASSERT_TRUE(loaded.SaveFile("again.dat"));
    EXPECT_EQ(dir.Read("s.dat"), dir.Read("again.dat"));

    // A file that ends with an empty string.
    ASSERT_TRUE(cSample().SaveFile("default.dat"));
    EXPECT_TRUE(loaded.LoadFile("default.dat"));
    EXPECT_EQ("", loaded.m_Text);
}

TEST(Record, OlderFileKeepsMembersItLacksAndSavesTheCurrentLayout) {
    cTempDir dir;
    dir.Write("old.dat", SampleFile(54, false));
    cSample s;
    ASSERT_TRUE(s.LoadFile("old.dat"));
    EXPECT_EQ(-5, s.m_Int);
    EXPECT_EQ(77, s.m_Added);  // not in a version-54 file: keeps its default
    EXPECT_EQ(1.5, s.m_Real);
    EXPECT_EQ(54u, GetReadVersion());
    // Leaves the load registered for the current version.
    EXPECT_EQ(5u, s.PlainFields().size());

    ASSERT_TRUE(s.SaveFile("new.dat"));
    std::string saved = dir.Read("new.dat");
    EXPECT_EQ(dir.Read("old.dat").size() + 4, saved.size());
    EXPECT_EQ(std::string("\x93\x00\x00\x00", 4), saved.substr(0, 4));
}

TEST(Record, NewerFileWithTheSameMembersLoads) {
    cTempDir dir;
    dir.Write("new.dat", SampleFile(200));
    cSample s;
    EXPECT_TRUE(s.LoadFile("new.dat"));
    EXPECT_EQ(9, s.m_Added);
}

TEST(Record, TruncatedFileFailsAtEveryCutAndChangesNothing) {
    cTempDir dir;
    std::string file = ListFile();
    dir.Write("whole.dat", file);
    cSampleList check;
    ASSERT_TRUE(check.LoadFile("whole.dat"));
    ASSERT_EQ(2u, check.m_Items.size());

    cSampleList before;
    before.m_Id = 5;
    before.m_Name = "before";
    before.m_Items.resize(1);
    before.m_Items[0].m_Text = "kept";
    for (size_t cut = 0; cut < file.size(); ++cut) {
        dir.Write("cut.dat", file.substr(0, cut));
        cSampleList target = before;
        EXPECT_FALSE(target.LoadFile("cut.dat")) << "cut at " << cut;
        EXPECT_TRUE(ListsEqual(before, target)) << "cut at " << cut;
    }
}

TEST(Record, AbsurdCountsAndLengthsFailAndChangeNothing) {
    struct {
        const char* what;
        size_t offset;  // of the 4-byte value replaced in the list file
        uint32_t value;
    } cases[] = {
        {"plain count above the registry", 4, 2},
        {"plain count below the registry", 4, 0},
        {"string count above the registry", 12, 7},
        {"string length 0", 16, 0},
        {"string length beyond the file", 16, 0x7FFFFFFF},
        {"string length beyond the formatting buffer", 16, 6000},
        {"vector count beyond the file", 22, 0xFFFFFFFF},
        {"vector count one too many", 22, 3},
        {"child plain count", 26, 0x40000000},
    };
    cTempDir dir;
    for (const auto& c : cases) {
        std::string file = ListFile();
        std::string value = cBytes().U32(c.value).Get();
        file.replace(c.offset, 4, value);
        dir.Write("bad.dat", file);
        cSampleList target;
        target.m_Name = "before";
        const cSampleList before = target;
        EXPECT_FALSE(target.LoadFile("bad.dat")) << c.what;
        EXPECT_TRUE(ListsEqual(before, target)) << c.what;
    }
}

TEST(Record, MissingOrEmptyPathFailsWithoutTouchingAnything) {
    cTempDir dir;
    dir.Write("s.dat", SampleFile(120));
    cSample s;
    ASSERT_TRUE(s.LoadFile("s.dat"));
    s.m_Int = 1234;
    EXPECT_FALSE(s.LoadFile("missing.dat"));
    EXPECT_FALSE(s.LoadFile(""));
    EXPECT_FALSE(s.LoadFile(nullptr));
    EXPECT_FALSE(s.SaveFile(""));
    EXPECT_FALSE(dir.Exists("err"));
    EXPECT_EQ(1234, s.m_Int);
    EXPECT_EQ(120u, GetReadVersion());
    dir.Write("short.dat", std::string("\x93\x00\x00", 3));
    EXPECT_FALSE(s.LoadFile("short.dat"));
    EXPECT_EQ(120u, GetReadVersion());
}

TEST(Record, StripFlagRemovesCarriageReturns) {
    cTempDir dir;
    cSample s;
    s.m_Text = "a\r\nb";
    ASSERT_TRUE(s.SaveFile("s.dat"));
    cSample plain, stripped;
    ASSERT_TRUE(plain.LoadFile("s.dat"));
    ASSERT_TRUE(stripped.LoadFile("s.dat", true));
    EXPECT_EQ("a\r\nb", plain.m_Text);
    EXPECT_EQ("a\nb", stripped.m_Text);
}

// The newest numbered copy of a file is the one read: with copies 007 and 012, 012. Without a
// copy, or without a path, the record stays as it was.
TEST(Record, NumberedFileLoadsTheHighestNumber) {
    cTempDir dir;
    cSample s;
    s.m_Int = 7;
    ASSERT_TRUE(s.SaveFile("Stage.stg4_007"));
    s.m_Int = 12;
    ASSERT_TRUE(s.SaveFile("Stage.stg4_012"));
    cSample loaded;
    std::string found;
    ASSERT_TRUE(FindNumberedFile(found, "Stage.stg4_***", "stg4"));
    EXPECT_EQ("Stage.stg4_012", found);
    ASSERT_TRUE(loaded.LoadNumberedFile("Stage.stg4_***", "stg4"));
    EXPECT_EQ(12, loaded.m_Int);
    loaded.m_Int = 3;
    EXPECT_FALSE(loaded.LoadNumberedFile("Other.stg4_***", "stg4"));
    EXPECT_FALSE(loaded.LoadNumberedFile("", "stg4"));
    EXPECT_EQ(3, loaded.m_Int);
}

TEST(Record, CopiesReadAndWriteTheirOwnMembers) {
    cTempDir dir;
    cSample source;
    Fill(source);
    cSample copy(source);
    cSample assigned;
    assigned = source;
    source.m_Int = 99;
    source.m_Text = "changed";
    EXPECT_EQ(-5, *static_cast<int32_t*>(copy.PlainFields()[2].address));
    EXPECT_EQ(-5, *static_cast<int32_t*>(assigned.PlainFields()[2].address));
    EXPECT_FALSE(RecordsEqual(source, copy));

    // Copies made while a vector grows keep their own registries too.
    cRecordVector<cSample> grown;
    for (int i = 0; i < 20; ++i) {
        grown.push_back(copy);
        grown.back().m_Int = i;
    }
    EXPECT_EQ(13, *static_cast<int32_t*>(grown[13].PlainFields()[2].address));

    ASSERT_TRUE(copy.SaveFile("copy.dat"));
    EXPECT_EQ(SampleFile(), dir.Read("copy.dat"));
}

TEST(Record, EqualityLooksAtEveryElementOfAnArray) {
    cSample a, b;
    Fill(a);
    Fill(b);
    EXPECT_TRUE(RecordsEqual(a, b));
    b.m_Shorts[2] = 0;
    EXPECT_FALSE(RecordsEqual(a, b));
    b = a;
    b.m_Text = "あう";
    EXPECT_FALSE(RecordsEqual(a, b));
}

TEST(Record, EqualityDoesNotTrustACopiedRegistry) {
    // A copy constructor that forgets the base copy leaves the copy without a registry.
    struct cCareless : cRecord {
        cCareless() {
            RegisterFields(kDataVersion);
            Reset();
        }
        cCareless(const cCareless& other) : cRecord(), m_Value(other.m_Value) {}
        cCareless& operator=(const cCareless&) = default;
        void RegisterFields(uint32_t) override {
            ClearFields();
            AddField32(&m_Value);
        }
        RECORD_COPY(cCareless)
        int32_t m_Value;
    };
    cCareless a;
    a.m_Value = 1;
    cCareless b(a), c(a);
    c.m_Value = 2;
    EXPECT_TRUE(RecordsEqual(a, b));
    EXPECT_FALSE(RecordsEqual(b, c));
}

TEST(Record, ResetAndCopyFields) {
    cSample a, b;
    Fill(a);
    b.CopyFields(a);
    EXPECT_TRUE(RecordsEqual(a, b));
    b.Reset();
    EXPECT_EQ(0, b.m_Shorts[2]);
    EXPECT_EQ(0, b.m_Added);
    EXPECT_EQ(0.0, b.m_Real);
    EXPECT_EQ("", b.m_Text);
}

TEST(Record, OverlongStringIsCutOnSaveAtACharacterBoundary) {
    cTempDir dir;
    cSample s;
    s.m_Text = std::string(kFormatBufferSize - 2, 'x') + "あ" + std::string(100, 'y');
    ASSERT_TRUE(s.SaveFile("long.dat"));
    cSample loaded;
    ASSERT_TRUE(loaded.LoadFile("long.dat"));
    EXPECT_EQ(std::string(kFormatBufferSize - 2, 'x'), loaded.m_Text);
}

TEST(Record, VectorFilesOfRecords) {
    cTempDir dir;
    // Elements start from the class defaults: a version-54 element keeps the default of the
    // member it lacks.
    dir.Write("old.dat", cBytes().U32(54).U32(2).Raw(SampleBody(false).Get()).Raw(SampleBody(false).Get()).Get());
    cRecordVector<cSample> v(5);
    v[0].m_Added = 1;
    ASSERT_TRUE(LoadVectorFile(v, "old.dat"));
    ASSERT_EQ(2u, v.size());
    EXPECT_EQ(77, v[0].m_Added);
    EXPECT_EQ(-5, v[1].m_Int);

    ASSERT_TRUE(SaveVectorFile(v, "v.dat"));
    EXPECT_EQ(cBytes().U32(147).U32(2).Raw(SampleBody().Get().substr(0, 15)).Get(), dir.Read("v.dat").substr(0, 23));

    dir.Write("empty.dat", cBytes().U32(147).U32(0).Get());
    ASSERT_TRUE(LoadVectorFile(v, "empty.dat"));
    EXPECT_TRUE(v.empty());

    dir.Write("bad.dat", cBytes().U32(147).U32(1).Get());
    v.resize(3);
    EXPECT_FALSE(LoadVectorFile(v, "bad.dat"));
    EXPECT_EQ(3u, v.size());
}

TEST(Record, FailedSaveKeepsTheOldFile) {
    cTempDir dir;
    cSample s;
    s.m_Int = 1;
    ASSERT_TRUE(s.SaveFile("s.dat"));
    std::string old = dir.Read("s.dat");
    HANDLE held = CreateFileA("s.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    s.m_Int = 2;
    EXPECT_FALSE(s.SaveFile("s.dat"));
    CloseHandle(held);
    EXPECT_EQ(old, dir.Read("s.dat"));
    EXPECT_FALSE(s.SaveFile("no_such_folder\\s.dat"));
}

TEST(Record, ByteVectors) {
    cTempDir dir;
    dir.Write("b.dat", cBytes().U32(147).U32(3).U8(1).U8(0).U8(2).U32(9).Get());
    cDataReader in;
    ASSERT_TRUE(OpenDataFileRead(in, "b.dat"));
    cCheckedVector<uint8_t> bytes;
    ASSERT_TRUE(ReadByteVector(bytes, in));
    EXPECT_EQ((cCheckedVector<uint8_t>{1, 0, 2}), bytes);
    EXPECT_FALSE(ReadByteVector(bytes, in));  // 9 entries claimed, none there
    EXPECT_EQ(3u, bytes.size());

    cDataWriter out;
    ASSERT_TRUE(OpenDataFileWrite(out, "w.dat"));
    WriteByteVector(bytes, out);
    ASSERT_TRUE(CloseDataFile(out));
    EXPECT_EQ(cBytes().U32(147).U32(3).U8(1).U8(0).U8(2).Get(), dir.Read("w.dat"));
}

TEST(Record, BadIndexIntoARecordVectorClosesTheWayTheProgramChose) {
    HWND wnd = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(wnd);
    SetMainWindow(wnd);
    cRecordVector<cSample> v(2);
    v[0].m_Int = 5;
    EXPECT_EQ(5, v.At(2).m_Int);  // posts WM_CLOSE and goes on with element 0
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, wnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_TRUE(IsWindow(wnd));

    SetProgramCloseForm(eCloseDestroy);
    cRecordVector<cSample> empty;
    empty.At(0);
    EXPECT_FALSE(IsWindow(wnd));
    SetProgramCloseForm(eClosePost);
    SetMainWindow(nullptr);
}
