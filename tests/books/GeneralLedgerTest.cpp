// The general ledger of one account on screen and on paper.
#include "books/BooksFixture.h"
#include "books/GeneralLedger.h"
#include "common/PrintRoutines.h"
#include "platform/printing/RecordingPrinter.h"

#include "support/SheetChecks.h"

#include <gtest/gtest.h>

using namespace bookstest;

namespace {

const dao::Date kNow{2024, 5, 1, 14, 5, 0};

books::LedgerView showAccount(dao::Database& db, dao::Recordset& journal, const std::string& name)
{
    auto accounts = db.OpenRecordset("Q_使用勘定科目表");
    const auto account = books::findLedgerAccount(*accounts, name);
    EXPECT_TRUE(account.has_value()) << name;
    return books::showLedger(journal, *account, kNow);
}

void printMode(BooksFixture& fx, BooksPrinter& run, books::LedgerPrintMode mode, const std::string& shown)
{
    auto db = fx.open();
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    books::printLedgers(run, *accounts, *journal, shown, "テスト商事", mode, kNow);
    run.endDoc();
}

std::string header(const std::string& account, int page)
{
    return "【テスト商事】 総勘定元帳　" + account + "   2024/05/01(水) 14:05    ページ     " + std::to_string(page)
        + " ";
}

}  // namespace

TEST(GeneralLedger, ScreenRowsByTheAccountsSideWithRunningBalance)
{
    BooksFixture fx;
    auto db = fx.open();
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    struct Case {
        const char* account;
        std::vector<ListColumns> rows;  // account: the counter account
        long long balance;
    };
    const Case cases[] = {
        {"現金",
         {{"売上高", "300", "------------", "800", ""},
          {"消耗品費", "------------", "200", "600", ""},
          {"普通預金", "------------", "300", "300", "若葉銀行"},
          {"当座預金", "------------", "70", "230", "若葉銀行"},
          {"売上高", "0", "------------", "230", ""}},
         230},
        // The closing entry V12 is left out on screen.
        {"消耗品費", {{"現金", "200", "------------", "200", ""}, {"普通預金", "50", "------------", "250", ""}}, 250},
        // Credit-normal, opening balance NULL (0): credits add, debits subtract.
        {"買掛金",
         {{"仕入高", "------------", "600", "700", ""},
          {"当座預金", "500", "------------", "200", "青葉銀行"},
          {"未払金", "100", "------------", "100", ""}},
         100},
        {"未払金", {{"買掛金", "------------", "100", "100", ""}}, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.account);
        const auto view = showAccount(*db, *journal, c.account);
        ASSERT_EQ(view.lines.size(), c.rows.size() + 1);
        EXPECT_EQ(byteWidth(view.lines[0]), 127);
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(byteWidth(view.lines[i + 1]), 159);
            EXPECT_EQ(listColumns(view.lines[i + 1]), c.rows[i]) << i;
        }
        EXPECT_EQ(view.balance, c.balance);
    }
}

// Only 借貸区分 0 is debit-normal: an account whose normal side is not set
// adds its credits like any credit-normal account.
TEST(GeneralLedger, AccountWithoutNormalSideIsKeptOnTheCreditSide)
{
    BooksFixture fx;
    fx.execute("UPDATE \"勘定科目コード表\" SET \"借貸区分\" = NULL WHERE \"勘定科目コード\" = ?", {code::Sales});
    auto db = fx.open();
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    const auto view = showAccount(*db, *journal, "売上高");
    ASSERT_EQ(view.lines.size(), 4u);  // opening line, V01, V03, V11
    const ListColumns first = listColumns(view.lines[1]);
    EXPECT_EQ(first.account, "現金");
    EXPECT_EQ(first.debit, "------------");
    EXPECT_EQ(first.credit, "300");
    EXPECT_EQ(view.balance, 1300);
}

TEST(GeneralLedger, OpeningLineAndNullOpeningBalance)
{
    BooksFixture fx;
    auto db = fx.open();
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    EXPECT_EQ(showAccount(*db, *journal, "現金").lines[0],
              std::string(13, ' ') + "前期より繰り越し" + std::string(25, ' ') + std::string(59, ' ')
                  + "           500");
    EXPECT_EQ(trimmed(bytesOf(showAccount(*db, *journal, "未払金").lines[0], 114, 127)), "0");
}

TEST(GeneralLedger, RowDeletedByAnotherWindowIsSkipped)
{
    BooksFixture fx;
    auto db = fx.open();
    auto journal = db->OpenRecordset("Q_仕訳台帳");  // opened when the window loads
    fx.execute("DELETE FROM \"仕訳台帳\" WHERE \"伝票番号\" = 'V02'");
    const auto view = showAccount(*db, *journal, "現金");
    ASSERT_EQ(view.lines.size(), 5u);
    EXPECT_EQ(trimmed(bytesOf(view.lines[2], 114, 127)), "500");
    EXPECT_EQ(view.balance, 430);

    BooksPrinter run;
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    books::printLedger(run, *accounts, *journal, "現金", "テスト商事", books::LedgerPrintMode::ShownAccount, kNow);
    run.endDoc();
    const auto texts = requestedPages(run).at(0);
    EXPECT_EQ(trimmed(bytesOf(texts.back(), 94, 107)), "430");
}

TEST(GeneralLedger, PrintoutOfOneAccountIncludesClosingEntries)
{
    BooksFixture fx;
    BooksPrinter run;
    printMode(fx, run, books::LedgerPrintMode::ShownAccount, "消耗品費");
    const auto pages = requestedPages(run);
    ASSERT_EQ(pages.size(), 1u);
    const auto& page = pages[0];
    ASSERT_EQ(page.size(), 5u);  // header, opening line, V02, V09, V12
    EXPECT_EQ(page[0], header("消耗品費", 1));
    EXPECT_EQ(page[1],
              std::string(13, ' ') + "前期より繰り越し" + std::string(5, ' ') + std::string(59, ' ')
                  + "             0");
    EXPECT_EQ(byteWidth(page[2]), 107);
    EXPECT_EQ(page[4],
              std::string("25/03/31(月)") + " " + "決算未払計上" + std::string(8, ' ') + " " + std::string(13, ' ')
                  + "   " + "未払金" + std::string(9, ' ') + "  " + "          30" + " " + "------------" + " "
                  + "           280");
}

TEST(GeneralLedger, PrintedBankLineAtColumn60)
{
    BooksFixture fx;
    BooksPrinter run;
    printMode(fx, run, books::LedgerPrintMode::ShownAccount, "現金");
    std::vector<std::pair<int, std::string>> bankLines;
    for (const auto& e : run.events())
        if (e.kind == printing::PrintEvent::Kind::Text && e.column == 60)
            bankLines.emplace_back(*e.column, e.text);
    ASSERT_EQ(bankLines.size(), 2u);  // V08 and V10
    EXPECT_EQ(bankLines[0].second, "若葉銀行      " + std::string("  ") + "駅前支店      ");
}

TEST(GeneralLedger, AllAccountsPrintoutBreaksPagesPerAccountAndAfter78Lines)
{
    BooksFixture fx;
    // 71 more rows fill the cash ledger's first page exactly: header 3, five
    // rows, two bank lines, 71 rows = 81 lines, so its last row starts a new page.
    for (int i = 0; i < 71; ++i)
        fx.addJournal(
            {"2024-04-20", "W" + std::to_string(100 + i), code::Supplies, 1, code::Cash, 1, "小口", "", "", ""});
    fx.execute(
        "INSERT INTO \"勘定科目コード表\" (\"勘定科目コード\", \"勘定科目名\", \"適用\") VALUES ('999', '雑損失', 1)");
    BooksPrinter run;
    printMode(fx, run, books::LedgerPrintMode::AllAccounts, "");
    const auto pages = requestedPages(run);
    // Nine accounts with rows, one page each, no empty page after the full
    // cash page, nothing for the account without rows.
    ASSERT_EQ(pages.size(), 9u);
    EXPECT_EQ(pages[0][0], header("現金", 1));
    EXPECT_EQ(pages[0].size(), 2u + 76u + 2u);
    EXPECT_EQ(pages[1][0], header("当座預金", 1));
    for (const auto& page : pages) {
        EXPECT_FALSE(page.empty());
        EXPECT_EQ(page[0].find("雑損失"), std::string::npos);
    }
    EXPECT_EQ(pages.back()[0], header("消耗品費", 1));

    // One more row: it goes to a second cash page with its own header.
    fx.addJournal({"2024-04-21", "W999", code::Supplies, 1, code::Cash, 1, "小口", "", "", ""});
    BooksPrinter again;
    printMode(fx, again, books::LedgerPrintMode::AllAccounts, "");
    const auto pages2 = requestedPages(again);
    ASSERT_EQ(pages2.size(), 10u);
    EXPECT_EQ(pages2[1].size(), 2u);
    EXPECT_EQ(pages2[1][0], header("現金", 2));
    EXPECT_EQ(pages2[2][0], header("当座預金", 1));
    EXPECT_TRUE(support::everySheetIsAPageWithItsHeader(again, "総勘定元帳"));
}

TEST(GeneralLedger, AllAccountsWithoutBreaksFollowOnOnePage)
{
    BooksFixture fx;
    BooksPrinter run;
    printMode(fx, run, books::LedgerPrintMode::AllAccountsNoBreak, "");
    const auto pages = requestedPages(run);
    ASSERT_EQ(pages.size(), 1u);
    int headers = 0;
    for (const auto& text : pages[0])
        if (text.rfind("【テスト商事】 総勘定元帳", 0) == 0) {
            ++headers;
            EXPECT_NE(text.find("ページ     1 "), std::string::npos);
        }
    EXPECT_EQ(headers, 9);
}

// Without page breaks the accounts follow each other on a page only while it
// has room: every sheet is one page opening with a header, at the size of a
// single account's full page, and a block never starts where no row fits.
TEST(GeneralLedger, AllAccountsWithoutPageBreaksNeverOverfillAPage)
{
    BooksFixture fx;
    for (int i = 0; i < 30; ++i) {
        fx.addJournal(
            {"2024-04-20", "W" + std::to_string(100 + i), code::Supplies, 1, code::Cash, 1, "小口", "", "", ""});
        fx.addJournal(
            {"2024-04-21", "P" + std::to_string(100 + i), code::Purchases, 2, code::Payable, 2, "仕入", "", "", ""});
        fx.addJournal(
            {"2024-04-22", "S" + std::to_string(100 + i), code::Receivable, 3, code::Sales, 3, "売上", "", "", ""});
    }
    BooksPrinter run;
    printMode(fx, run, books::LedgerPrintMode::AllAccountsNoBreak, "");
    EXPECT_TRUE(support::everySheetIsAPageWithItsHeader(run, "総勘定元帳"));
    ASSERT_GT(run.sheets().size(), 1u);
    bool shared = false;
    for (std::size_t i = 0; i < run.sheets().size(); ++i) {
        EXPECT_DOUBLE_EQ(run.sheets()[i].scale, run.baseScale()) << "sheet " << i + 1;
        int headers = 0;
        for (const auto& line : run.sheetTexts(i))
            headers += line.find("総勘定元帳") != std::string::npos;
        shared = shared || headers > 1;
    }
    EXPECT_TRUE(shared) << "accounts share a page while it has room";
}

// Every account's printout is the same whether it is printed alone or in the
// run over all accounts (which reads the journal once).
TEST(GeneralLedger, AllAccountsPrintEachAccountAsItsOwnPrintoutDoes)
{
    BooksFixture fx;
    auto db = fx.open();
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    BooksPrinter all;
    books::printLedgers(all, *accounts, *journal, "", "テスト商事", books::LedgerPrintMode::AllAccounts, kNow);
    all.endDoc();
    BooksPrinter each;
    for (const std::string& name : books::ledgerAccountNames(*accounts))
        books::printLedger(each, *accounts, *journal, name, "テスト商事", books::LedgerPrintMode::AllAccounts, kNow);
    each.endDoc();
    EXPECT_EQ(all.texts(), each.texts());
    EXPECT_EQ(requestedPages(all), requestedPages(each));
    EXPECT_FALSE(all.texts().empty());
}

TEST(GeneralLedger, ShownAccountModePrintsNothingBeforeAnAccountIsChosen)
{
    BooksFixture fx;
    auto db = fx.open();
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    accounts->MoveFirst();
    accounts->MoveNext();  // the walk relies on the position being kept
    const auto before = accounts->getBookmark();
    BooksPrinter run;
    EXPECT_FALSE(
        books::printLedgers(run, *accounts, *journal, "", "テスト商事", books::LedgerPrintMode::ShownAccount, kNow));
    books::printLedger(run, *accounts, *journal, "現金", "テスト商事", books::LedgerPrintMode::ShownAccount, kNow);
    EXPECT_EQ(accounts->getBookmark(), before);
    books::printLedger(run, *accounts, *journal, "O'Brien", "テスト商事", books::LedgerPrintMode::ShownAccount, kNow);
    EXPECT_EQ(accounts->getBookmark(), before);
}

// The ledger of one account read from the account's own rows: the journal's
// order (date, voucher, row number, then entry order, whatever order the rows
// were entered in), a row with the account on both sides once, and the same
// lines as the ledger walked over the whole journal, for every account.
TEST(GeneralLedger, AccountRowsKeepTheJournalsOrderAndLines)
{
    BooksFixture fx;
    using namespace code;
    fx.addJournal(
        {"2024-04-01", "V01", Cash, 5, Sales, 5, "現金売上（追加）", "", "", ""});  // ties V01 but entered later
    fx.addJournal({"2024-04-09", "V13", Cash, 10, Cash, 10, "両替", "", "", ""});
    fx.addJournal({"2024-04-04", "V03b", Receivable, 40, Cash, 40, "立替", "", "", ""});  // entered last, dated earlier
    // A code with a quote in it is read as a code, never as SQL.
    fx.execute("INSERT INTO \"勘定科目コード表\" (\"勘定科目コード\", \"勘定科目名\", \"借貸区分\", \"適用\")"
               " VALUES ('7''1', '雑費', 0, 1)");
    fx.addJournal({"2024-04-11", "V14", "7'1", 25, Cash, 25, "雑費支払", "", "", ""});
    auto db = fx.open();

    // 現金 by hand: opening 500, debit-normal.
    const std::vector<ListColumns> cash = {
        {"売上高", "300", "------------", "800"},
        {"売上高", "5", "------------", "805"},
        {"消耗品費", "------------", "200", "605"},
        {"売掛金", "------------", "40", "565"},
        {"普通預金", "------------", "300", "265", "若葉銀行"},
        {"現金", "10", "10", "265"},
        {"当座預金", "------------", "70", "195", "若葉銀行"},
        {"売上高", "0", "------------", "195"},
        {"雑費", "------------", "25", "170"},
    };
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    const auto cashAccount = books::findLedgerAccount(*accounts, "現金");
    ASSERT_TRUE(cashAccount);
    auto cashRows = books::openAccountRows(*db, cashAccount->code);
    EXPECT_EQ(cashRows->RecordCount(), 9);
    const auto view = books::showLedger(*cashRows, *cashAccount, kNow);
    ASSERT_EQ(view.lines.size(), cash.size() + 1);
    for (std::size_t i = 0; i < cash.size(); ++i) {
        const ListColumns got = listColumns(view.lines[i + 1]);
        EXPECT_EQ(got.account, cash[i].account) << i;
        EXPECT_EQ(got.debit, cash[i].debit) << i;
        EXPECT_EQ(got.credit, cash[i].credit) << i;
        EXPECT_EQ(got.balance, cash[i].balance) << i;
        EXPECT_EQ(got.bank, cash[i].bank) << i;
    }
    EXPECT_EQ(view.balance, 170);

    auto journal = db->OpenRecordset("Q_仕訳台帳");
    int compared = 0;
    for (const std::string& name : books::ledgerAccountNames(*accounts)) {
        SCOPED_TRACE(name);
        const auto account = books::findLedgerAccount(*accounts, name);
        ASSERT_TRUE(account);
        auto own = books::openAccountRows(*db, account->code);
        EXPECT_EQ(books::showLedger(*own, *account, kNow).lines, books::showLedger(*journal, *account, kNow).lines);
        ++compared;
    }
    EXPECT_EQ(compared, 10);
}
