#pragma once
// What each line of a list of journal or template rows stands for: the
// voucher number (or template id) of its row and a fingerprint of what the row
// stored when the list was filled, and the row's 追番. A line is used by its
// number, never by its position, and the fingerprints tell whether the voucher
// has changed since. The lines are held in chunks (ChunkedList.h), so that a
// voucher's lines change in the same time wherever it stands in the list.

#include "journal/ChunkedList.h"
#include "journal/JournalRecord.h"

#include <string>
#include <vector>

namespace journal {

class ListedRows {
public:
    void clear();
    void add(const JournalRecord& row);
    // Lines [first, first + count) become the lines of `rows`.
    void replace(std::size_t first, std::size_t count, const std::vector<JournalRecord>& rows);

    std::size_t size() const { return m_lines.size(); }
    // The number of a line; "" for a line the list does not have.
    std::string numberAt(int line) const;
    // The number of a line the list has (line < size()).
    const std::string& number(std::size_t line) const { return m_lines[line].number; }
    // The fingerprints, sorted, of the rows the list showed for the voucher of a
    // line: the line and the lines around it with the same number.
    std::vector<RowFingerprint> voucherAt(int line) const;
    // The fingerprints, sorted, of every line of that number wherever it stands
    // in the list (a list whose order does not keep a voucher's rows together).
    std::vector<RowFingerprint> rowsOf(const std::string& number) const;
    // The 追番 of a line's row (0 when null); 0 for a line the list does not have.
    int rowNumberAt(int line) const;
    // The first line of a voucher, -1 when the list does not show it.
    int firstLineOf(const std::string& number) const;
    // The number of every line, in the list's order.
    std::vector<std::string> numbers() const;
    RowFingerprint fingerprintAt(std::size_t line) const { return m_lines[line].fingerprint; }

private:
    struct Line {
        std::string number;
        RowFingerprint fingerprint;
        int rowNumber;
    };
    static Line lineOf(const JournalRecord& row);

    ChunkedList<Line> m_lines;
};

}  // namespace journal
