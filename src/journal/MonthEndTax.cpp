#include "journal/MonthEndTax.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "journal/AmountRange.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

#include <algorithm>
#include <set>

namespace journal {

namespace {

// The month being added up.
struct OpenMonth {
    dao::Date date;                    // the row that opened it
    std::int64_t creditPurchases = 0;  // purchases on credit
    std::int64_t cashPurchases = 0;
    std::int64_t creditSales = 0;  // sales on credit
    std::int64_t cashSales = 0;
    std::string purchaseAccount;  // 借方コード of the last purchase counted
    std::string salesAccount;     // 貸方コード of the last sale counted
};

int monthKey(const dao::Date& date)
{
    return date.year * 12 + date.month;
}

class MonthEndWalk {
public:
    MonthEndWalk(const MonthEndAccounts& accounts, const TaxRateTable& rates, FractionRule rule)
        : m_accounts(accounts), m_rates(rates), m_rule(rule)
    {
    }

    void count(OpenMonth& month, const JournalRecord& row) const
    {
        if (row.debitClass == "売上原価" && row.debitTaxable
            && (row.creditCode == m_accounts.payables || row.creditCode == m_accounts.cash)) {
            const std::int64_t tax = contained(*row.date, row.debit.value_or(0), row.debitTaxable, row.debitSimplified);
            (row.creditCode == m_accounts.payables ? month.creditPurchases : month.cashPurchases) += tax;
            month.purchaseAccount = row.debitCode;
        }
        if (row.creditClass == "売上高" && row.creditTaxable
            && (row.debitCode == m_accounts.receivables || row.debitCode == m_accounts.cash)) {
            const std::int64_t tax =
                contained(*row.date, row.credit.value_or(0), row.creditTaxable, row.creditSimplified);
            (row.debitCode == m_accounts.receivables ? month.creditSales : month.cashSales) += tax;
            month.salesAccount = row.creditCode;
        }
    }

    // Appends the month's vouchers; false when a total does not fit an amount.
    bool close(const OpenMonth& month, MonthEndVoucherList& out) const
    {
        const int lastDay = o::DaysInMonth(month.date.year, month.date.month);
        const std::string day = o::FormatNumber(lastDay, o::kTwoDigitMask);
        const dao::Date date{month.date.year, month.date.month, lastDay};
        const std::string monthText = o::FormatNumber(month.date.month, o::kWholeMask) + "月分";
        const std::string purchaseNumber = o::FormatDate(month.date, "yyyy/mm/") + day;
        const std::string salesNumber = o::FormatDate(month.date, "yymm") + day;
        struct Voucher {
            std::int64_t total;
            std::string number, text, debitCode, creditCode;
        };
        const Voucher vouchers[] = {
            {month.creditPurchases, purchaseNumber + "0001", "仮払消費税（買掛金）", m_accounts.inputTax,
             month.purchaseAccount},
            {month.cashPurchases, purchaseNumber + "0002", "仮払消費税（現金)", m_accounts.inputTax,
             month.purchaseAccount},
            {month.creditSales, salesNumber + "0003", "未払消費税（売掛金）", month.salesAccount, m_accounts.unpaidTax},
            {month.cashSales, salesNumber + "0004", "未払消費税（現金）", month.salesAccount, m_accounts.unpaidTax},
        };
        for (const Voucher& v : vouchers) {
            out.totals.push_back({date, v.number, monthText + v.text, v.total});
            if (v.total == 0)
                continue;
            if (!FitsAmount(v.total))
                return false;
            VoucherRow row;
            row.date = date;
            row.rowNumber = 1;
            row.description = monthText + v.text;
            row.debitCode = v.debitCode;
            row.creditCode = v.creditCode;
            row.debit = row.credit = static_cast<std::int32_t>(v.total);
            out.rows.push_back({v.number, row});
        }
        return true;
    }

private:
    std::int64_t contained(const dao::Date& date, std::int64_t amount, bool taxable, bool simplified) const
    {
        // The amount came from a 32-bit column, so the tax in it always fits.
        return TaxInclusiveAmount(m_rates, date, amount, taxable, simplified, m_rule).value_or(0);
    }

    const MonthEndAccounts& m_accounts;
    const TaxRateTable& m_rates;
    FractionRule m_rule;
};

}  // namespace

MonthEndVoucherList MonthEndVouchers(const std::vector<JournalRecord>& journal, const dao::Date& periodFirst,
                                     const dao::Date& periodLast, const MonthEndAccounts& accounts,
                                     const TaxRateTable& rates, FractionRule rule)
{
    MonthEndVoucherList result;
    if (journal.empty())
        return result;  // an empty journal: nothing happens
    const std::pair<const char*, const std::string*> needed[] = {
        {"仮払消費税", &accounts.inputTax},  {"買掛金", &accounts.payables},    {"現金", &accounts.cash},
        {"未払消費税", &accounts.unpaidTax}, {"売掛金", &accounts.receivables},
    };
    for (const auto& [name, code] : needed) {
        if (code->empty()) {
            result.error = MissingAccountMessage(name);
            return result;
        }
    }

    const MonthEndWalk walk(accounts, rates, rule);
    const long long first = periodFirst.dayNumber();
    const long long last = periodLast.dayNumber();
    std::optional<OpenMonth> month;
    auto closeMonth = [&] {
        if (month && !walk.close(*month, result))
            result.error = messages::kTotalOutOfRange;
    };
    // The period's rows in the order of their dates' values (rows of one day
    // as the journal lists them): the journal's order is that of the stored
    // text, which puts a row a tool stored as "2024/5/3" out of place.
    std::vector<const JournalRecord*> period;
    for (const JournalRecord& row : journal)
        if (row.date && row.date->dayNumber() >= first && row.date->dayNumber() <= last)
            period.push_back(&row);  // the period's last day still belongs to it
    std::stable_sort(period.begin(), period.end(), [](const JournalRecord* a, const JournalRecord* b) {
        return a->date->dayNumber() < b->date->dayNumber();
    });
    for (const JournalRecord* entry : period) {
        const JournalRecord& row = *entry;
        if (month && monthKey(month->date) != monthKey(*row.date)) {
            closeMonth();
            month.reset();
        }
        if (!month) {
            month.emplace();
            month->date = *row.date;
        }
        walk.count(*month, row);
    }
    closeMonth();
    if (result.error) {
        result.rows.clear();
        result.totals.clear();
    }
    return result;
}

std::string MonthEndDifferencesMessage(const std::vector<std::pair<MonthEndTotal, std::int64_t>>& differences)
{
    std::string text =
        "次の月の消費税仕訳は、登録済みの金額と今の仕訳から集計した金額が違います。登録済みの仕訳はそのままです。";
    for (const auto& [expected, stored] : differences)
        text += "\n" + o::FormatDate(expected.monthEnd, "yyyy年") + expected.description + "：登録済み "
            + o::FormatNumber(stored, o::kAmountMask) + "円、集計 " + o::FormatNumber(expected.total, o::kAmountMask)
            + "円";
    return text;
}

RunOutcome PostMonthEndTaxEntries(MonthEndSources& sources)
{
    RunOutcome outcome;
    // Every row is read as the journal window reads it: a damaged one (an
    // amount that is no whole number, a 日付 that is no date, a field the
    // table lacks) is named, and nothing is posted.
    std::vector<JournalRecord> journal;
    try {
        journal = ReadJournalRecords(sources.journal, RecordKind::Voucher, TaxColumns::Read);
    } catch (const dao::DaoError& e) {
        outcome.notices.push_back({e.what(), true});
        return outcome;
    }
    const MonthEndVoucherList vouchers = MonthEndVouchers(journal, sources.periodFirst, sources.periodLast,
                                                          sources.accounts, sources.rates, sources.rule);
    if (vouchers.error) {
        outcome.notices.push_back({*vouchers.error, true});
        return outcome;
    }
    if (vouchers.totals.empty())
        return outcome;
    try {
        const PostingResult posting =
            PostNewVouchers(sources.workspace, sources.database, sources.journal, vouchers.rows);
        if (!posting.taken.empty()) {
            outcome.notices.push_back({TakenNumbersMessage(posting.taken), true});
            return outcome;
        }
        outcome.count = posting.count;
        if (!vouchers.rows.empty() && outcome.count.postedVouchers == 0)
            outcome.notices.push_back({kMonthEndAlreadyPosted, true});

        // A month whose stored voucher holds another amount than the journal gives now.
        std::set<std::string> numbers;
        for (const MonthEndTotal& total : vouchers.totals)
            numbers.insert(total.number);
        const auto stored = ReadStoredVouchers(sources.database, numbers);
        std::vector<std::pair<MonthEndTotal, std::int64_t>> differences;
        for (const MonthEndTotal& total : vouchers.totals) {
            const auto found = stored.find(total.number);
            if (found != stored.end() && found->second.firstDescription == total.description
                && found->second.debitTotal != total.total)
                differences.emplace_back(total, found->second.debitTotal);
        }
        if (!differences.empty())
            outcome.notices.push_back({MonthEndDifferencesMessage(differences), true});
    } catch (const dao::DaoError& e) {
        outcome.notices.push_back({PostingFailedMessage(e.what()), true});
    }
    return outcome;
}

}  // namespace journal
