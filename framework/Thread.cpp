#include "framework/Thread.h"

#include "framework/ErrorLog.h"

cThread::~cThread() {
    if (m_hThread) CloseHandle(m_hThread);
}

bool cThread::Start(LPTHREAD_START_ROUTINE routine, void* parameter) {
    HANDLE thread = CreateThread(nullptr, 0, routine, parameter, 0, &m_dwThreadId);
    if (!thread) return false;
    if (m_hThread) CloseHandle(m_hThread);
    m_hThread = thread;
    m_Pending.clear();
    return true;
}

bool cThread::Resume() { return !m_hThread || ResumeThread(m_hThread) != static_cast<DWORD>(-1); }

bool cThread::Stop() {
    if (!m_hThread) return true;
    // A suspended thread counts its suspensions; resume until it runs.
    for (int tries = 0; tries < 128; ++tries) {
        DWORD previous = ResumeThread(m_hThread);
        if (previous == static_cast<DWORD>(-1) || previous <= 1) break;
    }
    ErrorLog("Exit A");
    PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
    ErrorLog("Exit B");
    ErrorLog("Exit C");
    DWORD start = GetTickCount();
    bool ended = true;
    while (WaitForSingleObject(m_hThread, 1) == WAIT_TIMEOUT) {
        if (GetTickCount() - start >= kStopTimeoutMs) {
            ended = false;
            ReportAndLog("thread %lu did not end within %lu ms", static_cast<unsigned long>(m_dwThreadId),
                         static_cast<unsigned long>(kStopTimeoutMs));
            break;
        }
        PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
    }
    ErrorLog("Exit D");
    CloseHandle(m_hThread);
    m_hThread = nullptr;
    ErrorLog("Exit E");
    return ended;
}

void cThread::Wait() {
    if (!m_hThread) return;
    while (WaitForSingleObject(m_hThread, 1) == WAIT_TIMEOUT) {
    }
    CloseHandle(m_hThread);
    m_hThread = nullptr;
}
