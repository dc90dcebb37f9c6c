#pragma once
// The lines of the journal list: one line per journal row, fields fitted to
// fixed Shift-JIS byte widths, a column left blank where it repeats the line above.

#include "journal/JournalRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace journal {

// What the lines so far showed last, on which the next line's blank columns depend.
struct ListLineState {
    dao::Date lastDate;
    std::string lastPartner;
    std::string lastDebitCode;
    std::string lastCreditCode;
    std::string lastBranchCode;
    bool operator==(const ListLineState&) const = default;
};

// Builds the lines of one fill, in the journal's order; keeps what it showed last.
class JournalListLines {
public:
    explicit JournalListLines(const dao::Date& now);   // the date shown last starts as now
    explicit JournalListLines(ListLineState state);     // goes on after lines that left `state`
    std::string next(const JournalRecord& row);
    const ListLineState& state() const { return m_state; }

private:
    // Names repeat from line to line; each is fitted to its width once per fill.
    const std::string& fittedName(const std::string& name, int width);

    std::unordered_map<std::string, std::string> m_fittedNames;
    ListLineState m_state;
};

// The columns the journal list and the template list share, from the 決算仕訳
// mark to the bank and branch; the partner, account-name and bank columns come
// already fitted to their widths, or blank.
struct ListColumns {
    bool closingEntry;
    int rowNumber;
    const std::string& description;
    const std::string& partner;        // 16 bytes
    const std::string& debitName;      // 20 bytes
    const std::optional<std::int64_t>& debit;
    const std::string& creditName;     // 20 bytes
    const std::optional<std::int64_t>& credit;
    const std::string& bankColumns;    // 31 bytes: bank, a blank, branch
};
void AppendListColumns(std::string& line, const ListColumns& columns);

// An amount in its 10-character list field ("###,###,##0", right-aligned, a field
// of "*" when it does not fit); blanks when the column is empty.
std::string ListAmountField(const std::optional<std::int64_t>& amount);

}  // namespace journal
