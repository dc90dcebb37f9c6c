// Registering, recalling, updating and deleting vouchers through the window.
#include "Form9Fixture.h"
#include "support/CaseName.h"

#include "frame/WindowRegistry.h"
#include "platform/dao/Engine.h"

using namespace journal;
using namespace journal::testing;

namespace {

const char* const kDeleteQuestion = "選択された仕訳を削除します　よろしいですか？";

TEST_F(Form9Test, ReceiptVoucherRegisteredRecalledUpdatedAndDeleted)
{
    editOn();
    form->Option8[1]->click();  // 入金伝票
    EXPECT_EQ(grid().Combo1[0]->currentText(), "現金");
    setDate("2024年", "5月", "10日");
    fillRow(0, "商品売上", QString(), "10,000", "売上高");
    grid().Combo11[0]->setEditText("山田商店");
    press(Form9::Register);

    std::vector<StoredRow> rows = journalRows();
    ASSERT_EQ(rows.size(), 1u);
    const std::string number = rows[0].number;
    EXPECT_EQ(number.size(), 12u);
    // A cash receipt: no bank, no closing mark.
    EXPECT_EQ(
        rows[0],
        (StoredRow{number, "2024-05-10", "1", "商品売上", "山田商店", "100", "10000", "400", "10000", "", "", false}));
    ASSERT_EQ(form->List2->count(), 1);
    EXPECT_TRUE(form->List2->text(0).startsWith("24/05/10(金) 1 商品売上"));
    EXPECT_TRUE(!form->List2->hasSelectedLine());

    // Recall into a cleared transfer grid.
    form->Option8[0]->click();
    press(Form9::ClearEntry);
    clickLine(0);
    EXPECT_TRUE(form->Option8[1]->isChecked());
    EXPECT_EQ(form->Combo2[0]->currentText(), "2024年");
    EXPECT_EQ(form->Combo2[1]->currentText(), "05月");
    EXPECT_EQ(form->Combo2[2]->currentText(), "10日");
    EXPECT_EQ(grid().Text1[0]->text(), "商品売上");
    EXPECT_EQ(grid().Combo1[0]->currentText(), "現金");
    EXPECT_EQ(grid().Combo7[0]->currentText(), "売上高");
    EXPECT_EQ(grid().Text8[0]->text(), "10,000");
    EXPECT_EQ(grid().Text8[10]->text(), "10,000");

    // Update: a new amount and a second row; the voucher keeps its number.
    type(grid().Text8[0], "11,000");
    fillRow(1, "手数料", "現金", "500", "売上高");
    press(Form9::Update);
    rows = journalRows();
    ASSERT_EQ(rows.size(), 2u);
    for (const StoredRow& r : rows)
        EXPECT_EQ(r.number, number);
    EXPECT_EQ(rows[0].debit, "11000");
    EXPECT_EQ(rows[1].rowNumber, "2");
    EXPECT_EQ(rows[1].description, "手数料");
    std::vector<HistoryRow> history = historyRows();
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0], (HistoryRow{"1", number, "2024-05-10", "1", "商品売上", "山田商店", "100", "400", "", ""}));
    // The updated voucher is selected again and shown.
    EXPECT_EQ(form->List2->currentRow(), 0);
    EXPECT_EQ(grid().Text8[0]->text(), "11,000");
    EXPECT_EQ(grid().Text1[1]->text(), "手数料");

    // Delete, after the question.
    dialogs->expectMessage(kDeleteQuestion, ui::Answer::Yes).withTitle("仕訳入力").withButtons(ui::Buttons::YesNo);
    press(Form9::Delete);
    EXPECT_TRUE(journalRows().empty());
    EXPECT_EQ(form->List2->count(), 0);
    EXPECT_TRUE(grid().Text1[0]->text().isEmpty());
    history = historyRows();
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[1].reason, "2");
    EXPECT_EQ(history[1].rowNumber, "1");
    EXPECT_EQ(history[1].description, "商品売上");
    EXPECT_EQ(history[2].reason, "2");
    EXPECT_EQ(history[2].rowNumber, "2");
    EXPECT_EQ(history[2].description, "手数料");
    EXPECT_EQ(history[2].debitCode, "100");
}

TEST_F(Form9Test, PaymentAndTransferVouchersWithBankAreRecalledAsTheirKind)
{
    editOn();
    setDate("2024年", "6月", "3日");
    form->Option8[2]->click();  // 出金伝票
    EXPECT_EQ(grid().Combo7[0]->currentText(), "現金");
    fillRow(0, "文具購入", "消耗品費", "3,000", QString());
    press(Form9::Register);

    form->Option8[0]->click();  // 振替伝票
    press(Form9::ClearEntry);
    fillRow(0, "買掛金支払", "買掛金", "50,000", "普通預金");
    grid().Combo8[0]->setEditText("みずほ銀行");
    grid().Combo9[0]->setEditText("新宿支店");
    grid().Combo11[0]->setEditText("鈴木工業");
    press(Form9::Register);

    const std::vector<StoredRow> rows = journalRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].number, rows[1].number);
    EXPECT_EQ(rows[0].debitCode, "517");
    EXPECT_EQ(rows[0].creditCode, "100");
    EXPECT_EQ(rows[0].bankCode, "");
    EXPECT_EQ(rows[1].debitCode, "201");
    EXPECT_EQ(rows[1].creditCode, "103");
    EXPECT_EQ(rows[1].bankCode, "0001");
    EXPECT_EQ(rows[1].branchCode, "0001203");

    clickLine(0);
    EXPECT_TRUE(form->Option8[2]->isChecked());
    EXPECT_EQ(grid().Combo7[0]->currentText(), "現金");
    clickLine(1);
    EXPECT_TRUE(form->Option8[0]->isChecked());
    EXPECT_EQ(grid().Combo8[0]->currentText(), "みずほ銀行");
    EXPECT_EQ(grid().Combo9[0]->currentText(), "新宿支店");
    EXPECT_EQ(grid().Combo11[0]->currentText(), "鈴木工業");
    EXPECT_TRUE(form->List2->text(1).contains("みずほ銀行"));
}

TEST_F(Form9Test, TheSameGridRegisteredTwiceGivesTwoVouchers)
{
    editOn();
    setDate("2024年", "5月", "1日");
    fillRow(0, "売上", "現金", "100", "売上高");
    press(Form9::Register);
    press(Form9::Register);
    const std::vector<StoredRow> rows = journalRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].number, rows[1].number);
    EXPECT_EQ(rows[0].rowNumber, "1");
    EXPECT_EQ(rows[1].rowNumber, "1");
}

TEST_F(Form9Test, RowsWithoutAmountsAreSkippedAndEmptyAccountsTakeTheRowAbove)
{
    editOn();
    setDate("2024年", "5月", "1日");
    fillRow(0, "仕入", "仕入高", "1,000", "買掛金");
    grid().Combo11[0]->setEditText("山田商店");
    fillRow(1, "運賃", QString(), "200", QString());  // accounts carried down by the amount cell
    grid().Text8[2]->clear();
    grid().Text9[2]->clear();
    fillRow(3, "値引", "仕入高", "-50", "買掛金");
    press(Form9::Register);
    const std::vector<StoredRow> rows = journalRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].rowNumber, "2");
    EXPECT_EQ(rows[1].debitCode, "411");
    EXPECT_EQ(rows[1].creditCode, "201");
    EXPECT_EQ(rows[1].partner, "山田商店");
    EXPECT_EQ(rows[2].rowNumber, "3");
    EXPECT_EQ(rows[2].debit, "-50");
}

TEST_F(Form9Test, UpdateReplacesTheWholeVoucherAndReselectsItByNumber)
{
    editOn();
    setDate("2024年", "5月", "10日");
    fillRow(0, "A一", "仕入高", "300", "現金");
    fillRow(1, "A二", "仕入高", "200", "現金");
    fillRow(2, "A三", "仕入高", "100", "現金");
    press(Form9::Register);
    press(Form9::ClearEntry);
    setDate("2024年", "5月", "20日");
    fillRow(0, "B一", "仕入高", "900", "現金");
    press(Form9::Register);
    const std::string numberA = journalRows()[0].number;
    db->Execute("UPDATE 仕訳台帳 SET 決算仕訳 = 1 WHERE 伝票番号 = ?", {dao::Value(numberA)});
    form->ReloadJournal();  // A as a closing entry is what the list shows

    // Recall A from its third line, move it after B, drop its third row and add a fourth.
    clickLine(2);
    EXPECT_EQ(grid().Text1[0]->text(), "A一");
    EXPECT_EQ(form->Label1->text(), "決算仕訳");
    setDate("2024年", "5月", "25日");
    grid().Text8[2]->clear();
    grid().Text9[2]->clear();
    fillRow(3, "A四", "仕入高", "50", "現金");
    press(Form9::Update);

    const std::vector<StoredRow> rows = journalRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].description, "B一");
    const std::vector<std::string> expected = {"A一", "A二", "A四"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i + 1].number, numberA);
        EXPECT_EQ(rows[i + 1].description, expected[i]);
        EXPECT_EQ(rows[i + 1].rowNumber, std::to_string(i + 1));
        EXPECT_EQ(rows[i + 1].date, "2024-05-25");
        EXPECT_TRUE(rows[i + 1].closing) << "the closing mark stays";
    }
    // The history holds A as it was, row by row, with reason "1".
    const std::vector<HistoryRow> history = historyRows();
    ASSERT_EQ(history.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(history[i].reason, "1");
        EXPECT_EQ(history[i].number, numberA);
        EXPECT_EQ(history[i].date, "2024-05-10");
        EXPECT_EQ(history[i].rowNumber, std::to_string(i + 1));
    }
    EXPECT_EQ(history[2].description, "A三");
    // A is selected again at its new place, not B at A's old line.
    EXPECT_EQ(form->List2->currentRow(), 1);
    EXPECT_EQ(grid().Text1[0]->text(), "A一");
    EXPECT_TRUE(form->List2->text(1).contains("*1"));
}

TEST_F(Form9Test, WithoutEditModeTheStoreButtonsDoNothing)
{
    setDate("2024年", "5月", "1日");
    grid().Text1[0]->setText("売上");
    grid().Combo1[0]->setEditText("現金");
    grid().Combo7[0]->setEditText("売上高");
    press(Form9::Register);
    EXPECT_TRUE(journalRows().empty());
    EXPECT_FALSE(grid().Text1[0]->isEnabled()) << "rows are disabled after the load";
    editOn();
    EXPECT_TRUE(grid().Text1[0]->isEnabled());
    EXPECT_EQ(form->Command1[Form9::Edit]->text(), "編集解除");
    press(Form9::Edit);
    EXPECT_EQ(form->Command1[Form9::Edit]->text(), "編集");
    EXPECT_FALSE(grid().Text1[0]->isEnabled());
}

// A write that fails leaves the journal and its history as they were, and says why.
struct FailingWrite {
    const char* name;
    int failOn;  // the write of each action that fails
};
void PrintTo(const FailingWrite& c, std::ostream* os)
{
    *os << c.name;
}

class Form9FailureTest : public Form9Test, public ::testing::WithParamInterface<FailingWrite> {};

TEST_P(Form9FailureTest, FailedRegisterUpdateAndDeleteChangeNothing)
{
    const int failOn = GetParam().failOn;
    editOn();
    setDate("2024年", "5月", "10日");
    fillRow(0, "一", "仕入高", "300", "現金");
    fillRow(1, "二", "仕入高", "200", "現金");
    press(Form9::Register);
    const auto before = journalRows().size();
    ASSERT_EQ(before, 2u);

    // Register a second voucher of three rows.
    press(Form9::ClearEntry);
    fillRow(0, "x", "仕入高", "1", "現金");
    fillRow(1, "y", "仕入高", "2", "現金");
    fillRow(2, "z", "仕入高", "3", "現金");
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, failOn, false});
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press(Form9::Register);
    EXPECT_EQ(journalRows().size(), 2u);

    // Update the first one.
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, failOn, false});
    clickLine(0);
    fillRow(2, "三", "仕入高", "100", "現金");
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press(Form9::Update);
    std::vector<StoredRow> rows = journalRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].description, "一");
    EXPECT_EQ(rows[1].description, "二");
    EXPECT_TRUE(historyRows().empty());

    // Delete it.
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::DiskFull, failOn, true});
    clickLine(0);
    dialogs->expectMessage(kDeleteQuestion, ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press(Form9::Delete);
    EXPECT_EQ(journalRows().size(), 2u);
    EXPECT_TRUE(historyRows().empty());
    dao::DBEngine::instance().clearFailurePlan();

    // And the window goes on working.
    clickLine(1);
    dialogs->expectMessage(kDeleteQuestion, ui::Answer::Yes);
    press(Form9::Delete);
    EXPECT_TRUE(journalRows().empty());
    EXPECT_EQ(historyRows().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EachOfTheFirstThreeWrites, Form9FailureTest,
                         ::testing::Values(FailingWrite{"FirstWrite", 1}, FailingWrite{"SecondWrite", 2},
                                           FailingWrite{"ThirdWrite", 3}),
                         testsupport::kCaseName);

TEST_F(Form9Test, TooWideAmountIsShownAsStarsInTheList)
{
    editOn();
    setDate("2024年", "5月", "1日");
    fillRow(0, "土地購入", "普通預金", "123,456,789", "売上高");
    grid().Combo8[0]->setEditText("みずほ銀行");
    grid().Combo9[0]->setEditText("新宿支店");
    press(Form9::Register);
    ASSERT_EQ(form->List2->count(), 1);
    const QString line = form->List2->text(0);
    EXPECT_TRUE(line.contains("**********")) << line.toStdString();
    EXPECT_FALSE(line.contains("123,456,78")) << line.toStdString();
}

}  // namespace

namespace {

// The next widget the Tab key moves to: the focus chain without the line edits inside combo boxes.
QWidget* nextTabStop(QWidget* w)
{
    QWidget* next = w->nextInFocusChain();
    while (w->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

TEST_F(Form9Test, TabOrderRunsFromTheCloseButtonThroughTheDateAndTheGridRowByRow)
{
    EXPECT_EQ(nextTabStop(form->Command1[Form9::Quit]), form->Combo2[0]);
    EXPECT_EQ(nextTabStop(form->Combo2[2]), grid().Text1[0]);
    const std::vector<QWidget*> row = {grid().Text1[0],  grid().Combo11[0], grid().Combo1[0], grid().Text8[0],
                                       grid().Combo7[0], grid().Text9[0],   grid().Combo8[0], grid().Combo9[0]};
    for (std::size_t i = 1; i < row.size(); ++i)
        EXPECT_EQ(nextTabStop(row[i - 1]), row[i]) << i;
    EXPECT_EQ(nextTabStop(grid().Combo9[0]), grid().Text1[1]);
    EXPECT_EQ(form->focusWidget(), form->Command1[Form9::Quit]) << "終了 holds the focus when the window opens";
}

TEST_F(Form9Test, OpensOnceThroughTheWindowRegistry)
{
    form.reset();
    registerJournalWindows();
    auto& registry = frame::WindowRegistry::instance();
    QWidget* first = registry.show("Form9");
    ASSERT_NE(first, nullptr);
    EXPECT_NE(dynamic_cast<Form9*>(first), nullptr);
    EXPECT_EQ(registry.show("Form9"), first);
    registry.closeAll();
    EXPECT_EQ(registry.window("Form9"), nullptr);
}

}  // namespace

namespace {

TEST_F(Form9Test, MovingThroughTheListWithTheKeysLoadsEachVoucher)
{
    editOn();
    setDate("2024年", "5月", "1日");
    fillRow(0, "一番", "仕入高", "100", "現金");
    press(Form9::Register);
    press(Form9::ClearEntry);
    fillRow(0, "二番", "仕入高", "200", "現金");
    press(Form9::Register);
    form->List2->setCurrentRow(0);
    EXPECT_EQ(grid().Text1[0]->text(), "一番");
    form->List2->setCurrentRow(1);
    EXPECT_EQ(grid().Text1[0]->text(), "二番");
}

}  // namespace

namespace {

// Edit mode switched on in another window before this one loads.
class Form9LoadedInEditModeTest : public Form9Test {
public:
    void prepare(dao::Database&) override { o::EditMode = o::EditModeOn; }
};

// The rows and the button show the program-wide flag from the load on.
TEST_F(Form9LoadedInEditModeTest, LoadsWithRowsEnabledAndTheFirstPressSwitchesEditModeOff)
{
    EXPECT_EQ(o::EditMode, o::EditModeOn) << "the load leaves the flag as it found it";
    EXPECT_TRUE(form->Option8[0]->isChecked());
    EXPECT_TRUE(grid().Text1[0]->isEnabled());
    EXPECT_EQ(form->Command1[Form9::Edit]->text(), "編集解除");
    press(Form9::Edit);
    EXPECT_EQ(o::EditMode, o::EditModeOff);
    EXPECT_EQ(form->Command1[Form9::Edit]->text(), "編集");
    EXPECT_FALSE(grid().Text1[0]->isEnabled());
    press(Form9::Edit);
    EXPECT_EQ(o::EditMode, o::EditModeOn);
    EXPECT_EQ(form->Command1[Form9::Edit]->text(), "編集解除");
    EXPECT_TRUE(grid().Text1[0]->isEnabled());
}

}  // namespace

namespace {

// Places in twips, 15 to a pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

TEST_F(Form9Test, DateBoxesAndListsStandWhereTheLayoutPutsThem)
{
    const struct {
        QWidget* widget;
        QRect place;
    } cases[] = {
        {form->Combo2[0], twips(1680, 1080, 975, 0)}, {form->Combo2[1], twips(2640, 1080, 735, 0)},
        {form->Combo2[2], twips(3360, 1080, 735, 0)}, {form->List1, twips(1200, 4440, 13935, 2040)},
        {form->List2, twips(120, 6720, 15015, 3660)},
    };
    for (const auto& c : cases) {
        const QRect g = c.widget->geometry();
        EXPECT_EQ(g.left(), c.place.left()) << c.widget->metaObject()->className();
        EXPECT_EQ(g.top(), c.place.top());
        EXPECT_EQ(g.width(), c.place.width());
        if (c.place.height() > 0) {
            EXPECT_EQ(g.height(), c.place.height());
        }
    }
}

}  // namespace

namespace {

// Two banks in use each with a branch "本店": 0005's comes first in the branch
// master's order, and the voucher names 0009's.
class Form9TwoMainOfficesTest : public Form9Test {
public:
    void prepare(dao::Database& d) override
    {
        d.Execute("UPDATE 銀行コードﾏｽﾀｰ SET 使用銀行 = 1 WHERE 銀行コード = '0005'");
        d.Execute("UPDATE 支店コードﾏｽﾀｰ SET 使用支店 = 1 WHERE 支店コード = '0005001'");
        d.Execute("INSERT INTO 支店コードﾏｽﾀｰ(銀行コード, 支店コード, 支店名, 使用支店) VALUES ('0009', '0009001', "
                  "'本店', 1)");
        d.Execute("INSERT INTO 取引銀行(no, 銀行コード, 支店コード, 種別, 期首残高) VALUES (2, '0009', '0009001', "
                  "'普通預金', 0)");
    }
};

TEST_F(Form9TwoMainOfficesTest, BranchIsFoundAmongTheBranchesOfTheRowsBank)
{
    editOn();
    setDate("2024年", "6月", "3日");
    fillRow(0, "振込入金", "普通預金", "20,000", "売掛金");
    grid().Combo8[0]->setEditText("三井住友銀行");
    grid().Combo9[0]->setEditText("本店");
    press(Form9::Register);
    const std::vector<StoredRow> rows = journalRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].bankCode, "0009");
    EXPECT_EQ(rows[0].branchCode, "0009001");
}

}  // namespace
