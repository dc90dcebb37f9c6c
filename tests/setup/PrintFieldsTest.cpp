// The fields of the printed setup lines: texts left-set in characters,
// numbers and rates right-set with their masks.
#include "setup/PrintFields.h"
#include "setup/SetupPrintFixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* name;
    std::string actual;
    const char* expected;
};
void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class PrintFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(PrintFields, GivesTheFieldText)
{
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PrintFields,
    ::testing::Values(
        // Left-set counts characters: a full-width character is one.
        FieldCase{"LeftSetPadsFullWidthTextByCharacters", setup::LeftSet("青葉銀行", 6), "青葉銀行  "},
        FieldCase{"LeftSetKeepsTheFirstCharacters", setup::LeftSet("みずなみ信用金庫本店営業部第二課長", 16),
                  "みずなみ信用金庫本店営業部第二課"},
        FieldCase{"LeftSetOfNothingIsBlanks", setup::LeftSet("", 4), "    "},
        FieldCase{"NumberIsMaskedAndRightSet", setup::NumberField(dao::Value(1234567), "###,###,##0", 12),
                  "   1,234,567"},
        FieldCase{"NumberWithSuffixCountsItsCharacters", setup::NumberField(dao::Value(31), "#0", 4, "日"), " 31日"},
        FieldCase{"ZeroAmountPrintsZero", setup::NumberField(dao::Value(0), "###,###,##0", 10), "         0"},
        FieldCase{"NullNumberIsBlanks", setup::NumberField(dao::Value(), "###,###,##0", 10), "          "},
        FieldCase{"NegativeAmountKeepsItsSign", setup::NumberField(dao::Value(-5000), "##,###,###,##0", 12),
                  "      -5,000"},
        FieldCase{"AmountWiderThanItsFieldIsNeverCut", setup::NumberField(dao::Value(100000000), "###,###,##0", 10),
                  "**********"},
        FieldCase{"RateHasThreeDecimals", setup::RateField(dao::Value(0.1), 6), " 0.100"},
        FieldCase{"RateFromSinglePrecisionRounds", setup::RateField(dao::Value(0.10000000149011612), 8), "   0.100"},
        FieldCase{"PercentRate", setup::RateField(dao::Value(33.4), 6), "33.400"},
        FieldCase{"NullRateIsBlanks", setup::RateField(dao::Value(), 6), "      "}),
    testsupport::kCaseName);

}  // namespace
