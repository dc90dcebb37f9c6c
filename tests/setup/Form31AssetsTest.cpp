// The tab "固定資産／リース資産管理": the fixed-asset register with its
// depreciation, and the lease register, driven through the window (period
// 2024-04-01 to 2025-03-31).
#include "setup/WindowFixture.h"
#include "setup/RegisterFixture.h"

#include "common/EditMode.h"
#include "support/CaseName.h"

#include <QApplication>

#include <algorithm>

namespace setuptest {
namespace {

using setup::AssetTab;

// ---- fixed assets ------------------------------------------------------------------------

class FixedAssetTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        AddRow(d, "Q_固定資産台帳",
               {{"管理番号", "F-1"},
                {"名称", "検査装置"},
                {"数量", 1},
                {"勘定科目コード", "145"},
                {"取得年月日", dao::Date{2023, 4, 1}},
                {"取得価格", 1000000},
                {"償却方法", "定額法"},
                {"耐用年数", 5},
                {"償却率", 20.0},
                {"保証率", dao::Value()},
                {"残存価格", 800000},
                {"減価償却費", 200000},
                {"使用部署名", "品質管理"}});
        AddRow(d, "Q_固定資産台帳",
               {{"管理番号", "F-2"},
                {"名称", "旧型車両"},
                {"数量", 1},
                {"勘定科目コード", "144"},
                {"取得年月日", dao::Date{2005, 10, 1}},
                {"取得価格", 2000000},
                {"償却方法", "定率法"},
                {"耐用年数", 6},
                {"償却率", 31.9},
                {"残存価格", 500000}});
        AddRow(d, "Q_固定資産台帳",
               {{"管理番号", "F-3"},
                {"名称", "耐用年数なし"},
                {"数量", 1},
                {"勘定科目コード", "145"},
                {"取得年月日", dao::Date{2023, 4, 1}},
                {"取得価格", 150000},
                {"償却方法", "一括償却"},
                {"耐用年数", 0},
                {"残存価格", 150000}});
    }
    void press(AssetTab::Command6Button button) { form->assets().Command6[button]->click(); }
    // A new asset's fields, all typed.
    void fillNewAsset(const char* account, const char* life)
    {
        form->assets().Text4[0]->setText(q("F-9"));
        form->assets().Text4[1]->setText(q("複合機"));
        form->assets().Combo6[0]->setEditText(q("1"));
        form->assets().Combo6[1]->setEditText(q(account));
        form->assets().Combo6[2]->setEditText(q("2024年"));
        form->assets().Combo6[3]->setEditText(q("4月"));
        form->assets().Combo6[4]->setEditText(q("1日"));
        form->assets().Text4[2]->setText(q("600,000"));
        form->assets().Combo6[5]->setEditText(q("定額法"));
        form->assets().Combo6[6]->setEditText(q(life));
        form->assets().Combo6[7]->setEditText(q("20.00"));
        form->assets().Text4[3]->setText(q("600,000"));
    }
    std::string text(int i) { return s(form->assets().Text4[i]->text()); }
    // The line of the asset numbered `number` in the list.
    int lineOf(const char* number)
    {
        for (int i = 0; i < form->assets().List5->count(); ++i)
            if (form->assets().List5->item(i)->text().startsWith(q(number) + " "))
                return i;
        return -1;
    }
    std::string combo(int i) { return s(form->assets().Combo6[i]->currentText()); }
};

TEST_F(FixedAssetTest, RegisterChecksTheAccountAsUpdateDoes)
{
    editModeOn();
    fillNewAsset("什器", "");
    dialogs->expectMessage("勘定科目名が登録されていません", ui::Answer::Ok).withoutTitle();
    press(AssetTab::AssetRegisterButton);
    EXPECT_EQ(CountRows(db(), "Q_固定資産台帳"), 3);
    EXPECT_EQ(dialogs->beepCount(), 1);

    form->assets().Combo6[1]->setEditText(q("工具器具備品"));
    press(AssetTab::AssetRegisterButton);
    ASSERT_EQ(CountRows(db(), "Q_固定資産台帳"), 4);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "勘定科目コード").toText(), "145");
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "耐用年数").toInt32(), 0);  // an empty life stores 0
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "取得年月日").toDate(), (dao::Date{2024, 4, 1}));
    EXPECT_EQ(form->assets().List5->count(), 4);
    EXPECT_EQ(text(0), "F-9");  // the fields keep their texts
}

TEST_F(FixedAssetTest, ChosenAssetLoadsAndUpdateNeedsALineAndALife)
{
    editModeOn();
    dialogs->expectMessage("リストボックスが選択されていません", ui::Answer::Ok).withoutTitle();
    press(AssetTab::AssetUpdateButton);
    EXPECT_EQ(dialogs->beepCount(), 0);

    form->assets().List5->setCurrentRow(0);
    EXPECT_EQ(combo(2) + combo(3) + combo(4), "2023年04月01日");
    EXPECT_EQ(text(2), "1,000,000");
    EXPECT_EQ(combo(6), "5年");
    EXPECT_EQ(combo(7), "20.000");
    EXPECT_EQ(text(3), "800,000");
    EXPECT_EQ(text(4), "");
    EXPECT_EQ(combo(1), "工具器具備品");

    form->assets().Combo6[6]->setEditText(QString());
    dialogs->expectMessage("データが入力されていません", ui::Answer::Ok).withoutTitle();
    press(AssetTab::AssetUpdateButton);
    form->assets().Combo6[6]->setEditText(q("5年"));
    form->assets().Text4[1]->setText(q("三次元測定機"));
    form->assets().Text4[5]->setText(QString());
    press(AssetTab::AssetUpdateButton);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-1", "名称").toText(), "三次元測定機");
    EXPECT_TRUE(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-1", "減価償却費").isNull());  // written as it is
    EXPECT_TRUE(form->assets().List5->selectedItems().isEmpty());
}

// Once the method, the acquisition date and the life are known, the rate boxes
// show the statutory rates in percent (the 200 % table: 0.200 and 0.06552 for
// 10 years, 0.250 and 0.07909 for 8); a chosen asset shows its own rates.
TEST_F(FixedAssetTest, TheRateBoxesShowTheStatutoryRatesOfMethodDateAndLife)
{
    editModeOn();
    fillNewAsset("工具器具備品", "");
    form->assets().Combo6[2]->setEditText(q("2013年"));
    form->assets().Combo6[5]->setEditText(q("定率法"));
    EXPECT_EQ(combo(7), "20.00");  // no life yet: as typed
    form->assets().Combo6[6]->setEditText(q("10年"));
    EXPECT_EQ(combo(7), "20.000");
    EXPECT_EQ(text(4), "6.552");
    form->assets().Combo6[6]->setEditText(q("8年"));
    EXPECT_EQ(combo(7), "25.000");
    EXPECT_EQ(text(4), "7.909");
    press(AssetTab::AssetRegisterButton);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "償却率").toDouble(), 25.0);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "保証率").toDouble(), 7.909);

    // A stored rate the table does not give stays as stored when its line is chosen.
    form->assets().Text4[0]->setText(q("F-8"));
    form->assets().Combo6[7]->setEditText(q("24.5"));
    dialogs
        ->expectMessage("償却率・保証率は％で入力します。定率法・耐用年数8年の法定の率と違います\n"
                        "償却率：入力 24.5％、法定 25.000％\nこのまま登録しますか？",
                        ui::Answer::Yes)
        .withTitle("固定資産台帳");
    press(AssetTab::AssetRegisterButton);
    form->assets().List5->setCurrentRow(lineOf("F-8"));
    EXPECT_EQ(combo(7), "24.500");
    EXPECT_EQ(text(4), "7.909");
    EXPECT_EQ(combo(6), "8年");
}

// The guarantee rate typed as the tables print it (0.06552) is a hundredth of
// the percent: "登録" asks first; No stores nothing, Yes stores it as typed.
TEST_F(FixedAssetTest, ARateThatDiffersFromTheTableIsStoredOnlyAfterAYes)
{
    editModeOn();
    fillNewAsset("工具器具備品", "10年");
    form->assets().Combo6[2]->setEditText(q("2013年"));
    form->assets().Combo6[5]->setEditText(q("定率法"));
    form->assets().Text4[4]->setText(q("0.06552"));
    const char* question = "償却率・保証率は％で入力します。定率法・耐用年数10年の法定の率と違います\n"
                           "保証率：入力 0.06552％、法定 6.552％\nこのまま登録しますか？";
    dialogs->expectMessage(question, ui::Answer::No).withTitle("固定資産台帳");
    press(AssetTab::AssetRegisterButton);
    EXPECT_EQ(CountRows(db(), "Q_固定資産台帳"), 3);

    dialogs->expectMessage(question, ui::Answer::Yes).withTitle("固定資産台帳");
    press(AssetTab::AssetRegisterButton);
    ASSERT_EQ(CountRows(db(), "Q_固定資産台帳"), 4);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "保証率").toDouble(), 0.06552);

    // "更新" asks the same about the box as shown (three decimals); the rate as
    // the table gives it is stored without a question.
    form->assets().List5->setCurrentRow(lineOf("F-9"));
    EXPECT_EQ(text(4), "0.066");
    dialogs
        ->expectMessage("償却率・保証率は％で入力します。定率法・耐用年数10年の法定の率と違います\n"
                        "保証率：入力 0.066％、法定 6.552％\nこのまま登録しますか？",
                        ui::Answer::No)
        .withTitle("固定資産台帳");
    press(AssetTab::AssetUpdateButton);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "保証率").toDouble(), 0.06552);
    form->assets().List5->setCurrentRow(lineOf("F-9"));
    form->assets().Text4[4]->setText(q("6.552"));
    press(AssetTab::AssetUpdateButton);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-9", "保証率").toDouble(), 6.552);
}

TEST_F(FixedAssetTest, DeleteAsksAboutTheFixedAsset)
{
    editModeOn();
    form->assets().List5->setCurrentRow(1);
    const char* question = "選択された固定資産を削除します　よろしいですか？";
    dialogs->expectMessage(question, ui::Answer::No).withTitle("固定資産台帳");
    press(AssetTab::AssetDeleteButton);
    EXPECT_EQ(CountRows(db(), "Q_固定資産台帳"), 3);
    dialogs->expectMessage(question, ui::Answer::Yes).withTitle("固定資産台帳");
    press(AssetTab::AssetDeleteButton);
    EXPECT_TRUE(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-2", "名称").isNull());
    EXPECT_EQ(form->assets().List5->count(), 2);
}

TEST_F(FixedAssetTest, LeavingTheBookValueComputesThisPeriodInEitherMode)
{
    form->assets().List5->setCurrentRow(0);
    form->assets().Text4[3]->setText(q("800,000"));
    leave(form->assets().Text4[3]);
    EXPECT_EQ(text(5), "200,000");

    form->assets().Combo6[6]->setEditText(q("0年"));
    form->assets().Text4[5]->clear();
    dialogs->expectMessage("数値が正しくありません", ui::Answer::Ok).withoutTitle();
    leave(form->assets().Text4[3]);
    EXPECT_EQ(text(5), "");

    form->assets().Text4[3]->setText(q("八十万"));
    leave(form->assets().Text4[3]);  // only a beep
    EXPECT_EQ(dialogs->beepCount(), 2);
    EXPECT_EQ(CountRows(db(), "Q_固定資産台帳"), 3);
}

TEST_F(FixedAssetTest, LeavingThePriceProposesItAsTheBookValueWhileThatIsEmptyOrZero)
{
    form->assets().Text4[2]->setText(q("450,000"));
    form->assets().Text4[3]->setText(q("0"));
    leave(form->assets().Text4[2]);
    EXPECT_EQ(text(3), "450,000");
    form->assets().Text4[2]->setText(q("500,000"));
    leave(form->assets().Text4[2]);
    EXPECT_EQ(text(3), "450,000");
}

TEST_F(FixedAssetTest, ButtonZeroWalksFromTheAcquisitionOrSaysWhyItCannot)
{
    press(AssetTab::DepreciationButton);  // no line: only a beep
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_TRUE(dialogs->calls().empty());

    form->assets().List5->setCurrentRow(0);
    form->assets().Text4[3]->clear();
    form->assets().Text4[5]->clear();
    press(AssetTab::DepreciationButton);
    EXPECT_EQ(text(5), "200,000");
    EXPECT_EQ(text(3), "800,000");

    // 旧定率法 acquired in October 2005, 2,000,000 at 31.9 %: down to 5 %
    // (100,000) in its ninth year, then 99,999 × 12/60 = 19,999 a year from the
    // tenth, so that by this period only 1 yen is left and nothing is charged.
    form->assets().List5->setCurrentRow(1);
    press(AssetTab::DepreciationButton);
    EXPECT_EQ(text(5), "0");
    EXPECT_EQ(text(3), "1");
    EXPECT_EQ(dialogs->beepCount(), 1);

    form->assets().List5->setCurrentRow(2);  // a useful life of 0: the asset and the field are named, once
    dialogs
        ->expectMessage("固定資産「耐用年数なし」（管理番号 F-3）の耐用年数「0」では償却できません"
                        "（1 年以上の耐用年数を入れて更新してください）",
                        ui::Answer::Ok)
        .withoutTitle();
    press(AssetTab::DepreciationButton);
    EXPECT_EQ(dialogs->beepCount(), 2);
    EXPECT_EQ(FieldOf(db(), "Q_固定資産台帳", "管理番号", "F-1", "残存価格").toInt32(), 800000);
}

// The book value's box left by a click on "取得日から減価償却費計算" for an
// asset of a useful life of 0: the button names the asset and its life, and
// nothing else is said (the box's own computation gives way to the button's).
TEST_F(FixedAssetTest, AClickFromTheBookValueOnButtonZeroSaysOnce)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    form->SSTab1->setCurrentWidget(&form->assets());
    form->assets().List5->setCurrentRow(2);
    form->assets().Text4[3]->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), form->assets().Text4[3]);
    dialogs
        ->expectMessage("固定資産「耐用年数なし」（管理番号 F-3）の耐用年数「0」では償却できません"
                        "（1 年以上の耐用年数を入れて更新してください）",
                        ui::Answer::Ok)
        .withoutTitle();
    // A click gives the button the focus first, then clicks it.
    form->assets().Command6[AssetTab::DepreciationButton]->setFocus(Qt::MouseFocusReason);
    press(AssetTab::DepreciationButton);
    EXPECT_EQ(dialogs->messageTexts().size(), 1u);
}

TEST_F(FixedAssetTest, WithEditModeOffRegisterUpdateAndDeleteDoNothing)
{
    const std::string before = DumpWrittenTables(db());
    form->assets().List5->setCurrentRow(0);
    form->assets().Text4[1]->setText(q("別名"));
    for (const auto button : {AssetTab::AssetRegisterButton, AssetTab::AssetUpdateButton, AssetTab::AssetDeleteButton})
        press(button);
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_TRUE(dialogs->calls().empty());
    press(AssetTab::AssetClearButton);  // 入力クリア works
    EXPECT_EQ(text(1), "");
}

// ---- leases -------------------------------------------------------------------------------

std::vector<std::string> LeaseRows(dao::Database& d)
{
    return Rows(d, "Q_リース資産管理",
                {"契約番号", "資産名称", "勘定科目コード", "取得年月日", "購入日", "購入金額", "支払総額", "リース回数",
                 "月リース料金", "月支払利息", "減価償却費", "リース会社", "使用部署", "備考"});
}

class LeaseTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        AddRow(d, "Q_リース資産管理",
               {{"契約番号", "L-1"},
                {"資産名称", "複合機"},
                {"勘定科目コード", "145"},
                {"取得年月日", dao::Date{2024, 4, 1}},
                {"購入日", dao::Date{2024, 4, 1}},
                {"購入金額", 1200000},
                {"支払総額", 1300000},
                {"リース回数", 60},
                {"月リース料金", 21667},
                {"月支払利息", 1667},
                {"減価償却費", 21667},
                {"リース会社", "青葉リース"},
                {"使用部署", "総務部"},
                {"備考", ""}});
    }
    void press(AssetTab::Command7Button button) { form->assets().Command7[button]->click(); }
    void fill(const char* payments, const char* day)
    {
        const char* texts[9] = {"L-2",    "社用車", "1,800,000",    "2,000,000", payments,
                                "33,334", "3,334",  "みどりリース", ""};
        for (int i = 0; i < 9; ++i)
            form->assets().Text6[i]->setText(q(texts[i]));
        form->assets().Combo17[0]->setEditText(q("車両運搬具"));
        form->assets().Combo17[1]->setEditText(q("2024年"));
        form->assets().Combo17[2]->setEditText(q("4月"));
        form->assets().Combo17[3]->setEditText(q(day));
        form->assets().Combo17[4]->setEditText(q("営業部"));
    }
    bool boxesEmpty()
    {
        for (QLineEdit* box : form->assets().Text6)
            if (!box->text().isEmpty())
                return false;
        for (QComboBox* box : form->assets().Combo17)
            if (!box->currentText().isEmpty())
                return false;
        return true;
    }
};

TEST_F(LeaseTest, RegisteredWithEditModeOffIsListedAtOnceAndTheBoxesEmptied)
{
    fill("60", "1日");
    press(AssetTab::LeaseRegisterButton);
    const auto rows = LeaseRows(db());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], "L-2|社用車|144|2024/4/1|2024/4/1|1800000|2000000|60|33334|3334|33334|みどりリース|営業部|");
    EXPECT_EQ(form->assets().List6->count(), 2);
    EXPECT_TRUE(boxesEmpty());
}

TEST_F(LeaseTest, UpdateWritesTheDateThatTheBoxesLoadNextTime)
{
    editModeOn();
    form->assets().List6->setCurrentRow(0);
    EXPECT_EQ(s(form->assets().Combo17[2]->currentText()), "04月");
    EXPECT_EQ(s(form->assets().Text6[2]->text()), "1,200,000");
    form->assets().Combo17[2]->setEditText(q("5月"));
    form->assets().Text6[4]->clear();  // "更新" takes an empty number of payments
    press(AssetTab::LeaseUpdateButton);
    EXPECT_EQ(LeaseRows(db())[0],
              "L-1|複合機|145|2024/5/1|2024/4/1|1200000|1300000||21667|1667|21667|青葉リース|総務部|");
    EXPECT_TRUE(boxesEmpty());
    form->assets().List6->setCurrentRow(0);
    EXPECT_EQ(s(form->assets().Combo17[2]->currentText()), "05月");  // from 取得年月日, not 購入日
}

// The printed lease register shows the date the corrected line shows.
TEST_F(LeaseTest, PrintedRegisterShowsTheCorrectedDate)
{
    editModeOn();
    form->assets().List6->setCurrentRow(0);
    form->assets().Combo17[2]->setEditText(q("5月"));
    press(AssetTab::LeaseUpdateButton);
    form->printing().Check1[6]->setChecked(true);  // リース物件台帳
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes);
    form->printing().Command1[setup::PrintTab::Print]->click();
    const auto texts = printer->texts();
    const auto line = std::find_if(texts.begin(), texts.end(),
                                   [](const std::string& text) { return text.find("L-1") != std::string::npos; });
    ASSERT_NE(line, texts.end());
    EXPECT_NE(line->find(" 2024年     05月     01日"), std::string::npos) << *line;
}

struct LeaseCheckCase {
    const char* name;
    const char* payments;
    const char* day;
    const char* purchase;
    const char* message;
};

void PrintTo(const LeaseCheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class LeaseCheckTest : public LeaseTest, public ::testing::WithParamInterface<LeaseCheckCase> {};

TEST_P(LeaseCheckTest, RegisterRefusesAndKeepsTheBoxes)
{
    const LeaseCheckCase& c = GetParam();
    fill(c.payments, c.day);
    form->assets().Text6[2]->setText(q(c.purchase));
    dialogs->expectMessage(c.message, ui::Answer::Ok).withoutTitle();
    press(AssetTab::LeaseRegisterButton);
    EXPECT_EQ(CountRows(db(), "Q_リース資産管理"), 1);
    EXPECT_EQ(s(form->assets().Text6[0]->text()), "L-2");
    EXPECT_EQ(dialogs->beepCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, LeaseCheckTest,
    ::testing::Values(LeaseCheckCase{"NoPayments", "", "1日", "1,800,000", "データが入力されていません"},
                      LeaseCheckCase{"PriceNotANumber", "60", "1日", "百八十万", "数値が正しくありません"},
                      LeaseCheckCase{"ThirtyFirstOfApril", "60", "31日", "1,800,000", "日付が正しくありません"}),
    testsupport::kCaseName);

TEST_F(LeaseTest, DeleteNeedsAChosenLineAndAsks)
{
    editModeOn();
    dialogs->expectMessage("リストボックスが選択されていません", ui::Answer::Ok).withoutTitle();
    press(AssetTab::LeaseDeleteButton);
    EXPECT_EQ(dialogs->beepCount(), 0);
    form->assets().List6->setCurrentRow(0);
    dialogs->expectMessage("選択されたリース物件を削除します　よろしいですか？", ui::Answer::Yes)
        .withTitle("リース物件管理");
    press(AssetTab::LeaseDeleteButton);
    EXPECT_EQ(CountRows(db(), "Q_リース資産管理"), 0);
    EXPECT_EQ(form->assets().List6->count(), 0);
}

TEST_F(LeaseTest, WithEditModeOffUpdateAndDeleteDoNothing)
{
    const std::string before = DumpWrittenTables(db());
    form->assets().List6->setCurrentRow(0);
    form->assets().Text6[1]->setText(q("別名"));
    press(AssetTab::LeaseUpdateButton);
    press(AssetTab::LeaseDeleteButton);
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_TRUE(dialogs->calls().empty());
}

}  // namespace
}  // namespace setuptest
