#include "journal/TemplateRows.h"

#include "common/FitByteWidth.h"
#include "journal/JournalListLine.h"

namespace journal {

std::string TemplateListLines::next(const JournalRecord& row)
{
    if (row.rowNumber == 1) {
        m_lastDebitCode.clear();
        m_lastCreditCode.clear();
        if (!row.branchCode.empty())
            m_lastBranchCode.clear();
    }
    const std::string blanks16(16, ' '), blanks20(20, ' '), blanks15(15, ' ');

    std::string partner = blanks16;
    if (!row.partner.empty()) {
        if (row.partner != m_lastPartner)
            partner = o::FitByteWidth(row.partner, 16);
        m_lastPartner = row.partner;
    }

    std::string debitName = blanks20;
    if (row.debitCode != m_lastDebitCode) {
        if (!row.debitName.empty())
            debitName = o::FitByteWidth(row.debitName, 20);
        m_lastDebitCode = row.debitCode;
    }
    std::string creditName = blanks20;
    if (row.creditCode != m_lastCreditCode) {
        if (!row.creditName.empty())
            creditName = o::FitByteWidth(row.creditName, 20);
        m_lastCreditCode = row.creditCode;
    }

    // A new branch shows its bank and branch; a name the masters do not give
    // shows as blanks.
    std::string bank = blanks15, branch = blanks15;
    if (!row.branchCode.empty() && row.branchCode != m_lastBranchCode) {
        bank = o::FitByteWidth(row.bankName, 15);
        branch = o::FitByteWidth(row.branchName, 15);
        if (!row.branchName.empty())
            m_lastBranchCode = row.branchCode;
    }

    const std::string bankColumns = bank + " " + branch;
    std::string line;
    AppendListColumns(line,
                      {row.closingEntry, row.rowNumber, row.description, partner, debitName, row.debit, creditName,
                       row.credit, bankColumns});
    return line;
}

std::vector<std::string> TemplateListTexts(const std::vector<JournalRecord>& rows)
{
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    TemplateListLines builder;
    for (const JournalRecord& row : rows)
        lines.push_back(builder.next(row));
    return lines;
}

}  // namespace journal
