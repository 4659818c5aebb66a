#include "framework/MidiPlayer.h"

#include "framework/Geometry.h"
#include "framework/Path.h"

void cMidiPlayer::SetChannels(int count) {
    for (size_t i = count < 0 ? 0 : count; i < m_Streams.size(); ++i) SafeDelete(m_Streams[i]);
    m_Streams.resize(count < 0 ? 0 : count, nullptr);
}

void cMidiPlayer::DeleteStreams() {
    for (cMidiStream*& stream : m_Streams) SafeDelete(stream);
}

void cMidiPlayer::Release() {
    DeleteStreams();
    m_Streams.clear();
}

bool cMidiPlayer::Play(int channel, const char* file, bool loop) {
    Stop(true);
    DeleteStreams();
    if (channel < 0 || static_cast<size_t>(channel) >= m_Streams.size()) {
        m_Streams.At(channel);  // reports the bad index
        return false;
    }
    if (!file || !HasExt(file, "mid")) return false;
    cMidiStream* stream = new cMidiStream(file);
    m_Streams[channel] = stream;
    if (!stream->HasImage()) return false;
    stream->Play(loop);
    return true;
}

void cMidiPlayer::Stop(bool pause) {
    for (cMidiStream* stream : m_Streams)
        if (stream) stream->Stop(pause);
}
