// A prepared period file as the program sees it through the database layer:
// every object opens with its fields, new journal rows take the table's
// defaults, and writes through the saved queries reach their base tables.

#include "TempDir.h"

#include "periodfile/PeriodFileCreator.h"
#include "periodfile/PeriodFileObjects.h"
#include "platform/dao/Engine.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace periodfile::testing {
namespace {

class DaoAccessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file("テスト商事第1期.mdb");
        createPeriodFile(path, {"テスト商事", 1, "2024-04-01"});
        db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
        // Two accounts and a bank branch of our own, so the test does not depend on the standard chart.
        db->Execute("DELETE FROM 勘定科目コード表 WHERE 勘定科目コード IN ('901', '902')");
        db->Execute("DELETE FROM 勘定科目コード表2 WHERE 勘定科目コード2 IN ('901', '902')");
        db->Execute("INSERT INTO 勘定科目コード表 (勘定科目コード, 勘定科目名, 適用) VALUES ('901', '試験借方', 1), "
                    "('902', '試験貸方', 1)");
        db->Execute("INSERT INTO 勘定科目コード表2 (勘定科目コード2, 勘定科目名2) VALUES ('901', '試験借方'), ('902', "
                    "'試験貸方')");
    }
    TempDir dir;
    std::string path;
    std::shared_ptr<dao::Database> db;
};

// A file made now already has row ids that are never used twice: the database
// layer finds nothing to convert and leaves the file as it is.
TEST(DaoAccessOpening, AFileMadeNowIsOpenedWithoutChange)
{
    TempDir dir;
    const std::string path = dir.file("テスト商事第1期.mdb");
    createPeriodFile(path, {"テスト商事", 1, "2024-04-01"});
    std::ifstream before(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(before)), std::istreambuf_iterator<char>());
    dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path)->OpenRecordset("会計設定")->MoveFirst();
    std::ifstream after(path, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>()), bytes);
}

TEST_F(DaoAccessTest, EveryRequiredObjectOpensWithItsFieldsAndHidesTheKey)
{
    for (const RequiredObject& object : kRequiredObjects) {
        const std::string name(object.name);
        auto rs = db->OpenRecordset(
            name, object.kind == ObjectKind::Table ? dao::RecordsetType::Table : dao::RecordsetType::Dynaset);
        const std::vector<std::string> names = rs->fieldNames();
        for (std::string_view field : object.fields)
            EXPECT_TRUE(rs->hasField(std::string(field))) << name << "." << field;
        EXPECT_EQ(std::count(names.begin(), names.end(), "dao_rowid"), 0) << name;
    }
}

TEST_F(DaoAccessTest, JournalRowAddedThroughTheQueryTakesDefaultsAndShowsJoinedNames)
{
    {
        auto journal = db->OpenRecordset("Q_仕訳台帳");
        journal->AddNew();
        journal->Fields("日付") = dao::Value("2024/4/1");
        journal->Fields("伝票番号") = dao::Value("240401090000");
        journal->Fields("追番") = dao::Value(1);
        journal->Fields("借方コード") = dao::Value("901");
        journal->Fields("入金") = dao::Value("1,000");
        journal->Fields("貸方コード") = dao::Value("902");
        journal->Fields("出金") = dao::Value(1000);
        journal->Update();
    }
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    journal->FindFirst("伝票番号 = '240401090000'");
    ASSERT_FALSE(journal->NoMatch());
    EXPECT_FALSE(journal->Fields("決算仕訳").toBool());
    EXPECT_FALSE(journal->Fields("決算仕訳").isNull());
    EXPECT_EQ(journal->Fields("入金").toInt32(), 1000);
    EXPECT_EQ(journal->Fields("勘定科目名").toText(), "試験借方");
    EXPECT_EQ(journal->Fields("勘定科目名2").toText(), "試験貸方");
    EXPECT_TRUE(journal->Fields("銀行名").isNull());
    auto closing = db->OpenRecordset("Q_決算仕訳台帳");
    EXPECT_TRUE(closing->isEmpty());
}

TEST_F(DaoAccessTest, PeriodFiguresWrittenThroughAccountsInUseReachTheChart)
{
    {
        auto used = db->OpenRecordset("Q_使用勘定科目表");
        used->FindFirst("勘定科目名 = '試験借方'");
        ASSERT_FALSE(used->NoMatch());
        used->Edit();
        used->Fields("期末残高") = dao::Value(12345);
        used->Update();
    }
    auto chart = db->OpenRecordset("Q_勘定科目コード表");
    chart->FindFirst("勘定科目コード = '901'");
    ASSERT_FALSE(chart->NoMatch());
    EXPECT_EQ(chart->Fields("期末残高").toInt32(), 12345);
}

TEST_F(DaoAccessTest, CreditSideCopyRebuiltThroughTheFullWidthNameIsSeenByTheOtherName)
{
    {
        auto copy = db->OpenRecordset("Q_勘定科目コード表２");
        copy->FindFirst("勘定科目コード2 = '902'");
        ASSERT_FALSE(copy->NoMatch());
        copy->Edit();
        copy->Fields("勘定科目名2") = dao::Value("試験貸方改");
        copy->Update();
    }
    auto copy = db->OpenRecordset("Q_勘定科目コード表2");
    copy->FindFirst("勘定科目コード2 = '902'");
    ASSERT_FALSE(copy->NoMatch());
    EXPECT_EQ(copy->Fields("勘定科目名2").toText(), "試験貸方改");
}

}  // namespace
}  // namespace periodfile::testing
