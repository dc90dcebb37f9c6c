#pragma once
// The journal templates the payroll runs post by: for each group, a template of
// four rows (net pay and the three deductions, in that order) whose accounts,
// descriptions, bank and branch the vouchers take.

#include "journal/JournalRecord.h"
#include "journal/PayrollKind.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Recordset;
}

namespace journal {

// A template row as the payroll run reads it: its 仕訳ID (in `number`),
// 摘要, 勘定科目名, 借方コード, 貸方コード, 銀行コード and 支店コード.
using PayrollTemplateRecord = JournalRecord;

// Every row of a recordset on Q_仕訳定型台帳, in its order; the recordset is
// put back where it stood.
std::vector<PayrollTemplateRecord> ReadPayrollTemplateRecords(dao::Recordset& templates);

// The four rows of a group's template: net pay, 明細控除8, 明細控除6, 明細控除10.
using PayrollTemplate = std::array<PayrollTemplateRecord, 4>;

struct PayrollTemplates {
    std::array<PayrollTemplate, kPayrollGroups> groups;  // officers, employees, part-timers
    // The 借方コード of the row that follows the part-timers' fourth row within
    // their template; it numbers the child-rearing contribution row. "" when the
    // template has no fifth row (the row would belong to another template).
    std::string childVoucherCode;
    std::optional<std::string> error;  // a template is missing or too short
};

// The lookups, in the order officers, employees, part-timers, each from the
// first template row: the salary run takes the first row whose 勘定科目名 is
// 役員報酬, 給与手当 or 雑給; the bonus run 役員賞与, 賞与, and the first row of
// 雑給 whose 摘要 ends in "賞与". A template's rows are the found row and the
// rows after it that share its 仕訳ID; fewer than four, or a row without its
// debit or credit account, is refused.
PayrollTemplates FindPayrollTemplates(const std::vector<PayrollTemplateRecord>& rows, PayrollKind kind);

}  // namespace journal
