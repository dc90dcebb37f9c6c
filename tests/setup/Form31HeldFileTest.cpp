// The setup window's writes while another program holds the period file past
// the wait: each says once that the file is in use and that nothing was
// written. The lists stay as they were (reading them again would have to
// wait once more); no second, general message follows the tab's own.
#include "setup/WindowFixture.h"
#include "setup/RegisterFixture.h"

#include "frame/Application.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"
#include "support/DamagedValues.h"

#include <chrono>
#include <functional>

namespace setuptest {
namespace {

using setup::AssetTab;
using setup::BalanceTab;
using setup::PartnerTab;
using setup::TemplateTab;

struct HeldFileCase {
    const char* name;
    std::function<void(setup::Form31&)> ready;  // what the user has typed or chosen
    std::function<void(setup::Form31&)> press;
    const char* question;  // asked before the write ("" when none)
};
void PrintTo(const HeldFileCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form31HeldFileTest : public SetupWindowTest, public ::testing::WithParamInterface<HeldFileCase> {
protected:
    void prepare(dao::Database& d) override
    {
        AddTwoMainOffices(d, true);
        AddInspectionDevice(d);
    }
};

TEST_P(Form31HeldFileTest, SaysOnceThatTheFileIsInUse)
{
    const HeldFileCase& c = GetParam();
    editModeOn();
    c.ready(*form);
    const std::string before = testsupport::FileBytes(file.path());
    if (*c.question)
        dialogs->expectMessage(c.question, ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(200));
    {
        testsupport::AnotherProgram other(file.path());
        other.exec("BEGIN EXCLUSIVE");
        // As the program delivers a click: what escapes the handler is said in a box of its own.
        frame::DeliverReportingErrors([&] {
            c.press(*form);
            return true;
        });
    }
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
    const std::vector<std::string> texts = dialogs->messageTexts();
    ASSERT_EQ(texts.size(), *c.question ? 2u : 1u);
    EXPECT_NE(texts.back().find("プログラムが使用中"), std::string::npos) << texts.back();
    EXPECT_EQ(texts.back().find(frame::kActionFailedMessage), std::string::npos) << texts.back();
    EXPECT_EQ(testsupport::FileBytes(file.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, Form31HeldFileTest,
    ::testing::Values(
        HeldFileCase{"partner registered",
                     [](setup::Form31& f) { f.partners().Text10[0]->setText(q("株式会社テスト")); },
                     [](setup::Form31& f) { f.partners().Command3[PartnerTab::Register]->click(); }, ""},
        HeldFileCase{"fixed asset updated", [](setup::Form31& f) { f.assets().List5->setCurrentRow(0); },
                     [](setup::Form31& f) { f.assets().Command6[AssetTab::AssetUpdateButton]->click(); }, ""},
        HeldFileCase{"master copied to the industry's names", [](setup::Form31&) {},
                     [](setup::Form31& f) { f.balance().Command4[BalanceTab::CopyMasterToIndustryButton]->click(); },
                     "マスター台帳を業種別勘定科目へ複写します　よろしいですか？"},
        HeldFileCase{"account updated", [](setup::Form31& f) { f.balance().List2->setCurrentRow(0); },
                     [](setup::Form31& f) { f.balance().Command2[BalanceTab::UpdateAccountButton]->click(); }, ""},
        HeldFileCase{"bank account registered",
                     [](setup::Form31& f) {
                         f.balance().Combo2[0]->setEditText(q("三井住友銀行"));
                         f.balance().Combo2[1]->setEditText(q("本店"));
                         f.balance().Combo2[2]->setEditText(q("当座預金"));
                         f.balance().Text3[0]->setText(q("1,000"));
                     },
                     [](setup::Form31& f) { f.balance().Command8[BalanceTab::RegisterBankButton]->click(); }, ""},
        HeldFileCase{"bank account updated", [](setup::Form31& f) { f.balance().List7->setCurrentRow(0); },
                     [](setup::Form31& f) { f.balance().Command8[BalanceTab::UpdateBankButton]->click(); }, ""},
        HeldFileCase{"template registered",
                     [](setup::Form31& f) {
                         f.templates().grid().Text1[0]->setText(q("現金売上"));
                         f.templates().grid().Combo1[0]->setEditText(q("現金"));
                         f.templates().grid().Combo7[0]->setEditText(q("売上高"));
                         f.templates().grid().Text8[0]->setText(q("1,000"));
                     },
                     [](setup::Form31& f) { f.templates().Command1[TemplateTab::Register]->click(); }, ""}),
    testsupport::kCaseName);

}  // namespace
}  // namespace setuptest
