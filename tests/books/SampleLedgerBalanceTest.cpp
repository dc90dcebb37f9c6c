// Every account of the sample company: the last balance of its general ledger
// equals opening balance + debits - credits (by the account's side) summed
// straight from the journal table.
#include "books/BooksFixture.h"
#include "books/BookText.h"
#include "books/GeneralLedger.h"
#include "common/PrintRoutines.h"
#include "periodfile/SampleCompany.h"
#include "platform/dao/Engine.h"
#include "platform/printing/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <unistd.h>

using namespace bookstest;

namespace {

struct SampleFile {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("velmora-books-sample-" + std::to_string(::getpid()));
    std::string path;
    SampleFile()
    {
        std::filesystem::remove_all(dir);
        path = periodfile::createSampleCompany(dir.string());
    }
    ~SampleFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
};

long long independentBalance(dao::Database& db, const std::string& code, long long opening, bool creditNormal,
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
    const long long debits = sum("入金", "借方コード");
    const long long credits = sum("出金", "貸方コード");
    return creditNormal ? opening + credits - debits : opening + debits - credits;
}

}  // namespace

TEST(SampleCompanyLedger, LastBalanceOfEveryAccountMatchesTheJournal)
{
    SampleFile sample;
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sample.path);
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    ASSERT_GT(journal->RecordCount(), 100);

    // No row of the sample has one account on both sides, so each row counts once either way.
    auto both = db->OpenRecordset("SELECT COUNT(*) AS n FROM \"仕訳台帳\" WHERE \"借方コード\" = \"貸方コード\"",
                                  dao::RecordsetType::Snapshot);
    ASSERT_EQ(both->get("n").toInt64(), 0);

    const dao::Date now{2026, 3, 31, 12, 0, 0};
    int checked = 0;
    for (const std::string& name : books::ledgerAccountNames(*accounts)) {
        SCOPED_TRACE(name);
        const auto account = books::findLedgerAccount(*accounts, name);
        ASSERT_TRUE(account);
        const auto view = books::showLedger(*journal, *account, now);
        EXPECT_EQ(view.balance, independentBalance(*db, account->code, account->opening, account->creditNormal, false));
        EXPECT_EQ(trimmed(bytesOf(view.lines.back(), 114, 127)), books::amountField(view.balance, books::kListMask, 0));

        // On paper, closing entries included; an account without rows prints nothing.
        BooksPrinter printer;
        books::printLedger(printer, *accounts, *journal, name, "", books::LedgerPrintMode::ShownAccount, now);
        printer.endDoc();
        const long long printedExpected =
            independentBalance(*db, account->code, account->opening, account->creditNormal, true);
        std::string lastRow;
        for (const auto& e : printer.events())
            if (e.kind == printing::PrintEvent::Kind::Text && e.column == 10 && byteWidth(e.text) == 107)
                lastRow = e.text;
        if (view.lines.size() > 1 || printedExpected != account->opening) {
            ASSERT_FALSE(lastRow.empty());
            EXPECT_EQ(trimmed(bytesOf(lastRow, 94, 107)), books::amountField(printedExpected, books::kListMask, 0));
        }
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

// The ledger window reads only the shown account's rows: for every account of
// the sample company the same lines as the ledger over the whole journal, and
// the last balance summed straight from the journal table.
TEST(SampleCompanyLedger, AccountsOwnRowsShowTheSameLedger)
{
    SampleFile sample;
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sample.path);
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    const dao::Date now{2026, 3, 31, 12, 0, 0};
    long long rowsRead = 0;
    for (const std::string& name : books::ledgerAccountNames(*accounts)) {
        SCOPED_TRACE(name);
        const auto account = books::findLedgerAccount(*accounts, name);
        ASSERT_TRUE(account);
        auto own = books::openAccountRows(*db, account->code);
        rowsRead += own->RecordCount();
        const auto view = books::showLedger(*own, *account, now);
        EXPECT_EQ(view.lines, books::showLedger(*journal, *account, now).lines);
        EXPECT_EQ(view.balance, independentBalance(*db, account->code, account->opening, account->creditNormal, false));
    }
    // Each row is read for its two accounts, never for the others.
    EXPECT_LE(rowsRead, 2 * journal->RecordCount());
    EXPECT_GT(rowsRead, journal->RecordCount());
}
