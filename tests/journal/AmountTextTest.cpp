#include "journal/AmountRange.h"

#include "CaseName.h"

#include <gtest/gtest.h>

using journal::AmountText;
using Kind = journal::AmountText::Kind;

namespace {

struct AmountCase {
    const char* text;
    Kind kind;
    std::int32_t amount;
};

class ReadAmountTextTest : public ::testing::TestWithParam<AmountCase> {};

TEST_P(ReadAmountTextTest, ReadsWhatTheCellHolds)
{
    const AmountCase& c = GetParam();
    const AmountText read = journal::ReadAmountText(c.text);
    EXPECT_EQ(read.kind, c.kind) << c.text;
    if (c.kind == Kind::Amount) {
        EXPECT_EQ(read.amount, c.amount) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadAmountTextTest,
    ::testing::Values(AmountCase{"", Kind::Empty, 0},
                      AmountCase{"1000", Kind::Amount, 1000},
                      AmountCase{"1,000", Kind::Amount, 1000},
                      AmountCase{"12.5", Kind::Amount, 12},      // half to even
                      AmountCase{"13.5", Kind::Amount, 14},
                      AmountCase{"-540", Kind::Amount, -540},
                      AmountCase{"abc", Kind::NotNumeric, 0},
                      AmountCase{"12円", Kind::NotNumeric, 0},
                      AmountCase{"2147483647", Kind::Amount, 2147483647},
                      AmountCase{"2,147,483,648", Kind::OutOfRange, 0},
                      AmountCase{"-2147483648", Kind::Amount, std::numeric_limits<std::int32_t>::min()},
                      AmountCase{"-2147483649", Kind::OutOfRange, 0},
                      AmountCase{"99999999999999999999999", Kind::OutOfRange, 0}), journal::testing::kCaseName);

}  // namespace
