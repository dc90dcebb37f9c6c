// A recordset's walk over every row (ForEachRow) gives the rows a MoveFirst /
// MoveNext walk gives, with the same values and the same refusals, whatever
// another program did to the file between the open and the walk.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace dao;
using namespace daotest;

namespace {

using Rows = std::vector<std::string>;

// A row as "伝票番号/追番 摘要 取引先 入金", read by position as a list fill reads it.
std::string shownAt(const Recordset& rs)
{
    std::string number, description, partner;
    rs.getTextAt(rs.fieldPosition("伝票番号"), number);
    rs.getTextAt(rs.fieldPosition("摘要"), description);
    rs.getTextAt(rs.fieldPosition("取引先"), partner);
    return number + "/" + rs.getAt(rs.fieldPosition("追番")).toText() + " " + description + " " + partner + " "
        + rs.getAt(rs.fieldPosition("入金")).toText();
}

Rows walkedByForEachRow(Recordset& rs)
{
    Rows rows;
    rs.ForEachRow([&] { rows.push_back(shownAt(rs)); });
    return rows;
}

Rows walkedByMoveNext(Recordset& rs)
{
    Rows rows;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        rows.push_back(shownAt(rs));
    return rows;
}

struct WalkCase {
    const char* name;
    const char* source;
    RecordsetType type;
    const char* before;   // run before the open, on the file
    const char* between;  // run by another program between the open and the walk
    bool deleteFirst;     // the first row deleted through the walked recordset before the walk
    Rows expected;
};

void PrintTo(const WalkCase& c, std::ostream* out)
{
    *out << c.name;
}

const WalkCase kWalks[] = {
    {"AsOpened",
     "Q_仕訳台帳",
     RecordsetType::Dynaset,
     "",
     "",
     false,
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 現金仕入  3000", "002/1 仕入 山田商店 5000"}},
    {"RowDeletedElsewhere",
     "Q_仕訳台帳",
     RecordsetType::Dynaset,
     "",
     "DELETE FROM 仕訳台帳 WHERE 伝票番号 = '001' AND 追番 = 2",
     false,
     {"001/1 売上 O'Brien 10000", "003/1 現金仕入  3000", "002/1 仕入 山田商店 5000"}},
    {"RowChangedElsewhere",
     "Q_仕訳台帳",
     RecordsetType::Dynaset,
     "",
     "UPDATE 仕訳台帳 SET 摘要 = '訂正', 入金 = 4000 WHERE 伝票番号 = '003'",
     false,
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 訂正  4000", "002/1 仕入 山田商店 5000"}},
    // The membership keeps its order: the row stays where it was when opened.
    {"RowMovedElsewhere",
     "Q_仕訳台帳",
     RecordsetType::Dynaset,
     "",
     "UPDATE 仕訳台帳 SET 日付 = '2024-03-31' WHERE 伝票番号 = '002'",
     false,
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 現金仕入  3000", "002/1 仕入 山田商店 5000"}},
    {"RowAddedElsewhereIsNoMember",
     "Q_仕訳台帳",
     RecordsetType::Dynaset,
     "",
     "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
     " VALUES ('2024-04-01', '000', 1, '追加', '100', 1, '500', 1)",
     false,
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 現金仕入  3000", "002/1 仕入 山田商店 5000"}},
    {"RowDeletedThroughTheRecordset",
     "Q_仕訳台帳",
     RecordsetType::Dynaset,
     "",
     "",
     true,
     {"001/2 売上 OBrien 2000", "003/1 現金仕入  3000", "002/1 仕入 山田商店 5000"}},
    {"EmptySource", "Q_仕訳台帳", RecordsetType::Dynaset, "DELETE FROM 仕訳台帳", "", false, {}},
    {"EveryRowDeletedElsewhere", "Q_仕訳台帳", RecordsetType::Dynaset, "", "DELETE FROM 仕訳台帳", false, {}},
    {"SqlTextWithAFilter",
     "SELECT * FROM Q_仕訳台帳 WHERE 借方コード = '100' OR 貸方コード = '100'",
     RecordsetType::Dynaset,
     "",
     "",
     false,
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 現金仕入  3000"}},
    {"Snapshot",
     "Q_仕訳台帳",
     RecordsetType::Snapshot,
     "",
     "DELETE FROM 仕訳台帳",
     false,
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 現金仕入  3000", "002/1 仕入 山田商店 5000"}},
};

class RecordsetWalk : public ::testing::TestWithParam<WalkCase> {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
};

INSTANTIATE_TEST_SUITE_P(Cases, RecordsetWalk, ::testing::ValuesIn(kWalks), testsupport::kCaseName);

}  // namespace

TEST_P(RecordsetWalk, GivesTheRowsOfAMoveNextWalk)
{
    const WalkCase& c = GetParam();
    if (*c.before)
        rawExec(path, c.before);
    auto db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    auto walked = db->OpenRecordset(c.source, c.type);
    auto moved = db->OpenRecordset(c.source, c.type);
    if (c.deleteFirst)
        walked->Delete();
    if (*c.between) {
        OtherProgram other(path);
        other.exec(c.between);
    }
    const Rows rows = walkedByForEachRow(*walked);
    EXPECT_EQ(rows, c.expected);
    EXPECT_EQ(rows, walkedByMoveNext(*moved));
    EXPECT_TRUE(walked->EOF_());
    // The recordset works on after the walk, on the rows it walked.
    if (!c.expected.empty()) {
        walked->MoveFirst();
        EXPECT_EQ(shownAt(*walked), c.expected.front());
    }
}

TEST_P(RecordsetWalk, ASecondWalkGivesTheSameRows)
{
    const WalkCase& c = GetParam();
    if (*c.before)
        rawExec(path, c.before);
    auto rs = DBEngine::instance().Workspaces(0)->OpenDatabase(path)->OpenRecordset(c.source, c.type);
    if (c.deleteFirst)
        rs->Delete();
    if (*c.between) {
        OtherProgram other(path);
        other.exec(c.between);
    }
    const Rows first = walkedByForEachRow(*rs);
    EXPECT_EQ(walkedByForEachRow(*rs), first);
}

namespace {

// A value the recordset refuses, met by the walk as by a MoveNext walk.
struct RefusedCase {
    const char* name;
    const char* spoil;
    const char* source;
    const char* field;
    int rowsBefore;  // rows the walk visits before the refused one
};

void PrintTo(const RefusedCase& c, std::ostream* out)
{
    *out << c.name;
}

const RefusedCase kRefused[] = {
    {"AmountBeyondItsField", "UPDATE 仕訳台帳 SET 入金 = 1e300 WHERE 伝票番号 = '003'", "Q_仕訳台帳", "入金", 2},
    {"TextInAnAmount", "UPDATE 仕訳台帳 SET 入金 = 'たくさん' WHERE 伝票番号 = '002'", "Q_仕訳台帳", "入金", 3},
    {"DateThatDoesNotExist", "UPDATE 仕訳台帳 SET 日付 = '2024-04-31' WHERE 伝票番号 = '002'", "Q_仕訳台帳", "日付", 3},
    // 会計年度 is a period's number: 1 or more.
    {"OutOfItsDomain", "UPDATE 会計設定 SET 会計年度 = 0", "会計設定", "会計年度", 0},
};

class RecordsetWalkRefusal : public ::testing::TestWithParam<RefusedCase> {};

INSTANTIATE_TEST_SUITE_P(Cases, RecordsetWalkRefusal, ::testing::ValuesIn(kRefused), testsupport::kCaseName);

// The message of the refusal that reading `field` on every row meets.
std::string refusal(const std::function<void(const std::function<void()>&)>& walk, Recordset& rs,
                    const std::string& field, int& visited)
{
    visited = 0;
    try {
        walk([&] {
            rs.get(field);
            ++visited;
        });
    } catch (const DaoError& e) {
        return std::to_string(static_cast<int>(e.code())) + " " + e.what();
    }
    return "no refusal";
}

// What a one-pass walk over `walked` and a MoveNext walk over `moved` (two
// recordsets on one source) each meet reading `field`, and how many rows each
// read before it.
struct Refusals {
    std::string byWalk, byMoves;
    int walkedRows = 0, movedRows = 0;
};

Refusals refusalsOf(Recordset& walked, Recordset& moved, const std::string& field)
{
    Refusals r;
    r.byWalk =
        refusal([&](const std::function<void()>& visit) { walked.ForEachRow(visit); }, walked, field, r.walkedRows);
    r.byMoves = refusal(
        [&](const std::function<void()>& visit) {
            for (moved.MoveFirst(); !moved.EOF_(); moved.MoveNext())
                visit();
        },
        moved, field, r.movedRows);
    return r;
}

}  // namespace

TEST_P(RecordsetWalkRefusal, IsTheRefusalOfAMoveNextWalk)
{
    const RefusedCase& c = GetParam();
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, c.spoil);
    auto db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    auto walked = db->OpenRecordset(c.source);
    auto moved = db->OpenRecordset(c.source);
    const Refusals r = refusalsOf(*walked, *moved, c.field);
    EXPECT_NE(r.byWalk, "no refusal");
    EXPECT_EQ(r.byWalk, r.byMoves);
    EXPECT_EQ(r.walkedRows, c.rowsBefore);
    EXPECT_EQ(r.movedRows, c.rowsBefore);
}

// ---- a recordset opened for a walk ---------------------------------------------------------

namespace {

// What another program does between the open and the first use.
struct ForWalkCase {
    const char* name;
    const char* between;
    Rows expected;  // the rows the file holds at the first use
};

void PrintTo(const ForWalkCase& c, std::ostream* out)
{
    *out << c.name;
}

const ForWalkCase kForWalk[] = {
    {"AsOpened",
     "",
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 現金仕入  3000", "002/1 仕入 山田商店 5000"}},
    {"RowAddedElsewhere",
     "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
     " VALUES ('2024-04-01', '000', 1, '追加', '100', 1, '500', 1)",
     {"000/1 追加  1", "001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "003/1 現金仕入  3000",
      "002/1 仕入 山田商店 5000"}},
    {"RowDeletedElsewhere",
     "DELETE FROM 仕訳台帳 WHERE 伝票番号 = '003'",
     {"001/1 売上 O'Brien 10000", "001/2 売上 OBrien 2000", "002/1 仕入 山田商店 5000"}},
    {"EveryRowDeletedElsewhere", "DELETE FROM 仕訳台帳", {}},
};

class RecordsetForWalk : public ::testing::TestWithParam<ForWalkCase> {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Database> db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);

    std::unique_ptr<Recordset> openedBeforeTheChange()
    {
        auto rs = db->OpenRecordsetForWalk("Q_仕訳台帳");
        if (*GetParam().between) {
            OtherProgram other(path);
            other.exec(GetParam().between);
        }
        return rs;
    }
};

INSTANTIATE_TEST_SUITE_P(Cases, RecordsetForWalk, ::testing::ValuesIn(kForWalk), testsupport::kCaseName);

}  // namespace

TEST_P(RecordsetForWalk, ItsFirstWalkTakesTheRowsAndKeepsThemAsItsMembership)
{
    auto rs = openedBeforeTheChange();
    EXPECT_EQ(walkedByForEachRow(*rs), GetParam().expected);
    EXPECT_TRUE(rs->EOF_());
    EXPECT_EQ(rs->RecordCount(), static_cast<long long>(GetParam().expected.size()));
    EXPECT_EQ(walkedByMoveNext(*rs), GetParam().expected);
    EXPECT_EQ(walkedByForEachRow(*rs), GetParam().expected);
    // A row the file gains after the first walk is no member.
    rawExec(path, "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要) VALUES ('2024-04-01', '0000', 1, '後から')");
    EXPECT_EQ(walkedByForEachRow(*rs), GetParam().expected);
}

TEST_P(RecordsetForWalk, AMoveBeforeAnyWalkReadsTheMembershipThen)
{
    auto rs = openedBeforeTheChange();
    EXPECT_EQ(rs->isEmpty(), GetParam().expected.empty());
    EXPECT_EQ(walkedByMoveNext(*rs), GetParam().expected);
    EXPECT_EQ(walkedByForEachRow(*rs), GetParam().expected);
}

TEST_P(RecordsetForWalk, RowsWrittenThroughItBeforeAnyWalkAreItsOwn)
{
    auto rs = openedBeforeTheChange();
    rs->AddNew();
    rs->set("伝票番号", Value("009"));
    rs->set("追番", Value(1));
    rs->set("摘要", Value("追記"));
    rs->set("入金", Value(9));
    rs->Update();
    Rows expected = GetParam().expected;
    expected.push_back("009/1 追記  9");  // added rows come at the end
    EXPECT_EQ(walkedByForEachRow(*rs), expected);
}

// A refusal met by the first walk is the refusal of a MoveNext walk, and the
// recordset keeps its whole membership for what comes after.
TEST(RecordsetForWalkRefusal, IsTheRefusalOfAMoveNextWalkAndLosesNoRow)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    rawExec(path, "UPDATE 仕訳台帳 SET 入金 = 'たくさん' WHERE 伝票番号 = '003'");
    auto db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    auto walked = db->OpenRecordsetForWalk("Q_仕訳台帳");
    auto moved = db->OpenRecordset("Q_仕訳台帳");
    const Refusals r = refusalsOf(*walked, *moved, "入金");
    EXPECT_NE(r.byWalk, "no refusal");
    EXPECT_EQ(r.byWalk, r.byMoves);
    EXPECT_EQ(r.walkedRows, 2);
    EXPECT_EQ(walked->RecordCount(), 4);
    Rows numbers;
    for (walked->MoveFirst(); !walked->EOF_(); walked->MoveNext())
        numbers.push_back(walked->get("伝票番号").toText());
    EXPECT_EQ(numbers, (Rows{"001", "001", "003", "002"}));
}
