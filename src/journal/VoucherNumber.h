#pragma once
// Numbers of vouchers entered by hand: the registration time as "yymmddhhmmss".
// A number the journal already holds is never issued again: the next free
// second is taken instead.

#include "platform/dao/Value.h"

#include <functional>
#include <string>

namespace journal {

std::string VoucherNumberText(const dao::Date& when);   // "yymmddhhmmss"

dao::Date AddSeconds(const dao::Date& when, long long seconds);

// The number for `now`, or for the first later second whose number `isTaken`
// does not report.
std::string NextVoucherNumber(const dao::Date& now, const std::function<bool(const std::string&)>& isTaken);

}  // namespace journal
