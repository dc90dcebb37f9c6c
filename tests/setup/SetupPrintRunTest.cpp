// The setup print run: the ticked printouts in box order in one document on
// the prepared printer, each at its own margin, nothing at all when no box is ticked, the end of the
// document also when every ticked list is empty, and edit mode as the lists
// leave it.
#include "common/EditMode.h"
#include "setup/SetupPrintFixture.h"
#include "setup/SetupPrintRun.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace setuptest;

namespace {

using Ticks = std::array<bool, setup::kSetupPrintoutCount>;

Ticks TickedBoxes(std::initializer_list<int> boxes)
{
    Ticks ticks{};
    for (int box : boxes)
        ticks[static_cast<std::size_t>(box)] = true;
    return ticks;
}

class SetupPrintRunTest : public ::testing::Test {
protected:
    SetupPrintRunTest()
    {
        o::EditMode = o::EditModeOff;
        fx.emptyTable("勘定科目コード表");
        fx.addRow("勘定科目コード表",
                  {{"勘定科目コード", "100"},
                   {"勘定科目名", "現金"},
                   {"適用", 1},
                   {"大分類", "資産の部"},
                   {"内容", "手許現金"},
                   {"標準勘定科目名", "現金"}});
        fx.emptyTable("仕訳定型台帳");
        fx.addRow("仕訳定型台帳",
                  {{"仕訳ID", "250401000001"},
                   {"追番", 1},
                   {"摘要", "定型の摘要"},
                   {"借方コード", "100"},
                   {"入金", 100},
                   {"貸方コード", "100"},
                   {"出金", 100}});
        fx.emptyTable("取引先管理");
        fx.addRow("取引先管理", {{"取引先名", "青葉商事"}});
        fx.emptyTable("固定資産台帳");
        fx.addRow("固定資産台帳", {{"管理番号", "A-1"}});
        fx.emptyTable("リース資産管理");
        fx.addRow("リース資産管理", {{"契約番号", "L-1"}});
        fx.emptyTable("取引銀行");
    }
    ~SetupPrintRunTest() override { o::EditMode = o::EditModeOff; }

    setup::SetupPrintSources sources()
    {
        setup::SetupPrintSources s;
        s.settings = &fx.open("会計設定");
        s.settings->MoveFirst();
        s.accountMaster = &fx.open("Q_勘定科目コード表");
        s.accountMaster2 = &fx.open("Q_勘定科目コード表2");
        s.usedAccounts = &fx.open("Q_使用勘定科目表");
        s.banksInUse = &fx.open("Q_使用銀行");
        s.branchesInUse = &fx.open("Q_使用銀行支店");
        s.bankAccounts = &fx.open("Q_取引銀行");
        s.templates = &fx.open("Q_仕訳定型台帳");
        s.depositKinds = &fx.open("預金種別");
        s.partners = &fx.open("Q_取引先管理");
        s.taxRates = &fx.open("Q_消費税率");
        s.fixedAssets = &fx.open("Q_固定資産台帳");
        s.leases = &fx.open("Q_リース資産管理");
        return s;
    }

    bool run(const Ticks& ticks) { return setup::RunSetupPrintouts(printer, sources(), ticks, kPrintedAt); }

    // The title of each sheet's header line ("" for a sheet that has none).
    std::vector<std::string> sheetTitles()
    {
        std::vector<std::string> titles;
        for (const auto& sheet : Sheets(printer)) {
            const std::string& first = sheet.front();
            const auto from = first.find("】");
            const auto to = first.find(kPrintedAtText);
            titles.push_back(from == std::string::npos || to == std::string::npos
                                 ? ""
                                 : first.substr(from + std::string("】").size(), to - from - std::string("】").size()));
        }
        return titles;
    }

    SetupPrintFixture fx;
    printing::RecordingPrinter printer;
};

TEST_F(SetupPrintRunTest, NothingTickedBeginsNoDocument)
{
    EXPECT_FALSE(run(Ticks{}));
    EXPECT_TRUE(printer.events().empty());
}

TEST_F(SetupPrintRunTest, PrintsTheTickedListsInBoxOrderInOneDocument)
{
    EXPECT_TRUE(run(TickedBoxes({4, 1})));
    EXPECT_EQ(sheetTitles(), (std::vector<std::string>{" 会計 仕訳定型リスト  ", " 会計 取引先リスト  "}));
    EXPECT_EQ(printer.documentCount(), 1);
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::EndDoc);
    for (const auto& e : printer.events())
        if (e.kind == printing::PrintEvent::Kind::Text) {
            EXPECT_EQ(e.fontName, "ＭＳ ゴシック");
            EXPECT_EQ(e.fontSize, 9.0);
        }
}

TEST_F(SetupPrintRunTest, EveryBoxTickedPrintsEveryListOnItsOwnSheets)
{
    EXPECT_TRUE(run(TickedBoxes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})));
    EXPECT_EQ(sheetTitles(),
              (std::vector<std::string>{
                  " 会計 初期設定  ",
                  " 会計 仕訳定型リスト  ",
                  " 会計 勘定科目一覧表（マスター台帳）",
                  " 会計 使用勘定科目一覧表",
                  " 会計 取引先リスト  ",
                  " 会計 固定資産管理台帳  ",
                  " 会計 リース物件台帳  ",
                  " 会計 勘定科目一覧表（マスター台帳）  ",
                  " 会計 使用勘定科目一覧表  ",
                  " 会計 業種別勘定科目一覧表 ",
              }));
    // The company settings, the template list and the partner list at print
    // column 6; the account lists and the registers after a margin of 6 blanks.
    std::vector<std::size_t> margins;
    for (const auto& sheet : Sheets(printer))
        margins.push_back(sheet.front().find_first_not_of(' '));
    EXPECT_EQ(margins, (std::vector<std::size_t>{5, 5, 6, 6, 5, 6, 6, 6, 6, 6}));
    EXPECT_EQ(printer.documentCount(), 1);
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_EQ(o::EditMode, o::EditModeOff);
}

// The lease register is wide and comes out reduced; the lists after it in the
// same run come out at the size they have when printed alone.
TEST_F(SetupPrintRunTest, AWidePrintoutDoesNotShrinkThoseAfterIt)
{
    ASSERT_TRUE(run(TickedBoxes({9})));
    ASSERT_EQ(printer.sheets().size(), 1u);
    const double alone = printer.sheets()[0].scale;
    printer.clear();

    ASSERT_TRUE(run(TickedBoxes({6, 9})));
    ASSERT_EQ(printer.sheets().size(), 2u);
    EXPECT_LT(printer.sheets()[0].scale, alone);  // the lease register
    EXPECT_DOUBLE_EQ(printer.sheets()[1].scale, alone);
    EXPECT_EQ(printer.documentCount(), 1);
}

TEST_F(SetupPrintRunTest, EmptyListsAddNothingButTheDocumentIsEnded)
{
    for (const char* table : {"勘定科目コード表", "仕訳定型台帳", "取引先管理", "固定資産台帳", "リース資産管理"})
        fx.emptyTable(table);
    EXPECT_TRUE(run(TickedBoxes({1, 2, 3, 4, 5, 6, 7, 8, 9})));
    EXPECT_EQ(printer.documentCount(), 0);
    EXPECT_EQ(printer.endDocCount(), 1);
}

struct EditModeCase {
    const char* name;
    Ticks ticks;
    std::int16_t after;
};
void PrintTo(const EditModeCase& c, std::ostream* os)
{
    *os << c.name;
}

class SetupPrintRunEditMode : public SetupPrintRunTest, public ::testing::WithParamInterface<EditModeCase> {};

TEST_P(SetupPrintRunEditMode, PrintsWithEditModeOnAndLeavesItAsTheListsDo)
{
    o::SetEditMode(o::EditModeOn);
    EXPECT_TRUE(run(GetParam().ticks));
    EXPECT_GT(Sheets(printer).size(), 0u);
    EXPECT_EQ(o::EditMode, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SetupPrintRunEditMode,
    ::testing::Values(EditModeCase{"AccountListsLeaveItOn", TickedBoxes({0, 1, 2, 3, 4, 5, 6}), o::EditModeOn},
                      EditModeCase{"MasterDescriptionsSwitchItOff", TickedBoxes({7}), o::EditModeOff},
                      EditModeCase{"UsedDescriptionsSwitchItOff", TickedBoxes({8}), o::EditModeOff},
                      EditModeCase{"IndustryNamesSwitchItOff", TickedBoxes({2, 9}), o::EditModeOff}),
    testsupport::kCaseName);

}  // namespace
