#include "game/play/IndexCheck.h"

namespace {

cIndexFaultHandler g_Handler = nullptr;

}  // namespace

cIndexFaultHandler SetPlayIndexCheck(cIndexFaultHandler handler) {
    const cIndexFaultHandler before = g_Handler;
    g_Handler = handler;
    return before;
}

bool PlayIndexCheckOn() { return g_Handler != nullptr; }

void ReportIndexFault(const char* fault) {
    if (g_Handler) g_Handler(fault);
}
