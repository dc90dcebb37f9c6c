// The settings row edited field by field: company fields, the corporate number,
// the period number, the tax options, the three dates and the opening cash.
#include "setup/WindowFixture.h"

#include "common/EditMode.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"

#include <fstream>
#include <iterator>
#include <ostream>

namespace setuptest {
namespace {

using SettingsTest = SetupWindowTest;

struct CompanyFieldCase {
    const char* name;
    int index;
    const char* field;
    const char* typed;
};

void PrintTo(const CompanyFieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class CompanyFieldTest : public SetupWindowTest, public ::testing::WithParamInterface<CompanyFieldCase> {};

TEST_P(CompanyFieldTest, StoredOnLeavingOnlyWhileEditModeIsOn)
{
    const CompanyFieldCase& c = GetParam();
    const std::string before = Setting(db(), c.field).toText();
    form->company().Text11[c.index]->setText(q(c.typed));
    leave(form->company().Text11[c.index]);
    EXPECT_EQ(Setting(db(), c.field).toText(), before) << "stored with edit mode off";

    editModeOn();
    form->company().Text11[c.index]->setText(q(c.typed));
    leave(form->company().Text11[c.index]);
    EXPECT_EQ(Setting(db(), c.field).toText(), c.typed);

    // Off again, switched by another window: the box is read-only and stores nothing.
    o::SetEditMode(o::EditModeOff);
    EXPECT_TRUE(form->company().Text11[c.index]->isReadOnly());
    form->company().Text11[c.index]->setText("x");
    leave(form->company().Text11[c.index]);
    EXPECT_EQ(Setting(db(), c.field).toText(), c.typed);
}

INSTANTIATE_TEST_SUITE_P(EveryCompanyField, CompanyFieldTest,
                         ::testing::Values(CompanyFieldCase{"Kana", 1, "フリガナ", "ﾃｽﾄｼｮｳｼﾞ"},
                                           CompanyFieldCase{"CompanyName", 2, "事業所名", "新テスト商事"},
                                           CompanyFieldCase{"PostCode", 3, "郵便番号", "160-0022"},
                                           CompanyFieldCase{"Address1", 4, "住所1", "東京都新宿区"},
                                           CompanyFieldCase{"Address2", 5, "住所2", "新宿１－１"},
                                           CompanyFieldCase{"Phone", 6, "電話番号", "03-1234-5678"},
                                           CompanyFieldCase{"Fax", 7, "FAX番号", "03-1234-5679"},
                                           CompanyFieldCase{"Business", 8, "事業種目", "卸売業"},
                                           CompanyFieldCase{"TaxOffice", 9, "所轄税務署", "新宿"},
                                           CompanyFieldCase{"OwnerTitle", 10, "事業主役職名", "代表取締役"},
                                           CompanyFieldCase{"OwnerName", 11, "事業主氏名", "山田太郎"},
                                           CompanyFieldCase{"Mail", 12, "会社Eメール", "info@example.jp"}),
                         testsupport::kCaseName);

TEST_F(SettingsTest, CompanyNameFollowsInTheNameLabelAndAnEmptyBoxStoresTheEmptyText)
{
    editModeOn();
    form->company().Text11[2]->setText(q("新テスト商事"));
    leave(form->company().Text11[2]);
    EXPECT_EQ(s(form->Label1->text()), "新テスト商事");
    form->company().Text11[2]->clear();
    leave(form->company().Text11[2]);
    EXPECT_EQ(s(form->Label1->text()), "");
    const dao::Value stored = Setting(db(), "事業所名");
    EXPECT_FALSE(stored.isNull());
    EXPECT_EQ(stored.toText(), "");
}

struct CorporateNumberCase {
    const char* name;
    const char* typed;
    bool accepted;
};

void PrintTo(const CorporateNumberCase& c, std::ostream* os)
{
    *os << c.name;
}

class CorporateNumberTest : public SetupWindowTest, public ::testing::WithParamInterface<CorporateNumberCase> {};

TEST_P(CorporateNumberTest, EmptyOrExactlyThirteenCharacters)
{
    const CorporateNumberCase& c = GetParam();
    editModeOn();
    SetFields(db(), "会計設定", "事業所名", "テスト商事", {{"法人番号", "before"}});
    if (!c.accepted) {
        dialogs->expectMessage("法人番号は１３桁です", ui::Answer::Ok).withTitle("会社台帳");
    }
    const int beeps = dialogs->beepCount();
    form->company().Text11[0]->setText(q(c.typed));
    leave(form->company().Text11[0]);
    EXPECT_EQ(Setting(db(), "法人番号").toText(), c.accepted ? std::string(c.typed) : "before");
    EXPECT_EQ(dialogs->beepCount(), beeps + (c.accepted ? 0 : 1));
}

INSTANTIATE_TEST_SUITE_P(Lengths, CorporateNumberTest,
                         ::testing::Values(CorporateNumberCase{"Empty", "", true},
                                           CorporateNumberCase{"ThirteenDigits", "1234567890123", true},
                                           CorporateNumberCase{"ThirteenWideCharacters", "１２３４５６７８９０１２３",
                                                               true},
                                           CorporateNumberCase{"Twelve", "123456789012", false},
                                           CorporateNumberCase{"Fourteen", "12345678901234", false}),
                         testsupport::kCaseName);

TEST_F(SettingsTest, PeriodNumberIsStoredAndRetitlesTheWindow)
{
    editModeOn();
    form->company().Text7[0]->setText("13");
    leave(form->company().Text7[0]);
    EXPECT_EQ(Setting(db(), "会計年度").toInt32(), 13);
    EXPECT_EQ(s(form->windowTitle()), "テスト商事 第13期　会計 会計初期設定");

    const int beeps = dialogs->beepCount();
    form->company().Text7[0]->setText("1a");
    leave(form->company().Text7[0]);
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_EQ(Setting(db(), "会計年度").toInt32(), 13);
}

TEST_F(SettingsTest, OptionButtonsStoreTheirCodesOnlyInEditMode)
{
    form->tax().Option2[2]->setChecked(true);  // from code while off: the screen changes, the file does not
    EXPECT_EQ(Setting(db(), "処理方法").toText(), "1");

    editModeOn();
    form->tax().Option2[2]->click();
    EXPECT_EQ(Setting(db(), "処理方法").toText(), "3");
    form->tax().Option1[1]->click();
    EXPECT_EQ(Setting(db(), "申告区分").toText(), "2");
    form->tax().Option4[1]->click();
    EXPECT_FALSE(Setting(db(), "消費税計算").toBool());
    form->tax().Option4[0]->click();
    EXPECT_TRUE(Setting(db(), "消費税計算").toBool());
    form->tax().Option5[2]->click();
    EXPECT_EQ(Setting(db(), "端数処理").toText(), "3");
    form->balance().Option3[5]->click();
    EXPECT_EQ(Setting(db(), "業種").toInt32(), 5);
}

// ---- the three dates ----------------------------------------------------------------

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class PeriodDateTest : public SetupWindowTest {
protected:
    void setBoxes(std::array<QComboBox*, 3>& boxes, const char* y, const char* m, const char* d)
    {
        boxes[0]->setEditText(q(y));
        boxes[1]->setEditText(q(m));
        boxes[2]->setEditText(q(d));
    }
    std::string stored(const char* field) { return Setting(db(), field).toDate()->isoText(); }
};

TEST_F(PeriodDateTest, TabbingThroughAnUnchangedMonthKeepsTheLastDay)
{
    ASSERT_EQ(stored("会計期間終了日"), "2025-03-31");
    editModeOn();
    for (int i = 0; i < 3; ++i)
        leave(form->company().Combo13[i]);
    EXPECT_EQ(stored("会計期間終了日"), "2025-03-31");
    EXPECT_EQ(s(form->company().Combo13[2]->currentText()), "31日");
}

// Another program stores other dates while the window shows 2024-04-01 ..
// 2025-03-31 and the report date 2025-05-31: passing through any of the nine
// boxes unchanged writes nothing, and the file stays byte for byte as the
// other program left it.
struct UnchangedBoxCase {
    const char* name;
    int date;  // 0 start, 1 end, 2 report date
    int box;   // 0 year, 1 month, 2 day
};

void PrintTo(const UnchangedBoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnchangedDateBoxTest : public PeriodDateTest, public ::testing::WithParamInterface<UnchangedBoxCase> {
protected:
    void prepare(dao::Database& d) override { d.Execute("UPDATE 会計設定 SET 決算報告日 = '2025-05-31'"); }
};

TEST_P(UnchangedDateBoxTest, WritesNothingOverWhatAnotherProgramStored)
{
    const UnchangedBoxCase& c = GetParam();
    editModeOn();
    testsupport::AnotherProgram(file.path())
        .exec("UPDATE 会計設定 SET 会計期間開始日 = '2024-03-01', 会計期間終了日 = '2025-02-28', "
              "決算報告日 = '2025-04-30'");
    const std::string before = bytesOf(file.path());
    std::array<QComboBox*, 3>* dates[] = {&form->company().Combo12, &form->company().Combo13, &form->company().Combo3};
    leave((*dates[c.date])[static_cast<std::size_t>(c.box)]);
    EXPECT_EQ(bytesOf(file.path()), before);
    EXPECT_EQ(stored("会計期間開始日"), "2024-03-01");
    EXPECT_EQ(stored("会計期間終了日"), "2025-02-28");
    EXPECT_EQ(stored("決算報告日"), "2025-04-30");
}

INSTANTIATE_TEST_SUITE_P(Boxes, UnchangedDateBoxTest,
                         ::testing::Values(UnchangedBoxCase{"StartYear", 0, 0}, UnchangedBoxCase{"StartMonth", 0, 1},
                                           UnchangedBoxCase{"StartDay", 0, 2}, UnchangedBoxCase{"EndYear", 1, 0},
                                           UnchangedBoxCase{"EndMonth", 1, 1}, UnchangedBoxCase{"EndDay", 1, 2},
                                           UnchangedBoxCase{"ReportYear", 2, 0}, UnchangedBoxCase{"ReportMonth", 2, 1},
                                           UnchangedBoxCase{"ReportDay", 2, 2}),
                         testsupport::kCaseName);

// A changed box stores its own date only: the start another program stored
// stays, and the period is checked with it, not with the start shown.
TEST_F(PeriodDateTest, AChangedEndKeepsTheStartAnotherProgramStored)
{
    editModeOn();
    testsupport::AnotherProgram(file.path()).exec("UPDATE 会計設定 SET 会計期間開始日 = '2024-05-01'");
    form->company().Combo13[2]->setEditText("30日");
    leave(form->company().Combo13[2]);
    EXPECT_EQ(stored("会計期間開始日"), "2024-05-01");
    EXPECT_EQ(stored("会計期間終了日"), "2025-03-30");
    EXPECT_EQ(s(form->company().Combo13[2]->currentText()), "30日");

    testsupport::AnotherProgram(file.path()).exec("UPDATE 会計設定 SET 会計期間開始日 = '2024-03-01'");
    dialogs->expectMessage(
        "会計期間（2024年03月01日～2025年03月29日）は、１年を超えています（１年以内にしてください）。"
        "この期間は保存していません。",
        ui::Answer::Ok);
    form->company().Combo13[2]->setEditText("29日");
    leave(form->company().Combo13[2]);
    EXPECT_EQ(stored("会計期間開始日"), "2024-03-01");
    EXPECT_EQ(stored("会計期間終了日"), "2025-03-30");
}

TEST_F(PeriodDateTest, ChangingTheMonthMovesToItsFirstDay)
{
    editModeOn();
    form->company().Combo12[1]->setEditText("5月");
    leave(form->company().Combo12[1]);
    EXPECT_EQ(stored("会計期間開始日"), "2024-05-01");
    EXPECT_EQ(s(form->company().Combo12[2]->currentText()), "01日");
    EXPECT_EQ(form->company().Combo12[2]->count(), 31);
    EXPECT_EQ(s(form->company().Label4[0]->text()), "2024年05月01日");
}

TEST_F(PeriodDateTest, FebruaryOffersItsDaysByTheLeapYearRule)
{
    editModeOn();
    // A period that ends in February 2024 starts within the year before it.
    setBoxes(form->company().Combo12, "2023年", "04月", "01日");
    setBoxes(form->company().Combo13, "2024年", "2月", "10日");
    leave(form->company().Combo13[1]);
    EXPECT_EQ(stored("会計期間終了日"), "2024-02-01");
    EXPECT_EQ(form->company().Combo13[2]->count(), 29);

    form->company().Combo13[2]->setEditText("29日");
    leave(form->company().Combo13[2]);
    EXPECT_EQ(stored("会計期間終了日"), "2024-02-29");
    EXPECT_EQ(s(form->company().Label4[1]->text()), "令和6年");

    // 29 February of 2025 does not exist: a beep, nothing stored.
    const int beeps = dialogs->beepCount();
    form->company().Combo13[0]->setEditText("2025年");
    leave(form->company().Combo13[0]);
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_EQ(stored("会計期間終了日"), "2024-02-29");
}

TEST_F(PeriodDateTest, ADayTheMonthDoesNotHaveIsNeverStored)
{
    editModeOn();
    const int beeps = dialogs->beepCount();
    setBoxes(form->company().Combo12, "2024年", "04月", "31日");
    leave(form->company().Combo12[2]);
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_EQ(stored("会計期間開始日"), "2024-04-01");

    form->company().Combo12[2]->setEditText("30日");
    leave(form->company().Combo12[2]);
    EXPECT_EQ(stored("会計期間開始日"), "2024-04-30");
}

TEST_F(PeriodDateTest, ReportDateLabelShowsEraYearAndDay)
{
    editModeOn();
    setBoxes(form->company().Combo3, "2025年", "05月", "20日");
    leave(form->company().Combo3[2]);
    EXPECT_EQ(stored("決算報告日"), "2025-05-20");
    EXPECT_EQ(s(form->company().Label4[14]->text()), "令和7年05月20日");
}

TEST_F(PeriodDateTest, NothingIsStoredWhileEditModeIsOffOrABoxIsEmpty)
{
    setBoxes(form->company().Combo12, "2024年", "06月", "01日");
    leave(form->company().Combo12[1]);
    EXPECT_EQ(stored("会計期間開始日"), "2024-04-01");

    editModeOn();
    form->company().Combo12[1]->setEditText("");
    leave(form->company().Combo12[1]);
    EXPECT_EQ(stored("会計期間開始日"), "2024-04-01");
}

// ---- a period that cannot be one ------------------------------------------------------

// The file holds 2024-04-01 .. 2025-03-31. A date that would make the period
// impossible is refused with a message naming the period, and the file stays
// byte for byte as it was.
struct ImpossiblePeriodCase {
    const char* name;
    bool start;  // the start's boxes are edited, else the end's
    const char* boxes[3];
    int left;  // the box left
    const char* message;
};

void PrintTo(const ImpossiblePeriodCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImpossiblePeriodTest : public PeriodDateTest, public ::testing::WithParamInterface<ImpossiblePeriodCase> {};

TEST_P(ImpossiblePeriodTest, IsRefusedByNameAndLeavesTheFileAsItWas)
{
    const ImpossiblePeriodCase& c = GetParam();
    editModeOn();
    const std::string before = bytesOf(file.path());
    auto& boxes = c.start ? form->company().Combo12 : form->company().Combo13;
    setBoxes(boxes, c.boxes[0], c.boxes[1], c.boxes[2]);
    const int beeps = dialogs->beepCount();
    dialogs->expectMessage(c.message, ui::Answer::Ok);
    leave(boxes[static_cast<std::size_t>(c.left)]);
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_EQ(stored("会計期間開始日"), "2024-04-01");
    EXPECT_EQ(stored("会計期間終了日"), "2025-03-31");
    EXPECT_EQ(bytesOf(file.path()), before);
    // What was typed stays, so that the user can go on to the other date.
    EXPECT_EQ(s(boxes[0]->currentText()), c.boxes[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, ImpossiblePeriodTest,
    ::testing::Values(
        ImpossiblePeriodCase{"start after the end",
                             true,
                             {"2025年", "04月", "01日"},
                             0,
                             "会計期間（2025年04月01日～2025年03月31日）は、開始日が終了日より後になっています。"
                             "この期間は保存していません。"},
        ImpossiblePeriodCase{"end before the start",
                             false,
                             {"2024年", "03月", "31日"},
                             0,
                             "会計期間（2024年04月01日～2024年03月31日）は、開始日が終了日より後になっています。"
                             "この期間は保存していません。"},
        ImpossiblePeriodCase{
            "a day longer than a year",
            false,
            {"2025年", "04月", "01日"},
            2,
            "会計期間（2024年04月01日～2025年04月01日）は、１年を超えています（１年以内にしてください）。"
            "この期間は保存していません。"},
        ImpossiblePeriodCase{
            "two years",
            false,
            {"2026年", "03月", "31日"},
            0,
            "会計期間（2024年04月01日～2026年03月31日）は、１年を超えています（１年以内にしてください）。"
            "この期間は保存していません。"}),
    testsupport::kCaseName);

TEST_F(PeriodDateTest, MovingThePeriodOnAYearStoresBothDatesOnceThePairIsAPeriod)
{
    editModeOn();
    dialogs->expectAnyMessage(ui::Answer::Ok);
    form->company().Combo12[0]->setEditText("2025年");
    leave(form->company().Combo12[0]);  // 2025-04-01 .. 2025-03-31: refused
    EXPECT_EQ(stored("会計期間開始日"), "2024-04-01");

    form->company().Combo13[0]->setEditText("2026年");
    leave(form->company().Combo13[0]);
    EXPECT_EQ(stored("会計期間開始日"), "2025-04-01");
    EXPECT_EQ(stored("会計期間終了日"), "2026-03-31");
    EXPECT_EQ(s(form->company().Label4[0]->text()), "2025年04月01日");
    EXPECT_EQ(s(form->company().Label4[1]->text()), "令和8年");
}

// ---- opening cash -------------------------------------------------------------------

class OpeningCashTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        SetFields(d, "Q_勘定科目コード表", "勘定科目名", "現金", {{"期首残高", 200}});
        SetFields(d, "Q_勘定科目コード表", "勘定科目名", "普通預金", {{"期首残高", 300}});
        SetFields(d, "Q_勘定科目コード表", "勘定科目名", "通知預金", {{"期首残高", 1000}});  // not in use
    }
};

TEST_F(OpeningCashTest, LoadingStoresAndShowsTheOpeningCashAndDeposits)
{
    EXPECT_EQ(Setting(db(), "期首現金残高").toInt32(), 200);
    EXPECT_EQ(Setting(db(), "期首預金残高").toInt32(), 1300);
    EXPECT_EQ(s(form->balance().Text7[1]->text()), "200");
    EXPECT_EQ(s(form->balance().Text7[2]->text()), "1,300");
    EXPECT_EQ(s(form->balance().Text7[3]->text()), "1,500");
}

TEST_F(OpeningCashTest, UpdatingADepositAccountUpdatesTheSettings)
{
    editModeOn();
    chooseAccount("103");
    form->balance().Text5[2]->setText("5,000");
    form->balance().Command2[setup::BalanceTab::UpdateAccountButton]->click();
    EXPECT_EQ(Setting(db(), "期首預金残高").toInt32(), 6000);
    EXPECT_EQ(s(form->balance().Text7[3]->text()), "6,200");
}

}  // namespace
}  // namespace setuptest
