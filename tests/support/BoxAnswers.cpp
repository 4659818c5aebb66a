#include "tests/support/BoxAnswers.h"

#include <gtest/gtest.h>

#include "framework/MessageBox.h"
#include "framework/TestSeams.h"

namespace {
cBoxAnswers* g_current = nullptr;
}

cBoxAnswers::cBoxAnswers() {
    g_current = this;
    SetMessageBoxHook(Hook);
}

cBoxAnswers::~cBoxAnswers() {
    g_current = nullptr;
    SetMessageBoxHook(UnexpectedBox);
}

int cBoxAnswers::Hook(HWND owner, const char* text, const char* caption, UINT type) {
    g_current->m_shown.push_back({owner, text ? text : "", caption ? caption : "", type});
    if (g_current->m_answers.empty()) return IDCANCEL;
    int answer = g_current->m_answers.front();
    g_current->m_answers.pop_front();
    return answer;
}

int UnexpectedBox(HWND, const char* text, const char* caption, UINT) {
    ADD_FAILURE() << "unexpected message box [" << (caption ? caption : "") << "] " << (text ? text : "");
    return IDCANCEL;
}
