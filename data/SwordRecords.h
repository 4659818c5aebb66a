#pragma once
// Sword types of the database: the bitmaps of a sword and where it is drawn at each step of a
// swing.
#include <string>

#include "data/Record.h"

class cSwordPos : public cRecord {
public:
    cSwordPos();
    void Init();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cSwordPos)

    int32_t m_X;  // offset in dots
    int32_t m_Y;
    // Mirror the offsets when the character faces right.
    int32_t m_MirrorX;
    int32_t m_MirrorY;
    int32_t m_Direction;  // row of SwordDirectionNames
    // The part of the sword bitmap that is drawn.
    int32_t m_SrcX;
    int32_t m_SrcY;
    int32_t m_Width;
    int32_t m_Height;
    int32_t m_Time;  // 1/10 s
};

class cSwordType : public cRecord {
public:
    cSwordType();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cSwordType)

    std::string m_Name;
    std::string m_LeftBmp;   // facing left
    std::string m_RightBmp;  // facing right
    cRecordVector<cSwordPos> m_Positions;
};
