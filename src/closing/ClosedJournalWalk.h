#pragma once
// What the rollover takes from the closed period's journal table besides the
// period totals, gathered in the tally's own walk so that the table is read
// once: the period's bank rows summed as the bank book posts them, the
// period's rows that debit the depreciation expense account (candidates for
// the depreciation journal's rows), the rows that stay in the next period's
// file (dated outside the period, or not dated), and the closing entries (for
// the check that the closing window can list them), by row number.

#include "closing/ClosingRun.h"
#include "statements/JournalWalkAlongside.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace closing {

// The period's rows of one bank and branch between one debit and one credit
// code (as Q_取引銀行仕訳 holds them: a bank code that is not empty), summed.
// A null code is kept apart from an empty one: it names no account.
struct BankRowsSum {
    std::string bankCode;    // 銀行コード
    std::string branchCode;  // 支店コード
    std::string debitCode;   // 借方コード
    std::string creditCode;  // 貸方コード
    bool debitCodeNull = false;
    bool creditCodeNull = false;
    std::int64_t moneyIn = 0;   // the sum of 入金
    std::int64_t moneyOut = 0;  // the sum of 出金
    bool overflowed = false;    // a sum passed the 64-bit range
};

class ClosedJournalWalk {
public:
    // `expenseCode`: the depreciation expense account's code; "" when the chart has none.
    ClosedJournalWalk(const ClosingPeriod& period, std::string expenseCode)
        : m_firstDay(period.first.dayNumber()), m_lastDay(period.last.dayNumber()),
          m_expenseCode(std::move(expenseCode))
    {
    }

    // What the tally's walk is handed; it reads into this object.
    statements::JournalWalkAlongside alongside();

    long long rows() const { return m_rows; }                                // every row of the table
    const std::vector<long long>& stayingRows() const { return m_staying; }  // in the table's order
    const std::vector<long long>& expenseRows() const { return m_expense; }  // in the table's order
    // The closing entries, whatever their dates, in the table's order.
    const std::vector<long long>& closingEntryRows() const { return m_closingEntries; }
    std::vector<BankRowsSum> bankSums() const;

private:
    void see(const statements::JournalRowAlongside& row);

    long long m_firstDay;
    long long m_lastDay;
    std::string m_expenseCode;
    std::vector<long long> m_expense;
    long long m_rows = 0;
    std::vector<long long> m_staying;
    std::vector<long long> m_closingEntries;
    // The bank rows' sums by their codes, joined into one key.
    std::unordered_map<std::string, BankRowsSum> m_banks;
    std::string m_key;  // the key of the row being read
};

}  // namespace closing
