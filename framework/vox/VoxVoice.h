#pragma once
// The voice object of the Ogg Vorbis player library "Vox.dll": one song on one voice. The
// library exports CreateVox, which makes a voice; the program reaches the voice only through
// these virtual operations, whose order is the library's interface and must not change.
class cVoxVoice {
public:
    // Opens the song for playing; false when the file is missing or not an Ogg Vorbis song
    // the library can play.
    virtual bool Load(const char* file) = 0;
    // Plays the loaded song from its start.
    virtual bool Play() = 0;
    virtual bool Stop() = 0;
    // Stops and forgets the song.
    virtual bool Close() = 0;
    // How many times the song is repeated after its first pass; kVoxEndless never ends.
    virtual void SetLoop(int count) = 0;

    // Status queries: test seams, for the tests of the library and of the generated music.
    virtual bool IsPlaying() = 0;
    // Passes of the song begun since Play: 1 during the first pass, 2 after the first repeat...
    virtual int GetPasses() = 0;
    // Sample frames in the loaded song (0 when none), with its channels and sample rate.
    virtual int GetFormat(int* channels, int* rate) = 0;
    // Decodes frames of the loaded song from firstFrame into out (frames x channels samples)
    // without disturbing playback; returns the frames decoded.
    virtual int Peek(int firstFrame, short* out, int frames) = 0;

    // Stops, closes and deletes the voice.
    virtual void Release() = 0;

protected:
    ~cVoxVoice() = default;  // voices are deleted by Release
};

const int kVoxEndless = 2147483647;

// The library's one export.
typedef cVoxVoice* (*CreateVoxProc)();
