#pragma once
// A Standard MIDI File read whole and converted to a single-track format-0 image: the tracks
// merged in time order, every event written with its full status byte, one end-of-track event.
// The file is untrusted: every length is checked and a damaged file leaves no image.
#include <cstdint>
#include <string>
#include <vector>

// Where the events of an image start: after "MThd", its six bytes and the "MTrk" chunk header.
const size_t kMidiTrackStart = 22;
// Larger files are refused: no song the programs play comes near this.
const size_t kMaxMidiFileSize = 8u << 20;

class cMidiFile {
public:
    explicit cMidiFile(const char* file);
    virtual ~cMidiFile() = default;
    cMidiFile(const cMidiFile&) = delete;
    cMidiFile& operator=(const cMidiFile&) = delete;

    const std::string& GetFileName() const { return m_strFile; }
    // The converted song; empty when the file could not be read or failed its checks.
    const std::vector<uint8_t>& GetImage() const { return m_Image; }
    bool HasImage() const { return !m_Image.empty(); }
    // The time division word of the file header.
    uint16_t GetDivision() const;
    // Test seam: playing time in seconds, from the tempo events and the end of the song.
    double GetSongLength() const { return m_dSongLength; }

    // One event of the song: absolute time, status byte, the meta type (meta events only) and
    // where its data lie in the file (channel data bytes; meta or SysEx data after the length).
    struct cEvent {
        uint32_t time;
        uint32_t offset;
        uint32_t size;
        uint8_t status;
        uint8_t type;
    };
    typedef std::vector<cEvent> cTrack;

    // Merges the tracks into one list in time order; at equal times the lower track comes first,
    // and within a track the file order is kept.
    static std::vector<cEvent> MergeTracks(const std::vector<cTrack>& tracks);

private:
    bool Load();

    std::string m_strFile;
    std::vector<uint8_t> m_Image;
    double m_dSongLength = 0;
};
