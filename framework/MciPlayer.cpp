#include "framework/MciPlayer.h"

#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/Path.h"

void cMciPlayer::Enable() {
    m_bEnabled = true;
    m_nCurrent = -1;
}

void cMciPlayer::Release() {
    CloseAll();
    m_bEnabled = false;
}

MCIDEVICEID cMciPlayer::GetDevice(int slot) const {
    return slot >= 0 && static_cast<size_t>(slot) < m_Open.size() ? m_Open[slot].wDeviceID : 0;
}

bool cMciPlayer::OpenDevice(int slot, const char* deviceType, const char* file) {
    MCI_OPEN_PARMSA& open = m_Open[slot];
    open = MCI_OPEN_PARMSA();
    open.lpstrDeviceType = deviceType;
    open.lpstrElementName = file;
    MCIERROR r = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open));
    // The names belong to the caller: only the device is kept.
    open.lpstrDeviceType = nullptr;
    open.lpstrElementName = nullptr;
    if (r) open.wDeviceID = 0;
    return r == 0;
}

void cMciPlayer::CloseDevice(int slot) {
    MCI_OPEN_PARMSA& open = m_Open[slot];
    if (!open.wDeviceID) return;
    MCIERROR r = mciSendCommandA(open.wDeviceID, MCI_CLOSE, 0, 0);
    if (r) ErrorLogF("MCI_CLOSE失敗！ %d", slot);
    open = MCI_OPEN_PARMSA();
}

bool cMciPlayer::Init(const char* deviceType, const char* const* files) {
    if (!m_bEnabled) return true;
    CloseAll();
    size_t count = 0;
    while (files && files[count]) ++count;
    m_Open.assign(count, MCI_OPEN_PARMSA());
    for (size_t i = 0; i < count; ++i) OpenDevice(static_cast<int>(i), deviceType, files[i]);
    m_nCurrent = -1;
    return true;
}

bool cMciPlayer::Open(int slot, const char* deviceType, const char* file) {
    if (!m_bEnabled) return true;
    if (slot < 0 || static_cast<size_t>(slot) >= m_Open.size()) return false;
    Stop(false);
    if (strcmp(deviceType, "sequencer") == 0) {
        for (size_t i = 0; i < m_Open.size(); ++i) CloseDevice(static_cast<int>(i));
    } else {
        CloseDevice(slot);
    }
    if (!OpenDevice(slot, deviceType, file)) {
        ErrorLogF("ChangeSound失敗！ %s", file);
        return false;
    }
    return true;
}

bool cMciPlayer::Play(HWND window, int slot, bool notify, bool resume, DWORD position) {
    Stop(false);
    MCIDEVICEID device = GetDevice(slot);
    if (!device) return false;
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
    play.dwFrom = position;
    DWORD flags = (notify ? MCI_NOTIFY : 0) | (resume ? 0 : MCI_FROM);
    MCIERROR r = mciSendCommandA(device, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play));
    m_nCurrent = slot;
    return r == 0;
}

void cMciPlayer::Stop(bool pause) {
    if (!m_bEnabled) return;
    MCIDEVICEID device = GetDevice(m_nCurrent);
    if (device && pause) {
        mciSendCommandA(device, MCI_PAUSE, 0, 0);
    } else if (device) {
        MCIERROR r = mciSendCommandA(device, MCI_STOP, 0, 0);
        ErrorLogF(r ? "Stop失敗！ mr = %8x stop =%d" : "Stop成功！ mr = %8x stop =%d", static_cast<unsigned>(r), m_nCurrent);
        mciSendCommandA(device, MCI_SEEK, MCI_SEEK_TO_START, 0);
    }
    m_nCurrent = -1;
}

void cMciPlayer::CloseAll() {
    if (!m_bEnabled) return;
    for (size_t i = 0; i < m_Open.size(); ++i) CloseDevice(static_cast<int>(i));
    m_Open.clear();
    m_nCurrent = -1;
}

bool PlayMci(HWND window, cMciPlayer& player, int slot, const char* file, DWORD position) {
    if (!player.IsEnabled()) return true;
    if (HasExt(file, "mid")) return player.Open(slot, "sequencer", file) && player.Play(window, slot, true, false, position);
    if (HasExt(file, "wav")) return player.Open(slot, "waveaudio", file) && player.Play(window, slot, false, false, position);
    return false;
}
