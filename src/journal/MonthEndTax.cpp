#include "journal/MonthEndTax.h"

#include "common/DateFormat.h"
#include "common/DaysInMonth.h"
#include "common/NumberFormat.h"
#include "journal/AmountRange.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

namespace journal {

namespace {

std::int64_t amountOf(const dao::Value& v)
{
    return v.isNumeric() ? v.toInt64() : 0;
}

// The month being added up.
struct OpenMonth {
    dao::Date date;                      // the row that opened it
    std::int64_t creditPurchases = 0;    // purchases on credit
    std::int64_t cashPurchases = 0;
    std::int64_t creditSales = 0;        // sales on credit
    std::int64_t cashSales = 0;
    std::string purchaseAccount;         // 借方コード of the last purchase counted
    std::string salesAccount;            // 貸方コード of the last sale counted

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

    void count(OpenMonth& month, const MonthEndJournalRow& row) const
    {
        if (row.debitClass == "売上原価" && row.debitTaxable
            && (row.creditCode == m_accounts.payables || row.creditCode == m_accounts.cash)) {
            const std::int64_t tax = contained(*row.date, row.debit, row.debitTaxable, row.debitSimplified);
            (row.creditCode == m_accounts.payables ? month.creditPurchases : month.cashPurchases) += tax;
            month.purchaseAccount = row.debitCode;
        }
        if (row.creditClass == "売上高" && row.creditTaxable
            && (row.debitCode == m_accounts.receivables || row.debitCode == m_accounts.cash)) {
            const std::int64_t tax = contained(*row.date, row.credit, row.creditTaxable, row.creditSimplified);
            (row.debitCode == m_accounts.receivables ? month.creditSales : month.cashSales) += tax;
            month.salesAccount = row.creditCode;
        }
    }

    // Appends the month's vouchers; false when a total does not fit an amount.
    bool close(const OpenMonth& month, std::vector<NumberedRow>& out) const
    {
        const int lastDay = o::DaysInMonth(month.date.year, month.date.month);
        const std::string day = o::FormatNumber(lastDay, "00");
        const dao::Date date{month.date.year, month.date.month, lastDay};
        const std::string monthText = o::FormatNumber(month.date.month, "#0") + "月分";
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
            {month.creditSales, salesNumber + "0003", "未払消費税（売掛金）", month.salesAccount,
             m_accounts.unpaidTax},
            {month.cashSales, salesNumber + "0004", "未払消費税（現金）", month.salesAccount, m_accounts.unpaidTax},
        };
        for (const Voucher& v : vouchers) {
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
            out.push_back({v.number, row});
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

std::vector<MonthEndJournalRow> ReadMonthEndRows(dao::Recordset& journal)
{
    std::vector<MonthEndJournalRow> rows;
    if (journal.isEmpty())
        return rows;
    for (journal.MoveFirst(); !journal.EOF_(); journal.MoveNext()) {
        MonthEndJournalRow row;
        row.date = journal.get("日付").toDate();
        row.debitCode = journal.get("借方コード").toText();
        row.creditCode = journal.get("貸方コード").toText();
        row.debit = amountOf(journal.get("入金"));
        row.credit = amountOf(journal.get("出金"));
        row.debitClass = journal.get("小分類").toText();
        row.creditClass = journal.get("小分類2").toText();
        row.debitTaxable = journal.get("消費税").toBool();
        row.debitSimplified = journal.get("簡易課税").toBool();
        row.creditTaxable = journal.get("消費税2").toBool();
        row.creditSimplified = journal.get("簡易課税2").toBool();
        rows.push_back(std::move(row));
    }
    journal.MoveFirst();
    return rows;
}

MonthEndVoucherList MonthEndVouchers(const std::vector<MonthEndJournalRow>& journal, const dao::Date& periodFirst,
                                     const dao::Date& periodLast, const MonthEndAccounts& accounts,
                                     const TaxRateTable& rates, FractionRule rule)
{
    MonthEndVoucherList result;
    if (journal.empty())
        return result;   // an empty journal: nothing happens
    const std::pair<const char*, const std::string*> needed[] = {
        {"仮払消費税", &accounts.inputTax}, {"買掛金", &accounts.payables},     {"現金", &accounts.cash},
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
        if (month && !walk.close(*month, result.rows))
            result.error = messages::kTotalOutOfRange;
    };
    for (const MonthEndJournalRow& row : journal) {
        if (!row.date || row.date->dayNumber() < first)
            continue;
        if (row.date->dayNumber() > last)
            break;   // the period's last day still belongs to it
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
    if (result.error)
        result.rows.clear();
    return result;
}

RunOutcome PostMonthEndTaxEntries(MonthEndSources& sources)
{
    RunOutcome outcome;
    const MonthEndVoucherList vouchers =
        MonthEndVouchers(ReadMonthEndRows(sources.journal), sources.periodFirst, sources.periodLast,
                         sources.accounts, sources.rates, sources.rule);
    if (vouchers.error) {
        outcome.notices.push_back({*vouchers.error, true});
        return outcome;
    }
    if (vouchers.rows.empty())
        return outcome;
    try {
        outcome.count = PostNewVouchers(sources.workspace, sources.database, sources.journal, vouchers.rows);
    } catch (const dao::DaoError& e) {
        outcome.notices.push_back({PostingFailedMessage(e.what()), true});
        return outcome;
    }
    if (outcome.count.postedVouchers == 0)
        outcome.notices.push_back({kMonthEndAlreadyPosted, true});
    return outcome;
}

}  // namespace journal
