#pragma once
// The MIDI side of the music player: one stream per channel, one song at a time.
#include "framework/CheckedVector.h"
#include "framework/MidiStream.h"

class cMidiPlayer {
public:
    cMidiPlayer() = default;
    ~cMidiPlayer() { DeleteStreams(); }
    cMidiPlayer(const cMidiPlayer&) = delete;
    cMidiPlayer& operator=(const cMidiPlayer&) = delete;

    // Resizes the channel table; new channels hold no stream.
    void SetChannels(int count);
    // Pauses and deletes every stream, then loads the file (extension "mid" only) and starts it
    // on the channel; false when the file cannot be played.
    bool Play(int channel, const char* file, bool loop);
    void Stop(bool pause);
    // Deletes every stream and empties the channel table.
    void Release();

    // Test seam: the channel's stream, null when none.
    cMidiStream* GetStream(int channel) { return m_Streams.At(channel); }

private:
    void DeleteStreams();

    cCheckedVector<cMidiStream*> m_Streams;
};
