// The whole setup print run of the sample company into a PDF, read back with
// pdftotext: every list is there, every page comes out whole on one sheet
// within the paper, and the PDF has as many pages as the recording device,
// laid out on the same page, makes sheets.
#include "periodfile/SampleCompany.h"
#include "platform/dao/Engine.h"
#include "platform/printing/PdfPrinter.h"
#include "setup/SetupPrintFixture.h"
#include "setup/SetupPrintRun.h"
#include "support/SheetChecks.h"
#include "support/PdfText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

using namespace setuptest;

namespace {

// Runs of blanks (full-width ones included) made one blank: pdftotext lays
// the text out again and does not keep the printed spacing.
std::string OneBlank(const std::string& text)
{
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        const bool fullWidthBlank = text.compare(i, 3, "\u3000") == 0;
        if (text[i] == ' ' || text[i] == '\t' || fullWidthBlank) {
            blank = true;
            i += fullWidthBlank ? 3 : 1;
            continue;
        }
        if (blank && !out.empty() && out.back() != '\n' && text[i] != '\n')
            out += ' ';
        blank = false;
        out += text[i++];
    }
    return out;
}

class SampleCompanyRun {
public:
    explicit SampleCompanyRun(const std::string& dir)
    {
        const std::string path = (std::filesystem::path(dir) / periodfile::kSampleFileName).string();
        periodfile::createSampleCompany(dir);
        m_db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    }
    ~SampleCompanyRun()
    {
        m_open.clear();
        m_db->Close();
    }

    bool print(printing::PrinterDevice& printer)
    {
        setup::SetupPrintSources s;
        s.settings = &open("会計設定");
        s.settings->MoveFirst();
        s.accountMaster = &open("Q_勘定科目コード表");
        s.usedAccounts = &open("Q_使用勘定科目表");
        s.bankAccounts = &open("Q_取引銀行");
        s.templates = &open("Q_仕訳定型台帳");
        s.partners = &open("Q_取引先管理");
        s.taxRates = &open("Q_消費税率");
        s.fixedAssets = &open("Q_固定資産台帳");
        s.leases = &open("Q_リース資産管理");
        std::array<bool, setup::kSetupPrintoutCount> all{};
        all.fill(true);
        return setup::RunSetupPrintouts(printer, s, all, kPrintedAt);
    }

private:
    dao::Recordset& open(const std::string& source)
    {
        m_open.push_back(m_db->OpenRecordset(source));
        return *m_open.back();
    }
    std::shared_ptr<dao::Database> m_db;
    std::vector<std::unique_ptr<dao::Recordset>> m_open;
};

TEST(SetupPrintPdf, TheWholeRunReadsBackFromThePdf)
{
    if (!testsupport::PdfToTextInstalled())
        GTEST_SKIP() << "pdftotext is not installed";
    SetupPrintFixture fx;  // a folder of its own, removed afterwards
    const std::string dir = (fx.dir() / "sample").string();
    const std::string pdf = (fx.dir() / "setup.pdf").string();

    SampleCompanyRun sample(dir);
    printing::PdfPrinter printer(pdf);
    ASSERT_TRUE(sample.print(printer));
    A4Recorder recorder;
    ASSERT_TRUE(sample.print(recorder));

    const std::string text = testsupport::PdfText(pdf);
    ASSERT_FALSE(text.empty());
    const std::string lines = OneBlank(text);
    for (const char* expected :
         {"【サンプル商事】 会計 初期設定 2025/05/07(水) 09:30 ページ 1",
          "法人番号 ：",
          "事業所名 ：サンプル商事",
          "会計期間 ：2025/04/01",
          "期首現金預金: 7,777,585",
          "《 取引銀行 》",
          "三井住友銀行 渋谷駅前支店 普通預金 1,281,150",
          "《 消費税率 》",
          "2019/10/01 10%",
          "【サンプル商事】 会計 仕訳定型リスト 2025/05/07(水) 09:30 ページ 1",
          "【サンプル商事】 会計 勘定科目一覧表（マスター台帳） 2025/05/07(水) 09:30 ページ 1",
          "期首残高 使用 借貸 借方合計 貸方合計 期末残高",
          "【サンプル商事】 会計 使用勘定科目一覧表 2025/05/07(水) 09:30 ページ 1",
          "【サンプル商事】 会計 取引先リスト 2025/05/07(水) 09:30 ページ 1",
          "株式会社あおば商店 菓子・食品卸（得意先） A 31日 30日後",
          "【サンプル商事】 会計 固定資産管理台帳 2025/05/07(水) 09:30 ページ 1",
          "耐用年 償却率 保証率 残存価格数",
          "F-002 配送用ライトバン 1 車両運搬具 2022/10/03 2,280,000 定率法 5年 40.000 10.800",
          "【サンプル商事】 会計 リース物件台帳 2025/05/07(水) 09:30 ページ 1",
          "TL-2023-0451 POSレジシステム 5年 1,320,000 22,000 東都リース株式会社 2023年 07月 01日 店舗 5年リース",
          "【サンプル商事】 会計 勘定科目一覧表（マスター台帳） 2025/05/07(水) 09:30 ページ 1",
          "【サンプル商事】 会計 使用勘定科目一覧表 2025/05/07(水) 09:30 ページ 1",
          "【サンプル商事】 会計 業種別勘定科目一覧表 2025/05/07(水) 09:30 ページ 2"}) {
        EXPECT_NE(lines.find(expected), std::string::npos) << expected;
    }
    // Every page on one sheet, within the paper.
    EXPECT_TRUE(support::everyPageIsOneSheet(recorder));
    // One page per sheet of the recording device.
    const std::size_t pdfPages = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\f'));
    EXPECT_EQ(pdfPages, recorder.pages().size());
    EXPECT_GE(pdfPages, 10u);
}

}  // namespace
