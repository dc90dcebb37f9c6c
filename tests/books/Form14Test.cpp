// The books window driven through its controls.
#include "books/BankBooks.h"
#include "books/Form14.h"
#include "books/SubLedger.h"
#include "books/WindowFixture.h"
#include "common/o.h"
#include "frame/WindowRegistry.h"
#include "platform/dao/DaoError.h"
#include "support/DamagedValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

using namespace bookstest;

namespace {

}  // namespace

class Form14Test : public WindowTest {};

TEST_F(Form14Test, LoadFillsEveryBookAndStoresEveryCurrentBalance)
{
    o::EditMode = o::EditModeOn;  // switched on by another window
    books::Form14 form;
    EXPECT_EQ(o::EditMode, o::EditModeOff);
    EXPECT_EQ(s(form.windowTitle()), "テスト商事 第1期　会計 管理（現金出納帳他）");

    const QStringList tabs = [&] {
        QStringList out;
        for (int i = 0; i < form.SSTab1()->count(); ++i)
            out << form.SSTab1()->tabText(i);
        return out;
    }();
    EXPECT_EQ(tabs,
              (QStringList{q("現金出納帳"), q("取引銀行（１）"), q("仕入／買掛金勘定"), q("売上／売掛金勘定"),
                           q("取引銀行（２）"), q("取引先仕訳"), q("帳票印刷"), q("取引銀行他")}));

    EXPECT_EQ(form.List1()->count(), 6);
    EXPECT_EQ(trimmed(bytesOf(s(form.List1()->text(5)), 114, 127)), "230");

    const char* const bankNames[] = {"青葉銀行 本店", "青葉銀行 本店", "若葉銀行 駅前支店", " "};
    const char* const current[] = {"現在残高：       2,000円", "現在残高：       1,500円", "現在残高：         600円",
                                   "現在残高：           0円"};
    for (int slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_FALSE(form.List2(slot)->isHidden());
        EXPECT_EQ(form.List2(slot)->count(), 2);
        EXPECT_EQ(s(form.Label4(slot)->text()), bankNames[slot]);
        EXPECT_EQ(s(form.Label7(slot)->text()), current[slot]);
    }
    EXPECT_EQ(s(form.Label5(1)->text()), "当座預金");
    EXPECT_EQ(storedBalances(*fx.open()), (std::vector<long long>{2000, 1500, 600, 0, 140, 1005}));

    EXPECT_EQ(form.List3(0)->count(), 1);
    EXPECT_EQ(form.List3(3)->count(), 3);
    EXPECT_EQ(form.List3(1)->count(), 3);
    EXPECT_EQ(form.List3(2)->count(), 2);

    ASSERT_EQ(form.Combo1()->count(), 2);
    EXPECT_EQ(s(form.Combo1()->itemText(0)), "東京商事");
    EXPECT_EQ(s(form.Combo1()->itemText(1)), "大阪物産");
    EXPECT_TRUE(form.Combo1()->currentText().isEmpty());
    EXPECT_EQ(s(form.Label9(4)->text()), "取引内容");
}

TEST_F(Form14Test, RegisteredWithTheWindowRegistryAndOpenedOnce)
{
    registerBooksWindows();
    auto& registry = frame::WindowRegistry::instance();
    ASSERT_TRUE(registry.has("Form14"));
    ASSERT_TRUE(registry.has("Form33"));
    QWidget* books = registry.show("Form14");
    ASSERT_NE(books, nullptr);
    EXPECT_EQ(registry.show("Form14"), books);
    EXPECT_NE(registry.show("Form33"), nullptr);
    registry.closeAll();
}

TEST_F(Form14Test, NullOpeningCashShowsZero)
{
    fx.execute("UPDATE \"会計設定\" SET \"期首現金残高\" = NULL");
    books::Form14 form;
    EXPECT_EQ(trimmed(bytesOf(s(form.List1()->text(0)), 114, 127)), "0");
    EXPECT_EQ(trimmed(bytesOf(s(form.List1()->text(5)), 114, 127)), "-270");
}

TEST_F(Form14Test, FailedStoreOfCurrentBalancesIsReportedAndTheBooksStillShow)
{
    dao::FailurePlan plan;
    plan.kind = dao::FailurePlan::Kind::DiskFull;
    plan.failOnWrite = 2;
    dao::DBEngine::instance().setFailurePlan(plan);
    dialogs->expectAnyMessage(ui::Answer::Ok);
    books::Form14 form;
    dao::DBEngine::instance().clearFailurePlan();
    ASSERT_EQ(dialogs->messageTexts().size(), 1u);
    EXPECT_EQ(dialogs->messageTexts()[0].rfind("預金の現在残高を保存できませんでした。", 0), 0u);
    EXPECT_EQ(form.List2(0)->count(), 2);
    EXPECT_EQ(storedBalances(*fx.open()), std::vector<long long>(6, 999));
}

// Another tool renamed the journal's 入金: the books window stays shut and
// names the field, instead of showing every debit as 0, and writes nothing.
TEST_F(Form14Test, AnAmountColumnRenamedByAnotherToolKeepsTheWindowShutNamingIt)
{
    fx.execute("ALTER TABLE \"仕訳台帳\" RENAME COLUMN \"入金\" TO \"借方金額\"");
    const std::string before = testsupport::FileBytes(fx.path());
    try {
        books::Form14 form;
        ADD_FAILURE() << "the window opened";
    } catch (const dao::DaoError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("フィールド「入金」がありません"), std::string::npos) << message;
        EXPECT_NE(message.find(fx.path()), std::string::npos) << message;
    }
    EXPECT_TRUE(testsupport::FileBytes(fx.path()) == before) << "the file was written";
}

TEST_F(Form14Test, NoBankAccountsHidesEverySlot)
{
    fx.execute("DELETE FROM \"取引銀行\"");
    books::Form14 form;
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_TRUE(form.List2(slot)->isHidden());
        EXPECT_TRUE(form.Label4(slot)->text().isEmpty());
    }
}

TEST_F(Form14Test, ShowPartnerJournalOnDisplay)
{
    books::Form14 form;
    form.Combo1()->setEditText(q("東京商事"));
    form.Command1(books::Form14::Show)->click();
    EXPECT_EQ(s(form.Label9(1)->text()), "ランク：A");
    EXPECT_EQ(s(form.Label9(2)->text()), "締日：20日");
    EXPECT_EQ(s(form.Label9(3)->text()), "支払日：30日後");
    EXPECT_EQ(s(form.Label9(4)->text()), "取引内容：");
    ASSERT_EQ(form.List4()->count(), 2);
    EXPECT_EQ(trimmed(bytesOf(s(form.List4()->text(1)), 97, 110)), "2,000");

    // An empty field does nothing; the list keeps what it showed.
    form.Combo1()->setEditText(QString());
    form.Command1(books::Form14::Show)->click();
    EXPECT_EQ(form.List4()->count(), 2);

    // A partner registered after the window opened: its rows are read afresh,
    // its terms are not known to the window.
    fx.execute("INSERT INTO \"取引先管理\" (\"取引先名\", \"取引先ランク\") VALUES ('新規商店', 'B')");
    fx.addJournal({"2024-04-25", "V50", code::Receivable, 77, code::Sales, 77, "新規", "新規商店", "", ""});
    form.Combo1()->setEditText(q("新規商店"));
    form.Command1(books::Form14::Show)->click();
    EXPECT_TRUE(form.Label9(1)->text().isEmpty());
    EXPECT_TRUE(form.Label9(4)->text().isEmpty());
    ASSERT_EQ(form.List4()->count(), 1);
}

TEST_F(Form14Test, PrintAsksAndPrintsTheChosenBooksInOneDocument)
{
    books::Form14 form;
    form.Command1(books::Form14::Print)->click();  // nothing chosen: no question
    EXPECT_TRUE(dialogs->calls().empty());

    form.Check1(0)->setChecked(true);
    form.Check1(1)->setChecked(true);
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::No).withTitle("現金出納帳");
    form.Command1(books::Form14::Print)->click();
    EXPECT_TRUE(printer->events().empty());

    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("現金出納帳");
    form.Command1(books::Form14::Print)->click();
    EXPECT_EQ(printer->documentCount(), 1);
    EXPECT_EQ(printer->endDocCount(), 1);
    const auto pages = requestedPages(*printer);
    ASSERT_EQ(pages.size(), 5u);  // the cash book, then four bank books
    EXPECT_NE(pages[0][0].find(" 会計 現金出納帳  "), std::string::npos);
    EXPECT_NE(pages[1][0].find(" 会計 取引銀行  "), std::string::npos);
}

// Nothing to print is said, not done silently: boxes without a printout are
// told at once, and books without rows after the question.
TEST_F(Form14Test, APrintRunWithNothingToPrintSaysSo)
{
    books::Form14 form;
    for (int box : {2, 3, 4}) {
        SCOPED_TRACE(box);
        form.Check1(box)->setChecked(true);
        dialogs->expectMessage("印刷するものがありません", ui::Answer::Ok).withTitle("現金出納帳");
        form.Command1(books::Form14::Print)->click();
        EXPECT_TRUE(printer->events().empty());
    }
    EXPECT_EQ(dialogs->pendingExpectations(), 0u);

    // Books without rows still print their opening balances; only a bank
    // printout without any bank account has nothing to print.
    fx.execute("DELETE FROM \"仕訳台帳\"");
    {
        books::Form14 noRows;
        noRows.Check1(0)->setChecked(true);
        noRows.Check1(1)->setChecked(true);
        dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("現金出納帳");
        noRows.Command1(books::Form14::Print)->click();
        const auto texts = printer->texts();
        EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                               [](const std::string& t) { return t.find("前期より繰り越し") != std::string::npos; }),
                  texts.end());
        EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                               [](const std::string& t) { return t.find("期首残高 1,000円") != std::string::npos; }),
                  texts.end());
        EXPECT_EQ(dialogs->pendingExpectations(), 0u);
    }
    printer->clear();
    fx.execute("DELETE FROM \"取引銀行\"");
    books::Form14 empty;
    empty.Check1(1)->setChecked(true);
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("現金出納帳");
    dialogs->expectMessage("印刷するものがありません", ui::Answer::Ok).withTitle("現金出納帳");
    empty.Command1(books::Form14::Print)->click();
    EXPECT_TRUE(printer->texts().empty());
    EXPECT_EQ(dialogs->pendingExpectations(), 0u);
}

// Each book list shows, line for line, the lines its book makes from the file,
// and keeps no line of the book before: a fill after a fill shows the new book.
TEST_F(Form14Test, EveryBookListShowsTheLinesOfItsBook)
{
    books::Form14 form;
    const auto shown = [](const frame::RecordListView* list) {
        std::vector<std::string> lines;
        for (int i = 0; i < list->count(); ++i)
            lines.push_back(s(list->text(i)));
        return lines;
    };
    const auto db = fx.open();
    for (const books::SubLedgerRule& rule : books::subLedgerRules()) {
        SCOPED_TRACE(rule.listIndex);
        auto rows = db->OpenRecordset(rule.sql);
        const std::vector<std::string> book = bookLines(books::subLedgerLines, *rows, rule, dao::Date::now());
        ASSERT_FALSE(book.empty());
        EXPECT_EQ(shown(form.List3(rule.listIndex)), book);
    }
    auto cashRows = db->OpenRecordset("Q_現金出納帳");
    const books::CashBookSource cash{*cashRows, code::Cash, 500};
    EXPECT_EQ(shown(form.List1()), bookLines(books::cashBookLines, cash, dao::Date::now()));
    // The bank lists fill together in one pass: each slot shows its own account's book.
    auto accounts = db->OpenRecordset("Q_取引銀行");
    auto bankRows = db->OpenRecordset("Q_取引銀行仕訳");
    const std::vector<books::BankBook> bankBooks = books::bankBooksOf(*accounts, *bankRows);
    for (int slot = 0; slot < books::kBankSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(shown(form.List2(slot)), bankBooks.at(static_cast<std::size_t>(slot)).lines);
    }

    // A purchase added since: the purchases list filled again shows it, and only the book as it is now.
    const int purchases = form.List3(0)->count();
    fx.addJournal({"2024-04-20", "V80", code::Purchases, 70, code::Cash, 70, "追加仕入", "", "", ""});
    form.ShowSubLedger(0);
    EXPECT_EQ(form.List3(0)->count(), purchases + 1);
    auto rows = db->OpenRecordset(books::subLedgerRules()[0].sql);
    EXPECT_EQ(shown(form.List3(0)),
              bookLines(books::subLedgerLines, *rows, books::subLedgerRules()[0], dao::Date::now()));
}
