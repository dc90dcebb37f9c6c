// The bank books: each account's rows by bank code, branch code and kind,
// its balance from its own opening balance, and 現残高 stored for every account.
#include "books/BankBooks.h"
#include "books/BooksFixture.h"
#include "common/PrintRoutines.h"
#include "platform/printing/RecordingPrinter.h"

#include "support/SheetChecks.h"

#include <gtest/gtest.h>

using namespace bookstest;

namespace {

const dao::Date kNow{2024, 5, 1, 14, 5, 0};

std::vector<books::BankBook> show(dao::Database& db)
{
    auto accounts = db.OpenRecordset("Q_取引銀行");
    auto journal = db.OpenRecordset("Q_取引銀行仕訳");
    return books::showBankBooks(*dao::DBEngine::instance().Workspaces(0), *accounts, *journal);
}

struct RowCols {
    std::string account, in, out, balance;

    bool operator==(const RowCols&) const = default;
};
void PrintTo(const RowCols& row, std::ostream* out)
{
    testsupport::PrintFields(out,
                             {{"account", row.account}, {"in", row.in}, {"out", row.out}, {"balance", row.balance}});
}

RowCols screenColumns(const std::string& line)
{
    return {trimmed(bytesOf(line, 70, 85)), trimmed(bytesOf(line, 87, 98)), trimmed(bytesOf(line, 100, 111)),
            trimmed(bytesOf(line, 117, 128))};
}

// The pages of the bank books printed on a print run of their own.
std::vector<std::vector<std::string>> printedPages(BooksFixture& fx)
{
    auto db = fx.open();
    auto accounts = db->OpenRecordset("Q_取引銀行");
    auto journal = db->OpenRecordset("Q_取引銀行仕訳");
    BooksPrinter printer;
    books::printBankBooks(printer, *accounts, *journal, "テスト商事", kNow);
    printer.endDoc();
    // Each page the books laid out comes out on a sheet of its own, whole.
    EXPECT_TRUE(support::everyPageIsOneSheet(printer));
    return requestedPages(printer);
}

}  // namespace

TEST(BankBooks, EachAccountFromItsOwnOpeningBalanceByCodesAndKind)
{
    BooksFixture fx;
    auto db = fx.open();
    const auto books = show(*db);
    ASSERT_EQ(books.size(), 6u);

    struct Expected {
        const char* name;
        std::vector<RowCols> rows;
        long long balance;
    };
    const Expected expected[] = {
        {"青葉銀行 本店 普通預金", {{"売掛金", "1,000", "------------", "2,000"}}, 2000},
        // Same branch, other kind: only its own rows.
        {"青葉銀行 本店 当座預金", {{"買掛金", "------------", "500", "1,500"}}, 1500},
        {"若葉銀行 駅前支店 普通預金", {{"現金", "300", "------------", "600"}}, 600},
        // Bank missing from the master: no names, yet its own rows and opening balance.
        {"0009 普通預金", {{"消耗品費", "------------", "50", "0"}}, 0},
        {"若葉銀行 駅前支店 当座預金", {{"現金", "70", "------------", "140"}}, 140},
        // A second account of the same bank, branch and kind starts from its own 5.
        {"青葉銀行 本店 普通預金 (2)", {{"売掛金", "1,000", "------------", "1,005"}}, 1005},
    };
    for (std::size_t i = 0; i < books.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const auto& book = books[i];
        ASSERT_EQ(book.lines.size(), expected[i].rows.size() + 1);
        EXPECT_EQ(trimmed(bytesOf(book.lines[0], 117, 128)),
                  books::amountField(book.account.opening, books::kListMask, 0));
        for (std::size_t r = 0; r < expected[i].rows.size(); ++r) {
            EXPECT_EQ(byteWidth(book.lines[r + 1]), 128);
            EXPECT_EQ(screenColumns(book.lines[r + 1]), expected[i].rows[r]);
        }
        EXPECT_EQ(book.balance, expected[i].balance);
    }
    // Every account's 現残高 is stored, the fifth and sixth too.
    EXPECT_EQ(storedBalances(*db), (std::vector<long long>{2000, 1500, 600, 0, 140, 1005}));
}

TEST(BankBooks, AccountsWithoutNamesAreToldApartByTheirCodes)
{
    BooksFixture fx;
    fx.execute("INSERT INTO \"取引銀行\" (\"no\", \"銀行コード\", \"支店コード\", \"種別\", \"期首残高\")"
               " VALUES (7, '0008', '0008001', '普通預金', 10)");
    fx.addJournal({"2024-04-12", "V70", code::Ordinary, 20, code::Sales, 20, "入金", "", "0008", "0008001"});
    auto db = fx.open();
    const auto books = show(*db);
    ASSERT_EQ(books.size(), 7u);
    EXPECT_EQ(books[3].lines.size(), 2u);  // 0009: V09 only
    EXPECT_EQ(books[3].balance, 0);
    EXPECT_EQ(books[6].lines.size(), 2u);  // 0008: V70 only
    EXPECT_EQ(books[6].balance, 30);
}

TEST(BankBooks, OpeningLineAndLabels)
{
    BooksFixture fx;
    auto db = fx.open();
    const auto books = show(*db);
    ASSERT_GE(books.size(), 4u);
    EXPECT_EQ(books[0].lines[0], std::string(48, ' ') + "期首残高" + std::string(60, ' ') + "       1,000");
    const books::BankLabels labels = books::bankLabels(books[0]);
    EXPECT_EQ(labels.bankAndBranch, "青葉銀行 本店");
    EXPECT_EQ(labels.kind, "普通預金");
    EXPECT_EQ(labels.opening, "期首残高：      1,000円");
    EXPECT_EQ(labels.current, "現在残高：       2,000円");
    EXPECT_EQ(books::bankLabels(books[3]).bankAndBranch, " ");
    EXPECT_EQ(bytesOf(books[0].lines[1], 1, 12), "24/04/05(金)");  // each book shows its first date
}

TEST(BankBooks, EmptyBankJournalStoresOpeningBalancesAndLeavesCurrentLabelEmpty)
{
    BooksFixture fx;
    fx.execute("DELETE FROM \"仕訳台帳\"");
    auto db = fx.open();
    const auto books = show(*db);
    ASSERT_EQ(books.size(), 6u);
    EXPECT_EQ(books[0].lines.size(), 1u);
    EXPECT_EQ(books::bankLabels(books[0]).current, "");
    EXPECT_EQ(storedBalances(*db), (std::vector<long long>{1000, 2000, 300, 50, 70, 5}));
}

TEST(BankBooks, NullOpeningBalanceAndNullAmountCountZero)
{
    BooksFixture fx;
    fx.execute("UPDATE \"取引銀行\" SET \"期首残高\" = NULL WHERE \"no\" = 5");
    fx.addJournal({"2024-04-11", "V60", code::Current, dao::Value(), code::Sales, dao::Value(), "金額なし", "", "0002",
                   "0002001"});
    auto db = fx.open();
    const auto books = show(*db);
    ASSERT_EQ(books.size(), 6u);
    ASSERT_EQ(books[4].lines.size(), 3u);
    EXPECT_EQ(trimmed(bytesOf(books[4].lines[0], 117, 128)), "0");
    EXPECT_EQ(trimmed(bytesOf(books[4].lines[2], 87, 98)), "0");
    EXPECT_EQ(storedBalances(*db)[4], 70);
}

TEST(BankBooks, ShowingAgainStoresTheSameBalances)
{
    BooksFixture fx;
    auto db = fx.open();
    show(*db);
    const auto first = storedBalances(*db);
    show(*db);
    EXPECT_EQ(storedBalances(*db), first);
}

TEST(BankBooks, FailedStoreLeavesEveryCurrentBalanceAsItWas)
{
    BooksFixture fx;
    auto db = fx.open();
    dao::FailurePlan plan;
    plan.kind = dao::FailurePlan::Kind::WriteFails;
    plan.failOnWrite = 3;
    dao::DBEngine::instance().setFailurePlan(plan);
    EXPECT_THROW(show(*db), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(storedBalances(*db), (std::vector<long long>(6, 999)));
}

// Another program deletes the first account and gives the third other codes
// between the reading of the books and the storing of their balances: every
// other account still takes the balance of its own book, never a neighbour's.
TEST(BankBooks, BalancesAreStoredIntoTheAccountsTheirBooksWereReadFrom)
{
    BooksFixture fx;
    auto db = fx.open();
    auto accounts = db->OpenRecordset("Q_取引銀行");
    auto journal = db->OpenRecordset("Q_取引銀行仕訳");
    const auto books = books::bankBooksOf(*accounts, *journal);
    ASSERT_EQ(books.size(), 6u);
    fx.execute("DELETE FROM \"取引銀行\" WHERE \"no\" = (SELECT MIN(\"no\") FROM \"取引銀行\")");
    fx.execute("UPDATE \"取引銀行\" SET \"種別\" = '定期預金' WHERE \"no\" = (SELECT MIN(\"no\") + 1 FROM "
               "\"取引銀行\")");
    books::storeCurrentBalances(*dao::DBEngine::instance().Workspaces(0), *accounts, books::balancesOf(books));
    // The first is gone; the third (now another kind) keeps what it held.
    EXPECT_EQ(storedBalances(*db), (std::vector<long long>{1500, 999, 0, 140, 1005}));
}

TEST(BankBooks, PrintoutGivesEachOfTheFirstFourAccountsItsOwnBook)
{
    BooksFixture fx;
    const auto pages = printedPages(fx);
    ASSERT_EQ(pages.size(), 4u);
    const char* header = "【テスト商事】 会計 取引銀行     2024/05/01(水) 14:05    ページ   1 ";
    for (const auto& page : pages)
        EXPECT_EQ(page[0], header);
    EXPECT_EQ(pages[0][1], "青葉銀行 本店 普通預金 期首残高 1,000円");
    ASSERT_EQ(pages[0].size(), 3u);  // V06 carries the branch but not this kind
    EXPECT_EQ(byteWidth(pages[0][2]), 116);
    EXPECT_EQ(trimmed(bytesOf(pages[0][2], 105, 116)), "2,000");
    EXPECT_EQ(pages[1][1], "青葉銀行 本店 当座預金 期首残高 2,000円");
    EXPECT_EQ(trimmed(bytesOf(pages[1][2], 105, 116)), "1,500");
    EXPECT_EQ(pages[3][1], "  普通預金 期首残高 50円");
    EXPECT_EQ(trimmed(bytesOf(pages[3][2], 105, 116)), "0");
    // Nothing of the fifth and sixth accounts is printed.
    for (const auto& page : pages)
        for (const auto& text : page)
            EXPECT_EQ(text.find("期首残高 70円"), std::string::npos);
}

// Before the first bank voucher of a period every account still gets its book:
// the header and the account with its opening balance.
TEST(BankBooks, BooksWithoutRowsArePrintedWithTheirOpeningBalance)
{
    BooksFixture fx;
    fx.execute("DELETE FROM \"仕訳台帳\"");
    const auto pages = printedPages(fx);
    ASSERT_EQ(pages.size(), 4u);
    const std::vector<std::string> accountLines{"青葉銀行 本店 普通預金 期首残高 1,000円",
                                                "青葉銀行 本店 当座預金 期首残高 2,000円"};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(pages[i].size(), 2u);
        EXPECT_EQ(pages[i][0], "【テスト商事】 会計 取引銀行     2024/05/01(水) 14:05    ページ   1 ");
        if (i < accountLines.size()) {
            EXPECT_EQ(pages[i][1], accountLines[i]);
        }
    }
    EXPECT_EQ(pages[3][1], "  普通預金 期首残高 50円");
}

TEST(BankBooks, PrintedBookBreaksAfter65RowsWithoutHeaderOnTheNextPage)
{
    BooksFixture fx;
    for (int i = 0; i < 65; ++i)
        fx.addJournal({"2024-04-15", "B" + std::to_string(100 + i), code::Ordinary, 1, code::Sales, 1, "入金", "",
                       "0002", "0002001"});
    const auto pages = printedPages(fx);
    ASSERT_EQ(pages.size(), 5u);
    ASSERT_EQ(pages[2].size(), 2u + 65u);                       // the third book: header, account line, 65 rows
    ASSERT_EQ(pages[3].size(), 1u);                             // its 66th row, no header
    EXPECT_EQ(trimmed(bytesOf(pages[3][0], 105, 116)), "665");  // 300 + 300 (V08) + 65 x 1
    EXPECT_EQ(pages[4][1], "  普通預金 期首残高 50円");         // the next book on a new page
}
