#pragma once
// The three dates of the settings row that the setup window edits with a year,
// a month and a day box each: the first and the last day of the fiscal period
// and the date of the closing report.

#include "common/FiscalPeriod.h"
#include "platform/dao/Value.h"

#include <optional>
#include <string>

namespace setup {

enum class SettingsDate { PeriodStart = 0, PeriodEnd = 1, ReportDate = 2 };

// 会計期間開始日, 会計期間終了日, 決算報告日.
const char* SettingsDateField(SettingsDate date);

struct DateBoxTexts {
    std::string year;   // "2024年"
    std::string month;  // "04月", "4月"
    std::string day;    // "01日", "1日"
};

// What leaving one of the three boxes (element `index`: 0 year, 1 month, 2 day)
// does, given the date the field holds now.
struct DateBoxExit {
    bool acts = false;              // false: the box was empty, nothing happens
    bool dayReset = false;          // the month was changed: the day box becomes "1日"
    std::optional<dao::Date> date;  // the date to store; nullopt while acting: no real date (beep, store nothing)
};

// A box left with the number of the date the boxes showed (`shown`, what the
// window loaded or last stored, not what the file holds now) is left unchanged
// and does nothing: another window or program may have stored a different date
// since, which is kept. Leaving a changed month box moves the date to the
// first of the month. A date that does not exist (31 April, a day left over
// after a change of year, a box without a number) is never stored.
DateBoxExit LeaveDateBox(int index, const DateBoxTexts& boxes, const std::optional<dao::Date>& shown);

// The fiscal period as it would be after one of its dates was edited: the
// edited date and the other one, and whether the pair can be a period
// (o::CheckFiscalPeriod). Without another date there is nothing to check.
struct PeriodEdit {
    o::FiscalPeriodFault fault = o::FiscalPeriodFault::None;
    std::optional<dao::Date> start;
    std::optional<dao::Date> end;
    std::optional<dao::Date> other;  // the date stored beside the edited one
};
PeriodEdit PeriodAfterEdit(SettingsDate edited, const dao::Date& date, const std::optional<dao::Date>& other);

// The label beside the boxes after an edit: the start as "yyyy年mm月dd日", the end
// as its era year, the report date as its era year followed by "mm月dd日".
std::string DateLabelAfterEdit(SettingsDate date, const dao::Date& stored);

}  // namespace setup
