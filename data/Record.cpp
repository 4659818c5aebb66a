#include "data/Record.h"

#include <algorithm>
#include <cstring>

#include "framework/Path.h"

cRecord::cRecord(const cRecord& other) { CopyRegistry(other); }

cRecord& cRecord::operator=(const cRecord& other) {
    if (this != &other) CopyRegistry(other);
    return *this;
}

// The copy's registry names the copy's own members: same offset within the record.
void cRecord::CopyRegistry(const cRecord& other) {
    char* self = reinterpret_cast<char*>(this);
    m_Fields.clear();
    for (const cPlainField& f : other.m_Fields) {
        ptrdiff_t offset = static_cast<char*>(f.address) - reinterpret_cast<char*>(f.owner);
        m_Fields.push_back({this, self + offset, f.count, f.width});
    }
    m_Strings.clear();
    for (const cStringField& s : other.m_Strings) {
        ptrdiff_t offset = reinterpret_cast<char*>(s.address) - reinterpret_cast<char*>(s.owner);
        m_Strings.push_back({this, reinterpret_cast<std::string*>(self + offset)});
    }
}

void cRecord::ClearFields() {
    m_Fields.clear();
    m_Strings.clear();
}

void cRecord::AddField(void* member, int count, int width) {
    m_Fields.push_back({this, member, count, static_cast<int8_t>(width)});
}

void cRecord::AddStringField(std::string* member) { m_Strings.push_back({this, member}); }

bool cRecord::Load(cDataReader& in) {
    RegisterFields(in.Version());
    bool ok = LoadFields(in);
    RegisterFields(GetDataVersion());
    return ok;
}

// The counts must match the registry of the file's version: anything else is not this record.
bool cRecord::LoadFields(cDataReader& in) {
    uint32_t count;
    if (!in.ReadU32(count)) return false;
    if (count != m_Fields.size()) return in.Fail();
    for (const cPlainField& f : m_Fields)
        if (!in.Read(f.address, f.count * f.width)) return false;
    if (!in.ReadU32(count)) return false;
    if (count != m_Strings.size()) return in.Fail();
    for (const cStringField& s : m_Strings)
        if (!in.ReadString(*s.address)) return false;
    return true;
}

void cRecord::Save(cDataWriter& out) {
    RegisterFields(GetDataVersion());
    out.WriteU32(static_cast<uint32_t>(m_Fields.size()));
    for (const cPlainField& f : m_Fields) out.Write(f.address, f.count * f.width);
    out.WriteU32(static_cast<uint32_t>(m_Strings.size()));
    for (const cStringField& s : m_Strings) out.WriteString(*s.address);
}

void cRecord::Reset() {
    RegisterFields(GetDataVersion());
    for (const cPlainField& f : m_Fields) memset(f.address, 0, f.count * f.width);
    for (const cStringField& s : m_Strings) s.address->clear();
}

void cRecord::CopyFields(cRecord& other) {
    RegisterFields(GetDataVersion());
    other.RegisterFields(GetDataVersion());
    size_t plain = std::min(m_Fields.size(), other.m_Fields.size());
    for (size_t i = 0; i < plain; ++i) {
        size_t size = std::min(m_Fields[i].count * m_Fields[i].width, other.m_Fields[i].count * other.m_Fields[i].width);
        memcpy(m_Fields[i].address, other.m_Fields[i].address, size);
    }
    size_t strings = std::min(m_Strings.size(), other.m_Strings.size());
    for (size_t i = 0; i < strings; ++i) *m_Strings[i].address = *other.m_Strings[i].address;
}

void cRecord::StripCR() {
    for (const cStringField& s : m_Strings) s.address->erase(std::remove(s.address->begin(), s.address->end(), '\r'), s.address->end());
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

bool FieldsEqual(const cPlainField& a, const cPlainField& b) {
    if (a.count != b.count || a.width != b.width) return false;
    if (a.width != 8) return memcmp(a.address, b.address, a.count * a.width) == 0;
    for (int i = 0; i < a.count; ++i) {
        double x, y;
        memcpy(&x, static_cast<const char*>(a.address) + i * 8, 8);
        memcpy(&y, static_cast<const char*>(b.address) + i * 8, 8);
        if (x != y) return false;
    }
    return true;
}

}  // namespace

bool RecordsEqual(const cRecord& a, const cRecord& b) {
    // Registration touches only the registries, which are mutable.
    const_cast<cRecord&>(a).RegisterFields(GetDataVersion());
    const_cast<cRecord&>(b).RegisterFields(GetDataVersion());
    const auto& fa = a.PlainFields();
    const auto& fb = b.PlainFields();
    const auto& sa = a.StringFields();
    const auto& sb = b.StringFields();
    if (fa.size() != fb.size() || sa.size() != sb.size()) return false;
    for (size_t i = 0; i < fa.size(); ++i)
        if (!FieldsEqual(fa[i], fb[i])) return false;
    for (size_t i = 0; i < sa.size(); ++i)
        if (*sa[i].address != *sb[i].address) return false;
    return true;
}
