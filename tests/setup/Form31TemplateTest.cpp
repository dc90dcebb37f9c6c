// The tab "定型仕訳入力": templates registered from the grid, listed, loaded back,
// updated as a whole, deleted, the first row's amounts corrected, the account
// and amount cells with their tax rows, and templates changed elsewhere.
#include "setup/WindowFixture.h"
#include "setup/RegisterFixture.h"

#include "common/EditMode.h"
#include "setup/ShownRecords.h"
#include "support/CaseName.h"

namespace setuptest {
namespace {

using setup::TemplateTab;

constexpr const char* kA = "250401090000";  // 表示順位 "1": listed first
constexpr const char* kB = "250402090000";  // 表示順位 "2": the last template

std::vector<std::string> TemplateRows(dao::Database& d)
{
    return Rows(d, "Q_仕訳定型台帳",
                {"仕訳ID", "追番", "摘要", "取引先", "借方コード", "入金", "貸方コード", "出金", "銀行コード",
                 "支店コード", "決算仕訳", "表示順位"});
}

class TemplateTabTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        AddTwoMainOffices(d, true);
        if (!withTemplates)
            return;
        // A: rent paid from the 三井住友銀行 account, with its fee.
        AddRentTemplateRow(d, kA);
        AddRow(d, "Q_仕訳定型台帳",
               {{"仕訳ID", kA},
                {"追番", 2},
                {"摘要", "振込手数料"},
                {"借方コード", "523"},
                {"入金", 660},
                {"貸方コード", "103"},
                {"出金", 660},
                {"銀行コード", "0009"},
                {"支店コード", "0009001"},
                {"決算仕訳", false},
                {"表示順位", "1"}});
        // B: a cash sale with its tax.
        AddRow(d, "Q_仕訳定型台帳",
               {{"仕訳ID", kB},
                {"追番", 1},
                {"摘要", "現金売上"},
                {"借方コード", "100"},
                {"入金", 5000},
                {"貸方コード", "400"},
                {"出金", 5000},
                {"決算仕訳", false},
                {"表示順位", "2"}});
        AddRow(d, "Q_仕訳定型台帳",
               {{"仕訳ID", kB},
                {"追番", 2},
                {"摘要", "消費税"},
                {"借方コード", "100"},
                {"入金", 500},
                {"貸方コード", "218"},
                {"出金", 500},
                {"決算仕訳", false},
                {"表示順位", "2"}});
    }

    journal::EntryGrid& g() { return form->templates().grid(); }
    static void type(QLineEdit* cell, const char* text)
    {
        cell->setText(q(text));
        leave(cell);
    }
    static void type(QComboBox* cell, const char* text)
    {
        cell->setEditText(q(text));
        leave(cell);
    }
    // A grid row: its description and accounts, and an amount typed on the debit side.
    void fillRow(int row, const char* description, const char* debit, const char* amount, const char* credit)
    {
        g().Text1[row]->setText(q(description));
        type(g().Combo1[row], debit);
        type(g().Combo7[row], credit);
        type(g().Text8[row], amount);
    }
    void emptyRow(int row)
    {
        for (QWidget* cell : g().rowCells(row)) {
            if (auto* edit = qobject_cast<QLineEdit*>(cell))
                edit->clear();
            else
                static_cast<QComboBox*>(cell)->setEditText(QString());
        }
    }
    void press(TemplateTab::Command1Button button) { form->templates().Command1[button]->click(); }
    void choose(int line) { form->templates().List1->setCurrentRow(line); }
    std::string cell(QLineEdit* c) { return s(c->text()); }
    std::string cell(QComboBox* c) { return s(c->currentText()); }

    bool withTemplates = true;
};

class EmptyTemplateTabTest : public TemplateTabTest {
protected:
    EmptyTemplateTabTest() { withTemplates = false; }
};

TEST_F(EmptyTemplateTabTest, RegisterStoresEachRowsOwnBankAndTheAmountsAsShown)
{
    editModeOn();
    fillRow(0, "振込入金", "普通預金", "10,800", "売上高");
    g().Combo11[0]->setEditText(q("山田商店"));
    g().Combo8[0]->setEditText(q("三井住友銀行"));
    g().Combo9[0]->setEditText(q("本店"));
    fillRow(1, "振込手数料", "支払手数料", "440", "売掛金");  // no bank: row 0's
    fillRow(2, "口座振替", "普通預金", "1,000", "普通預金");
    g().Combo8[2]->setEditText(q("三菱ＵＦＪ銀行"));
    g().Combo9[2]->setEditText(q("本店"));
    fillRow(4, "空行の下", "現金", "1", "売上高");  // below the first empty row: not stored
    press(TemplateTab::Register);

    const auto rows = TemplateRows(db());
    ASSERT_EQ(rows.size(), 3u);
    const std::string id = rows[0].substr(0, rows[0].find('|'));
    EXPECT_EQ(id.size(), 12u);
    EXPECT_EQ(rows[0], id + "|1|振込入金|山田商店|103|10800|400|10800|0009|0009001|False|1");
    EXPECT_EQ(rows[1], id + "|2|振込手数料|山田商店|523|440|111|440|0009|0009001|False|1");
    EXPECT_EQ(rows[2], id + "|3|口座振替|山田商店|103|1000|103|1000|0005|0005001|False|1");
    EXPECT_EQ(form->templates().List1->count(), 3);
    EXPECT_TRUE(form->templates().List1->selectedItems().isEmpty());
    EXPECT_EQ(cell(g().Text1[0]), "振込入金");  // the grid keeps what it shows
    EXPECT_EQ(g().DebitAmounts[0], 10800);
}

TEST_F(EmptyTemplateTabTest, MisspeltAccountInALaterRowIsRefusedNotStoredWithAnother)
{
    editModeOn();
    fillRow(0, "仕入", "仕入高", "1,000", "買掛金");
    g().Text1[1]->setText(q("運賃"));
    g().Combo1[1]->setEditText(q("荷造運チン"));
    type(g().Text8[1], "100");
    dialogs->expectMessage("借方勘定科目が登録されていません", ui::Answer::Ok).withoutTitle();
    press(TemplateTab::Register);
    EXPECT_EQ(CountRows(db(), "Q_仕訳定型台帳"), 0);
}

TEST_F(TemplateTabTest, ListedTemplateLoadsBackWithItsKindAndTotals)
{
    ASSERT_EQ(form->templates().List1->count(), 4);
    EXPECT_EQ(form->lineKeys(form->templates().List1)[2], std::string(kB) + "|1");
    choose(3);                                               // B's second line loads B from its first row
    EXPECT_TRUE(form->templates().Option8[1]->isChecked());  // cash debited: 入金伝票
    EXPECT_EQ(cell(g().Text1[0]), "現金売上");
    EXPECT_EQ(cell(g().Combo1[1]), "現金");
    EXPECT_EQ(cell(g().Combo7[1]), "仮受消費税");
    EXPECT_EQ(cell(g().Text8[0]), "5,000");
    EXPECT_EQ(cell(g().Text8[10]), "5,500");
    EXPECT_EQ(cell(form->templates().Combo4), "2");

    choose(0);
    EXPECT_TRUE(form->templates().Option8[0]->isChecked());  // neither side cash: 振替伝票
    EXPECT_EQ(cell(g().Combo8[0]), "三井住友銀行");
    EXPECT_EQ(cell(g().Combo9[1]), "本店");
    EXPECT_EQ(g().CreditAmounts[1], 660);
    EXPECT_EQ(cell(g().Text9[10]), "110,660");

    form->templates().ShowTemplateList();  // listing reads the amounts for its lines only
    EXPECT_EQ(g().DebitAmounts[0], 110000);
    EXPECT_EQ(g().CreditAmounts[1], 660);
    EXPECT_EQ(g().DebitTotal, 110660);
}

TEST_F(TemplateTabTest, PrintBetweenChoosingAndUpdatingLeavesTheChosenTemplatesAmounts)
{
    editModeOn();
    choose(0);
    form->printing().Check1[1]->setChecked(true);  // the template list
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes);
    form->printing().Command1[setup::PrintTab::Print]->click();
    ASSERT_EQ(printer->documentCount(), 1);
    EXPECT_EQ(g().DebitAmounts[0], 110000);  // not the last template's 5,000
    EXPECT_EQ(g().DebitAmounts[1], 660);

    g().Text1[0]->setText(q("家賃支払（本社）"));
    press(TemplateTab::Update);
    const auto rows = TemplateRows(db());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], std::string(kA) + "|1|家賃支払（本社）||525|110000|103|110000|0009|0009001|False|1");
    EXPECT_EQ(rows[1], std::string(kA) + "|2|振込手数料||523|660|103|660|0009|0009001|False|1");
    EXPECT_EQ(rows[2], std::string(kB) + "|1|現金売上||100|5000|400|5000|||False|2");
    EXPECT_EQ(form->templates().List1->currentRow(), 0);  // chosen again: the grid shows what was stored
    EXPECT_EQ(cell(g().Text1[0]), "家賃支払（本社）");
}

TEST_F(TemplateTabTest, LastTemplateGainsARowAndLosesTheRowEmptied)
{
    editModeOn();
    choose(2);
    fillRow(2, "雑収入", "現金", "300", "雑収入");
    press(TemplateTab::Update);
    auto rows = TemplateRows(db());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4], std::string(kB) + "|3|雑収入||100|300|602|300|||False|2");
    EXPECT_EQ(form->templates().List1->count(), 5);
    EXPECT_EQ(cell(g().Text1[2]), "雑収入");

    emptyRow(2);
    form->templates().Check3->setChecked(true);
    form->templates().Combo4->setEditText(QString());
    press(TemplateTab::Update);
    rows = TemplateRows(db());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], std::string(kB) + "|1|現金売上||100|5000|400|5000|||True|");
    EXPECT_EQ(rows[3], std::string(kB) + "|2|消費税||100|500|218|500|||True|");
    EXPECT_EQ(rows[0].substr(0, 12), kA);  // the other template is untouched
}

TEST_F(TemplateTabTest, DeleteAsksAndRemovesEveryRowOfTheChosenTemplateOnly)
{
    editModeOn();
    choose(3);
    const std::string before = DumpWrittenTables(db());
    dialogs->expectMessage("選択された定型仕訳を削除します　よろしいですか？", ui::Answer::No)
        .withTitle("定型仕訳管理");
    press(TemplateTab::Delete);
    EXPECT_EQ(DumpWrittenTables(db()), before);

    dialogs->expectMessage("選択された定型仕訳を削除します　よろしいですか？", ui::Answer::Yes)
        .withTitle("定型仕訳管理");
    press(TemplateTab::Delete);
    const auto rows = TemplateRows(db());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].substr(0, 12), kA);
    EXPECT_EQ(rows[1].substr(0, 12), kA);
    EXPECT_EQ(form->templates().List1->count(), 2);
    EXPECT_EQ(cell(g().Text1[0]), "現金売上");  // the grid still shows the deleted template
}

TEST_F(TemplateTabTest, AmountCorrectionTakesTheOtherRowsFromTheFirst)
{
    editModeOn();
    choose(2);
    const std::string before = DumpWrittenTables(db());
    type(g().Text8[0], "10,800");  // the credit side keeps its 5,000
    dialogs->expectMessage("1行目の借方、貸方の合計金額が相違します", ui::Answer::Ok).withoutTitle();
    press(TemplateTab::CorrectAmounts);
    EXPECT_EQ(cell(g().Text8[0]), "10,800");

    type(g().Text9[0], "10,800");
    type(g().Text8[1], "800");  // credit 500 stays
    type(g().Text9[1], "0");
    type(g().Text9[2], "500");  // the debit side takes it while 0 ...
    type(g().Text8[2], "0");    // ... and is set back to 0
    press(TemplateTab::CorrectAmounts);
    EXPECT_EQ(cell(g().Text8[0]), "10,000");
    EXPECT_EQ(cell(g().Text9[0]), "10,300");
    EXPECT_EQ(cell(g().Text8[10]), "10,800");
    EXPECT_EQ(cell(g().Text9[10]), "10,800");
    EXPECT_EQ(DumpWrittenTables(db()), before);  // only the grid changes
}

TEST_F(TemplateTabTest, ButtonsNeedEditModeAndALineChosenSinceTheListWasFilled)
{
    const std::string before = DumpWrittenTables(db());
    choose(0);
    for (const auto button : {TemplateTab::ClearInput, TemplateTab::Register, TemplateTab::Update, TemplateTab::Delete,
                              TemplateTab::CorrectAmounts})
        press(button);  // edit mode off: nothing at all
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_EQ(cell(g().Text1[0]), "家賃支払");

    editModeOn();
    press(TemplateTab::Register);  // registering refills the list: no line is chosen afterwards
    ASSERT_EQ(CountRows(db(), "Q_仕訳定型台帳"), 6);
    for (const auto button : {TemplateTab::Update, TemplateTab::Delete, TemplateTab::CorrectAmounts}) {
        dialogs->expectMessage("定型仕訳が選択されていません", ui::Answer::Ok).withoutTitle();
        press(button);
    }
    EXPECT_EQ(CountRows(db(), "Q_仕訳定型台帳"), 6);
}

struct ElsewhereCase {
    const char* name;
    const char* sql;  // what another program does to template A after it was listed
    bool vanished;
};

void PrintTo(const ElsewhereCase& c, std::ostream* os)
{
    *os << c.name;
}

class TemplateChangedElsewhereTest : public TemplateTabTest, public ::testing::WithParamInterface<ElsewhereCase> {};

TEST_P(TemplateChangedElsewhereTest, UpdateIsRefusedAndTheListReadAgain)
{
    editModeOn();
    choose(0);
    db().Execute(GetParam().sql);
    const std::string before = DumpWrittenTables(db());
    dialogs
        ->expectMessage(GetParam().vanished ? setup::VanishedMessage("定型仕訳")
                                            : setup::ChangedElsewhereMessage("定型仕訳"),
                        ui::Answer::Ok)
        .withoutTitle();
    press(TemplateTab::Update);
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_EQ(form->templates().List1->count(), static_cast<int>(CountRows(db(), "Q_仕訳定型台帳")));
}

INSTANTIATE_TEST_SUITE_P(
    Elsewhere, TemplateChangedElsewhereTest,
    ::testing::Values(ElsewhereCase{"RowChanged",
                                    "UPDATE 仕訳定型台帳 SET 摘要 = '家賃' WHERE 仕訳ID = '250401090000' AND 追番 = 2",
                                    false},
                      ElsewhereCase{"RowAdded",
                                    "INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 摘要, 借方コード, 貸方コード, 表示順位) "
                                    "VALUES ('250401090000', 3, '追加', '525', '103', '1')",
                                    false},
                      ElsewhereCase{"Deleted", "DELETE FROM 仕訳定型台帳 WHERE 仕訳ID = '250401090000'", true}),
    testsupport::kCaseName);

TEST_F(EmptyTemplateTabTest, TaxAccountMakesTheRowTheTaxOnTheRowAbove)
{
    editModeOn();
    fillRow(0, "商品仕入", "仕入高", "0", "買掛金");
    type(g().Text8[1], "10,000");  // the empty debit account takes row 0's
    EXPECT_EQ(cell(g().Combo1[1]), "仕入高");
    EXPECT_EQ(g().CreditAmounts[1], 10000);
    type(g().Combo1[2], "仮払消費税");
    EXPECT_EQ(cell(g().Text8[2]), "1000");
    EXPECT_EQ(cell(g().Text9[2]), "1,000");
    EXPECT_EQ(cell(g().Combo7[2]), "買掛金");
    EXPECT_EQ(cell(g().Text8[10]), "11,000");

    type(g().Combo1[0], "仮払消費税");  // row 0 never becomes a tax row
    EXPECT_EQ(cell(g().Text8[0]), "0");
}

TEST_F(EmptyTemplateTabTest, AmountCellsMirrorOnlyIntoAnEmptySide)
{
    editModeOn();
    type(g().Text8[3], "5000");
    EXPECT_EQ(cell(g().Text8[3]), "5,000");
    EXPECT_EQ(cell(g().Text9[3]), "5,000");
    type(g().Text9[4], "3000");
    type(g().Text8[4], "12.5");
    EXPECT_EQ(g().DebitAmounts[4], 12);
    EXPECT_EQ(g().CreditAmounts[4], 3000);
    EXPECT_EQ(cell(g().Text9[4]), "3,000");

    type(g().Text8[5], "abc");
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_EQ(g().DebitAmounts[5], 0);

    o::SetEditMode(o::EditModeOff);
    type(g().Text8[6], "700");
    EXPECT_EQ(g().DebitAmounts[6], 0);
}

TEST_F(EmptyTemplateTabTest, AccountCodeTypedBecomesItsName)
{
    type(g().Combo1[3], "517");
    EXPECT_EQ(cell(g().Combo1[3]), "消耗品費");
    dialogs->expectMessage("勘定科目コードが登録されていません", ui::Answer::Ok).withoutTitle();
    type(g().Combo7[3], "998");
    EXPECT_EQ(cell(g().Combo7[3]), "998");
}

}  // namespace
}  // namespace setuptest
