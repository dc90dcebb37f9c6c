#include "journal/ListedRows.h"

#include <algorithm>
#include <iterator>

namespace journal {

void ListedRows::clear()
{
    m_numbers.clear();
    m_fingerprints.clear();
    m_rowNumbers.clear();
}

void ListedRows::reserve(std::size_t lines)
{
    m_numbers.reserve(lines);
    m_fingerprints.reserve(lines);
    m_rowNumbers.reserve(lines);
}

void ListedRows::add(const JournalRecord& row)
{
    m_numbers.push_back(row.number);
    m_fingerprints.push_back(FingerprintOf(row));
    m_rowNumbers.push_back(row.rowNumber);
}

void ListedRows::replace(std::size_t first, std::size_t count, const std::vector<JournalRecord>& rows)
{
    const auto at = static_cast<std::ptrdiff_t>(first);
    const auto end = static_cast<std::ptrdiff_t>(first + count);
    m_numbers.erase(m_numbers.begin() + at, m_numbers.begin() + end);
    m_fingerprints.erase(m_fingerprints.begin() + at, m_fingerprints.begin() + end);
    m_rowNumbers.erase(m_rowNumbers.begin() + at, m_rowNumbers.begin() + end);
    std::vector<std::string> numbers;
    std::vector<RowFingerprint> prints;
    std::vector<int> rowNumbers;
    numbers.reserve(rows.size());
    prints.reserve(rows.size());
    rowNumbers.reserve(rows.size());
    for (const JournalRecord& row : rows) {
        numbers.push_back(row.number);
        prints.push_back(FingerprintOf(row));
        rowNumbers.push_back(row.rowNumber);
    }
    m_numbers.insert(m_numbers.begin() + at, std::make_move_iterator(numbers.begin()),
                     std::make_move_iterator(numbers.end()));
    m_fingerprints.insert(m_fingerprints.begin() + at, prints.begin(), prints.end());
    m_rowNumbers.insert(m_rowNumbers.begin() + at, rowNumbers.begin(), rowNumbers.end());
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

std::vector<RowFingerprint> ListedRows::rowsOf(const std::string& number) const
{
    std::vector<RowFingerprint> prints;
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        if (m_numbers[i] == number)
            prints.push_back(m_fingerprints[i]);
    std::sort(prints.begin(), prints.end());
    return prints;
}

int ListedRows::rowNumberAt(int line) const
{
    if (line < 0 || static_cast<std::size_t>(line) >= m_rowNumbers.size())
        return 0;
    return m_rowNumbers[static_cast<std::size_t>(line)];
}

int ListedRows::firstLineOf(const std::string& number) const
{
    const auto found = std::find(m_numbers.begin(), m_numbers.end(), number);
    return found == m_numbers.end() ? -1 : static_cast<int>(found - m_numbers.begin());
}

}  // namespace journal
