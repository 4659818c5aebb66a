#pragma once
// One song on one MIDI stream: the converted image is fed to the device in two alternating
// buffers by a callback thread of the stream's own, which also restarts a looping song.
#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "framework/MidiFile.h"

// Bytes of each of the two stream buffers.
const DWORD kMidiBufferSize = 24000;
// The event word of the end-of-song marker: a no-op event that raises a position callback.
const DWORD kMidiEndMarker = MEVT_F_CALLBACK | DWORD(MEVT_NOP) << 24 | 0x2FFF;

// The WinMM calls the stream makes. Tests put stand-ins here, since a machine may have no
// MIDI device; null entries are not allowed.
struct cMidiStreamApi {
    MMRESULT(WINAPI* Open)(LPHMIDISTRM, LPUINT, DWORD, DWORD_PTR, DWORD_PTR, DWORD);
    MMRESULT(WINAPI* Property)(HMIDISTRM, LPBYTE, DWORD);
    MMRESULT(WINAPI* Out)(HMIDISTRM, LPMIDIHDR, UINT);
    MMRESULT(WINAPI* Restart)(HMIDISTRM);
    MMRESULT(WINAPI* Pause)(HMIDISTRM);
    MMRESULT(WINAPI* Stop)(HMIDISTRM);
    MMRESULT(WINAPI* Reset)(HMIDIOUT);
    MMRESULT(WINAPI* Prepare)(HMIDIOUT, LPMIDIHDR, UINT);
    MMRESULT(WINAPI* Unprepare)(HMIDIOUT, LPMIDIHDR, UINT);
    MMRESULT(WINAPI* Close)(HMIDISTRM);
};
// WinMM's own functions unless a test sets others (SetMidiStreamApi, TestSeams.h).

// Where the next buffer is filled from: the read position in the image and the delta time of
// skipped meta events, which the next event sent takes over.
struct cMidiCursor {
    size_t position = kMidiTrackStart;
    DWORD carriedDelta = 0;
};

class cMidiStream : public cMidiFile {
public:
    enum eState { kStopped = 0, kPlaying = 1, kPaused = 2 };
    // How long the stream waits for its callback thread to start or to end.
    static constexpr DWORD kThreadWaitMs = 3000;

    explicit cMidiStream(const char* file);
    ~cMidiStream() override;

    void Play(bool loop);
    void Stop(bool pause);
    // Test seam: the stream's state, as the tests read it.
    eState GetState() const;
    // The text of an MCI or MIDI error code; code 0 returns the last text unchanged.
    const char* GetErrorText(MMRESULT code);

    // Converts events from the cursor into the buffer of the header (kMidiBufferSize bytes),
    // sets the header up for sending and moves the cursor on. The buffer always ends with an
    // event that raises a position callback. Returns the number of SysEx events dropped because
    // they would not fit even into an empty buffer.
    static int FillEvents(const std::vector<uint8_t>& image, cMidiCursor& cursor, MIDIHDR& header);

private:
    void Open();
    bool StartCallbackThread();
    void EndCallbackThread();
    void FillBuffer();
    void Rewind();
    void OnPositionCallback(const MIDIHDR* header);
    static DWORD WINAPI CallbackThread(void* parameter);

    mutable CRITICAL_SECTION m_Lock;  // the callback thread and the caller share everything below
    HMIDISTRM m_hStream = nullptr;
    MIDIHDR m_Header[2] = {};
    std::vector<char> m_Buffer[2];
    int m_nNext = 0;
    cMidiCursor m_Cursor;
    eState m_nState = kStopped;
    bool m_bLoop = false;
    HANDLE m_hThread = nullptr;
    DWORD m_dwThreadId = 0;
    char m_szErrorText[512] = "";
};
