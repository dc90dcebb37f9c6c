#include "books/PartnerJournal.h"

#include "books/RowLine.h"
#include "periodfile/SchemaNames.h"

namespace books {

PartnerTerms partnerTerms(dao::Recordset& partners)
{
    PartnerTerms terms;
    if (partners.BOF() || partners.EOF_())
        return terms;
    try {
        const std::string rank = partners.get(schema::column::PartnerRank).toText();
        const std::int64_t closingDay = amountOf(partners.get(schema::column::ClosingDay));
        const std::int64_t payment = amountOf(partners.get(schema::column::PaymentDay));
        if (!rank.empty())
            terms.rank = "ランク：" + rank;
        if (closingDay != 0)
            terms.closingDay = "締日：" + std::to_string(closingDay) + "日";
        if (payment != 0)
            terms.payment = "支払日：" + std::to_string(payment) + "日後";
        terms.content = "取引内容：" + partners.get(schema::column::PartnerBusiness).toText();
    } catch (const dao::DaoError& e) {
        if (e.code() != dao::DaoError::Code::NoCurrentRecord)
            throw;
        return PartnerTerms{};
    }
    return terms;
}

PartnerRule partnerRuleFor(const dao::Value& firstAccountSide)
{
    return isDebitNormal(firstAccountSide) ? PartnerRule::Debit : PartnerRule::Credit;
}

Posting partnerPosting(const JournalRow& row, PartnerRule rule)
{
    if (rule == PartnerRule::Debit)
        return postingBySide(row, false, row.debitAccountSide == 0);
    return postingBySide(row, true, row.debitAccountSide == 1);
}

void partnerJournalLines(dao::Recordset& journal, const std::string& partner, PartnerRule rule, const dao::Date& now,
                         const LineSink& add)
{
    JournalRowReader reader(journal);
    DateColumn dates(now);
    std::int64_t balance = 0;
    RowLineLayout layout{.description = 37};
    // The credit rule leaves the empty column blank rather than hyphenated.
    if (rule == PartnerRule::Credit)
        layout.none = blanks(12);
    readEachRow(journal, [&] {
        const std::string rowPartner = reader.text(schema::column::Partner);
        if (rowPartner.empty() || rowPartner != partner)
            return;
        const JournalRow row = reader.read();
        const Posting posting = partnerPosting(row, rule);
        balance += posting.balanceChange;
        add(rowLine(dates.next(row.date), row, posting, balance, layout));
    });
}

}  // namespace books
