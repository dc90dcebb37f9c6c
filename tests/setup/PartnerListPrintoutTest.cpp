// The printed partner list: two lines per partner, blanks for a closing day
// or payment term of 0 or none, nothing for an empty table, and a new page
// under the header (the page number counting on) when the page is full.
#include "setup/PartnerListPrintout.h"
#include "setup/SetupPrintFixture.h"

#include <gtest/gtest.h>

using namespace setuptest;

namespace {

const char* const kTitle = " 会計 取引先リスト  ";

class PartnerListPrintoutTest : public ::testing::Test {
protected:
    PartnerListPrintoutTest() { fx.emptyTable("取引先管理"); }

    void print()
    {
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        setup::PrintPartnerList(page, fx.open("Q_取引先管理"));
    }

    SetupPrintFixture fx;
    A4Recorder printer;
};

TEST_F(PartnerListPrintoutTest, PrintsTwoLinesPerPartner)
{
    fx.addRow("取引先管理",
              {{"取引先名", "青葉商事株式会社"},
               {"取引内容", "文具の卸"},
               {"取引先ランク", "A"},
               {"締日", 20},
               {"支払日", 30},
               {"住所", "東京都港区1-2-3"},
               {"代表者", "青葉太郎"},
               {"電話番号", "03-1234-5678"},
               {"メールアドレス", "aoba@example.jp"}});
    fx.addRow("取引先管理",
              {{"取引先名", "株式会社みずなみ総合物流サービス"},
               {"取引内容", "運送"},
               {"取引先ランク", "B"},
               {"締日", 0},
               {"支払日", 0}});
    fx.addRow("取引先管理", {{"取引先名", "日付なし商店"}, {"締日", dao::Value()}, {"支払日", dao::Value()}});
    print();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 1u);
    const std::vector<std::string> expected = {
        HeaderAtColumn6(kTitle, "    ページ     1"),
        C6("青葉商事株式会社            文具の卸                 A     20日   30日後"),
        C6("東京都港区1-2-3                青葉太郎     03-1234-5678 aoba@example.jp"),
        C6("株式会社みずなみ総合物流サ  運送                     B"),
        "",
        C6("日付なし商店"),
        "",
    };
    EXPECT_TRUE(SameLines(sheets[0], expected));

    // A partner's lines follow each other; a gap after each partner.
    const auto page = printer.pages().at(0);
    EXPECT_NEAR(page[2].y - page[1].y, 9.0, 1e-6);
    EXPECT_NEAR(page[3].y - page[2].y, 9.0 + 2.7, 1e-6);
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::NewPage);
}

TEST_F(PartnerListPrintoutTest, AFullPageGoesOnUnderTheHeaderWithTheNextPageNumber)
{
    const int partners = 45;
    for (int i = 1; i <= partners; ++i)
        fx.addRow("取引先管理", {{"取引先名", "取引先" + std::to_string(i)}, {"住所", "住所" + std::to_string(i)}});
    print();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].front(), HeaderAtColumn6(kTitle, "    ページ     1"));
    EXPECT_EQ(sheets[1].front(), HeaderAtColumn6(kTitle, "    ページ     2"));

    // Every partner once and in order, its address line right after its name
    // line on the same sheet.
    int next = 1;
    for (const auto& sheet : sheets) {
        const auto body = BodyLines(sheet);
        ASSERT_EQ(body.size() % 2, 0u);
        for (std::size_t i = 0; i < body.size(); i += 2, ++next) {
            EXPECT_EQ(body[i], C6("取引先" + std::to_string(next)));
            EXPECT_EQ(body[i + 1], C6("住所" + std::to_string(next)));
        }
    }
    EXPECT_EQ(next, partners + 1);

    // Nothing below the paper; the first sheet broke only when the next
    // partner's two lines would not have fitted.
    const auto pages = printer.pages();
    for (const auto& page : pages)
        for (const auto& line : page)
            EXPECT_LE(line.y + 9.0, printer.scaleHeight() + 1e-6);
    EXPECT_GT(pages[0].back().y + 9.0 + 2.7 + 2 * 9.0, printer.scaleHeight());
}

TEST_F(PartnerListPrintoutTest, AnEmptyTablePrintsNothingAtAll)
{
    print();
    EXPECT_TRUE(printer.events().empty());
}

}  // namespace
