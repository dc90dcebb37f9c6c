#include "journal/EntryChecks.h"

#include "FakeCodes.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace journal;
using journal::testing::FakeCodes;
using journal::testing::Row;

namespace {

struct ValidateCase {
    const char* name;
    EntryRows rows;
    std::optional<std::string> message;
};
void PrintTo(const ValidateCase& c, std::ostream* os)
{
    *os << c.name;
}

EntryRows grid(std::initializer_list<std::pair<int, EntryRow>> rows)
{
    EntryRows g{};
    for (const auto& [i, row] : rows)
        g[i] = row;
    return g;
}

class ValidateEntryTest : public ::testing::TestWithParam<ValidateCase> {};

TEST_P(ValidateEntryTest, FirstFailingCheckGivesItsMessage)
{
    const ValidateCase& c = GetParam();
    EXPECT_EQ(ValidateEntry(c.rows, FakeCodes()), c.message) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ValidateEntryTest,
    ::testing::Values(
        ValidateCase{"complete voucher", grid({{0, Row("売上", "現金", "1,000", "売上高", "1,000")}}), std::nullopt},
        ValidateCase{"no credit account in row 1", grid({{0, Row("売上", "現金", "1,000", "", "1,000")}}),
                     messages::kDescriptionOrAccountMissing},
        ValidateCase{"no description in row 1", grid({{0, Row("", "現金", "1,000", "売上高", "1,000")}}),
                     messages::kDescriptionOrAccountMissing},
        ValidateCase{"debit name not in the chart", grid({{0, Row("売上", "現ナマ", "1,000", "売上高", "1,000")}}),
                     messages::kDebitAccountNotRegistered},
        ValidateCase{"credit name not in the chart", grid({{0, Row("売上", "現金", "1,000", "売り上げ", "1,000")}}),
                     messages::kCreditAccountNotRegistered},
        ValidateCase{
            "misspelt debit name in row 3 is refused, not carried over",
            grid({{0, Row("仕入", "仕入高", "500", "現金", "500")}, {2, Row("文具", "消耗品ひ", "300", "", "300")}}),
            messages::kDebitAccountNotRegistered},
        ValidateCase{
            "misspelt credit name in row 10",
            grid({{0, Row("仕入", "仕入高", "500", "現金", "500")}, {9, Row("文具", "", "300", "げんきん", "300")}}),
            messages::kCreditAccountNotRegistered},
        ValidateCase{"misspelt name in a row without amounts is not stored, so not refused",
                     grid({{0, Row("仕入", "仕入高", "500", "現金", "500")}, {4, Row("メモ", "なにか", "", "", "")}}),
                     std::nullopt},
        ValidateCase{"empty account cells below row 1 are fine",
                     grid({{0, Row("仕入", "仕入高", "500", "現金", "500")}, {1, Row("", "", "40", "", "40")}}),
                     std::nullopt},
        ValidateCase{"deposit account in row 4 without branch",
                     grid({{0, Row("仕入", "仕入高", "500", "現金", "500")},
                           {3, Row("振込", "買掛金", "200", "普通預金", "200", "", "みずほ銀行", "")}}),
                     messages::kBankOrBranchMissing},
        ValidateCase{"deposit account with bank and branch",
                     grid({{0, Row("入金", "普通預金", "200", "売掛金", "200", "", "みずほ銀行", "本店")}}),
                     std::nullopt}),
    testsupport::kCaseName);

TEST(DataCheck, FailsOnlyOnFirstRowWithoutDescriptionOrAnyAccount)
{
    AmountArray debit{}, credit{};
    debit.fill(7);
    credit.fill(7);
    EntryRows rows = grid({{0, Row("", "現金", "1,000", "売上高", "1,000")}});
    EXPECT_TRUE(DataCheck(rows, debit, credit));
    EXPECT_EQ(debit[0], 7) << "arrays stay as they were";
    rows[0] = Row("売上", "", "1,000", "", "1,000");
    EXPECT_TRUE(DataCheck(rows, debit, credit));
}

TEST(DataCheck, LoadsTheLeadingRunOfCompleteRows)
{
    AmountArray debit{}, credit{};
    debit.fill(7);
    credit.fill(7);
    EntryRows rows = grid({{0, Row("売上", "現金", "1,000", "売上高", "1,000")},
                           {1, Row("売上2", "現金", "2,000", "売上高", "2,000")},
                           {2, Row("", "現金", "3,000", "売上高", "3,000")},
                           {3, Row("売上4", "現金", "4,000", "売上高", "4,000")}});
    EXPECT_FALSE(DataCheck(rows, debit, credit));
    EXPECT_EQ(debit[0], 1000);
    EXPECT_EQ(credit[1], 2000);
    for (int i = 2; i < 10; ++i) {
        EXPECT_EQ(debit[i], 0) << i;
        EXPECT_EQ(credit[i], 0) << i;
    }
    EXPECT_EQ(debit[10], 7) << "element 10 is never used";
}

TEST(DataCheck, AmountThatIsNotANumberFails)
{
    AmountArray debit{}, credit{};
    EntryRows rows = grid({{0, Row("売上", "現金", "abc", "売上高", "1,000")}});
    EXPECT_TRUE(DataCheck(rows, debit, credit));
    rows[0].debitAmount = "3,000,000,000";
    EXPECT_TRUE(DataCheck(rows, debit, credit));
}

}  // namespace
