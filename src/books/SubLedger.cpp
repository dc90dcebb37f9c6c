#include "books/SubLedger.h"

#include "books/BookText.h"

namespace books {

const std::array<SubLedgerRule, 4>& subLedgerRules()
{
    using D = SubLedgerRule::Decider;
    static const std::array<SubLedgerRule, 4> rules{{
        {0, "SELECT * FROM Q_仕訳台帳 WHERE (小分類='売上原価' or 小分類2='売上原価')",
         D::DebitClass, "売上原価", false},
        // Payables count the account 買掛金 itself: a row stands on the credit
        // side when 買掛金 is credited, whatever other liability it touches.
        {3, "SELECT * FROM Q_仕訳台帳 WHERE (勘定科目名='買掛金' or 勘定科目名2='買掛金')",
         D::CreditAccountName, "買掛金", true},
        {1, "SELECT * FROM Q_仕訳台帳 WHERE (小分類='売上高' or 小分類2='売上高')",
         D::CreditClass, "売上高", true},
        {2, "SELECT * FROM Q_仕訳台帳 WHERE 小分類='売上債権' or 小分類2='売上債権'",
         D::DebitClass, "売上債権", false},
    }};
    return rules;
}

namespace {

bool onNormalSide(const JournalRow& row, const SubLedgerRule& rule)
{
    switch (rule.decider) {
    case SubLedgerRule::Decider::DebitClass: return row.debitClass == rule.normalValue;
    case SubLedgerRule::Decider::CreditClass: return row.creditClass == rule.normalValue;
    case SubLedgerRule::Decider::CreditAccountName: return row.creditName == rule.normalValue;
    }
    return false;
}

}  // namespace

Posting subLedgerPosting(const JournalRow& row, const SubLedgerRule& rule)
{
    const bool normal = onNormalSide(row, rule);
    if (!rule.creditNormal) {
        if (normal)
            return Posting::onDebit(row.creditName, row.debitAmount, row.debitAmount);
        return Posting::onCredit(row.debitName, row.creditAmount, -row.creditAmount);
    }
    if (normal)
        return Posting::onCredit(row.debitName, row.creditAmount, row.creditAmount);
    return Posting::onDebit(row.creditName, row.debitAmount, -row.debitAmount);
}

std::vector<std::string> subLedgerLines(dao::Recordset& ledger, const SubLedgerRule& rule,
                                        const dao::Date& now)
{
    std::vector<std::string> lines;
    JournalRowReader reader(ledger);
    DateColumn dates(now);
    std::int64_t balance = 0;
    forEachRow(ledger, [&] {
        const JournalRow row = reader.read();
        const Posting posting = subLedgerPosting(row, rule);
        balance += posting.balanceChange;
        LineBuilder line;
        line.raw(dates.next(row.date)).gap(1)
            .text(row.description, 40).gap(1)
            .text(row.partner, 13).gap(3)
            .text(posting.account, 15).gap(2)
            .amountOrNone(posting.debit, 12).gap(1)
            .amountOrNone(posting.credit, 12).gap(1)
            .amount(balance, 14).gap(1)
            .text(row.bankName, 14).gap(2)
            .text(row.branchName, 14);
        lines.push_back(line.str());
    });
    return lines;
}

}  // namespace books
