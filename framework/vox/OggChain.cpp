#include "framework/vox/OggChain.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

namespace {

// Music files are a few megabytes; a larger file is no song for this player.
const size_t kMaxFileBytes = 256u << 20;
// A real chain is a few songs; every song is opened once at load to learn its length.
const size_t kMaxSongs = 64;
// A decoder's set-up and work memory: real songs need about 250 KB (two channels, 48 kHz,
// the largest blocks); a header asking for more is damaged, and is refused without the work.
const int kArenaBytes = 4 << 20;
// The wave output takes one or two channels; rates beyond this are not music files.
const int kMaxChannels = 2;
const unsigned kMaxRate = 192000;

const size_t kPageHeader = 27;
const unsigned char kPageContinued = 1;
const unsigned char kPageFirst = 2;

uint32_t Read32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The size of the page at pos, 0 when there is no whole page there.
size_t PageSize(const unsigned char* data, size_t size, size_t pos) {
    if (pos > size || size - pos < kPageHeader || memcmp(data + pos, "OggS", 4) != 0 || data[pos + 4] != 0) return 0;
    size_t segments = data[pos + 26];
    if (size - pos < kPageHeader + segments) return 0;
    size_t body = 0;
    for (size_t i = 0; i < segments; ++i) body += data[pos + kPageHeader + i];
    size_t whole = kPageHeader + segments + body;
    return size - pos < whole ? 0 : whole;
}

// The packet that starts with the first segment of the page at pos and goes on through the
// following pages while their segments continue it, read the way the decoder reads it.
std::vector<unsigned char> GatherPacket(const unsigned char* data, size_t size, size_t pos) {
    std::vector<unsigned char> packet;
    bool first = true;
    for (;;) {
        size_t page = PageSize(data, size, pos);
        if (!page || (!first && !(data[pos + 5] & kPageContinued))) return packet;
        size_t segments = data[pos + 26];
        const unsigned char* body = data + pos + kPageHeader + segments;
        for (size_t i = 0; i < segments; ++i) {
            size_t length = data[pos + kPageHeader + i];
            packet.insert(packet.end(), body, body + length);
            body += length;
            if (length < 255) return packet;
        }
        if (segments == 0) return packet;
        pos += page;
        first = false;
    }
}

// The decoder trusts the comment header's lengths and count: a count or a length beyond the
// packet makes it allocate and loop for seconds, and a failed allocation of a comment leaves
// pointers it later frees. Every length must fit in the packet.
bool CommentsFit(const std::vector<unsigned char>& packet) {
    if (packet.size() < 7 || packet[0] != 3 || memcmp(&packet[1], "vorbis", 6) != 0) return false;
    size_t pos = 7;
    auto take = [&](uint32_t* value) {
        if (packet.size() - pos < 4) return false;
        *value = Read32(&packet[pos]);
        pos += 4;
        return true;
    };
    uint32_t length, count;
    if (!take(&length) || length > packet.size() - pos) return false;
    pos += length;
    if (!take(&count) || count > (packet.size() - pos) / 4) return false;
    for (uint32_t i = 0; i < count; ++i) {
        if (!take(&length) || length > packet.size() - pos) return false;
        pos += length;
    }
    return true;
}

// The headers as the decoder reads them: a first page holding the 30-byte identification
// packet alone, then the comment packet from the next page on.
bool HeadersFit(const unsigned char* data, size_t size) {
    size_t first = PageSize(data, size, 0);
    if (!first || !(data[5] & kPageFirst) || data[26] != 1 || data[27] != 30) return false;
    return CommentsFit(GatherPacket(data, size, first));
}

// Opens a decoder on one song with its memory in the arena, or null.
stb_vorbis* OpenDecoder(const unsigned char* data, size_t size, std::vector<char>& arena) {
    if (size > size_t(INT_MAX) || !HeadersFit(data, size)) return nullptr;
    try {
        // Zeroed: a set-up that fails half-way leaves no stray pointers behind.
        arena.assign(size_t(kArenaBytes), 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    stb_vorbis_alloc alloc = {arena.data(), kArenaBytes};
    int error = 0;
    return stb_vorbis_open_memory(data, int(size), &error, &alloc);
}

}  // namespace

bool cOggChain::Open(const char* file) {
    Close();
    if (!file || !file[0]) return false;
    FILE* fp = fopen(file, "rb");
    if (!fp) return false;
    std::vector<unsigned char> bytes;
    bool ok = fseek(fp, 0, SEEK_END) == 0;
    long size = ok ? ftell(fp) : -1;
    ok = ok && size > 0 && size_t(size) <= kMaxFileBytes && fseek(fp, 0, SEEK_SET) == 0;
    if (ok) {
        try {
            bytes.resize(size_t(size));
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    ok = ok && fread(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    fclose(fp);
    return ok && OpenBytes(std::move(bytes));
}

bool cOggChain::OpenBytes(std::vector<unsigned char> bytes) {
    Close();
    m_Bytes = std::move(bytes);
    const unsigned char* data = m_Bytes.data();
    size_t size = m_Bytes.size();

    // Songs start at a first page that follows a page of the song before; a damaged stretch
    // between pages is skipped up to the next page, as the decoder does.
    std::vector<size_t> starts;
    bool previousFirst = false;
    size_t pos = 0;
    while (pos < size && starts.size() <= kMaxSongs) {
        size_t page = PageSize(data, size, pos);
        if (!page) {
            const void* next = pos + 1 < size ? memchr(data + pos + 1, 'O', size - pos - 1) : nullptr;
            if (!next) break;
            pos = size_t(static_cast<const unsigned char*>(next) - data);
            continue;
        }
        bool isFirst = (data[pos + 5] & kPageFirst) != 0;
        if (isFirst && !previousFirst) starts.push_back(pos);
        previousFirst = isFirst;
        pos += page;
    }

    std::vector<char> arena;
    int64_t frames = 0;
    for (size_t i = 0; i < starts.size() && i < kMaxSongs; ++i) {
        size_t end = i + 1 < starts.size() ? starts[i + 1] : size;
        stb_vorbis* decoder = OpenDecoder(data + starts[i], end - starts[i], arena);
        if (!decoder) break;
        stb_vorbis_info info = stb_vorbis_get_info(decoder);
        // A later song may have more channels: the decoder mixes them into two.
        bool playable = info.channels >= 1 && (i > 0 || info.channels <= kMaxChannels) && info.sample_rate >= 1 &&
                        info.sample_rate <= kMaxRate;
        if (playable && i == 0) {
            m_nChannels = info.channels;
            m_nRate = int(info.sample_rate);
        }
        if (playable) {
            const int64_t songFrames = stb_vorbis_stream_length_in_samples(decoder);
            const bool converted = info.channels != m_nChannels || int(info.sample_rate) != m_nRate;
            frames += converted ? cLinkConverter::ConvertedFrames(songFrames, int(info.sample_rate), m_nRate)
                                : songFrames;
            m_Links.push_back({starts[i], end - starts[i], converted});
        }
        stb_vorbis_close(decoder);
        if (!playable) break;
    }
    if (m_Links.empty()) {
        Close();
        return false;
    }
    m_nFrames = frames > INT_MAX ? INT_MAX : int(frames);
    return true;
}

void cOggChain::Close() {
    m_Bytes.clear();
    m_Bytes.shrink_to_fit();
    m_Links.clear();
    m_nChannels = m_nRate = m_nFrames = 0;
}

bool cOggCursor::OpenSong(size_t index) {
    CloseSong();
    if (index >= m_Chain.m_Links.size()) return false;
    const cOggChain::cLink& link = m_Chain.m_Links[index];
    m_pDecoder = OpenDecoder(m_Chain.m_Bytes.data() + link.offset, link.size, m_Arena);
    m_nSong = index;
    if (m_pDecoder && link.converted) m_Converter.Start(m_pDecoder, m_Chain.m_nChannels, m_Chain.m_nRate);
    return m_pDecoder != nullptr;
}

void cOggCursor::CloseSong() {
    if (m_pDecoder) stb_vorbis_close(m_pDecoder);
    m_pDecoder = nullptr;
}

bool cOggCursor::Rewind() { return OpenSong(0); }

int cOggCursor::Read(short* out, int frames) {
    int channels = m_Chain.m_nChannels;
    int got = 0;
    while (got < frames && m_pDecoder) {
        short* to = out + size_t(got) * channels;
        int n = m_Chain.m_Links[m_nSong].converted
                    ? m_Converter.Read(to, frames - got)
                    : stb_vorbis_get_samples_short_interleaved(m_pDecoder, channels, to, (frames - got) * channels);
        if (n > 0)
            got += n;
        else if (!OpenSong(m_nSong + 1))
            CloseSong();
    }
    return got;
}
