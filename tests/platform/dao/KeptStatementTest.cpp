// Statements the connection keeps prepared and runs again: each run reads and
// writes the file as it is then, whatever another program did in between, and
// a kept statement holds no lock that would stop another program's write.
#include "platform/dao/DaoError.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace dao;
using namespace daotest;

namespace {

class KeptStatementTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Database> db = DBEngine::instance().Workspaces(0)->OpenDatabase(path);

    long long rowsOf(const std::string& sql)
    {
        auto rows = db->OpenRecordset(sql, RecordsetType::Snapshot);
        return rows->RecordCount();
    }
};

const char* const kVoucher = "SELECT * FROM Q_仕訳台帳 WHERE 伝票番号 = '001' ORDER BY 日付, 伝票番号, 追番";

}  // namespace

TEST_F(KeptStatementTest, AReadAgainShowsTheRowsAnotherProgramWroteSince)
{
    ASSERT_EQ(rowsOf(kVoucher), 2);
    // Nothing read before holds the file: the other program writes at once.
    OtherProgram other(path);
    other.exec("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 入金) VALUES ('2024-04-01', '001', 3, 500)");
    EXPECT_EQ(rowsOf(kVoucher), 3);
    other.exec("DELETE FROM 仕訳台帳 WHERE 伝票番号 = '001'");
    EXPECT_EQ(rowsOf(kVoucher), 0);
}

TEST_F(KeptStatementTest, AWriteRunAgainWritesTheRowsTheFileHoldsThen)
{
    const std::string rename = "UPDATE 仕訳台帳 SET 取引先 = ? WHERE 伝票番号 = ?";
    EXPECT_EQ(db->Execute(rename, {Value("甲"), Value("001")}), 2);
    OtherProgram other(path);
    other.exec("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 入金) VALUES ('2024-04-01', '001', 3, 500)");
    other.exec("ALTER TABLE 仕訳台帳 ADD COLUMN 控え TEXT");
    EXPECT_EQ(db->Execute(rename, {Value("乙"), Value("001")}), 3);
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 取引先 = '乙'"), 3);
    // The bindings of one run are not left for the next.
    EXPECT_EQ(db->Execute(rename, {Value("丙"), Value("999")}), 0);
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 取引先 = '乙'"), 3);
}

// A column another tool renamed after the statement was kept: the run again is
// refused naming the field, as a statement prepared afresh is.
TEST_F(KeptStatementTest, AWriteRunAgainAfterAColumnWasRenamedNamesTheField)
{
    const std::string write = "UPDATE 仕訳台帳 SET 取引先 = ? WHERE 伝票番号 = ?";
    EXPECT_EQ(db->Execute(write, {Value("甲"), Value("001")}), 2);
    OtherProgram(path).exec("ALTER TABLE 仕訳台帳 RENAME COLUMN 取引先 TO 相手先");
    try {
        db->Execute(write, {Value("乙"), Value("001")});
        ADD_FAILURE() << "the write ran";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.code(), DaoError::Code::NoSuchField) << e.what();
        EXPECT_NE(std::string(e.what()).find("フィールド「取引先」がありません"), std::string::npos) << e.what();
    }
}

TEST_F(KeptStatementTest, ATableDescribedAgainHasTheColumnsAnotherProgramGaveIt)
{
    auto before = db->OpenRecordset("仕訳台帳", RecordsetType::Dynaset)->fieldNames();
    ASSERT_EQ(std::count(before.begin(), before.end(), "控え"), 0);
    OtherProgram other(path);
    other.exec("ALTER TABLE 仕訳台帳 ADD COLUMN 控え TEXT");
    auto after = db->OpenRecordset("仕訳台帳", RecordsetType::Dynaset)->fieldNames();
    EXPECT_EQ(std::count(after.begin(), after.end(), "控え"), 1);
    EXPECT_EQ(after.size(), before.size() + 1);
}

namespace {

const char* const kVoucherByNumber = "SELECT * FROM 仕訳台帳 WHERE 伝票番号 = ?1 ORDER BY 追番";

std::vector<std::string> descriptionsOf(Recordset& rows)
{
    std::vector<std::string> texts;
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext())
        texts.push_back(rows.get("摘要").toText());
    return texts;
}

}  // namespace

TEST_F(KeptStatementTest, ASnapshotOpenedAgainWithOtherValuesReadsTheirRowsAsTheFileHoldsThem)
{
    EXPECT_EQ(descriptionsOf(*db->OpenSnapshot(kVoucherByNumber, {Value("001")})),
              (std::vector<std::string>{"売上", "売上"}));
    EXPECT_EQ(descriptionsOf(*db->OpenSnapshot(kVoucherByNumber, {Value("002")})), std::vector<std::string>{"仕入"});
    // A value is bound, never spliced into the text.
    EXPECT_TRUE(db->OpenSnapshot(kVoucherByNumber, {Value("002' OR '1' = '1")})->isEmpty());
    OtherProgram other(path);
    other.exec("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要) VALUES ('2024-04-03', '002', 2, '運賃')");
    EXPECT_EQ(descriptionsOf(*db->OpenSnapshot(kVoucherByNumber, {Value("002")})),
              (std::vector<std::string>{"仕入", "運賃"}));
}

TEST_F(KeptStatementTest, ASnapshotOpenedAgainAfterAnotherProgramChangedItsTableHasTheTableAsItIsNow)
{
    const auto before = db->OpenSnapshot(kVoucherByNumber, {Value("001")})->fieldNames();
    ASSERT_EQ(std::count(before.begin(), before.end(), "控え"), 0);
    OtherProgram other(path);
    other.exec("ALTER TABLE 仕訳台帳 ADD COLUMN 控え TEXT DEFAULT '済'");
    auto after = db->OpenSnapshot(kVoucherByNumber, {Value("001")});
    const auto fields = after->fieldNames();
    EXPECT_EQ(fields.size(), before.size() + 1);
    after->MoveFirst();
    EXPECT_EQ(after->get("控え").toText(), "済");
}
