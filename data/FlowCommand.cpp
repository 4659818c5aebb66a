#include "data/FlowCommand.h"

#include <algorithm>

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"

namespace {

// Commands hold sub-flows, whose commands could hold sub-flows again: a file could nest them
// deeper than any stack. The editor creates one level.
const int kMaxFlowNesting = 16;
thread_local int g_loadDepth = 0;

struct cDepthGuard {
    cDepthGuard() { ++g_loadDepth; }
    ~cDepthGuard() { --g_loadDepth; }
};

// A parameter record: a presence word, then the record when the word is 1.
template <class T>
bool LoadParamRecord(boost::shared_ptr<T>& record, cDataReader& in) {
    uint32_t present;
    if (!in.ReadU32(present)) return false;
    if (present == 0) {
        record.reset();
        return true;
    }
    if (present != 1) return in.Fail();
    boost::shared_ptr<T> loaded = T::Create();
    if (!loaded->Load(in)) return false;
    record = loaded;
    return true;
}

template <class T>
void SaveParamRecord(const boost::shared_ptr<T>& record, cDataWriter& out) {
    out.WriteU32(record ? 1 : 0);
    if (record) record->Save(out);
}

template <class T>
boost::shared_ptr<T> CopyOf(const boost::shared_ptr<T>& record) {
    return record ? boost::shared_ptr<T>(new T(*record)) : boost::shared_ptr<T>();
}

template <class T>
bool SameRecord(const boost::shared_ptr<T>& a, const boost::shared_ptr<T>& b) {
    return a && b ? *a == *b : !a && !b;
}

}  // namespace

cFlowCmd::cFlowCmd() {
    RegisterFields(kDataVersion);
    Init();
}

cFlowCmd::cFlowCmd(const cFlowCmd& other) : cRecord(other) { CopyMembers(other); }

cFlowCmd& cFlowCmd::operator=(const cFlowCmd& other) {
    if (this != &other) {
        cRecord::operator=(other);
        CopyMembers(other);
    }
    return *this;
}

cFlowCmd::~cFlowCmd() = default;

void cFlowCmd::CopyMembers(const cFlowCmd& other) {
    m_CmdSet = other.m_CmdSet;
    m_CmdType = other.m_CmdType;
    m_Time = other.m_Time;
    m_CloneTime = other.m_CloneTime;
    m_Parallel = other.m_Parallel;
    m_Sound = other.m_Sound;
    m_SoundOnScreen = other.m_SoundOnScreen;
    m_Anime = other.m_Anime;
    m_Text = other.m_Text;
    m_Move = CopyOf(other.m_Move);
    m_Shot = CopyOf(other.m_Shot);
    m_SubFlows = other.m_SubFlows;
    m_Params = other.m_Params;
}

void cFlowCmd::Init() {
    Reset();
    m_SoundOnScreen = 1;
    m_Move.reset();
    m_Shot.reset();
    m_SubFlows.clear();
    m_Params.clear();
}

void cFlowCmd::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_CmdSet);
    AddField8(&m_CmdType);
    AddField16(&m_Time);
    AddField16(&m_CloneTime);
    AddField8(&m_Parallel);
    AddField16(&m_Sound);
    AddField8(&m_SoundOnScreen);
    AddField16(&m_Anime);
    AddStringField(&m_Text);
}

bool cFlowCmd::Load(cDataReader& in) {
    cDepthGuard depth;
    if (g_loadDepth > kMaxFlowNesting) return in.Fail();
    if (!cRecord::Load(in)) return false;
    if (!TypeEntry()) return in.Fail();
    if (!LoadParamRecord(m_Move, in) || !LoadParamRecord(m_Shot, in) || !LoadRecordVector(m_SubFlows, in))
        return false;
    uint32_t count;
    if (!in.ReadCount(count, sizeof(int32_t))) return false;
    std::vector<int32_t> params(count);
    if (count && !in.Read(&params[0], count * sizeof(int32_t))) return false;
    m_Params.swap(params);
    // "ステージクリア" had fewer parameters before version 145.
    if (in.Version() < 145 && CharaType() == eCmdStageClear) m_Params.resize(5, 0);
    DropTestPlayFlows(m_SubFlows);
    Validate();
    return true;
}

void cFlowCmd::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
    SaveParamRecord(m_Move, out);
    SaveParamRecord(m_Shot, out);
    SaveRecordVector(m_SubFlows, out);
    out.WriteU32(static_cast<uint32_t>(m_Params.size()));
    if (!m_Params.empty()) out.Write(&m_Params[0], m_Params.size() * sizeof(int32_t));
}

bool cFlowCmd::operator==(const cFlowCmd& other) const {
    return RecordsEqual(*this, other) && SameRecord(m_Move, other.m_Move) && SameRecord(m_Shot, other.m_Shot) &&
           m_SubFlows == other.m_SubFlows && m_Params == other.m_Params;
}

const cOptionEntry* cFlowCmd::TypeEntry() const {
    if (m_CmdSet == 0 && m_CmdType < kCharaCommandTypes) return &CharaCommandTypes[m_CmdType];
    if (m_CmdSet == 1 && m_CmdType < kItemCommandTypes) return &ItemCommandTypes[m_CmdType];
    return nullptr;
}

int cFlowCmd::CharaType() const {
    if (!TypeEntry()) return 0;
    if (m_CmdSet == 0) return m_CmdType;
    return m_CmdType > eItemCmdFlowChange ? m_CmdType + kItemToCharaCommand : 0;
}

void cFlowCmd::Validate() {
    const cDatabase& db = ProjectDatabase();
    if (!IsRow(db.m_Animes, m_Anime)) m_Anime = 0;
    if (!IsRow(db.m_Sounds, m_Sound)) m_Sound = 0;
    const cOptionEntry* type = TypeEntry();
    m_Params.resize(type ? type->m_Value : 0, 0);

    // The first parameter of these types is a row of a database table.
    int32_t* first = m_Params.empty() ? nullptr : &m_Params[0];
    switch (CharaType()) {
    case eCmdBaseAnimeSet:
        if (!IsRow(db.m_AnimeSets, *first)) *first = 0;
        break;
    case eCmdAnime:
        if (!IsRow(db.m_Animes, *first)) *first = 1;
        break;
    case eCmdEffect:
        if (!IsRow(db.m_Effects, *first)) *first = 1;
        break;
    case eCmdCharaEffect:
        if (!IsRow(db.m_CharaEffects, *first)) *first = 1;
        break;
    case eCmdScrEffect:
        if (!IsRow(db.m_ScrEffects, *first)) *first = 1;
        break;
    case eCmdPicture:
        if (!IsRow(db.m_Pictures, *first)) *first = 1;
        break;
    case eCmdSound:
        if (!IsRow(db.m_Sounds, *first)) *first = 1;
        break;
    case eCmdBgm:
        if (!IsRow(db.m_Bgms, *first)) *first = 1;
        break;
    case eCmdSword:
        // A sword keeps its sword type in its shot parameters: one without them gets a default
        // record rather than leaving the game a command it cannot run.
        if (!m_Shot) m_Shot = cEdShot::Create();
        if (IsRow(db.m_SwordTypes, m_Shot->m_MoveType))
            m_Time = static_cast<uint16_t>(SumDurations(db, m_Shot->m_MoveType));
        else
            m_Shot->m_MoveType = 0;
        break;
    }
    for (cFlow& flow : m_SubFlows) flow.Validate();
}

int SumDurations(const cDatabase& database, int swordType) {
    if (!IsRow(database.m_SwordTypes, swordType)) return 0;
    long long total = 0;
    for (const cSwordPos& pos : database.m_SwordTypes[swordType].m_Positions)
        total = std::min(total + pos.m_Time, 9999LL);
    // A negative time from a hand-made file is no time.
    return static_cast<int>(std::max(total, 0LL));
}
