#include "books/PartnerJournal.h"

#include "books/BookText.h"

namespace books {

PartnerTerms partnerTerms(dao::Recordset& partners)
{
    PartnerTerms terms;
    if (partners.BOF() || partners.EOF_())
        return terms;
    try {
        const std::string rank = partners.get("取引先ランク").toText();
        const std::int64_t closingDay = amountOf(partners.get("締日"));
        const std::int64_t payment = amountOf(partners.get("支払日"));
        if (!rank.empty())
            terms.rank = "ランク：" + rank;
        if (closingDay != 0)
            terms.closingDay = "締日：" + std::to_string(closingDay) + "日";
        if (payment != 0)
            terms.payment = "支払日：" + std::to_string(payment) + "日後";
        terms.content = "取引内容：" + partners.get("取引内容").toText();
    } catch (const dao::DaoError& e) {
        if (e.code() != dao::DaoError::Code::NoCurrentRecord)
            throw;
        return PartnerTerms{};
    }
    return terms;
}

PartnerRule partnerRuleFor(const dao::Value& firstAccountSide)
{
    return amountOf(firstAccountSide) == 0 ? PartnerRule::Debit : PartnerRule::Credit;
}

Posting partnerPosting(const JournalRow& row, PartnerRule rule)
{
    if (rule == PartnerRule::Debit) {
        if (row.debitAccountSide == 0)
            return Posting::onDebit(row.creditName, row.debitAmount, row.debitAmount);
        return Posting::onCredit(row.debitName, row.creditAmount, -row.creditAmount);
    }
    if (row.debitAccountSide == 1)
        return Posting::onCredit(row.debitName, row.creditAmount, row.creditAmount);
    return Posting::onDebit(row.creditName, row.debitAmount, -row.debitAmount);
}

std::vector<std::string> partnerJournalLines(dao::Recordset& journal, const std::string& partner,
                                             PartnerRule rule, const dao::Date& now)
{
    std::vector<std::string> lines;
    JournalRowReader reader(journal);
    DateColumn dates(now);
    std::int64_t balance = 0;
    // The credit rule leaves the empty column blank rather than hyphenated.
    const std::string none = rule == PartnerRule::Debit ? std::string(kNoAmount) : blanks(12);
    forEachRow(journal, [&] {
        if (reader.text("取引先").empty() || reader.text("取引先") != partner)
            return;
        const JournalRow row = reader.read();
        const Posting posting = partnerPosting(row, rule);
        balance += posting.balanceChange;
        LineBuilder line;
        line.raw(dates.next(row.date)).gap(1)
            .text(row.description, 37).gap(3)
            .text(posting.account, 15).gap(2)
            .amountOrNone(posting.debit, 12, none).gap(1)
            .amountOrNone(posting.credit, 12, none).gap(1)
            .amount(balance, 14).gap(1)
            .text(row.bankName, 14).gap(2)
            .text(row.branchName, 14);
        lines.push_back(line.str());
    });
    return lines;
}

}  // namespace books
