// A row with the book's account on both sides (a transfer between two
// accounts kept under one name, a correction within one class): every book
// counts both sides, so each book's last balance is its opening balance plus
// the debits minus the credits of the lines it shows, as the journal moves the
// account.
#include "books/BooksFixture.h"
#include "books/CashBook.h"
#include "books/GeneralLedger.h"
#include "books/SubLedger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

using namespace bookstest;

namespace {

const dao::Date kNow{2024, 5, 1, 9, 0, 0};

// Rows with one account, or one class, on both sides.
void addTransfers(BooksFixture& fx)
{
    fx.addJournal({"2024-04-11", "T01", code::Ordinary, 400, code::Ordinary, 400, "口座間振替", "", "0001", "0001001"});
    fx.addJournal({"2024-04-11", "T02", code::Cash, 100, code::Cash, 100, "両替", "", "", ""});
    fx.addJournal({"2024-04-12", "T03", code::Purchases, 50, code::Purchases, 50, "仕入訂正", "", "", ""});
    fx.addJournal({"2024-04-12", "T04", code::Payable, 20, code::Payable, 20, "買掛金訂正", "", "", ""});
    fx.addJournal({"2024-04-13", "T05", code::Sales, 10, code::Sales, 10, "売上訂正", "", "", ""});
    fx.addJournal({"2024-04-13", "T06", code::Receivable, 5, code::Receivable, 7, "売掛金訂正", "", "", ""});
}

// A masked amount ("1,234", "-50"); the hyphens of a column without an amount count 0.
std::int64_t amountIn(const std::string& column)
{
    const std::string text = trimmed(column);
    if (text.empty() || text.find_first_not_of('-') == std::string::npos)
        return 0;
    std::string digits;
    for (char c : text)
        if ((c >= '0' && c <= '9') || c == '-')
            digits += c;
    return std::stoll(digits);
}

// Where a line's columns stand, in Shift-JIS bytes.
struct Columns {
    int debitFrom, debitTo, creditFrom, creditTo, balanceFrom, balanceTo;
};
const Columns kScreen{88, 99, 101, 112, 114, 127};  // cash book, ledger and sub-ledgers on screen
const Columns kLedgerPaper{68, 79, 81, 92, 94, 107};
const Columns kCashPaper{58, 69, 71, 82, 84, 95};

struct BookLine {
    std::int64_t debit, credit, balance;
};
BookLine parse(const std::string& line, const Columns& c)
{
    return {amountIn(bytesOf(line, c.debitFrom, c.debitTo)), amountIn(bytesOf(line, c.creditFrom, c.creditTo)),
            amountIn(bytesOf(line, c.balanceFrom, c.balanceTo))};
}

// Checks that every line's balance is `opening` plus the debits minus the
// credits shown so far (the other way round for a credit-normal book), and
// returns the last balance.
std::int64_t expectBalancesAddUp(const std::vector<std::string>& lines, const Columns& columns, std::int64_t opening,
                                 bool creditNormal)
{
    std::int64_t expected = opening;
    for (const std::string& text : lines) {
        const BookLine line = parse(text, columns);
        expected += creditNormal ? line.credit - line.debit : line.debit - line.credit;
        EXPECT_EQ(line.balance, expected) << text;
    }
    return expected;
}

// The account's balance as the journal table moves it: the opening balance,
// plus the debit amounts of the rows debiting it, minus the credit amounts of
// the rows crediting it (the other way round for a credit-normal account).
std::int64_t journalBalance(dao::Database& db, const std::string& code, std::int64_t opening, bool creditNormal,
                            bool withClosing)
{
    const std::string closing = withClosing ? "" : " AND COALESCE(\"決算仕訳\", 0) = 0";
    auto sum = [&](const char* amount, const char* side) {
        auto rs = db.OpenRecordset("SELECT COALESCE(SUM(\"" + std::string(amount)
                                       + "\"), 0) AS s FROM \"仕訳台帳\""
                                         " WHERE \""
                                       + side + "\" = '" + code + "'" + closing,
                                   dao::RecordsetType::Snapshot);
        return rs->get("s").toInt64();
    };
    const std::int64_t change = sum("入金", "借方コード") - sum("出金", "貸方コード");
    return creditNormal ? opening - change : opening + change;
}

// The line of voucher `description` in `lines`.
std::string lineOf(const std::vector<std::string>& lines, const std::string& description)
{
    for (const std::string& line : lines)
        if (line.find(description) != std::string::npos)
            return line;
    ADD_FAILURE() << "no line of " << description;
    return {};
}

std::vector<std::string> withoutFirst(std::vector<std::string> lines)
{
    if (!lines.empty())
        lines.erase(lines.begin());
    return lines;
}

// The printed row lines (at column 10, `width` bytes) of a run.
std::vector<std::string> printedRows(const printing::RecordingPrinter& printer, int width)
{
    std::vector<std::string> rows;
    for (const auto& e : printer.events())
        if (e.kind == printing::PrintEvent::Kind::Text && e.column == 10 && byteWidth(e.text) == width
            && e.text.find("前期より繰り越し") == std::string::npos)
            rows.push_back(e.text);
    return rows;
}

}  // namespace

TEST(BothSides, TheLedgerOfEveryAccountEndsWhereTheJournalMovesIt)
{
    BooksFixture fx;
    addTransfers(fx);
    auto db = fx.open();
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    for (const std::string& name : books::ledgerAccountNames(*accounts)) {
        SCOPED_TRACE(name);
        const auto account = books::findLedgerAccount(*accounts, name);
        ASSERT_TRUE(account);
        const auto view = books::showLedger(*journal, *account, kNow);
        EXPECT_EQ(expectBalancesAddUp(withoutFirst(view.lines), kScreen, account->opening, account->creditNormal),
                  journalBalance(*db, account->code, account->opening, account->creditNormal, false));
        EXPECT_EQ(view.balance, journalBalance(*db, account->code, account->opening, account->creditNormal, false));

        BooksPrinter printer;
        books::printLedger(printer, *accounts, *journal, name, "", books::LedgerPrintMode::ShownAccount, kNow);
        printer.endDoc();
        const auto rows = printedRows(printer, 107);
        if (!rows.empty()) {
            EXPECT_EQ(expectBalancesAddUp(rows, kLedgerPaper, account->opening, account->creditNormal),
                      journalBalance(*db, account->code, account->opening, account->creditNormal, true));
        }
    }
}

struct TransferCase {
    const char* name;
    const char* account;
    const char* description;
    std::int64_t debit, credit, change;
};

TEST(BothSides, ATransferWithinOneAccountShowsBothAmountsInTheLedger)
{
    BooksFixture fx;
    addTransfers(fx);
    auto db = fx.open();
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    const TransferCase cases[] = {
        {"debit-normal, equal sides", "普通預金", "口座間振替", 400, 400, 0},
        {"credit-normal, equal sides", "買掛金", "買掛金訂正", 20, 20, 0},
        {"debit-normal, unequal sides", "売掛金", "売掛金訂正", 5, 7, -2},
    };
    for (const TransferCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto account = books::findLedgerAccount(*accounts, c.account);
        ASSERT_TRUE(account);
        const auto lines = books::showLedger(*journal, *account, kNow).lines;
        const std::string line = lineOf(lines, c.description);
        const auto at = std::find(lines.begin(), lines.end(), line);
        ASSERT_NE(at, lines.begin());
        const BookLine shown = parse(line, kScreen);
        EXPECT_EQ(shown.debit, c.debit);
        EXPECT_EQ(shown.credit, c.credit);
        EXPECT_EQ(shown.balance - parse(*(at - 1), kScreen).balance, c.change);
        EXPECT_EQ(listColumns(line).account, c.account);  // the counter account is the account itself
        EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1);
    }
}

TEST(BothSides, TheCashBookCountsCashOnBothSidesOnScreenAndOnPaper)
{
    BooksFixture fx;
    addTransfers(fx);
    auto db = fx.open();
    auto rows = db->OpenRecordset("Q_現金出納帳");
    const books::CashBookSource source{*rows, code::Cash, 500};
    const auto lines = bookLines(books::cashBookLines, source, kNow);
    const std::int64_t cash = journalBalance(*db, code::Cash, 500, false, true);
    EXPECT_EQ(expectBalancesAddUp(withoutFirst(lines), kScreen, 500, false), cash);
    const BookLine exchange = parse(lineOf(lines, "両替"), kScreen);
    EXPECT_EQ(exchange.debit, 100);
    EXPECT_EQ(exchange.credit, 100);

    BooksPrinter printer;
    books::printCashBook(printer, source, "テスト商事", kNow);
    printer.endDoc();
    EXPECT_EQ(expectBalancesAddUp(printedRows(printer, 124), kCashPaper, 500, false), cash);
}

TEST(BothSides, EachSubLedgerAddsUpWhenBothSidesAreOfItsClass)
{
    BooksFixture fx;
    addTransfers(fx);
    auto db = fx.open();
    const std::pair<int, const char*> corrections[] = {
        {0, "仕入訂正"}, {3, "買掛金訂正"}, {1, "売上訂正"}, {2, "売掛金訂正"}};
    for (const auto& rule : books::subLedgerRules()) {
        SCOPED_TRACE(rule.listIndex);
        auto rs = db->OpenRecordset(rule.sql);
        const auto lines = bookLines(books::subLedgerLines, *rs, rule, kNow);
        expectBalancesAddUp(lines, kScreen, 0, rule.creditNormal);
        for (const auto& [list, description] : corrections) {
            if (list != rule.listIndex)
                continue;
            const BookLine shown = parse(lineOf(lines, description), kScreen);
            EXPECT_GT(shown.debit, 0);
            EXPECT_GT(shown.credit, 0);
        }
    }
}
