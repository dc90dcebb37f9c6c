// What the rollover gathers from the closed period's journal in the tally's
// own walk, checked against the queries it replaces, run on the same rows:
// the period's bank rows summed by bank, branch and codes, the rows that stay
// in the next period's file, the rows that debit the depreciation expense, and
// the closing entries.

#include "closing/CarriedBalances.h"
#include "closing/ClosedJournalWalk.h"
#include "closing/PeriodJournal.h"
#include "closing/RollForward.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/RowView.h"
#include "statements/TallyAccountTotals.h"
#include "support/TempPeriodFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace closing;

namespace {

constexpr const char* kExpenseCode = "555";

// 日付, 伝票番号, 借方コード, 入金, 貸方コード, 出金, 銀行コード, 支店コード: the
// period is 2023-03-01 .. 2024-02-29; dates in the forms files hold (or
// none: null or blanks), codes null or empty.
constexpr const char* kRows =
    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金, 銀行コード, 支店コード) VALUES"
    " ('2023/3/1', '初日', 1, '103', 500, '100', 500, '0001', '0001203'),"
    " ('2024-02-29 10:00:00', '末日', 1, '103', 700, '100', 700, '0001', '0001203'),"
    " ('2023-10-05', '引出', 1, '100', 40, '103', 40, '0001', '0001203'),"
    " ('2023-10-06', '借方なし', 1, NULL, 10, '103', 10, '0009', '0009232'),"
    " ('2023-10-07', '借方空', 1, '', 20, '103', 20, '0009', '0009232'),"
    " ('2023/2/28', '前期', 1, '103', 300, '100', 300, '0001', '0001203'),"
    " ('2024/3/1', '翌期', 1, '103', 900, '100', 900, '0001', '0001203'),"
    " (NULL, '日付なし', 1, '103', 60, '100', 60, '0001', '0001203'),"
    " ('  ', '空白の日付', 1, '103', 70, '100', 70, '0001', '0001203'),"
    " ('2023-11-01', '銀行なし', 1, '100', 5, '111', 5, NULL, NULL),"
    " ('2023-11-02', '銀行空', 1, '100', 6, '111', 6, '', ''),"
    " ('2024-02-29', '償却', 1, '555', 1000, '145', 1000, '', ''),"
    " ('2024-03-02', '翌期償却', 1, '555', 2000, '145', 2000, '', '')";

std::string shown(const BankRowsSum& sum)
{
    return sum.bankCode + "|" + sum.branchCode + "|" + (sum.debitCodeNull ? "(null)" : sum.debitCode) + "|"
        + (sum.creditCodeNull ? "(null)" : sum.creditCode) + "|" + std::to_string(sum.moneyIn) + "|"
        + std::to_string(sum.moneyOut);
}

class ClosedJournalWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db->Execute(kRows);
        // The depreciation rows are closing entries, in the period and after it.
        db->Execute("UPDATE 仕訳台帳 SET 決算仕訳 = 1 WHERE 伝票番号 IN ('償却', '翌期償却')");
        statements::JournalWalkAlongside alongside = walk.alongside();
        statements::TallyAccountTotals(*dao::DBEngine::instance().Workspaces(0), *db, &alongside);
    }

    std::vector<std::string> column(const std::string& sql)
    {
        std::vector<std::string> values;
        db->ForEachRow(sql, {}, "仕訳台帳", [&](const dao::RowView& row) { values.emplace_back(row.text(0)); });
        return values;
    }

    testsupport::TempPeriodFile file{"甲商事", 7, "2023-03-01"};
    std::shared_ptr<dao::Database> db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
    const ClosingPeriod period{dao::Date{2023, 3, 1}, dao::Date{2024, 2, 29}};
    ClosedJournalWalk walk{period, kExpenseCode};
};

}  // namespace

TEST_F(ClosedJournalWalkTest, SumsThePeriodsBankRowsAsTheGroupedQueryDoes)
{
    const std::vector<std::string> expected =
        column("SELECT 銀行コード || '|' || 支店コード || '|' || coalesce(借方コード, '(null)') || '|' || "
               "coalesce(貸方コード, '(null)')"
               " || '|' || SUM(入金) || '|' || SUM(出金) FROM 仕訳台帳 WHERE 銀行コード <> '' AND "
               + PeriodDateCondition(period) + " GROUP BY 銀行コード, 支店コード, 借方コード, 貸方コード ORDER BY 1");
    std::vector<std::string> gathered;
    for (const BankRowsSum& sum : walk.bankSums())
        gathered.push_back(shown(sum));
    std::sort(gathered.begin(), gathered.end());
    EXPECT_EQ(gathered, expected);
    // By hand: the first and the last day of the period, nothing outside it.
    EXPECT_NE(std::find(gathered.begin(), gathered.end(), "0001|0001203|103|100|1200|1200"), gathered.end());
    // A null debit code and an empty one are groups apart.
    EXPECT_EQ(std::count_if(gathered.begin(), gathered.end(),
                            [](const std::string& line) { return line.rfind("0009|", 0) == 0; }),
              2);
}

TEST_F(ClosedJournalWalkTest, KeepsTheRowsOutsideThePeriodAsTheirConditionDoes)
{
    const std::vector<std::string> expected =
        column("SELECT rowid FROM 仕訳台帳 WHERE " + OutsidePeriodCondition(period) + " ORDER BY rowid");
    std::vector<std::string> staying;
    for (long long row : walk.stayingRows())
        staying.push_back(std::to_string(row));
    EXPECT_EQ(staying, expected);
    EXPECT_EQ(column("SELECT group_concat(伝票番号, ' ') FROM (SELECT 伝票番号 FROM 仕訳台帳 WHERE "
                     + OutsidePeriodCondition(period) + " ORDER BY rowid)"),
              std::vector<std::string>{"前期 翌期 日付なし 空白の日付 翌期償却"});
    EXPECT_EQ(walk.rows(), static_cast<long long>(column("SELECT rowid FROM 仕訳台帳").size()));
}

TEST_F(ClosedJournalWalkTest, FindsThePeriodsRowsThatDebitTheExpenseAccount)
{
    const std::vector<std::string> expected =
        column("SELECT rowid FROM 仕訳台帳 WHERE 借方コード = '" + std::string(kExpenseCode) + "' AND "
               + PeriodDateCondition(period) + " ORDER BY rowid");
    std::vector<std::string> found;
    for (long long row : walk.expenseRows())
        found.push_back(std::to_string(row));
    EXPECT_EQ(found, expected);
    EXPECT_EQ(found.size(), 1u);
}

TEST_F(ClosedJournalWalkTest, FindsTheClosingEntriesWhateverTheirDates)
{
    const std::vector<std::string> expected = column("SELECT rowid FROM 仕訳台帳 WHERE 決算仕訳 <> 0 ORDER BY rowid");
    std::vector<std::string> found;
    for (long long row : walk.closingEntryRows())
        found.push_back(std::to_string(row));
    EXPECT_EQ(found, expected);
    EXPECT_EQ(found.size(), 2u);
}

// A bank's sum past the 64-bit range is refused by name, before any balance
// is carried.
TEST(BankBalancesAtPeriodEnd, RefusesASumPastTheRangeNamingTheBank)
{
    testsupport::TempPeriodFile file{"甲商事", 7, "2023-03-01"};
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
    BankRowsSum sum;
    sum.bankCode = "0001";
    sum.branchCode = "0001203";
    sum.debitCode = "103";
    sum.overflowed = true;
    try {
        BankBalancesAtPeriodEnd(*db, {sum});
        FAIL() << "carried";
    } catch (const RolloverRefused& refused) {
        EXPECT_EQ(std::string(refused.what()), CarriedAmountOutOfRange("取引銀行 0001 0001203 の仕訳の合計"));
    }
}
