#pragma once
// The journal list's lines as data: what each line stands for (ListedRows),
// where its row sorts in the journal's order (日付, 伝票番号, 追番), and what
// the lines up to it showed last. With these a saved voucher's lines are put
// in place without building the list again: the voucher's old lines go, its
// new ones come where a fill would put them, and the lines after each change
// are built again, a voucher at a time, until they would come out as before.
// A voucher that keeps its place is one change, its lines rewritten where they
// stand; the lines are held in chunks, so no change moves the lines after it.

#include "journal/ChunkedList.h"
#include "journal/JournalListLine.h"
#include "journal/JournalRecord.h"
#include "journal/ListedRows.h"

#include <cstdint>
#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace journal {

// The rows the file holds now under one voucher number, in the journal's order.
using VoucherReader = std::function<std::vector<JournalRecord>(const std::string& number)>;

// Lines [first, first + removed) of the shown list become `lines`.
struct ListLineChange {
    int first = 0;
    int removed = 0;
    std::vector<std::string> lines;
    bool operator==(const ListLineChange&) const = default;
};

class JournalListRows {
public:
    // Starts a fill: the date shown last starts as `now`.
    void start(const dao::Date& now);
    // The line of the next row of the fill, in the journal's order.
    std::string add(const JournalRecord& row);
    // The file's dates may sort otherwise than by value (StoredDateOrder.h):
    // no save of this fill is placed in it.
    void placeNoSaves() { m_ordered = false; }

    const ListedRows& listed() const { return m_listed; }
    std::size_t size() const { return m_listed.size(); }
    // The first line of voucher `number` dated `date`, -1 when the list does
    // not show it: found by the list's order where it keeps one.
    int firstLineOf(const std::string& number, const dao::Date& date) const;

    // Puts voucher `number` in the list as the file now holds it: `rows` (none
    // when it was deleted), in the journal's order. `oldLine` is a line of its
    // old lines (-1 when the list did not show it) and `oldRows` their sorted
    // fingerprints, as checked against the file. Returns the changes to make,
    // in turn, to the shown lines; nothing when they cannot be worked out in
    // place: the list's order is not one this can keep, the old lines are not
    // the ones given, or a line that would be built again no longer shows what
    // the file holds. The list is then filled again (a voucher moving elsewhere
    // may have had its old lines taken out already).
    std::optional<std::vector<ListLineChange>> replaceVoucher(const std::string& number, int oldLine,
                                                              const std::vector<RowFingerprint>& oldRows,
                                                              const std::vector<JournalRecord>& rows,
                                                              const VoucherReader& read);

private:
    // What a line's blank columns and place depend on, with names as numbers.
    struct Carry {
        std::int32_t lastDay, partner, debitCode, creditCode, branchCode;
    };
    struct LineFacts {
        std::int32_t day;  // of the row's date; kNoDay without one
        std::int32_t rowNumber;
        Carry after;  // what the lines up to this one showed last
    };
    struct Built {
        std::vector<std::string> lines;
        std::vector<JournalRecord> rows;
        std::vector<LineFacts> facts;
    };
    static constexpr std::int32_t kNoDay = INT32_MIN;  // no date; as the date shown last: the fill's "now"

    std::int32_t nameId(const std::string& name);
    Carry carryOf(const ListLineState& state);
    ListLineState stateBefore(std::size_t line) const;
    std::optional<std::int32_t> dayOf(const std::optional<dao::Date>& date) const;
    bool sortsBefore(std::size_t line, std::int32_t day, const std::string& number) const;
    // Builds `rows` after `lines` and then the listed lines from `from` on, a
    // voucher at a time, until the lines would show as they do.
    bool build(JournalListLines& lines, const std::vector<JournalRecord>& rows, std::size_t from,
               const VoucherReader& read, Built& built, std::size_t& end);
    void apply(std::size_t first, std::size_t end, Built&& built);
    // Where a fill would put a voucher: after every line that sorts before it.
    std::size_t placeOf(std::int32_t day, const std::string& number) const;
    // The voucher's lines from `first` to `after` become `rows`, and the lines
    // after them are built again; one change, or false.
    bool rebuild(std::size_t first, std::size_t after, const std::vector<JournalRecord>& rows,
                 const VoucherReader& read, std::vector<ListLineChange>& changes);

    ListedRows m_listed;
    ChunkedList<LineFacts> m_facts;
    std::unique_ptr<JournalListLines> m_fill;
    dao::Date m_now;
    std::optional<ListLineState> m_lastState;  // the names of the carry built last
    Carry m_lastCarry{};
    bool m_ordered = true;  // every line sorts after the one before it, by date value, number and row
    std::vector<std::string> m_names{""};
    std::unordered_map<std::string, std::int32_t> m_nameIds{{"", 0}};
};

}  // namespace journal
