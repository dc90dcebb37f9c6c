#pragma once
// The two payroll runs and what tells them apart: the payroll query and its pay
// date, the messages, the templates and the voucher numbers.

#include <string>

namespace journal {

enum class PayrollKind { Salary, Bonus };

// The employee groups, in posting order.
enum class PayrollGroup { Officers = 0, Employees = 1, PartTimers = 2 };
inline constexpr int kPayrollGroups = 3;

struct PayrollKindTexts {
    const char* query;          // Q_給与明細書 / Q_賞与明細書
    const char* payDateField;   // 給与支給年月日 / 賞与支給年月日
    const char* noPayslips;     // the query has no rows
    const char* noneInPeriod;   // no pay date within the fiscal period
    const char* alreadyPosted;  // every voucher of the run is in the journal
    const char* question;
    const char* questionTitle;
};

inline const PayrollKindTexts& TextsOf(PayrollKind kind)
{
    static const PayrollKindTexts salary{"Q_給与明細書",
                                         "給与支給年月日",
                                         "該当する給与明細書がありません",
                                         "該当する給与明細書がありません",
                                         "給与の仕訳が既に登録されています",
                                         "役員報酬、給与を集計して仕訳を作成します　よろしいですか？",
                                         "役員給与、給与自動仕訳"};
    static const PayrollKindTexts bonus{"Q_賞与明細書",
                                        "賞与支給年月日",
                                        "該当する賞与明細書がありません",
                                        "対象の賞与明細書がありません",
                                        "仕訳が既に登録されています",
                                        "賞与を集計して仕訳を作成します　よろしいですか？",
                                        "賞与自動仕訳"};
    return kind == PayrollKind::Salary ? salary : bonus;
}

// The group of a payslip's 雇用形態: 1 officers, 2 or 3 employees, 4 or 5
// part-timers; -1 for any other value (no group).
inline int GroupOfEmployment(long long employment)
{
    if (employment == 1)
        return static_cast<int>(PayrollGroup::Officers);
    if (employment == 2 || employment == 3)
        return static_cast<int>(PayrollGroup::Employees);
    if (employment == 4 || employment == 5)
        return static_cast<int>(PayrollGroup::PartTimers);
    return -1;
}

// The last character of a payroll voucher number: the group rows and the
// child-rearing contribution row of a salary run end in "0" and "1", those of
// a bonus run in "2" and "3", so the two runs never share a voucher.
inline std::string GroupVoucherSuffix(PayrollKind kind)
{
    return kind == PayrollKind::Salary ? "0" : "2";
}
inline std::string ChildVoucherSuffix(PayrollKind kind)
{
    return kind == PayrollKind::Salary ? "1" : "3";
}

}  // namespace journal
