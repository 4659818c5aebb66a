#pragma once
// A song of a chain whose format differs from the chain's (the first song's), decoded into the
// chain's: its channels mixed (a mono song on both sides, a stereo one averaged into one) and its
// sample rate converted by linear interpolation between neighbouring frames, so that the wave
// output, which keeps one format, plays it at its own pitch and length.
#include <cstdint>
#include <vector>

struct stb_vorbis;

class cLinkConverter {
public:
    // Starts on a song's decoder (not taken over) with the chain's channels and rate.
    void Start(stb_vorbis* decoder, int channels, int rate);
    // Up to frames frames in the chain's format into out; 0 at the song's end.
    int Read(short* out, int frames);

    // The frames a song of sourceFrames frames at sourceRate makes at rate: one for every output
    // frame whose place in the song falls at or after its first frame and before its end.
    static int64_t ConvertedFrames(int64_t sourceFrames, int sourceRate, int rate);

private:
    // Decodes on until the song's frame is held, dropping the frames before keepFrom; false
    // when the song ends before it.
    bool Holds(int64_t frame, int64_t keepFrom);
    const short* Frame(int64_t frame) const { return &m_Source[size_t(frame - m_nFirst) * size_t(m_nChannels)]; }

    stb_vorbis* m_pDecoder = nullptr;
    int m_nChannels = 0;
    int m_nRate = 0;
    int m_nSourceRate = 0;
    int m_nDecodeChannels = 0;
    // The song's frames from m_nFirst on, already in the chain's channels.
    std::vector<short> m_Source;
    int64_t m_nFirst = 0;
    bool m_bEnded = false;
    int64_t m_nNext = 0;  // the next output frame of the song
};
