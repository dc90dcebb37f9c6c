#pragma once
// Numbers of vouchers entered by hand: the registration time as "yymmddhhmmss".
// A number the journal already holds is never issued again: the next free
// second is taken instead.

#include "platform/dao/Value.h"

#include <functional>
#include <string>

namespace dao {
class Database;
}

namespace journal {

std::string VoucherNumberText(const dao::Date& when);   // "yymmddhhmmss"

dao::Date AddSeconds(const dao::Date& when, long long seconds);

// The number for `now`, or for the first later second whose number `isTaken`
// does not report.
std::string NextVoucherNumber(const dao::Date& now, const std::function<bool(const std::string&)>& isTaken);

// Whether a row of the saved query `query` already holds `number` in `field`
// (vouchers: Q_仕訳台帳/伝票番号; templates: Q_仕訳定型台帳/仕訳ID). Only a
// number made of digits is looked up; any other text counts as taken, so it is
// never issued and never reaches the SQL text.
bool IsNumberTaken(dao::Database& database, const std::string& query, const std::string& field,
                   const std::string& number);

}  // namespace journal
