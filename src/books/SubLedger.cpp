#include "books/SubLedger.h"

#include "books/RowLine.h"

namespace books {

const std::array<SubLedgerRule, 4>& subLedgerRules()
{
    using D = SubLedgerRule::Decider;
    static const std::array<SubLedgerRule, 4> rules{{
        {0, "SELECT * FROM Q_仕訳台帳 WHERE (小分類='売上原価' or 小分類2='売上原価')", D::DebitClass, "売上原価",
         false},
        // Payables count the account 買掛金 itself: a row stands on the credit
        // side when 買掛金 is credited, whatever other liability it touches.
        {3, "SELECT * FROM Q_仕訳台帳 WHERE (勘定科目名='買掛金' or 勘定科目名2='買掛金')", D::CreditAccountName,
         "買掛金", true},
        {1, "SELECT * FROM Q_仕訳台帳 WHERE (小分類='売上高' or 小分類2='売上高')", D::CreditClass, "売上高", true},
        {2, "SELECT * FROM Q_仕訳台帳 WHERE 小分類='売上債権' or 小分類2='売上債権'", D::DebitClass, "売上債権", false},
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

// The same test on the row's other side.
bool onOtherSide(const JournalRow& row, const SubLedgerRule& rule)
{
    switch (rule.decider) {
    case SubLedgerRule::Decider::DebitClass: return row.creditClass == rule.normalValue;
    case SubLedgerRule::Decider::CreditClass: return row.debitClass == rule.normalValue;
    case SubLedgerRule::Decider::CreditAccountName: return row.debitName == rule.normalValue;
    }
    return false;
}

}  // namespace

Posting subLedgerPosting(const JournalRow& row, const SubLedgerRule& rule)
{
    return bookPosting(row, rule.creditNormal, onNormalSide(row, rule), onOtherSide(row, rule));
}

void subLedgerLines(dao::Recordset& ledger, const SubLedgerRule& rule, const dao::Date& now, const LineSink& add)
{
    JournalRowReader reader(ledger);
    DateColumn dates(now);
    std::int64_t balance = 0;
    readEachRow(ledger, [&] {
        const JournalRow row = reader.read();
        const Posting posting = subLedgerPosting(row, rule);
        balance += posting.balanceChange;
        add(rowLine(dates.next(row.date), row, posting, balance, {.description = 40, .partner = 13}));
    });
}

}  // namespace books
