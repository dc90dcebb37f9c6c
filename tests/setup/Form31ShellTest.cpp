// The setup window's load, its edit mode as every window shows it, the inputs it
// gates, the print boxes and the print run's question.
#include "setup/WindowFixture.h"

#include "common/EditMode.h"

#include <QAbstractButton>
#include <QApplication>

namespace setuptest {
namespace {

using ShellTest = SetupWindowTest;

TEST_F(ShellTest, LoadsTheTabsAndShowsTheCompanyTabFirst)
{
    ASSERT_EQ(form->SSTab1->count(), 7);
    const char* const captions[7] = {"取引先管理",   "消費税設定", "定型仕訳入力",
                                     "期首残高設定", "帳票印刷",   "固定資産／リース資産管理",
                                     "会社基本情報"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(s(form->SSTab1->tabText(i)), captions[i]);
    EXPECT_EQ(form->SSTab1->currentIndex(), 6);
    EXPECT_EQ(s(form->windowTitle()), "テスト商事 第12期　会計 会計初期設定");
    EXPECT_EQ(s(form->Label1->text()), "テスト商事");
    EXPECT_EQ(s(form->company().Text11[2]->text()), "テスト商事");
    EXPECT_EQ(s(form->company().Text7[0]->text()), "12");
    EXPECT_EQ(s(form->company().Combo12[0]->currentText()), "2024年");
    EXPECT_EQ(s(form->company().Combo12[1]->currentText()), "04月");
    EXPECT_EQ(s(form->company().Combo12[2]->currentText()), "01日");
    EXPECT_EQ(s(form->company().Label4[0]->text()), "令和6年");
    EXPECT_EQ(s(form->balance().Label15->text()), "＜期首勘定科目、残高設定＞");
    EXPECT_EQ(form->balance().List2->count(), CountRows(db(), "Q_勘定科目コード表"));
    EXPECT_EQ(form->balance().List3->count(), CountRows(db(), "Q_使用勘定科目表"));
    EXPECT_EQ(s(form->Command5[setup::Form31::EditButton]->text()), "編集");
}

TEST_F(ShellTest, BothNamesOfTheAccountCopyReachOneSavedQuery)
{
    AddRow(db(), "Q_勘定科目コード表２", {{"勘定科目コード2", "998"}, {"勘定科目名2", "全角の名で追加"}});
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表2", "勘定科目コード2", "998", "勘定科目名2").toText(), "全角の名で追加");
    EXPECT_EQ(DumpRows(db(), "Q_勘定科目コード表２"), DumpRows(db(), "Q_勘定科目コード表2"));
}

// A text box that would not store is read-only, any other such input disabled.
bool usable(QWidget* w)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return w->isEnabled() && !edit->isReadOnly();
    return w->isEnabled();
}

TEST_F(ShellTest, InputsThatWouldNotStoreAreReadOnlyWhileEditModeIsOff)
{
    setup::CompanyTab& company = form->company();
    setup::TaxTab& tax = form->tax();
    setup::TemplateTab& templates = form->templates();
    setup::BalanceTab& balance = form->balance();
    setup::AssetTab& assets = form->assets();
    setup::PrintTab& printing = form->printing();
    const std::vector<QWidget*> gated = {company.Text11[0],
                                         company.Text11[12],
                                         company.Text7[0],
                                         company.Combo12[1],
                                         company.Combo13[2],
                                         company.Combo3[0],
                                         tax.Option1[0],
                                         tax.Option2[2],
                                         balance.Option3[5],
                                         tax.Option4[1],
                                         tax.Option5[2],
                                         balance.Text5[0],
                                         balance.Text5[2],
                                         balance.Check2[0],
                                         balance.Check2[3],
                                         balance.Option6[1],
                                         tax.Combo14[0],
                                         tax.Text2[4],
                                         tax.Text12[0],
                                         templates.grid().Text1[0],
                                         templates.grid().Combo1[3],
                                         templates.grid().Text8[9],
                                         templates.Combo4,
                                         templates.Check3,
                                         form->partners().Text10[0],
                                         form->partners().Combo10[2],
                                         balance.Combo2[0],
                                         balance.Text3[0],
                                         assets.Text4[6],
                                         assets.Combo6[8]};
    const std::vector<QWidget*> always = {
        balance.Option7[1], balance.List2,     balance.List3,
        printing.Check1[0], printing.Check4,   printing.Command1[setup::PrintTab::Print],
        assets.Text6[0],    assets.Combo17[1], templates.Option8[1]};
    for (QWidget* w : gated)
        EXPECT_FALSE(usable(w)) << s(w->objectName());
    for (QWidget* w : always)
        EXPECT_TRUE(usable(w)) << s(w->objectName());

    editModeOn();
    EXPECT_EQ(s(form->Command5[setup::Form31::EditButton]->text()), "編集解除");
    for (QWidget* w : gated)
        EXPECT_TRUE(usable(w)) << s(w->objectName());

    form->Command5[setup::Form31::EditButton]->click();
    EXPECT_FALSE(o::EditModeIsOn());
    EXPECT_EQ(s(form->Command5[setup::Form31::EditButton]->text()), "編集");
    for (QWidget* w : gated)
        EXPECT_FALSE(usable(w)) << s(w->objectName());
}

TEST_F(ShellTest, EditModeSwitchedByAnotherWindowShowsHereAtOnce)
{
    o::SetEditMode(o::EditModeOn);  // as the journal-entry window's "編集" does
    EXPECT_EQ(s(form->Command5[setup::Form31::EditButton]->text()), "編集解除");
    EXPECT_TRUE(usable(form->company().Text11[2]));

    form->Command5[setup::Form31::EditButton]->click();  // one press here switches it off for every window
    EXPECT_FALSE(o::EditModeIsOn());
    EXPECT_EQ(s(form->Command5[setup::Form31::EditButton]->text()), "編集");
    EXPECT_FALSE(usable(form->company().Text11[2]));
}

TEST_F(ShellTest, LoadingSwitchesEditModeOffForEveryWindow)
{
    form.reset();
    bool otherWindowOn = false;
    o::EditModeListener otherWindow([&](bool on) { otherWindowOn = on; });
    o::SetEditMode(o::EditModeOn);
    ASSERT_TRUE(otherWindowOn);
    form = std::make_unique<setup::Form31>();
    EXPECT_FALSE(o::EditModeIsOn());
    EXPECT_FALSE(otherWindowOn);
    EXPECT_EQ(s(form->Command5[setup::Form31::EditButton]->text()), "編集");
    EXPECT_FALSE(usable(form->company().Text11[0]));
}

TEST_F(ShellTest, SelectAllTicksAndClearsEveryPrintBox)
{
    form->printing().Check1[3]->setChecked(true);
    form->printing().Check4->click();
    for (QCheckBox* box : form->printing().Check1)
        EXPECT_TRUE(box->isChecked());
    form->printing().Check4->click();
    for (QCheckBox* box : form->printing().Check1)
        EXPECT_FALSE(box->isChecked());
}

TEST_F(ShellTest, PrintRunAsksFirstAndSaysWhenNothingIsTicked)
{
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::No).withTitle("会計初期設定");
    form->printing().Command1[setup::PrintTab::Print]->click();
    EXPECT_EQ(printer->documentCount(), 0);

    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("会計初期設定");
    dialogs->expectMessage("印刷する帳票が選択されていません", ui::Answer::Ok).withoutTitle();
    form->printing().Command1[setup::PrintTab::Print]->click();
    EXPECT_EQ(printer->documentCount(), 0);
}

TEST_F(ShellTest, EveryCaptionShowsWholeAtTheDefaultSize)
{
    for (int tab = 0; tab < form->SSTab1->count(); ++tab) {
        form->SSTab1->setCurrentIndex(tab);
        QApplication::processEvents();
        QWidget* page = form->SSTab1->widget(tab);
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
            if (!b->isVisible())
                continue;
            EXPECT_GE(b->width(), b->sizeHint().width()) << s(b->text());
        }
        for (QLabel* l : page->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty())
                continue;
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << s(l->text());
        }
    }
    for (QPushButton* b : form->Command5)
        EXPECT_GE(b->width(), b->sizeHint().width()) << s(b->text());
}

}  // namespace
}  // namespace setuptest
