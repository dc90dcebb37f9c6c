// A damaged journal row never becomes a figure. A text or a fraction in an
// amount, a 日付 that is no date, or the amount column renamed by another
// tool: every walk that sums or carries the journal's amounts refuses the row
// (or the missing column) by name, as the journal window does, instead of
// reading 0, 1 or "outside the period". The closing window shows no figures
// (nor those an earlier tally stored) and neither prints nor writes its CSV
// files; the rollover makes no next file, even when asked to go on; the
// month-end tax, the depreciation journal and the tax settlement post
// nothing. The period file stays byte for byte as it was.
//
// Each run is shown a damaged row it reads: a sale with its output tax (the
// tally, the rollover, the month-end run and the settlement read it) or a
// row of the depreciation journal posted before (which the depreciation
// journal looks for among the period's closing entries).

#include "closing/ClosingEntryTab.h"
#include "closing/DepreciationJournal.h"
#include "closing/Rollover.h"
#include "closing/TaxSettlement.h"
#include "journal/MonthEndTax.h"
#include "periodfile/SampleCompany.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "statements/Form34.h"
#include "support/CaseName.h"
#include "support/DamagedValues.h"
#include "support/WindowTestBase.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using statements::Form34;

// The damage done to the row at "%ROW%" (its rowid), and what the refusal
// says of the field.
struct Damage {
    const char* name;
    const char* spoil;
    const char* named;
};

void PrintTo(const Damage& d, std::ostream* out)
{
    *out << d.name;
}

const Damage kDamages[] = {
    {"TextAmount", "UPDATE 仕訳台帳 SET 入金 = 'abc' WHERE rowid = %ROW%",
     "フィールド「入金」の値「abc」は数値として読めません"},
    {"FractionAmount", "UPDATE 仕訳台帳 SET 入金 = 1.5 WHERE rowid = %ROW%",
     "フィールド「入金」の値「1.5」は整数ではありません"},
    {"DateThatIsNone", "UPDATE 仕訳台帳 SET 日付 = 'yesterday' WHERE rowid = %ROW%",
     "フィールド「日付」の値「yesterday」は日付として読めません"},
    {"AmountColumnRenamed", "ALTER TABLE 仕訳台帳 RENAME COLUMN 入金 TO 借方金額", "フィールド「入金」がありません"},
};

enum class Walk {
    ClosingWindowTally,
    ClosingWindowCsv,
    ClosingWindowPrint,
    Rollover,
    MonthEndTax,
    DepreciationJournal,
    TaxSettlement
};

struct RunCase {
    const char* name;
    Walk run;
    const char* row;  // the row it reads: a condition on 仕訳台帳
};

void PrintTo(const RunCase& r, std::ostream* out)
{
    *out << r.name;
}

constexpr const char* kSaleWithItsTax = "貸方コード = '218' AND 決算仕訳 = 0";    // 仮受消費税
constexpr const char* kDepreciationRow = "借方コード = '530' AND 決算仕訳 <> 0";  // 減価償却費

const RunCase kRuns[] = {
    {"ClosingWindowTally", Walk::ClosingWindowTally, kSaleWithItsTax},
    {"ClosingWindowCsv", Walk::ClosingWindowCsv, kSaleWithItsTax},
    {"ClosingWindowPrint", Walk::ClosingWindowPrint, kSaleWithItsTax},
    {"Rollover", Walk::Rollover, kSaleWithItsTax},
    {"MonthEndTax", Walk::MonthEndTax, kSaleWithItsTax},
    {"DepreciationJournal", Walk::DepreciationJournal, kDepreciationRow},
    {"TaxSettlement", Walk::TaxSettlement, kSaleWithItsTax},
};

const closing::ClosingDateBoxes kClosingDay{"2026年", "03月", "31日"};
const dao::Date kNow{2026, 5, 20, 10, 0, 0};

std::string replaced(std::string text, const std::string& mark, const std::string& by)
{
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
    return text;
}

std::vector<std::string> filesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The sample company with its depreciation journal posted, made once; each
// test damages a copy of it in a folder of its own.
class DamagedJournalRow : public testsupport::WindowTestBase<>,
                          public ::testing::WithParamInterface<std::tuple<Damage, RunCase>> {
protected:
    static void SetUpTestSuite()
    {
        master = fs::temp_directory_path() / ("velmora-damaged-rows-" + std::to_string(::getpid()));
        fs::remove_all(master);
        const std::string path = periodfile::createSampleCompany(master.string());
        auto workspace = dao::DBEngine::instance().Workspaces(0);
        auto db = workspace->OpenDatabase(path);
        ASSERT_GT(closing::PostDepreciationJournal(*workspace, *db, kClosingDay, kNow).postedRows, 0);
        db->Close();
    }
    static void TearDownTestSuite() { fs::remove_all(master); }

    void SetUp() override
    {
        WindowTestBase::SetUp();
        // A parameterised test's name holds a "/": the folder is one level all the same.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir = fs::temp_directory_path() / ("velmora-damaged-row-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / kFileName).string();
        fs::copy_file(master / kFileName, path);
        useFile(path, dir);
        closing::registerClosingEntryTab();
    }

    void TearDown() override
    {
        WindowTestBase::TearDown();
        fs::remove_all(dir);
    }

    void closeWindows() override { form.reset(); }

    // The voucher number of the row the run reads, and the row damaged with raw SQLite.
    std::string spoil(const Damage& damage, const RunCase& run)
    {
        std::string rowid;
        std::string voucher;
        {
            auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path, true);
            auto row = db->OpenRecordset(std::string("SELECT rowid AS r, 伝票番号 FROM 仕訳台帳 WHERE ") + run.row
                                             + " ORDER BY rowid LIMIT 1",
                                         dao::RecordsetType::Snapshot);
            rowid = row->get("r").toText();
            voucher = row->get("伝票番号").toText();
            db->Close();
        }
        const std::string sql = replaced(damage.spoil, "%ROW%", rowid);
        testsupport::Spoil(path, {damage.name, sql.c_str(), ""});
        return voucher;
    }

    // Opens the closing window; the refusal of its tally is shown when it opens.
    Form34& openWindow()
    {
        dialogs->expectAnyMessage(ui::Answer::Ok).withTitle("決算処理");
        form = std::make_unique<Form34>();
        return *form;
    }

    // Runs `run` on the damaged file; returns what it said.
    std::string refusalOf(Walk run)
    {
        switch (run) {
        case Walk::ClosingWindowTally: {
            Form34& f = openWindow();
            const std::string notice = f.TallyNotice->text().toStdString();
            // No statement shows a figure, neither this journal's nor one stored before.
            for (const QListWidget* list : {f.List3, f.List5[0], f.List4[0], f.List6, f.List7}) {
                EXPECT_EQ(list->count(), 1) << list->objectName().toStdString();
                EXPECT_EQ(list->item(0)->text().toStdString(), notice);
            }
            return dialogs->messageTexts().at(0);
        }
        case Walk::ClosingWindowCsv: {
            Form34& f = openWindow();
            dialogs->expectAnyMessage(ui::Answer::Ok).withTitle("ＣＳＶファイル作成");
            f.Command1[Form34::CsvButton]->click();
            EXPECT_FALSE(fs::exists(dir / "貸借対照表.csv"));
            EXPECT_FALSE(fs::exists(dir / "損益計算書.csv"));
            return dialogs->messageTexts().at(1);
        }
        case Walk::ClosingWindowPrint: {
            Form34& f = openWindow();
            f.Check1[0]->click();
            f.Check2[0]->click();
            dialogs->expectAnyMessage(ui::Answer::Ok).withTitle("各種帳票印刷");
            f.Command1[Form34::PrintButton]->click();
            dialogs->expectAnyMessage(ui::Answer::Ok).withTitle("決算報告書印刷");
            f.Command1[Form34::ClosingReportButton]->click();
            EXPECT_TRUE(printer->events().empty());
            EXPECT_EQ(dialogs->messageTexts().at(1), dialogs->messageTexts().at(2));
            return dialogs->messageTexts().at(1);
        }
        case Walk::Rollover: {
            const auto files = closing::RolloverFilesFor(dir.string(), kFileName, 10);
            // Asked whether to carry openings that do not balance, the user goes on.
            const closing::RolloverOutcome outcome =
                closing::RollOverPeriodFile(*files.files, [](const std::string&) { return true; });
            EXPECT_FALSE(outcome.done);
            return outcome.failure;
        }
        case Walk::MonthEndTax: {
            auto workspace = dao::DBEngine::instance().Workspaces(0);
            auto db = workspace->OpenDatabase(path);
            auto journal = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
            journal::MonthEndSources sources{*workspace,
                                             *db,
                                             *journal,
                                             dao::Date{2025, 4, 1},
                                             dao::Date{2026, 3, 31},
                                             {"136", "201", "100", "214", "111"},
                                             {},
                                             journal::FractionRule::Truncate};
            const journal::RunOutcome outcome = journal::PostMonthEndTaxEntries(sources);
            EXPECT_EQ(outcome.count.postedVouchers, 0);
            return outcome.notices.empty() ? std::string() : outcome.notices.front().text;
        }
        case Walk::DepreciationJournal:
        case Walk::TaxSettlement: {
            auto workspace = dao::DBEngine::instance().Workspaces(0);
            auto db = workspace->OpenDatabase(path);
            const closing::ClosingRunResult result = run == Walk::DepreciationJournal
                ? closing::PostDepreciationJournal(*workspace, *db, kClosingDay, kNow)
                : closing::PostTaxSettlementEntries(*workspace, *db, kClosingDay, kNow);
            EXPECT_FALSE(result.posted());
            return result.notices.empty() ? std::string() : result.notices.front().text;
        }
        }
        return {};
    }

    static constexpr const char* kFileName = "サンプル商事第10期.mdb";
    static inline fs::path master;
    fs::path dir;
    std::string path;
    std::unique_ptr<Form34> form;
};

TEST_P(DamagedJournalRow, IsRefusedByNameAndNothingIsWrittenOrMade)
{
    const auto& [damage, run] = GetParam();
    const std::string voucher = spoil(damage, run);
    const std::string before = testsupport::FileBytes(path);
    const std::vector<std::string> files = filesIn(dir);

    const std::string refusal = refusalOf(run.run);

    EXPECT_NE(refusal.find(damage.named), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("ファイル「" + path + "」"), std::string::npos) << refusal;
    if (std::string(damage.spoil).find("%ROW%") != std::string::npos) {
        EXPECT_NE(refusal.find("の「仕訳台帳」の "), std::string::npos) << refusal;
        EXPECT_NE(refusal.find("伝票番号 " + voucher), std::string::npos) << refusal;
    }
    closeWindows();
    EXPECT_TRUE(testsupport::FileBytes(path) == before) << "the period file was written";
    EXPECT_EQ(filesIn(dir), files);
}

// Named "<damage>_<run>", as TextAmount_Rollover.
constexpr auto kDamageAndRunName = [](const auto& test) {
    return std::string(std::get<0>(test.param).name) + "_" + std::get<1>(test.param).name;
};

INSTANTIATE_TEST_SUITE_P(Runs, DamagedJournalRow,
                         ::testing::Combine(::testing::ValuesIn(kDamages), ::testing::ValuesIn(kRuns)),
                         kDamageAndRunName);

}  // namespace
