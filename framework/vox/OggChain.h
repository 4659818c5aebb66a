#pragma once
// An Ogg Vorbis file held in memory as the chain of songs it holds: one song, or several one
// after another as `cat a.ogg b.ogg` makes them. The file is untrusted: every song's headers are
// checked before the decoder sees them, and each decoder works in a bounded, zeroed arena of its
// own, so a damaged file costs a bounded amount of memory and work and is refused cleanly.
#include <cstddef>
#include <vector>

#include "framework/vox/LinkConverter.h"

struct stb_vorbis;

class cOggChain {
public:
    // Reads and splits the file. False when it cannot be read, is too large, or its first song
    // cannot be played; the chain is then empty.
    bool Open(const char* file);
    // The same on bytes already read (taken over).
    bool OpenBytes(std::vector<unsigned char> bytes);
    void Close();

    bool IsOpen() const { return !m_Links.empty(); }
    // The format of the first song; a later song of another format is converted into it (the
    // wave output keeps one format).
    int Channels() const { return m_nChannels; }
    int Rate() const { return m_nRate; }
    // Sample frames of every song played, in that format, in all (at most 0x7FFFFFFF).
    int Frames() const { return m_nFrames; }

private:
    friend class cOggCursor;
    struct cLink {
        size_t offset;
        size_t size;
        bool converted;  // of another format than the first song's
    };
    std::vector<unsigned char> m_Bytes;
    std::vector<cLink> m_Links;
    int m_nChannels = 0;
    int m_nRate = 0;
    int m_nFrames = 0;
};

// A reading position in a chain, decoding its songs in order. The chain must outlive it and not
// change while it reads; several cursors may read one chain at once.
class cOggCursor {
public:
    explicit cOggCursor(const cOggChain& chain) : m_Chain(chain) {}
    ~cOggCursor() { CloseSong(); }
    cOggCursor(const cOggCursor&) = delete;
    cOggCursor& operator=(const cOggCursor&) = delete;

    // Back to the start of the first song; false when it cannot be opened.
    bool Rewind();
    // Decodes up to frames frames (the chain's channels, interleaved) into out, going on into
    // the next song at the end of one; the frames decoded, 0 at the end of the chain.
    int Read(short* out, int frames);

private:
    bool OpenSong(size_t index);
    void CloseSong();

    const cOggChain& m_Chain;
    size_t m_nSong = 0;
    stb_vorbis* m_pDecoder = nullptr;
    std::vector<char> m_Arena;
    cLinkConverter m_Converter;  // reads the song when it is converted
};
