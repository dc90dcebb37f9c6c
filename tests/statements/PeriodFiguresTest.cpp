// The period totals and closing balances of the hand-computed company, the
// rows the tally leaves out, rows dated in any form, figures beyond 32 and
// 64 bits and failed writes.
#include "StatementsFixture.h"

#include "common/NumberFormat.h"
#include "periodfile/SampleCompany.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"
#include "statements/PeriodFigures.h"
#include "statements/PeriodProfit.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementCsv.h"
#include "statements/TrialBalance.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

using namespace statementstest;

namespace {

struct Figures {
    long long debit, credit, net, closing;
    bool operator==(const Figures&) const = default;
};

// Every account of the chart (in use or not) with its four stored figures.
std::map<std::string, Figures> storedFigures(dao::Database& db)
{
    std::map<std::string, Figures> all;
    auto rs =
        db.OpenRecordset("SELECT \"勘定科目コード\" AS c, \"借方合計\" AS d, \"貸方合計\" AS k, \"期末貸借合計\" AS n,"
                         " \"期末残高\" AS b FROM \"勘定科目コード表\"",
                         dao::RecordsetType::Snapshot);
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
        all[rs->get("c").toText()] = {rs->get("d").toInt64(), rs->get("k").toInt64(), rs->get("n").toInt64(),
                                      rs->get("b").toInt64()};
    return all;
}

// Marks every stored figure with 7 so that any write shows.
void markFigures(StatementsFixture& fx)
{
    fx.execute(
        "UPDATE \"勘定科目コード表\" SET \"借方合計\" = 7, \"貸方合計\" = 7, \"期末貸借合計\" = 7, \"期末残高\" = 7");
}

}  // namespace

TEST(PeriodFigures, EveryAccountOfTheFixtureCompanyHasItsHandComputedFigures)
{
    StatementsFixture fx;
    markFigures(fx);
    const statements::TallyReport report = statements::RecomputePeriodFigures(fx.workspace(), *fx.db());
    EXPECT_EQ(report.rowsTallied, 19);
    EXPECT_EQ(report.rowsOutsidePeriod, 0);
    EXPECT_EQ(report.rowsWithUnknownCode, 0);
    EXPECT_EQ(statements::TallyNotice(report), "");

    // debit total, credit total, movement on the natural side, closing balance
    const std::map<std::string, Figures> expected = {
        {"100", {2700, 700, 2000, 3000}},
        {"101", {6050, 4980, 1070, 6070}},
        {"110", {8000, 6000, 2000, 4000}},
        {"121", {250, 0, 250, 250}},
        {"122", {150, 0, 150, 150}},
        {"140", {0, 1000, -1000, 9000}},
        {"150", {7, 7, 7, 7}},  // not in use: untouched
        {"200", {2700, 4200, 1500, 3000}},
        {"210", {0, 600, 600, 600}},
        {"213", {0, 900, 900, 900}},
        {"260", {0, 0, 0, 14500}},
        {"270", {0, 0, 0, 500}},
        {"400", {0, 10000, 10000, 10000}},
        {"411", {3000, 0, 3000, 3000}},
        {"413", {400, 0, 400, 400}},
        {"430", {0, 0, 0, 400}},
        {"431", {1200, 0, 1200, 1200}},
        {"432", {0, 200, 200, 200}},
        {"433", {0, 250, 250, 250}},
        {"440", {900, 0, 900, 900}},
        {"450", {600, 0, 600, 600}},
        {"460", {0, 0, 0, 100}},
        {"461", {0, 150, 150, 150}},
        {"500", {1500, 0, 1500, 1500}},
        {"510", {300, 0, 300, 300}},
        {"600", {0, 50, 50, 50}},
        {"610", {80, 0, 80, 80}},
        {"700", {0, 700, 700, 700}},
        {"710", {1000, 0, 1000, 1000}},
        {"800", {900, 0, 900, 900}},
        {"850", {0, 0, 0, 2000}},
        {"999", {0, 0, 0, 0}},
    };
    const auto stored = storedFigures(*fx.db());
    ASSERT_EQ(stored.size(), expected.size());
    for (const auto& [code, figures] : expected) {
        SCOPED_TRACE(code);
        EXPECT_EQ(stored.at(code), figures);
    }

    // Run again: rebuilt from zero, the same figures.
    statements::RecomputePeriodFigures(fx.workspace(), *fx.db());
    EXPECT_EQ(storedFigures(*fx.db()), stored);
}

TEST(PeriodFigures, RowsOutsideThePeriodAndUnknownCodesAreCountedAndLeftOut)
{
    StatementsFixture fx;
    fx.addRow({"2025-04-05", "100", 999, "400", 999, "来期の売上"});
    fx.addRow({"2024-03-31", "100", 500, "400", 500, "前期の売上"});
    fx.addRow({"", "100", 300, "400", 300, "日付なし"});
    fx.addRow({"2024-12-01", "150", 100, "100", 100, "使用していない科目"});
    fx.addRow({"2024-12-02", "100", 40, "abc", 40, "誤ったコード"});
    fx.addRow({"2024-12-03", "", 30, "400", 30, "借方なし"});
    fx.addRow({"2024-12-04", "abc", 5, "150", 5, "両方とも不明"});
    // The period's last day counts, whatever its time of day.
    fx.execute("INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\", \"貸方コード\", \"出金\")"
               " VALUES ('2025-03-31 18:00:00', '100', 7, '400', 7)");

    const statements::TallyReport report = statements::RecomputePeriodFigures(fx.workspace(), *fx.db());
    EXPECT_EQ(report.rowsTallied, 19 + 5);
    EXPECT_EQ(report.rowsOutsidePeriod, 3);
    EXPECT_EQ(report.rowsWithUnknownCode, 3);
    EXPECT_EQ(report.unknownCodes, (std::vector<std::string>{"150", "abc"}));
    EXPECT_EQ(statements::TallyNotice(report),
              "使用中の勘定科目にないコードの仕訳 3 行を集計していません（コード：150、abc）"
              "　会計期間外の日付の仕訳 3 行は今期の集計に含めていません");

    // 現金: +40 and +7 debit, +100 credit; 売上高: +30 and +7 credit; the rest as before.
    EXPECT_EQ(fx.figure("100", "借方合計"), 2700 + 40 + 7);
    EXPECT_EQ(fx.figure("100", "貸方合計"), 700 + 100);
    EXPECT_EQ(fx.figure("100", "期末残高"), 3000 + 40 + 7 - 100);
    EXPECT_EQ(fx.figure("400", "貸方合計"), 10000 + 30 + 7);
    EXPECT_EQ(fx.figure("150", "借方合計"), 0);  // not in use, never written
}

// A row counts in the period (2024-04-01 .. 2025-03-31) by its date's value,
// whatever form the file stores it in (a file edited with another tool).
struct DateFormCase {
    std::string name;
    std::string stored;
    bool withinPeriod;
};
void PrintTo(const DateFormCase& c, std::ostream* os)
{
    *os << c.name;
}

class TallyByDateValue : public ::testing::TestWithParam<DateFormCase> {};

TEST_P(TallyByDateValue, TheRowCountsWhenItsDayLiesInThePeriod)
{
    const DateFormCase& c = GetParam();
    StatementsFixture fx;
    fx.execute("INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\", \"貸方コード\", \"出金\")"
               " VALUES (?, '100', 700, '400', 700)",
               {dao::Value(c.stored)});
    const statements::TallyReport report = statements::RecomputePeriodFigures(fx.workspace(), *fx.db());
    EXPECT_EQ(report.rowsTallied, c.withinPeriod ? 20 : 19);
    EXPECT_EQ(report.rowsOutsidePeriod, c.withinPeriod ? 0 : 1);
    EXPECT_EQ(fx.figure("100", "借方合計"), c.withinPeriod ? 2700 + 700 : 2700);
    EXPECT_EQ(fx.figure("400", "期末残高"), c.withinPeriod ? 10000 + 700 : 10000);
}

INSTANTIATE_TEST_SUITE_P(Forms, TallyByDateValue,
                         ::testing::Values(DateFormCase{"slashes on the last day", "2025/3/31", true},
                                           DateFormCase{"slashes on the first day", "2024/4/1", true},
                                           DateFormCase{"slashes padded mid period", "2024/10/05", true},
                                           DateFormCase{"hyphens unpadded mid period", "2024-6-5", true},
                                           DateFormCase{"slashes with a time on the last day", "2025/3/31 18:00", true},
                                           DateFormCase{"iso with a time on the last day", "2025-03-31 18:00:00", true},
                                           DateFormCase{"slashes the day after", "2025/4/1", false},
                                           DateFormCase{"slashes the day before", "2024/3/31", false},
                                           DateFormCase{"iso the day after", "2025-04-01", false}),
                         testsupport::kCaseName);

struct ClosingCase {
    std::string name;
    dao::Value side;
    long long storedNet;
    long long expectedNet;
    long long expectedClosing;
};
void PrintTo(const ClosingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClosingBalanceRule : public ::testing::TestWithParam<ClosingCase> {};

TEST_P(ClosingBalanceRule, OpeningPlusTheMovementOnTheNaturalSide)
{
    const ClosingCase& c = GetParam();
    StatementsFixture fx;
    fx.execute("DELETE FROM \"仕訳台帳\"");
    fx.execute("UPDATE \"勘定科目コード表\" SET \"借貸区分\" = ?, \"期首残高\" = 1000, \"期末貸借合計\" = ?"
               " WHERE \"勘定科目コード\" = '999'",
               {c.side, c.storedNet});
    fx.addRow({"2024-06-01", "999", 300, "", 0, "借方"});
    fx.addRow({"2024-06-02", "", 0, "999", 500, "貸方"});
    fx.recompute();
    EXPECT_EQ(fx.figure("999", "借方合計"), 300);
    EXPECT_EQ(fx.figure("999", "貸方合計"), 500);
    EXPECT_EQ(fx.figure("999", "期末貸借合計"), c.expectedNet);
    EXPECT_EQ(fx.figure("999", "期末残高"), c.expectedClosing);
}

INSTANTIATE_TEST_SUITE_P(BySide, ClosingBalanceRule,
                         ::testing::Values(ClosingCase{"CreditNatured", 1, 0, 200, 1200},
                                           ClosingCase{"DebitNatured", 0, 0, -200, 800},
                                           ClosingCase{"NullSideKeepsStoredMovement", dao::Value(), -40, -40, 960}),
                         testsupport::kCaseName);

// A side other than 0 and 1 is a damaged value: the closing balances are
// refused, naming the field and its value, and no closing balance is stored.
TEST(PeriodFigures, ASideOutsideDebitAndCreditIsRefusedAndNothingIsStored)
{
    StatementsFixture fx;
    fx.execute("DELETE FROM \"仕訳台帳\"");
    fx.execute("UPDATE \"勘定科目コード表\" SET \"借貸区分\" = 2, \"期首残高\" = 1000, \"期末貸借合計\" = 35,"
               " \"期末残高\" = 1035 WHERE \"勘定科目コード\" = '999'");
    fx.addRow({"2024-06-01", "999", 300, "", 0, "借方"});
    try {
        fx.recompute();
        FAIL() << "computed from side 2";
    } catch (const dao::DaoError& e) {
        EXPECT_NE(std::string(e.what()).find("フィールド「借貸区分」の値「2」は使えません"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(fx.figure("999", "期末貸借合計"), 35);
    EXPECT_EQ(fx.figure("999", "期末残高"), 1035);
}

TEST(PeriodFigures, AnEmptyJournalLeavesOpeningBalancesAsClosingBalances)
{
    StatementsFixture fx;
    markFigures(fx);
    fx.execute("DELETE FROM \"仕訳台帳\"");
    const auto report = statements::RecomputePeriodFigures(fx.workspace(), *fx.db());
    EXPECT_EQ(report.rowsTallied, 0);
    EXPECT_EQ(fx.figure("101", "借方合計"), 0);
    EXPECT_EQ(fx.figure("101", "期末残高"), 5000);
    EXPECT_EQ(fx.figure("850", "期末残高"), 2000);
}

// Amounts whose sums would pass the 64-bit range (a damaged file may hold
// them) are beyond what an amount field holds: the row is refused as the
// journal window refuses it, never summed or wrapped, and nothing is written:
// neither the totals nor the closing balances.
TEST(PeriodFigures, AmountsBeyondTheirFieldAreRefusedAndNothingIsWritten)
{
    struct OutOfRange {
        const char* name;
        const char* sql;
        const char* named;  // what the message names
    };
    const OutOfRange cases[] = {
        {"a debit total",
         "INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\") VALUES"
         " ('2024-12-01', '411', 5000000000000000000), ('2024-12-02', '411', 5000000000000000000)",
         "（日付 2024/12/1、追番 0）で、フィールド「入金」の値「5000000000000000000」は扱える範囲"},
        {"a credit total",
         "INSERT INTO \"仕訳台帳\" (\"日付\", \"貸方コード\", \"出金\") VALUES"
         " ('2024-12-01', '400', -5000000000000000000), ('2024-12-02', '400', -5000000000000000000)",
         "（日付 2024/12/1、追番 0）で、フィールド「出金」の値「-5000000000000000000」は扱える範囲"},
        // 2 × 4,611,686,018,427,387,903 = 2^63 − 2 fits; with the opening 10,000 of 建物 it does not.
        {"a closing balance",
         "INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\") VALUES"
         " ('2024-12-01', '140', 4611686018427387903), ('2024-12-02', '140', 4611686018427387903)",
         "（日付 2024/12/1、追番 0）で、フィールド「入金」の値「4611686018427387903」は扱える範囲"},
    };
    for (const OutOfRange& c : cases) {
        SCOPED_TRACE(c.name);
        StatementsFixture fx;
        markFigures(fx);
        fx.execute(c.sql);
        const auto before = storedFigures(*fx.db());
        try {
            statements::RecomputePeriodFigures(fx.workspace(), *fx.db());
            ADD_FAILURE() << "no error";
        } catch (const dao::DaoError& e) {
            EXPECT_EQ(e.code(), dao::DaoError::Code::Overflow);
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
        EXPECT_EQ(storedFigures(*fx.db()), before);
        EXPECT_FALSE(fx.workspace().inTransaction());
    }
}

// Totals past the 32-bit range of an amount are the period's figures all the
// same: stored whole, by hand 2,147,483,647 + 3,000 and so on.
TEST(PeriodFigures, FiguresBeyondThirtyTwoBitsAreStoredWhole)
{
    StatementsFixture fx;
    fx.execute("INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\", \"貸方コード\", \"出金\") VALUES"
               " ('2024-12-01', '411', 2147483647, '101', 2147483647),"
               " ('2024-12-02', '101', 2147483647, '400', 2147483647),"
               " ('2024-12-03', '101', 2147483647, '400', 2147483647)");
    statements::RecomputePeriodFigures(fx.workspace(), *fx.db());
    // 仕入高: 3,000 + 2,147,483,647; 普通預金: 6,050 + 4,294,967,294 in, 4,980 + 2,147,483,647 out.
    EXPECT_EQ(storedFigures(*fx.db()).at("411"), (Figures{2147486647, 0, 2147486647, 2147486647}));
    EXPECT_EQ(storedFigures(*fx.db()).at("101"), (Figures{4294973344LL, 2147488627LL, 2147484717LL, 2147489717LL}));
    EXPECT_EQ(storedFigures(*fx.db()).at("400"), (Figures{0, 4294977294LL, 4294977294LL, 4294977294LL}));
    // The statements read them as they are stored.
    const statements::StatementAccounts accounts = statements::ReadStatementAccounts(*fx.db());
    const auto deposit = std::find_if(accounts.begin(), accounts.end(), [](const auto& a) { return a.code == "101"; });
    ASSERT_NE(deposit, accounts.end());
    EXPECT_EQ(deposit->debitTotal, 4294973344LL);
    EXPECT_EQ(deposit->closing, 2147489717LL);
}

TEST(PeriodFigures, AFailedWriteInTheMiddleLeavesEveryStoredFigureAsItWas)
{
    struct Failure {
        const char* name;
        dao::FailurePlan plan;
    };
    const Failure cases[] = {
        {"tenth write", {dao::FailurePlan::Kind::WriteFails, 10, false}},
        {"a write of the closing balances", {dao::FailurePlan::Kind::WriteFails, 40, false}},
        {"disk full", {dao::FailurePlan::Kind::DiskFull, 20, true}},
        {"commit", {dao::FailurePlan::Kind::CommitFails, 1, false}},
    };
    for (const Failure& c : cases) {
        SCOPED_TRACE(c.name);
        StatementsFixture fx;
        markFigures(fx);
        const auto before = storedFigures(*fx.db());
        dao::DBEngine::instance().setFailurePlan(c.plan);
        EXPECT_THROW(statements::RecomputePeriodFigures(fx.workspace(), *fx.db()), dao::DaoError);
        dao::DBEngine::instance().clearFailurePlan();
        EXPECT_EQ(storedFigures(*fx.db()), before);
        EXPECT_FALSE(fx.workspace().inTransaction());
    }
}

TEST(PeriodProfit, TheFixtureCompanysProfitFromTheClosingBalances)
{
    StatementsFixture fx;
    fx.recompute();
    const statements::PeriodProfit profit = statements::ComputePeriodProfit(*fx.db());
    EXPECT_EQ(profit.beforeTax, 1870);  // R 11,350 − D 9,480
    EXPECT_EQ(profit.closing1, 900);
    EXPECT_EQ(profit.closing2, 2000);
    EXPECT_EQ(profit.netProfit(), 970);
    EXPECT_EQ(profit.unappropriated(), 2970);
    ASSERT_EQ(profit.list1.size(), 1u);
    EXPECT_EQ(profit.list1[0].name, "法人税等");
    ASSERT_EQ(profit.list2.size(), 1u);
    EXPECT_EQ(profit.list2[0].name, "前期繰越利益");
}

// The sample company: every account's period totals equal a GROUP BY sum taken
// straight from the journal table, and its closing balance follows from them.
TEST(SampleCompanyPeriodFigures, TotalsOfEveryAccountEqualAGroupBySumOfTheJournal)
{
    const auto dir =
        std::filesystem::temp_directory_path() / ("velmora-statements-sample-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::string path = periodfile::createSampleCompany(dir.string());
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
        statements::RecomputePeriodFigures(*dao::DBEngine::instance().Workspaces(0), *db);

        const char* periodFilter = " WHERE \"日付\" BETWEEN (SELECT \"会計期間開始日\" FROM \"会計設定\")"
                                   " AND (SELECT \"会計期間終了日\" FROM \"会計設定\")";
        auto sums = [&](const char* code, const char* amount) {
            std::map<std::string, long long> result;
            auto rs =
                db->OpenRecordset(std::string("SELECT \"") + code + "\" AS c, SUM(\"" + amount
                                      + "\") AS s FROM \"仕訳台帳\"" + periodFilter + " GROUP BY \"" + code + "\"",
                                  dao::RecordsetType::Snapshot);
            for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
                result[rs->get("c").toText()] = rs->get("s").isNull() ? 0 : rs->get("s").toInt64();
            return result;
        };
        const auto debits = sums("借方コード", "入金");
        const auto credits = sums("貸方コード", "出金");
        ASSERT_GT(debits.size(), 10u);

        auto accounts = db->OpenRecordset("Q_使用勘定科目表", dao::RecordsetType::Snapshot);
        int checked = 0;
        for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext()) {
            const std::string code = accounts->get("勘定科目コード").toText();
            SCOPED_TRACE(code);
            const long long debit = debits.count(code) ? debits.at(code) : 0;
            const long long credit = credits.count(code) ? credits.at(code) : 0;
            EXPECT_EQ(accounts->get("借方合計").toInt64(), debit);
            EXPECT_EQ(accounts->get("貸方合計").toInt64(), credit);
            const long long opening = accounts->get("期首残高").isNull() ? 0 : accounts->get("期首残高").toInt64();
            const long long movement = accounts->get("借貸区分").toInt64() == 0 ? debit - credit : credit - debit;
            EXPECT_EQ(accounts->get("期末残高").toInt64(), opening + movement);
            if (debit != 0 || credit != 0)
                ++checked;
        }
        EXPECT_GT(checked, 20);
    }
    std::filesystem::remove_all(dir);
}

// The sample company with a year of a busy deposit account generated into it:
// 50 deposits of 43,939,217 (2,196,960,850 yen in all) and 50 payments of
// 43,000,000. The tally, the statements and the CSV files all complete, and
// the figures equal SQLite's own 64-bit sums of the journal.
TEST(SampleCompanyPeriodFigures, ADepositAccountMovingBeyondThirtyTwoBitsIsTalliedAndStated)
{
    const auto dir = std::filesystem::temp_directory_path() / ("velmora-statements-busy-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::string path = periodfile::createSampleCompany(dir.string());
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
        const auto codeOf = [&](const char* name) {
            auto rs = db->OpenRecordset(
                std::string("SELECT 勘定科目コード FROM 勘定科目コード表 WHERE 適用 <> 0 AND 勘定科目名 = '") + name
                    + "'",
                dao::RecordsetType::Snapshot);
            return rs->get("勘定科目コード").toText();
        };
        const std::string deposit = codeOf("普通預金");
        const std::string sales = codeOf("売上高");
        const std::string purchases = codeOf("仕入高");
        ASSERT_FALSE(deposit.empty());
        const char* inPeriod = " \"日付\" BETWEEN (SELECT \"会計期間開始日\" FROM \"会計設定\")"
                               " AND (SELECT \"会計期間終了日\" FROM \"会計設定\")";
        const auto sum = [&](const char* codeField, const char* amountField) {
            auto rs = db->OpenRecordset(std::string("SELECT SUM(") + amountField + ") AS s FROM 仕訳台帳 WHERE "
                                            + codeField + " = '" + deposit + "' AND" + inPeriod,
                                        dao::RecordsetType::Snapshot);
            return rs->get("s").isNull() ? 0LL : static_cast<long long>(rs->get("s").toInt64());
        };
        const long long debitBefore = sum("借方コード", "入金");
        const long long creditBefore = sum("貸方コード", "出金");
        for (int i = 0; i < 50; ++i) {
            const std::string day =
                "date((SELECT 会計期間開始日 FROM 会計設定), '+" + std::to_string(i * 7) + " days')";
            db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金) VALUES (" + day
                            + ", 'B" + std::to_string(i) + "', 1, ?, 43939217, ?, 43939217)",
                        {deposit, sales});
            db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金) VALUES (" + day
                            + ", 'P" + std::to_string(i) + "', 1, ?, 43000000, ?, 43000000)",
                        {purchases, deposit});
        }
        statements::RecomputePeriodFigures(*dao::DBEngine::instance().Workspaces(0), *db);

        const statements::StatementAccounts accounts = statements::ReadStatementAccounts(*db);
        const auto account =
            std::find_if(accounts.begin(), accounts.end(), [&](const auto& a) { return a.code == deposit; });
        ASSERT_NE(account, accounts.end());
        EXPECT_EQ(account->debitTotal, debitBefore + 2196960850LL);
        EXPECT_EQ(account->debitTotal, sum("借方コード", "入金"));
        EXPECT_EQ(account->creditTotal, creditBefore + 2150000000LL);
        EXPECT_EQ(account->closing, account->opening + account->debitTotal - account->creditTotal);

        // The trial balance shows the debit side whole (the opening balance with
        // the period's debits); both CSV files are written with their lines.
        const std::vector<std::string> lines = statements::TrialBalanceLines(accounts);
        ASSERT_GT(account->opening, 0);
        const std::string total = o::FormatNumber(account->opening + account->debitTotal, "###,###,##0");
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(total) != std::string::npos;
        })) << total;
        EXPECT_EQ(statements::WriteStatementCsvFiles(accounts, dir.string()), "");
        for (const char* name : {statements::kBalanceSheetCsvName, statements::kProfitLossCsvName})
            EXPECT_GT(std::filesystem::file_size(dir / name), 0u) << name;
    }
    std::filesystem::remove_all(dir);
}
