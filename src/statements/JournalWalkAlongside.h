#pragma once
// Another reading of the journal table that rides on the tally's walk, so
// that the table is read once where both are needed (the rollover reads the
// bank rows and the rows that stay in the same walk as the period totals).
// It names the columns of 仕訳台帳 it needs besides the tally's own (the two
// codes and the two amounts, which it is shown too) and is shown every row of
// the table, dated within the period or not, with the row's date as a day
// number.

#include "platform/dao/CheckedRow.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace statements {

// One row of the walk: the tally's columns as the tally read them, and the
// columns asked for by their place in that list, read through the same
// checks (a value the journal window would refuse is refused).
class JournalRowAlongside {
public:
    // The tally's columns, as read once for both.
    struct TallyColumns {
        std::optional<long long> day;  // 日付 as a day number; none when it holds no date
        std::string_view debitCode;    // 借方コード (no data() for a null)
        std::int64_t moneyIn = 0;      // 入金
        std::string_view creditCode;   // 貸方コード (no data() for a null)
        std::int64_t moneyOut = 0;     // 出金
    };
    static constexpr int kFirstAsked = 5;  // the asked columns' place in the walk's row

    JournalRowAlongside(const dao::CheckedRow& row, const TallyColumns& tally) : m_row(row), m_tally(tally) {}

    // 日付 as a day number, whatever form the row stores it in; none when it holds no date.
    std::optional<long long> day() const { return m_tally.day; }
    const TallyColumns& tally() const { return m_tally; }

    // The row's number in the journal table.
    std::int64_t rowNumber() const { return m_row.rowNumber(); }
    bool isNull(int column) const { return m_row.isNull(kFirstAsked + column); }
    std::string_view text(int column) const { return m_row.text(kFirstAsked + column); }
    std::int64_t wholeNumber(int column) const { return m_row.wholeNumber(kFirstAsked + column); }
    bool flag(int column) const { return m_row.flag(kFirstAsked + column); }

private:
    const dao::CheckedRow& m_row;
    const TallyColumns& m_tally;
};

struct JournalWalkAlongside {
    std::vector<std::string> columns;  // of 仕訳台帳
    std::function<void(const JournalRowAlongside&)> visit;
};

}  // namespace statements
