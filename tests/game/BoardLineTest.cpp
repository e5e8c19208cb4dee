#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "game/CBoardLine.h"

namespace {

struct Line {
    const char* text;
    bool exists;
    const char* caption;
    int value, value2;
};

class BoardLine : public testing::TestWithParam<Line> {};

TEST_P(BoardLine, IsReadIntoCaptionValueAndSecondNumberLikeAtoiButSaturated) {
    const Line& line = GetParam();
    const CPiece piece = CBoardLine::Parse(line.text);
    ASSERT_EQ(piece.m_bExists, line.exists) << '"' << line.text << '"';
    if (!line.exists) return;
    EXPECT_EQ(piece.m_strCaption, line.caption) << '"' << line.text << '"';
    EXPECT_EQ(piece.m_nValue, line.value) << '"' << line.text << '"';
    EXPECT_EQ(piece.m_nValue2, line.value2) << '"' << line.text << '"';
    EXPECT_EQ(piece.m_nTakenBy, kUntaken);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BoardLine,
    testing::Values(
        // The character before the comma is a filler and is dropped.
        Line{"7 ,0", true, "7", 7, 0}, Line{"7,0", true, "", 0, 0},
        Line{"-12 ,5", true, "-12", -12, 2},
        // The second number is the last pos characters of the trimmed line.
        Line{"12 , 34", true, "12", 12, 34}, Line{"12,34", true, "1", 1, 34},
        Line{"12 ,345678", true, "12", 12, 678}, Line{"12 ,3", true, "12", 12, 0},
        Line{"  \t12 , 34 \r", true, "12", 12, 34}, Line{"1x2 ,0", true, "1x2", 1, 2},
        Line{"+5 ,0", true, "+5", 5, 0}, Line{"ab ,0", true, "ab", 0, 0},
        // Read like atoi: leading white space, one sign, digits.
        Line{"- 5 ,  \t-7", true, "- 5", 0, -7},
        // Only the first comma separates.
        Line{"3 ,4,5", true, "3", 3, 0}, Line{",9", true, "", 0, 0}, Line{"0 ,", true, "0", 0, 0},
        Line{"   ", false, "", 0, 0}, Line{"17", false, "", 0, 0},
        // Huge captions saturate at the 32-bit limits instead of overflowing.
        Line{"1234567890123456789012345678901234567890 ,0", true,
             "1234567890123456789012345678901234567890", INT_MAX, INT_MAX},
        Line{"-99999999999 ,0", true, "-99999999999", INT_MIN, INT_MAX}));

}  // namespace
