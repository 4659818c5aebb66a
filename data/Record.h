#pragma once
// The record base: every project file of both programs is read and written through cRecord.
//
// A record class lists its saved members, in file order, in RegisterFields(version); the base
// loads and saves any record from that list, and an older file is read by registering the
// members that its version had. A record class:
//
//     class cAnimeFrame : public cRecord {
//     public:
//         cAnimeFrame() { RegisterFields(kDataVersion); Init(); }
//         void Init() { Reset(); m_Time = 1; }              // Reset zeroes what is registered
//         void RegisterFields(uint32_t version) override {
//             ClearFields();
//             AddField32(&m_Cell);                          // width checked when compiled
//             if (version >= 55) AddField32(&m_Time);       // introduced by version 55
//             AddField16(m_Pos, 3);                         // an array of three 16-bit values
//             AddStringField(&m_Name);
//         }
//         RECORD_COPY(cAnimeFrame)
//         int32_t m_Cell, m_Time;
//         int16_t m_Pos[3];
//         std::string m_Name;
//     };
//
// - Copies: the default copy constructor and assignment of a record class are right (the base
//   rebases the registry onto the copy). RECORD_COPY(T) adds the clone and assignment through
//   the base that the file loads need; every concrete record class names it.
// - Extra data (child vectors, sub-records, byte vectors) goes in overrides of Load and Save
//   that call the base first and then read or write in the same order:
//         bool Load(cDataReader& in) override {
//             if (!cRecord::Load(in)) return false;
//             if (!LoadRecordVector(m_Frames, in)) return false;
//             if (in.Version() < 128) { ... upgrade ... }
//             return true;
//         }
//         void Save(cDataWriter& out) override { cRecord::Save(out); SaveRecordVector(m_Frames, out); }
//   Read only through the reader (it checks every read); return false at the first failure.
//   Upgrades test in.Version(), the version of the file being read.
// - Files: record.LoadFile(path, strip) and record.SaveFile(path); LoadVectorFile(vector, path,
//   strip) and SaveVectorFile(vector, path) for table files. A load reads into a copy and
//   assigns it only when the whole file was read, so a failed load leaves the record as it was;
//   a save goes through the safe save, so a failed save leaves the old file. All return false on
//   failure and show nothing: the caller decides what to tell the user.
// - Shared-pointer members (boost::shared_ptr) are extra data: the owning class writes a 4-byte
//   presence word (1 with a record, 0 without; reading anything else fails the load) and then
//   the pointee's own Save; its copy operations copy the pointee into a new object, so a copy
//   never shares it with its source.
// - Vectors of records are cRecordVector<T>.
#include <cstdint>
#include <memory>
#include <string>

#include "data/DataFile.h"
#include "framework/CheckedVector.h"

class cRecord;

// Vectors of project records: the program's own close form applies to a bad index.
template <class T>
using cRecordVector = cCheckedVector<T, eCloseProgram>;

struct cPlainField {
    cRecord* owner;
    void* address;
    int32_t count;
    int8_t width;
};

struct cStringField {
    cRecord* owner;
    std::string* address;
};

class cRecord {
public:
    cRecord() = default;
    cRecord(const cRecord& other);
    cRecord& operator=(const cRecord& other);
    virtual ~cRecord() = default;

    // Empties the registry, then registers the saved members for the given file version.
    virtual void RegisterFields(uint32_t version) = 0;
    // The generic part of the record layout: plain members, then strings.
    virtual bool Load(cDataReader& in);
    virtual void Save(cDataWriter& out);
    virtual cRecord* Clone() const = 0;
    virtual void Assign(const cRecord& other) = 0;

    // Registers for the current version, zeroes every plain member and empties every string.
    void Reset();
    // Copies the registered members of a record of the same class, position by position.
    void CopyFields(cRecord& other);
    // Removes every carriage return from the record's own strings (not from child records).
    void StripCR();

    bool LoadFile(const char* path, bool strip = false);
    bool SaveFile(const char* path);
    // Loads the newest numbered copy "path-without-extension.ext_NNN" (999 down to 000).
    bool LoadNumberedFile(const char* path, const char* ext, bool strip = false);

    const cCheckedVector<cPlainField>& PlainFields() const { return m_Fields; }
    const cCheckedVector<cStringField>& StringFields() const { return m_Strings; }

protected:
    void ClearFields();
    template <class T>
    void AddField8(T* member, int count = 1) { AddSized<1>(member, count); }
    template <class T>
    void AddField16(T* member, int count = 1) { AddSized<2>(member, count); }
    template <class T>
    void AddField32(T* member, int count = 1) { AddSized<4>(member, count); }
    template <class T>
    void AddField64(T* member, int count = 1) { AddSized<8>(member, count); }
    void AddStringField(std::string* member);

private:
    template <int Width, class T>
    void AddSized(T* member, int count) {
        static_assert(sizeof(T) == Width, "the member's size does not match the field width");
        AddField(member, count, Width);
    }
    void AddField(void* member, int count, int width);
    void CopyRegistry(const cRecord& other);
    bool LoadFields(cDataReader& in);

    // The record's description of itself, not its value: RecordsEqual may rebuild it on a
    // const record.
    mutable cCheckedVector<cPlainField> m_Fields;
    mutable cCheckedVector<cStringField> m_Strings;
};

// The copy operations every concrete record class declares with RECORD_COPY(ClassName).
#define RECORD_COPY(T)                                                                     \
    cRecord* Clone() const override { return new T(*this); }                               \
    void Assign(const cRecord& other) override { *this = static_cast<const T&>(other); }

// Compares two records of the same class member by member, every element of an array
// included (8-byte members as doubles). Both registries are rebuilt first, so the result never
// depends on how the records were copied.
bool RecordsEqual(const cRecord& a, const cRecord& b);

// Every record takes at least its two counts in a file: the bound for vector counts.
const size_t kMinRecordBytes = 8;

// A vector of records: a 4-byte count, then each element in its record layout. The vector is
// replaced only when every element was read; elements start from the class's defaults.
template <class V>
bool LoadRecordVector(V& records, cDataReader& in) {
    typedef typename V::value_type T;
    uint32_t count;
    if (!in.ReadCount(count, kMinRecordBytes)) return false;
    V loaded;
    // Most child lists are empty: no element is built for them (stages hold many records).
    if (count) {
        const T fresh;
        for (uint32_t i = 0; i < count; ++i) {
            loaded.push_back(fresh);
            if (!loaded.back().Load(in)) return false;
        }
    }
    records.swap(loaded);
    return true;
}

template <class V>
void SaveRecordVector(V& records, cDataWriter& out) {
    out.WriteU32(static_cast<uint32_t>(records.size()));
    for (auto& record : records) record.Save(out);
}

// A table file: the data version, then one vector of records.
template <class V>
bool LoadVectorFile(V& records, const char* path, bool strip = false) {
    cDataReader in;
    if (!OpenDataFileRead(in, path)) return false;
    V loaded;
    if (!LoadRecordVector(loaded, in) || in.Failed()) return false;
    if (strip)
        for (auto& record : loaded) record.StripCR();
    records.swap(loaded);
    return true;
}

template <class V>
bool SaveVectorFile(V& records, const char* path) {
    cDataWriter out;
    if (!OpenDataFileWrite(out, path)) return false;
    SaveRecordVector(records, out);
    return CloseDataFile(out);
}
