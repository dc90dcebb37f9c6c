// The general-ledger window driven through its controls.
#include "books/Form33.h"
#include "books/WindowFixture.h"
#include "common/o.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace bookstest;

class Form33Test : public WindowTest {};

TEST_F(Form33Test, ChoosingAnAccountShowsItsLedger)
{
    // An account in use without a name is not listed; the rows after it still
    // choose the account they show.
    fx.execute("INSERT INTO \"勘定科目コード表\" (\"勘定科目コード\", \"勘定科目名\", \"適用\") VALUES ('100', '', 1)");
    books::Form33 form;
    EXPECT_EQ(s(form.windowTitle()), "テスト商事 第1期　会計 総勘定元帳");
    EXPECT_TRUE(o::EraRecordset != nullptr);
    ASSERT_EQ(form.List2()->count(), 9);
    EXPECT_EQ(s(form.List2()->item(0)->text()), "現金");
    EXPECT_TRUE(form.Label1(0)->text().isEmpty());
    EXPECT_TRUE(form.Option1(0)->isChecked());

    form.List2_Click(8);
    EXPECT_EQ(s(form.Label1(1)->text()), "消耗品費");
    EXPECT_EQ(s(form.Label1(0)->text()), "611");
    ASSERT_EQ(form.List1()->count(), 3);  // opening line, V02, V09; not the closing entry
    EXPECT_EQ(trimmed(bytesOf(s(form.List1()->text(2)), 114, 127)), "250");
    EXPECT_EQ(form.SSTab1()->currentIndex(), 0);  // the tab stays where it was

    form.List2_Click(0);
    EXPECT_EQ(s(form.Label1(1)->text()), "現金");
    EXPECT_EQ(form.List1()->count(), 6);
}

TEST_F(Form33Test, PrintOptions)
{
    books::Form33 form;
    // Nothing chosen yet: nothing to print, said without asking.
    dialogs->expectMessage("印刷するものがありません", ui::Answer::Ok).withTitle("総勘定元帳");
    form.Command1(books::Form33::PrintLedgers)->click();
    EXPECT_TRUE(printer->events().empty());
    EXPECT_EQ(dialogs->pendingExpectations(), 0u);

    // An account without journal rows prints nothing: said after the question.
    fx.execute(
        "INSERT INTO \"勘定科目コード表\" (\"勘定科目コード\", \"勘定科目名\", \"適用\") VALUES ('999', '雑損失', 1)");
    {
        books::Form33 withUnused;
        withUnused.Label1(1)->setText(q("雑損失"));
        dialogs->expectMessage("元帳を印刷します よろしいですか？", ui::Answer::Yes).withTitle("総勘定元帳");
        dialogs->expectMessage("印刷するものがありません", ui::Answer::Ok).withTitle("総勘定元帳");
        withUnused.Command1(books::Form33::PrintLedgers)->click();
        EXPECT_TRUE(printer->texts().empty());
        EXPECT_EQ(dialogs->pendingExpectations(), 0u);
    }

    form.List2_Click(8);
    dialogs->expectMessage("元帳を印刷します よろしいですか？", ui::Answer::Yes).withTitle("総勘定元帳");
    form.Command1(books::Form33::PrintLedgers)->click();
    auto pages = requestedPages(*printer);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].size(), 5u);  // the closing entry is printed
    EXPECT_EQ(trimmed(bytesOf(pages[0].back(), 94, 107)), "280");

    printer->clear();
    form.Option1(1)->setChecked(true);
    dialogs->expectMessage("元帳を印刷します よろしいですか？", ui::Answer::Yes).withTitle("総勘定元帳");
    form.Command1(books::Form33::PrintLedgers)->click();
    EXPECT_EQ(requestedPages(*printer).size(), 9u);
    EXPECT_EQ(printer->endDocCount(), 1);

    printer->clear();
    form.Option1(2)->setChecked(true);
    dialogs->expectMessage("元帳を印刷します よろしいですか？", ui::Answer::No).withTitle("総勘定元帳");
    form.Command1(books::Form33::PrintLedgers)->click();
    EXPECT_TRUE(printer->events().empty());
}

TEST_F(Form33Test, EmptyJournalShowsNothingAndDoesNotAsk)
{
    fx.execute("DELETE FROM \"仕訳台帳\"");
    books::Form33 form;
    form.List2_Click(0);
    EXPECT_EQ(s(form.Label1(1)->text()), "現金");
    EXPECT_EQ(form.List1()->count(), 0);
    form.Command1(books::Form33::PrintLedgers)->click();
    EXPECT_TRUE(dialogs->calls().empty());
}

// The arrow keys choose an account as a click does.
TEST_F(Form33Test, ArrowKeysInTheAccountListShowTheLedger)
{
    books::Form33 form;
    form.show();
    form.List2()->setFocus();
    const auto press = [&form](Qt::Key key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form.List2(), &down);
    };
    press(Qt::Key_Down);  // onto the first line
    press(Qt::Key_Down);
    EXPECT_EQ(form.List2()->currentRow(), 1);
    EXPECT_EQ(s(form.Label1(1)->text()), "当座預金");
    EXPECT_EQ(s(form.Label1(0)->text()), "112");
    EXPECT_GT(form.List1()->count(), 1);
    press(Qt::Key_End);
    EXPECT_EQ(s(form.Label1(1)->text()), "消耗品費");
    EXPECT_EQ(form.List1()->count(), 3);
}
