#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/ErrorLog.h"
#include "framework/FileDialogs.h"
#include "framework/GameHelpers.h"
#include "framework/MessageBox.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"
#include "tests/framework/ErrorLogOn.h"

TEST(Boxes, ErrorBoxesCarryTheErrorCaptionAndCutLongTexts) {
    cBoxAnswers boxes;
    ErrorBox("%s のロードに失敗！", "a.dat");
    ErrorMessage("m");
    ErrorBoxTo(nullptr, "%d", 5);
    ErrorBox("%s", std::string(4000, 'x').c_str());
    ASSERT_EQ(4u, boxes.Shown().size());
    EXPECT_EQ("a.dat のロードに失敗！", boxes.Shown()[0].text);
    for (auto& box : boxes.Shown()) {
        EXPECT_EQ("エラー", box.caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), box.type);
    }
    EXPECT_EQ("5", boxes.Shown()[2].text);
    EXPECT_EQ(kMessageBufferSize - 1, boxes.Shown()[3].text.size());
}

TEST(Boxes, DebugBoxOnlyWhileTheLogIsOn) {
    cTempDir dir;
    cBoxAnswers boxes;
    SetErrorLog(0, "EC_Test.txt");
    DebugBox("hidden");
    EXPECT_TRUE(boxes.Shown().empty());
    cErrorLogOn log("EC_Test.txt");
    DebugBox("shown %d", 1);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("shown 1", boxes.Shown()[0].text);
}

TEST(Boxes, AppMessageBoxPassesTheAnswerOnInWindowMode) {
    cBoxAnswers boxes;
    boxes.Answer(IDNO);
    EXPECT_EQ(IDNO, AppMessageBox(nullptr, "q", "c", MB_YESNO));
}

TEST(Boxes, OutOfMemoryShowsItsBoxThenClosesTheMainWindow) {
    cCloseCounter main;
    SetMainWindow(main.Wnd());
    cBoxAnswers boxes;
    OutOfMemory();
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("メモリが不足しています！", boxes.Shown()[0].text);
    EXPECT_EQ(1, main.Closes());
    SetMainWindow(nullptr);
}

TEST(Boxes, ErrorLogAndCloseClosesEvenWithTheLogOff) {
    cTempDir dir;
    cCloseCounter wnd;
    SetErrorLog(0, "EC_Test.txt");
    ErrorLogAndClose(wnd.Wnd(), "bad %d", 1);
    EXPECT_EQ(1, wnd.Closes());
    EXPECT_FALSE(dir.Exists("EC_Test.txt"));
    cErrorLogOn log("EC_Test.txt");
    ErrorLogAndClose(wnd.Wnd(), "bad %d", 2);
    EXPECT_EQ(2, wnd.Closes());
    EXPECT_EQ("bad 2\r\n", dir.Read("EC_Test.txt"));
}

TEST(Boxes, ConfirmExitAsksAndTakesTheAnswer) {
    cBoxAnswers boxes;
    boxes.Answer(IDYES);
    boxes.Answer(IDNO);
    EXPECT_EQ(1, ConfirmExit(nullptr));
    EXPECT_EQ(0, ConfirmExit(nullptr));
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("終了しますか？\n", boxes.Shown()[0].text);
    EXPECT_EQ("終了確認", boxes.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), boxes.Shown()[0].type);
}
