// Rows a recordset keeps read are read again after this program wrote to a
// table they come from, whichever way the table is read (joined, in a
// subquery) and however it was written (a row at a time, emptied whole, a
// write undone by a rollback); rows from other tables stay as they were read.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

using namespace dao;
using namespace daotest;

namespace {

const char* const kSampleCount =
    "SELECT rowid AS dao_rowid, 伝票番号, (SELECT count(*) FROM 型見本) AS 見本数 FROM 仕訳台帳 ORDER BY rowid";

struct KeptRowsCase {
    const char* name;
    const char* source;  // a dynaset; its first row is watched
    const char* field;
    // What the file holds in that field afterwards, read raw.
    const char* expectedSql;
    std::function<void(Workspace&, Database&, Recordset&)> change;
};

void PrintTo(const KeptRowsCase& c, std::ostream* out)
{
    *out << c.name;
}

void readFirst(Recordset& rows, const char* field)
{
    rows.MoveFirst();
    (void)rows.get(field);
}

const KeptRowsCase kCases[] = {
    {"JoinedAccountRenamed", "Q_仕訳台帳", "勘定科目名", "SELECT '小口現金'",
     [](Workspace&, Database& db, Recordset&) {
         db.Execute("UPDATE 勘定科目コード表 SET 勘定科目名 = '小口現金' WHERE 勘定科目コード = '100'");
     }},
    {"OwnRowChanged", "Q_仕訳台帳", "摘要", "SELECT '訂正'",
     [](Workspace&, Database& db, Recordset&) {
         db.Execute("UPDATE 仕訳台帳 SET 摘要 = '訂正' WHERE 伝票番号 = '001' AND 追番 = 1");
     }},
    {"TableOfASubqueryGainsARow", kSampleCount, "見本数", "SELECT count(*) FROM 型見本",
     [](Workspace&, Database& db, Recordset&) { db.Execute("INSERT INTO 型見本 (文字) VALUES ('b')"); }},
    {"TableOfASubqueryEmptiedWhole", kSampleCount, "見本数", "SELECT count(*) FROM 型見本",
     [](Workspace&, Database& db, Recordset&) { db.Execute("DELETE FROM 型見本"); }},
    {"WriteUndoneByARollback", "Q_仕訳台帳", "勘定科目名", "SELECT '現金'",
     [](Workspace& workspace, Database& db, Recordset& rows) {
         workspace.BeginTrans();
         db.Execute("UPDATE 勘定科目コード表 SET 勘定科目名 = '小口現金' WHERE 勘定科目コード = '100'");
         readFirst(rows, "勘定科目名");  // read as it stands inside the transaction
         workspace.Rollback();
     }},
};

class KeptRowsTest : public ::testing::TestWithParam<KeptRowsCase> {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
};

}  // namespace

TEST_P(KeptRowsTest, ARowReadBeforeAWriteToItsTablesShowsTheFileAfterIt)
{
    const KeptRowsCase& c = GetParam();
    rawExec(path, "INSERT INTO 型見本 (文字) VALUES ('a')");
    auto workspace = DBEngine::instance().Workspaces(0);
    auto db = workspace->OpenDatabase(path);
    auto rows = db->OpenRecordset(c.source, RecordsetType::Dynaset);
    // Another recordset reads the first rows too, so that both keep them read.
    auto other = db->OpenRecordset(c.source, RecordsetType::Dynaset);
    readFirst(*rows, c.field);
    readFirst(*other, c.field);
    c.change(*workspace, *db, *rows);
    const std::string expected = rawText(path, c.expectedSql);
    for (Recordset* recordset : {rows.get(), other.get()}) {
        recordset->MoveFirst();
        EXPECT_EQ(recordset->get(c.field).toText(), expected);
    }
}

TEST(KeptRowsOfOtherTables, AWriteToATableARecordsetDoesNotReadLeavesItsRowsAsRead)
{
    TempDir dir;
    const std::string path = makePeriodFile(dir);
    auto db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    auto accounts = db->OpenRecordset("Q_勘定科目コード表", RecordsetType::Dynaset);
    accounts->MoveFirst();
    EXPECT_EQ(accounts->get("勘定科目名").toText(), "現金");
    db->Execute("UPDATE 仕訳台帳 SET 摘要 = '訂正'");
    accounts->MoveLast();
    accounts->MoveFirst();
    EXPECT_EQ(accounts->get("勘定科目名").toText(), "現金");
    EXPECT_EQ(accounts->RecordCount(), 5);
}

INSTANTIATE_TEST_SUITE_P(Writes, KeptRowsTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<KeptRowsCase>& written) {
                             return std::string(written.param.name);
                         });
