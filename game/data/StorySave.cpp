#include "game/data/StorySave.h"

#include <algorithm>
#include <cstring>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "framework/Format.h"
#include "framework/Path.h"
#include "game/data/Ranking.h"

namespace {

// Challenge counts past this are no project's: a damaged System.dat never makes the records
// take all memory.
const int kMaxChallenges = 1000;

// What each stock target carries between the stored character and the character.
typedef void (*StockCopy)(cEdChara& to, const cEdChara& from);
const StockCopy kStockCopies[22] = {
    [](cEdChara& to, const cEdChara& from) {
        to.m_Graphic = from.m_Graphic;
        to.m_GraphicSrc = from.m_GraphicSrc;
        to.m_GraphicShift = from.m_GraphicShift;
    },
    [](cEdChara& to, const cEdChara& from) { to.m_AnimeSet = from.m_AnimeSet; },
    [](cEdChara& to, const cEdChara& from) { to.m_Z = from.m_Z; },
    [](cEdChara& to, const cEdChara& from) { to.m_Transparent = from.m_Transparent; },
    [](cEdChara& to, const cEdChara& from) { to.m_StartEffect = from.m_StartEffect; },
    [](cEdChara& to, const cEdChara& from) { to.m_DirLock = from.m_DirLock; },
    [](cEdChara& to, const cEdChara& from) { to.m_Flight = from.m_Flight; },
    [](cEdChara& to, const cEdChara& from) { to.m_Invincible = from.m_Invincible; },
    [](cEdChara& to, const cEdChara& from) { to.m_Scale = from.m_Scale; },
    [](cEdChara& to, const cEdChara& from) {
        to.m_SightShape = from.m_SightShape;
        to.m_SightRange = from.m_SightRange;
    },
    nullptr,  // remaining hit points: a value of the stock itself
    nullptr,  // remaining skill points
    [](cEdChara& to, const cEdChara& from) { to.m_Hp = from.m_Hp; },
    [](cEdChara& to, const cEdChara& from) { to.m_Sp = from.m_Sp; },
    [](cEdChara& to, const cEdChara& from) { to.m_BodyPower = from.m_BodyPower; },
    [](cEdChara& to, const cEdChara& from) { to.m_BodyImpact = from.m_BodyImpact; },
    [](cEdChara& to, const cEdChara& from) { to.m_ImpactResist = from.m_ImpactResist; },
    [](cEdChara& to, const cEdChara& from) { to.m_StopEase = from.m_StopEase; },
    [](cEdChara& to, const cEdChara& from) { to.m_Flows = from.m_Flows; },
    nullptr,  // remaining time, lives and music: values of the stock
    nullptr,
    nullptr,
};
enum { eStockGraphic = 0, eStockEffect = 4, eStockHp = 10, eStockSp = 11, eStockTime = 19, eStockLives, eStockMusic };

// A vector of int32: a 4-byte count, then the values.
bool ReadIntVector(cCheckedVector<int32_t, eCloseProgram>& values, cDataReader& in) {
    uint32_t count;
    if (!in.ReadCount(count, 4)) return false;
    cCheckedVector<int32_t, eCloseProgram> loaded(count);
    if (count && !in.Read(&loaded[0], count * 4u)) return false;
    values.swap(loaded);
    return true;
}

void WriteIntVector(const cCheckedVector<int32_t, eCloseProgram>& values, cDataWriter& out) {
    out.WriteU32(static_cast<uint32_t>(values.size()));
    if (!values.empty()) out.Write(&values[0], values.size() * 4);
}

bool StockTarget(int flag) {
    const auto& targets = ProjectSystemData().m_StockTargets;
    return flag < static_cast<int>(targets.size()) && targets[flag];
}

}  // namespace

int ChallengeCount() {
    int n = ProjectSystemData().m_WorldCount;
    if (n < 0) return 0;
    return n > kMaxChallenges ? kMaxChallenges : n;
}

cPlayerStock::cPlayerStock() {
    RegisterFields(kDataVersion);
    Reset();
}

void cPlayerStock::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Hp);
    AddField32(&m_Sp);
    AddField32(&m_RemainingTime);
    AddField32(&m_Lives);
    AddField32(&m_Music);
}

bool cPlayerStock::Load(cDataReader& in) { return cRecord::Load(in) && m_Chara.Load(in); }

void cPlayerStock::Save(cDataWriter& out) {
    cRecord::Save(out);
    m_Chara.Save(out);
}

cStageBest::cStageBest() {
    RegisterFields(kDataVersion);
    Reset();
}

void cStageBest::RegisterFields(uint32_t) {
    ClearFields();
    AddStringField(&m_Name);
    AddField32(&m_Value);
}

cTwoIntRecord::cTwoIntRecord() {
    RegisterFields(kDataVersion);
    Reset();
}

void cTwoIntRecord::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Cleared);
    AddField32(&m_BestScore);
}

cStorySave::cStorySave() {
    RegisterFields(kDataVersion);
    Reset();
}

void cStorySave::RegisterFields(uint32_t) {
    ClearFields();
    for (int32_t* member : {&m_StockValid, &m_WorldX, &m_WorldY, &m_WorldEntry, &m_CycleCount, &m_StageNumber,
                            &m_StageActive, &m_StartCount, &m_Lives, &m_Score, &m_TotalScore, &m_ChallengeValue,
                            &m_RemainingTime, &m_ClearTime, &m_SeriesFlag, &m_MusicIndex, &m_ChallengeIndex,
                            &m_SlotSceneValue, &m_MapSceneValue, &m_ShownRankKind})
        AddField32(member);
    AddStringField(&m_StageFile);
    AddStringField(&m_PlayerName);
}

bool cStorySave::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !in.Read(&m_SaveTime, sizeof m_SaveTime) || !LoadRecordVector(m_PlayerStock, in) ||
        !LoadRecordVector(m_StageBest, in) || !LoadRecordVector(m_Challenges, in) ||
        !ReadIntVector(m_ClearFlags, in) || !ReadIntVector(m_Variables, in))
        return false;
    Normalize();
    return true;
}

void cStorySave::Save(cDataWriter& out) {
    Normalize();
    cRecord::Save(out);
    out.Write(&m_SaveTime, sizeof m_SaveTime);
    SaveRecordVector(m_PlayerStock, out);
    SaveRecordVector(m_StageBest, out);
    SaveRecordVector(m_Challenges, out);
    WriteIntVector(m_ClearFlags, out);
    WriteIntVector(m_Variables, out);
}

void cStorySave::Reset() {
    cRecord::Reset();
    memset(&m_SaveTime, 0, sizeof m_SaveTime);
    m_PlayerStock.assign(1, cPlayerStock());
    m_ClearFlags.assign(kClearFlags, 0);
    m_ClearFlags[0] = 1;
    m_Variables.assign(kStoryVariables, 0);
    m_StageBest.clear();
    m_Challenges.clear();
    m_ChallengeIndex = 1;
    m_PlayerName = "aaa";
}

void cStorySave::Normalize() {
    const cWorldMap& map = ProjectWorldMap();
    if (m_WorldX < 0 || m_WorldX >= map.m_Width) m_WorldX = map.m_StartX;
    if (m_WorldY < 0 || m_WorldY >= map.m_Height) m_WorldY = map.m_StartY;
    int challenges = ChallengeCount();
    m_Challenges.resize(challenges);
    if (m_ChallengeIndex > challenges) m_ChallengeIndex = challenges;
}

void cStorySave::Restart() {
    ++m_CycleCount;
    for (int32_t& flag : m_ClearFlags) flag = 0;
    m_WorldX = ProjectWorldMap().m_StartX;
    m_WorldY = ProjectWorldMap().m_StartY;
}

void cStorySave::TakeFirstLife() {
    m_Lives = m_StartCount;
    if (m_Lives > 0) --m_Lives;
}

void cStorySave::RecordStageBest(const std::string& name, int value) {
    for (cStageBest& best : m_StageBest) {
        if (best.m_Name != name) continue;
        if (best.m_Value < value) best.m_Value = value;
        return;
    }
    cStageBest best;
    best.m_Name = name;
    best.m_Value = value;
    m_StageBest.push_back(best);
}

int cStorySave::GetStageBest(const std::string& name) const {
    for (const cStageBest& best : m_StageBest)
        if (best.m_Name == name) return best.m_Value;
    return 0;
}

int StepShownRankKind(int playKind, int kind, int n) {
    const cSystemList<cRankingSetting>& settings = ProjectSystemData().m_RankingSettings;
    if (playKind < 0 || playKind >= static_cast<int>(settings.size())) return kind;
    const cCheckedVector<uint8_t, eCloseProgram>& shown = settings[playKind].m_Shown;
    const int kinds = std::min<int>(static_cast<int>(shown.size()), kRankKinds);
    auto isShown = [&](int c) { return c < kinds && shown[c] != 0; };
    bool any = false;
    for (int c = 0; c < kinds; ++c) any = any || isShown(c);
    if (!any) return kind;
    int c = kind;
    if (c < 0 || c >= kRankKinds) c = 0;
    auto forward = [&]() { c = c + 1 >= kRankKinds ? 0 : c + 1; };
    auto back = [&]() { c = c - 1 < 0 ? kRankKinds - 1 : c - 1; };
    if (n == 0) {
        while (!isShown(c)) forward();
    }
    for (int i = 0; i < n; ++i) {
        forward();
        while (!isShown(c)) forward();
    }
    for (int i = 0; i < -n; ++i) {
        back();
        while (!isShown(c)) back();
    }
    return c;
}

void cStorySave::StepCursorOverShown(int playKind, int n) {
    m_ShownRankKind = StepShownRankKind(playKind, m_ShownRankKind, n);
}

int cStorySave::ClearFlag(int stage) const {
    return stage >= 0 && stage < static_cast<int>(m_ClearFlags.size()) ? m_ClearFlags[stage] : 0;
}

void cStorySave::SetClearFlag(int stage, int value) {
    if (stage >= 0 && stage < static_cast<int>(m_ClearFlags.size())) m_ClearFlags[stage] = value;
}

int cStorySave::Variable(int index) const {
    return index >= 0 && index < static_cast<int>(m_Variables.size()) ? m_Variables[index] : 0;
}

void cStorySave::SetVariable(int index, int value) {
    if (index >= 0 && index < static_cast<int>(m_Variables.size())) m_Variables[index] = value;
}

void cStorySave::StoreStock(int i, const cEdChara& chara, int hp, int sp, int specialEffect, int remainingTime,
                            int lives, int music) {
    m_StockValid = 1;
    cPlayerStock& stock = m_PlayerStock.At(i);
    for (int flag = 0; flag < 22; ++flag) {
        if (!StockTarget(flag)) continue;
        switch (flag) {
        case eStockEffect: stock.m_Chara.m_StartEffect = static_cast<uint16_t>(specialEffect); break;
        case eStockHp: stock.m_Hp = hp; break;
        case eStockSp: stock.m_Sp = sp; break;
        case eStockTime: stock.m_RemainingTime = remainingTime; break;
        case eStockLives: stock.m_Lives = lives; break;
        case eStockMusic: stock.m_Music = music; break;
        default: kStockCopies[flag](stock.m_Chara, chara);
        }
    }
}

void cStorySave::RestoreStock(int i, cEdChara& chara, cEdStage& stage) {
    if (!m_StockValid) return;
    const cPlayerStock& stock = m_PlayerStock.At(i);
    for (int flag = 0; flag < 22; ++flag) {
        if (!StockTarget(flag)) continue;
        switch (flag) {
        case eStockHp:
        case eStockSp: break;
        case eStockTime: stage.m_TimeLimit = stock.m_RemainingTime; break;
        case eStockLives: m_Lives = stock.m_Lives; break;
        case eStockMusic: stage.m_Bgm = stock.m_Music; break;
        default: kStockCopies[flag](chara, stock.m_Chara);
        }
    }
    if (StockTarget(eStockGraphic) && chara.m_Graphic == 0) chara.m_Graphic = 1;
}

void cStorySave::RestoreStockHpSp(int i, int& hp, int& sp) const {
    if (!m_StockValid) return;
    const cPlayerStock& stock = m_PlayerStock.At(i);
    if (StockTarget(eStockHp)) hp = stock.m_Hp;
    if (StockTarget(eStockSp)) sp = stock.m_Sp;
}

void cStorySave::SetStageFile(const std::string& path) {
    m_SeriesFlag = 0;
    // Only the file name counts: a folder's dot or "-1" does not, and the folder ends at a real
    // '\\', never at the trail byte of a double-byte character. Neither '.' nor "-1" can be a
    // byte of one.
    const std::string name = FileNameOf(path);
    const size_t folder = path.size() - name.size();
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        m_StageFile.clear();
        return;
    }
    if (dot >= 2 && name.compare(dot - 2, 2, "-1") == 0) {
        m_SeriesFlag = 1;
        m_StageFile = path.substr(0, folder + dot - 2) + ".";
        return;
    }
    m_StageFile = path.substr(0, folder + dot + 1);
}

cStorySlotHeader::cStorySlotHeader() {
    RegisterFields(kDataVersion);
    Reset();
    memset(&m_SaveTime, 0, sizeof m_SaveTime);
}

void cStorySlotHeader::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Used);
}

std::string MakeStoryPath(int slot) {
    int n = (slot + 1) % 100;
    if (n < 0) n += 100;
    return Format("%s%02d.dat", PathTable[ePathStorySave], n);
}

bool WriteStory(cStorySave& record, int slot) {
    if (!record.SaveFile(MakeStoryPath(slot).c_str())) return false;
    cStorySlotHeader& header = StorySlots().At(slot);
    header.m_Used = 1;
    header.m_SaveTime = record.m_SaveTime;
    return true;
}

bool ReadStory(cStorySave& record, int slot) { return record.LoadFile(MakeStoryPath(slot).c_str(), true); }

void ReadStorySlots(cRecordVector<cStorySlotHeader>& headers) {
    for (size_t i = 0; i < headers.size(); ++i) {
        cStorySave save;
        cStorySlotHeader& header = headers[i];
        header.m_Used = save.LoadFile(MakeStoryPath(static_cast<int>(i)).c_str()) ? 1 : 0;
        header.m_SaveTime = header.m_Used ? save.m_SaveTime : SYSTEMTIME{};
    }
}

cStorySave& StoryState() {
    static cStorySave state;
    return state;
}

cRecordVector<cStorySlotHeader>& StorySlots() {
    static cRecordVector<cStorySlotHeader> headers(kStorySlots);
    return headers;
}
