#include "journal/JournalListRows.h"

#include <algorithm>
#include <iterator>

namespace journal {

void JournalListRows::start(const dao::Date& now)
{
    m_listed.clear();
    m_facts.clear();
    m_now = now;
    m_ordered = true;
    m_fill = std::make_unique<JournalListLines>(now);
    m_lastState.reset();
}

std::string JournalListRows::add(const JournalRecord& row)
{
    std::string line = m_fill->next(row);
    const auto day = dayOf(row.date);
    if (!day) {
        m_ordered = false;
    } else if (!m_facts.empty()) {
        const LineFacts& before = m_facts.back();
        const std::string& number = m_listed.number(m_listed.size() - 1);
        const int order = before.day != *day ? (before.day < *day ? -1 : 1) : number.compare(row.number);
        if (order > 0 || (order == 0 && before.rowNumber > row.rowNumber))
            m_ordered = false;
    }
    m_listed.add(row);
    m_facts.push_back({day.value_or(kNoDay), row.rowNumber, carryOf(m_fill->state())});
    return line;
}

std::int32_t JournalListRows::nameId(const std::string& name)
{
    const auto found = m_nameIds.find(name);
    if (found != m_nameIds.end())
        return found->second;
    const auto id = static_cast<std::int32_t>(m_names.size());
    m_names.push_back(name);
    m_nameIds.emplace(name, id);
    return id;
}

JournalListRows::Carry JournalListRows::carryOf(const ListLineState& state)
{
    // Lines in a row mostly leave the same names: those are not looked up again.
    Carry carry{};
    carry.lastDay = state.lastDate == m_now ? kNoDay : static_cast<std::int32_t>(state.lastDate.dayNumber());
    const bool same = m_lastState.has_value();
    carry.partner =
        same && m_lastState->lastPartner == state.lastPartner ? m_lastCarry.partner : nameId(state.lastPartner);
    carry.debitCode =
        same && m_lastState->lastDebitCode == state.lastDebitCode ? m_lastCarry.debitCode : nameId(state.lastDebitCode);
    carry.creditCode = same && m_lastState->lastCreditCode == state.lastCreditCode ? m_lastCarry.creditCode
                                                                                   : nameId(state.lastCreditCode);
    carry.branchCode = same && m_lastState->lastBranchCode == state.lastBranchCode ? m_lastCarry.branchCode
                                                                                   : nameId(state.lastBranchCode);
    m_lastState = state;
    m_lastCarry = carry;
    return carry;
}

ListLineState JournalListRows::stateBefore(std::size_t line) const
{
    ListLineState state;
    state.lastDate = m_now;
    if (line == 0)
        return state;
    const Carry& carry = m_facts[line - 1].after;
    if (carry.lastDay != kNoDay)
        state.lastDate = dao::Date::fromDayNumber(carry.lastDay);
    state.lastPartner = m_names[static_cast<std::size_t>(carry.partner)];
    state.lastDebitCode = m_names[static_cast<std::size_t>(carry.debitCode)];
    state.lastCreditCode = m_names[static_cast<std::size_t>(carry.creditCode)];
    state.lastBranchCode = m_names[static_cast<std::size_t>(carry.branchCode)];
    return state;
}

// The file's order sorts dates as they are stored; a date with a time of day
// is one whose place this does not work out.
std::optional<std::int32_t> JournalListRows::dayOf(const std::optional<dao::Date>& date) const
{
    if (!date)
        return kNoDay;
    if (date->hasTime())
        return std::nullopt;
    return static_cast<std::int32_t>(date->dayNumber());
}

bool JournalListRows::sortsBefore(std::size_t line, std::int32_t day, const std::string& number) const
{
    const std::int32_t lineDay = m_facts[line].day;
    if (lineDay != day)
        return lineDay < day;
    return m_listed.number(line) < number;
}

bool JournalListRows::build(JournalListLines& lines, const std::vector<JournalRecord>& rows, std::size_t from,
                            const VoucherReader& read, Built& built, std::size_t& end)
{
    auto show = [&](const JournalRecord& row) {
        const auto day = dayOf(row.date);
        if (!day)
            return false;
        built.lines.push_back(lines.next(row));
        built.facts.push_back({*day, row.rowNumber, carryOf(lines.state())});
        built.rows.push_back(row);
        return true;
    };
    for (const JournalRecord& row : rows)
        if (!show(row))
            return false;
    std::size_t line = from;
    while (line < size() && lines.state() != stateBefore(line)) {
        const std::string& number = m_listed.number(line);
        std::size_t next = line;
        while (next < size() && m_listed.number(next) == number)
            ++next;
        const std::vector<JournalRecord> stored = read(number);
        if (stored.size() != next - line)
            return false;
        for (std::size_t i = 0; i < stored.size(); ++i)
            if (FingerprintOf(stored[i]) != m_listed.fingerprintAt(line + i) || !show(stored[i]))
                return false;
        line = next;
    }
    end = line;
    return true;
}

void JournalListRows::apply(std::size_t first, std::size_t end, Built&& built)
{
    m_listed.replace(first, end - first, built.rows);
    m_facts.replace(first, end - first, std::move(built.facts));
}

std::size_t JournalListRows::placeOf(std::int32_t day, const std::string& number) const
{
    std::size_t low = 0, high = size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (sortsBefore(middle, day, number))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int JournalListRows::firstLineOf(const std::string& number, const dao::Date& date) const
{
    const auto day = dayOf(date);
    if (!m_ordered || !day)
        return m_listed.firstLineOf(number);
    const std::size_t at = placeOf(*day, number);
    return at < size() && m_listed.number(at) == number ? static_cast<int>(at) : -1;
}

bool JournalListRows::rebuild(std::size_t first, std::size_t after, const std::vector<JournalRecord>& rows,
                              const VoucherReader& read, std::vector<ListLineChange>& changes)
{
    JournalListLines lines(stateBefore(first));
    Built built;
    std::size_t end = 0;
    if (!build(lines, rows, after, read, built, end))
        return false;
    changes.push_back({static_cast<int>(first), static_cast<int>(end - first), built.lines});
    apply(first, end, std::move(built));
    return true;
}

std::optional<std::vector<ListLineChange>> JournalListRows::replaceVoucher(const std::string& number, int oldLine,
                                                                           const std::vector<RowFingerprint>& oldRows,
                                                                           const std::vector<JournalRecord>& rows,
                                                                           const VoucherReader& read)
{
    if (!m_ordered || !m_fill)
        return std::nullopt;
    // The rows and the old lines given are checked before the list changes.
    std::int32_t day = kNoDay;
    if (!rows.empty()) {
        const auto first = dayOf(rows.front().date);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const bool inOrder = i == 0 || rows[i - 1].rowNumber <= rows[i].rowNumber;
            if (!first || rows[i].number != number || dayOf(rows[i].date) != first || !inOrder)
                return std::nullopt;
        }
        day = *first;
    }
    std::size_t first = 0, after = 0;
    const bool shown = oldLine >= 0;
    if (shown) {
        const auto line = static_cast<std::size_t>(oldLine);
        if (line >= size() || m_listed.number(line) != number || m_listed.voucherAt(oldLine) != oldRows)
            return std::nullopt;
        first = after = line;
        while (first > 0 && m_listed.number(first - 1) == number)
            --first;
        while (after < size() && m_listed.number(after) == number)
            ++after;
    }

    std::vector<ListLineChange> changes;
    if (shown && !rows.empty()) {
        // A fill would put it where its old lines stand: they become its new
        // ones there, in one change.
        const std::size_t at = placeOf(day, number);
        if (at >= first && at <= after) {
            if (!rebuild(first, after, rows, read, changes))
                return std::nullopt;
            return changes;
        }
    }
    if (shown && !rebuild(first, after, {}, read, changes))
        return std::nullopt;
    if (!rows.empty()) {
        const std::size_t at = placeOf(day, number);
        if (at > 0 && at < size() && m_listed.number(at - 1) == m_listed.number(at))
            return std::nullopt;
        if (!rebuild(at, at, rows, read, changes))
            return std::nullopt;
    }
    return changes;
}

}  // namespace journal
