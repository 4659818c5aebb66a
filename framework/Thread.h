#pragma once
// A worker thread stopped by posting WM_QUIT until it ends.
#include <windows.h>

#include <list>

class cThread {
public:
    // How long Stop waits for a worker that does not take WM_QUIT before it gives up.
    static constexpr DWORD kStopTimeoutMs = 5000;

    cThread() = default;
    cThread(const cThread&) = delete;
    cThread& operator=(const cThread&) = delete;
    ~cThread();

    bool Start(LPTHREAD_START_ROUTINE routine, void* parameter);
    bool Resume();
    // Resumes a suspended worker, then posts WM_QUIT until it ends. A worker that is still
    // running after kStopTimeoutMs is reported and left; false then.
    bool Stop();
    // Waits until the thread has ended, then releases its handle (the game joins its pause and
    // ranking threads so).
    void Wait();

    HANDLE Handle() const { return m_hThread; }
    DWORD Id() const { return m_dwThreadId; }

    std::list<void*> m_Pending;  // work the owner queues for the thread

private:
    DWORD m_dwThreadId = 0;
    HANDLE m_hThread = nullptr;
};
