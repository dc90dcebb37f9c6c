#include "platform/printing/TextCells.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct CellCase {
    const char* name;
    const char* text;
    int cells;
};
void PrintTo(const CellCase& c, std::ostream* os)
{
    *os << c.name;
}

class HalfWidthCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(HalfWidthCells, CountsAsShiftJisBytes)
{
    EXPECT_EQ(printing::halfWidthCells(GetParam().text), GetParam().cells) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HalfWidthCells,
    ::testing::Values(CellCase{"Empty", "", 0}, CellCase{"Ascii", "ABC 123", 7}, CellCase{"Kanji", "日本語", 6},
                      CellCase{"HalfWidthKatakana", "ｶﾞｲﾄﾞ", 5},  // half-width katakana and its sound marks
                      CellCase{"HalfWidthKatakanaAndAscii", "ﾌｧｲﾙ (*.*)", 10},
                      CellCase{"BracketsAndBlanks", "【会社】 会計 仕訳帳  ", 22},
                      CellCase{"FullWidthSymbols", "　～①", 6},  // full-width blank, tilde, circled digit
                      CellCase{"MalformedByte", "\xff", 2}),     // a malformed byte counts, never vanishes
    testsupport::kCaseName);

}  // namespace
