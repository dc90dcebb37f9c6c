#pragma once
// The lines of the template list "仕訳定型リスト": one line per template row,
// fields fitted to fixed Shift-JIS byte widths, a column left blank where it
// repeats what the list showed last.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dao { class Recordset; }

namespace journal {

// The fields of one Q_仕訳定型台帳 row that the list and the grid show.
struct TemplateRecord {
    std::string id;                       // 仕訳ID
    int rowNumber = 0;                    // 追番
    bool closingEntry = false;            // 決算仕訳
    std::string description;              // 摘要
    std::string partner;                  // 取引先
    std::string debitCode;                // 借方コード
    std::string debitName;                // 勘定科目名
    std::optional<std::int64_t> debit;    // 入金 (nullopt when null)
    std::string creditCode;               // 貸方コード
    std::string creditName;               // 勘定科目名2
    std::optional<std::int64_t> credit;   // 出金
    std::string bankCode;                 // 銀行コード
    std::string branchCode;               // 支店コード
    std::string bankName;                 // 銀行名
    std::string branchName;               // 支店名
};

// Reads the current row of a recordset on Q_仕訳定型台帳.
TemplateRecord ReadTemplateRecord(dao::Recordset& templates);

// Builds the lines of one fill, in the recordset's order.
class TemplateListLines {
public:
    std::string next(const TemplateRecord& row);

private:
    std::string m_lastPartner;
    std::string m_lastDebitCode;
    std::string m_lastCreditCode;
    std::string m_lastBranchCode;
};

// Every line of the list for the recordset, from its first row; leaves the
// recordset on its first row.
std::vector<std::string> TemplateListTexts(dao::Recordset& templates);

}  // namespace journal
