// The programs that test play run it with its indexes checked against walks of the whole lists
// (game/play/IndexCheck.h): a fault fails the test that made it.
#include <gtest/gtest.h>

#include "game/play/IndexCheck.h"

namespace {

void FailTheTest(const char* fault) { ADD_FAILURE() << "play index: " << fault; }

const cIndexFaultHandler g_Installed = (SetPlayIndexCheck(FailTheTest), FailTheTest);

}  // namespace
