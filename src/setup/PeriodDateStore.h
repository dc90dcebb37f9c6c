#pragma once
// Storing one edited date of the fiscal period in the settings row, as one
// transaction. The pair is checked there, once the file is held: with the
// other date as the file holds it now (another window or program may have
// stored it since it was shown), unless the other date's boxes hold an edit
// of their own not yet stored, which is then stored with it. A pair that
// cannot be a period writes nothing.

#include "setup/SettingsDates.h"

#include <optional>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

// `edited` is the period's start or end; `pendingOther` the other date as its
// boxes show it when that differs from what they were filled with, nullopt
// to leave the other date as stored. The result's `other` is the other date
// when it was stored too. Throws dao::DaoError when the file cannot be
// written, after the transaction wrote nothing.
PeriodEdit StorePeriodDate(dao::Workspace& ws, dao::Database& db, SettingsDate edited, const dao::Date& date,
                           const std::optional<dao::Date>& pendingOther);

}  // namespace setup
