// A saved closing voucher put in the closing-entry list's lines: the lines are
// those of a fill of the rows after the save; a save whose place cannot be
// worked out leaves the list as it was and asks for a fill.
#include "closing/ClosingEntryRows.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using closing::ClosingEntryRow;
using closing::ClosingEntryRows;

ClosingEntryRow entry(const std::string& number, std::optional<dao::Date> date, int rowNumber)
{
    ClosingEntryRow e;
    e.row.number = number;
    e.row.date = date;
    e.row.rowNumber = rowNumber;
    e.row.closingEntry = true;
    e.fields = " " + number + "-" + std::to_string(rowNumber);
    return e;
}

const dao::Date kNow{2026, 12, 11, 10, 0, 0};

struct Fill {
    ClosingEntryRows rows;
    std::vector<std::string> lines;
};

Fill fill(const std::vector<ClosingEntryRow>& entries)
{
    Fill f;
    f.rows.start(kNow);
    for (const ClosingEntryRow& e : entries)
        f.lines.push_back(f.rows.add(e));
    return f;
}

std::vector<ClosingEntryRow> rowsOf(const std::vector<ClosingEntryRow>& entries, const std::string& number)
{
    std::vector<ClosingEntryRow> rows;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(rows),
                 [&](const ClosingEntryRow& e) { return e.row.number == number; });
    return rows;
}

std::vector<journal::RowFingerprint> printsOf(const std::vector<ClosingEntryRow>& entries, const std::string& number)
{
    std::vector<journal::JournalRecord> rows;
    for (const ClosingEntryRow& e : rowsOf(entries, number))
        rows.push_back(e.row);
    return journal::VoucherFingerprints(rows);
}

// The closing entries' order: by date (none first), number, row.
void sortEntries(std::vector<ClosingEntryRow>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ClosingEntryRow& a, const ClosingEntryRow& b) {
        return std::tie(a.row.date, a.row.number, a.row.rowNumber)
            < std::tie(b.row.date, b.row.number, b.row.rowNumber);
    });
}

void expectSameRows(const ClosingEntryRows& shown, const ClosingEntryRows& filled)
{
    ASSERT_EQ(shown.listed().numbers(), filled.listed().numbers());
    for (std::size_t line = 0; line < filled.size(); ++line) {
        EXPECT_EQ(shown.listed().fingerprintAt(line), filled.listed().fingerprintAt(line)) << "line " << line;
        EXPECT_EQ(shown.listed().rowNumberAt(static_cast<int>(line)),
                  filled.listed().rowNumberAt(static_cast<int>(line)));
    }
}

void applyChanges(std::vector<std::string>& lines, const std::vector<journal::ListLineChange>& changes)
{
    for (const journal::ListLineChange& change : changes) {
        const auto at = lines.begin() + change.first;
        lines.insert(lines.erase(at, at + change.removed), change.lines.begin(), change.lines.end());
    }
}

// A row without a date first, V1 on 3/10, V2 of two rows and V3 on 3/20.
std::vector<ClosingEntryRow> listed()
{
    return {entry("V0", std::nullopt, 1), entry("V1", dao::Date{2026, 3, 10}, 1),
            entry("V2", dao::Date{2026, 3, 20}, 1), entry("V2", dao::Date{2026, 3, 20}, 2),
            entry("V3", dao::Date{2026, 3, 20}, 1)};
}

// ---- saves put in place ------------------------------------------------------------------

struct SaveCase {
    const char* name;
    std::string number;
    std::vector<ClosingEntryRow> rows;  // as the file holds them after the save; none: deleted
};
void PrintTo(const SaveCase& c, std::ostream* os)
{
    *os << c.name;
}

class SavedVoucher : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SavedVoucher, LinesAreThoseOfAFillAfterTheSave)
{
    const SaveCase& c = GetParam();
    std::vector<ClosingEntryRow> entries = listed();
    Fill shown = fill(entries);
    const auto changes = shown.rows.replaceVoucher(c.number, printsOf(entries, c.number), c.rows);
    ASSERT_TRUE(changes.has_value());
    applyChanges(shown.lines, *changes);

    std::erase_if(entries, [&](const ClosingEntryRow& e) { return e.row.number == c.number; });
    entries.insert(entries.end(), c.rows.begin(), c.rows.end());
    sortEntries(entries);
    const Fill filled = fill(entries);
    EXPECT_EQ(shown.lines, filled.lines);
    expectSameRows(shown.rows, filled.rows);
}

INSTANTIATE_TEST_SUITE_P(
    ClosingEntryRows, SavedVoucher,
    ::testing::Values(SaveCase{"NewBeforeEveryDatedLine", "V5", {entry("V5", dao::Date{2026, 3, 1}, 1)}},
                      SaveCase{"NewOnADayBeforeItsVouchers",
                               "V15",
                               {entry("V15", dao::Date{2026, 3, 20}, 1), entry("V15", dao::Date{2026, 3, 20}, 2)}},
                      SaveCase{"NewAfterEveryLine", "V4", {entry("V4", dao::Date{2026, 3, 20}, 1)}},
                      SaveCase{"UpdatedToAnotherDay", "V2", {entry("V2", dao::Date{2026, 3, 5}, 1)}},
                      SaveCase{"UpdatedInPlace",
                               "V2",
                               {entry("V2", dao::Date{2026, 3, 20}, 1), entry("V2", dao::Date{2026, 3, 20}, 2),
                                entry("V2", dao::Date{2026, 3, 20}, 3)}},
                      SaveCase{"DeletedBeforeALineOfItsDay", "V2", {}},
                      SaveCase{"DeletedAfterTheUndatedLine", "V1", {}}),
    testsupport::kCaseName);

// ---- saves not worked out in place -------------------------------------------------------

enum class OldRows { Listed, None, OtherVouchers };

struct RefusedCase {
    const char* name;
    std::function<void(std::vector<ClosingEntryRow>& entries)> change;  // the list as filled
    std::string number;
    OldRows oldRows;
    std::vector<ClosingEntryRow> rows;
};
void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaveRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(SaveRefused, LeavesTheListAsItWas)
{
    const RefusedCase& c = GetParam();
    std::vector<ClosingEntryRow> entries = listed();
    c.change(entries);
    Fill shown = fill(entries);
    const std::vector<journal::RowFingerprint> oldRows = c.oldRows == OldRows::Listed ? printsOf(entries, c.number)
        : c.oldRows == OldRows::None ? std::vector<journal::RowFingerprint>{}
                                     : printsOf(entries, "V2");
    EXPECT_FALSE(shown.rows.replaceVoucher(c.number, oldRows, c.rows).has_value());
    expectSameRows(shown.rows, fill(entries).rows);
}

const auto kAsListed = [](std::vector<ClosingEntryRow>&) {};

INSTANTIATE_TEST_SUITE_P(
    ClosingEntryRows, SaveRefused,
    ::
        testing::
            Values(RefusedCase{"ADateWithATimeOfDay",
                               [](auto& e) { e[1].row.date = dao::Date{2026, 3, 10, 9, 30, 0}; },
                               "V4",
                               OldRows::None,
                               {entry("V4", dao::Date{2026, 3, 25}, 1)}},
                   RefusedCase{"LinesOutOfOrder",
                               [](auto& e) { std::swap(e[1], e[4]); },
                               "V4",
                               OldRows::None,
                               {entry("V4", dao::Date{2026, 3, 25}, 1)}},
                   RefusedCase{"RowsOfTwoDates",
                               kAsListed,
                               "V4",
                               OldRows::None,
                               {entry("V4", dao::Date{2026, 3, 25}, 1), entry("V4", dao::Date{2026, 3, 26}, 2)}},
                   RefusedCase{"RowsOutOfRowOrder",
                               kAsListed,
                               "V4",
                               OldRows::None,
                               {entry("V4", dao::Date{2026, 3, 25}, 2), entry("V4", dao::Date{2026, 3, 25}, 1)}},
                   RefusedCase{
                       "RowsOfAnotherNumber", kAsListed, "V4", OldRows::None, {entry("V5", dao::Date{2026, 3, 25}, 1)}},
                   RefusedCase{"OldRowsNotTheListed", kAsListed, "V1", OldRows::OtherVouchers, {}},
                   RefusedCase{"NewVoucherTheListShows",
                               kAsListed,
                               "V3",
                               OldRows::None,
                               {entry("V3", dao::Date{2026, 3, 25}, 1)}},
                   RefusedCase{
                       "OldLinesApart",
                       [](auto& e) {
                           e[2].row.date = dao::Date{2026, 3, 15};
                           e.insert(e.begin() + 3, entry("V1A", dao::Date{2026, 3, 18}, 1));
                       },
                       "V2",
                       OldRows::Listed,
                       {}}),
    testsupport::kCaseName);

}  // namespace
