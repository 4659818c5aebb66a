// A voice of Vox.dll: an Ogg Vorbis song decoded as it plays and fed to the wave output in a few
// buffers by a thread of the voice's own, repeated as often as asked.
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <new>
#include <string>
#include <vector>

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

#include "framework/vox/VoxVoice.h"

namespace {

const int kBufferCount = 4;
const int kBufferFrames = 4096;
// The wave output takes one or two channels; rates beyond this are not music files.
const int kMaxChannels = 2;
const int kMaxRate = 192000;
// How long Stop waits for the feeding thread, which never blocks for longer than kWakeMs.
const DWORD kThreadEndMs = 3000;
const DWORD kWakeMs = 50;

class cVoice final : public cVoxVoice {
public:
    cVoice() : m_hWake(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

    bool Load(const char* file) override;
    bool Play() override;
    bool Stop() override;
    bool Close() override;
    void SetLoop(int count) override { m_nLoop = count < 0 ? 0 : count; }
    bool IsPlaying() override { return m_bPlaying; }
    int GetPasses() override { return m_nPasses; }
    int GetFormat(int* channels, int* rate) override;
    int Peek(int firstFrame, short* out, int frames) override;
    void Release() override;

private:
    ~cVoice() {
        if (m_hWake) CloseHandle(m_hWake);
    }
    static DWORD WINAPI FeedThread(void* parameter);
    void Feed();
    int Decode(short* out);

    std::string m_strFile;
    stb_vorbis* m_pDecoder = nullptr;  // the playing thread's while it runs
    int m_nChannels = 0;
    int m_nRate = 0;
    int m_nFrames = 0;
    std::atomic<int> m_nLoop{0};
    std::atomic<int> m_nPasses{0};
    std::atomic<bool> m_bPlaying{false};
    std::atomic<bool> m_bStopAsked{false};
    bool m_bPassHasSound = false;  // the feeding thread's
    HANDLE m_hWake;  // set by the wave output when a buffer is done, and by Stop
    HANDLE m_hThread = nullptr;
    HWAVEOUT m_hWave = nullptr;
    WAVEHDR m_Header[kBufferCount] = {};
    std::vector<short> m_Samples[kBufferCount];
};

bool cVoice::Load(const char* file) {
    Close();
    if (!file || !file[0]) return false;
    int error = 0;
    stb_vorbis* decoder = stb_vorbis_open_filename(file, &error, nullptr);
    if (!decoder) return false;
    stb_vorbis_info info = stb_vorbis_get_info(decoder);
    if (info.channels < 1 || info.channels > kMaxChannels || info.sample_rate < 1 || info.sample_rate > unsigned(kMaxRate)) {
        stb_vorbis_close(decoder);
        return false;
    }
    unsigned frames = stb_vorbis_stream_length_in_samples(decoder);
    stb_vorbis_seek_start(decoder);
    m_pDecoder = decoder;
    m_strFile = file;
    m_nChannels = info.channels;
    m_nRate = int(info.sample_rate);
    m_nFrames = frames > 0x7FFFFFFFu ? 0x7FFFFFFF : int(frames);
    return true;
}

bool cVoice::Play() {
    Stop();
    if (!m_pDecoder || !stb_vorbis_seek_start(m_pDecoder)) return false;
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = WORD(m_nChannels);
    format.nSamplesPerSec = DWORD(m_nRate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = WORD(m_nChannels * 2);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    if (waveOutOpen(&m_hWave, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(m_hWake), 0, CALLBACK_EVENT)) {
        m_hWave = nullptr;
        return false;
    }
    for (int i = 0; i < kBufferCount; ++i) {
        m_Samples[i].assign(size_t(kBufferFrames) * m_nChannels, 0);
        m_Header[i] = WAVEHDR();
    }
    m_nPasses = 1;
    m_bPassHasSound = false;
    m_bStopAsked = false;
    m_bPlaying = true;
    m_hThread = CreateThread(nullptr, 0, FeedThread, this, 0, nullptr);
    if (!m_hThread) {
        Stop();
        return false;
    }
    return true;
}

bool cVoice::Stop() {
    if (m_hThread) {
        m_bStopAsked = true;
        SetEvent(m_hWake);
        WaitForSingleObject(m_hThread, kThreadEndMs);
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    if (m_hWave) {
        waveOutReset(m_hWave);
        for (WAVEHDR& header : m_Header)
            if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(m_hWave, &header, sizeof header);
        waveOutClose(m_hWave);
        m_hWave = nullptr;
    }
    m_bPlaying = false;
    return true;
}

bool cVoice::Close() {
    Stop();
    if (m_pDecoder) stb_vorbis_close(m_pDecoder);
    m_pDecoder = nullptr;
    m_strFile.clear();
    m_nChannels = m_nRate = m_nFrames = 0;
    return true;
}

int cVoice::GetFormat(int* channels, int* rate) {
    if (channels) *channels = m_nChannels;
    if (rate) *rate = m_nRate;
    return m_nFrames;
}

int cVoice::Peek(int firstFrame, short* out, int frames) {
    if (m_strFile.empty() || !out || firstFrame < 0 || frames <= 0) return 0;
    int error = 0;
    stb_vorbis* decoder = stb_vorbis_open_filename(m_strFile.c_str(), &error, nullptr);
    if (!decoder) return 0;
    // Decoded from the start: the decoder's seek may land some frames off the one asked for.
    int skip = firstFrame;
    int got = 0;
    while (got < frames) {
        int want = skip > 0 ? (skip < frames ? skip : frames) : frames - got;
        int n = stb_vorbis_get_samples_short_interleaved(decoder, m_nChannels, out + (skip > 0 ? 0 : got * m_nChannels),
                                                         want * m_nChannels);
        if (n <= 0) break;
        if (skip > 0)
            skip -= n;
        else
            got += n;
    }
    stb_vorbis_close(decoder);
    return got;
}

void cVoice::Release() {
    Close();
    delete this;
}

// Fills out with up to kBufferFrames frames, starting the song again at its end while repeats
// remain. A pass that yields nothing ends the song, so an empty file cannot spin forever.
int cVoice::Decode(short* out) {
    int got = 0;
    while (got < kBufferFrames) {
        int n = stb_vorbis_get_samples_short_interleaved(m_pDecoder, m_nChannels, out + got * m_nChannels,
                                                         (kBufferFrames - got) * m_nChannels);
        if (n > 0) {
            got += n;
            m_bPassHasSound = true;
            continue;
        }
        int loop = m_nLoop;
        bool repeat = loop == kVoxEndless || m_nPasses <= loop;
        if (!repeat || !m_bPassHasSound || !stb_vorbis_seek_start(m_pDecoder)) break;
        if (m_nPasses < kVoxEndless) ++m_nPasses;
        m_bPassHasSound = false;
    }
    return got;
}

void cVoice::Feed() {
    bool songEnded = false;
    while (!m_bStopAsked) {
        bool queued = false;
        for (int i = 0; i < kBufferCount; ++i) {
            WAVEHDR& header = m_Header[i];
            if (header.dwFlags & WHDR_INQUEUE) {
                queued = true;
                continue;
            }
            if (songEnded) continue;
            int frames = Decode(m_Samples[i].data());
            if (frames == 0) {
                songEnded = true;
                continue;
            }
            if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(m_hWave, &header, sizeof header);
            header = WAVEHDR();
            header.lpData = reinterpret_cast<LPSTR>(m_Samples[i].data());
            header.dwBufferLength = DWORD(frames * m_nChannels * sizeof(short));
            if (waveOutPrepareHeader(m_hWave, &header, sizeof header) || waveOutWrite(m_hWave, &header, sizeof header)) {
                songEnded = true;
                continue;
            }
            queued = true;
        }
        if (songEnded && !queued) break;
        WaitForSingleObject(m_hWake, kWakeMs);
    }
    m_bPlaying = false;
}

DWORD WINAPI cVoice::FeedThread(void* parameter) {
    static_cast<cVoice*>(parameter)->Feed();
    return 0;
}

}  // namespace

extern "C" __declspec(dllexport) cVoxVoice* CreateVox() {
    cVoice* voice = new (std::nothrow) cVoice();
    return voice;
}
