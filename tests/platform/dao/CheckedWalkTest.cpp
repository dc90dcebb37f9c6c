// A checked walk (Database::ForEachCheckedRow) reads what a recordset on the
// table reads, and refuses what it refuses in the same words: the file, the
// table, the row by its place in the table and its first fields, and the
// field. A field the table lacks is refused by its name, never read as a text.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

using namespace dao;
using namespace daotest;

namespace {

std::shared_ptr<Database> openDb(const std::string& path)
{
    return DBEngine::instance().Workspaces(0)->OpenDatabase(path);
}

enum class Reading { WholeNumber, Day };

// The journal's fields the walk reads, in this order.
const std::vector<std::string> kFields{"日付", "追番", "入金"};

// Reads `field` of every row of the journal as the walk reads it.
void walk(Database& db, const std::string& field, Reading reading)
{
    const int column = static_cast<int>(std::find(kFields.begin(), kFields.end(), field) - kFields.begin());
    db.ForEachCheckedRow("仕訳台帳", kFields, {}, {}, [&](const CheckedRow& row) {
        if (reading == Reading::Day)
            row.day(column);
        else
            row.wholeNumber(column);
    });
}

struct Refused {
    const char* name;
    const char* spoil;  // run on the row of voucher 002 (the table's first row)
    const char* field;
    Reading reading;
};

void PrintTo(const Refused& c, std::ostream* out)
{
    *out << c.name;
}

class CheckedWalkRefusal : public ::testing::TestWithParam<Refused> {};

INSTANTIATE_TEST_SUITE_P(
    Values, CheckedWalkRefusal,
    ::testing::Values(Refused{"text amount", "入金 = 'abc'", "入金", Reading::WholeNumber},
                      Refused{"fraction of a yen", "入金 = 1.5", "入金", Reading::WholeNumber},
                      Refused{"amount of ten to the 300", "入金 = 1e300", "入金", Reading::WholeNumber},
                      Refused{"amount beyond thirty two bits", "入金 = 5000000000", "入金", Reading::WholeNumber},
                      Refused{"row number beyond its field", "追番 = 70000", "追番", Reading::WholeNumber},
                      Refused{"date that is a word", "日付 = 'yesterday'", "日付", Reading::Day},
                      Refused{"date that does not exist", "日付 = '2024-02-30'", "日付", Reading::Day},
                      Refused{"date stored as a number", "日付 = 20240403", "日付", Reading::Day}),
    testsupport::kCaseName);

TEST_P(CheckedWalkRefusal, SaysWhatTheTablesRecordsetSays)
{
    const Refused& c = GetParam();
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, std::string("UPDATE 仕訳台帳 SET ") + c.spoil + " WHERE 伝票番号 = '002'");
    auto db = openDb(path);

    std::optional<DaoError> byRecordset;
    try {
        auto table = db->OpenRecordset("仕訳台帳", RecordsetType::Table);
        table->FindFirst("伝票番号 = '002'");
        table->get(c.field);
    } catch (const DaoError& e) {
        byRecordset = e;
    }
    ASSERT_TRUE(byRecordset) << "the recordset read the value";
    try {
        walk(*db, c.field, c.reading);
        FAIL() << "the walk read the value";
    } catch (const DaoError& e) {
        EXPECT_EQ(std::string(e.what()), std::string(byRecordset->what()));
        EXPECT_EQ(e.code(), byRecordset->code());
    }
}

// Values a recordset reads: the walk reads the same number or day.
struct Read {
    const char* name;
    const char* stored;  // an SQL value for 入金 or 日付
    const char* field;
    std::optional<long long> expected;  // the number, or the day as a date's day number; none: empty
};

void PrintTo(const Read& c, std::ostream* out)
{
    *out << c.name;
}

class CheckedWalkReading : public ::testing::TestWithParam<Read> {};

INSTANTIATE_TEST_SUITE_P(
    Values, CheckedWalkReading,
    ::testing::Values(Read{"whole amount", "5000", "入金", 5000}, Read{"null amount", "NULL", "入金", 0},
                      Read{"blank amount", "'  '", "入金", 0}, Read{"amount held as text", "'1500'", "入金", 1500},
                      Read{"whole amount held as real", "1500.0", "入金", 1500},
                      Read{"negative amount", "-2147483648", "入金", -2147483648LL},
                      Read{"iso date", "'2024-04-03'", "日付", Date{2024, 4, 3}.dayNumber()},
                      Read{"date with slashes", "'2024/4/3'", "日付", Date{2024, 4, 3}.dayNumber()},
                      Read{"date with a time of day", "'2024-04-03 18:00:00'", "日付", Date{2024, 4, 3}.dayNumber()},
                      Read{"no date", "NULL", "日付", std::nullopt}, Read{"blank date", "' '", "日付", std::nullopt}),
    testsupport::kCaseName);

TEST_P(CheckedWalkReading, ReadsTheValueTheRecordsetReads)
{
    const Read& c = GetParam();
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, std::string("UPDATE 仕訳台帳 SET ") + c.field + " = " + c.stored + " WHERE 伝票番号 = '002'");
    auto db = openDb(path);
    const bool day = std::string(c.field) == "日付";
    std::optional<long long> read;
    bool first = true;
    db->ForEachCheckedRow("仕訳台帳", {"伝票番号", c.field}, {}, {}, [&](const CheckedRow& row) {
        if (first)
            read = day ? row.day(1) : std::optional<long long>(row.wholeNumber(1));
        first = false;
    });
    EXPECT_EQ(read, c.expected);
}

// A field another tool renamed is named, in the walk's columns as in its condition.
TEST(CheckedWalk, AFieldTheTableLacksIsRefusedByItsName)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, "ALTER TABLE 仕訳台帳 RENAME COLUMN 入金 TO 借方金額");
    auto db = openDb(path);
    for (const auto& [columns, condition] :
         {std::pair<std::vector<std::string>, std::string>{{"日付", "入金"}, ""}, {{"日付"}, "\"入金\" <> 0"}}) {
        try {
            db->ForEachCheckedRow("仕訳台帳", columns, condition, {}, [](const CheckedRow&) {});
            ADD_FAILURE() << "walked without "
                          << "入金";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::NoSuchField);
            EXPECT_EQ(std::string(e.what()).rfind(
                          "ファイル「" + path + "」の「仕訳台帳」にフィールド「入金」がありません", 0),
                      0u)
                << e.what();
        }
    }
}

// Every connection the program opens (on a file for writing or for reading,
// and the copy held in memory) takes a double-quoted name for a column only:
// one that names none is refused by its name, never compared as a text.
TEST(CheckedWalk, EveryConnectionRefusesADoubleQuotedNameThatNamesNoColumn)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    auto workspace = std::make_shared<Workspace>();
    const std::shared_ptr<Database> connections[] = {
        workspace->OpenDatabase(path), workspace->OpenDatabase(path, true),
        workspace->OpenScratchCopy(path, dir.file("会社第2期.mdb.tmp-abcdef"))};
    for (const auto& db : connections) {
        SCOPED_TRACE(db->path());
        try {
            db->ForEachRow("SELECT count(*) FROM 仕訳台帳 WHERE \"借方金額\" = 0", {}, "仕訳台帳",
                           [](const RowView&) {});
            ADD_FAILURE() << "read the name as a text";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::NoSuchField);
            EXPECT_NE(std::string(e.what()).find("「仕訳台帳」にフィールド「借方金額」がありません"), std::string::npos)
                << e.what();
        }
    }
    for (const auto& db : connections)
        db->Close();
    workspace->Close();
}

}  // namespace
