#include "journal/JournalListLine.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"

#include <charconv>

namespace journal {

namespace {

// Blanks for a column left blank: the widest column is 33 bytes.
constexpr std::string_view kBlanks = "                                 ";

void appendListAmount(std::string& line, const std::optional<std::int64_t>& amount)
{
    if (!amount)
        line.append(10, ' ');
    else
        o::AppendAmountField(line, *amount, o::kAmountMask, 10);
}

}  // namespace

std::string ListAmountField(const std::optional<std::int64_t>& amount)
{
    std::string field;
    appendListAmount(field, amount);
    return field;
}

void AppendListColumns(std::string& line, const ListColumns& columns)
{
    line += columns.closingEntry ? "*" : " ";
    if (columns.rowNumber > 0) {
        char digits[16];
        const auto written = std::to_chars(digits, digits + sizeof digits, columns.rowNumber);
        line.append(digits, written.ptr);
    } else {
        line += " ";
    }
    line += " ";
    o::AppendFitByteWidth(line, columns.description, 33);
    line += " ";
    line += columns.partner;
    line += " ";
    line += columns.debitName;
    line += "   ";
    appendListAmount(line, columns.debit);
    line += " ";
    line += columns.creditName;
    line += "   ";
    appendListAmount(line, columns.credit);
    line += "  ";
    line += columns.bankColumns;
}

JournalListLines::JournalListLines(const dao::Date& now)
{
    m_state.lastDate = now;
}

JournalListLines::JournalListLines(ListLineState state) : m_state(std::move(state))
{
}

const std::string& JournalListLines::fittedName(const std::string& name, int width)
{
    m_nameKey.assign(1, static_cast<char>(width));
    m_nameKey += name;
    auto found = m_fittedNames.find(m_nameKey);
    if (found == m_fittedNames.end())
        found = m_fittedNames.emplace(m_nameKey, o::FitByteWidth(name, width)).first;
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

    std::string line;
    line.reserve(200);
    if (row.date && *row.date != m_state.lastDate) {
        o::AppendFitByteWidth(line, o::FormatDate(*row.date, o::kListDate), 12);
        m_state.lastDate = *row.date;
        m_state.lastBranchCode.clear();
    } else {
        line.append(kBlanks.substr(0, 12));
    }

    std::string_view partnerColumn = kBlanks.substr(0, 16);
    if (!row.partner.empty()) {
        if (row.partner != m_state.lastPartner)
            partnerColumn = fittedName(row.partner, 16);
        m_state.lastPartner = row.partner;
    }

    std::string_view debitName = kBlanks.substr(0, 20);
    if (row.debitCode != m_state.lastDebitCode) {
        debitName = fittedName(row.debitName, 20);
        m_state.lastDebitCode = row.debitCode;
    }
    std::string_view creditName = kBlanks.substr(0, 20);
    if (row.creditCode != m_state.lastCreditCode) {
        creditName = fittedName(row.creditName, 20);
        m_state.lastCreditCode = row.creditCode;
    }

    // The bank and branch columns are built only when a new branch shows.
    std::string bankColumns;
    std::string_view bank = kBlanks.substr(0, 31);
    if (!row.branchCode.empty() && row.branchCode != m_state.lastBranchCode) {
        bankColumns = fittedName(row.bankName, 15) + " " + fittedName(row.branchName, 15);
        bank = bankColumns;
        m_state.lastBranchCode = row.branchCode;
    }

    AppendListColumns(line,
                      {row.closingEntry, row.rowNumber, row.description, partnerColumn, debitName, row.debit,
                       creditName, row.credit, bank});
    return line;
}

}  // namespace journal
