// Dates read by their value: the SQL function behind every period filter and
// a date column's value agree on every form a file may hold, and the period
// conditions keep a row by its day whatever that form is.
#include "platform/dao/DayOfDate.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "platform/dao/RowView.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace dao;
using namespace daotest;

namespace {

struct DateForm {
    const char* name;
    const char* stored;       // 日付 as the file holds it
    std::optional<Date> day;  // the day it means; none when it is no date
};
void PrintTo(const DateForm& c, std::ostream* os)
{
    *os << c.name;
}

const DateForm kForms[] = {
    {"iso", "2026-03-03", Date{2026, 3, 3}},
    {"iso with time", "2026-03-31 18:00:00", Date{2026, 3, 31}},
    {"slashes unpadded", "2026/3/3", Date{2026, 3, 3}},
    {"slashes padded", "2026/03/03", Date{2026, 3, 3}},
    {"hyphens unpadded", "2026-3-3", Date{2026, 3, 3}},
    {"slashes with time", "2026/3/31 9:30", Date{2026, 3, 31}},
    {"blanks around", " 2026/3/3 ", Date{2026, 3, 3}},
    {"leap day", "2024/2/29", Date{2024, 2, 29}},
    {"no such day", "2026/2/30", std::nullopt},
    {"month thirteen", "2026/13/1", std::nullopt},
    {"words", "来週", std::nullopt},
    {"empty", "", std::nullopt},
    {"mixed separators", "2026/3-3", std::nullopt},
};

class DateByValue : public ::testing::TestWithParam<DateForm> {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Database> db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);

    std::optional<long long> dayOfSql(const std::string& sql)
    {
        std::optional<long long> day;
        db->ForEachRow(sql, {Value(GetParam().stored)}, "仕訳台帳", [&](const RowView& row) {
            if (!row.isNull(0))
                day = row.integer(0);
        });
        return day;
    }
};

}  // namespace

TEST_P(DateByValue, TheFilterAndTheColumnReadTheSameDay)
{
    const DateForm& c = GetParam();
    const std::optional<long long> expected = c.day ? std::optional<long long>(c.day->dayNumber()) : std::nullopt;
    EXPECT_EQ(dayOfSql("SELECT dao_day(?1)"), expected);
    // A walk that reads the day itself, the text met before or not.
    StoredDays days;
    EXPECT_EQ(days.dayOf(c.stored), expected);
    EXPECT_EQ(days.dayOf(c.stored), expected);

    // The same text in a date column reads as the same day (a text that is no
    // date the column refuses as a damaged value, a matter of its own).
    if (!c.day)
        return;
    rawExec(path, "DELETE FROM 仕訳台帳");
    rawExec(path, std::string("INSERT INTO 仕訳台帳 (日付, 伝票番号) VALUES ('") + c.stored + "', 'X')");
    auto rs = db->OpenRecordset("仕訳台帳", RecordsetType::Snapshot);
    rs->MoveFirst();
    const std::optional<Date> read = rs->get("日付").toDate();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->dayNumber(), c.day->dayNumber());
}

// The period 2026-03-01 .. 2026-03-31 by both conditions: a row is in exactly
// one of them, and in the period when its day is.
TEST_P(DateByValue, APeriodKeepsTheRowByItsDay)
{
    const DateForm& c = GetParam();
    const Date first{2026, 3, 1};
    const Date last{2026, 3, 31};
    const bool within = c.day && *c.day >= first && *c.day <= last;
    rawExec(path, "DELETE FROM 仕訳台帳");
    rawExec(path, std::string("INSERT INTO 仕訳台帳 (日付, 伝票番号) VALUES ('") + c.stored + "', 'X')");
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳"), 1);
    long long in = -1, out = -1;
    db->ForEachRow("SELECT count(*) FROM 仕訳台帳 WHERE " + DayWithinSql("日付", first, last), {}, "仕訳台帳",
                   [&](const RowView& row) { in = row.integer(0); });
    db->ForEachRow("SELECT count(*) FROM 仕訳台帳 WHERE " + DayOutsideSql("日付", first, last), {}, "仕訳台帳",
                   [&](const RowView& row) { out = row.integer(0); });
    EXPECT_EQ(in, within ? 1 : 0);
    EXPECT_EQ(out, within ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Forms, DateByValue, ::testing::ValuesIn(kForms), testsupport::kCaseName);

// A walk's remembered days over more dates than it keeps, each read again
// after others took its place and in other forms: always the day the text
// means, never another text's.
TEST(RememberedDays, AreTheDaysOfTheTextsReadWhateverCameBefore)
{
    std::vector<std::string> texts;
    for (long long day = Date{2023, 1, 1}.dayNumber(); day < Date{2026, 1, 1}.dayNumber(); ++day) {
        const Date date = Date::fromDayNumber(day);
        texts.push_back(date.isoText());
        texts.push_back(std::to_string(date.year) + "/" + std::to_string(date.month) + "/" + std::to_string(date.day));
        texts.push_back(date.isoText() + " 23:59:59");
    }
    texts.push_back("2026/2/30");
    texts.push_back("2026-03-31 18:00:00 の入金");  // longer than any form it keeps
    StoredDays days;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::string& text = texts[pass == 0 ? i : texts.size() - 1 - i];
            ASSERT_EQ(days.dayOf(text), StoredDay(text)) << text;
        }
    EXPECT_EQ(days.dayOf("2024-02-29"), (Date{2024, 2, 29}.dayNumber()));
    EXPECT_EQ(days.dayOf("2026/2/30"), std::nullopt);
}

// The edges of a period and the days next to them, in the form another tool writes.
TEST(DateByValueEdges, BothEndsBelongToThePeriodAndTheirNeighboursDoNot)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, "DELETE FROM 仕訳台帳");
    rawExec(path,
            "INSERT INTO 仕訳台帳 (日付, 伝票番号) VALUES ('2025/3/31', '前日'), ('2025/4/1', '初日'),"
            " ('2026/3/31 23:59:59', '末日'), ('2026/4/1', '翌日'), (NULL, '日付なし')");
    auto db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    const Date first{2025, 4, 1};
    const Date last{2026, 3, 31};
    std::string within, outside;
    db->ForEachRow("SELECT 伝票番号 FROM 仕訳台帳 WHERE " + DayWithinSql("日付", first, last) + " ORDER BY rowid", {},
                   "仕訳台帳", [&](const RowView& row) { within += std::string(row.text(0)) + " "; });
    db->ForEachRow("SELECT 伝票番号 FROM 仕訳台帳 WHERE " + DayOutsideSql("日付", first, last) + " ORDER BY rowid", {},
                   "仕訳台帳", [&](const RowView& row) { outside += std::string(row.text(0)) + " "; });
    EXPECT_EQ(within, "初日 末日 ");
    EXPECT_EQ(outside, "前日 翌日 日付なし ");
}
