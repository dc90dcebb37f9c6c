// Recordsets on more rows than a recordset keeps read at once: every row is
// still shown with its own values in the query's order, whichever way and
// however far the walk goes, and writes reach the row they were made on.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace dao;
using namespace daotest;

namespace {

// Rows stored in reverse of the query's order, so that the membership's keys
// run against the table: row i (0-based, query order) is voucher "V{i:05}" of
// 2024-04-01 plus i / 100 days, 摘要 "摘要{i}", 入金 i * 7.
constexpr int kRows = 10000;

std::string voucher(int i)
{
    char text[8];
    std::snprintf(text, sizeof text, "V%05d", i);
    return text;
}

class LongRecordset : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Database> db;

    void SetUp() override
    {
        rawExec(path, "DELETE FROM 仕訳台帳");
        rawExec(path,
                "WITH RECURSIVE n(i) AS (SELECT " + std::to_string(kRows - 1)
                    + " UNION ALL SELECT i - 1 FROM n WHERE i > 0) "
                      "INSERT INTO 仕訳台帳(日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金) "
                      "SELECT date('2024-04-01', '+' || (i / 100) || ' days'), printf('V%05d', i), 1, '摘要' || i, "
                      "'100', i * 7, "
                      "'400', i * 7 FROM n");
        db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    }

    static std::string shown(Recordset& rs)
    {
        return rs.get("伝票番号").toText() + " " + rs.get("摘要").toText() + " " + rs.get("入金").toText();
    }
    static std::string expected(int i)
    {
        return voucher(i) + " 摘要" + std::to_string(i) + " " + std::to_string(i * 7);
    }
};

}  // namespace

TEST_F(LongRecordset, AWalkEitherWayShowsEveryRowWithItsOwnValues)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    ASSERT_EQ(rs->RecordCount(), kRows);
    int i = 0;
    for (; !rs->EOF_(); rs->MoveNext(), ++i)
        ASSERT_EQ(shown(*rs), expected(i)) << "forward, row " << i;
    EXPECT_EQ(i, kRows);
    rs->MoveLast();
    for (i = kRows - 1; !rs->BOF(); rs->MovePrevious(), --i)
        ASSERT_EQ(shown(*rs), expected(i)) << "backward, row " << i;
    EXPECT_EQ(i, -1);
}

TEST_F(LongRecordset, JumpsFarAwayAndBackLandOnTheirRows)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    const Bookmark first = rs->getBookmark();
    rs->Move(kRows - 10);
    EXPECT_EQ(shown(*rs), expected(kRows - 10));
    EXPECT_EQ(rs->AbsolutePosition(), kRows - 10);
    rs->setBookmark(first);
    EXPECT_EQ(shown(*rs), expected(0));
    rs->FindFirst("伝票番号 = '" + voucher(7777) + "'");
    ASSERT_FALSE(rs->NoMatch());
    EXPECT_EQ(shown(*rs), expected(7777));
    rs->FindPrevious("入金 = 35");
    ASSERT_FALSE(rs->NoMatch());
    EXPECT_EQ(shown(*rs), expected(5));
}

TEST_F(LongRecordset, WritesAfterALongWalkReachTheirOwnRow)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->Move(3);
    const Bookmark edited = rs->getBookmark();
    rs->MoveLast();  // the rows near the start are no longer held
    rs->setBookmark(edited);
    rs->Edit();
    rs->set("摘要", Value("直した摘要"));
    rs->Update();
    rs->Move(6000);
    rs->Delete();
    EXPECT_EQ(rawText(path, "SELECT 摘要 FROM 仕訳台帳 WHERE 伝票番号 = '" + voucher(3) + "'"), "直した摘要");
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '" + voucher(6003) + "'"), 0);

    rs->MoveFirst();
    int rows = 0;
    for (; !rs->EOF_(); rs->MoveNext()) {
        const std::string number = rs->get("伝票番号").toText();
        EXPECT_NE(number, voucher(6003));
        if (number == voucher(3)) {
            EXPECT_EQ(rs->get("摘要").toText(), "直した摘要");
        }
        ++rows;
    }
    EXPECT_EQ(rows, kRows - 1);
    EXPECT_EQ(rs->RecordCount(), kRows - 1);
}

TEST_F(LongRecordset, RowsDeletedElsewhereAreSkippedAfterTheyWereLeft)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    rs->Move(5000);
    EXPECT_EQ(shown(*rs), expected(5000));
    DBEngine::instance().Workspaces(0)->OpenDatabase(path)->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 IN ('"
                                                                    + voucher(1) + "', '" + voucher(9999) + "')");
    rs->MoveFirst();
    rs->MoveNext();
    EXPECT_EQ(shown(*rs), expected(2));
    rs->MoveLast();
    EXPECT_EQ(shown(*rs), expected(9998));
    EXPECT_EQ(rs->RecordCount(), kRows - 2);
}

TEST_F(LongRecordset, AFieldReadByPositionIsTheFieldOfThatName)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    const int memo = rs->fieldPosition("摘要");
    const int debit = rs->fieldPosition("入金");
    rs->Move(1234);
    EXPECT_EQ(rs->getAt(memo).toText(), "摘要1234");
    EXPECT_EQ(rs->getAt(debit).toInt64(), 1234 * 7);
    EXPECT_EQ(rs->getAt(memo), rs->get("摘要"));
    for (int bad : {-1, 0, 1000}) {  // 0: the key, no field of the program
        try {
            rs->getAt(bad);
            ADD_FAILURE() << bad << " read a field";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::NoSuchField) << bad;
        }
    }
    EXPECT_THROW(rs->fieldPosition("ない項目"), DaoError);
}
