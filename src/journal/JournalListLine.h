#pragma once
// The lines of the journal list: one line per journal row, fields fitted to
// fixed Shift-JIS byte widths, a column left blank where it repeats the line above.

#include "journal/JournalRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
    explicit JournalListLines(const dao::Date& now);  // the date shown last starts as now
    explicit JournalListLines(ListLineState state);   // goes on after lines that left `state`
    std::string next(const JournalRecord& row);
    const ListLineState& state() const { return m_state; }

private:
    // Names repeat from line to line; each is fitted to its width once per fill.
    const std::string& fittedName(const std::string& name, int width);

    std::unordered_map<std::string, std::string> m_fittedNames;
    std::string m_nameKey;  // the key a name is looked up by, kept for its room
    ListLineState m_state;
};

// The columns the journal list and the template list share, from the 決算仕訳
// mark to the bank and branch; the partner, account-name and bank columns come
// already fitted to their widths, or blank.
struct ListColumns {
    bool closingEntry;
    int rowNumber;
    std::string_view description;
    std::string_view partner;    // 16 bytes
    std::string_view debitName;  // 20 bytes
    const std::optional<std::int64_t>& debit;
    std::string_view creditName;  // 20 bytes
    const std::optional<std::int64_t>& credit;
    std::string_view bankColumns;  // 31 bytes: bank, a blank, branch
};
void AppendListColumns(std::string& line, const ListColumns& columns);

// An amount in its 10-character list field ("###,###,##0", right-aligned, a field
// of "*" when it does not fit); blanks when the column is empty.
std::string ListAmountField(const std::optional<std::int64_t>& amount);

}  // namespace journal
