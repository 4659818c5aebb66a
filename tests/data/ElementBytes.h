#pragma once
// The record layouts of the palette elements, written from their field tables: the width of
// each registered plain field in file order, the group that carries it (-1 none), and the
// defaults of a new element. Fixtures built from these follow the tables, not the code.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/data/Bytes.h"

struct cElementLayout {
    std::vector<int> widths;
    std::vector<int> groups;
    std::vector<int64_t> defaults;
    int groupCount;
    int nameGroup;
    int condGroup;
    int listGroup;  // the flows of a chara, the commands of an item; -1 for a block
    int rawBytes;   // the unregistered values after the registered part
};

// Blocks: inherit source, index, condition judge, once flag, graphic, source, frames, front,
// transparent, mark mode, mark, block type, no-hit force, action, action X, item source,
// item index, no summon.
inline const cElementLayout& BlockLayout() {
    static const cElementLayout layout = {
        {1, 2, 1, 1, 2, 1, 2, 1, 1, 1, 2, 1, 1, 1, 4, 1, 2, 1},
        {-1, -1, 1, 1, 2, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 9, 10},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 255, 0, 0, 0, 0, 0},
        11, 0, 1, -1, 4};
    return layout;
}

// Charas: the 47 plain fields of the chara table (the name is the only string).
inline const cElementLayout& CharaLayout() {
    static const cElementLayout layout = {
        {1, 2, 1, 1, 1, 1, 2, 2, 2, 2, 1, 1, 2, 1, 2, 2, 1, 1, 2, 1, 2, 1, 2, 1,
         1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 4, 4, 2, 4, 1, 2, 1, 4, 1, 1, 2, 1, 1},
        {-1, -1, 4, 4, 5, 6, 7, 7, 8, 8, 7, 8, 9, 9, 9, 10, 11, 12, 13, 13, 14, 15, 15, 1,
         1, 2, 3, 17, 16, 18, 19, 20, 21, 21, 22, 23, 28, 24, 25, 26, 27, 31, 32, 30, 30, 29, 29},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 3, 0, 0, 1, 0, 0, 0, 1,
         0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 10, 0, 10, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0},
        34, 0, 4, 33, 8};
    return layout;
}

// Items: inherit source, index, judge, once, X, Y, graphic, source, frames, Z, transparent,
// mark mode, mark, show on take, take mode, scale, sound.
inline const cElementLayout& ItemLayout() {
    static const cElementLayout layout = {
        {1, 2, 1, 1, 2, 2, 2, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2},
        {-1, -1, 1, 1, 2, 3, 4, 4, 4, 5, 6, 7, 7, 10, 9, 8, 11},
        {0, 0, 0, 0, 0, 0, 0, 2, 0, 6, 0, 0, 0, 1, 0, 1, 0},
        13, 0, 1, 12, 4};
    return layout;
}

// One element record: the plain values, the name, the raw values as bytes, the flags and the
// lists after them (bytes the caller writes, such as empty list counts).
inline cBytes& ElementRecord(cBytes& b, const cElementLayout& layout, const std::vector<int64_t>& values,
                             const std::string& name, const std::string& raw, const std::vector<uint8_t>& flags,
                             const std::string& lists) {
    b.U32(static_cast<uint32_t>(layout.widths.size()));
    for (size_t i = 0; i < layout.widths.size(); ++i) {
        uint64_t v = static_cast<uint64_t>(values[i]);
        for (int k = 0; k < layout.widths[i]; ++k) b.U8(static_cast<uint8_t>(v >> (8 * k)));
    }
    b.U32(1).Str(name).Raw(raw).U32(static_cast<uint32_t>(flags.size()));
    for (uint8_t f : flags) b.U8(f);
    return b.Raw(lists);
}

// The empty lists that close an element: conditions, and flows or commands.
inline std::string EmptyLists(const cElementLayout& layout) {
    return layout.listGroup < 0 ? cBytes().U32(0).Get() : cBytes().U32(0).U32(0).Get();
}

// A condition of the current layout (17 plain members, no strings): kind and value given.
inline cBytes& ConditionBytes(cBytes& b, uint8_t kind, int32_t value) {
    b.U32(17).U8(kind).I32(value).I32(0).I32(0).U8(0).U8(0).U8(0).U8(0).U16(0);
    return b.U8(0).U8(0).U8(0).U8(0).U16(0).U8(0).U8(0).U8(0).U32(0);
}

// A command without movement or shot parameters and without sub-flows: its 8 plain members,
// its text, the two absent parameter records, no sub-flows, then its parameters.
inline cBytes& CommandBytes(cBytes& b, uint8_t set, uint8_t type, uint16_t time, const std::vector<int32_t>& params) {
    b.U32(8).U8(set).U8(type).U16(time).U16(0).U8(0).U16(0).U8(1).U16(0).U32(1).Str("");
    b.U32(0).U32(0).U32(0).U32(static_cast<uint32_t>(params.size()));
    for (int32_t p : params) b.I32(p);
    return b;
}

// The 8 plain members of a flow (test-play flag given, key ease 3); its lists follow.
inline cBytes& FlowHeadBytes(cBytes& b, uint8_t testPlayOnly) {
    return b.U32(8).U8(0).U8(0).U8(testPlayOnly).U8(0).U8(0).U8(0).U8(3).U8(0).U32(0);
}
