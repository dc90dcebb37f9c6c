#include "platform/printing/TextCells.h"

#include <gtest/gtest.h>

namespace {

struct CellCase {
    const char* text;
    int cells;
};

class HalfWidthCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(HalfWidthCells, CountsAsShiftJisBytes)
{
    EXPECT_EQ(printing::halfWidthCells(GetParam().text), GetParam().cells) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, HalfWidthCells, ::testing::Values(
    CellCase{"", 0},
    CellCase{"ABC 123", 7},
    CellCase{"日本語", 6},
    CellCase{"ｶﾞｲﾄﾞ", 5},                 // half-width katakana and its sound marks
    CellCase{"ﾌｧｲﾙ (*.*)", 10},
    CellCase{"【会社】 会計 仕訳帳  ", 22},
    CellCase{"　～①", 6},                 // full-width blank, tilde, circled digit
    CellCase{"\xff", 2}));                 // a malformed byte counts, never vanishes

}  // namespace
