#include "statements/TallyAccountTotals.h"

#include "common/NumberFormat.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "statements/PeriodRange.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace statements {

namespace {

struct Sums {
    std::int64_t debit = 0;
    std::int64_t credit = 0;
};

std::int64_t number(const dao::Value& value)
{
    return value.isNull() ? 0 : value.toInt64();
}

// One row per (in period, debit code, credit code): the sums of the amounts
// and the count of the rows. The period's bounds are ISO dates made here from
// the settings row (digits and hyphens only); a 日付 carrying a time of day on
// the last day still counts.
std::string groupedPassSql(const FiscalPeriod& period)
{
    const std::string first = period.first.isoText().substr(0, 10);
    const std::string afterLast = dao::Date::fromDayNumber(period.last.dayNumber() + 1).isoText().substr(0, 10);
    return "SELECT (\"日付\" >= '" + first + "' AND \"日付\" < '" + afterLast + "') AS inPeriod,"
           " \"借方コード\" AS debitCode, \"貸方コード\" AS creditCode,"
           " SUM(\"入金\") AS debitSum, SUM(\"出金\") AS creditSum, COUNT(*) AS rowCount"
           " FROM \"仕訳台帳\" GROUP BY 1, 2, 3";
}

}  // namespace

TallyReport TallyAccountTotals(dao::Workspace& workspace, dao::Database& database)
{
    const FiscalPeriod period = ReadFiscalPeriod(database);

    auto accounts = database.OpenRecordset("Q_使用勘定科目表", dao::RecordsetType::Dynaset);
    std::unordered_map<std::string, Sums> sums;
    if (!accounts->isEmpty())
        for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext())
            sums.emplace(accounts->get("勘定科目コード").toText(), Sums{});

    TallyReport report;
    std::set<std::string> unknown;
    auto groups = database.OpenRecordset(groupedPassSql(period), dao::RecordsetType::Snapshot);
    if (!groups->isEmpty()) {
        for (groups->MoveFirst(); !groups->EOF_(); groups->MoveNext()) {
            const long long rows = number(groups->get("rowCount"));
            const dao::Value inPeriod = groups->get("inPeriod");
            if (inPeriod.isNull() || number(inPeriod) == 0) {
                report.rowsOutsidePeriod += rows;
                continue;
            }
            report.rowsTallied += rows;
            const std::string debitCode = groups->get("debitCode").toText();
            const std::string creditCode = groups->get("creditCode").toText();
            bool unknownCode = false;
            if (!debitCode.empty()) {
                if (auto it = sums.find(debitCode); it != sums.end()) {
                    it->second.debit += number(groups->get("debitSum"));
                } else {
                    unknownCode = true;
                    unknown.insert(debitCode);
                }
            }
            if (!creditCode.empty()) {
                if (auto it = sums.find(creditCode); it != sums.end()) {
                    it->second.credit += number(groups->get("creditSum"));
                } else {
                    unknownCode = true;
                    unknown.insert(creditCode);
                }
            }
            if (unknownCode)
                report.rowsWithUnknownCode += rows;
        }
    }
    report.unknownCodes.assign(unknown.begin(), unknown.end());

    // Every figure is checked before the first write.
    if (!accounts->isEmpty()) {
        for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext()) {
            const std::string code = accounts->get("勘定科目コード").toText();
            const Sums& s = sums.at(code);
            const std::string name = accounts->get("勘定科目名").toText();
            RequireStoredAmount(s.debit, name, code, "借方合計");
            RequireStoredAmount(s.credit, name, code, "貸方合計");
        }
    }

    dao::RunInTransaction(
        workspace,
        [&] {
            if (accounts->isEmpty())
                return;
            for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext()) {
                const Sums& s = sums.at(accounts->get("勘定科目コード").toText());
                accounts->Edit();
                accounts->set("借方合計", dao::Value(static_cast<long long>(s.debit)));
                accounts->set("貸方合計", dao::Value(static_cast<long long>(s.credit)));
                accounts->Update();
            }
        },
        {accounts.get()});
    return report;
}

std::string TallyNotice(const TallyReport& report)
{
    std::string text;
    if (report.rowsWithUnknownCode > 0) {
        text += "使用中の勘定科目にないコードの仕訳 " + o::FormatNumber(report.rowsWithUnknownCode, "#,##0")
                + " 行を集計していません（コード：";
        for (std::size_t i = 0; i < report.unknownCodes.size(); ++i)
            text += (i > 0 ? "、" : "") + report.unknownCodes[i];
        text += "）";
    }
    if (report.rowsOutsidePeriod > 0) {
        if (!text.empty())
            text += "　";
        text += "会計期間外の日付の仕訳 " + o::FormatNumber(report.rowsOutsidePeriod, "#,##0")
                + " 行は今期の集計に含めていません";
    }
    return text;
}

}  // namespace statements
