// What a list keeps of its lines: the number, the 追番 and the fingerprint of
// each line's row, used by key whatever the line's position. A closing list
// shows the rows in the saved query's order, so one voucher's rows need not
// stand together.
#include "journal/ListedRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using journal::JournalRecord;
using journal::ListedRows;

namespace {

JournalRecord row(const std::string& number, int rowNumber, std::int64_t amount)
{
    JournalRecord r;
    r.number = number;
    r.rowNumber = rowNumber;
    r.description = "決算整理";
    r.debitCode = "710";
    r.debit = amount;
    r.creditCode = "140";
    r.credit = amount;
    return r;
}

// Lines: A/1, B/1, A/2 (A's two rows apart).
class ListedRowsApartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const JournalRecord& r : {a1, b1, a2})
            listed.add(r);
    }
    const JournalRecord a1 = row("A", 1, 1000), b1 = row("B", 1, 2000), a2 = row("A", 2, 300);
    ListedRows listed;
};

TEST_F(ListedRowsApartTest, AVouchersRowsAreFoundWhereverTheyStand)
{
    EXPECT_EQ(listed.rowsOf("A"), journal::VoucherFingerprints({a2, a1}));
    EXPECT_EQ(listed.rowsOf("B"), journal::VoucherFingerprints({b1}));
    EXPECT_TRUE(listed.rowsOf("C").empty());
    // By position the voucher of line 0 is only the run of lines around it.
    EXPECT_EQ(listed.voucherAt(0), journal::VoucherFingerprints({a1}));
}

TEST_F(ListedRowsApartTest, EachLineKeepsItsRowNumber)
{
    EXPECT_EQ(listed.numberAt(2), "A");
    EXPECT_EQ(listed.rowNumberAt(2), 2);
    EXPECT_EQ(listed.rowNumberAt(3), 0);
    EXPECT_EQ(listed.rowNumberAt(-1), 0);

    // Replaced lines bring their own row numbers; the lines after keep theirs.
    listed.replace(1, 1, {row("C", 7, 50), row("C", 8, 60)});
    EXPECT_EQ(listed.numbers(), (std::vector<std::string>{"A", "C", "C", "A"}));
    EXPECT_EQ(listed.rowNumberAt(1), 7);
    EXPECT_EQ(listed.rowNumberAt(2), 8);
    EXPECT_EQ(listed.rowNumberAt(3), 2);

    listed.clear();
    EXPECT_EQ(listed.size(), 0u);
    EXPECT_EQ(listed.rowNumberAt(0), 0);
}

// A row changed since the list showed it no longer matches what the list keeps.
TEST_F(ListedRowsApartTest, AChangedRowNoLongerMatches)
{
    JournalRecord changed = a2;
    changed.debit = changed.credit = 301;
    EXPECT_NE(listed.rowsOf("A"), journal::VoucherFingerprints({a1, changed}));
}

}  // namespace
