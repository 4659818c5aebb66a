#pragma once
// The older music and sound path through MCI: numbered slots, each with its own open device.
#include <windows.h>
#include <mmsystem.h>

#include <vector>

class cMciPlayer {
public:
    cMciPlayer() = default;
    ~cMciPlayer() { CloseAll(); }
    cMciPlayer(const cMciPlayer&) = delete;
    cMciPlayer& operator=(const cMciPlayer&) = delete;

    // While the player is not enabled, Init and Open succeed without doing anything and Stop
    // and CloseAll do nothing.
    void Enable();
    // Closes every device and disables the player.
    void Release();
    bool IsEnabled() const { return m_bEnabled; }

    // Closes everything, then opens each file of the null-terminated list on the device type;
    // an entry that fails stays closed.
    bool Init(const char* deviceType, const char* const* files);
    // Opens the file on the slot; only one sequencer is open at a time.
    bool Open(int slot, const char* deviceType, const char* file);
    // Plays the slot with the window as callback; without resume it plays from the position.
    bool Play(HWND window, int slot, bool notify, bool resume, DWORD position);
    // Stops (and rewinds) or pauses the current slot.
    void Stop(bool pause);
    void CloseAll();

    int GetCurrent() const { return m_nCurrent; }
    // The slot's device, 0 when it is closed or there is no such slot.
    MCIDEVICEID GetDevice(int slot) const;

private:
    bool OpenDevice(int slot, const char* deviceType, const char* file);
    void CloseDevice(int slot);

    bool m_bEnabled = false;
    std::vector<MCI_OPEN_PARMSA> m_Open;
    int m_nCurrent = -1;
};

// Plays a MIDI file on the sequencer (notifying the window) or a WAV file on waveaudio, from
// the position; false for another extension or when the file cannot be opened.
bool PlayMci(HWND window, cMciPlayer& player, int slot, const char* file, DWORD position);
