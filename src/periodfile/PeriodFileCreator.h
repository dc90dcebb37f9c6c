#pragma once
// Makes a new prepared period file: the schema, the standard contents (chart,
// eras, tax rates, deposit kinds) and the settings row 会計設定.

#include <optional>
#include <string>

namespace periodfile {

struct NewPeriod {
    std::string company;   // 事業所名
    int period = 1;        // 会計年度
    std::string firstDay;  // 会計期間開始日, "YYYY-MM-DD"
};

// "YYYY-MM-DD" of the last day of a period that starts on `firstDay`
// (one year later, less a day); nullopt when `firstDay` is not a valid date.
std::optional<std::string> periodLastDay(const std::string& firstDay);

// Creates the file at `path`. Refuses (std::runtime_error, Japanese message)
// when the file already exists, the date is invalid or the period is not
// positive; on any failure the partly written file is removed.
void createPeriodFile(const std::string& path, const NewPeriod& settings);

}  // namespace periodfile
