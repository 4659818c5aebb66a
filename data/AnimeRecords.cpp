#include "data/AnimeRecords.h"

cAnimeFrame::cAnimeFrame() {
    RegisterFields(kDataVersion);
    Init();
}

void cAnimeFrame::Init() {
    Reset();
    m_Time = 1;
}

void cAnimeFrame::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Cell);
    AddField32(&m_Time);
    AddField32(&m_RunCommand);
}

cAnime::cAnime() {
    RegisterFields(kDataVersion);
    Init();
}

void cAnime::Init() {
    Reset();
    m_SampleKind = 1;
    m_Frames.assign(1, cAnimeFrame());
}

void cAnime::RegisterFields(uint32_t version) {
    ClearFields();
    if (version >= 55) {
        AddField16(&m_SampleNo);
        AddField8(&m_SampleKind);
        AddField16(&m_SampleCell);
    }
    AddStringField(&m_Name);
}

bool cAnime::Load(cDataReader& in) { return cRecord::Load(in) && LoadRecordVector(m_Frames, in); }

void cAnime::Save(cDataWriter& out) {
    cRecord::Save(out);
    SaveRecordVector(m_Frames, out);
}

namespace {
const char* const kSlotNames[cAnimeSet::kSlots] = {"立ち", "立ち移動", "飛行", "飛行移動"};
}

cAnimeSet::cAnimeSet() {
    RegisterFields(kDataVersion);
    Init();
}

void cAnimeSet::Init() {
    Reset();
    m_Slots.assign(kSlots, cAnime());
    for (int i = 0; i < kSlots; ++i) m_Slots[i].m_Name = kSlotNames[i];
}

void cAnimeSet::RegisterFields(uint32_t version) {
    ClearFields();
    AddField32(&m_InvincibleOffset);
    AddField32(&m_BlockOffset);
    if (version >= 119) AddField32(&m_FlyOffset);
    AddStringField(&m_Name);
}

bool cAnimeSet::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !LoadRecordVector(m_Slots, in)) return false;
    // Sets older than 128 had no flying slots: exactly four slots, the last two named.
    if (in.Version() < 128) {
        m_Slots.resize(kSlots);
        m_Slots[2].m_Name = kSlotNames[2];
        m_Slots[3].m_Name = kSlotNames[3];
    }
    return true;
}

void cAnimeSet::Save(cDataWriter& out) {
    cRecord::Save(out);
    SaveRecordVector(m_Slots, out);
}
