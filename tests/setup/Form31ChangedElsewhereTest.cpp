// A chosen line of the setup window is refused as changed elsewhere only when
// another program changed what the line (and the boxes it fills) shows or what
// its "更新" would write: the bank books' 現残高, the closing window's period
// figures of the chart and a lease's 購入日 are neither, and the update goes
// through without overwriting them.
#include "setup/WindowFixture.h"
#include "setup/RegisterFixture.h"

#include "setup/AccountRegister.h"
#include "setup/ShownRecords.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"

namespace setuptest {
namespace {

using setup::AssetTab;
using setup::BalanceTab;

enum class Register { BankAccount, Chart, Lease };

struct OtherWriteCase {
    const char* name;
    Register chosen;
    const char* otherWrite;  // the other program's statement, made after the line was chosen
    const char* otherValue;  // a query that finds the row as the other program left it
    bool refused;
};

void PrintTo(const OtherWriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChangedElsewhereTest : public SetupWindowTest, public ::testing::WithParamInterface<OtherWriteCase> {
protected:
    void prepare(dao::Database& d) override
    {
        AddTwoMainOffices(d, false);
        AddRow(d, "Q_取引銀行",
               {{"no", 1},
                {"銀行コード", "0001"},
                {"支店コード", "0001203"},
                {"種別", "当座預金"},
                {"期首残高", 300000},
                {"現残高", 250000},
                {"期末残高", 0}});
        AddRow(d, "Q_リース資産管理",
               {{"契約番号", "L-1"},
                {"資産名称", "複合機"},
                {"勘定科目コード", "145"},
                {"取得年月日", dao::Date{2024, 6, 1}},
                {"購入日", dao::Date{2024, 6, 1}},
                {"購入金額", 500000},
                {"支払総額", 600000},
                {"リース回数", 60}});
    }

    // Chooses the register's line; the boxes show the record.
    void choose(Register chosen)
    {
        switch (chosen) {
        case Register::BankAccount: form->balance().List7->setCurrentRow(0); break;
        case Register::Chart: chooseAccount("400"); break;
        case Register::Lease: form->assets().List6->setCurrentRow(0); break;
        }
    }

    // Edits one box and presses "更新".
    void update(Register chosen)
    {
        switch (chosen) {
        case Register::BankAccount:
            form->balance().Text3[0]->setText(q("320,000"));
            form->balance().Command8[BalanceTab::UpdateBankButton]->click();
            break;
        case Register::Chart:
            form->balance().Text5[1]->setText(q("売上"));
            form->balance().Command2[BalanceTab::UpdateAccountButton]->click();
            break;
        case Register::Lease:
            form->assets().Text6[1]->setText(q("新複合機"));
            form->assets().Command7[AssetTab::LeaseUpdateButton]->click();
            break;
        }
    }

    // Whether the edited box reached the file.
    bool updated(Register chosen)
    {
        switch (chosen) {
        case Register::BankAccount: return CountRows(db(), "SELECT * FROM 取引銀行 WHERE 期首残高 = 320000") == 1;
        case Register::Chart: return CountRows(db(), "SELECT * FROM 勘定科目コード表 WHERE 勘定科目名 = '売上'") == 1;
        case Register::Lease: return CountRows(db(), "SELECT * FROM リース資産管理 WHERE 資産名称 = '新複合機'") == 1;
        }
        return false;
    }

    static std::string refusal(Register chosen)
    {
        switch (chosen) {
        case Register::BankAccount: return setup::ChangedElsewhereMessage("取引銀行");
        case Register::Chart: return setup::kAccountChanged;
        case Register::Lease: return setup::ChangedElsewhereMessage("リース物件");
        }
        return {};
    }
};

TEST_P(ChangedElsewhereTest, RefusesOnlyWhatTheLineShowsOrTheUpdateWrites)
{
    const OtherWriteCase& c = GetParam();
    editModeOn();
    choose(c.chosen);
    testsupport::AnotherProgram(file.path()).exec(c.otherWrite);
    if (c.refused)
        dialogs->expectMessage(refusal(c.chosen), ui::Answer::Ok).withoutTitle();
    update(c.chosen);  // an unexpected message fails the scripted dialogs
    EXPECT_EQ(updated(c.chosen), !c.refused);
    EXPECT_EQ(CountRows(db(), c.otherValue), 1) << "the other program's value was overwritten";
}

INSTANTIATE_TEST_SUITE_P(
    Writes, ChangedElsewhereTest,
    ::testing::Values(
        OtherWriteCase{"BankBookCurrentBalance", Register::BankAccount, "UPDATE 取引銀行 SET 現残高 = 123456",
                       "SELECT * FROM 取引銀行 WHERE 現残高 = 123456", false},
        OtherWriteCase{"BankOpeningBalance", Register::BankAccount, "UPDATE 取引銀行 SET 期首残高 = 1",
                       "SELECT * FROM 取引銀行 WHERE 期首残高 = 1", true},
        OtherWriteCase{"BankClosingBalanceTheUpdateResets", Register::BankAccount, "UPDATE 取引銀行 SET 期末残高 = 7",
                       "SELECT * FROM 取引銀行 WHERE 期末残高 = 7", true},
        OtherWriteCase{"TalliedPeriodFigures", Register::Chart,
                       "UPDATE 勘定科目コード表 SET 借方合計 = 100, 貸方合計 = 5000, 期末貸借合計 = 4900, "
                       "期末残高 = 4900, 現在残高 = 4900 WHERE 勘定科目コード = '400'",
                       "SELECT * FROM 勘定科目コード表 WHERE 勘定科目コード = '400' AND 期末残高 = 4900", false},
        OtherWriteCase{"ChartBalanceShown", Register::Chart,
                       "UPDATE 勘定科目コード表 SET 期首残高 = 9 WHERE 勘定科目コード = '400'",
                       "SELECT * FROM 勘定科目コード表 WHERE 勘定科目コード = '400' AND 期首残高 = 9", true},
        OtherWriteCase{"LeasePurchaseDate", Register::Lease, "UPDATE リース資産管理 SET 購入日 = '2023-01-05'",
                       "SELECT * FROM リース資産管理 WHERE 購入日 = '2023-01-05'", false},
        OtherWriteCase{"LeaseAcquisitionDateShown", Register::Lease,
                       "UPDATE リース資産管理 SET 取得年月日 = '2023-01-05'",
                       "SELECT * FROM リース資産管理 WHERE 取得年月日 = '2023-01-05'", true}),
    testsupport::kCaseName);

}  // namespace
}  // namespace setuptest
