#pragma once
// Stage files written by hand from the layout tables: the stage's 71 numeric fields and its
// name, the ranking items, the five auto-vanish rules, the stage palette, the cells of the
// three layers, the background layers and the variable names.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/data/ElementBytes.h"

inline cBytes& F64(cBytes& b, double v) {
    uint64_t bits;
    memcpy(&bits, &v, 8);
    return b.U32(static_cast<uint32_t>(bits)).U32(static_cast<uint32_t>(bits >> 32));
}

// The stage record of a new stage of the given size (the hit-check level 10 and its values).
inline cBytes& StageRecordBytes(cBytes& b, int32_t width, int32_t height, const std::string& name) {
    int32_t shift = 0;
    while ((1 << shift) < width) ++shift;
    b.U32(71).I32(width).I32(1 << shift).I32(shift).I32(height);
    for (int i = 0; i < 8; ++i) b.I32(0);                    // the limits and their flags
    b.I32(60).I32(0).I32(200).I32(20).I32(0).I32(0).I32(0).I32(0);
    F64(b, 0.4);                                             // gravity
    b.I32(10).I32(0).I32(0).I32(1).I32(0).I32(0).I32(1).I32(1).I32(1);
    b.I32(16).I32(16).I32(2).I32(8).I32(16).I32(16).I32(0).I32(0).I32(0);
    b.I32(0).I32(0).I32(0).I32(12).I32(22).I32(16).I32(30).I32(18).I32(24);
    for (int i = 0; i < 4; ++i) b.I32(16).I32(16);
    b.I32(1);                                                // undo count
    b.I32(width * 32).I32(height * 32).I32(10);
    F64(b, 10.0);
    F64(b, 100.0);
    F64(b, 60.0);
    F64(b, 0.4 / 100.0);
    F64(b, 6.0);
    b.I32(80).I32(1).I32(30).I32(0).I32(30).I32(0);
    return b.U32(1).Str(name);
}

// The ranking items and the five auto-vanish rules of a new stage.
inline cBytes& StageRulesBytes(cBytes& b) {
    b.U32(3).I32(1).I32(1).I32(1);
    // No strings: each rule ends with a string count of 0.
    for (int i = 0; i < 3; ++i) b.U32(8).I32(0).I32(0).I32(0).I32(0).I32(0).I32(0).I32(0).I32(0).U32(0);
    b.U32(8).I32(1).I32(1).I32(1).I32(1).I32(0).I32(0).I32(0).I32(0).U32(0);
    return b.U32(8).I32(1).I32(1).I32(1).I32(1).I32(10).I32(10).I32(10).I32(10).U32(0);
}

// One element with some plain values changed from the defaults and the given raw values.
inline cBytes& ElementBytes(cBytes& b, const cElementLayout& layout, std::vector<std::pair<int, int64_t>> changes,
                            const std::string& raw) {
    std::vector<int64_t> values = layout.defaults;
    for (const auto& c : changes) values[c.first] = c.second;
    return ElementRecord(b, layout, values, "", raw, std::vector<uint8_t>(layout.groupCount, 0), EmptyLists(layout));
}

// The raw values of a stored cell: column and row (and a chara's item place).
inline std::string CellRaw(int16_t column, int16_t row) {
    return cBytes().U16(static_cast<uint16_t>(column)).U16(static_cast<uint16_t>(row)).Get();
}
inline std::string CharaRaw(int16_t column, int16_t row, int32_t item) { return CellRaw(column, row) + cBytes().I32(item).Get(); }

// The stage palette of a new stage: two default elements of each kind (an empty block is
// never solid).
inline cBytes& DefaultStagePaletteBytes(cBytes& b) {
    b.U32(2);
    for (int i = 0; i < 2; ++i) ElementBytes(b, BlockLayout(), {{11, 0}}, std::string(4, '\0'));
    b.U32(2);
    for (int i = 0; i < 2; ++i) ElementBytes(b, CharaLayout(), {}, std::string(8, '\0'));
    b.U32(2);
    for (int i = 0; i < 2; ++i) ElementBytes(b, ItemLayout(), {}, std::string(4, '\0'));
    return b;
}

// A background layer of the current layout.
inline cBytes& BackLayerBytes(cBytes& b, int32_t show, int32_t useColor, int32_t color, int32_t front, double speedX,
                              double speedY, const std::string& picture) {
    b.U32(10).I32(show).I32(useColor).I32(color).I32(front);
    F64(b, speedX);
    F64(b, speedY);
    b.I32(0).I32(0);
    F64(b, 0.0);
    F64(b, 0.0);
    return b.U32(1).Str(picture);
}

// The variable names: count names, the first one given.
inline cBytes& VarNamesBytes(cBytes& b, int count, const std::string& first) {
    b.U32(count);
    for (int i = 0; i < count; ++i) b.U32(0).U32(1).Str(i == 0 ? first : "");
    return b;
}

// A whole new stage of the given size with nothing placed.
inline std::string EmptyStageFile(int32_t width, int32_t height) {
    cBytes b;
    b.U32(147);
    StageRecordBytes(b, width, height, "");
    StageRulesBytes(b);
    DefaultStagePaletteBytes(b);
    b.U32(0).U32(0).U32(0);
    BackLayerBytes(b.U32(1), 1, 1, 16, 0, 0.1, 0.1, "");
    VarNamesBytes(b, 255, "");
    return b.Get();
}
