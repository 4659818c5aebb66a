#include "game/data/GameDatabase.h"

#include "data/ProjectDatabase.h"
#include "game/data/Tenths.h"

namespace {

const int32_t kAnimeEnd = -4;

// Frames of one table entry: the frame's cell and time, and whether it starts the entry's
// uninterruptible tail.
template <class Frames, class Marked>
cAnimePattern BuildPattern(const Frames& frames, bool first, Marked marked) {
    cAnimePattern pattern;
    if (frames.empty()) {
        pattern.push_back(cAnimeCode{kAnimeEnd, 0, 0});
        return pattern;
    }
    int32_t locked = first ? 1 : 0;
    for (const auto& frame : frames) {
        if (marked(frame)) locked = 1;
        pattern.push_back(cAnimeCode{frame.m_Cell, first ? 0 : TenthsToFrames(frame.m_Time), locked});
    }
    pattern.push_back(first ? cAnimeCode{kAnimeLoop, 0, 1} : cAnimeCode{kAnimeEnd, 0, 0});
    return pattern;
}

template <class Table, class Marked>
void BuildPatterns(cAnimePatterns& patterns, const Table& table, Marked marked) {
    patterns.clear();
    patterns.reserve(table.size());
    for (size_t i = 0; i < table.size(); ++i) patterns.push_back(BuildPattern(table[i].m_Frames, i == 0, marked));
}

}  // namespace

cAnimePatterns& AnimePatternTable() {
    static cAnimePatterns table;
    return table;
}

cAnimePatterns& EffectPatternTable() {
    static cAnimePatterns table;
    return table;
}

cEffectStates& CharaEffectProtoTable() {
    static cEffectStates table;
    return table;
}

cEffectStates& ScrEffectProtoTable() {
    static cEffectStates table;
    return table;
}

void BuildAnimePatterns(cAnimePatterns& table, const cDatabase& database) {
    BuildPatterns(table, database.m_Animes, [](const cAnimeFrame& frame) { return frame.m_RunCommand != 0; });
}

void BuildEffectPatterns(cAnimePatterns& table, const cDatabase& database) {
    BuildPatterns(table, database.m_Effects, [](const cEffectFrame&) { return false; });
}

void BuildCharaEffectProtos(cEffectStates& table, const cDatabase& database) {
    table.assign(database.m_CharaEffects.size(), cEffectState());
    for (size_t i = 0; i < table.size(); ++i) table[i].InitCharaEffect(database.m_CharaEffects[i], static_cast<int>(i));
}

void BuildScrEffectProtos(cEffectStates& table, const cDatabase& database) {
    table.assign(database.m_ScrEffects.size(), cEffectState());
    for (size_t i = 0; i < table.size(); ++i) table[i].InitScrEffect(database.m_ScrEffects[i], static_cast<int>(i));
}

bool LoadGameDatabase() {
    cDatabase& database = ProjectDatabase();
    if (!database.Load(true)) return false;
    BuildAnimePatterns(AnimePatternTable(), database);
    BuildEffectPatterns(EffectPatternTable(), database);
    BuildCharaEffectProtos(CharaEffectProtoTable(), database);
    BuildScrEffectProtos(ScrEffectProtoTable(), database);
    return true;
}
