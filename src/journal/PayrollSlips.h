#pragma once
// Reading the payslips of a payroll run from the payroll database (read only).

#include "journal/PayrollKind.h"
#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
}

namespace journal {

// One payslip; an amount field without a value counts as 0.
struct PayslipRecord {
    std::optional<dao::Date> payDate;    // 給与支給年月日 / 賞与支給年月日
    long long employment = 0;            // 雇用形態
    std::int64_t gross = 0;              // 明細支給27
    std::int64_t deduction8 = 0;         // 明細控除8
    std::int64_t deduction6 = 0;         // 明細控除6
    std::int64_t deduction10 = 0;        // 明細控除10
    std::int64_t childContribution = 0;  // 児童手当拠出金
};

struct PayslipList {
    std::vector<PayslipRecord> payslips;  // in pay-date order
    std::optional<std::string> error;     // the query or a field is missing, or a value is not a number
};

// Reads "SELECT * FROM <query> ORDER BY <pay date>" as a snapshot, after checking
// that the query and every field the run reads are there.
PayslipList ReadPayslips(dao::Database& payroll, PayrollKind kind);

}  // namespace journal
