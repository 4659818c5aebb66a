#pragma once
// Effects of the database: animated effect bitmaps, and the effect types applied to a
// character's picture or to the whole screen (their parameters: EffectTables.h).
#include <string>

#include "data/EffectTables.h"
#include "data/Record.h"

class cEffectFrame : public cRecord {
public:
    cEffectFrame();
    void Init();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cEffectFrame)

    int32_t m_Cell;
    int32_t m_Time;  // 1/10 s
};

class cEffect : public cRecord {
public:
    cEffect();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cEffect)

    std::string m_Name;
    std::string m_File;
    int32_t m_CellWidth;  // dots
    int32_t m_CellHeight;
    int32_t m_AllowHuge;  // "巨大化を許可"
    cRecordVector<cEffectFrame> m_Frames;
};

// The members both effect-type tables share: a type (a row of the type's parameter table) and
// its five parameters.
class cEffectTypeRecord : public cRecord {
public:
    void Init();
    void RegisterFields(uint32_t version) override;

    std::string m_Name;
    int32_t m_Type;
    int32_t m_Params[kEffectParams];
};

class cCharaEffect : public cEffectTypeRecord {
public:
    cCharaEffect() {
        RegisterFields(kDataVersion);
        Init();
    }
    RECORD_COPY(cCharaEffect)
};

class cScrEffect : public cEffectTypeRecord {
public:
    cScrEffect() {
        RegisterFields(kDataVersion);
        Init();
    }
    RECORD_COPY(cScrEffect)
};
