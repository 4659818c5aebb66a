#include "data/WorldMap.h"

#include <algorithm>

const char* const WorldEventTypeNames[] = {"ワールド", "道", "壁", ""};
const char* const GameClearNames[] = {"しない", "2周目へ突入", "ゲーム終了", ""};

void cWorldRec2::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Extra);
    AddField32(&m_Block);
    AddField32(&m_Picture);
    AddStringField(&m_ExtraText);
    AddStringField(&m_Text);
}

void cWorldStageEntry::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Type);
    AddField32(&m_Graphic);
    AddField32(&m_WorldNo);
    AddField32(&m_PassUncleared);
    AddField32(&m_PlayAfterClear);
    AddField32(&m_GameClear);
    AddField32(&m_NeedWorld);
    AddField32(&m_CondVar);
    AddField32(&m_CondValue);
    AddField32(&m_CondCompare);
    AddStringField(&m_WorldName);
    AddStringField(&m_StartStage);
}

cWorldEvent::cWorldEvent() {
    RegisterFields(kDataVersion);
    Init();
}

void cWorldEvent::Init() {
    Reset();
    m_Pages.assign(1, cWorldStageEntry());
}

void cWorldEvent::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_X);
    AddField32(&m_Y);
    AddStringField(&m_Name);
}

bool cWorldEvent::Load(cDataReader& in) { return cRecord::Load(in) && LoadRecordVector(m_Pages, in); }

void cWorldEvent::Save(cDataWriter& out) {
    cRecord::Save(out);
    SaveRecordVector(m_Pages, out);
}

namespace {

const int kDefaultChips = 10;

// The number of binary digits of a width.
int32_t BitLength(uint32_t value) {
    int32_t bits = 0;
    while (value >> bits) ++bits;
    return bits;
}

}  // namespace

cWorldMap::cWorldMap() {
    RegisterFields(kDataVersion);
    Init();
}

void cWorldMap::Init() {
    Reset();
    m_Name = "ワールド";
    m_StartX = 9;
    m_StartY = 7;
    m_BackColor = 16;
    m_UseBackImage = 0;
    m_Chips.assign(kDefaultChips, cWorldRec2());
    for (int i = 0; i < kDefaultChips; ++i) {
        m_Chips[i].m_Picture = i;
        m_Chips[i].m_Block = i < 5 ? 1 : 0;
        m_Chips[i].m_Text = i < 5 ? "通行不可" : "通行可";
    }
    m_Grid.clear();
    m_Events.clear();
    SetSize(20, 15);
    m_EventPalette.assign(1, cWorldEvent());
    m_EventPalette[0].m_Name = "デフォルト";
}

void cWorldMap::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Width);
    AddField32(&m_Height);
    AddField32(&m_Pitch);
    AddField32(&m_PitchBits);
    AddField32(&m_StartX);
    AddField32(&m_StartY);
    AddField32(&m_BackColor);
    AddField32(&m_UseBackImage);
    AddStringField(&m_Name);
    AddStringField(&m_BackImage);
}

bool cWorldMap::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !LoadRecordVector(m_Chips, in)) return false;
    uint32_t cells;
    if (!in.ReadCount(cells, sizeof(int32_t))) return false;
    // The grid is read by its pitch: a size, pitch or length that disagree would misplace every
    // chip or reach past the grid.
    if (m_Width < 1 || m_Width > kMaxWidth || m_Height < 1 || m_Height > kMaxHeight ||
        m_PitchBits != BitLength(m_Width) || m_Pitch != (1 << m_PitchBits) ||
        cells != static_cast<uint32_t>(m_Pitch * m_Height))
        return in.Fail();
    m_Grid.resize(cells);
    if (!in.Read(&m_Grid[0], cells * sizeof(int32_t))) return false;
    if (!LoadRecordVector(m_Events, in) || !LoadRecordVector(m_EventPalette, in)) return false;
    Validate();
    return true;
}

void cWorldMap::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
    SaveRecordVector(m_Chips, out);
    out.WriteU32(static_cast<uint32_t>(m_Grid.size()));
    if (!m_Grid.empty()) out.Write(&m_Grid[0], m_Grid.size() * sizeof(int32_t));
    SaveRecordVector(m_Events, out);
    SaveRecordVector(m_EventPalette, out);
}

void cWorldMap::SetSize(int32_t width, int32_t height) {
    const int32_t oldPitch = m_Pitch, oldHeight = m_Height;
    m_Width = Clamp(&width, 1, kMaxWidth);
    m_Height = Clamp(&height, 1, kMaxHeight);
    m_PitchBits = BitLength(width);
    m_Pitch = 1 << m_PitchBits;
    // Cells move to their (x, y) under the new pitch; columns past the width that both pitches
    // hold are kept, so narrowing and widening again loses nothing.
    cCheckedVector<int32_t, eCloseProgram> grid(static_cast<size_t>(m_Pitch) * height, 0);
    const int32_t rows = std::min(oldHeight, height), columns = std::min(oldPitch, m_Pitch);
    for (int32_t y = 0; y < rows; ++y)
        for (int32_t x = 0; x < columns; ++x) grid[y * m_Pitch + x] = m_Grid.At(y * oldPitch + x);
    m_Grid.swap(grid);
    DropEventsOutside();
}

void cWorldMap::DropEventsOutside() {
    m_Events.erase(std::remove_if(m_Events.begin(), m_Events.end(),
                                  [this](const cWorldEvent& e) {
                                      return static_cast<uint32_t>(e.m_X) >= static_cast<uint32_t>(m_Width) ||
                                             static_cast<uint32_t>(e.m_Y) >= static_cast<uint32_t>(m_Height);
                                  }),
                   m_Events.end());
}

void cWorldMap::Validate() {
    if (static_cast<uint32_t>(m_StartX) >= static_cast<uint32_t>(m_Width)) m_StartX = m_Width - 1;
    if (static_cast<uint32_t>(m_StartY) >= static_cast<uint32_t>(m_Height)) m_StartY = m_Height - 1;
    DropEventsOutside();
}

const cWorldEvent* cWorldMap::FindEvent(int32_t x, int32_t y) const {
    for (const cWorldEvent& e : m_Events)
        if (e.m_X == x && e.m_Y == y) return &e;
    return nullptr;
}

cWorldEvent* cWorldMap::FindEvent(int32_t x, int32_t y) {
    return const_cast<cWorldEvent*>(static_cast<const cWorldMap*>(this)->FindEvent(x, y));
}

void cWorldMap::PutEvent(const cWorldEvent& event, int32_t x, int32_t y) {
    cWorldEvent placed = event;
    RemoveEventsAt(x, y);
    placed.m_X = x;
    placed.m_Y = y;
    m_Events.push_back(placed);
}

bool cWorldMap::RemoveEventsAt(int32_t x, int32_t y) {
    const size_t before = m_Events.size();
    m_Events.erase(std::remove_if(m_Events.begin(), m_Events.end(),
                                  [x, y](const cWorldEvent& e) { return e.m_X == x && e.m_Y == y; }),
                   m_Events.end());
    return m_Events.size() != before;
}

bool cWorldMap::RemoveEvent(const cWorldEvent* event) {
    for (auto it = m_Events.begin(); it != m_Events.end(); ++it)
        if (&*it == event) {
            m_Events.erase(it);
            return true;
        }
    return false;
}

int32_t cWorldMap::NextWorldNumber(const cWorldEvent* leaveOut) const {
    std::vector<bool> used(kMaxWorldNo + 1, false);
    for (const cWorldEvent& e : m_Events) {
        if (&e == leaveOut) continue;
        for (const cWorldStageEntry& page : e.m_Pages)
            if (page.m_Type == eWorldEventWorld && page.m_WorldNo >= 1 && page.m_WorldNo <= kMaxWorldNo)
                used[page.m_WorldNo] = true;
    }
    for (int32_t n = 1; n <= kMaxWorldNo; ++n)
        if (!used[n]) return n;
    return 0;
}

void cWorldMap::NumberEntries(cWorldEvent& event, const cWorldEvent* leaveOut) const {
    const int32_t number = NextWorldNumber(leaveOut);
    for (cWorldStageEntry& page : event.m_Pages)
        if (page.m_Type == eWorldEventWorld) page.m_WorldNo = number;
}
