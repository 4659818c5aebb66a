#include "game/flow/FlowFaults.h"

#include <cstdarg>

#include "framework/ErrorLog.h"
#include "framework/Format.h"

std::set<std::string>& LoggedFlowFaults() {
    static std::set<std::string> logged;
    return logged;
}

void LogFlowFault(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = FormatV(format, args);
    va_end(args);
    if (LoggedFlowFaults().insert(text).second) ErrorLog(text.c_str());
}
