// The printed master and used account lists: the class columns printed only
// when they change (across pages too), the in-use and side marks, the amount
// fields, 84 rows a page, edit mode untouched.
#include "common/EditMode.h"
#include "setup/AccountListPrintouts.h"
#include "setup/SetupPrintFixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace setuptest;

namespace {

const char* const kMasterTitle = " 会計 勘定科目一覧表（マスター台帳）";
const char* const kUsedTitle = " 会計 使用勘定科目一覧表";

std::string FullWidthBlanks(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "　";
    return s;
}

struct Account {
    const char* code;
    const char* name;
    const char* major;
    const char* middle;
    const char* minor;
    int side;
    bool inUse;
    dao::Value opening, debit, credit, closing;
};

class AccountListPrintoutTest : public ::testing::Test {
protected:
    AccountListPrintoutTest()
    {
        fx.emptyTable("勘定科目コード表");
        o::EditMode = o::EditModeOff;
    }
    ~AccountListPrintoutTest() override { o::EditMode = o::EditModeOff; }

    void add(const Account& a)
    {
        fx.addRow("勘定科目コード表",
                  {{"勘定科目コード", a.code},
                   {"勘定科目名", a.name},
                   {"大分類", a.major},
                   {"中分類", a.middle},
                   {"小分類", a.minor},
                   {"借貸区分", a.side},
                   {"適用", a.inUse ? 1 : 0},
                   {"期首残高", a.opening},
                   {"借方合計", a.debit},
                   {"貸方合計", a.credit},
                   {"期末残高", a.closing}});
    }

    void addSmallChart()
    {
        add({"100", "現金", "資産の部", "流動資産", "現金預金", 0, true, 500000, 1200000, 300000, 1400000});
        add({"103", "普通預金", "資産の部", "流動資産", "現金預金", 0, true, 1000000, 0, 0, 1000000});
        add({"111", "売掛金", "資産の部", "流動資産", "売上債権", 0, false, 0, 0, 0, 0});
        add({"112", "未決算", "", "", "", 0, true, 0, 0, 0, 0});  // no classes
        add({"113", "受取手形", "資産の部", "流動資産", "売上債権", 0, true, 1000000000, 0, 0, 1000000000});
        add({"201", "買掛金", "負債の部", "流動負債", "仕入債務", 1, true, dao::Value(), 0, 250000, -250000});
    }

    void printMaster()
    {
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        setup::PrintMasterAccountList(page, fx.open("Q_勘定科目コード表"));
    }
    void printUsed()
    {
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        setup::PrintUsedAccountList(page, fx.open("Q_使用勘定科目表"));
    }

    SetupPrintFixture fx;
    A4Recorder printer;
};

TEST_F(AccountListPrintoutTest, MasterListShowsClassesOnlyWhenTheyChangeWithBothMarks)
{
    addSmallChart();
    printMaster();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 1u);
    const std::vector<std::string> expected = {
        HeaderOnSheet(kMasterTitle, "    ページ  1"),
        M(FullWidthBlanks(29) + "期首残高　使用　借貸　　　借方合計　　貸方合計　　期末残高"),
        M("資産の部  流動資産  現金預金          100 現金                500,000 ○ 　□－　   1,200,000     300,000   "
          "1,400,000"),
        M("                                      103 普通預金          1,000,000 ○ 　□－　           0           0   "
          "1,000,000"),
        M("                    売上債権          111 売掛金                    0 　 　□－　           0           0    "
          "       0"),
        // No classes: blanks, and 売上債権 stays the class printed last.
        M("                                      112 未決算                    0 ○ 　□－　           0           0     "
          "      0"),
        M("                                      113 受取手形       ************ ○ 　□－　           0           "
          "0************"),
        M("負債の部  流動負債  仕入債務          201 買掛金                      ○ 　－□　           0     250,000    "
          "-250,000"),
    };
    EXPECT_TRUE(SameLines(sheets[0], expected));
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::NewPage);

    // Header block: two blank lines above the header, a gap and a blank line
    // before the heading, a blank line after it, rows at the plain line height.
    const auto page = printer.pages().at(0);
    EXPECT_NEAR(page[0].y, 2 * 11.7, 1e-6);
    EXPECT_NEAR(page[1].y - page[0].y, 9.0 + 2.7 + 11.7, 1e-6);
    EXPECT_NEAR(page[2].y - page[1].y, 9.0 + 11.7, 1e-6);
    EXPECT_NEAR(page[3].y - page[2].y, 9.0, 1e-6);
}

TEST_F(AccountListPrintoutTest, UsedListHasNoInUseColumnAndKeepsItsOwnClassMemory)
{
    addSmallChart();
    printUsed();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 1u);
    const std::vector<std::string> expected = {
        HeaderOnSheet(kUsedTitle, "    ページ  1"),
        M(FullWidthBlanks(30) + "期首残高　　借貸　　　借方合計　　貸方合計　　期末残高"),
        M("資産の部  流動資産  現金預金          100 現金                500,000 　□－　   1,200,000     300,000   "
          "1,400,000"),
        M("                                      103 普通預金          1,000,000 　□－　           0           0   "
          "1,000,000"),
        M("                                      112 未決算                    0 　□－　           0           0       "
          "    0"),
        M("                    売上債権          113 受取手形       ************ 　□－　           0           "
          "0************"),
        M("負債の部  流動負債  仕入債務          201 買掛金                      　－□　           0     250,000    "
          "-250,000"),
    };
    EXPECT_TRUE(SameLines(sheets[0], expected));
}

struct PageCase {
    const char* name;
    int accounts;
    std::size_t rowsOnLastSheet;
    std::size_t sheets;
};
void PrintTo(const PageCase& c, std::ostream* os)
{
    *os << c.name;
}

class AccountListPages : public AccountListPrintoutTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(AccountListPages, HoldEightyFourRowsAPage)
{
    const PageCase& c = GetParam();
    for (int i = 1; i <= c.accounts; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "%03d", i);
        add({code, "科目", "資産の部", "流動資産", "現金預金", 0, true, i, 0, 0, i});
    }
    printMaster();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), c.sheets);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        EXPECT_EQ(sheets[s][0], HeaderOnSheet(kMasterTitle, "    ページ  " + std::to_string(s + 1)));
        EXPECT_EQ(sheets[s][1], M(FullWidthBlanks(29) + "期首残高　使用　借貸　　　借方合計　　貸方合計　　期末残高"));
        const std::size_t rows = sheets[s].size() - 2;
        EXPECT_EQ(rows, s + 1 == sheets.size() ? c.rowsOnLastSheet : 84u);
    }
    // The classes are remembered across the page break: only the very first
    // row shows them.
    EXPECT_TRUE(StartsWith(sheets[0][2], M("資産の部  流動資産  現金預金          001 ")));
    if (sheets.size() > 1) {
        EXPECT_TRUE(StartsWith(sheets.back()[2], M(std::string(38, ' ')))) << sheets.back()[2];
    }
    // One new page after the 84th row, then the closing one: nothing blank between.
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::NewPage);
}

INSTANTIATE_TEST_SUITE_P(Pages, AccountListPages,
                         ::testing::Values(PageCase{"EightyFourFillOnePage", 84, 84, 1},
                                           PageCase{"EightyFiveBreakAfterTheEightyFourth", 85, 1, 2},
                                           PageCase{"OneHundredSixtyNineMakeThree", 169, 1, 3}),
                         testsupport::kCaseName);

TEST_F(AccountListPrintoutTest, EmptyChartPrintsNothingAndEditModeIsLeftAsItWas)
{
    int told = 0;
    o::EditModeListener listener([&](bool) { ++told; });
    o::SetEditMode(o::EditModeOn);
    told = 0;
    printMaster();
    printUsed();
    EXPECT_TRUE(printer.events().empty());

    addSmallChart();
    printMaster();
    printUsed();
    EXPECT_EQ(Sheets(printer).size(), 2u);
    EXPECT_EQ(o::EditMode, o::EditModeOn);
    EXPECT_EQ(told, 0);
}

}  // namespace
