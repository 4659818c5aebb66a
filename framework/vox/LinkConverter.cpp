#include "framework/vox/LinkConverter.h"

#include <algorithm>

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

namespace {

const int kChunkFrames = 1024;
// The decoder mixes more channels than two into two itself; the rest is done here.
const int kMostDecodeChannels = 2;

}  // namespace

int64_t cLinkConverter::ConvertedFrames(int64_t sourceFrames, int sourceRate, int rate) {
    if (sourceFrames <= 0 || sourceRate <= 0 || rate <= 0) return 0;
    return (sourceFrames * rate + sourceRate - 1) / sourceRate;
}

void cLinkConverter::Start(stb_vorbis* decoder, int channels, int rate) {
    stb_vorbis_info info = stb_vorbis_get_info(decoder);
    m_pDecoder = decoder;
    m_nChannels = channels;
    m_nRate = rate;
    m_nSourceRate = int(info.sample_rate);
    m_nDecodeChannels = std::min(info.channels, kMostDecodeChannels);
    m_Source.clear();
    m_nFirst = 0;
    m_bEnded = false;
    m_nNext = 0;
}

bool cLinkConverter::Holds(int64_t frame, int64_t keepFrom) {
    for (;;) {
        const int64_t held = int64_t(m_Source.size()) / m_nChannels;
        if (frame < m_nFirst + held) return true;
        if (m_bEnded) return false;
        const int64_t done = std::min(held, keepFrom - m_nFirst);
        if (done > 0) {
            m_Source.erase(m_Source.begin(), m_Source.begin() + done * m_nChannels);
            m_nFirst += done;
        }
        short decoded[kChunkFrames * kMostDecodeChannels];
        const int n = stb_vorbis_get_samples_short_interleaved(m_pDecoder, m_nDecodeChannels, decoded,
                                                               kChunkFrames * m_nDecodeChannels);
        if (n <= 0) {
            m_bEnded = true;
            continue;
        }
        for (int i = 0; i < n; ++i) {
            const short* in = decoded + i * m_nDecodeChannels;
            if (m_nChannels == m_nDecodeChannels) {
                m_Source.insert(m_Source.end(), in, in + m_nChannels);
            } else if (m_nChannels == 2) {
                m_Source.insert(m_Source.end(), 2, in[0]);
            } else {
                m_Source.push_back(short((in[0] + in[1]) / 2));
            }
        }
    }
}

int cLinkConverter::Read(short* out, int frames) {
    int got = 0;
    for (; got < frames; ++got, ++m_nNext) {
        // The output frame's place in the song, in song frames and rate-ths of one.
        const int64_t place = m_nNext * m_nSourceRate;
        const int64_t index = place / m_nRate;
        const int64_t fraction = place % m_nRate;
        if (!Holds(index, index)) break;
        // The song's last frame is held to the end.
        const bool between = fraction != 0 && Holds(index + 1, index);
        const short* a = Frame(index);
        const short* b = between ? Frame(index + 1) : a;
        short* to = out + size_t(got) * size_t(m_nChannels);
        for (int c = 0; c < m_nChannels; ++c) to[c] = short(a[c] + (b[c] - a[c]) * fraction / m_nRate);
    }
    return got;
}
