#pragma once
// One player's input: a direction word, a direction number and eight buttons, read from the
// fixed keys and joystick 0 or from the key configuration, with menu auto-repeat, a button
// latch, a short history and per-key logs of how long each key state has lasted.
#include <cstdint>
#include <vector>

#include "framework/CheckedVector.h"
#include "game/core/InputDevices.h"
#include "game/core/KeyConfig.h"
#include "game/media/CursorKeys.h"

// Direction numbers in numeric-keypad layout read top to bottom: 1 up-left ... 5 neutral ... 9
// down-right.
const int kDirNeutral = 5;
const int kButtons = 8;
// Buttons of the menus: bit k-1 is button k.
const int kButtonDecide = 1;
const int kButtonCancel = 2;
// The menus' auto-repeat: a held direction acts again after 18 frames, then every 6.
const int kMenuRepeatDelay = 18;
const int kMenuRepeatInterval = 6;
// PollDefault's device flags.
const int kPollJoystick = 1;
const int kPollKeyboard = 2;

// One run of a key log: the key was down (1) or up (0) for so many frames.
struct cKeyRun {
    int32_t nDown;
    int32_t nFrames;
};
// Runs newest first; ResetKeyLogs makes it 32 runs long.
typedef std::vector<cKeyRun> cKeyLog;

const int kHistoryLength = 32;
const int kKeyLogLength = 32;
const int kDirectionLogs = 10;
const int kButtonLogs = 9;
enum eHistoryRing { eHistoryDirection, eHistoryButtons };

class cInput {
public:
    cInput();

    // The fixed keys and joystick n; 0 (nothing read) when the custom table is on.
    int PollDefault(const cInputDevices& devices, const cKeyConfig& keys, int joystick, int flags, int retry);
    // The custom table; 0 (nothing read) when it is off.
    int PollCustom(const cInputDevices& devices, const cKeyConfig& keys, int retry);
    static int GetDirection(int directionWord);

    // Menus: a held direction acts on its first frame, then every interval frames once it has
    // been held for the delay.
    void ApplyRepeat();
    void SetRepeat(int delay, int interval);
    // A held button acts once: masked buttons pass on the frame they go down and are removed
    // until every masked button is up again. Mask 0 means all eight.
    void LatchButtons(int mask);
    // Joystick button k is read through mask 1 << (k-1).
    void SetButtonMasks();
    void ClearDirection();
    void ClearButtons();

    void ClearHistory();
    void RecordHistory();
    // Toolkit API: the value of the ring n frames ago (0 is this frame's); past the recorded
    // history, the oldest recorded value. The input record's reading of the history it keeps,
    // for the loops that run beside play (pause, ranking view).
    int HistoryAt(int ring, int framesBack) const;

    void ResetKeyLogs();
    void UpdateKeyLogs();
    static void LogKey(cKeyLog& log, int down);

    int16_t m_wDirection = 0;
    int16_t m_wButtons = 0;
    // The raw direction words of the last four frames, newest in the low four bits.
    int16_t m_wDirectionTrail = 0;
    struct cHistoryEntry {
        int16_t nValue;
        int32_t nFrames;
    };
    cHistoryEntry m_History[2][kHistoryLength];
    int32_t m_nHistoryPos[2];
    // Direction logs: the word is 0, 1, 2, 4, 8, 5, 9, 6, 10, then any direction at all.
    // Button logs: no button, then buttons 1 to 8.
    std::vector<cKeyLog> m_DirectionLogs;
    std::vector<cKeyLog> m_ButtonLogs;
    int32_t m_nDirection = kDirNeutral;
    int32_t m_nRepeatX = 0;
    int32_t m_nRepeatY = 0;
    int32_t m_nRepeatDelay = 0;
    int32_t m_nRepeatInterval = 0;
    int32_t m_bLatch = 0;
    uint16_t m_wJoyMasks[kButtons] = {};
    int32_t m_bJoyPresent = 0;
    // Frames until an absent joystick is asked again.
    int32_t m_nJoyRetry = 0;

private:
    // Asks the joystick again only when it was there last time or its wait has run out.
    bool JoystickDue();
    void JoystickAnswered(bool any, int retry);
    void SetDirection(int word);
};

// The players' input records: exactly one, player 0, is polled.
cCheckedVector<cInput>& PlayerInputs();
cInput& GetPlayerInput(int n);
