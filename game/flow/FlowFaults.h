#pragma once
// Faults in the numbers of a flow at play (a command type, a variable number, a status number
// outside its list): the command or condition does nothing, and the fault goes to the error log
// once per text, since a flow runs it every frame.
#include <set>
#include <string>

void LogFlowFault(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The texts logged in this run; a test clears it to see its own.
std::set<std::string>& LoggedFlowFaults();
