#pragma once
// The journal rows of one fiscal period, as the closing runs and the rollover
// read them: every row of Q_仕訳台帳 dated on or after the period's first day
// and on or before its last day (closing entries included; a row without a
// date belongs to no period).

#include "closing/ClosingRun.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
}

namespace closing {

struct PeriodJournalRow {
    dao::Date date;             // 日付
    std::string voucher;        // 伝票番号
    std::string description;    // 摘要
    std::string debitCode;      // 借方コード
    std::string creditCode;     // 貸方コード
    std::int64_t debit = 0;     // 入金 (null counts 0)
    std::int64_t credit = 0;    // 出金
    bool closingEntry = false;  // 決算仕訳
};

// The SQL condition on a date column (`column` is its SQL expression) for
// the period's rows, by the date's value whatever form the row stores it in
// (dao/DayOfDate.h); a time of day on the last day still counts.
std::string PeriodDateCondition(const ClosingPeriod& period, const std::string& column = "\"日付\"");

// The condition for the rows outside the period: dated before or after it, or
// not dated.
std::string OutsidePeriodCondition(const ClosingPeriod& period, const std::string& column = "\"日付\"");

// The rows of the period, in the journal's order; with `condition`, only
// those that also meet it (an SQL condition on the columns of 仕訳台帳).
// Each row is read as the journal window reads it: a 日付 that holds no date
// (rows that meet `condition`), or an amount that is no whole number, throws
// the dao::DaoError naming the file, the table, the row and the field.
std::vector<PeriodJournalRow> ReadPeriodJournal(dao::Database& database, const ClosingPeriod& period,
                                                const std::string& condition = {});

// A text as an SQL literal: 'text', a quote inside it doubled.
std::string SqlText(const std::string& text);

}  // namespace closing
