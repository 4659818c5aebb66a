#pragma once
// Sound effects through DirectSound: each sound is a static buffer plus duplicates sharing its
// memory, so that one sound can overlap itself; plays take the buffers in turn. Until DS_Init
// has succeeded every operation does nothing and reports success, so the game runs silent.
// The game thread and the window thread both play sounds: every operation here takes one lock.
#include <windows.h>

#include <dsound.h>

#include <cstdint>
#include <memory>

#include "framework/CheckedVector.h"
#include "game/media/CursorKeys.h"

// One row of the database's sound table.
struct SoundTableRow {
    char szFileName[MAX_PATH];  // the WAV file
    int32_t nBuffers;           // how many plays of the sound may overlap
    int32_t nVolume;            // hundredths of a decibel, 0 = full
    int32_t nLoad;              // set to 1 by the start-up before loading
};
typedef cCheckedVector<SoundTableRow> cSoundTable;

struct cSoundEntry {
    char szName[MAX_PATH] = {};
    // Element 0 is the loaded buffer, the others are its duplicates. Released by DSReleaseSound.
    std::unique_ptr<IDirectSoundBuffer*[]> lpBuffers;
    int32_t nCount = 0;
    int32_t nNext = 0;  // the buffer the next play uses
};
typedef cCheckedVector<cSoundEntry> cSoundVector;

// More buffers than this for one sound are not made.
const int kMaxSoundBuffers = 32;
const LONG kSilentVolume = DSBVOLUME_MIN;  // -10000
const LONG kFullVolume = DSBVOLUME_MAX;    // 0

struct cSoundState {
    IDirectSound* lpDS = nullptr;  // null until DS_Init succeeds
    IDirectSoundBuffer* lpPrimary = nullptr;
    HWND hWnd = nullptr;
    cSoundVector* lpEntries = nullptr;  // remembered by DSLoadSounds
    cSoundTable* lpTable = nullptr;
};

cSoundState& SoundState();

// DirectSound at priority level with a primary buffer of the given PCM format. A format the
// device refuses is logged and the device's own is kept. Any other failed step is logged,
// whatever was made is released, and the answer is false.
bool DS_Init(HWND wnd, int sampleRate, int bitsPerSample, int channels);
// Releases every remembered sound, the primary buffer and DirectSound.
void DSUnInit();

// Loads the WAV file into a new static buffer holding the file's format.
bool DSLoadBuffer(IDirectSoundBuffer** out, const char* file);
// Makes the entry anew: the loaded buffer and count - 1 duplicates (count is taken to
// 1 ... kMaxSoundBuffers). A non-zero volume is set on every buffer. On failure the entry is
// left without buffers.
bool DSCreateSound(cSoundEntry& entry, const char* file, int count, int volume);
// Creates every entry that has no buffers yet from the table row of the same index, with the
// given volume, or the row's own when the given one is 0. Single failures are only logged.
int DSLoadSounds(cSoundVector& entries, cSoundTable& table, int volume);
void DSReleaseSound(cSoundEntry& entry);

// Plays the entry from its start on its next buffer; flags 0 once, DSBPLAY_LOOPING looping.
void DSPlay(cSoundEntry& entry, DWORD flags);
// Sets a buffer's volume, added to its current one when relative is 1, limited to
// -10000 ... 0. Returns the volume set, 0 when there is no such buffer.
LONG DSSetVolume(cSoundEntry& entry, int buffer, LONG volume, int relative);
LONG DSGetVolume(cSoundEntry& entry, int buffer);

// Axes: 1 horizontal, 2 vertical. Plays the remembered entry once for each axis asked for whose
// keys are down.
void PlayCursorSound(int keys, int axes, int entryIndex);
