#include "data/Database.h"

#include "data/Paths.h"
#include "data/UnreadableFile.h"
#include "framework/MessageBox.h"
#include "framework/SafeFile.h"

namespace {

// Table k (in the fixed order) and the number of records it gets when no file has it.
template <class V>
bool LoadTable(V& table, int k, size_t defaultCount, bool strict) {
    const char* dataPath = g_PathTable[ePathDatabase + 2 * k];
    if (LoadVectorFile(table, dataPath, strict)) return true;
    if (strict) {
        ErrorBox("%s のロードに失敗！", dataPath);
        return false;
    }
    // A data file that is there but damaged is moved aside first; one that cannot be moved is
    // not written over.
    const bool writable = SetAsideUnreadableFile(dataPath);
    if (!LoadVectorFile(table, g_PathTable[ePathDatabase + 2 * k + 1])) table.resize(defaultCount);
    // The data file could not be read: it gets what the table now holds. A failure here leaves
    // the table in memory and is met again at the next save.
    if (writable) SaveVectorFile(table, dataPath);
    return true;
}

// Table k's file as it is saved.
template <class V>
void AddTableFile(std::vector<cFileBytes>& files, V& table, int k) {
    const char* path = g_PathTable[ePathDatabase + 2 * k];
    cDataWriter out;
    OpenDataFileWrite(out, path);
    SaveRecordVector(table, out);
    const cDataWriter::cBytes& bytes = out.Bytes();
    files.push_back({path, std::vector<char>(bytes.begin(), bytes.end())});
}

}  // namespace

cDatabase::cDatabase() {
    RegisterFields(kDataVersion);
    DatabaseDefaults(*this);
}

void cDatabase::RegisterFields(uint32_t) { ClearFields(); }

// The tables are read into a copy and taken over together: a load that stops at one table
// leaves every table as it was.
bool cDatabase::Load(bool strict) {
    cDatabase loaded(*this);
    bool ok = LoadTable(loaded.m_AnimeSets, 0, 1, strict) && LoadTable(loaded.m_Animes, 1, 2, strict) &&
              LoadTable(loaded.m_BmpCharaExcs, 2, 2, strict) && LoadTable(loaded.m_SwordTypes, 3, 1, strict) &&
              LoadTable(loaded.m_Effects, 4, 2, strict) && LoadTable(loaded.m_CharaEffects, 5, 2, strict) &&
              LoadTable(loaded.m_ScrEffects, 6, 2, strict) && LoadTable(loaded.m_Pictures, 7, 2, strict) &&
              LoadTable(loaded.m_Sounds, 8, 2, strict) && LoadTable(loaded.m_Bgms, 9, 2, strict);
    if (!ok) return false;
    loaded.ResetFirstEffects();
    m_AnimeSets.swap(loaded.m_AnimeSets);
    m_Animes.swap(loaded.m_Animes);
    m_BmpCharaExcs.swap(loaded.m_BmpCharaExcs);
    m_SwordTypes.swap(loaded.m_SwordTypes);
    m_Effects.swap(loaded.m_Effects);
    m_CharaEffects.swap(loaded.m_CharaEffects);
    m_ScrEffects.swap(loaded.m_ScrEffects);
    m_Pictures.swap(loaded.m_Pictures);
    m_Sounds.swap(loaded.m_Sounds);
    m_Bgms.swap(loaded.m_Bgms);
    return true;
}

bool cDatabase::Save() { return Save(nullptr); }

// The tables go as a set: a table file that cannot be written leaves all ten as they were.
bool cDatabase::Save(std::string* failedPath) {
    ResetFirstEffects();
    std::vector<cFileBytes> files;
    files.reserve(kDatabaseTables);
    AddTableFile(files, m_AnimeSets, 0);
    AddTableFile(files, m_Animes, 1);
    AddTableFile(files, m_BmpCharaExcs, 2);
    AddTableFile(files, m_SwordTypes, 3);
    AddTableFile(files, m_Effects, 4);
    AddTableFile(files, m_CharaEffects, 5);
    AddTableFile(files, m_ScrEffects, 6);
    AddTableFile(files, m_Pictures, 7);
    AddTableFile(files, m_Sounds, 8);
    AddTableFile(files, m_Bgms, 9);
    return SaveFilesSafely(files, failedPath);
}

// An empty table (a file may hold none) has no entry 0 to fix.
void cDatabase::ResetFirstEffects() {
    if (!m_CharaEffects.empty()) m_CharaEffects[0].m_Type = 0;
    if (!m_ScrEffects.empty()) m_ScrEffects[0].m_Type = 0;
}

void DatabaseDefaults(cDatabase& database) {
    database.Reset();
    database.m_AnimeSets.assign(1, cAnimeSet());
    database.m_Animes.assign(2, cAnime());
    database.m_Animes[0].m_Name = "なし";
    database.m_Animes[1].m_Name = "アクションA";
    database.m_BmpCharaExcs.assign(2, cBmpCharaExc());
    database.m_SwordTypes.assign(1, cSwordType());
    database.m_Effects.assign(2, cEffect());
    database.m_CharaEffects.assign(2, cCharaEffect());
    database.m_ScrEffects.assign(2, cScrEffect());
    database.m_Pictures.assign(2, cPicture());
    database.m_Sounds.assign(2, cSound());
    database.m_Bgms.assign(2, cBgm());
}
