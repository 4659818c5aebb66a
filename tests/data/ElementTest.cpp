// What blocks, charas and items share: inheritance group by group, dropped references, empty
// elements, copies and the record layout.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/Palette.h"
#include "data/PaletteSource.h"
#include "tests/data/ElementBytes.h"
#include "tests/support/TempDir.h"

namespace {

template <class T>
struct cKind;

template <>
struct cKind<cEdBlock> {
    static const cElementLayout& Layout() { return BlockLayout(); }
    static void Inherit(cEdBlock& e) { e.Inherit(); }
    static size_t ListSize(const cEdBlock&) { return 0; }
    static void ResizeList(cEdBlock&, size_t) {}
    static cRecordVector<cEdBlock>& Of(cPalette& p) { return p.m_Blocks; }
};

template <>
struct cKind<cEdChara> {
    static const cElementLayout& Layout() { return CharaLayout(); }
    static void Inherit(cEdChara& e) { e.Inherit(); }
    static size_t ListSize(const cEdChara& e) { return e.m_Flows.size(); }
    static void ResizeList(cEdChara& e, size_t n) { e.m_Flows.resize(n); }
    static cRecordVector<cEdChara>& Of(cPalette& p) { return p.m_Charas; }
};

template <>
struct cKind<cEdItem> {
    static const cElementLayout& Layout() { return ItemLayout(); }
    static void Inherit(cEdItem& e) { e.ApplyInherit(); }
    static size_t ListSize(const cEdItem& e) { return e.m_Commands.size(); }
    static void ResizeList(cEdItem& e, size_t n) { e.m_Commands.resize(n); }
    static cRecordVector<cEdItem>& Of(cPalette& p) { return p.m_Items; }
};

// Every byte of plain field i becomes first + i, so each field of each record is told apart.
template <class T>
void FillFields(T& e, int first) {
    const auto& fields = e.PlainFields();
    for (size_t i = 0; i < fields.size(); ++i) memset(fields[i].address, first + static_cast<int>(i), fields[i].count * fields[i].width);
}

template <class T>
bool FieldHolds(const T& e, size_t i, int first) {
    const cPlainField f = e.PlainFields()[i];
    const unsigned char* bytes = static_cast<const unsigned char*>(f.address);
    for (int k = 0; k < f.count * f.width; ++k)
        if (bytes[k] != static_cast<unsigned char>(first + i)) return false;
    return true;
}

const int kBase = 0x10;
const int kOwn = 0x80;

// A palette whose element 2 of kind T is a base filled with its own pattern, and an element
// referring to it from the stage palette.
template <class T>
struct cInheritCase {
    cPalette palette;
    T own;

    cInheritCase() {
        auto& list = cKind<T>::Of(palette);
        list.resize(3);
        T& base = list[2];
        FillFields(base, kBase);
        base.m_Name = "base";
        base.m_Conditions.resize(2);
        cKind<T>::ResizeList(base, 3);
        FillFields(own, kOwn);
        own.m_InheritSrc = eSourceStage;
        own.m_InheritIndex = 2;
        own.m_Name = "own";
        own.m_Conditions.resize(1);
        cKind<T>::ResizeList(own, 1);
    }
};

template <class T>
class Element : public ::testing::Test {};

typedef ::testing::Types<cEdBlock, cEdChara, cEdItem> cKinds;
TYPED_TEST_SUITE(Element, cKinds);

}  // namespace

TYPED_TEST(Element, InheritingAGroupTakesExactlyThatGroupsFields) {
    typedef TypeParam T;
    const cElementLayout& layout = cKind<T>::Layout();
    ASSERT_EQ(layout.widths.size(), T().PlainFields().size());
    for (int group = 0; group < layout.groupCount; ++group) {
        cInheritCase<T> c;
        c.own.m_bbInherit[group] = 1;
        {
            cPaletteSourceScope scope(eSourceStage, &c.palette);
            cKind<T>::Inherit(c.own);
        }
        for (size_t i = 2; i < layout.groups.size(); ++i) {
            bool inherited = layout.groups[i] == group;
            EXPECT_TRUE(FieldHolds(c.own, i, inherited ? kBase : kOwn)) << "group " << group << ", field " << i;
        }
        EXPECT_EQ(group == layout.nameGroup ? "base" : "own", c.own.m_Name) << "group " << group;
        EXPECT_EQ(group == layout.condGroup ? 2u : 1u, c.own.m_Conditions.size()) << "group " << group;
        if (layout.listGroup >= 0) {
            EXPECT_EQ(group == layout.listGroup ? 3u : 1u, cKind<T>::ListSize(c.own)) << "group " << group;
        }
        // The reference itself is no group's.
        EXPECT_EQ(eSourceStage, c.own.m_InheritSrc);
        EXPECT_EQ(2, c.own.m_InheritIndex);
    }
}

TYPED_TEST(Element, ReferencesThatCannotInheritCopyNothing) {
    typedef TypeParam T;
    struct {
        const char* what;
        int source, index;
        bool paletteThere;
        int sourceAfter;
    } cases[] = {
        {"index 0", eSourceStage, 0, true, eSourceStage},
        {"source 0", 0, 2, true, 0},
        {"source 3", 3, 2, true, 3},
        {"index past the end: dropped", eSourceStage, 3, true, 0},
        {"negative index: dropped", eSourceStage, -1, true, 0},
        {"no palette behind the source: kept", eSourceStage, 7, false, eSourceStage},
    };
    for (const auto& k : cases) {
        cInheritCase<T> c;
        c.own.m_bbInherit.assign(c.own.m_bbInherit.size(), 1);
        c.own.m_InheritSrc = k.source;
        c.own.m_InheritIndex = k.index;
        const T before = c.own;
        {
            cPaletteSourceScope scope(eSourceStage, k.paletteThere ? &c.palette : nullptr);
            cKind<T>::Inherit(c.own);
        }
        EXPECT_EQ(k.sourceAfter, c.own.m_InheritSrc) << k.what;
        c.own.m_InheritSrc = k.source;
        EXPECT_TRUE(RecordsEqual(before, c.own)) << k.what;
        EXPECT_EQ("own", c.own.m_Name) << k.what;
    }
}

TYPED_TEST(Element, EmptyElementsCompareEqual) {
    typedef TypeParam T;
    T a, b;
    a.m_Name = "a";
    b.m_Name = "b";
    b.m_Conditions.resize(1);
    b.m_bbInherit[0] = 1;
    EXPECT_TRUE(a == b);
    b.m_Graphic = 1;
    EXPECT_TRUE(a != b);
    a.m_Graphic = 1;
    EXPECT_TRUE(a != b);  // the names
    a.m_Name = "b";
    EXPECT_TRUE(a != b);  // the conditions
    a.m_Conditions.resize(1);
    EXPECT_TRUE(a != b);  // the flags
    a.m_bbInherit[0] = 1;
    EXPECT_TRUE(a == b);
    // The raw values are no part of the comparison.
    a.m_Extra1 = 5;
    EXPECT_TRUE(a == b);
}

TYPED_TEST(Element, CopiesHoldAndRegisterTheirOwnMembers) {
    typedef TypeParam T;
    T source;
    FillFields(source, kOwn);
    source.m_Name = "source";
    source.m_Extra2 = 9;
    T copy(source), assigned;
    assigned = source;
    cRecordVector<T> grown;
    for (int i = 0; i < 9; ++i) grown.push_back(source);
    FillFields(source, kBase);
    source.m_Name = "changed";
    source.m_Extra2 = 1;
    for (const T* e : {&copy, &assigned, &grown[8]}) {
        const char* begin = reinterpret_cast<const char*>(e);
        for (size_t i = 0; i < e->PlainFields().size(); ++i) {
            const char* at = static_cast<const char*>(e->PlainFields()[i].address);
            EXPECT_TRUE(at >= begin && at < begin + sizeof(T)) << "field " << i;
            EXPECT_TRUE(FieldHolds(*e, i, kOwn)) << "field " << i;
        }
        EXPECT_EQ("source", *e->StringFields()[0].address);
        EXPECT_EQ(9, e->m_Extra2);
    }
}

TYPED_TEST(Element, NewElementSavesTheLayoutsDefaultsAndLoadsBack) {
    typedef TypeParam T;
    const cElementLayout& layout = cKind<T>::Layout();
    cTempDir dir;
    T fresh;
    fresh.m_Graphic = 0;
    ASSERT_TRUE(fresh.SaveFile("e.dat"));
    std::vector<int64_t> values = layout.defaults;
    // An empty block is never solid.
    if (layout.listGroup < 0) values[11] = 0;
    cBytes expected;
    expected.U32(147);
    ElementRecord(expected, layout, values, "", std::string(layout.rawBytes, '\0'),
                  std::vector<uint8_t>(layout.groupCount, 0), EmptyLists(layout));
    EXPECT_EQ(expected.Get(), dir.Read("e.dat"));

    T filled;
    FillFields(filled, 1);
    filled.m_InheritSrc = 0;
    filled.m_Name = "名前";
    filled.m_Extra1 = -3;
    filled.m_bbInherit[1] = 1;
    filled.m_Conditions.resize(2);
    ASSERT_TRUE(filled.SaveFile("f.dat"));
    T loaded;
    ASSERT_TRUE(loaded.LoadFile("f.dat"));
    ASSERT_TRUE(loaded.SaveFile("g.dat"));
    EXPECT_EQ(dir.Read("f.dat"), dir.Read("g.dat"));
    EXPECT_EQ(-3, loaded.m_Extra1);
}

TYPED_TEST(Element, InheritanceFlagsOfAnyStoredCountAreSizedToTheGroups) {
    typedef TypeParam T;
    const cElementLayout& layout = cKind<T>::Layout();
    cTempDir dir;
    for (int count : {0, 3, layout.groupCount + 5}) {
        std::vector<uint8_t> flags(count, 0);
        if (count) flags[count - 1] = 1;
        cBytes b;
        b.U32(147);
        ElementRecord(b, layout, layout.defaults, "", std::string(layout.rawBytes, '\0'), flags, EmptyLists(layout));
        dir.Write("e.dat", b.Get());
        T e;
        ASSERT_TRUE(e.LoadFile("e.dat")) << count;
        ASSERT_EQ(static_cast<size_t>(layout.groupCount), e.m_bbInherit.size()) << count;
        if (count == 3) {
            EXPECT_EQ(1, e.m_bbInherit[2]);
        }
    }
}
