#include "journal/PayrollVouchers.h"

#include "common/DateFormat.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "journal/AmountRange.h"

#include <array>
#include <map>

namespace journal {

std::vector<PayslipRecord> PayslipsInPeriod(const std::vector<PayslipRecord>& payslips, const dao::Date& first,
                                            const dao::Date& last)
{
    std::vector<PayslipRecord> inPeriod;
    for (const PayslipRecord& slip : payslips) {
        if (!slip.payDate)
            continue;
        const long long day = slip.payDate->dayNumber();
        if (day >= first.dayNumber() && day <= last.dayNumber())
            inPeriod.push_back(slip);
    }
    return inPeriod;
}

std::string PayrollVoucherDate(const dao::Date& payDate)
{
    return o::FormatDate(payDate, "yymmdd") + o::FormatNumber(payDate.month, o::kTwoDigitMask);
}

namespace {

// The sums of one pay date.
struct PayDateTotals {
    dao::Date payDate;
    // per group: gross, 明細控除8, 明細控除6, 明細控除10
    std::array<std::array<std::int64_t, 4>, kPayrollGroups> groups{};
    std::int64_t childContribution = 0;
};

class RowWriter {
public:
    RowWriter(std::vector<NumberedRow>& out) : m_out(out) {}

    bool add(const std::string& number, const dao::Date& date, const std::string& description,
             const std::string& debitCode, const std::string& creditCode, std::int64_t amount,
             const std::string& bankCode, const std::string& branchCode)
    {
        if (!FitsAmount(amount))
            return false;
        VoucherRow row;
        row.date = date;
        row.rowNumber = ++m_lastRowNumber[number];
        row.description = description;
        row.debitCode = debitCode;
        row.creditCode = creditCode;
        row.debit = row.credit = static_cast<std::int32_t>(amount);
        if (!bankCode.empty())
            row.bankCode = bankCode;
        if (!branchCode.empty())
            row.branchCode = branchCode;
        m_out.push_back({number, row});
        return true;
    }

private:
    std::vector<NumberedRow>& m_out;
    std::map<std::string, int> m_lastRowNumber;
};

}  // namespace

PayrollVoucherList BuildPayrollVouchers(const std::vector<PayslipRecord>& payslips, const PayrollTemplates& templates,
                                        const std::string& welfareCode, PayrollKind kind)
{
    std::map<long long, PayDateTotals> byDate;  // ascending pay date
    for (const PayslipRecord& slip : payslips) {
        if (!slip.payDate)
            continue;
        PayDateTotals& totals = byDate[slip.payDate->dayNumber()];
        totals.payDate = *slip.payDate;
        const int group = GroupOfEmployment(slip.employment);
        if (group >= 0) {
            auto& sums = totals.groups[group];
            sums[0] += slip.gross;
            sums[1] += slip.deduction8;
            sums[2] += slip.deduction6;
            sums[3] += slip.deduction10;
        }
        totals.childContribution += slip.childContribution;
    }

    PayrollVoucherList result;
    RowWriter writer(result.rows);
    const PayrollTemplateRecord& childSource = templates.groups[static_cast<int>(PayrollGroup::PartTimers)][0];
    const std::string& childCode = templates.childVoucherCode.empty() ? welfareCode : templates.childVoucherCode;
    for (const auto& [day, totals] : byDate) {
        const std::string number = PayrollVoucherDate(totals.payDate);
        const std::string month = o::FormatNumber(totals.payDate.month, o::kWholeMask) + "月分";
        bool fits = true;
        for (int group = 0; group < kPayrollGroups; ++group) {
            const auto& sums = totals.groups[group];
            const std::array<std::int64_t, 4> amounts = {sums[0] - sums[1] - sums[2] - sums[3], sums[1], sums[2],
                                                         sums[3]};
            for (int k = 0; k < 4; ++k) {
                if (amounts[k] == 0)
                    continue;
                const PayrollTemplateRecord& t = templates.groups[group][k];
                fits = fits
                    && writer.add(number + t.debitCode + GroupVoucherSuffix(kind), totals.payDate,
                                  month + t.description, t.debitCode, t.creditCode, amounts[k], t.bankCode,
                                  t.branchCode);
            }
        }
        if (totals.childContribution != 0)
            fits = fits
                && writer.add(number + childCode + ChildVoucherSuffix(kind), totals.payDate,
                              month + "子供・子育て拠出金", welfareCode, childSource.creditCode,
                              totals.childContribution, childSource.bankCode, childSource.branchCode);
        if (!fits) {
            result.rows.clear();
            result.error = messages::kTotalOutOfRange;
            return result;
        }
    }
    return result;
}

}  // namespace journal
