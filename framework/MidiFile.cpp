#include "framework/MidiFile.h"

#include <cstring>
#include <queue>

#include "framework/ErrorLog.h"
#include "framework/SafeFile.h"

namespace {

const uint8_t kMeta = 0xFF;
const uint8_t kMetaEndOfTrack = 0x2F;
const uint8_t kMetaTempo = 0x51;

uint32_t ReadBig32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint16_t ReadBig16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }

void AppendQuantity(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t bytes[4];
    int n = 0;
    do {
        bytes[n++] = uint8_t(v & 0x7F);
        v >>= 7;
    } while (v && n < 4);
    while (n-- > 1) out.push_back(bytes[n] | 0x80);
    out.push_back(bytes[0]);
}

// Reads inside one chunk; every read fails at the chunk's end instead of running past it.
class cChunkReader {
public:
    cChunkReader(const std::vector<uint8_t>& bytes, size_t begin, size_t end) : m_bytes(bytes), m_pos(begin), m_end(end) {}

    size_t Pos() const { return m_pos; }
    bool Byte(uint8_t& v) {
        if (m_pos >= m_end) return false;
        v = m_bytes[m_pos++];
        return true;
    }
    bool Skip(uint32_t n) {
        if (n > m_end - m_pos) return false;
        m_pos += n;
        return true;
    }
    // A variable-length quantity of at most four bytes.
    bool Quantity(uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b;
            if (!Byte(b)) return false;
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }

private:
    const std::vector<uint8_t>& m_bytes;
    size_t m_pos;
    size_t m_end;
};

// Parses one track chunk's events. The end-of-track event ends the track and is not kept; its
// time is returned in endTime. A data byte where a status is expected repeats the last channel
// status of the track; meta and SysEx events in between do not replace it.
bool ParseTrack(const std::vector<uint8_t>& bytes, size_t begin, size_t end, cMidiFile::cTrack& track, uint32_t& endTime) {
    cChunkReader in(bytes, begin, end);
    uint64_t time = 0;
    uint8_t running = 0;
    for (;;) {
        uint32_t delta;
        uint8_t status;
        if (!in.Quantity(delta) || !in.Byte(status)) return false;
        time += delta;
        if (time > UINT32_MAX) return false;
        cMidiFile::cEvent event = {uint32_t(time), 0, 0, status, 0};
        if (status < 0x80) {
            if (!running) return false;
            event.status = running;
            event.offset = uint32_t(in.Pos() - 1);
        } else if (status < 0xF0) {
            running = status;
            event.offset = uint32_t(in.Pos());
        }
        if (event.status < 0xF0) {
            bool oneByte = event.status >= 0xC0 && event.status < 0xE0;
            event.size = oneByte ? 1 : 2;
            uint8_t data;
            for (uint32_t i = status < 0x80 ? 1 : 0; i < event.size; ++i)  // a repeated status was a data byte
                if (!in.Byte(data) || data >= 0x80) return false;
        } else if (status == 0xF0 || status == 0xF7 || status == kMeta) {
            if (status == kMeta && !in.Byte(event.type)) return false;
            if (!in.Quantity(event.size)) return false;
            event.offset = uint32_t(in.Pos());
            if (!in.Skip(event.size)) return false;
            if (status == kMeta && event.type == kMetaEndOfTrack) {
                endTime = event.time;
                return true;
            }
            if (status == kMeta && event.type == kMetaTempo && event.size != 3) return false;
        } else {
            return false;  // system common and real-time messages have no place in a file
        }
        track.push_back(event);
    }
}

// Seconds of playing time: tempo events and the final end-of-track event add the ticks since
// the previous tempo event at the tempo in force. SMPTE divisions count frames, not beats.
double MeasureSongLength(const std::vector<cMidiFile::cEvent>& events, const std::vector<uint8_t>& bytes, uint16_t division) {
    if (division & 0x8000) {
        int framesPerSecond = -static_cast<int8_t>(division >> 8);
        int ticksPerFrame = division & 0xFF;
        if (framesPerSecond <= 0 || ticksPerFrame <= 0 || events.empty()) return 0;
        return events.back().time / double(framesPerSecond * ticksPerFrame);
    }
    double seconds = 0;
    double tempo = 500000;
    uint32_t previous = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        const cMidiFile::cEvent& e = events[i];
        bool last = i + 1 == events.size();
        bool isTempo = e.status == kMeta && e.type == kMetaTempo && e.size == 3;
        if (!isTempo && !last) continue;
        seconds += (e.time - previous) * tempo * 0.000001 / division;
        previous = e.time;
        if (isTempo) tempo = bytes[e.offset] << 16 | bytes[e.offset + 1] << 8 | bytes[e.offset + 2];
    }
    return seconds;
}

// Writes the merged events as a format-0 file with full status bytes. Every delta time fits
// into four bytes: the event before another in the merged list is never earlier than that
// event's predecessor in its own track, whose delta was read from four bytes at most.
void WriteImage(const std::vector<cMidiFile::cEvent>& events, const std::vector<uint8_t>& bytes, uint16_t division,
                std::vector<uint8_t>& image) {
    const uint8_t header[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, uint8_t(division >> 8), uint8_t(division), 'M', 'T', 'r', 'k', 0, 0, 0, 0};
    image.assign(header, header + sizeof header);
    uint32_t previous = 0;
    for (const cMidiFile::cEvent& e : events) {
        uint32_t delta = e.time - previous;
        previous = e.time;
        AppendQuantity(image, delta);
        image.push_back(e.status);
        if (e.status == kMeta) image.push_back(e.type);
        if (e.status >= 0xF0) AppendQuantity(image, e.size);
        image.insert(image.end(), bytes.begin() + e.offset, bytes.begin() + e.offset + e.size);
    }
    uint32_t length = uint32_t(image.size() - kMidiTrackStart);
    for (int i = 0; i < 4; ++i) image[18 + i] = uint8_t(length >> (24 - 8 * i));
}

}  // namespace

cMidiFile::cMidiFile(const char* file) : m_strFile(file ? file : "") {
    if (!Load()) m_Image.clear();
}

uint16_t cMidiFile::GetDivision() const { return m_Image.size() >= 14 ? ReadBig16(&m_Image[12]) : 0; }

std::vector<cMidiFile::cEvent> cMidiFile::MergeTracks(const std::vector<cTrack>& tracks) {
    typedef std::pair<uint64_t, size_t> cKey;  // (time << 32 | track, position in the track)
    std::priority_queue<cKey, std::vector<cKey>, std::greater<cKey>> heads;
    size_t total = 0;
    for (size_t t = 0; t < tracks.size(); ++t) {
        total += tracks[t].size();
        if (!tracks[t].empty()) heads.push({uint64_t(tracks[t][0].time) << 32 | t, 0});
    }
    std::vector<cEvent> merged;
    merged.reserve(total);
    while (!heads.empty()) {
        cKey key = heads.top();
        heads.pop();
        size_t t = size_t(key.first & 0xFFFFFFFF);
        merged.push_back(tracks[t][key.second]);
        size_t next = key.second + 1;
        if (next < tracks[t].size()) heads.push({uint64_t(tracks[t][next].time) << 32 | t, next});
    }
    return merged;
}

bool cMidiFile::Load() {
    const char* name = m_strFile.c_str();
    std::vector<uint8_t> bytes;
    {
        std::vector<char> read;
        if (!ReadWholeFile(name, read, kMaxMidiFileSize)) {
            ReportAndLog("Midi %s Create ファイルが開けません", name);
            return false;
        }
        bytes.assign(read.begin(), read.end());
    }
    if (bytes.size() < 22 || memcmp(&bytes[0], "MThd", 4) != 0 || memcmp(&bytes[14], "MTrk", 4) != 0) {
        ReportAndLog("Midi %s Init 標準MIDIでない(4)", name);
        return false;
    }
    if (ReadBig32(&bytes[4]) != 6) {
        ReportAndLog("Midi %s Init 標準MIDIでない(6)", name);
        return false;
    }
    uint16_t format = ReadBig16(&bytes[8]);
    if (format == 2) {
        ReportAndLog("Midi %s Init 対応フォーマットが2でない", name);
        return false;
    }
    if (format > 2) {
        ReportAndLog("Midi %s Init 対応フォーマットが0または1でない", name);
        return false;
    }
    uint16_t trackCount = ReadBig16(&bytes[10]);
    uint16_t division = ReadBig16(&bytes[12]);
    if (division == 0) {
        ReportAndLog("Midi %s Init 分解能が0", name);
        return false;
    }

    std::vector<cTrack> tracks(trackCount);
    uint32_t endTime = 0;
    size_t chunk = 14;
    for (uint16_t t = 0; t < trackCount; ++t) {
        uint32_t trackEnd = 0;
        bool ok = bytes.size() - chunk >= 8 && memcmp(&bytes[chunk], "MTrk", 4) == 0;
        uint32_t length = ok ? ReadBig32(&bytes[chunk + 4]) : 0;
        ok = ok && length <= bytes.size() - chunk - 8 && ParseTrack(bytes, chunk + 8, chunk + 8 + length, tracks[t], trackEnd);
        if (!ok) {
            ReportAndLog("Midi %s Init トラック%dが壊れている", name, t);
            return false;
        }
        if (trackEnd > endTime) endTime = trackEnd;
        chunk += 8 + size_t(length);
    }
    cEvent endOfTrack = {endTime, 0, 0, kMeta, kMetaEndOfTrack};
    if (tracks.empty()) tracks.resize(1);
    tracks.back().push_back(endOfTrack);

    std::vector<cEvent> events = MergeTracks(tracks);
    m_dSongLength = MeasureSongLength(events, bytes, division);
    WriteImage(events, bytes, division, m_Image);
    return true;
}
