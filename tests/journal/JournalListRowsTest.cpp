// A saved voucher put into the journal list in place: the lines that come out
// are, line for line and number for number, the lines of a fill of the
// journal as it is after the save, including the lines after the voucher
// whose blank columns depend on what it showed.
#include "journal/JournalListRows.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

using namespace journal;

namespace {

const dao::Date kNow{2024, 6, 1, 9, 30, 0};

JournalRecord row(const std::string& number, dao::Date date, int rowNumber, const std::string& partner,
                  const std::string& debit, std::int64_t amount, const std::string& branch = {})
{
    JournalRecord r;
    r.number = number;
    r.date = date;
    r.rowNumber = rowNumber;
    r.description = number + "-" + std::to_string(rowNumber);
    r.partner = partner;
    r.debitCode = debit;
    r.debitName = debit == "100" ? "現金" : debit == "400" ? "売上高" : "仕入高";
    r.debit = amount;
    r.creditCode = "111";
    r.creditName = "普通預金";
    r.credit = amount;
    if (!branch.empty()) {
        r.bankCode = "0001";
        r.branchCode = branch;
        r.bankName = "試験銀行";
        r.branchName = branch == "0001001" ? "本店" : "駅前支店";
    }
    return r;
}

// Five vouchers on three days. Partners repeat across vouchers, and V4 has
// none, so that what V3 shows decides whether V5 shows its partner.
std::vector<JournalRecord> fiveVouchers()
{
    return {
        row("V1", {2024, 5, 1}, 1, "山田商店", "100", 1000),
        row("V1", {2024, 5, 1}, 2, "", "400", 250),
        row("V2", {2024, 5, 1}, 1, "山田商店", "100", 3000, "0001001"),
        row("V3", {2024, 5, 2}, 1, "鈴木工業", "500", 700, "0001002"),
        row("V3", {2024, 5, 2}, 2, "鈴木工業", "500", 80),
        row("V4", {2024, 5, 3}, 1, "", "500", 90),
        row("V5", {2024, 5, 3}, 1, "鈴木工業", "100", 40000, "0001002"),
    };
}

struct Fill {
    JournalListRows rows;
    std::vector<std::string> lines;
};

void fill(Fill& f, const std::vector<JournalRecord>& journalRows)
{
    f.rows.start(kNow);
    f.lines.clear();
    for (const JournalRecord& r : journalRows)
        f.lines.push_back(f.rows.add(r));
}

// The journal's order, as the saved query sorts it.
void sortJournal(std::vector<JournalRecord>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const JournalRecord& a, const JournalRecord& b) {
        return std::tie(*a.date, a.number, a.rowNumber) < std::tie(*b.date, b.number, b.rowNumber);
    });
}

std::vector<JournalRecord> rowsOf(const std::vector<JournalRecord>& rows, const std::string& number)
{
    std::vector<JournalRecord> found;
    for (const JournalRecord& r : rows)
        if (r.number == number)
            found.push_back(r);
    return found;
}

void applyChanges(std::vector<std::string>& lines, const std::vector<ListLineChange>& changes)
{
    for (const ListLineChange& change : changes) {
        const auto at = lines.begin() + change.first;
        lines.erase(at, at + change.removed);
        lines.insert(lines.begin() + change.first, change.lines.begin(), change.lines.end());
    }
}

struct SaveCase {
    const char* name;
    const char* number;
    std::vector<JournalRecord> written;  // the voucher's rows after the save; none when deleted
    bool wasListed;                      // false: a new voucher
};

class SavedVoucher : public ::testing::TestWithParam<SaveCase> {};

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Saves, SavedVoucher,
    ::testing::Values(
        SaveCase{"RegisteredBeforeEveryLine", "V0", {row("V0", {2024, 4, 30}, 1, "山田商店", "100", 500)}, false},
        SaveCase{"RegisteredBetweenTwoOfOneDay", "V15", {row("V15", {2024, 5, 1}, 1, "鈴木工業", "400", 60)}, false},
        SaveCase{"RegisteredAfterEveryLine",
                 "V9",
                 {row("V9", {2024, 5, 4}, 1, "", "100", 10), row("V9", {2024, 5, 4}, 2, "", "500", 20)},
                 false},
        SaveCase{"FirstDeleted", "V1", {}, true}, SaveCase{"DeletedWhereALaterPartnerDependsOnIt", "V3", {}, true},
        SaveCase{"LastDeleted", "V5", {}, true},
        SaveCase{"UpdatedInPlace", "V4", {row("V4", {2024, 5, 3}, 1, "鈴木工業", "100", 95)}, true},
        SaveCase{
            "UpdatedToALaterDay",
            "V2",
            {row("V2", {2024, 5, 3}, 1, "山田商店", "100", 3000, "0001001"), row("V2", {2024, 5, 3}, 2, "", "400", 5)},
            true}),
    testsupport::kCaseName);

TEST_P(SavedVoucher, LinesAreThoseOfAFillOfTheJournalAfterTheSave)
{
    const SaveCase& c = GetParam();
    std::vector<JournalRecord> after = fiveVouchers();
    std::erase_if(after, [&](const JournalRecord& r) { return r.number == c.number; });
    after.insert(after.end(), c.written.begin(), c.written.end());
    sortJournal(after);

    Fill shown;
    fill(shown, fiveVouchers());
    int oldLine = -1;
    std::vector<RowFingerprint> oldRows;
    if (c.wasListed) {
        // A line of the voucher other than its first, where it has one.
        const int first = shown.rows.listed().firstLineOf(c.number);
        oldLine = shown.rows.listed().numberAt(first + 1) == c.number ? first + 1 : first;
        oldRows = VoucherFingerprints(rowsOf(fiveVouchers(), c.number));
    }
    const auto changes = shown.rows.replaceVoucher(c.number, oldLine, oldRows, c.written,
                                                   [&](const std::string& number) { return rowsOf(after, number); });
    ASSERT_TRUE(changes.has_value());
    applyChanges(shown.lines, *changes);

    Fill reloaded;
    fill(reloaded, after);
    EXPECT_EQ(shown.lines, reloaded.lines);
    EXPECT_EQ(shown.rows.listed().numbers(), reloaded.rows.listed().numbers());
    for (std::size_t line = 0; line < reloaded.rows.size(); ++line)
        EXPECT_EQ(shown.rows.listed().voucherAt(static_cast<int>(line)),
                  reloaded.rows.listed().voucherAt(static_cast<int>(line)))
            << "line " << line;

    // A second save goes on from the list as the first one left it.
    const auto second = shown.rows.replaceVoucher("V6", -1, {}, {row("V6", {2024, 5, 2}, 1, "鈴木工業", "100", 1)},
                                                  [&](const std::string& number) { return rowsOf(after, number); });
    ASSERT_TRUE(second.has_value());
    applyChanges(shown.lines, *second);
    after.push_back(row("V6", {2024, 5, 2}, 1, "鈴木工業", "100", 1));
    sortJournal(after);
    fill(reloaded, after);
    EXPECT_EQ(shown.lines, reloaded.lines);
}

TEST(SavedVoucherRefused, ChangesThatCannotBeWorkedOutInPlaceAskForAFill)
{
    const std::vector<JournalRecord> rows = fiveVouchers();
    const auto read = [&](const std::string& number) { return rowsOf(rows, number); };
    const auto oldV3 = VoucherFingerprints(rowsOf(rows, "V3"));

    Fill shown;
    fill(shown, rows);
    EXPECT_FALSE(shown.rows.replaceVoucher("V3", 3, VoucherFingerprints(rowsOf(rows, "V2")), {}, read))
        << "the lines are not the rows the file held";
    EXPECT_FALSE(shown.rows.replaceVoucher("V3", 2, oldV3, {}, read)) << "the line is another voucher's";

    const auto changedElsewhere = [&](const std::string& number) {
        auto found = rowsOf(rows, number);
        for (JournalRecord& r : found)
            r.description += "（他で変更）";
        return found;
    };
    EXPECT_FALSE(shown.rows.replaceVoucher("V1", 0, VoucherFingerprints(rowsOf(rows, "V1")), {}, changedElsewhere))
        << "a line built again no longer shows what the file holds";

    std::vector<JournalRecord> outOfOrder = rows;
    std::swap(outOfOrder[0], outOfOrder[6]);
    fill(shown, outOfOrder);
    EXPECT_FALSE(shown.rows.replaceVoucher("V0", -1, {}, {row("V0", {2024, 5, 2}, 1, "", "100", 1)}, read))
        << "a list not in date order";

    std::vector<JournalRecord> timed = rows;
    timed[6].date = dao::Date{2024, 5, 3, 12, 0, 0};
    fill(shown, timed);
    EXPECT_FALSE(shown.rows.replaceVoucher("V0", -1, {}, {row("V0", {2024, 5, 2}, 1, "", "100", 1)}, read))
        << "a date with a time of day";
}

namespace {

// 300 vouchers of one to three rows, ten a day over thirty days: some 600
// lines, so that the list holds them in several chunks.
std::vector<JournalRecord> manyVouchers()
{
    std::vector<JournalRecord> rows;
    for (int v = 0; v < 300; ++v) {
        char number[16];
        std::snprintf(number, sizeof number, "M%03d", v);
        const dao::Date date{2024, 5, 1 + v / 10};
        for (int r = 1; r <= 1 + v % 3; ++r)
            rows.push_back(row(number, date, r, v % 4 == 0 ? "" : "山田商店", r == 1 ? "100" : "500", 10 * v + r,
                               v % 5 == 0 ? "0001001" : ""));
    }
    return rows;
}

}  // namespace

// Saves at the start, in the middle, at the end and across the chunks' edges
// of a long list leave, one after another, the lines of a fill of the journal;
// a voucher updated where it stands, with as many rows, is one change of its
// own lines.
TEST(SavedVoucherInALongList, EachSaveLeavesTheLinesOfAFill)
{
    struct Save {
        std::string number;
        std::vector<JournalRecord> written;
    };
    const std::vector<Save> saves = {
        {"N0", {row("N0", {2024, 5, 1}, 1, "鈴木工業", "100", 5), row("N0", {2024, 5, 1}, 2, "", "400", 6)}},
        {"M128",
         {row("M128", {2024, 5, 13}, 1, "鈴木工業", "400", 7), row("M128", {2024, 5, 13}, 2, "", "500", 8),
          row("M128", {2024, 5, 13}, 3, "", "500", 9)}},
        {"M129", {row("M129", {2024, 5, 13}, 1, "", "100", 11)}},
        {"M127", {row("M127", {2024, 5, 2}, 1, "鈴木工業", "500", 12)}},
        {"M255", {}},
        {"N1", {row("N1", {2024, 5, 30}, 1, "", "100", 13)}},
        {"M000", {}},
    };
    std::vector<JournalRecord> journal = manyVouchers();
    Fill shown;
    fill(shown, journal);
    for (const Save& save : saves) {
        SCOPED_TRACE(save.number);
        const std::vector<JournalRecord> before = rowsOf(journal, save.number);
        std::erase_if(journal, [&](const JournalRecord& r) { return r.number == save.number; });
        journal.insert(journal.end(), save.written.begin(), save.written.end());
        sortJournal(journal);
        const int oldLine = before.empty() ? -1 : shown.rows.listed().firstLineOf(save.number);
        const auto changes =
            shown.rows.replaceVoucher(save.number, oldLine, VoucherFingerprints(before), save.written,
                                      [&](const std::string& number) { return rowsOf(journal, number); });
        ASSERT_TRUE(changes.has_value());
        if (!before.empty() && before.size() == save.written.size()
            && before.front().date == save.written.front().date) {
            ASSERT_EQ(changes->size(), 1u) << "updated where it stands";
            EXPECT_EQ(changes->front().first, oldLine);
            EXPECT_GE(changes->front().removed, static_cast<int>(save.written.size()));
            EXPECT_EQ(changes->front().lines.size(), static_cast<std::size_t>(changes->front().removed));
        }
        applyChanges(shown.lines, *changes);

        Fill reloaded;
        fill(reloaded, journal);
        ASSERT_EQ(shown.lines, reloaded.lines);
        ASSERT_EQ(shown.rows.listed().numbers(), reloaded.rows.listed().numbers());
        for (std::size_t line = 0; line < reloaded.rows.size(); ++line)
            ASSERT_EQ(shown.rows.listed().fingerprintAt(line), reloaded.rows.listed().fingerprintAt(line))
                << "line " << line;
        EXPECT_EQ(shown.rows.firstLineOf(save.number,
                                         save.written.empty() ? dao::Date{2024, 5, 1} : *save.written.front().date),
                  reloaded.rows.listed().firstLineOf(save.number));
    }
}
