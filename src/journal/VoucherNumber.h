#pragma once
// Numbers of vouchers entered by hand: the registration time as "yymmddhhmmss".
// A number the journal already holds is never issued again: the next free
// second is taken instead.

#include "platform/dao/Value.h"

#include <functional>
#include <set>
#include <string>

namespace dao {
class Database;
}

namespace journal {

std::string VoucherNumberText(const dao::Date& when);  // "yymmddhhmmss"

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

// Numbers for new records of one kind: next(now) gives the number for `now`,
// or for the first later second, that neither the file holds (IsNumberTaken)
// nor this issuer has given before, so that records added together in one
// transaction never share a number.
class NumberIssuer {
public:
    NumberIssuer(dao::Database& database, std::string query, std::string field);
    std::string next(const dao::Date& now);

private:
    dao::Database& m_database;
    std::string m_query;
    std::string m_field;
    std::set<std::string> m_issued;
};

// Voucher numbers (Q_仕訳台帳/伝票番号) and template numbers (Q_仕訳定型台帳/仕訳ID).
NumberIssuer VoucherNumbers(dao::Database& database);
NumberIssuer TemplateIds(dao::Database& database);

}  // namespace journal
