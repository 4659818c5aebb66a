#include "data/Database.h"

#include "data/Paths.h"
#include "framework/MessageBox.h"

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
    if (!LoadVectorFile(table, g_PathTable[ePathDatabase + 2 * k + 1])) table.resize(defaultCount);
    // The data file could not be read: it gets what the table now holds. A failure here leaves
    // the table in memory and is met again at the next save.
    SaveVectorFile(table, dataPath);
    return true;
}

template <class V>
bool SaveTable(V& table, int k) {
    return SaveVectorFile(table, g_PathTable[ePathDatabase + 2 * k]);
}

}  // namespace

cDatabase::cDatabase() {
    RegisterFields(kDataVersion);
    DatabaseDefaults(*this);
}

void cDatabase::RegisterFields(uint32_t) { ClearFields(); }

bool cDatabase::Load(bool strict) {
    bool ok = LoadTable(m_AnimeSets, 0, 1, strict) && LoadTable(m_Animes, 1, 2, strict) &&
              LoadTable(m_BmpCharaExcs, 2, 2, strict) && LoadTable(m_SwordTypes, 3, 1, strict) &&
              LoadTable(m_Effects, 4, 2, strict) && LoadTable(m_CharaEffects, 5, 2, strict) &&
              LoadTable(m_ScrEffects, 6, 2, strict) && LoadTable(m_Pictures, 7, 2, strict) &&
              LoadTable(m_Sounds, 8, 2, strict) && LoadTable(m_Bgms, 9, 2, strict);
    if (ok) ResetFirstEffects();
    return ok;
}

bool cDatabase::Save() {
    ResetFirstEffects();
    // Every table is tried, whatever happened to the ones before.
    bool ok = SaveTable(m_AnimeSets, 0);
    ok = SaveTable(m_Animes, 1) && ok;
    ok = SaveTable(m_BmpCharaExcs, 2) && ok;
    ok = SaveTable(m_SwordTypes, 3) && ok;
    ok = SaveTable(m_Effects, 4) && ok;
    ok = SaveTable(m_CharaEffects, 5) && ok;
    ok = SaveTable(m_ScrEffects, 6) && ok;
    ok = SaveTable(m_Pictures, 7) && ok;
    ok = SaveTable(m_Sounds, 8) && ok;
    ok = SaveTable(m_Bgms, 9) && ok;
    return ok;
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
