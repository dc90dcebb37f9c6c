// The sample company: a period file the program can open as it stands, whose
// books agree with themselves (vouchers balance, opening balances balance,
// bank accounts and registers agree with the chart), made the same way every
// time, with the path file beside it.

#include "periodfile/SampleCompany.h"
#include "periodfile/TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace periodfile::testing {
namespace {

using Row = std::vector<std::string>;

std::vector<Row> query(sqlite3* db, const std::string& sql)
{
    std::vector<Row> rows;
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db) << "\n" << sql;
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            const unsigned char* text = sqlite3_column_text(st, i);
            row.push_back(text ? reinterpret_cast<const char*>(text) : "<NULL>");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(st);
    return rows;
}

std::string single(sqlite3* db, const std::string& sql)
{
    const std::vector<Row> rows = query(db, sql);
    return rows.empty() || rows.front().empty() ? "<no row>" : rows.front().front();
}

class SampleCompanyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<std::filesystem::path>(std::filesystem::temp_directory_path()
                                                        / ("velmora-sample-" + std::to_string(::getpid())));
        std::filesystem::remove_all(*s_dir);
        s_path = createSampleCompany((*s_dir / "data").string());
        ASSERT_EQ(sqlite3_open_v2(s_path.c_str(), &s_db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    }
    static void TearDownTestSuite()
    {
        sqlite3_close(s_db);
        s_db = nullptr;
        std::error_code error;
        std::filesystem::remove_all(*s_dir, error);
    }

    static std::unique_ptr<std::filesystem::path> s_dir;
    static std::string s_path;
    static sqlite3* s_db;
};

std::unique_ptr<std::filesystem::path> SampleCompanyTest::s_dir;
std::string SampleCompanyTest::s_path;
sqlite3* SampleCompanyTest::s_db = nullptr;

TEST_F(SampleCompanyTest, PathFileNamesThePeriodFile)
{
    const std::filesystem::path expected = *s_dir / "data" / "サンプル商事第10期.mdb";
    EXPECT_EQ(s_path, expected.string());
    EXPECT_TRUE(std::filesystem::is_regular_file(s_path));
    EXPECT_EQ(readAll((*s_dir / "data" / "QVDBPATH.txt").string()), s_path + "\r\n");
}

TEST_F(SampleCompanyTest, SettingsDescribeTheTenthPeriod)
{
    EXPECT_EQ(query(s_db, "SELECT 事業所名, 会計年度, 会計期間開始日, 会計期間終了日 FROM 会計設定"),
              (std::vector<Row>{{"サンプル商事", "10", "2025-04-01", "2026-03-31"}}));
    EXPECT_EQ(query(s_db, "SELECT 申告区分, 処理方法, 端数処理 FROM 会計設定"), (std::vector<Row>{{"3", "1", "1"}}));
    // The setup window recomputes these from the chart: they must agree already.
    EXPECT_EQ(single(s_db, "SELECT 期首現金残高 FROM 会計設定"),
              single(s_db, "SELECT 期首残高 FROM 勘定科目コード表 WHERE 勘定科目名 = '現金'"));
    EXPECT_EQ(
        single(s_db, "SELECT 期首預金残高 FROM 会計設定"),
        single(s_db, "SELECT sum(期首残高) FROM 勘定科目コード表 WHERE 小分類 = '現金預金' AND 勘定科目名 <> '現金'"));
}

TEST_F(SampleCompanyTest, EveryVoucherBalancesAndIsNumberedFromOne)
{
    const std::vector<Row> vouchers =
        query(s_db,
              "SELECT 伝票番号, sum(入金), sum(出金), count(*), min(追番), max(追番), count(DISTINCT 追番),"
              " count(DISTINCT 日付), min(日付) FROM 仕訳台帳 GROUP BY 伝票番号");
    ASSERT_GE(vouchers.size(), 150u);
    for (const Row& v : vouchers) {
        EXPECT_EQ(v[1], v[2]) << "voucher " << v[0];
        EXPECT_EQ(v[4], "1") << "voucher " << v[0];
        EXPECT_EQ(v[5], v[3]) << "voucher " << v[0];
        EXPECT_EQ(v[6], v[3]) << "voucher " << v[0];
        EXPECT_EQ(v[7], "1") << "voucher " << v[0];
        // "yymmddhhmmss" of the day it was entered.
        ASSERT_EQ(v[0].size(), 12u) << v[0];
        EXPECT_EQ(v[0].substr(0, 6), v[8].substr(2, 2) + v[8].substr(5, 2) + v[8].substr(8, 2)) << v[0];
    }
    const int rows = std::stoi(single(s_db, "SELECT count(*) FROM 仕訳台帳"));
    EXPECT_GE(rows, 300);
    EXPECT_LE(rows, 1500);
    EXPECT_EQ(single(s_db, "SELECT count(*) FROM 仕訳台帳 WHERE 日付 < '2025-04-01' OR 日付 > '2026-03-31'"), "0");
    EXPECT_EQ(single(s_db, "SELECT count(*) FROM 仕訳台帳 WHERE 決算仕訳 <> 0"), "0");
}

TEST_F(SampleCompanyTest, JournalRowsNameAccountsInUseAndRegisteredPartners)
{
    EXPECT_EQ(single(s_db, "SELECT count(*) FROM Q_仕訳台帳 WHERE 勘定科目名 IS NULL OR 勘定科目名2 IS NULL"), "0");
    EXPECT_EQ(
        single(s_db,
               "SELECT count(*) FROM 仕訳台帳 WHERE 借方コード NOT IN (SELECT 勘定科目コード FROM Q_使用勘定科目表)"
               " OR 貸方コード NOT IN (SELECT 勘定科目コード FROM Q_使用勘定科目表)"),
        "0");
    EXPECT_EQ(single(s_db,
                     "SELECT count(*) FROM 仕訳台帳 WHERE 取引先 <> ''"
                     " AND 取引先 NOT IN (SELECT 取引先名 FROM 取引先管理)"),
              "0");
    // Sales and purchases both occur, with their taxes.
    for (const char* minor : {"売上高", "売上原価"})
        EXPECT_GT(std::stoi(single(s_db,
                                   std::string("SELECT count(*) FROM Q_仕訳台帳 WHERE 小分類 = '") + minor
                                       + "' OR 小分類2 = '" + minor + "'")),
                  20)
            << minor;
}

// The bank books take a row into an account by bank name, branch name and the
// deposit account's name; the entry window requires a bank and branch on
// every row of these deposit accounts.
TEST_F(SampleCompanyTest, DepositRowsCarryTheBankAccountTheyMove)
{
    const std::string deposits = "('当座預金', '普通預金', '通知預金')";
    EXPECT_EQ(single(s_db,
                     "SELECT count(*) FROM Q_仕訳台帳 WHERE (勘定科目名 IN " + deposits + " OR 勘定科目名2 IN "
                         + deposits + ") AND (銀行名 IS NULL OR 支店名 IS NULL)"),
              "0");
    EXPECT_EQ(single(s_db,
                     "SELECT count(*) FROM Q_仕訳台帳 AS j WHERE (j.勘定科目名 IN " + deposits + " OR j.勘定科目名2 IN "
                         + deposits
                         + ") AND NOT EXISTS (SELECT 1 FROM 取引銀行 AS b WHERE b.銀行コード = j.銀行コード"
                           " AND b.支店コード = j.支店コード AND b.種別 IN (j.勘定科目名, j.勘定科目名2))"),
              "0");
    EXPECT_EQ(single(s_db, "SELECT count(*) FROM Q_取引銀行 WHERE 銀行名 IS NULL OR 支店名 IS NULL"), "0");
}

// Walks the rows of one book in its query's order and returns the lowest
// running balance; the last balance goes into `closing`.
long long lowestBalance(sqlite3* db, const std::string& sql, long long opening, long long& closing)
{
    long long balance = opening;
    long long lowest = opening;
    for (const Row& r : query(db, sql)) {
        balance += std::stoll(r[0]);
        lowest = std::min(lowest, balance);
    }
    closing = balance;
    return lowest;
}

TEST_F(SampleCompanyTest, CashAndBankBooksNeverRunBelowZero)
{
    long long closing = 0;
    const long long openingCash = std::stoll(single(s_db, "SELECT 期首現金残高 FROM 会計設定"));
    EXPECT_GE(lowestBalance(s_db,
                            "SELECT CASE WHEN 勘定科目名 = '現金' THEN 入金 ELSE 0 END"
                            " - CASE WHEN 勘定科目名2 = '現金' THEN 出金 ELSE 0 END FROM Q_現金出納帳",
                            openingCash, closing),
              0);

    // Each bank account as its bank book counts it; the stored current
    // balance is the one the bank book would store.
    for (const Row& account : query(s_db, "SELECT 銀行コード, 支店コード, 種別, 期首残高, 現残高 FROM Q_取引銀行")) {
        const std::string where = " WHERE 銀行コード = '" + account[0] + "' AND 支店コード = '" + account[1] + "' AND '"
            + account[2] + "' IN (勘定科目名, 勘定科目名2)";
        const std::string sql = "SELECT CASE WHEN 勘定科目名2 = '" + account[2]
            + "' THEN -出金 ELSE 入金 END"
              " FROM Q_取引銀行仕訳"
            + where;
        EXPECT_GE(lowestBalance(s_db, sql, std::stoll(account[3]), closing), 0) << account[2] << account[0];
        EXPECT_EQ(std::to_string(closing), account[4]) << account[2] << account[0];
    }
}

TEST_F(SampleCompanyTest, OpeningBalancesBalanceAndAgreeWithTheRegisters)
{
    const long long assets =
        std::stoll(single(s_db, "SELECT sum(期首残高) FROM 勘定科目コード表 WHERE 大分類 = '資産の部'"));
    const long long claims =
        std::stoll(single(s_db, "SELECT sum(期首残高) FROM 勘定科目コード表 WHERE 大分類 IN ('負債の部', '資本の部')"));
    EXPECT_EQ(assets, claims);
    EXPECT_GT(assets, 0);
    EXPECT_EQ(single(s_db,
                     "SELECT count(*) FROM 勘定科目コード表 WHERE 期首残高 <> 0 AND 大分類 NOT IN"
                     " ('資産の部', '負債の部', '資本の部')"),
              "0");

    // The bank accounts of each kind hold the deposit account's opening balance.
    EXPECT_EQ(query(s_db,
                    "SELECT b.種別, sum(b.期首残高), a.期首残高 FROM 取引銀行 AS b JOIN 勘定科目コード表 AS a"
                    " ON a.勘定科目名 = b.種別 GROUP BY b.種別 HAVING sum(b.期首残高) <> a.期首残高"),
              std::vector<Row>{});

    // Book values of the assets held at the start of the period make the
    // opening balances of their accounts.
    EXPECT_EQ(query(s_db,
                    "SELECT a.勘定科目名, sum(f.残存価格), a.期首残高 FROM 固定資産台帳 AS f"
                    " JOIN 勘定科目コード表 AS a ON a.勘定科目コード = f.勘定科目コード"
                    " WHERE f.取得年月日 < '2025-04-01' GROUP BY a.勘定科目名 HAVING sum(f.残存価格) <> a.期首残高"),
              std::vector<Row>{});
    EXPECT_EQ(single(s_db, "SELECT count(*) FROM Q_固定資産台帳 WHERE 勘定科目名 IS NULL"), "0");
    EXPECT_GE(std::stoi(single(s_db, "SELECT count(*) FROM 固定資産台帳")), 3);
}

// The payroll run takes a group's template as the first row with the group's
// debit account and the three rows after it, reads one more row after the
// part-timers' template, and takes the contribution's credit account, bank
// and branch from the part-timers' first row.
TEST_F(SampleCompanyTest, PayrollTemplatesAreWhereThePayrollRunLooks)
{
    const std::vector<Row> rows =
        query(s_db, "SELECT 勘定科目名, 摘要, 借方コード, 貸方コード, 銀行コード, 支店コード FROM Q_仕訳定型台帳");
    auto findFirst = [&](auto matches) {
        for (size_t i = 0; i < rows.size(); ++i)
            if (matches(rows[i]))
                return static_cast<int>(i);
        return -1;
    };
    auto byName = [&](const std::string& name) { return findFirst([&](const Row& r) { return r[0] == name; }); };
    const int bonusPartTimers = findFirst([](const Row& r) {
        return r[0] == "雑給" && r[1].size() >= 6 && r[1].compare(r[1].size() - 6, 6, "賞与") == 0;
    });
    struct Run {
        const char* what;
        int groups[3];
    };
    const Run runs[] = {
        {"salary", {byName("役員報酬"), byName("給与手当"), byName("雑給")}},
        {"bonus", {byName("役員賞与"), byName("賞与"), bonusPartTimers}},
    };
    for (const Run& run : runs) {
        for (int first : run.groups) {
            ASSERT_GE(first, 0) << run.what;
            ASSERT_LT(first + 3, static_cast<int>(rows.size())) << run.what;
            for (int k = 1; k < 4; ++k)
                EXPECT_EQ(rows[first + k][2], rows[first][2]) << run.what << " row " << k;
        }
        const int partTimers = run.groups[2];
        EXPECT_LT(partTimers + 4, static_cast<int>(rows.size())) << run.what << ": no row after the part-timers";
        EXPECT_NE(rows[partTimers][3], "") << run.what;
        EXPECT_NE(rows[partTimers][4], "") << run.what;
        EXPECT_NE(rows[partTimers][5], "") << run.what;
    }
    // The salary lookup must not land on the bonus template of the part-timers.
    EXPECT_LT(byName("雑給"), bonusPartTimers);
}

TEST_F(SampleCompanyTest, TemplateRowsAreNumberedFromOneAndKeptTogether)
{
    const std::vector<Row> rows = query(s_db, "SELECT 仕訳ID, 追番 FROM Q_仕訳定型台帳");
    ASSERT_FALSE(rows.empty());
    std::map<std::string, int> seen;
    std::string current;
    for (const Row& r : rows) {
        if (r[0] != current) {
            EXPECT_FALSE(seen.count(r[0])) << "template " << r[0] << " split";
            current = r[0];
        }
        EXPECT_EQ(std::stoi(r[1]), ++seen[r[0]]) << "template " << r[0];
    }
    EXPECT_GE(std::stoi(single(s_db, "SELECT count(*) FROM Q_決算仕訳定型台帳")), 1);
}

TEST(SampleCompanyMaking, IsTheSameEveryTime)
{
    TempDir dir;
    const std::string first = createSampleCompany(dir.file("a"));
    const std::string second = createSampleCompany(dir.file("b"));
    auto dump = [](const std::string& path) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        std::vector<Row> rows = query(db, "SELECT * FROM 仕訳台帳 ORDER BY rowid");
        for (Row& r : query(db, "SELECT * FROM 仕訳定型台帳 ORDER BY rowid"))
            rows.push_back(r);
        sqlite3_close(db);
        return rows;
    };
    EXPECT_EQ(dump(first), dump(second));
}

TEST(SampleCompanyMaking, RefusesToOverwriteAnExistingSample)
{
    TempDir dir;
    const std::string path = createSampleCompany(dir.file("data"));
    writeAll(dir.file("data/QVDBPATH.txt"), "kept\r\n");
    const auto sizeBefore = std::filesystem::file_size(path);
    EXPECT_THROW(createSampleCompany(dir.file("data")), std::runtime_error);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), sizeBefore);
    EXPECT_EQ(readAll(dir.file("data/QVDBPATH.txt")), "kept\r\n");
}

}  // namespace
}  // namespace periodfile::testing
