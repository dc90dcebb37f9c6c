#pragma once
// The fiscal period of a period file (会計期間開始日 .. 会計期間終了日 of its
// settings row 会計設定) and the range of the period figures: 64-bit sums,
// stored whole (the chart's period figures hold 64-bit numbers).

#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dao {
class Database;
}

namespace statements {

struct FiscalPeriod {
    dao::Date first;  // 会計期間開始日
    dao::Date last;   // 会計期間終了日
};

// Reads the settings row of `database`. Throws dao::DaoError with a Japanese
// message when the file has no settings row, either date is not set, or the
// period cannot be one (RequirePossiblePeriod).
FiscalPeriod ReadFiscalPeriod(dao::Database& database);

// Throws dao::DaoError(Overflow) naming the account and the field of a period
// figure that passes the 64-bit range: "勘定科目「普通預金」（101）の借方合計が…".
[[noreturn]] void RefuseFigureOutOfRange(const std::string& accountName, const std::string& code,
                                         const std::string& field);

// Throws dao::DaoError naming the file and the period when the stored period
// of the file at `path` is not a possible fiscal period (o::CheckFiscalPeriod:
// no date, a start after the end, longer than one year).
FiscalPeriod RequirePossiblePeriod(const std::optional<dao::Date>& first, const std::optional<dao::Date>& last,
                                   const std::string& path);

// a + b and a − b, or nothing when the result passes the 64-bit range.
std::optional<std::int64_t> AddFigures(std::int64_t a, std::int64_t b);
std::optional<std::int64_t> SubtractFigures(std::int64_t a, std::int64_t b);

}  // namespace statements
