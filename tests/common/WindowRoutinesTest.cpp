// Routines that read the window's recordsets: era years, name-to-code lookups
// and window captions.
#include "SqlFile.h"

#include "common/EraYearText.h"
#include "common/FindCode.h"
#include "common/FormCaption.h"
#include "common/o.h"
#include "platform/dao/Engine.h"

#include <gtest/gtest.h>

namespace {

const char* const kEraSql = R"(
CREATE TABLE 年号コード(年号 DATE, 和暦名称 TEXT);
INSERT INTO 年号コード VALUES('1868-01-25','明治'),('1912-07-30','大正'),('1926-12-25','昭和'),
                             ('1989-01-08','平成'),('2019-05-01','令和');
CREATE VIEW Q_年号コード AS SELECT * FROM 年号コード ORDER BY 年号;
CREATE TABLE 空の年号(年号 DATE, 和暦名称 TEXT);
)";

class EraYearTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        o::EraRecordset = db->OpenRecordset("Q_年号コード");
    }
    void TearDown() override { o::ResetGlobals(); }

    testsupport::SqlFile file{kEraSql};
    std::shared_ptr<dao::Database> db;
};

struct EraCase {
    dao::Date date;
    const char* expected;
};

TEST_F(EraYearTextTest, GivesTheEraNameAndTheYearInTheEra)
{
    const EraCase cases[] = {
        {{2019, 5, 1}, "令和元年"},  {{2019, 12, 31}, "令和元年"},
        {{2020, 1, 1}, "令和2年"},   {{2024, 4, 1}, "令和6年"},
        {{2019, 4, 30}, "平成31年"},  // before the era's first day in its first year
        {{2019, 1, 1}, "平成31年"},  {{1989, 1, 7}, "昭和64年"},
        {{1989, 1, 8}, "平成元年"},  {{2019, 5, 1, 10, 30, 0}, "令和元年"},  // a time of day on the era's first day
        {{1868, 1, 25}, "明治元年"},
    };
    for (const EraCase& c : cases)
        EXPECT_EQ(o::EraYearText(c.date), c.expected) << c.date.isoText();
}

TEST_F(EraYearTextTest, LeavesTheEraRecordsetOnTheEraFound)
{
    EXPECT_EQ(o::EraYearText(dao::Date{2000, 1, 1}), "平成12年");
    EXPECT_EQ(o::EraRecordset->get("和暦名称").toText(), "平成");
}

TEST_F(EraYearTextTest, ADateBeforeTheFirstEraGivesTheEmptyTextAndLaterCallsStillWork)
{
    EXPECT_EQ(o::EraYearText(dao::Date{1800, 1, 1}), "");
    EXPECT_EQ(o::EraYearText(dao::Date{1868, 1, 24}), "");
    EXPECT_EQ(o::EraYearText(dao::Date{2020, 6, 1}), "令和2年");
}

TEST_F(EraYearTextTest, AValueThatIsNotADateOrAMissingEraTableGivesTheEmptyText)
{
    EXPECT_EQ(o::EraYearText(dao::Value()), "");
    EXPECT_EQ(o::EraYearText(dao::Value("令和")), "");
    EXPECT_EQ(o::EraYearText(dao::Value("2024/4/1")), "令和6年");

    auto empty = db->OpenRecordset("空の年号");
    EXPECT_EQ(o::EraYearText(empty.get(), dao::Date{2024, 4, 1}), "");
    o::EraRecordset.reset();
    EXPECT_EQ(o::EraYearText(dao::Date{2024, 4, 1}), "");
}

const char* const kCodeSql = R"(
CREATE TABLE 勘定科目コード表(勘定科目コード TEXT, 勘定科目名 TEXT, 消費税 BOOLEAN);
INSERT INTO 勘定科目コード表 VALUES('101','現金',0),('131','普通預金',0),('511','仕入高',1),
                                  ('512','O''Neil商店',1),('999','仕入高',0);
CREATE VIEW Q_勘定科目コード表 AS SELECT * FROM 勘定科目コード表 ORDER BY 勘定科目コード;
CREATE TABLE 取引銀行(銀行名 TEXT, 銀行コード TEXT);
INSERT INTO 取引銀行 VALUES('みずほ銀行','0001'),('りそな銀行','0010');
CREATE VIEW Q_取引銀行 AS SELECT * FROM 取引銀行;
CREATE TABLE 使用銀行支店(銀行コード TEXT, 支店コード TEXT, 支店名 TEXT);
INSERT INTO 使用銀行支店 VALUES('0001','0001001','本店'),('0005','0005001','丸の内'),('0005','0005100','本店');
CREATE VIEW Q_使用銀行支店 AS SELECT * FROM 使用銀行支店 ORDER BY 銀行コード, 支店コード;
CREATE TABLE 空(勘定科目コード TEXT, 勘定科目名 TEXT);
)";

class FindCodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        accounts = db->OpenRecordset("Q_勘定科目コード表");
        banks = db->OpenRecordset("Q_取引銀行");
        branches = db->OpenRecordset("Q_使用銀行支店");
        sources = {accounts.get(), banks.get(), branches.get()};
    }

    testsupport::SqlFile file{kCodeSql};
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> accounts, banks, branches;
    o::CodeSources sources;
};

struct CodeCase {
    int kind;
    const char* name;
    const char* code;
};

TEST_F(FindCodeTest, FindsTheFirstRowWithTheName)
{
    const CodeCase cases[] = {
        {2, "現金", "101"},        {3, "普通預金", "131"},
        {2, "仕入高", "511"},      // two rows with the name: the first wins
        {2, "O'Neil商店", "512"},  // a quotation mark in the name is searched as it stands
        {2, "未登録", ""},         {2, "", ""},
        {4, "りそな銀行", "0010"}, {4, "三井住友銀行", ""},  // banks only among the company's bank accounts
        {5, "本店", "0001001"},                              // the same branch name under two banks: the first row
        {5, "丸の内", "0005001"},  {1, "現金", ""},
        {6, "現金", ""},
    };
    for (const CodeCase& c : cases)
        EXPECT_EQ(o::FindCode(sources, c.kind, c.name), c.code) << c.kind << " " << c.name;
}

TEST_F(FindCodeTest, LeavesTheRecordsetOnTheRowFound)
{
    ASSERT_EQ(o::FindCode(sources, 2, "仕入高"), "511");
    EXPECT_TRUE(accounts->get("消費税").toBool());
    EXPECT_EQ(accounts->get("勘定科目コード").toText(), "511");
}

TEST_F(FindCodeTest, AnUnknownKindDoesNotMoveTheRecordset)
{
    accounts->MoveLast();
    EXPECT_EQ(o::FindCode(sources, 7, "現金"), "");
    EXPECT_EQ(accounts->get("勘定科目コード").toText(), "999");
}

TEST_F(FindCodeTest, AnEmptyRecordsetGivesTheEmptyText)
{
    auto empty = db->OpenRecordset("空");
    o::CodeSources emptySources{empty.get(), nullptr, nullptr};
    EXPECT_EQ(o::FindCode(emptySources, 2, "現金"), "");
    EXPECT_EQ(o::FindCode(emptySources, 4, "りそな銀行"), "");
}

struct CaptionCase {
    dao::Value company;
    dao::Value period;
    const char* title;
    const char* expected;
};

TEST(FormCaption, JoinsCompanyPeriodAndTitle)
{
    const CaptionCase cases[] = {
        {dao::Value("甲商事"), dao::Value(12), "仕訳入力", "甲商事 第12期　会計 仕訳入力"},
        {dao::Value(""), dao::Value(3), "年次更新", " 第3期　会計 年次更新"},
        {dao::Value(), dao::Value(3), "決算処理", " 第3期　会計 決算処理"},
        {dao::Value("乙"), dao::Value(7.0), "会計初期設定", "乙 第7期　会計 会計初期設定"},
    };
    for (const CaptionCase& c : cases)
        EXPECT_EQ(o::FormCaption(c.company, c.period, c.title), c.expected);
}

TEST(SetFormCaption, ReadsTheCurrentSettingsRow)
{
    testsupport::SqlFile file{"CREATE TABLE 会計設定(事業所名 TEXT, 会計年度 INTEGER);"
                              "INSERT INTO 会計設定 VALUES(NULL, 5);"};
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
    auto settings = db->OpenRecordset("会計設定");
    EXPECT_EQ(o::SetFormCaption(*settings, "総勘定元帳"), " 第5期　会計 総勘定元帳");
}

}  // namespace
