#include "closing/PeriodJournal.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/DayOfDate.h"
#include "platform/dao/Recordset.h"

namespace closing {

namespace {

std::int64_t amountOf(const dao::Value& value)
{
    return value.isNumeric() ? value.toInt64() : 0;
}

}  // namespace

std::string PeriodDateCondition(const ClosingPeriod& period, const std::string& column)
{
    return dao::DayWithinSql(column, period.first, period.last);
}

std::string OutsidePeriodCondition(const ClosingPeriod& period, const std::string& column)
{
    return dao::DayOutsideSql(column, period.first, period.last);
}

std::string SqlText(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += '\'';
        quoted += c;
    }
    return quoted + "'";
}

std::vector<PeriodJournalRow> ReadPeriodJournal(dao::Database& database, const ClosingPeriod& period,
                                                const std::string& condition)
{
    std::vector<PeriodJournalRow> rows;
    auto journal = database.OpenRecordset(
        "SELECT 日付, 伝票番号, 摘要, 借方コード, 貸方コード, 入金, 出金, 小分類, 小分類2, 消費税, 消費税2, 決算仕訳"
        " FROM Q_仕訳台帳 WHERE "
            + PeriodDateCondition(period) + (condition.empty() ? "" : " AND (" + condition + ")"),
        dao::RecordsetType::Snapshot);
    if (journal->isEmpty())
        return rows;
    for (journal->MoveFirst(); !journal->EOF_(); journal->MoveNext()) {
        PeriodJournalRow row;
        const auto date = journal->get(schema::column::Date).toDate();
        if (!date)
            continue;
        row.date = *date;
        row.voucher = journal->get(schema::column::VoucherNumber).toText();
        row.description = journal->get(schema::column::Description).toText();
        row.debitCode = journal->get(schema::column::DebitCode).toText();
        row.creditCode = journal->get(schema::column::CreditCode).toText();
        row.debit = amountOf(journal->get(schema::column::DebitAmount));
        row.credit = amountOf(journal->get(schema::column::CreditAmount));
        row.debitClass = journal->get(schema::column::MinorClass).toText();
        row.creditClass = journal->get(schema::column::MinorClass2).toText();
        row.debitTaxable = journal->get(schema::column::Taxable).toBool();
        row.creditTaxable = journal->get(schema::column::Taxable2).toBool();
        row.closingEntry = journal->get(schema::column::ClosingEntry).toBool();
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace closing
