#include "closing/ClosedJournalWalk.h"

#include "periodfile/SchemaNames.h"

#include <algorithm>

namespace closing {

namespace {

// The columns asked of the walk, in this order.
enum Column { BankCode, BranchCode, ClosingEntry };

void add(std::int64_t& sum, std::int64_t amount, bool& overflowed)
{
    if (__builtin_add_overflow(sum, amount, &sum))
        overflowed = true;
}

}  // namespace

statements::JournalWalkAlongside ClosedJournalWalk::alongside()
{
    return {{schema::column::BankCode, schema::column::BranchCode, schema::column::ClosingEntry},
            [this](const statements::JournalRowAlongside& row) { see(row); }};
}

void ClosedJournalWalk::see(const statements::JournalRowAlongside& row)
{
    ++m_rows;
    if (row.flag(ClosingEntry))
        m_closingEntries.push_back(row.rowNumber());
    const auto day = row.day();
    if (!day || *day < m_firstDay || *day > m_lastDay) {
        m_staying.push_back(row.rowNumber());
        return;
    }
    const statements::JournalRowAlongside::TallyColumns& tally = row.tally();
    if (!m_expenseCode.empty() && tally.debitCode == m_expenseCode)
        m_expense.push_back(row.rowNumber());
    const std::string_view bank = row.text(BankCode);
    if (bank.empty())
        return;
    const std::string_view branch = row.text(BranchCode);
    // Codes hold no control characters: one joins them.
    m_key.assign(bank).append(1, '\x1f').append(branch).append(1, '\x1f').append(tally.debitCode);
    m_key.append(1, tally.debitCode.data() ? '\x1f' : '\x1e').append(tally.creditCode);
    m_key.append(1, tally.creditCode.data() ? '\x1f' : '\x1e');
    auto found = m_banks.find(m_key);
    if (found == m_banks.end()) {
        BankRowsSum fresh;
        fresh.bankCode = bank;
        fresh.branchCode = branch;
        fresh.debitCode = tally.debitCode;
        fresh.creditCode = tally.creditCode;
        fresh.debitCodeNull = tally.debitCode.data() == nullptr;
        fresh.creditCodeNull = tally.creditCode.data() == nullptr;
        found = m_banks.emplace(m_key, std::move(fresh)).first;
    }
    BankRowsSum& sum = found->second;
    add(sum.moneyIn, tally.moneyIn, sum.overflowed);
    add(sum.moneyOut, tally.moneyOut, sum.overflowed);
}

std::vector<BankRowsSum> ClosedJournalWalk::bankSums() const
{
    std::vector<std::pair<std::string, BankRowsSum>> byKey(m_banks.begin(), m_banks.end());
    std::sort(byKey.begin(), byKey.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<BankRowsSum> sums;
    sums.reserve(byKey.size());
    for (auto& [key, sum] : byKey)
        sums.push_back(std::move(sum));
    return sums;
}

}  // namespace closing
