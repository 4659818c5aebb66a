#pragma once
// Steps through animation patterns one tick per call. A pattern is a list of frames, each
// showing a value (a picture or cell number the owner chooses) for a number of ticks; a
// pattern ends with a code frame: hold the frame before it, loop to frame 0, or jump to
// another pattern. Any other negative value also ends a pattern: the player stays on it and
// returns it (the game reads -4 as "the animation is over").
#include <cstdint>

#include "framework/CheckedVector.h"

const int32_t kAnimeHold = -1;
const int32_t kAnimeLoop = -2;
const int32_t kAnimeJump = -3;  // the target pattern stands in the duration field

struct cAnimeCode {
    int32_t value = 0;
    int32_t duration = 0;  // ticks; 0 and 1 both last one tick
    int32_t uninterruptible = 0;
};

typedef cCheckedVector<cAnimeCode> cAnimePattern;
typedef cCheckedVector<cAnimePattern> cAnimePatterns;

// How SetPattern treats a request for the pattern already playing: the editor restarts it,
// the game keeps it running.
enum eAnimeSwitch { eAnimeRestart, eAnimeKeepCurrent };

// The longest frame array the array form of SetPatterns reads before it gives up looking for
// the ending code.
const int kMaxAnimeFrames = 4096;

class cAnimePlayer {
public:
    explicit cAnimePlayer(eAnimeSwitch form = eAnimeRestart) : m_Form(form) {}

    // Replaces the patterns and starts at pattern 0. Every pattern is checked first: it must
    // end with a code, start with a frame that shows a value, hold only after a frame that
    // shows a value, and jump only to a pattern that exists. A set with a bad pattern is
    // refused as a whole: false, and the player is left without patterns.
    bool SetPatterns(const cAnimePatterns& patterns);
    // The same from a null-terminated array of frame arrays, each frame three values {value,
    // duration, flag}, each array ending with its first frame whose value is negative.
    bool SetPatterns(const int32_t* const* arrays);

    // 1 when switched, 0 when refused: an uninterruptible frame is showing (unless forced), or
    // there is no such pattern.
    int SetPattern(int pattern, int force);
    // Advances one tick and returns the value now showing; 0 without patterns.
    int32_t Update();

    int GetPattern() const { return m_Pattern; }
    int GetFrame() const { return m_Frame; }
    int GetTick() const { return m_Tick; }
    // The value now showing, as Update last returned it; 0 without patterns.
    int32_t Value() const { return m_Patterns.empty() ? 0 : m_Patterns.At(m_Pattern).At(m_Frame).value; }

private:
    cAnimePatterns m_Patterns;
    int m_Pattern = 0;
    int m_Frame = 0;
    int m_Tick = 0;
    eAnimeSwitch m_Form;
};

// True when the pattern is playable among count patterns (see SetPatterns).
bool IsValidAnimePattern(const cAnimePattern& pattern, int count);
