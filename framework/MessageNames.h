#pragma once
// Names of the standard window messages, for the message dump.
#include <windows.h>

// The message's name; null for a message the table does not know.
const char* MessageName(UINT msg);
