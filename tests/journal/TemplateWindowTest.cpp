// The template list and the template save driven through the journal-entry
// window on the sample company, offscreen, with scripted message boxes.

#include "journal/GridRecall.h"
#include "journal/TemplateLoadWindow.h"
#include "journal/TemplateSaveButton.h"

#include "Form9WindowFixture.h"
#include "periodfile/SampleCompany.h"
#include "periodfile/TempDir.h"

#include <QSignalBlocker>

using namespace journal;

namespace {

class TemplateWindowTest : public journal::testing::Form9WindowTest {
protected:
    void beforeLoad() override { o::DbFilePath = periodfile::createSampleCompany(dir.path().string()); }
    void SetUp() override
    {
        Form9WindowTest::SetUp();
        FillTemplateList(*form);
    }

    void fillRow(int row, const QString& description, const QString& debit, const QString& amount,
                 const QString& credit, const QString& bank = {}, const QString& branch = {})
    {
        EntryGrid& g = form->grid();
        g.Text1[row]->setText(description);
        g.Combo1[row]->setEditText(debit);
        leave(g.Combo1[row]);
        g.Combo7[row]->setEditText(credit);
        leave(g.Combo7[row]);
        g.Text8[row]->setText(amount);
        leave(g.Text8[row]);
        g.Combo8[row]->setEditText(bank);
        g.Combo9[row]->setEditText(branch);
    }
    void clickTemplateLine(int line)
    {
        {
            const QSignalBlocker quiet(form->List1);
            form->List1->setCurrentRow(line);
        }
        emit form->List1->itemClicked(form->List1->item(line));
    }
    QStringList row(int i)
    {
        EntryGrid& g = form->grid();
        return {g.Text1[i]->text(),         g.Combo11[i]->currentText(), g.Combo1[i]->currentText(),
                g.Text8[i]->text(),         g.Combo7[i]->currentText(),  g.Text9[i]->text(),
                g.Combo8[i]->currentText(), g.Combo9[i]->currentText()};
    }

    periodfile::testing::TempDir dir;
};

TEST_F(TemplateWindowTest, AGridSavedAsATemplateLoadsBackIntoTheSameCells)
{
    form->Command1[Form9::Edit]->click();
    fillRow(0, "事務用品購入", "消耗品費", "12000", "普通預金", "みずほ銀行", "新宿支店");
    fillRow(1, "送料", "荷造運賃", "800", "普通預金", "みずほ銀行", "新宿支店");
    const QStringList first = row(0), second = row(1);
    const int before = form->List1->count();

    form->Command1[Form9::SaveTemplate]->click();
    ASSERT_EQ(form->List1->count(), before + 2);
    // A new template without a display order is listed with its 表示順位 "1".
    int line = -1;
    for (int i = 0; i < form->List1->count(); ++i)
        if (form->List1->item(i)->text().contains("事務用品購入"))
            line = i;
    ASSERT_GE(line, 0);

    form->Command1[Form9::ClearEntry]->click();
    EXPECT_EQ(row(0)[0], "");
    clickTemplateLine(line + 1);
    EXPECT_EQ(row(0), first);
    EXPECT_EQ(row(1), second);
    EXPECT_EQ(form->grid().DebitAmounts[0], 12'000);
    EXPECT_EQ(form->grid().CreditAmounts[1], 800);
    EXPECT_EQ(form->grid().Text8[10]->text(), "12,800");
    EXPECT_TRUE(form->Option8[0]->isChecked());
}

TEST_F(TemplateWindowTest, AGridWithoutADescriptionIsRefusedWithABeep)
{
    form->Command1[Form9::Edit]->click();
    const int before = form->List1->count();
    form->Command1[Form9::SaveTemplate]->click();
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_EQ(form->List1->count(), before);
}

TEST_F(TemplateWindowTest, AMisspeltAccountInALaterRowIsRefusedAndNothingIsSaved)
{
    struct Case {
        const char* debit;
        const char* credit;
        const char* message;
    };
    for (const Case& c : {Case{"消耗品", "普通預金", "借方勘定科目が登録されていません"},
                          Case{"荷造運賃", "普通預", "貸方勘定科目が登録されていません"}}) {
        SCOPED_TRACE(c.message);
        form->Command1[Form9::ClearEntry]->click();
        if (o::EditMode == o::EditModeOff)
            form->Command1[Form9::Edit]->click();
        fillRow(0, "事務用品購入", "消耗品費", "12000", "普通預金");
        fillRow(1, "送料", c.debit, "800", c.credit);
        const int before = form->List1->count();
        const int beeps = dialogs->beepCount();
        dialogs->expectMessage(c.message, ui::Answer::Ok).withoutTitle();
        form->Command1[Form9::SaveTemplate]->click();
        EXPECT_EQ(dialogs->beepCount(), beeps + 1);
        EXPECT_EQ(form->List1->count(), before);
    }
}

int lineContaining(QListWidget* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().contains(text))
            return i;
    return -1;
}

// A closing-entry template is marked in the list and shows "決算仕訳" once
// loaded, also with edit mode off; loading a template leaves the journal list
// without a selection, and a template that is no closing entry clears the mark.
TEST_F(TemplateWindowTest, AClosingTemplateShowsItsMarkAndTheJournalListLosesItsSelection)
{
    ASSERT_EQ(o::EditMode, o::EditModeOff);
    const int closing = lineContaining(form->List1, "期首商品棚卸高振替");
    const int ordinary = lineContaining(form->List1, "商品売上");
    ASSERT_GE(closing, 0);
    ASSERT_GE(ordinary, 0);
    EXPECT_TRUE(form->List1->item(closing)->text().startsWith("*1 "));
    EXPECT_TRUE(form->List1->item(ordinary)->text().startsWith(" 1 "));

    ASSERT_GT(form->List2->count(), 0);
    {
        const QSignalBlocker quiet(form->List2);
        form->List2->setCurrentRow(0);
    }
    clickTemplateLine(closing);
    EXPECT_EQ(form->Label1->text(), "決算仕訳");
    EXPECT_EQ(row(0)[0], "期首商品棚卸高振替");
    EXPECT_FALSE(form->List2->hasSelectedLine());
    EXPECT_EQ(o::EditMode, o::EditModeOff);

    clickTemplateLine(ordinary);
    EXPECT_EQ(form->Label1->text(), "");
    EXPECT_EQ(row(1)[0], "消費税");
}

TEST_F(TemplateWindowTest, ATemplateOfMoreThanTenRowsLoadsTenAndSaysSo)
{
    for (int r = 1; r <= 11; ++r)
        o::CompanyDb->Execute(
            "INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 表示順位)"
            " VALUES ('990101000000', ?, ?, '517', ?, '103', ?, '9')",
            {r, "行" + std::to_string(r), 100, 100});
    form->TemplateRecordset = o::CompanyDb->OpenRecordset("Q_仕訳定型台帳", dao::RecordsetType::Dynaset);
    FillTemplateList(*form);
    dialogs->expectMessage(kTemplateTooLongMessage, ui::Answer::Ok).withoutTitle();
    clickTemplateLine(form->List1->count() - 1);
    EXPECT_EQ(row(9)[0], "行10");
    EXPECT_EQ(form->grid().Text8[10]->text(), "1,000");
}

}  // namespace
