#include "journal/AmountRange.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

using journal::AmountText;
using Kind = journal::AmountText::Kind;

namespace {

struct AmountCase {
    const char* name;
    const char* text;
    Kind kind;
    std::int32_t amount;
};
void PrintTo(const AmountCase& c, std::ostream* os)
{
    *os << c.name;
}

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
    ::testing::Values(AmountCase{"Empty", "", Kind::Empty, 0}, AmountCase{"Plain", "1000", Kind::Amount, 1000},
                      AmountCase{"WithCommas", "1,000", Kind::Amount, 1000},
                      AmountCase{"HalfToEvenDown", "12.5", Kind::Amount, 12},  // half to even
                      AmountCase{"HalfToEvenUp", "13.5", Kind::Amount, 14},
                      AmountCase{"Negative", "-540", Kind::Amount, -540},
                      AmountCase{"Letters", "abc", Kind::NotNumeric, 0},
                      AmountCase{"WithYenSign", "12円", Kind::NotNumeric, 0},
                      AmountCase{"Largest", "2147483647", Kind::Amount, 2147483647},
                      AmountCase{"LargestPlusOne", "2,147,483,648", Kind::OutOfRange, 0},
                      AmountCase{"Smallest", "-2147483648", Kind::Amount, std::numeric_limits<std::int32_t>::min()},
                      AmountCase{"SmallestMinusOne", "-2147483649", Kind::OutOfRange, 0},
                      AmountCase{"TwentyThreeDigits", "99999999999999999999999", Kind::OutOfRange, 0}),
    testsupport::kCaseName);

}  // namespace
