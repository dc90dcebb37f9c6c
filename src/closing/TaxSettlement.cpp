#include "closing/TaxSettlement.h"

#include "journal/AmountRange.h"
#include "journal/MonthEndPosting.h"
#include "journal/VoucherRows.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

#include <functional>

namespace closing {

namespace {

journal::VoucherRow settlementRow(const dao::Date& date, int number, const std::string& description,
                                  const std::string& debitCode, std::int64_t debit, const std::string& creditCode,
                                  std::int64_t credit)
{
    journal::VoucherRow row;
    row.date = date;
    row.rowNumber = number;
    row.description = description;
    row.debitCode = debitCode;
    row.debit = static_cast<std::int32_t>(debit);
    row.creditCode = creditCode;
    row.credit = static_cast<std::int32_t>(credit);
    return row;
}

ClosingNotice missingAccounts(const char* text)
{
    ClosingNotice notice;
    notice.text = text;
    notice.title = kSettlementTitle;
    notice.okCancel = true;
    return notice;
}

struct SettlementSettings {
    std::string filing;     // 申告区分
    std::string method;     // 処理方法
    std::string fractions;  // 端数処理
};

SettlementSettings readSettings(dao::Database& database)
{
    SettlementSettings settings;
    auto row = database.OpenRecordset(schema::table::Settings, dao::RecordsetType::Snapshot);
    if (row->isEmpty())
        return settings;
    row->MoveFirst();
    settings.filing = row->get(schema::column::TaxFiling).toText();
    settings.method = row->get(schema::column::TaxHandling).toText();
    settings.fractions = row->get(schema::column::Rounding).toText();
    return settings;
}

journal::TaxRateTable readRates(dao::Database& database)
{
    auto rates = database.OpenRecordset(schema::query::TaxRates, dao::RecordsetType::Snapshot);
    return journal::ReadTaxRateTable(*rates);
}

}  // namespace

// ---- tax-exclusive -------------------------------------------------------------

TaxExclusiveSettlement SettleTaxExclusive(const std::vector<PeriodJournalRow>& rows,
                                          const TaxExclusiveAccounts& accounts)
{
    TaxExclusiveSettlement s;
    for (const PeriodJournalRow& row : rows) {
        if (row.creditCode == accounts.outputTax)
            s.outputTax += row.credit;
        if (row.debitCode == accounts.outputTax)
            s.outputTax -= row.debit;
        if (row.debitCode == accounts.inputTax)
            s.inputTax += row.debit;
        if (row.creditCode == accounts.inputTax)
            s.inputTax -= row.credit;
        if (row.debitCode == accounts.interim)
            s.interim += row.debit;
        if (row.creditCode == accounts.interim)
            s.interim -= row.credit;
    }
    const std::int64_t due = s.outputTax - (s.inputTax + s.interim);
    s.remainder = due % 1000;  // truncating: the sign of the payable
    s.payable = due - s.remainder;
    return s;
}

std::optional<ClosingVoucher> TaxExclusiveVoucher(const TaxExclusiveSettlement& s, const TaxExclusiveAccounts& accounts,
                                                  const dao::Date& date)
{
    for (std::int64_t amount : {s.outputTax, s.inputTax, s.interim, s.payable, s.remainder})
        if (!journal::FitsAmount(amount))
            return std::nullopt;
    return ClosingVoucher{
        settlementRow(date, 1, kSettlementDescription, accounts.outputTax, s.outputTax, accounts.inputTax, s.inputTax),
        settlementRow(date, 2, "（中間消費税支払）", accounts.outputTax, 0, accounts.interim, s.interim),
        settlementRow(date, 3, "（確定納付額）", accounts.outputTax, 0, accounts.payable, s.payable),
        settlementRow(date, 4, "（消費税雑収入）", accounts.outputTax, 0, accounts.miscIncome, s.remainder),
    };
}

// ---- tax-inclusive -------------------------------------------------------------

TaxableAccounts ReadTaxableAccounts(dao::Database& database)
{
    TaxableAccounts taxable;
    auto chart = database.OpenRecordset("SELECT 勘定科目コード, 借貸区分 FROM 勘定科目コード表"
                                        " WHERE 大分類 IN ('経常損益', '特別損益') AND COALESCE(消費税, 0) <> 0",
                                        dao::RecordsetType::Snapshot);
    if (chart->isEmpty())
        return taxable;
    for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
        const dao::Value side = chart->get(schema::column::DebitCredit);
        const bool debitNormal = side.isNumeric() && side.toInt64() == 0;
        taxable[chart->get(schema::column::AccountCode).toText()] = debitNormal ? TaxSide::Purchases : TaxSide::Sales;
    }
    return taxable;
}

TaxInclusiveSums TaxInclusiveSumsOf(const std::vector<PeriodJournalRow>& rows, const journal::TaxRateTable& rates,
                                    const TaxableAccounts& taxable)
{
    TaxInclusiveSums sums;
    for (const PeriodJournalRow& row : rows) {
        const int rate = journal::TaxRateOn(rates, row.date, true, false);
        if (const auto debit = taxable.find(row.debitCode); debit != taxable.end()) {
            if (debit->second == TaxSide::Purchases)
                sums.purchases[rate] += row.debit;
            else
                sums.sales[rate] -= row.debit;
        }
        if (const auto credit = taxable.find(row.creditCode); credit != taxable.end()) {
            if (credit->second == TaxSide::Sales)
                sums.sales[rate] += row.credit;
            else
                sums.purchases[rate] -= row.credit;
        }
    }
    return sums;
}

TaxInclusiveSettlement SettleTaxInclusive(const TaxInclusiveSums& sums, journal::FractionRule salesRule)
{
    // A sum fits 64 bits many times over (a row is a 32-bit amount), so the
    // product by a rate of a few percent does too.
    TaxInclusiveSettlement settlement;
    for (const auto& [rate, sum] : sums.sales)
        settlement.salesTax += journal::RoundQuotient(sum * rate, 100 + rate, salesRule);
    for (const auto& [rate, sum] : sums.purchases)
        settlement.purchaseTax += journal::RoundQuotient(sum * rate, 100 + rate, journal::FractionRule::Truncate);
    return settlement;
}

std::optional<std::string> EarlierInclusiveSettlement(const std::vector<PeriodJournalRow>& rows,
                                                      const std::string& taxesCode, const std::string& payableCode)
{
    for (const PeriodJournalRow& row : rows)
        if (row.closingEntry && row.description == kSettlementDescription && row.debitCode == taxesCode
            && row.creditCode == payableCode)
            return row.voucher;
    return std::nullopt;
}

std::string AlreadySettledMessage(const std::string& voucher)
{
    return "この会計期間の消費税精算仕訳（伝票番号 " + voucher + "）は既に登録されています";
}

// ---- the run -------------------------------------------------------------------

namespace {

// What the run checks before it takes the write lock (settings, accounts and
// the closing date, which no other program's voucher changes), and what it then
// plans from the journal as it stands once the lock is held.
struct SettlementRun {
    std::optional<ClosingNotice> refusal;
    std::function<PlannedVouchers()> plan;
};

PlannedVouchers Refuse(const ClosingNotice& notice)
{
    PlannedVouchers planned;
    planned.refusal = notice;
    return planned;
}

SettlementRun prepareTaxExclusive(dao::Database& database, const ChartCodes& chart, const ClosingDateBoxes& boxes)
{
    SettlementRun run;
    const TaxExclusiveAccounts accounts{chart.codeOf("仮受消費税"), chart.codeOf("仮払消費税"), chart.codeOf("仮払金"),
                                        chart.codeOf("未払消費税"), chart.codeOf("雑収入")};
    for (const std::string* code :
         {&accounts.outputTax, &accounts.inputTax, &accounts.interim, &accounts.payable, &accounts.miscIncome}) {
        if (code->empty()) {
            run.refusal = missingAccounts(kExclusiveAccountsMissing);
            return run;
        }
    }
    const CheckedClosingDate checked = CheckClosingDate(database, boxes);
    if (!checked.date) {
        run.refusal = checked.refusal;
        return run;
    }
    run.plan = [&database, accounts, date = *checked.date, period = *checked.period] {
        const std::string codes =
            SqlText(accounts.outputTax) + ", " + SqlText(accounts.inputTax) + ", " + SqlText(accounts.interim);
        const TaxExclusiveSettlement settlement = SettleTaxExclusive(
            ReadPeriodJournal(database, period, "借方コード IN (" + codes + ") OR 貸方コード IN (" + codes + ")"),
            accounts);
        if (settlement.nothingLeft())
            return Refuse(Information(kNothingToSettle));
        const auto voucher = TaxExclusiveVoucher(settlement, accounts, date);
        if (!voucher)
            return Refuse(Refusal(journal::messages::kTotalOutOfRange));
        return PlannedVouchers{{*voucher}, std::nullopt};
    };
    return run;
}

SettlementRun prepareTaxInclusive(dao::Database& database, const ChartCodes& chart, const ClosingDateBoxes& boxes,
                                  journal::FractionRule rule)
{
    SettlementRun run;
    const std::string taxes = chart.codeOf("租税公課");
    const std::string payable = chart.codeOf("未払消費税");
    if (taxes.empty() || payable.empty()) {
        run.refusal = missingAccounts(kInclusiveAccountsMissing);
        return run;
    }
    if (rule == journal::FractionRule::None) {
        run.refusal = Refusal(kFractionRuleNotSet);
        return run;
    }
    const CheckedClosingDate checked = CheckClosingDate(database, boxes);
    if (!checked.date) {
        run.refusal = checked.refusal;
        return run;
    }
    run.plan = [&database, taxes, payable, rule, date = *checked.date, period = *checked.period] {
        const std::string taxableCodes =
            "(SELECT 勘定科目コード FROM 勘定科目コード表 WHERE 大分類 IN ('経常損益', '特別損益')"
            " AND COALESCE(消費税, 0) <> 0)";
        const std::vector<PeriodJournalRow> rows =
            ReadPeriodJournal(database, period,
                              "借方コード IN " + taxableCodes + " OR 貸方コード IN " + taxableCodes
                                  + " OR (決算仕訳 <> 0 AND 借方コード = " + SqlText(taxes)
                                  + " AND 貸方コード = " + SqlText(payable) + ")");
        if (const auto earlier = EarlierInclusiveSettlement(rows, taxes, payable))
            return Refuse(Refusal(AlreadySettledMessage(*earlier)));
        const std::int64_t amount =
            SettleTaxInclusive(TaxInclusiveSumsOf(rows, readRates(database), ReadTaxableAccounts(database)), rule)
                .payable();
        if (!journal::FitsAmount(amount))
            return Refuse(Refusal(journal::messages::kTotalOutOfRange));
        return PlannedVouchers{
            {ClosingVoucher{settlementRow(date, 1, kSettlementDescription, taxes, amount, payable, amount)}},
            std::nullopt};
    };
    return run;
}

}  // namespace

ClosingRunResult PostTaxSettlementEntries(dao::Workspace& workspace, dao::Database& database,
                                          const ClosingDateBoxes& boxes, const dao::Date& now)
{
    ClosingRunResult result;
    const SettlementSettings settings = readSettings(database);
    if (settings.filing == "1")
        return result;  // tax-exempt: nothing to settle
    SettlementRun run;
    if (settings.method == "1")
        run = prepareTaxExclusive(database, ChartCodes(database), boxes);
    else if (settings.method == "2")
        run = prepareTaxInclusive(database, ChartCodes(database), boxes, journal::FractionRuleOf(settings.fractions));
    else
        return result;  // entered separately, or no tax calculation
    if (run.refusal) {
        result.notices.push_back(*run.refusal);
        return result;
    }
    try {
        const PostedVouchers posted = PostPlannedClosingVouchers(workspace, database, run.plan, now);
        if (posted.refusal)
            result.notices.push_back(*posted.refusal);
        result.postedVouchers = posted.numbers;
        result.postedRows = posted.rows;
    } catch (const dao::DaoError& e) {
        result.postedVouchers.clear();
        result.postedRows = 0;
        result.notices.push_back(Refusal(journal::PostingFailedMessage(e.what())));
    }
    return result;
}

}  // namespace closing
