#pragma once
// The journal-entry window's button "月末消費税仕訳登録（内税）".

#include "journal/MonthEndPosting.h"

#include <vector>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace journal {

class Form9;

// Shows each notice of a posting run in an OK box without a title, after a
// beep where it says so.
void ShowRunNotices(const std::vector<RunNotice>& notices);

// Asks first; on Yes posts the month-end tax-inclusive entries that the journal
// does not hold yet, says why when nothing may be posted, and reloads the
// journal list. `workspace` and `database` are the ones the window opened.
void MonthEndButton_Click(Form9& form, dao::Workspace& workspace, dao::Database& database);

}  // namespace journal
