#pragma once
// The error log, the report file and the program's main window, shared by both programs.
#include <windows.h>

// Formatting buffers of the report and box functions, the terminating zero included.
const size_t kMessageBufferSize = 1024;

void SetErrorLog(int on, const char* fileName);
void ErrorLog(const char* text);
void ErrorLogF(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool IsErrorLogOn();

int OpenReport(const char* fileName);
int Report(const char* format, ...) __attribute__((format(printf, 1, 2)));
int ReportAndLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The program's main window: closed by a failed checked access and by OutOfMemory.
void SetMainWindow(HWND wnd);
HWND GetMainWindow();
