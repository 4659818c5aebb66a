#include "game/data/ReplayData.h"

#include <windows.h>

#include <climits>

#include "framework/Format.h"
#include "framework/GameHelpers.h"
#include "framework/Path.h"

namespace {

template <class V>
bool ReadValues(V& values, cDataReader& in) {
    typedef typename V::value_type T;
    uint32_t count;
    if (!in.ReadCount(count, sizeof(T))) return false;
    V loaded(count);
    if (count && !in.Read(&loaded[0], count * sizeof(T))) return false;
    values.swap(loaded);
    return true;
}

template <class V>
void WriteValues(const V& values, cDataWriter& out) {
    out.WriteU32(static_cast<uint32_t>(values.size()));
    if (!values.empty()) out.Write(&values[0], values.size() * sizeof(values[0]));
}

template <class V, class R>
bool RunsSound(const V& values, const R& runs) {
    if (values.size() != runs.size()) return false;
    for (int32_t run : runs)
        if (run < 1) return false;
    return true;
}

template <class V, class R>
void Append(V& values, R& runs, int16_t value) {
    if (!values.empty() && values.back() == value) {
        if (runs.back() < INT_MAX) {
            ++runs.back();
            return;
        }
    }
    values.push_back(value);
    runs.push_back(1);
}

// One log's next frame; false once it has ended.
template <class V, class R>
bool Take(const V& values, const R& runs, int32_t& pos, int32_t& count, int16_t& word) {
    if (pos < 0 || pos >= static_cast<int32_t>(values.size())) return false;
    word = values[pos];
    if (++count >= runs[pos]) {
        count = 0;
        ++pos;
    }
    return true;
}

}  // namespace

cReplayData::cReplayData() {
    RegisterFields(kDataVersion);
    Reset();
}

cReplayData& cReplayData::operator=(const cReplayData& other) {
    cRecord::operator=(other);
    m_Seed = other.m_Seed;
    m_DirValues = other.m_DirValues;
    m_ButtonValues = other.m_ButtonValues;
    m_DirRuns = other.m_DirRuns;
    m_ButtonRuns = other.m_ButtonRuns;
    return *this;
}

void cReplayData::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Seed);
}

bool cReplayData::Load(cDataReader& in) {
    return cRecord::Load(in) && ReadValues(m_DirValues, in) && ReadValues(m_ButtonValues, in) &&
           ReadValues(m_DirRuns, in) && ReadValues(m_ButtonRuns, in) && RunsSound(m_DirValues, m_DirRuns) &&
           RunsSound(m_ButtonValues, m_ButtonRuns);
}

void cReplayData::Save(cDataWriter& out) {
    cRecord::Save(out);
    WriteValues(m_DirValues, out);
    WriteValues(m_ButtonValues, out);
    WriteValues(m_DirRuns, out);
    WriteValues(m_ButtonRuns, out);
}

void cReplayData::Clear() {
    Reset();
    m_DirValues.clear();
    m_ButtonValues.clear();
    m_DirRuns.clear();
    m_ButtonRuns.clear();
    Rewind();
}

void cReplayData::Rewind() { m_DirPos = m_ButtonPos = m_DirCount = m_ButtonCount = 0; }

void cReplayData::RecordFrame(int16_t direction, int16_t buttons) {
    Append(m_DirValues, m_DirRuns, direction);
    Append(m_ButtonValues, m_ButtonRuns, buttons);
}

int cReplayData::NextFrame(int16_t& direction, int16_t& buttons) {
    if (m_DirPos >= static_cast<int32_t>(m_DirValues.size()) || m_ButtonPos >= static_cast<int32_t>(m_ButtonValues.size()))
        return 1;
    Take(m_DirValues, m_DirRuns, m_DirPos, m_DirCount, direction);
    Take(m_ButtonValues, m_ButtonRuns, m_ButtonPos, m_ButtonCount, buttons);
    return 0;
}

bool cReplayData::SaveReplayFile(const char* path, cEdStage& stage) {
    cDataWriter out;
    if (!OpenDataFileWrite(out, path)) return false;
    stage.SaveAsPlaced(out);
    Save(out);
    return CloseDataFile(out);
}

bool cReplayData::LoadReplayFile(const char* path, cEdStage& stage) {
    cDataReader in;
    if (!OpenDataFileRead(in, path)) return false;
    cEdStage loadedStage;
    cReplayData loaded;
    if (!loadedStage.Load(in) || !loaded.Load(in) || in.Failed()) return false;
    loadedStage.m_FilePath = path;
    stage = loadedStage;
    *this = loaded;
    Rewind();
    return true;
}

std::string ReplayExt() { return Format("rpl4_%s", "147"); }

std::string ProposeReplayName(const std::string& stageName) {
    if (stageName.empty()) return "";
    char renamed[MAX_PATH];
    ChangeExt(renamed, stageName.c_str(), ReplayExt().c_str());
    std::string file = renamed;
    StripPath(file);
    std::string inFolder = Format("user_data\\rpl4\\%s", file.c_str());
    char candidate[MAX_PATH] = "";
    for (int a = 0; a <= 8; ++a) {
        for (int b = 0; b <= 8; ++b) {
            if (!MakeNumberedName(candidate, inFolder.c_str(), a, b)) return "";
            if (GetFileAttributesA(candidate) == INVALID_FILE_ATTRIBUTES) {
                std::string found = candidate;
                StripPath(found);
                return found;
            }
        }
    }
    std::string last = candidate;
    StripPath(last);
    return last;
}

cReplayData& CurrentReplay() {
    static cReplayData replay;
    return replay;
}

cReplayData& PreviousReplay() {
    static cReplayData replay;
    return replay;
}
