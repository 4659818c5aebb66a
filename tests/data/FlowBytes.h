#pragma once
// Byte fixtures of the flow records, written from the layout tables, and the save and load of
// one record through a file.
#include <cstring>
#include <string>

#include "data/Record.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

inline std::string DoubleBytes(double value) {
    char b[8];
    memcpy(b, &value, 8);
    return std::string(b, 8);
}

// A default cEdMove with the speed given: 28 plain members, no strings.
inline cBytes& MoveBytes(cBytes& b, int16_t speed = 10) {
    b.U32(28).U8(0).U8(0).U16(0).U16(0).U8(1).U8(1).U16(0).U16(0).U16(0).U16(0);
    b.U8(0).U8(1).U8(0).U8(0).U8(1).U8(0).U8(1).U8(0).U8(0);
    b.U16(speed).U16(0).U16(0).U16(0).U16(0).U16(0).U8(0).U16(0).Raw(DoubleBytes(1.0));
    return b.U32(0);
}

// A default cEdShot with the move type (a sword's sword type) given: 52 entries, no strings.
inline cBytes& ShotBytes(cBytes& b, uint8_t moveType = 0) {
    b.U32(52).U8(0).U8(0).U16(0).U16(0).U16(0).U8(0).U8(0).U16(0).U16(0).U16(0).U8(0).U8(0);
    b.U16(0).U16(0).U16(0).U16(0).U8(1).U8(0).U16(0).U8(0).U8(0).U8(1).U8(0).U8(0).U8(1).U8(0);
    b.U8(moveType).U16(0).U16(0).U16(0).U16(0).U16(0).U16(0).U8(0).U16(0).U8(0).U8(0).U16(0).U16(0);
    b.U8(0).U8(0).U8(0).U8(0).I32(0).U16(0).U8(0).U16(0).U8(0).U16(0).U8(0).U8(0).U8(0).U16(0);
    b.U8(0).U8(0).U8(0);
    return b.U32(0);
}

// The bytes a record saves to, the version header included.
inline std::string SavedBytes(cRecord& record) {
    cTempDir dir;
    if (!record.SaveFile("r.dat")) return "";
    return dir.Read("r.dat");
}

// Loads a record from the bytes of a whole file.
inline bool LoadBytes(cRecord& record, const std::string& file) {
    cTempDir dir;
    dir.Write("r.dat", file);
    return record.LoadFile("r.dat");
}
