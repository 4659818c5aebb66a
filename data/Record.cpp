#include "data/Record.h"

#include <algorithm>
#include <cstring>

#include "framework/Path.h"

namespace {

// Sorts the plain members by size for CopyPlain.
void SortBySize(cFieldTable& table) {
    for (auto& places : table.bySize) places.clear();
    table.other.clear();
    table.otherBytes.clear();
    uint32_t file = 0;
    for (const cFieldTable::cSlot& f : table.plain) {
        const cFieldTable::cPlace place = {f.offset, file};
        const int size = f.bytes == 1 ? 0 : f.bytes == 2 ? 1 : f.bytes == 4 ? 2 : f.bytes == 8 ? 3 : -1;
        if (size >= 0) {
            table.bySize[size].push_back(place);
        } else {
            table.other.push_back(place);
            table.otherBytes.push_back(f.bytes);
        }
        file += f.bytes;
    }
}

// Copies members of one size between a record and the file's block of plain members: into
// the record for a load, out of it for a save.
template <uint32_t Bytes, bool Load>
inline void CopySized(const std::vector<cFieldTable::cPlace>& places, char* to, const char* from) {
    for (const cFieldTable::cPlace& p : places) memcpy(to + (Load ? p.member : p.file), from + (Load ? p.file : p.member), Bytes);
}

template <bool Load>
void CopyPlain(const cFieldTable& table, char* to, const char* from) {
    CopySized<1, Load>(table.bySize[0], to, from);
    CopySized<2, Load>(table.bySize[1], to, from);
    CopySized<4, Load>(table.bySize[2], to, from);
    CopySized<8, Load>(table.bySize[3], to, from);
    for (size_t i = 0; i < table.other.size(); ++i) {
        const cFieldTable::cPlace& p = table.other[i];
        memcpy(to + (Load ? p.member : p.file), from + (Load ? p.file : p.member), table.otherBytes[i]);
    }
}

inline void PutU32(char* to, uint32_t value) {
    const unsigned char b[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    memcpy(to, b, 4);
}

}  // namespace

const cFieldTable& cFieldTables::Get(const cRecord& record, uint32_t version) {
    const bool current = version == GetDataVersion();
    std::atomic<const cFieldTable*>& recent = current ? m_current : m_other;
    const cFieldTable* table = recent.load(std::memory_order_acquire);
    if (table && table->version == version) return *table;
    std::lock_guard<std::mutex> lock(m_lock);
    for (const auto& kept : m_tables)
        if (kept->version == version) table = kept.get();
    if (!table || table->version != version) {
        std::unique_ptr<cFieldTable> built(new cFieldTable);
        record.BuildTable(*built, version);
        table = built.get();
        m_tables.push_back(std::move(built));
    }
    recent.store(table, std::memory_order_release);
    return *table;
}

void cRecord::BuildTable(cFieldTable& table, uint32_t version) const {
    const cFieldTable* cached = m_table;
    table.version = version;
    table.building = true;
    m_table = &table;
    const_cast<cRecord*>(this)->RegisterFields(version);
    table.building = false;
    SortBySize(table);
    m_table = cached;
}

const cFieldTable& cRecord::Fields(uint32_t version) const {
    if (m_table && m_table->version == version) return *m_table;
    const cFieldTable& table = FieldTable(version);
    if (version == GetDataVersion()) m_table = &table;
    return table;
}

void cRecord::ClearFields() {
    if (cFieldTable* table = Building()) {
        table->plain.clear();
        table->strings.clear();
        table->plainBytes = 0;
    } else {
        m_table = nullptr;
    }
}

void cRecord::AddField(void* member, int count, int width) {
    cFieldTable* table = Building();
    if (!table) return;
    const uint32_t offset = static_cast<uint32_t>(static_cast<char*>(member) - reinterpret_cast<char*>(this));
    const uint32_t bytes = static_cast<uint32_t>(count * width);
    table->plain.push_back({offset, bytes, count, static_cast<int8_t>(width)});
    table->plainBytes += bytes;
}

void cRecord::AddStringField(std::string* member) {
    if (cFieldTable* table = Building())
        table->strings.push_back(static_cast<uint32_t>(reinterpret_cast<char*>(member) - reinterpret_cast<char*>(this)));
}

cCheckedVector<cPlainField> cRecord::PlainFields() const {
    cCheckedVector<cPlainField> fields;
    cRecord* self = const_cast<cRecord*>(this);
    for (const cFieldTable::cSlot& f : Fields().plain)
        fields.push_back({self, reinterpret_cast<char*>(self) + f.offset, f.count, f.width});
    return fields;
}

cCheckedVector<cStringField> cRecord::StringFields() const {
    cCheckedVector<cStringField> fields;
    cRecord* self = const_cast<cRecord*>(this);
    for (uint32_t offset : Fields().strings)
        fields.push_back({self, reinterpret_cast<std::string*>(reinterpret_cast<char*>(self) + offset)});
    return fields;
}

bool cRecord::Load(cDataReader& in) { return LoadFields(Fields(in.Version()), in); }

// The counts must match the registry of the file's version: anything else is not this record.
bool cRecord::LoadFields(const cFieldTable& table, cDataReader& in) {
    uint32_t count;
    if (!in.ReadU32(count)) return false;
    if (count != table.plain.size()) return in.Fail();
    const char* from = in.Take(table.plainBytes);
    if (!from) return false;
    char* self = reinterpret_cast<char*>(this);
    CopyPlain<true>(table, self, from);
    if (!in.ReadU32(count)) return false;
    if (count != table.strings.size()) return in.Fail();
    for (uint32_t offset : table.strings)
        if (!in.ReadString(*reinterpret_cast<std::string*>(self + offset))) return false;
    return true;
}

void cRecord::Save(cDataWriter& out) {
    const cFieldTable& table = Fields();
    char* to = out.Extend(8 + table.plainBytes);
    PutU32(to, static_cast<uint32_t>(table.plain.size()));
    to += 4;
    const char* self = reinterpret_cast<const char*>(this);
    CopyPlain<false>(table, to, self);
    PutU32(to + table.plainBytes, static_cast<uint32_t>(table.strings.size()));
    for (uint32_t offset : table.strings) out.WriteString(*reinterpret_cast<const std::string*>(self + offset));
}

void cRecord::Reset() {
    const cFieldTable& table = Fields();
    char* self = reinterpret_cast<char*>(this);
    for (const cFieldTable::cSlot& f : table.plain) memset(self + f.offset, 0, f.bytes);
    for (uint32_t offset : table.strings) reinterpret_cast<std::string*>(self + offset)->clear();
}

void cRecord::CopyFields(const cRecord& other) {
    const cFieldTable& mine = Fields();
    const cFieldTable& theirs = other.Fields();
    char* self = reinterpret_cast<char*>(this);
    const char* source = reinterpret_cast<const char*>(&other);
    const size_t plain = std::min(mine.plain.size(), theirs.plain.size());
    for (size_t i = 0; i < plain; ++i)
        memcpy(self + mine.plain[i].offset, source + theirs.plain[i].offset, std::min(mine.plain[i].bytes, theirs.plain[i].bytes));
    const size_t strings = std::min(mine.strings.size(), theirs.strings.size());
    for (size_t i = 0; i < strings; ++i)
        *reinterpret_cast<std::string*>(self + mine.strings[i]) = *reinterpret_cast<const std::string*>(source + theirs.strings[i]);
}

void cRecord::StripCR() {
    char* self = reinterpret_cast<char*>(this);
    for (uint32_t offset : Fields().strings) {
        std::string& text = *reinterpret_cast<std::string*>(self + offset);
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    }
}

bool cRecord::LoadFile(const char* path, bool strip) {
    cDataReader in;
    if (!OpenDataFileRead(in, path)) return false;
    std::unique_ptr<cRecord> loaded(Clone());
    if (!loaded->Load(in) || in.Failed()) return false;
    if (strip) loaded->StripCR();
    Assign(*loaded);
    return true;
}

bool cRecord::SaveFile(const char* path) {
    cDataWriter out;
    if (!OpenDataFileWrite(out, path)) return false;
    Save(out);
    return CloseDataFile(out);
}

bool cRecord::LoadNumberedFile(const char* path, const char* ext, bool strip) {
    std::string found;
    return path && path[0] && FindNumberedFile(found, path, ext) && LoadFile(found.c_str(), strip);
}

namespace {

bool FieldsEqual(const cFieldTable::cSlot& f, const char* a, const cFieldTable::cSlot& g, const char* b) {
    if (f.count != g.count || f.width != g.width) return false;
    if (f.width != 8) return memcmp(a, b, f.bytes) == 0;
    for (int i = 0; i < f.count; ++i) {
        double x, y;
        memcpy(&x, a + i * 8, 8);
        memcpy(&y, b + i * 8, 8);
        if (x != y) return false;
    }
    return true;
}

}  // namespace

bool RecordsEqual(const cRecord& a, const cRecord& b) {
    const cFieldTable& ta = a.Fields();
    const cFieldTable& tb = b.Fields();
    if (ta.plain.size() != tb.plain.size() || ta.strings.size() != tb.strings.size()) return false;
    const char* pa = reinterpret_cast<const char*>(&a);
    const char* pb = reinterpret_cast<const char*>(&b);
    for (size_t i = 0; i < ta.plain.size(); ++i)
        if (!FieldsEqual(ta.plain[i], pa + ta.plain[i].offset, tb.plain[i], pb + tb.plain[i].offset)) return false;
    for (size_t i = 0; i < ta.strings.size(); ++i)
        if (*reinterpret_cast<const std::string*>(pa + ta.strings[i]) != *reinterpret_cast<const std::string*>(pb + tb.strings[i]))
            return false;
    return true;
}
