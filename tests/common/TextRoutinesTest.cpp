// Shift-JIS byte widths, fitting texts to fixed byte widths, days in a month.
#include "platform/calendar/DaysInMonth.h"
#include "common/FitByteWidth.h"

#include <gtest/gtest.h>

namespace {

struct WidthCase {
    const char* text;
    int width;
};

TEST(ShiftJisByteWidth, CountsOneForSingleByteAndUnrepresentableAndTwoForTheRest)
{
    const WidthCase cases[] = {
        {"", 0},         {"abc 123", 7}, {"ｱｲｳｴ", 4},  // half-width katakana
        {"現金", 4},                                   // kanji
        {"あア", 4},                                   // hiragana, full-width katakana
        {"～", 2},                                     // the full-width tilde of the start list
        {"　", 2},                                     // ideographic blank
        {"①", 2},                                      // a code-page 932 extension
        {"😀", 1},                                      // not representable in Shift-JIS
        {"é", 1},                                      // not representable in Shift-JIS
        {"法定ﾏｽﾀｰ", 8},
    };
    for (const WidthCase& c : cases)
        EXPECT_EQ(o::ShiftJisByteWidth(c.text), c.width) << c.text;
}

struct FitCase {
    const char* text;
    int width;
    const char* expected;
};

TEST(FitByteWidth, PadsCutsAndNeverSplitsADoubleByteCharacter)
{
    const FitCase cases[] = {
        {"", 10, "          "},
        {"現金預", 5, "現金 "},  // a kanji would cross the last byte: a blank takes it
        {"現金預", 6, "現金預"},
        {"現金預", 4, "現金"},
        {"ｱｲｳｴ", 3, "ｱｲｳ"},
        {"現.abc", 3, "現."},
        {"abc", 5, "abc  "},
        {"abc", 0, ""},
        {"abc", -3, ""},
        {"第 1期", 8, "第 1期  "},
        {"😀現", 3, "😀現"},  // the unrepresentable character counts 1
        {"😀現", 2, "😀 "},
        {"甲商事株式会社の非常に長い名前でございます本当に", 40,
         "甲商事株式会社の非常に長い名前でございま"},  // 20 characters, cut at 40 bytes
        {"a甲商事株式会社の非常に長い名前でございます本当に", 40,
         "a甲商事株式会社の非常に長い名前でござい "},  // 1 + 38 bytes and a blank
    };
    for (const FitCase& c : cases) {
        const std::string fitted = o::FitByteWidth(c.text, c.width);
        EXPECT_EQ(fitted, c.expected) << c.text << " / " << c.width;
        if (c.width > 0) {
            EXPECT_EQ(o::ShiftJisByteWidth(fitted), c.width) << c.text << " / " << c.width;
        }
        // Appended to a line, the same field after what the line held.
        std::string line = "日付 ";
        o::AppendFitByteWidth(line, c.text, c.width);
        EXPECT_EQ(line, std::string("日付 ") + c.expected) << c.text << " / " << c.width;
    }
}

TEST(FitByteWidth, KeepsAnInvalidByteAsOneByteAndStillFillsTheWidth)
{
    const std::string text = std::string("a\xff") + "b";
    EXPECT_EQ(o::FitByteWidth(text, 4), text + " ");
}

struct MonthCase {
    int year;
    int month;
    int days;
};

TEST(DaysInMonth, FollowsTheGregorianCalendar)
{
    const MonthCase cases[] = {
        {2000, 2, 29},  {1900, 2, 28},  {2024, 2, 29}, {2023, 2, 28}, {2100, 2, 28}, {2021, 1, 31},
        {2021, 3, 31},  {2021, 4, 30},  {2021, 6, 30}, {2021, 7, 31}, {2021, 8, 31}, {2021, 9, 30},
        {2021, 11, 30}, {2021, 12, 31}, {2021, 13, 0}, {2021, 0, 0},  {2021, -1, 0},
    };
    for (const MonthCase& c : cases)
        EXPECT_EQ(o::DaysInMonth(c.year, c.month), c.days) << c.year << "/" << c.month;
}

}  // namespace
