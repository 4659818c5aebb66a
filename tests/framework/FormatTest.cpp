#include <gtest/gtest.h>

#include <string>

#include "framework/Format.h"

TEST(Format, FormatsAndAppends) {
    EXPECT_EQ("a 12 b", Format("%s %d %s", "a", 12, "b"));
    std::string s = "x";
    AppendFormat(s, "%s", "%d");
    EXPECT_EQ("x%d", s);
}

TEST(Format, LongTextIsCutAtTheBufferLimit) {
    std::string longText(kFormatBufferSize * 2, 'a');
    std::string out = Format("%s", longText.c_str());
    EXPECT_EQ(kFormatBufferSize - 1, out.size());
}

TEST(Format, CutNeverSplitsADoubleByteCharacter) {
    // "あ" is two bytes in cp932; a buffer of 4 holds three bytes, so only one character fits.
    char buffer[4];
    size_t len = FormatInto(buffer, sizeof buffer, "%s", "あい");
    EXPECT_EQ(2u, len);
    EXPECT_EQ(std::string("あ"), std::string(buffer));
    EXPECT_EQ(1u, CopyText(buffer, 2, "xy"));
}
