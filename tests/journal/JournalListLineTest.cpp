#include "journal/JournalListLine.h"

#include "common/FitByteWidth.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

using journal::JournalListLines;
using journal::JournalRecord;

namespace {

JournalRecord row(dao::Date date, int rowNumber, std::int64_t amount, const std::string& debitCode,
                  const std::string& debitName, const std::string& partner = {})
{
    JournalRecord r;
    r.date = date;
    r.rowNumber = rowNumber;
    r.description = "摘要";
    r.partner = partner;
    r.debitCode = debitCode;
    r.debitName = debitName;
    r.debit = amount;
    r.creditCode = "511";
    r.creditName = "売上高";
    r.credit = amount;
    return r;
}

struct Expected {
    std::string date = std::string(12, ' ');
    std::string mark = " ";
    std::string rowNumber = "1";
    std::string partner;
    std::string debitName;
    std::string debit;
    std::string creditName;
    std::string credit;
    std::string bank;
    std::string branch;
    bool bankShown = false;
};

std::string line(const Expected& e)
{
    return e.date + e.mark + e.rowNumber + " " + o::FitByteWidth("摘要", 33) + " " + o::FitByteWidth(e.partner, 16)
        + " " + o::FitByteWidth(e.debitName, 20) + "   " + e.debit + " " + o::FitByteWidth(e.creditName, 20) + "   "
        + e.credit + "  "
        + (e.bankShown ? o::FitByteWidth(e.bank, 15) + " " + o::FitByteWidth(e.branch, 15) : std::string(31, ' '));
}

const dao::Date kNow{2024, 4, 6, 10, 0, 0};

TEST(JournalListLines, LayoutOfOneLine)
{
    JournalListLines lines(kNow);
    JournalRecord r = row(dao::Date{2024, 4, 5}, 1, 1000, "111", "現金", "山田商店");
    r.closingEntry = true;
    r.branchCode = "0001001";
    r.bankName = "みずほ銀行";
    r.branchName = "本店";
    Expected e;
    e.date = "24/04/05(金)";
    e.mark = "*";
    e.partner = "山田商店";
    e.debitName = "現金";
    e.debit = "     1,000";
    e.creditName = "売上高";
    e.credit = "     1,000";
    e.bankShown = true;
    e.bank = "みずほ銀行";
    e.branch = "本店";
    EXPECT_EQ(lines.next(r), line(e));
}

TEST(JournalListLines, RepeatedColumnsAreLeftBlank)
{
    JournalListLines lines(kNow);
    const dao::Date day{2024, 4, 5};
    Expected first;
    first.date = "24/04/05(金)";
    first.partner = "山田商店";
    first.debitName = "現金";
    first.debit = first.credit = "       100";
    first.creditName = "売上高";
    EXPECT_EQ(lines.next(row(day, 1, 100, "111", "現金", "山田商店")), line(first));

    Expected second;  // same voucher, same accounts, same partner, same date
    second.rowNumber = "2";
    second.debit = second.credit = "       200";
    EXPECT_EQ(lines.next(row(day, 2, 200, "111", "現金", "山田商店")), line(second));

    Expected third;  // next voucher: accounts shown again, the partner stays blank
    third.debitName = "現金";
    third.creditName = "売上高";
    third.debit = third.credit = "       300";
    EXPECT_EQ(lines.next(row(day, 1, 300, "111", "現金", "山田商店")), line(third));

    Expected nextDay;
    nextDay.date = "24/04/06(土)";
    nextDay.debitName = "普通預金";
    nextDay.creditName = "売上高";
    nextDay.debit = nextDay.credit = "       400";
    EXPECT_EQ(lines.next(row(dao::Date{2024, 4, 6}, 1, 400, "131", "普通預金")), line(nextDay));
}

TEST(JournalListLines, FirstLineShowsItsDateEvenWhenDatedToday)
{
    JournalListLines lines(kNow);
    const std::string l = lines.next(row(dao::Date{2024, 4, 6}, 1, 1, "111", "現金"));
    EXPECT_EQ(l.substr(0, o::FitByteWidth("24/04/06(土)", 12).size()), "24/04/06(土)");
}

struct WidthCase {
    const char* name;
    std::int64_t amount;
    const char* field;
};
void PrintTo(const WidthCase& c, std::ostream* os)
{
    *os << c.name;
}

class ListAmountFieldTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ListAmountFieldTest, TooWideAmountFillsItsFieldWithStars)
{
    EXPECT_EQ(journal::ListAmountField(GetParam().amount), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Widths, ListAmountFieldTest,
                         ::testing::Values(WidthCase{"Zero", 0, "         0"},
                                           WidthCase{"EightDigits", 99999999, "99,999,999"},
                                           WidthCase{"NegativeSevenDigits", -9999999, "-9,999,999"},
                                           WidthCase{"NineDigits", 123456789, "**********"},  // never "123,456,78"
                                           WidthCase{"NegativeEightDigits", -99999999, "**********"},
                                           WidthCase{"Largest", 2147483647, "**********"}),
                         testsupport::kCaseName);

TEST(ListAmountField, EmptyColumnIsBlank)
{
    EXPECT_EQ(journal::ListAmountField(std::nullopt), std::string(10, ' '));
}

}  // namespace
