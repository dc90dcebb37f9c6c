#pragma once
// The lines of the template list "仕訳定型リスト": one line per template row,
// fields fitted to fixed Shift-JIS byte widths, a column left blank where it
// repeats what the list showed last.

#include "journal/JournalRecord.h"

#include <string>
#include <vector>

namespace journal {

// Builds the lines of one fill, in the recordset's order.
class TemplateListLines {
public:
    std::string next(const JournalRecord& row);

private:
    std::string m_lastPartner;
    std::string m_lastDebitCode;
    std::string m_lastCreditCode;
    std::string m_lastBranchCode;
};

// Every line of the list for the template rows, in their order.
std::vector<std::string> TemplateListTexts(const std::vector<JournalRecord>& rows);

}  // namespace journal
