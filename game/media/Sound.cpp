#include "game/media/Sound.h"

#include <cstring>
#include <mutex>
#include <new>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "game/media/WaveFile.h"

namespace {

std::recursive_mutex& SoundLock() {
    static std::recursive_mutex lock;
    return lock;
}

template <class T>
void ReleaseInterface(T*& object) {
    if (object) {
        object->Release();
        object = nullptr;
    }
}

bool SetPrimaryFormat(IDirectSoundBuffer* primary, int sampleRate, int bitsPerSample, int channels) {
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(channels);
    format.nSamplesPerSec = static_cast<DWORD>(sampleRate);
    format.wBitsPerSample = static_cast<WORD>(bitsPerSample);
    format.nBlockAlign = static_cast<WORD>(bitsPerSample / 8 * channels);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    return SUCCEEDED(primary->SetFormat(&format));
}

IDirectSoundBuffer* BufferAt(cSoundEntry& entry, int index) {
    if (!entry.lpBuffers || index < 0 || index >= entry.nCount) return nullptr;
    return entry.lpBuffers[index];
}

bool FillBuffer(IDirectSoundBuffer* buffer, const cWaveData& wave) {
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD size1 = 0;
    DWORD size2 = 0;
    if (FAILED(buffer->Lock(0, 0, &part1, &size1, &part2, &size2, DSBLOCK_ENTIREBUFFER))) return false;
    DWORD size = static_cast<DWORD>(wave.Samples.size());
    memcpy(part1, wave.Samples.data(), size < size1 ? size : size1);
    buffer->Unlock(part1, size1, part2, size2);
    return true;
}

}  // namespace

cSoundState& SoundState() {
    static cSoundState state;
    return state;
}

bool DS_Init(HWND wnd, int sampleRate, int bitsPerSample, int channels) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    DSUnInit();
    cSoundState& s = SoundState();
    IDirectSound* ds = nullptr;
    if (FAILED(DirectSoundCreate(nullptr, &ds, nullptr))) {
        ErrorLog("DIRECTSOUNDCREATE_ERR!");
        return false;
    }
    if (FAILED(ds->SetCooperativeLevel(wnd, DSSCL_PRIORITY))) {
        ErrorLog("SETCOOPERATIVELEVEL_ERR!");
        ds->Release();
        return false;
    }
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN;
    IDirectSoundBuffer* primary = nullptr;
    if (FAILED(ds->CreateSoundBuffer(&desc, &primary, nullptr))) {
        ErrorLog("CREATESOUNDBUFFER_ERR!");
        ds->Release();
        return false;
    }
    // The asked format only spares the mixer a conversion: a device that refuses it still plays
    // every buffer in its own format, so the game keeps its sound.
    if (!SetPrimaryFormat(primary, sampleRate, bitsPerSample, channels)) ErrorLog("SETFORMAT_ERR!");
    s.lpDS = ds;
    s.lpPrimary = primary;
    s.hWnd = wnd;
    s.lpEntries = nullptr;
    s.lpTable = nullptr;
    return true;
}

void DSUnInit() {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    cSoundState& s = SoundState();
    if (s.lpEntries)
        for (cSoundEntry& entry : *s.lpEntries) DSReleaseSound(entry);
    s.lpEntries = nullptr;
    s.lpTable = nullptr;
    ReleaseInterface(s.lpPrimary);
    ReleaseInterface(s.lpDS);
}

bool DSLoadBuffer(IDirectSoundBuffer** out, const char* file) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    *out = nullptr;
    IDirectSound* ds = SoundState().lpDS;
    if (!ds) return true;
    cWaveData wave;
    if (!DSReadWave(file, wave)) {
        ErrorLogF("%s読み込み失敗！", file);
        return false;
    }
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_STATIC | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY |
                   DSBCAPS_GETCURRENTPOSITION2;
    desc.dwBufferBytes = static_cast<DWORD>(wave.Samples.size());
    desc.lpwfxFormat = &wave.Format;
    IDirectSoundBuffer* buffer = nullptr;
    if (FAILED(ds->CreateSoundBuffer(&desc, &buffer, nullptr)) || !FillBuffer(buffer, wave)) {
        ErrorLogF("%s生成失敗！", file);
        ReleaseInterface(buffer);
        return false;
    }
    *out = buffer;
    return true;
}

bool DSCreateSound(cSoundEntry& entry, const char* file, int count, int volume) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    IDirectSound* ds = SoundState().lpDS;
    if (!ds) return true;
    DSReleaseSound(entry);
    entry = cSoundEntry();
    if (count < 1) count = 1;
    if (count > kMaxSoundBuffers) count = kMaxSoundBuffers;

    std::unique_ptr<IDirectSoundBuffer*[]> buffers(new (std::nothrow) IDirectSoundBuffer*[count]());
    if (!buffers) {
        ErrorLogF("%sのメモリ確保失敗！", file);
        return false;
    }
    if (!DSLoadBuffer(&buffers[0], file)) return false;
    for (int i = 1; i < count; ++i) {
        if (FAILED(ds->DuplicateSoundBuffer(buffers[0], &buffers[i]))) {
            ErrorLogF("%sのメモリ共用バッファの生成失敗！", file);
            for (int k = i - 1; k >= 0; --k) buffers[k]->Release();
            return false;
        }
    }
    entry.lpBuffers = std::move(buffers);
    entry.nCount = count;
    CopyText(entry.szName, sizeof entry.szName, file);
    if (volume != 0)
        for (int i = 0; i < count; ++i) DSSetVolume(entry, i, volume, 0);
    return true;
}

int DSLoadSounds(cSoundVector& entries, cSoundTable& table, int volume) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    cSoundState& s = SoundState();
    if (!s.lpDS) return 1;
    s.lpEntries = &entries;
    s.lpTable = &table;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].lpBuffers) continue;
        const SoundTableRow& row = table.At(static_cast<int>(i));
        // The row comes from a file: its name need not be terminated.
        char name[MAX_PATH];
        memcpy(name, row.szFileName, sizeof name - 1);
        name[sizeof name - 1] = '\0';
        DSCreateSound(entries[i], name, row.nBuffers, volume != 0 ? volume : row.nVolume);
    }
    return 1;
}

void DSReleaseSound(cSoundEntry& entry) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    if (!entry.lpBuffers) return;
    // Duplicates first: they share the memory of element 0.
    for (int i = entry.nCount - 1; i >= 0; --i) ReleaseInterface(entry.lpBuffers[i]);
    entry.lpBuffers.reset();
    entry.nCount = 0;
    entry.nNext = 0;
}

void DSPlay(cSoundEntry& entry, DWORD flags) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    IDirectSoundBuffer* buffer = BufferAt(entry, entry.nNext);
    if (!buffer) return;
    buffer->Stop();
    buffer->SetCurrentPosition(0);
    buffer->Play(0, 0, flags);
    if (++entry.nNext >= entry.nCount) entry.nNext = 0;
}

LONG DSSetVolume(cSoundEntry& entry, int index, LONG volume, int relative) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    IDirectSoundBuffer* buffer = BufferAt(entry, index);
    if (!buffer) return 0;
    long long wanted = volume;
    if (relative == 1) wanted += DSGetVolume(entry, index);
    if (wanted < kSilentVolume) wanted = kSilentVolume;
    if (wanted > kFullVolume) wanted = kFullVolume;
    buffer->SetVolume(static_cast<LONG>(wanted));
    return static_cast<LONG>(wanted);
}

LONG DSGetVolume(cSoundEntry& entry, int index) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    IDirectSoundBuffer* buffer = BufferAt(entry, index);
    LONG volume = 0;
    if (buffer && FAILED(buffer->GetVolume(&volume))) volume = 0;
    return volume;
}

void PlayCursorSound(int keys, int axes, int entryIndex) {
    std::lock_guard<std::recursive_mutex> guard(SoundLock());
    cSoundVector* entries = SoundState().lpEntries;
    if (!SoundState().lpDS || !entries) return;
    if ((axes & 1) && (keys & (kKeyLeft | kKeyRight))) DSPlay(entries->At(entryIndex), 0);
    if ((axes & 2) && (keys & (kKeyUp | kKeyDown))) DSPlay(entries->At(entryIndex), 0);
}
