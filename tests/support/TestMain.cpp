// The main of every test program: no message box may wait for a person.
#include <gtest/gtest.h>

#include "framework/MessageBox.h"
#include "framework/TestSeams.h"
#include "tests/support/BoxAnswers.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    SetMessageBoxHook(UnexpectedBox);
    return RUN_ALL_TESTS();
}
