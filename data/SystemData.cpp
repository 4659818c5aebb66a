#include "data/SystemData.h"

void cSysRecA::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Show);
    AddField32(&m_ShowSymbol);
    AddStringField(&m_Text);
    AddField32(&m_MaxDigits);
}

void cSysRecB::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Shown);
    AddStringField(&m_Text);
}

void cSysRecC::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Kind);
    AddStringField(&m_Key);
    AddField32(&m_IntDefault);
    AddStringField(&m_StrDefault);
}

cRankingSetting::cRankingSetting() {
    RegisterFields(kDataVersion);
    Reset();
    m_Shown.assign(kKinds, 0);
}

void cRankingSetting::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_On);
}

bool cRankingSetting::Load(cDataReader& in) { return cRecord::Load(in) && ReadByteVector(m_Shown, in); }

void cRankingSetting::Save(cDataWriter& out) {
    cRecord::Save(out);
    WriteByteVector(m_Shown, out);
}

namespace {

bool ReadOne(cDataReader& in, uint8_t& flag) { return in.Read(&flag, 1); }
bool ReadOne(cDataReader& in, int32_t& value) { return in.Read(&value, 4); }
bool ReadOne(cDataReader& in, std::string& text) { return in.ReadString(text); }
bool ReadOne(cDataReader& in, cRecord& record) { return record.Load(in); }

void WriteOne(cDataWriter& out, uint8_t flag) { out.Write(&flag, 1); }
void WriteOne(cDataWriter& out, int32_t value) { out.Write(&value, 4); }
void WriteOne(cDataWriter& out, const std::string& text) { out.WriteString(text); }
void WriteOne(cDataWriter& out, cRecord& record) { record.Save(out); }

// The fewest bytes one stored entry takes.
size_t MinBytes(const uint8_t&) { return 1; }
size_t MinBytes(const int32_t&) { return 4; }
size_t MinBytes(const std::string&) { return 4; }
size_t MinBytes(const cRecord&) { return kMinRecordBytes; }

// Both programs read these lists at fixed places up to the factory length: a shorter list keeps
// the factory entries past its end, a longer one keeps all its entries (they are written back
// as they came). Stored entries start from the element's own defaults.
template <class V>
bool ReadList(V& list, const V& factory, cDataReader& in) {
    typedef typename V::value_type T;
    uint32_t count;
    if (!in.ReadCount(count, MinBytes(T()))) return false;
    V loaded(factory);
    if (count > loaded.size()) loaded.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        loaded[i] = T();
        if (!ReadOne(in, loaded[i])) return false;
    }
    list.swap(loaded);
    return true;
}

template <class V>
void WriteList(V& list, cDataWriter& out) {
    out.WriteU32(static_cast<uint32_t>(list.size()));
    for (auto& entry : list) WriteOne(out, entry);
}

}  // namespace

cSystemData::cSystemData() {
    RegisterFields(kDataVersion);
    SystemDataDefaults(*this);
}

void cSystemData::RegisterFields(uint32_t version) {
    ClearFields();
    AddField32(&m_ScorePerLife);
    AddField32(&m_HidePlacedInPause);
    AddField32(&m_SymbolText);
    if (version >= 113) AddField32(&m_TestFlowsOutsideTest);
    AddField32(&m_LivesShared);
    AddField32(&m_WorldCount);
    AddField32(&m_AllWorldsSelectable);
    AddStringField(&m_Title);
}

bool cSystemData::Load(cDataReader& in) {
    const cSystemData factory;
    if (!cRecord::Load(in) || !ReadList(m_StockTargets, factory.m_StockTargets, in) ||
        !ReadList(m_StatusItems, factory.m_StatusItems, in) || !ReadList(m_InitialLives, factory.m_InitialLives, in) ||
        !ReadList(m_Terms, factory.m_Terms, in) || !ReadList(m_SoundFiles, factory.m_SoundFiles, in) ||
        !ReadList(m_MenuMusic, factory.m_MenuMusic, in) || !ReadList(m_TitleMenu, factory.m_TitleMenu, in) ||
        !ReadList(m_WorldMenu, factory.m_WorldMenu, in) || !ReadList(m_OptionMenu, factory.m_OptionMenu, in) ||
        !ReadList(m_IniKeys, factory.m_IniKeys, in))
        return false;
    // The ranking settings follow the System.ini keys; a file that ends before them comes from
    // a writer that did not keep them, and the settings stay as they are.
    if (in.Remaining() && !ReadList(m_RankingSettings, factory.m_RankingSettings, in)) return false;
    Validate();
    return true;
}

void cSystemData::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
    WriteList(m_StockTargets, out);
    WriteList(m_StatusItems, out);
    WriteList(m_InitialLives, out);
    WriteList(m_Terms, out);
    WriteList(m_SoundFiles, out);
    WriteList(m_MenuMusic, out);
    WriteList(m_TitleMenu, out);
    WriteList(m_WorldMenu, out);
    WriteList(m_OptionMenu, out);
    WriteList(m_IniKeys, out);
    WriteList(m_RankingSettings, out);
}

void cSystemData::Validate() {
    if (!m_BgmTable) return;
    for (int32_t& music : m_MenuMusic)
        if (static_cast<uint32_t>(music) >= m_BgmTable->size()) music = 0;
}
