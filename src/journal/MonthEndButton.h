#pragma once
// The journal-entry window's button "月末消費税仕訳登録（内税）", and what the
// posting buttons share: the period they post in and the notices of a run.

#include "journal/MonthEndPosting.h"

#include <optional>
#include <vector>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace journal {

class Form9;

// Shows each notice of a posting run in an OK box without a title, after a
// beep where it says so.
void ShowRunNotices(const std::vector<RunNotice>& notices);

// The accounting period of a posting run.
struct RunPeriod {
    dao::Date first;  // 会計期間開始日
    dao::Date last;   // 会計期間終了日
};

// The period from the window's 会計設定 (its first row); nothing, after the
// notice that the period is not set, when either day is missing.
std::optional<RunPeriod> SettingsPeriodOrNotice(dao::Recordset& settings);

// Asks first; on Yes posts the month-end tax-inclusive entries that the journal
// does not hold yet, says why when nothing may be posted, and reloads the
// journal list. `workspace` and `database` are the ones the window opened.
void MonthEndButton_Click(Form9& form, dao::Workspace& workspace, dao::Database& database);

}  // namespace journal
