// Recordset behaviour: order, moving, bookmarks, finding, dynaset membership,
// writing through saved queries, and open recordsets never blocking writers.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <thread>

using namespace dao;
using namespace daotest;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Database> db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);

    // The walk from the current row to the end, as "伝票番号/追番".
    static std::vector<std::string> walk(Recordset& rs)
    {
        std::vector<std::string> rows;
        for (; !rs.EOF_(); rs.MoveNext())
            rows.push_back(rs.get("伝票番号").toText() + "/" + rs.get("追番").toText());
        return rows;
    }
    using Rows = std::vector<std::string>;
};

}  // namespace

TEST_F(RecordsetTest, SavedQueryAndSqlTextKeepTheQueryOrder)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    EXPECT_EQ(walk(*rs), (Rows{"001/1", "001/2", "003/1", "002/1"}));
    auto sales = db->OpenRecordset("SELECT * FROM Q_仕訳台帳 WHERE (小分類='売上原価' or 小分類2='売上原価')");
    EXPECT_EQ(walk(*sales), (Rows{"003/1", "002/1"}));
    auto table = db->OpenRecordset("仕訳台帳", RecordsetType::Table);
    EXPECT_EQ(walk(*table), (Rows{"002/1", "001/1", "003/1", "001/2"}));
}

TEST_F(RecordsetTest, MovingPastEitherEnd)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    EXPECT_FALSE(rs->BOF());
    EXPECT_EQ(rs->RecordCount(), 4);
    rs->Move(2);
    EXPECT_EQ(rs->get("伝票番号").toText(), "003");
    rs->Move(5);
    EXPECT_TRUE(rs->EOF_());
    EXPECT_THROW(rs->MoveNext(), DaoError);
    EXPECT_THROW(rs->get("摘要"), DaoError);
    rs->MoveLast();
    EXPECT_EQ(rs->get("伝票番号").toText(), "002");
    rs->Move(-10);
    EXPECT_TRUE(rs->BOF());
    EXPECT_FALSE(rs->EOF_());
    EXPECT_THROW(rs->MovePrevious(), DaoError);
    rs->MoveNext();
    EXPECT_EQ(rs->AbsolutePosition(), 0);

    auto empty = db->OpenRecordset("SELECT * FROM Q_仕訳台帳 WHERE 伝票番号 = 'なし'");
    EXPECT_TRUE(empty->BOF() && empty->EOF_());
    empty->MoveFirst();  // harmless on an empty recordset
    empty->MoveLast();
    EXPECT_TRUE(empty->isEmpty());
    try {
        empty->get("摘要");
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::NoCurrentRecord);
    }
}

TEST_F(RecordsetTest, BookmarksReturnToTheirRow)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->Move(2);
    const Bookmark mark = rs->getBookmark();
    rs->MoveFirst();
    db->Execute("INSERT INTO 勘定科目コード表(勘定科目コード, 勘定科目名) VALUES ('900', '雑費')");
    rs->setBookmark(mark);
    EXPECT_EQ(rs->get("伝票番号").toText(), "003");
    db->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = '003'");
    EXPECT_THROW(rs->setBookmark(mark), DaoError);
}

TEST_F(RecordsetTest, FindsWithCriteriaAndKeepsPositionOnFailure)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->FindFirst("勘定科目名2 = '売上高'");
    EXPECT_FALSE(rs->NoMatch());
    EXPECT_EQ(rs->get("追番").toInt32(), 1);
    rs->FindNext("勘定科目名2 = '売上高'");
    EXPECT_EQ(rs->get("追番").toInt32(), 2);
    rs->FindNext("勘定科目名2 = '売上高'");
    EXPECT_TRUE(rs->NoMatch());
    EXPECT_EQ(rs->get("追番").toInt32(), 2);  // unchanged
    rs->FindLast("小分類 = '売上原価'");
    EXPECT_EQ(rs->get("伝票番号").toText(), "002");
    rs->FindPrevious("小分類 = '売上原価'");
    EXPECT_EQ(rs->get("伝票番号").toText(), "003");
    rs->FindFirst("伝票番号 = '999'");
    EXPECT_TRUE(rs->NoMatch());
    EXPECT_EQ(rs->get("伝票番号").toText(), "003");
    EXPECT_THROW(rs->FindFirst("無い項目 = '1'"), DaoError);
    EXPECT_THROW(rs->FindFirst("伝票番号 = '1"), DaoError);
}

TEST_F(RecordsetTest, NamesWithQuotesAreFoundLikeAnyOther)
{
    struct Case {
        std::string name;
        bool found;
    };
    const Case cases[] = {{"O'Brien's 手数料", true},
                          {"O'Brien", false},
                          {"現金", true},
                          {"' OR '1'='1", false},
                          {"x' Or 勘定科目名 Like '*", false}};
    auto rs = db->OpenRecordset("Q_勘定科目コード表");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rs->MoveFirst();
        rs->FindFirst("勘定科目名 = " + criteriaLiteral(c.name));
        EXPECT_EQ(!rs->NoMatch(), c.found);
        if (c.found) {
            EXPECT_EQ(rs->get("勘定科目名").toText(), c.name);
        }
    }
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    journal->FindFirst("取引先 = " + criteriaLiteral("O'Brien"));
    EXPECT_EQ(journal->get("入金").toInt32(), 10000);
    journal->FindFirst("取引先", Value("OBrien"));
    EXPECT_EQ(journal->get("入金").toInt32(), 2000);
}

TEST_F(RecordsetTest, DynasetMembershipIsFixedAtOpen)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    auto other = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    other->Execute("INSERT INTO 仕訳台帳(日付, 伝票番号, 追番) VALUES ('2024-03-31', '000', 1)");
    other->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = '003'");
    other->Execute("UPDATE 仕訳台帳 SET 摘要 = '売上（訂正）' WHERE 伝票番号 = '001' AND 追番 = 2");
    // Added elsewhere: not seen; deleted elsewhere: skipped; changed: current values.
    EXPECT_EQ(walk(*rs), (Rows{"001/1", "001/2", "002/1"}));
    rs->MoveFirst();
    rs->MoveNext();
    EXPECT_EQ(rs->get("摘要").toText(), "売上（訂正）");
    EXPECT_EQ(rs->RecordCount(), 3);
    auto reopened = db->OpenRecordset("Q_仕訳台帳");
    EXPECT_EQ(walk(*reopened), (Rows{"000/1", "001/1", "001/2", "002/1"}));
}

TEST_F(RecordsetTest, RowsAddedThroughTheDynasetComeAtItsEnd)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->MoveNext();
    rs->AddNew();
    rs->set("日付", "2024/3/1");
    rs->set("伝票番号", "000");
    rs->set("追番", 1);
    rs->set("借方コード", "100");
    rs->Update();
    EXPECT_EQ(rs->get("追番").toInt32(), 2);  // still the row current before AddNew
    rs->setBookmark(rs->LastModified());
    EXPECT_EQ(rs->get("伝票番号").toText(), "000");
    EXPECT_EQ(rs->get("勘定科目名").toText(), "現金");  // joined column read back
    EXPECT_EQ(rs->get("入金").toInt32(), 0);            // the table's default
    EXPECT_EQ(rs->get("決算仕訳").toBool(), false);
    EXPECT_TRUE(rs->get("摘要").isNull());
    rs->MoveFirst();
    EXPECT_EQ(walk(*rs), (Rows{"001/1", "001/2", "003/1", "002/1", "000/1"}));
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳"), 5);
}

TEST_F(RecordsetTest, EditAndDeleteReachTheBaseTable)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->FindFirst("伝票番号 = '003'");
    rs->Edit();
    rs->set("摘要", "現金仕入（訂正）");
    EXPECT_EQ(rs->get("摘要").toText(), "現金仕入（訂正）");
    rs->Update();
    EXPECT_EQ(rawText(path, "SELECT 摘要 FROM 仕訳台帳 WHERE 伝票番号 = '003'"), "現金仕入（訂正）");
    rs->Edit();
    rs->set("摘要", "取り消す");
    rs->CancelUpdate();
    EXPECT_EQ(rs->get("摘要").toText(), "現金仕入（訂正）");
    rs->MoveFirst();
    while (!rs->EOF_()) {  // the delete-all loop of the windows
        rs->Delete();
        rs->MoveNext();
    }
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳"), 0);
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_TRUE(rs->BOF() && rs->EOF_());
}

TEST_F(RecordsetTest, JoinedColumnsAreReadOnly)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->Edit();
    try {
        rs->set("勘定科目名", "改ざん");
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::ReadOnly);
        const std::string message = e.what();
        EXPECT_NE(message.find("勘定科目名"), std::string::npos);
        EXPECT_NE(message.find("「仕訳台帳」"), std::string::npos);
        EXPECT_EQ(message.find("Q_"), std::string::npos);
    }
    rs->CancelUpdate();
    EXPECT_EQ(rawText(path, "SELECT 勘定科目名 FROM 勘定科目コード表 WHERE 勘定科目コード = '100'"), "現金");
    for (const char* source : {"Q_使用科目", "SELECT * FROM Q_仕訳台帳"}) {
        auto readOnly = db->OpenRecordset(source);
        EXPECT_THROW(readOnly->AddNew(), DaoError) << source;
    }
}

TEST_F(RecordsetTest, SnapshotIsACopyTakenAtOpen)
{
    auto snap = db->OpenRecordset("Q_仕訳台帳", RecordsetType::Snapshot);
    db->Execute("UPDATE 仕訳台帳 SET 摘要 = '変更後'");
    db->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = '001'");
    EXPECT_EQ(walk(*snap), (Rows{"001/1", "001/2", "003/1", "002/1"}));
    snap->MoveFirst();
    EXPECT_EQ(snap->get("摘要").toText(), "売上");
    EXPECT_THROW(snap->Edit(), DaoError);
}

TEST_F(RecordsetTest, OpenRecordsetNeverBlocksAWriter)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->MoveNext();
    // Another handle of this process.
    auto other = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    other->Execute("UPDATE 仕訳台帳 SET 摘要 = '他の窓' WHERE 伝票番号 = '002'");
    // Another process's connection, with no patience at all.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &raw), SQLITE_OK);
    EXPECT_EQ(
        sqlite3_exec(raw, "UPDATE 仕訳台帳 SET 摘要 = '別プロセス' WHERE 伝票番号 = '003'", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(raw);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    rs->MoveNext();
    EXPECT_EQ(rs->get("摘要").toText(), "別プロセス");
    rs->MoveNext();
    EXPECT_EQ(rs->get("摘要").toText(), "他の窓");
}

TEST_F(RecordsetTest, RowsLeavingAFilteredQueryStayMembersUntilReopened)
{
    auto rs = db->OpenRecordset("Q_使用勘定科目表");
    EXPECT_EQ(rs->RecordCount(), 4);
    rs->AddNew();
    rs->set("勘定科目コード", "800");
    rs->set("勘定科目名", "休止科目");
    rs->set("適用", false);
    rs->Update();
    rs->FindFirst("勘定科目コード = '200'");
    rs->Edit();
    rs->set("適用", false);
    rs->Update();
    EXPECT_EQ(rs->get("勘定科目名").toText(), "買掛金");
    EXPECT_FALSE(rs->get("適用").toBool());
    rs->setBookmark(rs->LastModified());
    rs->MoveLast();
    EXPECT_EQ(rs->get("勘定科目名").toText(), "休止科目");
    EXPECT_EQ(rs->RecordCount(), 5);
    auto reopened = db->OpenRecordset("Q_使用勘定科目表");
    EXPECT_EQ(reopened->RecordCount(), 3);
}

// An SQL text is read again by key after a write, as a subquery: a closing ";"
// must not break that.
TEST_F(RecordsetTest, SqlTextWithAClosingSemicolonShowsChangedRows)
{
    auto rs = db->OpenRecordset("SELECT * FROM Q_仕訳台帳 WHERE 小分類2 = '売上高' ; \n");
    db->Execute("UPDATE 仕訳台帳 SET 摘要 = '売上（訂正）' WHERE 伝票番号 = '001' AND 追番 = 2");
    EXPECT_EQ(walk(*rs), (Rows{"001/1", "001/2"}));
    rs->MoveLast();
    EXPECT_EQ(rs->get("摘要").toText(), "売上（訂正）");
}

// A walk over the rows of a query, read straight from the file: each row once,
// in the query's order, with the parameters bound, nulls as empty and 0; a
// query naming nothing the file holds fails with the table in the message.
TEST_F(RecordsetTest, ForEachRowWalksTheQueryWithItsParameters)
{
    rawExec(path, "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要) VALUES ('2024-04-05', '004', 1, NULL)");
    std::vector<std::string> rows;
    db->ForEachRow("SELECT 伝票番号, 追番, 摘要 FROM 仕訳台帳 WHERE 日付 >= ? ORDER BY 伝票番号", {Value("2024-04-02")},
                   "仕訳台帳", [&](const RowView& row) {
                       rows.push_back(std::string(row.text(0)) + "/" + std::to_string(row.integer(1)) + "/"
                                      + std::string(row.text(2)) + (row.isNull(2) ? "(null)" : ""));
                   });
    EXPECT_EQ(rows, (Rows{"002/1/仕入", "003/1/現金仕入", "004/1/(null)"}));
    try {
        db->ForEachRow("SELECT 伝票番号 FROM 無い表", {}, "仕訳台帳", [](const RowView&) {});
        ADD_FAILURE() << "a query on a missing table ran";
    } catch (const DaoError& e) {
        EXPECT_NE(std::string(e.what()).find("仕訳台帳"), std::string::npos) << e.what();
    }
}
