#include "journal/ListedRows.h"

#include <algorithm>

namespace journal {

ListedRows::Line ListedRows::lineOf(const JournalRecord& row)
{
    return {row.number, FingerprintOf(row), row.rowNumber};
}

void ListedRows::clear()
{
    m_lines.clear();
}

void ListedRows::add(const JournalRecord& row)
{
    m_lines.push_back(lineOf(row));
}

void ListedRows::replace(std::size_t first, std::size_t count, const std::vector<JournalRecord>& rows)
{
    std::vector<Line> lines;
    lines.reserve(rows.size());
    for (const JournalRecord& row : rows)
        lines.push_back(lineOf(row));
    m_lines.replace(first, count, std::move(lines));
}

std::string ListedRows::numberAt(int line) const
{
    if (line < 0 || static_cast<std::size_t>(line) >= size())
        return {};
    return number(static_cast<std::size_t>(line));
}

std::vector<RowFingerprint> ListedRows::voucherAt(int line) const
{
    std::vector<RowFingerprint> prints;
    if (line < 0 || static_cast<std::size_t>(line) >= size())
        return prints;
    const std::string& wanted = number(static_cast<std::size_t>(line));
    std::size_t first = static_cast<std::size_t>(line);
    while (first > 0 && number(first - 1) == wanted)
        --first;
    for (std::size_t i = first; i < size() && number(i) == wanted; ++i)
        prints.push_back(fingerprintAt(i));
    std::sort(prints.begin(), prints.end());
    return prints;
}

std::vector<RowFingerprint> ListedRows::rowsOf(const std::string& number) const
{
    std::vector<RowFingerprint> prints;
    for (const Line& line : m_lines)
        if (line.number == number)
            prints.push_back(line.fingerprint);
    std::sort(prints.begin(), prints.end());
    return prints;
}

int ListedRows::rowNumberAt(int line) const
{
    if (line < 0 || static_cast<std::size_t>(line) >= size())
        return 0;
    return m_lines[static_cast<std::size_t>(line)].rowNumber;
}

int ListedRows::firstLineOf(const std::string& number) const
{
    int line = 0;
    for (const Line& listed : m_lines) {
        if (listed.number == number)
            return line;
        ++line;
    }
    return -1;
}

std::vector<std::string> ListedRows::numbers() const
{
    std::vector<std::string> all;
    all.reserve(size());
    for (const Line& line : m_lines)
        all.push_back(line.number);
    return all;
}

}  // namespace journal
