#pragma once
// Stands in for the person in front of message boxes: records every box the code under test
// shows and answers it from a queue (IDCANCEL when the queue is empty), so no test waits.
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

struct cShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class cBoxAnswers {
public:
    cBoxAnswers();   // installs itself as the message-box hook
    ~cBoxAnswers();  // restores the test program's default answerer

    void Answer(int answer) { m_answers.push_back(answer); }
    const std::vector<cShownBox>& Shown() const { return m_shown; }

private:
    static int Hook(HWND owner, const char* text, const char* caption, UINT type);
    std::deque<int> m_answers;
    std::vector<cShownBox> m_shown;
};

// The test program's default answerer: fails the running test and answers IDCANCEL.
int UnexpectedBox(HWND owner, const char* text, const char* caption, UINT type);
