#pragma once
// What the tests (and the fuzz and benchmark tools) put in place of the person and the machine:
// the answers to message boxes and file dialogs, the clock of the frame timers, the MIDI stream
// functions and the sound library. The programs never call these; each restores the real one
// when given null.
#include <windows.h>

// Every box of the system ends in ShowMessageBox: with a hook set, the hook's result is the
// box's answer and no window is shown.
typedef int (*MessageBoxHook)(HWND owner, const char* text, const char* caption, UINT type);
void SetMessageBoxHook(MessageBoxHook hook);

// Every open and save dialog ends in one call: with a hook set, it fills the name buffer
// (length chars) and its result is the dialog's.
typedef int (*FileDialogHook)(bool save, char* file, DWORD length, const char* initialFolder, const char* title,
                              const char* filter, const char* defaultExt);
void SetFileDialogHook(FileDialogHook hook);

// The clock the frame timers read, timeGetTime unless set.
typedef DWORD (*FrameClock)();
void SetFrameClock(FrameClock clock);
// Forgets the measuring second of GetFps and the due time of CheckFrame.
void ResetFrameTimers();

// The WinMM functions the MIDI stream calls (MidiStream.h).
struct cMidiStreamApi;
void SetMidiStreamApi(const cMidiStreamApi* api);

// The library cVox loads, "Vox.dll" unless named.
void SetVoxLibraryName(const char* name);
