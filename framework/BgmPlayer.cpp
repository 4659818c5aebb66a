#include "framework/BgmPlayer.h"

#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/Path.h"

bool cBgmPlayer::Init(int channels, char (*oggNames)[kOggNameLength], char (*midiNames)[kMidiNameLength], int slots) {
    Release();
    m_bInitialized = true;
    // Without the Ogg library the MIDI player still plays: the set-up goes on and reports.
    bool ok = m_Vox.Init();
    if (!ok) ErrorLog("m_Vox.Init失敗！");
    SetChannels(channels);
    m_pOggNames = oggNames;
    m_pMidiNames = midiNames;
    m_SlotTypes.assign(slots < 0 ? 0 : slots, kSlotUnknown);
    return ok;
}

void cBgmPlayer::SetChannels(int count) {
    if (count < 0) count = 0;
    m_Midi.SetChannels(count);
    m_Vox.CreateVoices(count);
    m_Playing.assign(count, kPlayingNone);
}

bool cBgmPlayer::SetFile(int slot, const char* file) {
    if (!m_bInitialized) return true;
    if (slot < 0 || static_cast<size_t>(slot) >= m_SlotTypes.size()) {
        m_SlotTypes.At(slot);  // reports the bad index
        return false;
    }
    char* ogg = m_pOggNames[slot];
    char* midi = m_pMidiNames[slot];
    char ext[MAX_PATH];
    if (!file || !GetExt(ext, file)) {
        ogg[0] = midi[0] = '\0';
        m_SlotTypes[slot] = kSlotUnknown;
        return false;
    }
    bool isMidi = strcmp(ext, "mid") == 0;
    bool isOgg = strcmp(ext, "ogg") == 0;
    if (!isMidi) CopyText(ogg, kOggNameLength, file);
    if (!isOgg) CopyText(midi, kMidiNameLength, file);
    m_SlotTypes[slot] = isMidi ? kSlotMidi : isOgg ? kSlotOgg : kSlotUnknown;
    return isMidi || isOgg;
}

bool cBgmPlayer::Play(int channel, int slot, bool pause, bool force) {
    if (!m_bInitialized) return true;
    if (slot == m_nCurrent && !force) return true;
    m_nCurrent = slot;
    // A bad slot or channel is reported by the checked access and plays nothing.
    bool valid = slot >= 0 && static_cast<size_t>(slot) < m_SlotTypes.size();
    if (!valid) m_SlotTypes.At(slot);
    if (valid && (channel < 0 || static_cast<size_t>(channel) >= m_Playing.size())) {
        m_Playing.At(channel);
        valid = false;
    }
    int32_t type = valid ? m_SlotTypes[slot] : -1;
    if (type == kSlotUnknown || type == kSlotOgg) {
        if (m_Vox.Play(channel, m_pOggNames[slot], kVoxEndless)) {
            m_Playing[channel] = kPlayingOgg;
            m_Midi.Stop(type == kSlotUnknown && pause);
            return true;
        }
    }
    if (type == kSlotUnknown || type == kSlotMidi) {
        if (m_Midi.Play(channel, m_pMidiNames[slot], true)) {
            m_Playing[channel] = kPlayingMidi;
            m_Vox.Stop();
            return true;
        }
    }
    if (valid) m_Playing[channel] = kPlayingNone;
    m_nCurrent = -1;
    m_Midi.Stop(false);
    m_Vox.Stop();
    return false;
}

void cBgmPlayer::Stop() {
    m_Midi.Stop(false);
    m_Vox.Stop();
    // Nothing plays any more: the slot that played must start again when it is asked for.
    m_nCurrent = -1;
    for (size_t i = 0; i < m_Playing.size(); ++i) m_Playing[i] = kPlayingNone;
}

void cBgmPlayer::Release() {
    m_Vox.Release();
    m_Midi.Release();
    m_SlotTypes.clear();
    m_Playing.clear();
    m_nCurrent = -1;
    m_bInitialized = false;
}
