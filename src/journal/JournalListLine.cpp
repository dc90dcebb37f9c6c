#include "journal/JournalListLine.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"

namespace journal {

std::string ListAmountField(const std::optional<std::int64_t>& amount)
{
    if (!amount)
        return std::string(10, ' ');
    return o::FormatAmountField(*amount, o::kAmountMask, 10);
}

void AppendListColumns(std::string& line, const ListColumns& columns)
{
    line += columns.closingEntry ? "*" : " ";
    line += columns.rowNumber > 0 ? std::to_string(columns.rowNumber) : " ";
    line += " ";
    line += o::FitByteWidth(columns.description, 33);
    line += " ";
    line += columns.partner;
    line += " ";
    line += columns.debitName;
    line += "   ";
    line += ListAmountField(columns.debit);
    line += " ";
    line += columns.creditName;
    line += "   ";
    line += ListAmountField(columns.credit);
    line += "  ";
    line += columns.bankColumns;
}

JournalListLines::JournalListLines(const dao::Date& now) { m_state.lastDate = now; }

JournalListLines::JournalListLines(ListLineState state) : m_state(std::move(state)) {}

const std::string& JournalListLines::fittedName(const std::string& name, int width)
{
    std::string key(1, static_cast<char>(width));
    key += name;
    auto found = m_fittedNames.find(key);
    if (found == m_fittedNames.end())
        found = m_fittedNames.emplace(std::move(key), o::FitByteWidth(name, width)).first;
    return found->second;
}

std::string JournalListLines::next(const JournalRecord& row)
{
    if (row.rowNumber == 1) {
        m_state.lastDebitCode.clear();
        m_state.lastCreditCode.clear();
        if (!row.branchCode.empty())
            m_state.lastBranchCode.clear();
    }

    std::string dateColumn(12, ' ');
    if (row.date && *row.date != m_state.lastDate) {
        dateColumn = o::FitByteWidth(o::FormatDate(*row.date, o::kListDate), 12);
        m_state.lastDate = *row.date;
        m_state.lastBranchCode.clear();
    }

    std::string partnerColumn(16, ' ');
    if (!row.partner.empty()) {
        if (row.partner != m_state.lastPartner)
            partnerColumn = fittedName(row.partner, 16);
        m_state.lastPartner = row.partner;
    }

    std::string debitName(20, ' ');
    if (row.debitCode != m_state.lastDebitCode) {
        debitName = fittedName(row.debitName, 20);
        m_state.lastDebitCode = row.debitCode;
    }
    std::string creditName(20, ' ');
    if (row.creditCode != m_state.lastCreditCode) {
        creditName = fittedName(row.creditName, 20);
        m_state.lastCreditCode = row.creditCode;
    }

    std::string bankColumns(31, ' ');
    if (!row.branchCode.empty() && row.branchCode != m_state.lastBranchCode) {
        bankColumns = fittedName(row.bankName, 15) + " " + fittedName(row.branchName, 15);
        m_state.lastBranchCode = row.branchCode;
    }

    std::string line;
    line.reserve(200);
    line += dateColumn;
    AppendListColumns(line, {row.closingEntry, row.rowNumber, row.description, partnerColumn, debitName, row.debit,
                             creditName, row.credit, bankColumns});
    return line;
}

}  // namespace journal
