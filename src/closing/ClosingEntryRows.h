#pragma once
// The closing-entry list's lines as data: what each line stands for
// (ListedRows), its row's date, the text after its date column and the date
// the lines up to it showed last. The date column shows a row's date only
// where it differs from the date shown above it, so a line's text depends on
// the lines before it. With these a saved closing voucher's lines are put in
// place without reading the closing entries again: the voucher's old lines
// go, its new ones come where a fill would put them (日付, 伝票番号, 追番), and
// the date columns of the lines after each change are set again. A voucher
// that keeps its place is one change, its lines rewritten where they stand;
// the lines are held in chunks, so no change moves the lines after it.

#include "closing/ClosingListLines.h"
#include "journal/ChunkedList.h"
#include "journal/JournalListRows.h"
#include "journal/ListedRows.h"

#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
class Recordset;
}  // namespace dao

namespace closing {

// The closing rows the file holds now under one voucher number, in the
// closing-entry list's order: one read by the number, not a walk over the journal.
std::vector<ClosingEntryRow> ReadClosingVoucher(dao::Database& database, const std::string& number);

class ClosingEntryRows {
public:
    // Starts a fill: the date shown last starts as `now`.
    void start(const dao::Date& now);
    // The file's dates may sort otherwise than by value (journal/StoredDateOrder.h):
    // no save of this fill is placed in it.
    void placeNoSaves() { m_ordered = false; }
    // The line of the next row of the fill, in the list's order.
    std::string add(const ClosingEntryRow& entry);

    const journal::ListedRows& listed() const { return m_listed; }
    std::size_t size() const { return m_listed.size(); }

    // Puts voucher `number` in the list as the file now holds it: `rows` (none
    // when it was deleted), in the list's order. `oldRows` are the sorted
    // fingerprints of its rows before the save, as checked against the file
    // (none for a new voucher). Returns the changes to make, in turn, to the
    // shown lines; nothing (and the list left as it was) when they cannot be
    // worked out in place: a line's date has a time of day or sorts before
    // the one above it, the voucher's old lines are not those given or do not
    // stand together, or its new rows do not share one date. The list is then
    // filled again.
    std::optional<std::vector<journal::ListLineChange>>
    replaceVoucher(const std::string& number, const std::vector<journal::RowFingerprint>& oldRows,
                   const std::vector<ClosingEntryRow>& rows);

    // Whether a fill from `entries` (a recordset on the closing entries, from
    // its first row, on which it is left) gives these lines for these rows.
    bool sameAsFillOf(dao::Recordset& entries) const;

private:
    struct Line {
        std::optional<dao::Date> date;
        std::string fields;
        dao::Date shownAfter;  // the date shown last once this line is shown
        bool operator==(const Line&) const = default;
    };

    dao::Date shownBefore(std::size_t line) const;
    bool sortsBefore(std::size_t line, const dao::Date& date, const std::string& number) const;
    // Where a fill would put a voucher: after every line that sorts before it.
    std::size_t placeOf(const dao::Date& date, const std::string& number) const;
    // Lines [first, end) become `rows`' lines; the lines after them are shown
    // again until their date columns come out as before. Returns the change.
    journal::ListLineChange replace(std::size_t first, std::size_t end, const std::vector<ClosingEntryRow>& rows);

    journal::ListedRows m_listed;
    journal::ChunkedList<Line> m_lines;
    dao::Date m_now;
    bool m_ordered = true;  // every line sorts after the one above it, by date value, number and row
};

}  // namespace closing
