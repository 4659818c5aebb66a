#include "framework/ErrorLog.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/Format.h"

namespace {

int g_errorLogOn = 0;
char g_errorLogName[264] = "";
// The log files this run has written to, as full paths.
std::vector<std::string> g_startedLogs;
char g_reportName[264] = "";
HWND g_mainWnd = nullptr;

// The first line a run writes to a log file truncates what an earlier run left there; later
// lines append. A file is known by its full path, so the same name in another folder is another
// log. The file is opened around every line so that the log survives a crash up to its last line.
bool StartsLog(const char* name) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(name, MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH) CopyText(full, sizeof full, name);
    for (const std::string& started : g_startedLogs)
        if (lstrcmpiA(started.c_str(), full) == 0) return false;
    g_startedLogs.push_back(full);
    return true;
}

void WriteLogLine(const char* text) {
    FILE* fp = nullptr;
    if (StartsLog(g_errorLogName)) {
        fp = fopen(g_errorLogName, "wt");
    } else {
        fp = fopen(g_errorLogName, "rt+");
        if (fp) fseek(fp, 0, SEEK_END);
    }
    if (!fp) return;
    fputs(text, fp);
    fputs("\n", fp);
    fclose(fp);
}

int AppendReportLine(const char* text) {
    if (!g_reportName[0]) return 0;
    FILE* fp = fopen(g_reportName, "rt+");
    if (!fp) return 0;
    fseek(fp, 0, SEEK_END);
    fputs(text, fp);
    fputs("\n", fp);
    fclose(fp);
    return 1;
}

}  // namespace

void SetErrorLog(int on, const char* fileName) {
    g_errorLogOn = on;
    CopyText(g_errorLogName, sizeof g_errorLogName, fileName);
}

bool IsErrorLogOn() { return g_errorLogOn != 0; }

void ErrorLog(const char* text) {
    if (!g_errorLogOn) return;
    WriteLogLine(text);
}

void ErrorLogF(const char* format, ...) {
    if (!g_errorLogOn) return;
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    WriteLogLine(text.c_str());
}

int OpenReport(const char* fileName) {
    FILE* fp = fopen(fileName, "wt");
    if (!fp) return 0;
    fclose(fp);
    CopyText(g_reportName, sizeof g_reportName, fileName);
    return 1;
}

int Report(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    return AppendReportLine(text.c_str());
}

int ReportAndLog(const char* format, ...) {
    char text[kMessageBufferSize];
    va_list args;
    va_start(args, format);
    FormatIntoV(text, sizeof text, format, args);
    va_end(args);
    if (!AppendReportLine(text)) return 0;
    ErrorLog(text);
    return 1;
}

void SetMainWindow(HWND wnd) { g_mainWnd = wnd; }
HWND GetMainWindow() { return g_mainWnd; }
