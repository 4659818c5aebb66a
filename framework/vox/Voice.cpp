// A voice of Vox.dll: an Ogg Vorbis file (one song or a chain of songs) decoded as it plays and
// fed to the wave output in a few buffers by a thread of the voice's own, repeated as often as
// asked.
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <memory>
#include <new>
#include <vector>

#include "framework/vox/OggChain.h"
#include "framework/vox/VoxVoice.h"

namespace {

const int kBufferCount = 4;
const int kBufferFrames = 4096;
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

    cOggChain m_Chain;
    std::unique_ptr<cOggCursor> m_pCursor;  // the playing thread's while it runs
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
    if (!m_Chain.Open(file)) return false;
    m_pCursor.reset(new (std::nothrow) cOggCursor(m_Chain));
    if (!m_pCursor) m_Chain.Close();
    return m_pCursor != nullptr;
}

bool cVoice::Play() {
    Stop();
    if (!m_pCursor || !m_pCursor->Rewind()) return false;
    int channels = m_Chain.Channels();
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = WORD(channels);
    format.nSamplesPerSec = DWORD(m_Chain.Rate());
    format.wBitsPerSample = 16;
    format.nBlockAlign = WORD(channels * 2);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    if (waveOutOpen(&m_hWave, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(m_hWake), 0, CALLBACK_EVENT)) {
        m_hWave = nullptr;
        return false;
    }
    for (int i = 0; i < kBufferCount; ++i) {
        m_Samples[i].assign(size_t(kBufferFrames) * channels, 0);
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
    m_pCursor.reset();
    m_Chain.Close();
    return true;
}

int cVoice::GetFormat(int* channels, int* rate) {
    if (channels) *channels = m_Chain.Channels();
    if (rate) *rate = m_Chain.Rate();
    return m_Chain.Frames();
}

int cVoice::Peek(int firstFrame, short* out, int frames) {
    if (!m_Chain.IsOpen() || !out || firstFrame < 0 || frames <= 0) return 0;
    // A cursor of its own, decoding from the start: a seek may land some frames off the one
    // asked for.
    cOggCursor cursor(m_Chain);
    if (!cursor.Rewind()) return 0;
    int channels = m_Chain.Channels();
    for (int skip = firstFrame; skip > 0;) {
        int n = cursor.Read(out, skip < frames ? skip : frames);
        if (n <= 0) return 0;
        skip -= n;
    }
    int got = 0;
    while (got < frames) {
        int n = cursor.Read(out + size_t(got) * channels, frames - got);
        if (n <= 0) break;
        got += n;
    }
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
        int n = m_pCursor->Read(out + size_t(got) * m_Chain.Channels(), kBufferFrames - got);
        if (n > 0) {
            got += n;
            m_bPassHasSound = true;
            continue;
        }
        int loop = m_nLoop;
        bool repeat = loop == kVoxEndless || m_nPasses <= loop;
        if (!repeat || !m_bPassHasSound || !m_pCursor->Rewind()) break;
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
            header.dwBufferLength = DWORD(frames * m_Chain.Channels() * sizeof(short));
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
