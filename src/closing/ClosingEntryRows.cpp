#include "closing/ClosingEntryRows.h"

#include "closing/PeriodJournal.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <iterator>

namespace closing {

namespace {

// Lines in the closing entries' order: by date value (a row without a date
// first), then number, then row; -1, 0 or 1 as `a` comes before, with or after `b`.
int compareDates(const std::optional<dao::Date>& a, const std::optional<dao::Date>& b)
{
    if (!a || !b)
        return a ? 1 : (b ? -1 : 0);
    return *a < *b ? -1 : (*b < *a ? 1 : 0);
}

}  // namespace

std::vector<ClosingEntryRow> ReadClosingVoucher(dao::Database& database, const std::string& number)
{
    std::vector<ClosingEntryRow> rows;
    if (number.find('\0') != std::string::npos)
        return rows;
    // One text for every number, so that each read after the first is prepared already.
    auto entries = database.OpenSnapshot(std::string("SELECT * FROM ") + schema::query::ClosingJournal
                                             + " WHERE 伝票番号 = ?1 ORDER BY 日付, 伝票番号, 追番, dao_rowid",
                                         {dao::Value(number)});
    if (entries->isEmpty())
        return rows;
    for (entries->MoveFirst(); !entries->EOF_(); entries->MoveNext())
        rows.push_back(ClosingEntryRowOf(*entries));
    return rows;
}

void ClosingEntryRows::start(const dao::Date& now)
{
    m_listed.clear();
    m_lines.clear();
    m_now = now;
    m_ordered = true;
}

dao::Date ClosingEntryRows::shownBefore(std::size_t line) const
{
    return line == 0 ? m_now : m_lines[line - 1].shownAfter;
}

std::string ClosingEntryRows::add(const ClosingEntryRow& entry)
{
    const std::optional<dao::Date>& date = entry.row.date;
    if (date && date->hasTime()) {
        // The file sorts dates as it stores them; one with a time of day is
        // one whose place this does not work out.
        m_ordered = false;
    } else if (!m_lines.empty()) {
        const int dateOrder = compareDates(m_lines.back().date, date);
        const int order = dateOrder != 0 ? dateOrder : m_listed.number(size() - 1).compare(entry.row.number);
        if (order > 0 || (order == 0 && m_listed.rowNumberAt(static_cast<int>(size()) - 1) > entry.row.rowNumber))
            m_ordered = false;
    }
    dao::Date shown = shownBefore(size());
    std::string line = ClosingEntryDateColumn(date, shown) + entry.fields;
    m_lines.push_back({date, entry.fields, shown});
    m_listed.add(entry.row);
    return line;
}

bool ClosingEntryRows::sortsBefore(std::size_t line, const dao::Date& date, const std::string& number) const
{
    const int order = compareDates(m_lines[line].date, date);
    return order != 0 ? order < 0 : m_listed.number(line) < number;
}

journal::ListLineChange ClosingEntryRows::replace(std::size_t first, std::size_t end,
                                                  const std::vector<ClosingEntryRow>& rows)
{
    journal::ListLineChange change{static_cast<int>(first), 0, {}};
    dao::Date shown = shownBefore(first);
    std::vector<Line> lines;
    std::vector<journal::JournalRecord> records;
    for (const ClosingEntryRow& entry : rows) {
        change.lines.push_back(ClosingEntryDateColumn(entry.row.date, shown) + entry.fields);
        lines.push_back({entry.row.date, entry.fields, shown});
        records.push_back(entry.row);
    }
    // The lines below are shown again while the date shown above them is not
    // the one they were shown under; they stay the lines of their rows.
    std::size_t below = end;
    dao::Date shownAbove = shownBefore(end);
    while (below < size() && shown != shownAbove) {
        Line line = m_lines[below];
        shownAbove = line.shownAfter;
        change.lines.push_back(ClosingEntryDateColumn(line.date, shown) + line.fields);
        line.shownAfter = shown;
        lines.push_back(std::move(line));
        ++below;
    }
    change.removed = static_cast<int>(below - first);
    m_listed.replace(first, end - first, records);
    m_lines.replace(first, below - first, std::move(lines));
    return change;
}

std::size_t ClosingEntryRows::placeOf(const dao::Date& date, const std::string& number) const
{
    std::size_t low = 0, high = size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (sortsBefore(middle, date, number))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::optional<std::vector<journal::ListLineChange>>
ClosingEntryRows::replaceVoucher(const std::string& number, const std::vector<journal::RowFingerprint>& oldRows,
                                 const std::vector<ClosingEntryRow>& rows)
{
    if (!m_ordered)
        return std::nullopt;
    // Everything is checked before the list changes.
    if (!rows.empty()) {
        const std::optional<dao::Date>& date = rows.front().row.date;
        if (!date || date->hasTime())
            return std::nullopt;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const journal::JournalRecord& row = rows[i].row;
            if (row.number != number || row.date != date || (i > 0 && rows[i - 1].row.rowNumber > row.rowNumber))
                return std::nullopt;
        }
    }
    const int oldLine = m_listed.firstLineOf(number);
    std::size_t first = 0, end = 0;
    if (oldLine >= 0) {
        first = end = static_cast<std::size_t>(oldLine);
        while (end < size() && m_listed.number(end) == number)
            ++end;
    }
    // Its lines from its first one on must be the rows given: else they do not
    // stand together or are not the rows the file held.
    if ((oldLine >= 0 ? m_listed.voucherAt(oldLine) : std::vector<journal::RowFingerprint>{}) != oldRows)
        return std::nullopt;

    std::vector<journal::ListLineChange> changes;
    if (oldLine >= 0 && !rows.empty()) {
        // A fill would put it where its old lines stand: they become its new
        // ones there, in one change.
        const std::size_t at = placeOf(*rows.front().row.date, number);
        if (at >= first && at <= end) {
            changes.push_back(replace(first, end, rows));
            return changes;
        }
    }
    if (oldLine >= 0)
        changes.push_back(replace(first, end, {}));
    if (!rows.empty()) {
        const std::size_t at = placeOf(*rows.front().row.date, number);
        changes.push_back(replace(at, at, rows));
    }
    return changes;
}

bool ClosingEntryRows::sameAsFillOf(dao::Recordset& entries) const
{
    ClosingEntryRows fill;
    fill.start(m_now);
    if (!entries.isEmpty()) {
        for (entries.MoveFirst(); !entries.EOF_(); entries.MoveNext())
            fill.add(ClosingEntryRowOf(entries));
        entries.MoveFirst();
    }
    if (!(fill.m_lines == m_lines) || fill.m_listed.numbers() != m_listed.numbers())
        return false;
    for (std::size_t line = 0; line < size(); ++line)
        if (fill.m_listed.fingerprintAt(line) != m_listed.fingerprintAt(line))
            return false;
    return true;
}

}  // namespace closing
