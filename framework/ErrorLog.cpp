#include "framework/ErrorLog.h"

#include <cstdarg>
#include <cstdio>

#include "framework/Format.h"

namespace {

int g_errorLogOn = 0;
char g_errorLogName[264] = "";
bool g_errorLogOpened = false;
char g_reportName[264] = "";
HWND g_mainWnd = nullptr;

// The first line of a run truncates what an earlier run left; later lines append. The file is
// opened around every line so that the log survives a crash up to its last line.
void WriteLogLine(const char* text) {
    FILE* fp = nullptr;
    if (!g_errorLogOpened) {
        fp = fopen(g_errorLogName, "wt");
        g_errorLogOpened = true;
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
