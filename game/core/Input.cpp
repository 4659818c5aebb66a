#include "game/core/Input.h"

#include <climits>
#include <cstring>

namespace {

// Axis readings past these count as pushed.
const DWORD kAxisLow = 10000;
const DWORD kAxisHigh = 55535;
const int kHorizontal = kKeyLeft | kKeyRight;
const int kVertical = kKeyUp | kKeyDown;

void Grow(int32_t& frames) {
    if (frames < INT_MAX) ++frames;
}

int AxisWord(const cJoyState& joy) {
    int word = 0;
    if (joy.dwX <= kAxisLow) word |= kKeyLeft;
    if (joy.dwX >= kAxisHigh) word |= kKeyRight;
    if (joy.dwY <= kAxisLow) word |= kKeyUp;
    if (joy.dwY >= kAxisHigh) word |= kKeyDown;
    return word;
}

// The directions of a custom entry's joystick code that the joystick's axes hold.
bool AxisCodeHolds(uint16_t code, const cJoyState& joy) {
    return ((code & kJoyLeft) && joy.dwX <= kAxisLow) || ((code & kJoyRight) && joy.dwX >= kAxisHigh) ||
           ((code & kJoyUp) && joy.dwY <= kAxisLow) || ((code & kJoyDown) && joy.dwY >= kAxisHigh);
}

// One repeat axis: the bits pass when they changed, or once held for the delay on every
// interval-th frame.
int RepeatAxis(int word, int previous, int bits, int32_t& counter, int delay, int interval) {
    if ((word & bits) != (previous & bits)) {
        counter = 0;
        return word;
    }
    if (counter < INT_MAX) ++counter;
    // An interval never set would divide by zero: it counts as every frame.
    if (interval < 1) interval = 1;
    if (counter >= delay && counter % interval == 0) return word;
    return word & ~bits;
}

}  // namespace

cInput::cInput() : m_DirectionLogs(kDirectionLogs), m_ButtonLogs(kButtonLogs) { ClearHistory(); }

int cInput::GetDirection(int word) {
    int number = kDirNeutral;
    if (word & kKeyLeft) number -= 1;
    if (word & kKeyRight) number += 1;
    if (word & kKeyUp) number -= 3;
    if (word & kKeyDown) number += 3;
    return number;
}

void cInput::SetDirection(int word) {
    m_wDirection = static_cast<int16_t>(word);
    m_nDirection = GetDirection(word);
}

bool cInput::JoystickDue() {
    if (m_bJoyPresent || m_nJoyRetry < 1) return true;
    --m_nJoyRetry;
    return false;
}

void cInput::JoystickAnswered(bool any, int retry) {
    m_bJoyPresent = any ? 1 : 0;
    if (!any) m_nJoyRetry = 2 * retry;
}

int cInput::PollDefault(const cInputDevices& devices, const cKeyConfig& keys, int joystick, int flags, int retry) {
    if (keys.bCustom) return 0;
    int word = 0;
    int buttons = 0;
    if ((flags & kPollJoystick) && JoystickDue()) {
        cJoyState joy;
        bool read = devices.ReadJoystick(joystick, joy);
        JoystickAnswered(read, retry);
        if (read) {
            word = AxisWord(joy);
            for (int k = 0; k < kButtons; ++k)
                if (joy.dwButtons & m_wJoyMasks[k]) buttons |= 1 << k;
        }
    }
    if (flags & kPollKeyboard) {
        if (word == 0) {
            static const int arrows[4] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
            for (int i = 0; i < 4; ++i)
                if (devices.KeyDown(arrows[i])) word |= 1 << i;
        }
        if (buttons == 0) {
            static const char letters[kButtons + 1] = "ZXCVASDF";
            for (int k = 0; k < kButtons; ++k)
                if (devices.KeyDown(letters[k])) buttons |= 1 << k;
        }
    }
    SetDirection(word);
    m_wButtons = static_cast<int16_t>(buttons);
    return 1;
}

int cInput::PollCustom(const cInputDevices& devices, const cKeyConfig& keys, int retry) {
    if (!keys.bCustom) return 0;
    int joysticks = keys.nJoysticks;
    if (joysticks < 0) joysticks = 0;
    if (joysticks > kMaxJoysticks) joysticks = kMaxJoysticks;
    cJoyState joy[kMaxJoysticks];
    bool read[kMaxJoysticks] = {};
    if (joysticks > 0 && JoystickDue()) {
        bool any = false;
        for (int j = 0; j < joysticks; ++j) any |= read[j] = devices.ReadJoystick(j, joy[j]);
        JoystickAnswered(any, retry);
    }
    int entries = keys.nEntries;
    if (entries > kKeyEntries) entries = kKeyEntries;
    auto down = [&](int i) {
        const cKeyEntry& e = keys.entries[i];
        if (e.nDevice == kKeyboardDevice) return devices.KeyDown(e.wCode);
        // A device the table does not poll never reads as down.
        if (e.nDevice < 0 || e.nDevice >= joysticks || !read[e.nDevice]) return false;
        const cJoyState& j = joy[e.nDevice];
        if (i < kDirectionEntries && AxisCodeHolds(e.wCode, j)) return true;
        return (e.wCode & j.dwButtons) != 0;
    };
    int word = 0;
    if (down(0)) word |= kKeyLeft;
    else if (down(1)) word |= kKeyRight;
    if (down(2)) word |= kKeyUp;
    else if (down(3)) word |= kKeyDown;
    int buttons = 0;
    for (int i = kDirectionEntries; i < entries; ++i)
        if (down(i)) buttons |= 1 << (i - kDirectionEntries);
    SetDirection(word);
    m_wButtons = static_cast<int16_t>(buttons);
    return 1;
}

void cInput::ApplyRepeat() {
    int previous = m_wDirectionTrail & 15;
    m_wDirectionTrail = static_cast<int16_t>((static_cast<uint16_t>(m_wDirectionTrail) << 4) + (m_wDirection & 15));
    int word = m_wDirection;
    word = RepeatAxis(word, previous, kHorizontal, m_nRepeatX, m_nRepeatDelay, m_nRepeatInterval);
    word = RepeatAxis(word, previous, kVertical, m_nRepeatY, m_nRepeatDelay, m_nRepeatInterval);
    SetDirection(word);
}

void cInput::SetRepeat(int delay, int interval) {
    m_nRepeatDelay = delay;
    m_nRepeatInterval = interval;
}

void cInput::LatchButtons(int mask) {
    if (mask == 0) mask = (1 << kButtons) - 1;
    bool held = (m_wButtons & mask) != 0;
    if (!m_bLatch) {
        if (held) m_bLatch = 1;
    } else if (!held) {
        m_bLatch = 0;
    } else {
        m_wButtons = static_cast<int16_t>(m_wButtons & ~mask);
    }
}

void cInput::SetButtonMasks() {
    for (int k = 0; k < kButtons; ++k) m_wJoyMasks[k] = static_cast<uint16_t>(1 << k);
}

void cInput::ClearDirection() { SetDirection(0); }

void cInput::ClearButtons() { m_wButtons = 0; }

void cInput::ClearHistory() {
    memset(m_History, 0, sizeof m_History);
    m_nHistoryPos[0] = m_nHistoryPos[1] = 0;
}

void cInput::RecordHistory() {
    const int16_t values[2] = {m_wDirection, m_wButtons};
    for (int r = 0; r < 2; ++r) {
        int32_t& pos = m_nHistoryPos[r];
        if (m_History[r][pos].nValue == values[r]) {
            Grow(m_History[r][pos].nFrames);
        } else {
            pos = (pos + 1) % kHistoryLength;
            m_History[r][pos] = {values[r], 1};
        }
    }
}

int cInput::HistoryAt(int ring, int framesBack) const {
    if (ring != eHistoryButtons) ring = eHistoryDirection;
    int pos = m_nHistoryPos[ring];
    int n = framesBack < 0 ? 0 : framesBack;
    const cHistoryEntry* entry = &m_History[ring][pos];
    for (int i = 0; i < kHistoryLength; ++i) {
        entry = &m_History[ring][(pos - i + kHistoryLength) % kHistoryLength];
        if (n < entry->nFrames) break;
        n -= entry->nFrames;
    }
    return entry->nValue;
}

void cInput::ResetKeyLogs() {
    for (std::vector<cKeyLog>* logs : {&m_DirectionLogs, &m_ButtonLogs})
        for (cKeyLog& log : *logs) log.assign(kKeyLogLength, cKeyRun{0, 0});
}

void cInput::UpdateKeyLogs() {
    static const int words[kDirectionLogs - 1] = {0, 1, 2, 4, 8, 5, 9, 6, 10};
    int direction = m_wDirection & 15;
    for (int i = 0; i < kDirectionLogs - 1 && i < static_cast<int>(m_DirectionLogs.size()); ++i)
        LogKey(m_DirectionLogs[i], direction == words[i]);
    if (static_cast<int>(m_DirectionLogs.size()) >= kDirectionLogs)
        LogKey(m_DirectionLogs[kDirectionLogs - 1], direction != 0);
    int buttons = m_wButtons & 255;
    for (int i = 0; i < kButtonLogs && i < static_cast<int>(m_ButtonLogs.size()); ++i)
        LogKey(m_ButtonLogs[i], i == 0 ? buttons == 0 : (buttons >> (i - 1)) & 1);
}

void cInput::LogKey(cKeyLog& log, int down) {
    down = down ? 1 : 0;
    if (!log.empty() && log.front().nDown == down) {
        Grow(log.front().nFrames);
        return;
    }
    log.insert(log.begin(), cKeyRun{down, 1});
    if (log.size() > static_cast<size_t>(kKeyLogLength)) log.resize(kKeyLogLength);
}

cCheckedVector<cInput>& PlayerInputs() {
    static cCheckedVector<cInput> players(1);
    return players;
}

cInput& GetPlayerInput(int n) { return PlayerInputs().At(n); }
