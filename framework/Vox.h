#pragma once
// The Ogg Vorbis player: the library "Vox.dll", loaded at run time, and a table of its voices.
#include <windows.h>

#include <vector>

#include "framework/vox/VoxVoice.h"

class cVox {
public:
    cVox() = default;
    ~cVox() { Release(); }
    cVox(const cVox&) = delete;
    cVox& operator=(const cVox&) = delete;

    // Loads the library; a missing library or export is shown in the error box, false then.
    bool Init();
    // Replaces the voices by count new ones; false without the library or when a voice cannot
    // be made (the out-of-memory path).
    bool CreateVoices(int count);
    // Stops the current voice and plays the file on the given voice; false when it cannot.
    bool Play(int voice, const char* file, int loopCount);
    void Stop();
    // Releases every voice and the library.
    void Release();

    int GetCurrent() const { return m_nCurrent; }
    // The voice, null when there is none of that number.
    cVoxVoice* GetVoice(int voice) const;

private:
    void ReleaseVoices();

    std::vector<cVoxVoice*> m_Voices;
    int m_nCurrent = -1;
    HMODULE m_hLibrary = nullptr;
    CreateVoxProc m_pCreateVox = nullptr;
};

// cVox loads "Vox.dll" unless a test names another library (SetVoxLibraryName, TestSeams.h).
