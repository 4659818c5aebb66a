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
// - The registry: RegisterFields runs once per class and version, into a table of member
//   places that every record of the class shares (RegisterFields must depend on the version
//   alone). So the default copy constructor and assignment of a record class are right, and a
//   record costs one pointer for its registry.
// - RECORD_COPY(T) adds the clone and assignment through the base that the file loads need and
//   the class's tables; every concrete record class names it.
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
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "data/DataFile.h"
#include "framework/CheckedVector.h"

class cRecord;

// Vectors of project records: the program's own close form applies to a bad index.
template <class T>
using cRecordVector = cCheckedVector<T, eCloseProgram>;

// A registered member of one record, as PlainFields and StringFields describe it.
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

// What RegisterFields lists for one record class and one file version: each member by its
// place within the record, so one table serves every record of the class (a stage holds
// hundreds of thousands of records, and a list of addresses in each would cost more than the
// record's values).
struct cFieldTable {
    struct cSlot {
        uint32_t offset;
        uint32_t bytes;  // count x width
        int32_t count;
        int8_t width;
    };
    // A member's place in the record and in the file's block of plain bytes.
    struct cPlace {
        uint32_t member;
        uint32_t file;
    };
    uint32_t version = 0;
    std::vector<cSlot> plain;
    std::vector<uint32_t> strings;  // offsets of the string members
    size_t plainBytes = 0;          // the plain members' bytes in a file
    bool building = false;          // RegisterFields is filling it
    // The plain members again, by size (1, 2, 4 and 8 bytes; the other sizes, arrays, apart):
    // a record is read and written with a fixed-size copy per member and no choice between
    // sizes for each (stages hold hundreds of thousands of records of a dozen members or more).
    std::vector<cPlace> bySize[4];
    std::vector<cPlace> other;      // with the bytes of each in bytes
    std::vector<uint32_t> otherBytes;
};

// The field tables of one record class, built once per version on first use and kept for the
// run. Any thread may ask.
class cFieldTables {
public:
    const cFieldTable& Get(const cRecord& record, uint32_t version);

private:
    std::atomic<const cFieldTable*> m_current{nullptr};  // the program's data version
    std::atomic<const cFieldTable*> m_other{nullptr};    // the last other version asked for
    std::mutex m_lock;
    std::vector<std::unique_ptr<cFieldTable>> m_tables;
};

class cRecord {
public:
    cRecord() = default;
    // Records of one class share their tables: a copy refers to its own members by place.
    cRecord(const cRecord& other) : m_table(other.m_table) {}
    cRecord& operator=(const cRecord& other) {
        m_table = other.m_table;
        return *this;
    }
    virtual ~cRecord() = default;

    // Lists the saved members for the given file version: ClearFields, then AddField... in file
    // order. It depends on the version alone and registers members of this record only. Outside
    // the building of a table (a constructor's call) it only drops the record's cached table,
    // so the next use takes the table of the record's own class.
    virtual void RegisterFields(uint32_t version) = 0;
    // The generic part of the record layout: plain members, then strings.
    virtual bool Load(cDataReader& in);
    virtual void Save(cDataWriter& out);
    virtual cRecord* Clone() const = 0;
    virtual void Assign(const cRecord& other) = 0;
    // The class's table for a version (RECORD_COPY defines it).
    virtual const cFieldTable& FieldTable(uint32_t version) const = 0;

    // Zeroes every plain member and empties every string of the current version's list.
    void Reset();
    // Copies the registered members of a record of the same class, position by position.
    void CopyFields(const cRecord& other);
    // Removes every carriage return from the record's own strings (not from child records).
    void StripCR();

    bool LoadFile(const char* path, bool strip = false);
    bool SaveFile(const char* path);
    // Toolkit API: loads the newest numbered copy "path-without-extension.ext_NNN" (999 down to
    // 000), for files kept in numbered copies; false when there is none or it does not load.
    bool LoadNumberedFile(const char* path, const char* ext, bool strip = false);

    // Test seams: the registered members for the current version, with their addresses in this
    // record.
    cCheckedVector<cPlainField> PlainFields() const;
    cCheckedVector<cStringField> StringFields() const;

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
    friend class cFieldTables;
    friend bool RecordsEqual(const cRecord& a, const cRecord& b);
    template <int Width, class T>
    void AddSized(T* member, int count) {
        static_assert(sizeof(T) == Width, "the member's size does not match the field width");
        AddField(member, count, Width);
    }
    void AddField(void* member, int count, int width);
    // The table being built by this record's RegisterFields; null outside a build.
    cFieldTable* Building() const { return m_table && m_table->building ? const_cast<cFieldTable*>(m_table) : nullptr; }
    void BuildTable(cFieldTable& table, uint32_t version) const;
    const cFieldTable& Fields(uint32_t version) const;
    const cFieldTable& Fields() const { return Fields(GetDataVersion()); }
    bool LoadFields(const cFieldTable& table, cDataReader& in);

    // The class's table of the current version once used (a description, not a value).
    mutable const cFieldTable* m_table = nullptr;
};

// The copy operations and the field tables every concrete record class declares with
// RECORD_COPY(ClassName).
#define RECORD_COPY(T)                                                                     \
    cRecord* Clone() const override { return new T(*this); }                               \
    void Assign(const cRecord& other) override { *this = static_cast<const T&>(other); }   \
    const cFieldTable& FieldTable(uint32_t version) const override {                       \
        static cFieldTables tables;                                                        \
        return tables.Get(*this, version);                                                 \
    }

// Compares two records of the same class member by member, every element of an array
// included (8-byte members as doubles), through each class's own table, so the result never
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
    // Most child lists are empty: nothing is built for them (stages hold many records).
    if (count == 0) {
        records.clear();
        return true;
    }
    V loaded;
    const T fresh;
    for (uint32_t i = 0; i < count; ++i) {
        loaded.push_back(fresh);
        if (!loaded.back().Load(in)) return false;
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
