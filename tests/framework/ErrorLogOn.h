#pragma once
// Turns the error log on for one test and off again at its end: the next test in the same
// process starts with the log off, as a program does (debug boxes show only while it is on).
#include "framework/ErrorLog.h"

class cErrorLogOn {
public:
    explicit cErrorLogOn(const char* fileName) { SetErrorLog(1, fileName); }
    ~cErrorLogOn() { SetErrorLog(0, ""); }
    cErrorLogOn(const cErrorLogOn&) = delete;
    cErrorLogOn& operator=(const cErrorLogOn&) = delete;
};
