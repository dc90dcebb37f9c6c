// The printed fixed-asset and lease registers: their lines (a lease on one
// line, its sheet reduced until the line fits the paper), the fixed-asset
// headings in the order of the line (償却率, then 保証率), nothing for an empty
// register, and a new page under the header (headings included, the page
// number counting on) when the page is full.
#include "setup/RegisterPrintouts.h"
#include "setup/SetupPrintFixture.h"
#include "support/SheetChecks.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <functional>

using namespace setuptest;

namespace {

const char* const kAssetTitle = " 会計 固定資産管理台帳  ";
const char* const kLeaseTitle = " 会計 リース物件台帳  ";
const char* const kHeading1 =
    "管理番号　 資産名称　　　　数量　勘定科目名 　取得年月日　　取得価格　　償却方法 耐用年　償却率 保証率 残存価格数";
const char* const kHeading2 = "　　　　　 　　　　　　　　　　　減価償却費　管理部署　備考";

class RegisterPrintoutTest : public ::testing::Test {
protected:
    RegisterPrintoutTest()
    {
        fx.emptyTable("固定資産台帳");
        fx.emptyTable("リース資産管理");
    }

    void addAsset(const std::string& number, const std::vector<std::pair<std::string, dao::Value>>& more = {})
    {
        std::vector<std::pair<std::string, dao::Value>> row = {{"管理番号", number}};
        row.insert(row.end(), more.begin(), more.end());
        fx.addRow("固定資産台帳", row);
    }

    void addLease(const std::string& contract, const std::vector<std::pair<std::string, dao::Value>>& more = {})
    {
        std::vector<std::pair<std::string, dao::Value>> row = {{"契約番号", contract}};
        row.insert(row.end(), more.begin(), more.end());
        fx.addRow("リース資産管理", row);
    }

    void printAssets()
    {
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        setup::PrintFixedAssetRegister(page, fx.open("Q_固定資産台帳"));
    }
    void printLeases()
    {
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        setup::PrintLeaseRegister(page, fx.open("Q_リース資産管理"));
    }

    SetupPrintFixture fx;
    A4Recorder printer;
};

TEST_F(RegisterPrintoutTest, FixedAssetRegisterPrintsTwoLinesPerAssetUnderItsHeadings)
{
    addAsset("A-001",
             {{"名称", "営業車両（軽自動車）"},
              {"数量", 1},
              {"勘定科目コード", "144"},
              {"取得年月日", "2023-10-01"},
              {"取得価格", 1500000},
              {"償却方法", "定率法"},
              {"耐用年数", 4},
              {"償却率", 0.5},
              {"保証率", 0.12499},
              {"残存価格", 750000},
              {"減価償却費", 375000},
              {"使用部署名", "営業部"},
              {"備考", "社用車"}});
    // No account behind its code, no acquisition date, no depreciation yet.
    addAsset("A-002",
             {{"名称", "金庫"},
              {"数量", 2},
              {"勘定科目コード", "098"},
              {"取得価格", 300000},
              {"償却方法", "定額法"},
              {"耐用年数", 10},
              {"償却率", 0.1},
              {"保証率", 0.1},
              {"残存価格", 90000},
              {"減価償却費", dao::Value()}});
    // Figures too wide for their fields, no guarantee rate.
    addAsset("A-003",
             {{"名称", "本社ビル"},
              {"数量", 1},
              {"勘定科目コード", "140"},
              {"取得年月日", "2020-04-01"},
              {"取得価格", 1000000000},
              {"償却方法", "定額法"},
              {"耐用年数", 47},
              {"償却率", 0.022},
              {"保証率", dao::Value()},
              {"残存価格", 900000000},
              {"減価償却費", 22000000},
              {"使用部署名", "総務部"},
              {"備考", "長い備考の例です"}});
    printAssets();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 1u);
    const std::vector<std::string> expected = {
        HeaderOnSheet(kAssetTitle, "    ページ     1"),
        M(kHeading1),
        M(kHeading2),
        M("A-001      営業車両（軽自動    1 車両運搬具    2023/10/01     1,500,000 定率法      4年   0.500     0.125   "
          " 750,000"),
        M("                                   375,000 営業部     社用車"),
        M("A-002      金庫                2                                300,000 定額法     10年   0.100     0.100   "
          "  90,000"),
        "",
        M("A-003      本社ビル            1 建物          2020/04/01  ************ 定額法     47年   0.022           "
          "**********"),
        M("                                22,000,000 総務部     長い備考の"),
    };
    EXPECT_TRUE(SameLines(sheets[0], expected));

    // Line 2 begins after 38 blanks; a gap after each heading and each asset.
    const auto page = printer.pages().at(0);
    EXPECT_NEAR(page[2].y - page[1].y, 9.0 + 2.7, 1e-6);
    EXPECT_NEAR(page[3].y - page[2].y, 9.0 + 2.7, 1e-6);
    EXPECT_NEAR(page[4].y - page[3].y, 9.0, 1e-6);
    EXPECT_NEAR(page[5].y - page[4].y, 9.0 + 2.7, 1e-6);
    EXPECT_EQ(page[4].text.find_first_not_of(' '), 38u + 10u - 7u);  // "375,000" right-set in 10
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::NewPage);
}

TEST_F(RegisterPrintoutTest, LeaseRegisterPrintsOneLinePerLeaseOnSheetsThatFitThePaper)
{
    addLease("L-2024-0001",
             {{"資産名称", "複合機"},
              {"勘定科目コード", "145"},
              {"取得年月日", "2024-06-15"},
              {"購入日", "2024-06-15"},
              {"支払総額", 1200000},
              {"リース回数", 60},
              {"月リース料金", 20000},
              {"リース会社", "青葉リース株式会社"},
              {"使用部署", "総務部"},
              {"備考", ""}});
    printLeases();
    printer.endDoc();

    const auto sheets = Sheets(printer);
    const std::vector<std::string> expected = {
        HeaderOnSheet(kLeaseTitle, "    ページ     1"),
        M("L-2024-0001    複合機                           5年      1,200,000         20,000 青葉リース株式会社"
          "  2024年     06月     15日      総務部"),
    };
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_TRUE(SameLines(sheets[0], expected));
    // A lease without a remark ends in its 30 blanks.
    const std::string drawn = printer.texts().back();
    EXPECT_TRUE(drawn.ends_with("総務部" + std::string(12, ' ') + " " + std::string(30, ' ')));
    // The line is wider than the 136 print columns A4 portrait holds at 9 pt:
    // its sheet is reduced as a whole until the line fits the paper.
    EXPECT_GT(printer.textWidth(drawn), 136 * 4.5);
    EXPECT_TRUE(support::everySheetIsAPageWithItsHeader(printer, kLeaseTitle));
    ASSERT_EQ(printer.sheets().size(), 1u);
    EXPECT_LT(printer.sheets()[0].scale, printer.baseScale());
}

struct RegisterPageCase {
    const char* name;
    bool assets;
    int records;
    int linesPerRecord;
};
void PrintTo(const RegisterPageCase& c, std::ostream* os)
{
    *os << c.name;
}

class RegisterPages : public RegisterPrintoutTest, public ::testing::WithParamInterface<RegisterPageCase> {};

TEST_P(RegisterPages, AFullPageGoesOnUnderTheHeaderWithTheNextPageNumber)
{
    const RegisterPageCase& c = GetParam();
    for (int i = 1; i <= c.records; ++i) {
        if (c.assets)
            addAsset("A" + std::to_string(i), {{"備考", "備考" + std::to_string(i)}});
        else
            addLease("L" + std::to_string(i), {{"備考", "備考" + std::to_string(i)}});
    }
    c.assets ? printAssets() : printLeases();
    printer.endDoc();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 2u);
    const char* title = c.assets ? kAssetTitle : kLeaseTitle;
    int next = 1;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        auto body = BodyLines(sheets[s]);
        EXPECT_EQ(sheets[s][0], HeaderOnSheet(title, "    ページ     " + std::to_string(s + 1)));
        if (c.assets) {  // the headings on every sheet, an asset's two lines together
            ASSERT_GE(body.size(), 2u);
            EXPECT_EQ(body[0], M(kHeading1));
            EXPECT_EQ(body[1], M(kHeading2));
            body.erase(body.begin(), body.begin() + 2);
            ASSERT_EQ(body.size() % 2, 0u);
            for (std::size_t i = 0; i < body.size(); i += 2, ++next) {
                EXPECT_TRUE(StartsWith(body[i], M("A" + std::to_string(next) + " "))) << body[i];
                EXPECT_TRUE(body[i + 1].ends_with("備考" + std::to_string(next))) << body[i + 1];
            }
        } else {  // a lease on its one line
            for (std::size_t i = 0; i < body.size(); ++i, ++next) {
                EXPECT_TRUE(StartsWith(body[i], M("L" + std::to_string(next) + " "))) << body[i];
                EXPECT_TRUE(body[i].ends_with("備考" + std::to_string(next))) << body[i];
            }
        }
    }
    EXPECT_EQ(next, c.records + 1);

    const auto pages = printer.pages();
    for (const auto& page : pages)
        for (const auto& line : page)
            EXPECT_LE(line.y + 9.0, printer.scaleHeight() + 1e-6);
    EXPECT_GT(pages[0].back().y + 9.0 + 2.7 + c.linesPerRecord * 9.0, printer.scaleHeight());
    EXPECT_TRUE(support::everySheetIsAPageWithItsHeader(printer, title));
}

INSTANTIATE_TEST_SUITE_P(Registers, RegisterPages,
                         ::testing::Values(RegisterPageCase{"FixedAssets", true, 45, 2},
                                           RegisterPageCase{"Leases", false, 80, 1}),
                         testsupport::kCaseName);

// A lease corrected with "更新" holds its new date in 取得年月日 (which the
// register shows) and its first one in 購入日: the paper shows the screen's.
TEST_F(RegisterPrintoutTest, LeaseStartsOnTheAcquisitionDateTheRegisterShows)
{
    addLease("L-1", {{"取得年月日", "2024-07-01"}, {"購入日", "2024-06-15"}});
    printLeases();
    const std::string line = printer.texts().back();
    EXPECT_NE(line.find(" 2024年     07月     01日"), std::string::npos) << line;
    EXPECT_EQ(line.find("06月"), std::string::npos) << line;
}

TEST_F(RegisterPrintoutTest, EmptyRegistersPrintNothingAtAll)
{
    printAssets();
    printLeases();
    EXPECT_TRUE(printer.events().empty());
}

}  // namespace
