#pragma once
// The project's database: ten tables of shared resources that palette elements and flow
// commands refer to by index. Each table lives in a file of its own under data\database\ .
#include "data/AnimeRecords.h"
#include "data/EffectRecords.h"
#include "data/FileRecords.h"
#include "data/Record.h"
#include "data/SwordRecords.h"

const int kDatabaseTables = 10;

class cDatabase : public cRecord {
public:
    // Holds the factory defaults until a load replaces them.
    cDatabase();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cDatabase)

    // Loads the ten tables in their fixed order. Strict (the game program): a table whose data
    // file cannot be read is reported with "%s のロードに失敗！" and stops the load (false).
    // Otherwise (the editor) such a table comes from its factory file under default\ or, failing
    // that, from built-in defaults, and is written back to its data file; a data file that is
    // there but damaged is first moved aside and reported (data/UnreadableFile.h). The tables
    // change together, only when the load succeeds.
    using cRecord::Load;
    bool Load(bool strict);
    // Saves the ten tables to their data files as one set (framework/SafeFile.h): false when any
    // of them could not be written, and then failedPath (when given) names that file.
    using cRecord::Save;
    bool Save();
    bool Save(std::string* failedPath);
    // Entry 0 of both effect tables is the type without effect.
    void ResetFirstEffects();

    cRecordVector<cAnimeSet> m_AnimeSets;
    cRecordVector<cAnime> m_Animes;
    cRecordVector<cBmpCharaExc> m_BmpCharaExcs;
    cRecordVector<cSwordType> m_SwordTypes;
    cRecordVector<cEffect> m_Effects;
    cRecordVector<cCharaEffect> m_CharaEffects;
    cRecordVector<cScrEffect> m_ScrEffects;
    cRecordVector<cPicture> m_Pictures;
    cRecordVector<cSound> m_Sounds;
    cRecordVector<cBgm> m_Bgms;
};

// The factory database: each table emptied and filled with default records.
void DatabaseDefaults(cDatabase& database);
