// The printed company settings: every line of the page, every bank account
// (also after one without a branch name), the tax codes, the rate table, and
// a new page under the header when the page is full.
#include "setup/CompanySettingsPrintout.h"
#include "setup/SetupPrintFixture.h"
#include "support/CaseName.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace setuptest;

namespace {

const char* const kTitle = " 会計 初期設定  ";

class CompanySettingsPrintoutTest : public ::testing::Test {
protected:
    CompanySettingsPrintoutTest()
    {
        fx.execute("UPDATE \"会計設定\" SET \"法人番号\" = '1234567890123', \"フリガナ\" = 'テストショウジ',"
                   " \"郵便番号\" = '100-0001', \"住所1\" = '東京都千代田区1-1', \"住所2\" = '',"
                   " \"電話番号\" = '03-1111-2222', \"FAX番号\" = '03-1111-2223', \"事業種目\" = '卸売業',"
                   " \"所轄税務署\" = '麹町', \"事業主役職名\" = '代表取締役', \"事業主氏名\" = '青葉一郎',"
                   " \"会社Eメール\" = 'info@example.jp', \"決算報告日\" = '2025-05-31',"
                   " \"期首現金残高\" = 150000, \"期首預金残高\" = 2500000, \"申告区分\" = '3',"
                   " \"処理方法\" = '4', \"消費税計算\" = 1, \"端数処理\" = '2'");
        fx.emptyTable("銀行コードﾏｽﾀｰ");
        fx.emptyTable("支店コードﾏｽﾀｰ");
        fx.emptyTable("取引銀行");
        fx.addRow("銀行コードﾏｽﾀｰ", {{"銀行コード", "0001"}, {"銀行名", "青葉銀行"}, {"使用銀行", 1}});
        fx.addRow("銀行コードﾏｽﾀｰ",
                  {{"銀行コード", "0002"}, {"銀行名", "みずなみ信用金庫本店営業部第二課長"}, {"使用銀行", 1}});
        fx.addRow("支店コードﾏｽﾀｰ", {{"銀行コード", "0001"}, {"支店コード", "0001001"}, {"支店名", "本店"}});
        fx.addRow("支店コードﾏｽﾀｰ", {{"銀行コード", "0001"}, {"支店コード", "0001002"}, {"支店名", ""}});
        fx.addRow("支店コードﾏｽﾀｰ", {{"銀行コード", "0002"}, {"支店コード", "0002001"}, {"支店名", "駅前支店"}});
        fx.emptyTable("消費税率");
        fx.addRow("消費税率", {{"日付", dao::Value()}, {"税率", 5}});
        fx.addRow("消費税率", {{"日付", "2014-04-01"}, {"税率", 8}, {"簡易税率", 6}});
        fx.addRow("消費税率", {{"日付", "2019-10-01"}, {"税率", 10}, {"簡易税率", 8}});
    }

    void addBankAccount(int no, const char* bank, const char* branch, const char* kind, dao::Value opening)
    {
        fx.addRow("取引銀行",
                  {{"no", no}, {"銀行コード", bank}, {"支店コード", branch}, {"種別", kind}, {"期首残高", opening}});
    }

    void print()
    {
        setup::SetupPage page(printer, kCompany, kPrintedAt);
        setup::PrintCompanySettings(page, settings(), &fx.open("Q_取引銀行"), &fx.open("Q_消費税率"));
    }

    dao::Recordset& settings()
    {
        dao::Recordset& rs = fx.open("会計設定");
        rs.MoveFirst();
        return rs;
    }

    SetupPrintFixture fx;
    A4Recorder printer;
};

TEST_F(CompanySettingsPrintoutTest, PrintsEveryLineOfThePageAndEveryBankAccount)
{
    addBankAccount(1, "0001", "0001001", "普通預金", 1000000);
    addBankAccount(2, "0001", "0001002", "当座預金", 0);  // a branch without a name
    addBankAccount(3, "0002", "0002001", "普通預金", -5000);
    print();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 1u);
    // The three bank accounts in order, the one without a branch name and the long bank name among them.
    EXPECT_TRUE(testsupport::MatchesGolden(sheets[0], "setup/golden/CompanySettingsPrintout.txt"));
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::NewPage);
}

TEST_F(CompanySettingsPrintoutTest, SpacesItsLinesWithGapsAndBlankLinesOnlyWhereTheListSaysSo)
{
    addBankAccount(1, "0001", "0001001", "普通預金", 1);
    addBankAccount(2, "0002", "0002001", "普通預金", 2);
    print();

    const auto page = printer.pages().at(0);
    auto yOf = [&](const std::string& start) {
        for (const auto& line : page)
            if (line.text.rfind(C6(start), 0) == 0)
                return line.y;
        ADD_FAILURE() << start;
        return 0.0;
    };
    const double line = 9.0, gap = 2.7, blank = 11.7;
    EXPECT_NEAR(yOf("【"), blank, 1e-6);  // one blank line above the header
    EXPECT_NEAR(yOf("《 会社基本情報 》") - yOf("【"), line + gap + blank, 1e-6);
    EXPECT_NEAR(yOf("フリガナ") - yOf("法人番号"), line + gap, 1e-6);
    EXPECT_NEAR(yOf("会計年度") - yOf("会社Eメール"), line + gap + blank, 1e-6);
    EXPECT_NEAR(yOf("みずなみ") - yOf("青葉銀行"), line, 1e-6);  // bank lines without gaps
    EXPECT_NEAR(yOf("《 消費税設定 》") - yOf("みずなみ"), line + blank, 1e-6);
    EXPECT_NEAR(yOf("処理方法") - yOf("申告区分"), line, 1e-6);  // tax lines without gaps
    // The undated rate row prints nothing but keeps its gap.
    EXPECT_NEAR(yOf("2014/04/01") - yOf("《 消費税率 》"), line + gap + gap, 1e-6);
    EXPECT_NEAR(yOf("2019/10/01") - yOf("2014/04/01"), line + gap, 1e-6);
}

TEST_F(CompanySettingsPrintoutTest, WithoutBankAccountsOrRatesTheHeadingsStandAlone)
{
    fx.emptyTable("消費税率");
    print();
    const auto sheet = Sheets(printer).at(0);
    const auto banks = std::find(sheet.begin(), sheet.end(), C6("《 取引銀行 》"));
    ASSERT_NE(banks, sheet.end());
    EXPECT_EQ(*(banks + 1), C6("《 消費税設定 》"));
    EXPECT_EQ(sheet.back(), C6("《 消費税率 》"));
}

TEST_F(CompanySettingsPrintoutTest, AFullPageGoesOnUnderTheHeaderWithTheNextPageNumber)
{
    const int accounts = 90;
    for (int i = 1; i <= accounts; ++i)
        addBankAccount(i, "0001", "0001001", "普通預金", i);
    print();

    const auto sheets = Sheets(printer);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].front(), HeaderAtColumn6(kTitle, "    ページ     1"));
    EXPECT_EQ(sheets[1].front(), HeaderAtColumn6(kTitle, "    ページ     2"));

    // Every account once, in order, over both sheets.
    std::vector<std::string> bankLines;
    for (const auto& sheet : sheets)
        for (const auto& text : sheet)
            if (text.rfind(C6("青葉銀行"), 0) == 0)
                bankLines.push_back(text);
    ASSERT_EQ(bankLines.size(), static_cast<std::size_t>(accounts));
    for (int i = 1; i <= accounts; ++i)
        EXPECT_EQ(bankLines[static_cast<std::size_t>(i - 1)],
                  C6("青葉銀行            本店              普通預金            " + std::to_string(i)));
    EXPECT_EQ(sheets[1].back(), C6("2019/10/01 10%"));

    // Nothing below the paper; the first sheet was full when it broke.
    const auto pages = printer.pages();
    for (const auto& page : pages)
        for (const auto& line : page)
            EXPECT_LE(line.y + 9.0, printer.scaleHeight() + 1e-6);
    EXPECT_GT(pages[0].back().y + 9.0 + 9.0, printer.scaleHeight());
}

struct CodeCase {
    const char* name;
    std::string text;
    const char* expected;
};
void PrintTo(const CodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaxCodeText : public ::testing::TestWithParam<CodeCase> {};

TEST_P(TaxCodeText, NamesTheStoredCode)
{
    EXPECT_EQ(GetParam().text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, TaxCodeText,
                         ::testing::Values(CodeCase{"FilingExempt", setup::FilingStatusText("1"), "免税"},
                                           CodeCase{"FilingSimplified", setup::FilingStatusText("2"), "簡易課税"},
                                           CodeCase{"FilingCodeFourHasNoText", setup::FilingStatusText("4"), ""},
                                           CodeCase{"MethodExclusive", setup::TaxMethodText("1"), "外税"},
                                           CodeCase{"MethodNone", setup::TaxMethodText("4"), "計算なし"},
                                           CodeCase{"MethodNull", setup::TaxMethodText(dao::Value()), ""},
                                           CodeCase{"FractionTruncate", setup::FractionRuleText("1"), "切捨て"},
                                           CodeCase{"FractionUp", setup::FractionRuleText("3"), "切り上げ"},
                                           CodeCase{"FractionWithBlank", setup::FractionRuleText(" 1"), ""}),
                         testsupport::kCaseName);

}  // namespace
