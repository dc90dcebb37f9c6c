// The printed account descriptions (of the master chart for box 7, of the
// accounts in use for box 8) and industry account names: their lines, 86 and
// 87 rows a page, and edit mode switched off for every window.
#include "common/EditMode.h"
#include "setup/AccountNotesPrintouts.h"
#include "setup/SetupPrintFixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <functional>

using namespace setuptest;

namespace {

const char* const kUsedNotesTitle = " 会計 使用勘定科目一覧表  ";
const char* const kMasterNotesTitle = " 会計 勘定科目一覧表（マスター台帳）  ";
const char* const kIndustryTitle = " 会計 業種別勘定科目一覧表 ";
const char* const kIndustryHeading =
    "コード 　標準 　　 　　　販売業 　　　 　製造業 　 　　　建設業 　　 　　運送業 　　 　　医療 　　 　　　農業";

class AccountNotesPrintoutTest : public ::testing::Test {
protected:
    AccountNotesPrintoutTest()
    {
        fx.emptyTable("勘定科目コード表");
        o::EditMode = o::EditModeOff;
    }
    ~AccountNotesPrintoutTest() override { o::EditMode = o::EditModeOff; }

    void add(const char* code, const char* name, bool inUse, const char* notes)
    {
        fx.addRow("勘定科目コード表",
                  {{"勘定科目コード", code}, {"勘定科目名", name}, {"適用", inUse ? 1 : 0}, {"内容", notes}});
    }

    void print(void (*printout)(setup::SetupPage&, dao::Recordset&), const char* source)
    {
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        printout(page, fx.open(source));
    }

    SetupPrintFixture fx;
    A4Recorder printer;
};

TEST_F(AccountNotesPrintoutTest, MasterDescriptionsListEveryAccountOfTheChart)
{
    add("100", "現金", true, "手許にある現金");
    add("111", "売掛金", false, "得意先に対する営業上の未収金");
    add("112", "", true, "名称のない科目");
    print(setup::PrintMasterAccountNotes, "Q_勘定科目コード表");

    const std::vector<std::string> expected = {
        HeaderOnSheet(kMasterNotesTitle, "    ページ  1"), M(" 100 現金           手許にある現金"),
        M(" 111 売掛金         得意先に対する営業上の未収金"),
        M(" 112                名称のない科目"),  // the description keeps its column
    };
    ASSERT_EQ(Sheets(printer).size(), 1u);
    EXPECT_TRUE(SameLines(Sheets(printer)[0], expected));
}

TEST_F(AccountNotesPrintoutTest, UsedDescriptionsListOnlyTheAccountsInUse)
{
    add("100", "現金", true, "手許にある現金");
    add("111", "売掛金", false, "得意先に対する営業上の未収金");
    add("112", "仮勘定", true, "");
    print(setup::PrintUsedAccountNotes, "Q_使用勘定科目表");

    const std::vector<std::string> expected = {
        HeaderOnSheet(kUsedNotesTitle, "    ページ  1"),
        M(" 100 現金           手許にある現金"),
        M(" 112 仮勘定"),
    };
    ASSERT_EQ(Sheets(printer).size(), 1u);
    EXPECT_TRUE(SameLines(Sheets(printer)[0], expected));
    // No heading: a gap and a blank line after the header, then the rows.
    const auto page = printer.pages().at(0);
    EXPECT_NEAR(page[1].y - page[0].y, 9.0 + 2.7 + 11.7, 1e-6);
}

TEST_F(AccountNotesPrintoutTest, IndustryNamesListTheSevenSetsOfEveryAccount)
{
    fx.addRow("勘定科目コード表",
              {{"勘定科目コード", "400"},
               {"勘定科目名", "売上高"},
               {"標準勘定科目名", "売上高"},
               {"販売業勘定科目名", "売上高"},
               {"製造業勘定科目名", "製品売上高"},
               {"建設業勘定科目名", "完成工事高"},
               {"運送業勘定科目名", "営業収益"},
               {"医療勘定科目名", "医業収益（入院診療収益）"},
               {"農業勘定科目名", ""}});
    print(setup::PrintIndustryAccountList, "Q_勘定科目コード表");

    const std::vector<std::string> expected = {
        HeaderOnSheet(kIndustryTitle, "    ページ  1"),
        M(kIndustryHeading),
        M(" 400     売上高          売上高          製品売上高      完成工事高      営業収益        医業収益（入院診"),
    };
    ASSERT_EQ(Sheets(printer).size(), 1u);
    EXPECT_TRUE(SameLines(Sheets(printer)[0], expected));
    // A gap, not a blank line, after the heading.
    const auto page = printer.pages().at(0);
    EXPECT_NEAR(page[2].y - page[1].y, 9.0 + 2.7, 1e-6);
}

struct PageCase {
    const char* name;
    void (*printout)(setup::SetupPage&, dao::Recordset&);
    const char* source;
    int accounts;
    std::size_t headerLines;  // header (and heading) lines on each sheet
    std::vector<std::size_t> rowsPerSheet;
};
void PrintTo(const PageCase& c, std::ostream* os)
{
    *os << c.name;
}

class NamesListPages : public AccountNotesPrintoutTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(NamesListPages, BreakAfterTheirPageOfRows)
{
    const PageCase& c = GetParam();
    for (int i = 1; i <= c.accounts; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "%03d", i);
        add(code, "科目", true, "説明");
    }
    print(c.printout, c.source);

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), c.rowsPerSheet.size());
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        EXPECT_TRUE(StartsWith(sheets[s][0], M("【テスト商事】"))) << sheets[s][0];
        EXPECT_TRUE(sheets[s][0].ends_with("    ページ  " + std::to_string(s + 1))) << sheets[s][0];
        EXPECT_EQ(sheets[s].size() - c.headerLines, c.rowsPerSheet[s]) << s;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, NamesListPages,
    ::testing::Values(
        PageCase{"DescriptionsEightySixFillOnePage", setup::PrintUsedAccountNotes, "Q_使用勘定科目表", 86, 1, {86}},
        PageCase{"DescriptionsEightySevenBreak", setup::PrintUsedAccountNotes, "Q_使用勘定科目表", 87, 1, {86, 1}},
        PageCase{
            "MasterDescriptionsEightySevenBreak", setup::PrintMasterAccountNotes, "Q_勘定科目コード表", 87, 1, {86, 1}},
        PageCase{"IndustryEightySevenFillOnePage", setup::PrintIndustryAccountList, "Q_勘定科目コード表", 87, 2, {87}},
        PageCase{"IndustryEightyEightBreak", setup::PrintIndustryAccountList, "Q_勘定科目コード表", 88, 2, {87, 1}}),
    testsupport::kCaseName);

struct EditModeCase {
    const char* name;
    void (*printout)(setup::SetupPage&, dao::Recordset&);
    const char* source;
    bool emptyChart;
};
void PrintTo(const EditModeCase& c, std::ostream* os)
{
    *os << c.name;
}

class NamesListEditMode : public AccountNotesPrintoutTest, public ::testing::WithParamInterface<EditModeCase> {};

TEST_P(NamesListEditMode, SwitchesEditModeOffForEveryWindow)
{
    const EditModeCase& c = GetParam();
    if (!c.emptyChart)
        add("100", "現金", true, "手許にある現金");
    std::vector<bool> told;
    o::EditModeListener otherWindow([&](bool on) { told.push_back(on); });
    o::SetEditMode(o::EditModeOn);
    told.clear();

    print(c.printout, c.source);
    EXPECT_EQ(o::EditMode, o::EditModeOff);
    EXPECT_EQ(told, std::vector<bool>{false});
    EXPECT_EQ(printer.events().empty(), c.emptyChart);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, NamesListEditMode,
    ::testing::Values(
        EditModeCase{"MasterDescriptions", setup::PrintMasterAccountNotes, "Q_勘定科目コード表", false},
        EditModeCase{"UsedDescriptions", setup::PrintUsedAccountNotes, "Q_使用勘定科目表", false},
        EditModeCase{"Industry", setup::PrintIndustryAccountList, "Q_勘定科目コード表", false},
        EditModeCase{"IndustryWithEmptyChart", setup::PrintIndustryAccountList, "Q_勘定科目コード表", true},
        EditModeCase{"DescriptionsWithEmptyChart", setup::PrintUsedAccountNotes, "Q_使用勘定科目表", true}),
    testsupport::kCaseName);

}  // namespace
