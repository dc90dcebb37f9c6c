#include "journal/ListedRows.h"

#include <algorithm>

namespace journal {

void ListedRows::clear()
{
    m_numbers.clear();
    m_fingerprints.clear();
}

void ListedRows::reserve(std::size_t lines)
{
    m_numbers.reserve(lines);
    m_fingerprints.reserve(lines);
}

void ListedRows::add(const JournalRecord& row)
{
    m_numbers.push_back(row.number);
    m_fingerprints.push_back(FingerprintOf(row));
}

std::string ListedRows::numberAt(int line) const
{
    if (line < 0 || static_cast<std::size_t>(line) >= m_numbers.size())
        return {};
    return m_numbers[static_cast<std::size_t>(line)];
}

std::vector<RowFingerprint> ListedRows::voucherAt(int line) const
{
    std::vector<RowFingerprint> prints;
    if (line < 0 || static_cast<std::size_t>(line) >= m_numbers.size())
        return prints;
    const std::string& number = m_numbers[static_cast<std::size_t>(line)];
    std::size_t first = static_cast<std::size_t>(line);
    while (first > 0 && m_numbers[first - 1] == number)
        --first;
    for (std::size_t i = first; i < m_numbers.size() && m_numbers[i] == number; ++i)
        prints.push_back(m_fingerprints[i]);
    std::sort(prints.begin(), prints.end());
    return prints;
}

int ListedRows::firstLineOf(const std::string& number) const
{
    const auto found = std::find(m_numbers.begin(), m_numbers.end(), number);
    return found == m_numbers.end() ? -1 : static_cast<int>(found - m_numbers.begin());
}

}  // namespace journal
