// The printed template list: the line of a template row, 78 rows a page with
// the page number in each header, nothing for an empty table, the recordset
// back on its first row.
#include "setup/SetupPrintFixture.h"
#include "setup/TemplateListPrintout.h"

#include <gtest/gtest.h>

using namespace setuptest;

namespace {

const char* const kTitle = " 会計 仕訳定型リスト  ";

class TemplateListPrintoutTest : public ::testing::Test {
protected:
    TemplateListPrintoutTest() { fx.emptyTable("仕訳定型台帳"); }

    void addTemplateRow(const std::string& id, int rowNumber, const std::string& description, dao::Value debit,
                        dao::Value credit, bool closing = false, const std::string& partner = "",
                        const std::string& bank = "", const std::string& branch = "")
    {
        fx.addRow("仕訳定型台帳",
                  {{"仕訳ID", id},
                   {"追番", rowNumber},
                   {"摘要", description},
                   {"取引先", partner},
                   {"借方コード", rowNumber == 2 ? "103" : "100"},
                   {"入金", debit},
                   {"貸方コード", rowNumber == 2 ? "100" : "400"},
                   {"出金", credit},
                   {"銀行コード", bank},
                   {"支店コード", branch},
                   {"決算仕訳", closing ? 1 : 0}});
    }

    dao::Recordset& print()
    {
        dao::Recordset& templates = fx.open("Q_仕訳定型台帳");
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        setup::PrintTemplateList(page, templates);
        return templates;
    }

    SetupPrintFixture fx;
    A4Recorder printer;
};

TEST_F(TemplateListPrintoutTest, PrintsOneLinePerTemplateRow)
{
    addTemplateRow("240401000001", 1, "現金売上", 10800, 10800);
    addTemplateRow("240401000001", 2, "普通預金へ預入", 1000, 1000, false, "", "0001", "0001203");
    // A closing template: 追番 10 moves the rest one column right, a long
    // description and partner are cut, no debit amount, a credit amount too
    // wide for its field.
    addTemplateRow("240401000002", 10, "とても長い摘要の決算整理仕訳です", dao::Value(), 123456789, true,
                   "株式会社青葉不動産");
    const dao::Recordset& templates = print();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 1u);
    const std::vector<std::string> expected = {
        HeaderAtColumn6(kTitle, "    ページ   1"),
        C6("  1 現金売上                        現金                     10,800 売上高                   10,800"),
        C6("  2 普通預金へ預入                  普通預金                  1,000 現金                      1,000 "
           "みずほ銀行   新宿支店"),
        C6("* 10 とても長い摘要の決算 株式会社青 現金                            売上高               **********"),
    };
    EXPECT_TRUE(SameLines(sheets[0], expected));
    EXPECT_EQ(templates.AbsolutePosition(), 0);  // back on its first row
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::NewPage);
}

TEST_F(TemplateListPrintoutTest, SeventyNineRowsMakeTwoPagesOfSeventyEightAndOne)
{
    for (int i = 1; i <= 79; ++i) {
        char id[32];
        std::snprintf(id, sizeof id, "2404010000%02d", i);
        addTemplateRow(id, 1, "行" + std::to_string(i), i, i);
    }
    print();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].front(), HeaderAtColumn6(kTitle, "    ページ   1"));
    EXPECT_EQ(sheets[0].size(), 1u + 78u);
    EXPECT_TRUE(StartsWith(sheets[0].back(), C6("  1 行78 "))) << sheets[0].back();
    EXPECT_EQ(sheets[1].front(), HeaderAtColumn6(kTitle, "    ページ   2"));
    ASSERT_EQ(sheets[1].size(), 2u);
    EXPECT_TRUE(StartsWith(sheets[1][1], C6("  1 行79 "))) << sheets[1][1];

    // The first page begins with two blank lines, the second with one; rows at
    // the plain line height.
    const auto pages = printer.pages();
    EXPECT_NEAR(pages[0][0].y, 2 * 11.7, 1e-6);
    EXPECT_NEAR(pages[1][0].y, 11.7, 1e-6);
    EXPECT_NEAR(pages[0][1].y - pages[0][0].y, 9.0 + 2.7 + 11.7, 1e-6);
    EXPECT_NEAR(pages[0][2].y - pages[0][1].y, 9.0, 1e-6);
}

TEST_F(TemplateListPrintoutTest, AnEmptyTablePrintsNothingAtAll)
{
    print();
    EXPECT_TRUE(printer.events().empty());
}

}  // namespace
