// The four sub-ledgers on the fixture journal, worked out by hand.
#include "books/BooksFixture.h"
#include "books/SubLedger.h"

#include <gtest/gtest.h>

using namespace bookstest;

namespace {

const dao::Date kNow{2024, 4, 1, 10, 0, 0};  // today, with a time of day

std::vector<std::string> linesOf(BooksFixture& fx, int listIndex)
{
    auto db = fx.open();
    for (const auto& rule : books::subLedgerRules()) {
        if (rule.listIndex != listIndex)
            continue;
        auto rs = db->OpenRecordset(rule.sql);
        return bookLines(books::subLedgerLines, *rs, rule, kNow);
    }
    return {};
}

struct Case {
    const char* name;
    int listIndex;
    std::vector<ListColumns> rows;  // the bank column is not compared
};

}  // namespace

TEST(SubLedger, EachListShowsItsRowsWithRunningBalance)
{
    BooksFixture fx;
    const Case cases[] = {
        {"cost of sales", 0, {{"買掛金", "600", "------------", "600"}}},
        // 買掛金 counted by the account itself: V07 debits 買掛金 against 未払金
        // (another 他流動負債 account) and lowers the balance.
        {"payables",
         3,
         {{"仕入高", "------------", "600", "600"},
          {"当座預金", "500", "------------", "100"},
          {"未払金", "100", "------------", "0"}}},
        {"sales",
         1,
         {{"現金", "------------", "300", "300"},
          {"売掛金", "------------", "1,000", "1,300"},
          {"現金", "------------", "0", "1,300"}}},  // a null amount counts 0
        {"receivables", 2, {{"売上高", "1,000", "------------", "1,000"}, {"普通預金", "------------", "1,000", "0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto lines = linesOf(fx, c.listIndex);
        ASSERT_EQ(lines.size(), c.rows.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(byteWidth(lines[i]), 158);
            const ListColumns got = listColumns(lines[i]);
            EXPECT_EQ(got.account, c.rows[i].account) << i;
            EXPECT_EQ(got.debit, c.rows[i].debit) << i;
            EXPECT_EQ(got.credit, c.rows[i].credit) << i;
            EXPECT_EQ(got.balance, c.rows[i].balance) << i;
        }
    }
}

TEST(SubLedger, LineLaidOutFieldByField)
{
    BooksFixture fx;
    const auto lines = linesOf(fx, 2);  // receivables
    ASSERT_EQ(lines.size(), 2u);
    const std::string expectedFirst = std::string("24/04/02(火)") + " " + "掛売上" + std::string(34, ' ') + " "
        + "東京商事" + std::string(5, ' ') + "   " + "売上高" + std::string(9, ' ') + "  " + "       1,000" + " "
        + "------------" + " " + "         1,000" + " " + std::string(14, ' ') + "  " + std::string(14, ' ');
    EXPECT_EQ(lines[0], expectedFirst);
    // The collection carries a bank: its names stand in the last two fields.
    EXPECT_EQ(trimmed(bytesOf(lines[1], 129, 142)), "青葉銀行");
    EXPECT_EQ(trimmed(bytesOf(lines[1], 145, 158)), "本店");
}

TEST(SubLedger, DateShownOnlyWhenItChanges)
{
    BooksFixture fx;
    fx.addJournal({"2024-04-02", "V20", code::Receivable, 10, code::Sales, 10, "同日売上", "", "", ""});
    fx.addJournal({"", "V21", code::Receivable, 5, code::Sales, 5, "日付なし", "", "", ""});
    const auto lines = linesOf(fx, 2);
    // Rows without a date come first in the journal's date order.
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(bytesOf(lines[0], 1, 12), std::string(12, ' '));  // no date
    EXPECT_EQ(bytesOf(lines[1], 1, 12), "24/04/02(火)");        // first dated row
    EXPECT_EQ(bytesOf(lines[2], 1, 12), std::string(12, ' '));  // same date again
    EXPECT_EQ(bytesOf(lines[3], 1, 12), "24/04/05(金)");
}

TEST(SubLedger, EmptyJournalGivesEmptyLists)
{
    BooksFixture fx;
    fx.execute("DELETE FROM \"仕訳台帳\"");
    for (int index = 0; index < 4; ++index)
        EXPECT_TRUE(linesOf(fx, index).empty()) << index;
}

TEST(SubLedger, AmountTooWideForItsFieldIsFilledWithStars)
{
    BooksFixture fx;
    fx.addJournal({"2024-04-20", "V30", code::Receivable, 1500000000, code::Sales, 1500000000, "大口", "", "", ""});
    const auto lines = linesOf(fx, 2);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(bytesOf(lines[2], 88, 99), std::string(12, '*'));        // 13 characters do not fit 12
    EXPECT_EQ(trimmed(bytesOf(lines[2], 114, 127)), "1,500,000,000");  // the balance field has room
    EXPECT_EQ(byteWidth(lines[2]), 158);
}
