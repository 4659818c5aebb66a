#pragma once
// Background music: numbered slots mapped to files, played as Ogg Vorbis or as MIDI by the
// file's extension.
#include <cstdint>

#include "framework/CheckedVector.h"
#include "framework/MidiPlayer.h"
#include "framework/Vox.h"

// Lengths of one entry of the caller's name tables.
const int kOggNameLength = 260;
const int kMidiNameLength = 264;

class cBgmPlayer {
public:
    enum eSlotType { kSlotUnknown = 0, kSlotOgg = 1, kSlotMidi = 2 };
    enum ePlaying { kPlayingNone = 0, kPlayingOgg = 1, kPlayingMidi = 2 };

    cBgmPlayer() = default;
    ~cBgmPlayer() { Release(); }
    cBgmPlayer(const cBgmPlayer&) = delete;
    cBgmPlayer& operator=(const cBgmPlayer&) = delete;

    // The tables belong to the caller and hold one name per slot; they outlive the player.
    // False when the Ogg library cannot be loaded (MIDI still plays then).
    bool Init(int channels, char (*oggNames)[kOggNameLength], char (*midiNames)[kMidiNameLength], int slots);
    void SetChannels(int count);
    bool SetFile(int slot, const char* file);
    // Plays the slot on the channel, looping; the current slot is not restarted unless forced.
    // pause: a slot of unknown type that plays as Ogg pauses the MIDI song instead of stopping it.
    bool Play(int channel, int slot, bool pause, bool force);
    // Silences both players; no slot is current afterwards.
    void Stop();
    void Release();

    bool IsInitialized() const { return m_bInitialized; }
    int GetCurrent() const { return m_nCurrent; }
    // Test seams: the slots' kinds, the channels' songs and the two players, as the tests read them.
    int GetSlotType(int slot) { return m_SlotTypes.At(slot); }
    int GetPlaying(int channel) { return m_Playing.At(channel); }
    cVox& GetVox() { return m_Vox; }
    cMidiPlayer& GetMidi() { return m_Midi; }

private:
    bool m_bInitialized = false;
    cVox m_Vox;
    cMidiPlayer m_Midi;
    char (*m_pOggNames)[kOggNameLength] = nullptr;
    char (*m_pMidiNames)[kMidiNameLength] = nullptr;
    int32_t m_nCurrent = -1;
    cCheckedVector<int32_t> m_SlotTypes;
    cCheckedVector<int32_t> m_Playing;
};
