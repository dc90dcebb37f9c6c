#pragma once
// The vouchers of a payroll run: the payslips of the fiscal period summed per
// pay date and per group, one voucher per group and pay date built from the
// group's template, and one row for the employer's child-rearing contribution.

#include "journal/MonthEndPosting.h"
#include "journal/PayrollKind.h"
#include "journal/PayrollSlips.h"
#include "journal/PayrollTemplates.h"
#include "platform/dao/Value.h"

#include <optional>
#include <string>
#include <vector>

namespace journal {

// The payslips whose pay date lies within the period, both days included.
std::vector<PayslipRecord> PayslipsInPeriod(const std::vector<PayslipRecord>& payslips, const dao::Date& first,
                                            const dao::Date& last);

// "yymmddmm": two-digit year, month and day, then the month again.
std::string PayrollVoucherDate(const dao::Date& payDate);

struct PayrollVoucherList {
    std::vector<NumberedRow> rows;
    std::optional<std::string> error;  // an amount outside the 32-bit range: nothing may be posted
};

// The rows to post for the payslips (already limited to the period), pay date by
// pay date in ascending order; within a pay date the officers', the employees'
// and the part-timers' rows, then the child-rearing contribution row, which
// debits `welfareCode` (法定福利費) and credits the account, bank and branch of
// the part-timers' template's first row; its voucher number carries the
// template's childVoucherCode, or `welfareCode` when the part-timers' template
// has no fifth row. A group's amount that sums to 0 posts
// no row; the rows of one voucher number are numbered 1, 2, ... in order.
PayrollVoucherList BuildPayrollVouchers(const std::vector<PayslipRecord>& payslips, const PayrollTemplates& templates,
                                        const std::string& welfareCode, PayrollKind kind);

}  // namespace journal
