#include "closing/RollForward.h"

#include "closing/CarriedBalances.h"
#include "closing/ClosedJournalWalk.h"
#include "closing/ClosedPeriodFigures.h"
#include "closing/DepreciationJournal.h"
#include "closing/NextPeriod.h"
#include "closing/PeriodJournal.h"
#include "closing/RolloverPeriod.h"
#include "closing/RolloverChecks.h"
#include "closing/RowChunks.h"
#include "journal/AmountRange.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "setup/OpeningCash.h"

#include <optional>

namespace closing {

namespace {

// The first settings row: the only one the program reads.
constexpr const char* kFirstSettingsRow = "rowid = (SELECT min(rowid) FROM \"会計設定\")";

struct NextSettings {
    long long period = 0;
    dao::Date first;
    dao::Date last;
    dao::Value reportDate;  // null stays null
};

NextSettings nextSettings(dao::Database& copy, const RolloverPeriod& period)
{
    auto settings = copy.OpenRecordset(schema::table::Settings, dao::RecordsetType::Snapshot);
    settings->MoveFirst();
    NextSettings next;
    next.period = period.number + 1;
    next.first = OneYearLater(period.dates.first);
    next.last = OneYearLater(period.dates.last);
    if (const auto report = settings->get(schema::column::ReportDate).toDate())
        next.reportDate = IsoDay(OneYearLater(*report));
    return next;
}

// The code of the first 決算２ account in use, by code.
std::string carriedProfitAccount(dao::Database& copy)
{
    auto account =
        copy.OpenRecordset("SELECT 勘定科目コード FROM 勘定科目コード表 WHERE 適用 <> 0 AND 中分類 = '決算２'"
                           " ORDER BY 勘定科目コード LIMIT 1",
                           dao::RecordsetType::Snapshot);
    if (account->isEmpty())
        return {};
    account->MoveFirst();
    return account->get(schema::column::AccountCode).toText();
}

void requireAmount(std::int64_t value, const std::string& what)
{
    if (!journal::FitsAmount(value))
        throw RolloverRefused(CarriedAmountOutOfRange(what));
}

void carryAccounts(dao::Database& copy, const std::string& profitAccount, std::int64_t profit)
{
    copy.Execute("UPDATE 勘定科目コード表 SET 前5決算残高 = 前4決算残高, 前4決算残高 = 前3決算残高,"
                 " 前3決算残高 = 前2決算残高, 前2決算残高 = 前年決算残高, 前年決算残高 = 期末残高,"
                 " 期首残高 = CASE WHEN 大分類 IN ('経常損益', '特別損益') OR 中分類 IN ('決算１', '決算２') THEN 0"
                 " ELSE 期末残高 END,"
                 " 期末残高 = 0, 借方合計 = 0, 貸方合計 = 0"
                 " WHERE 適用 <> 0");
    copy.Execute("UPDATE 勘定科目コード表 SET 期首残高 = ? WHERE 勘定科目コード = ?",
                 {dao::Value(static_cast<long long>(profit)), profitAccount});
}

// Rows of the journal's tables set aside while the table is emptied: far
// quicker than deleting most of a journal row by row through its indexes.
// They are put back under their own row numbers.
class RowsSetAside {
public:
    RowsSetAside(dao::Database& copy, const std::string& table) : m_copy(copy), m_table("\"" + table + "\"")
    {
        for (const std::string& name : copy.fieldNames(table))
            m_columns += ", \"" + name + "\"";
        copy.Execute("CREATE TEMP TABLE 残す行 AS SELECT rowid AS 元の行" + m_columns + " FROM " + m_table
                     + " WHERE 0");
    }
    void setAside(const std::string& condition, const std::vector<dao::Value>& params = {})
    {
        m_copy.Execute("INSERT INTO 残す行 SELECT rowid" + m_columns + " FROM " + m_table + " WHERE " + condition,
                       params);
    }
    void emptyAndPutBack()
    {
        m_copy.Execute("DELETE FROM " + m_table);
        m_copy.Execute("INSERT INTO " + m_table + " (rowid" + m_columns + ") SELECT 元の行" + m_columns
                       + " FROM 残す行");
        m_copy.Execute("DROP TABLE 残す行");
    }

private:
    dao::Database& m_copy;
    std::string m_table;
    std::string m_columns;
};

// Deletes the rows of `table` dated within the period, counting them first.
// When most of the table goes, the rows that stay are set aside.
void deletePeriodRows(dao::Database& copy, const std::string& table, const ClosingPeriod& period)
{
    const std::string quotedTable = "\"" + table + "\"";
    const std::string outside = OutsidePeriodCondition(period);
    auto counts = copy.OpenRecordset("SELECT (SELECT COUNT(*) FROM " + quotedTable + ") AS 全行, (SELECT COUNT(*) FROM "
                                         + quotedTable + " WHERE " + outside + ") AS 期間外",
                                     dao::RecordsetType::Snapshot);
    const long long all = counts->get("全行").toInt64();
    const long long staying = counts->get("期間外").toInt64();
    if (staying == all)
        return;
    if (staying * 2 >= all) {
        copy.Execute("DELETE FROM " + quotedTable + " WHERE " + PeriodDateCondition(period));
        return;
    }
    RowsSetAside aside(copy, table);
    aside.setAside(outside);
    aside.emptyAndPutBack();
}

// The journal's rows of the period, with the rows that stay as the closed
// journal's walk found them: no second reading of the table.
void deletePeriodRows(dao::Database& copy, const ClosedJournalWalk& walk, const ClosingPeriod& period)
{
    const std::vector<long long>& staying = walk.stayingRows();
    const long long stayingCount = static_cast<long long>(staying.size());
    if (stayingCount == walk.rows())
        return;
    if (stayingCount * 2 >= walk.rows()) {
        copy.Execute("DELETE FROM \"仕訳台帳\" WHERE " + PeriodDateCondition(period));
        return;
    }
    RowsSetAside aside(copy, "仕訳台帳");
    ForEachRowChunk(
        staying, [&](const std::string& rowsIn, const std::vector<dao::Value>& rows) { aside.setAside(rowsIn, rows); });
    aside.emptyAndPutBack();
}

void carryBankAccounts(dao::Database& copy, const std::vector<BankCarry>& banks)
{
    for (const BankCarry& bank : banks)
        copy.Execute("UPDATE 取引銀行 SET 期首残高 = ?1, 現残高 = ?1 WHERE rowid = ?2",
                     {dao::Value(static_cast<long long>(bank.balance)), dao::Value(bank.rowid)});
}

void carryAssets(dao::Database& copy, const std::vector<AssetCarry>& assets)
{
    for (const AssetCarry& asset : assets)
        copy.Execute("UPDATE 固定資産台帳 SET 残存価格 = ?, 減価償却費 = NULL WHERE rowid = ?",
                     {dao::Value(static_cast<long long>(asset.bookValue)), dao::Value(asset.rowid)});
}

void moveSettingsOn(dao::Database& copy, const NextSettings& next)
{
    // The opening cash and deposits come from the new opening balances, as
    // the setup window derives them.
    auto chart = copy.OpenRecordset(schema::query::Chart, dao::RecordsetType::Snapshot);
    const std::optional<setup::OpeningCash> cash = setup::ComputeOpeningCash(*chart);
    if (!cash)
        throw RolloverRefused(CarriedAmountOutOfRange("期首現金預金"));
    copy.Execute(std::string("UPDATE 会計設定 SET 会計年度 = ?, 会計期間開始日 = ?, 会計期間終了日 = ?, 決算報告日 = ?,"
                             " 期首現金残高 = ?, 期首預金残高 = ? WHERE ")
                     + kFirstSettingsRow,
                 {dao::Value(next.period), IsoDay(next.first), IsoDay(next.last), next.reportDate,
                  dao::Value(static_cast<long long>(cash->cash)), dao::Value(static_cast<long long>(cash->deposits))});
}

}  // namespace

std::string CarriedAmountOutOfRange(const std::string& what)
{
    return "「" + what + "」の金額が扱える範囲（-2,147,483,648～2,147,483,647円）を超えています";
}

std::string PeriodNumberChanged(long long named, long long stored)
{
    return "会計年度が第" + std::to_string(named) + "期から第" + std::to_string(stored)
        + "期に変わっています。年次更新の画面を開き直してから行ってください";
}

CarriedOpenings RollForward(dao::Workspace& workspace, dao::Database& copy, std::optional<long long> namedPeriod)
{
    const RolloverPeriodOrRefusal checked = ReadRolloverPeriod(copy);
    if (!checked.period)
        throw RolloverRefused(checked.refusal);
    if (namedPeriod && *namedPeriod != checked.period->number)
        throw RolloverRefused(PeriodNumberChanged(*namedPeriod, checked.period->number));
    RequireRollableFile(copy);
    const ClosingPeriod& period = checked.period->dates;
    const std::string profitAccount = carriedProfitAccount(copy);
    if (profitAccount.empty())
        throw RolloverRefused(kNoCarriedProfitAccount);
    const NextSettings next = nextSettings(copy, *checked.period);

    CarriedOpenings openings;
    dao::RunInTransaction(workspace, [&] {
        // Everything the new period takes from the closed one is read before
        // the closed period's rows go.
        openings.closedPeriodDifference = ReadOpeningSides(copy).difference();
        ClosedJournalWalk walk(period, ChartCodes(copy).codeOf(kDepreciationExpenseAccount));
        const ClosedPeriodFigures figures = RecomputeClosedPeriodFigures(workspace, copy, walk.alongside());
        openings.rowsWithUnknownCode = figures.tally.rowsWithUnknownCode;
        openings.unknownCodes = figures.tally.unknownCodes;
        const std::int64_t profit = figures.profit;
        requireAmount(profit, "当期未処分利益");
        RequireListableClosingEntries(copy, walk.closingEntryRows());
        const std::vector<BankCarry> banks = BankBalancesAtPeriodEnd(copy, walk.bankSums());
        for (const BankCarry& bank : banks)
            requireAmount(bank.balance, "取引銀行 " + bank.bankCode + " " + bank.branchCode + " " + bank.kind);
        const std::vector<AssetCarry> assets = AssetsAfterDepreciation(copy, walk.expenseRows());
        for (const AssetCarry& asset : assets)
            requireAmount(asset.bookValue, "固定資産 " + asset.number + " " + asset.name);

        carryAccounts(copy, profitAccount, profit);
        deletePeriodRows(copy, walk, period);
        deletePeriodRows(copy, "仕訳変更履歴", period);
        carryBankAccounts(copy, banks);
        carryAssets(copy, assets);
        moveSettingsOn(copy, next);
        openings.next = ReadOpeningSides(copy);
    });
    return openings;
}

}  // namespace closing
