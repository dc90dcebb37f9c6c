// What a list keeps of its lines: the number, the 追番 and the fingerprint of
// each line's row, used by key whatever the line's position. A closing list
// shows the rows in the saved query's order, so one voucher's rows need not
// stand together.
#include "journal/ListedRows.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
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

// A row's date is part of what it stores: a row read again with its date
// changed in any part, given a time of day or taken away, no longer matches;
// read again unchanged it matches.
struct DateChange {
    const char* name;
    std::optional<dao::Date> before;
    std::optional<dao::Date> after;
};

void PrintTo(const DateChange& c, std::ostream* out)
{
    *out << c.name;
}

const DateChange kDateChanges[] = {
    {"Day", dao::Date{2024, 4, 1}, dao::Date{2024, 4, 11}},
    {"Month", dao::Date{2024, 4, 1}, dao::Date{2024, 10, 1}},
    {"Year", dao::Date{2024, 4, 1}, dao::Date{2014, 4, 1}},
    {"Century", dao::Date{2024, 4, 1}, dao::Date{1924, 4, 1}},
    {"TimeOfDay", dao::Date{2024, 4, 1}, dao::Date{2024, 4, 1, 9, 30, 0}},
    {"YearOfFiveDigits", dao::Date{2024, 4, 1}, dao::Date{12024, 4, 1}},
    {"TakenAway", dao::Date{2024, 4, 1}, std::nullopt},
    {"Given", std::nullopt, dao::Date{2024, 4, 1}},
};

class FingerprintDateTest : public ::testing::TestWithParam<DateChange> {};

INSTANTIATE_TEST_SUITE_P(Changes, FingerprintDateTest, ::testing::ValuesIn(kDateChanges), testsupport::kCaseName);

TEST_P(FingerprintDateTest, AChangedDateNoLongerMatches)
{
    JournalRecord before = row("A", 1, 1000), after = before;
    before.date = GetParam().before;
    after.date = GetParam().after;
    EXPECT_NE(journal::FingerprintOf(before), journal::FingerprintOf(after));
    EXPECT_EQ(journal::FingerprintOf(after), journal::FingerprintOf(JournalRecord(after)));
}

}  // namespace
