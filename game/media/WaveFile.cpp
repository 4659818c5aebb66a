#include "game/media/WaveFile.h"

#include <dsound.h>

#include <utility>

namespace {

// The largest sample block a sound buffer can hold.
const DWORD kMaxWaveBytes = DSBSIZE_MAX;

class cMmioFile {
public:
    explicit cMmioFile(const char* file) : m_hFile(mmioOpenA(const_cast<char*>(file), nullptr, MMIO_READ)) {}
    ~cMmioFile() {
        if (m_hFile) mmioClose(m_hFile, 0);
    }
    cMmioFile(const cMmioFile&) = delete;
    cMmioFile& operator=(const cMmioFile&) = delete;
    HMMIO Handle() const { return m_hFile; }

private:
    HMMIO m_hFile;
};

bool ReadExactly(HMMIO file, void* buffer, DWORD size) {
    return mmioRead(file, static_cast<HPSTR>(buffer), static_cast<LONG>(size)) == static_cast<LONG>(size);
}

// Bytes of the file after the current position; the position is kept.
DWORD BytesLeft(HMMIO file) {
    LONG here = mmioSeek(file, 0, SEEK_CUR);
    LONG end = mmioSeek(file, 0, SEEK_END);
    mmioSeek(file, here, SEEK_SET);
    return here >= 0 && end >= here ? static_cast<DWORD>(end - here) : 0;
}

bool IsPlayablePcm(const WAVEFORMATEX& f) {
    return f.wFormatTag == WAVE_FORMAT_PCM && (f.nChannels == 1 || f.nChannels == 2) &&
           (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) && f.nSamplesPerSec >= DSBFREQUENCY_MIN &&
           f.nSamplesPerSec <= DSBFREQUENCY_MAX && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8;
}

bool ReadFormat(HMMIO file, MMCKINFO& riff, WAVEFORMATEX& format) {
    MMCKINFO chunk = {};
    chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return false;
    // The PCM fields are the first 16 bytes; longer blocks carry extras that PCM does not use.
    if (chunk.cksize < sizeof(PCMWAVEFORMAT)) return false;
    DWORD size = chunk.cksize < sizeof format ? chunk.cksize : sizeof format;
    format = WAVEFORMATEX();
    if (!ReadExactly(file, &format, size)) return false;
    if (!IsPlayablePcm(format)) return false;
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    format.cbSize = 0;
    return mmioAscend(file, &chunk, 0) == MMSYSERR_NOERROR;
}

bool ReadSamples(HMMIO file, MMCKINFO& riff, DWORD blockAlign, std::vector<uint8_t>& samples) {
    MMCKINFO chunk = {};
    chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return false;
    if (chunk.cksize > BytesLeft(file) || chunk.cksize > kMaxWaveBytes) return false;
    DWORD size = chunk.cksize - chunk.cksize % blockAlign;
    if (size == 0) return false;
    samples.resize(size);
    return ReadExactly(file, samples.data(), size);
}

}  // namespace

bool DSReadWave(const char* file, cWaveData& wave) {
    cMmioFile mmio(file);
    if (!mmio.Handle()) return false;
    MMCKINFO riff = {};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioDescend(mmio.Handle(), &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR) return false;
    cWaveData read;
    if (!ReadFormat(mmio.Handle(), riff, read.Format)) return false;
    if (!ReadSamples(mmio.Handle(), riff, read.Format.nBlockAlign, read.Samples)) return false;
    wave = std::move(read);
    return true;
}
