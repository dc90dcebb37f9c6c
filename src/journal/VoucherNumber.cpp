#include "journal/VoucherNumber.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"

#include <cstdio>
#include <utility>

namespace journal {

std::string VoucherNumberText(const dao::Date& when)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d%02d%02d%02d", when.year % 100, when.month, when.day, when.hour,
                  when.minute, when.second);
    return buf;
}

dao::Date AddSeconds(const dao::Date& when, long long seconds)
{
    long long total = when.dayNumber() * 86400LL + when.hour * 3600LL + when.minute * 60LL + when.second + seconds;
    long long days = total / 86400;
    long long rest = total % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    dao::Date result = dao::Date::fromDayNumber(days);
    result.hour = static_cast<int>(rest / 3600);
    result.minute = static_cast<int>(rest / 60 % 60);
    result.second = static_cast<int>(rest % 60);
    return result;
}

std::string NextVoucherNumber(const dao::Date& now, const std::function<bool(const std::string&)>& isTaken)
{
    dao::Date when = now;
    for (;;) {
        std::string number = VoucherNumberText(when);
        if (!isTaken(number))
            return number;
        when = AddSeconds(when, 1);
    }
}

bool IsNumberTaken(dao::Database& database, const std::string& query, const std::string& field,
                   const std::string& number)
{
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return true;
    auto found =
        database.OpenSnapshot("SELECT " + field + " FROM " + query + " WHERE " + field + " = ?1", {dao::Value(number)});
    return !found->isEmpty();
}

NumberIssuer::NumberIssuer(dao::Database& database, std::string query, std::string field)
    : m_database(database), m_query(std::move(query)), m_field(std::move(field))
{
}

std::string NumberIssuer::next(const dao::Date& now)
{
    std::string number = NextVoucherNumber(now, [this](const std::string& candidate) {
        return m_issued.count(candidate) != 0 || IsNumberTaken(m_database, m_query, m_field, candidate);
    });
    m_issued.insert(number);
    return number;
}

NumberIssuer VoucherNumbers(dao::Database& database)
{
    return NumberIssuer(database, schema::query::Journal, schema::column::VoucherNumber);
}

NumberIssuer TemplateIds(dao::Database& database)
{
    return NumberIssuer(database, schema::query::Templates, schema::column::TemplateId);
}

}  // namespace journal
