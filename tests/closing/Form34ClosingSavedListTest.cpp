// The closing-entry list after "登録", "更新" and "削除" in the closing tab:
// the saved voucher's lines change in place (the line after them showing its
// date again or no longer), the other lines stay the lines they were with
// their keys, the closing entries are not read again, and the list is line
// for line what a fill from the file shows. When another handle or program
// has written to the file since the list was filled, the list is filled
// again. What reads the closing entries after such a save sees the voucher.
// A refusal after another program changed the file leaves the list showing
// the file as it is.
#include "Form34ClosingFixture.h"

#include "OtherProgram.h"
#include "closing/ClosingEntryText.h"
#include "closing/ClosingListLines.h"
#include "closing/DepreciationJournal.h"
#include "frame/Application.h"
#include "periodfile/SchemaNames.h"
#include "support/AnotherProgram.h"

#include <QPersistentModelIndex>

#include <algorithm>
#include <set>

using closing::testing::Form34ClosingTest;
using statements::Form34;

namespace {

class Form34SavedListTest : public Form34ClosingTest {
protected:
    struct Shown {
        std::vector<std::string> lines;
        std::vector<closing::ClosingLineKey> keys;
        bool operator==(const Shown&) const = default;
    };
    friend void PrintTo(const Shown& shown, std::ostream* os)
    {
        for (std::size_t i = 0; i < shown.lines.size(); ++i)
            *os << "\n  " << (i < shown.keys.size() ? shown.keys[i].number : "?") << " " << shown.lines[i];
    }

    Shown shown() { return {listLines(tab().List2), tab().entryLineKeys()}; }
    // The list a fill from the closing entries as the file holds them now shows.
    Shown fresh()
    {
        Shown s;
        auto entries = db->OpenRecordset(schema::query::ClosingJournal);
        for (const closing::ClosingListLine& line : closing::ClosingEntryLines(*entries, dao::Date::now())) {
            s.lines.push_back(line.text);
            s.keys.push_back(line.key);
        }
        return s;
    }

    // Marks every line, to tell afterwards which lines are still the same lines:
    // a line the list keeps keeps its mark, one it drops or builds anew does not.
    void markLines()
    {
        marks.clear();
        const QAbstractItemModel* model = tab().List2->model();
        for (int i = 0; i < model->rowCount(); ++i)
            marks.emplace_back(model->index(i, 0));
    }
    int markedLines() const
    {
        return static_cast<int>(std::count_if(marks.begin(), marks.end(),
                                              [](const QPersistentModelIndex& mark) { return mark.isValid(); }));
    }

    // Closing vouchers already in the file, numbered after the ones the tab
    // issues (digits sort before letters): E1 of two rows on 3/10, E2 on 3/20,
    // E3 and E4 on 3/31.
    void addEntries()
    {
        const char* const rows[][3] = {{"2026-03-10", "E1", "1"},
                                       {"2026-03-10", "E1", "2"},
                                       {"2026-03-20", "E2", "1"},
                                       {"2026-03-31", "E3", "1"},
                                       {"2026-03-31", "E4", "1"}};
        for (const auto& row : rows)
            execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                    " VALUES (?, ?, ?, ?, '517', 5000, '211', 5000, 1)",
                    {std::string(row[0]), std::string(row[1]), std::stoi(row[2]),
                     std::string("既存") + row[1] + "-" + row[2]});
    }

    // Registers a voucher of `rows` rows dated 2026/3/`day` and returns its number.
    std::string registerVoucher(const char* day, const std::string& description, int rows = 1)
    {
        const auto before = voucherNumbers();
        journal::EntryGrid& g = grid();
        for (int row = 0; row < rows; ++row) {
            g.Text1[row]->setText(QString::fromStdString(description + std::to_string(row + 1)));
            type(g.Combo1[row], "消耗品費");
            type(g.Text8[row], std::to_string(1000 * (row + 1)));
            type(g.Combo7[row], "未払金");
        }
        setDate("2026年", "03月", day);
        press(Form34::RegisterButton);
        const auto after = voucherNumbers();
        std::vector<std::string> added;
        std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
        EXPECT_EQ(added.size(), 1u);
        return added.empty() ? std::string() : added.front();
    }

    int lineOf(const std::string& number)
    {
        const auto keys = tab().entryLineKeys();
        const auto found = std::find_if(keys.begin(), keys.end(),
                                        [&](const closing::ClosingLineKey& key) { return key.number == number; });
        return static_cast<int>(found - keys.begin());
    }

    void updateVoucher(const std::string& number, const char* day, const std::string& description)
    {
        clickLine(tab().List2, lineOf(number));
        ASSERT_NE(text(grid().Text1[0]), "");
        grid().Text1[0]->setText(QString::fromStdString(description));
        setDate("2026年", "03月", day);
        press(Form34::UpdateButton);
    }

    void deleteVoucher(const std::string& number)
    {
        clickLine(tab().List2, lineOf(number));
        dialogs->expectMessage(closing::kDeleteQuestion, ui::Answer::Yes).withTitle(closing::kDeleteQuestionTitle);
        press(Form34::DeleteButton);
    }

    // After a save: the grid empty, no line chosen, and every voucher of the
    // list loads from its line (its rows are the ones the line's key names).
    void expectEmptiedAndEveryVoucherLoads()
    {
        EXPECT_EQ(text(grid().Text1[0]), "");
        EXPECT_EQ(tab().List2->currentRow(), -1);
        EXPECT_TRUE(tab().List2->selectedItems().isEmpty());
        const auto keys = tab().entryLineKeys();
        for (std::size_t line = 0; line < keys.size(); ++line) {
            if (line > 0 && keys[line - 1].number == keys[line].number)
                continue;
            clickLine(tab().List2, static_cast<int>(line));
            EXPECT_NE(text(grid().Text1[0]), "") << keys[line].number;
        }
        tab().ClearEntry();
    }

    std::vector<QPersistentModelIndex> marks;
};

// Registers before, between and after the vouchers listed (one of three rows),
// updates that move a voucher and that keep its place, and deletes: after each
// save only the saved voucher's lines changed, and the list shows what a fill shows.
TEST_F(Form34SavedListTest, SavesChangeOnlyTheirVouchersLinesAndShowWhatAFillShows)
{
    addEntries();
    open();
    editOn();
    const dao::Recordset* closingEntries = tab().ClosingJournalRecordset.get();
    ASSERT_EQ(shown(), fresh());
    ASSERT_EQ(tab().List2->count(), 5);

    struct Step {
        const char* what;
        std::function<void()> save;
        int kept;  // lines of the list before the save that are still its lines after it
    };
    std::string a, b, c, d;
    const std::vector<Step> steps = {
        {"register before every line", [&] { a = registerVoucher("05日", "決算A"); }, 5},
        {"register three rows on E2's day, before it", [&] { b = registerVoucher("20日", "決算B", 3); }, 6},
        {"register on E3's day, before it", [&] { c = registerVoucher("31日", "決算C"); }, 9},
        {"register two rows between", [&] { d = registerVoucher("25日", "決算D", 2); }, 10},
        {"update moving B after D", [&] { updateVoucher(b, "31日", "決算B 直し"); }, 9},
        // Its two lines are rewritten where they stand: every line is kept.
        {"update a voucher of the file in place", [&] { updateVoucher("E1", "10日", "既存E1 直し"); }, 12},
        {"delete the first voucher", [&] { deleteVoucher(a); }, 11},
        {"delete B, C then showing its date", [&] { deleteVoucher(b); }, 8},
        {"delete the last voucher", [&] { deleteVoucher("E4"); }, 7},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        markLines();
        step.save();
        EXPECT_EQ(shown(), fresh());
        EXPECT_EQ(markedLines(), step.kept);
        EXPECT_EQ(tab().ClosingJournalRecordset.get(), closingEntries) << "the closing entries were read again";
        expectEmptiedAndEveryVoucherLoads();
    }
    EXPECT_EQ(tab().List2->count(), 7);
}

// Another window of this program, then another program, writes to the file:
// the next save fills the list again; the save after it is in place again.
TEST_F(Form34SavedListTest, AfterAnotherHandleOrProgramWroteTheListIsFilledAgain)
{
    addEntries();
    open();
    editOn();
    registerVoucher("15日", "決算A");

    markLines();
    execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
            " VALUES ('2026-03-12', 'X1', 1, '他の画面', '517', 700, '211', 700, 1)");
    registerVoucher("18日", "決算B");
    EXPECT_EQ(markedLines(), 0) << "the list was filled again";
    EXPECT_EQ(shown(), fresh());
    EXPECT_EQ(tab().List2->count(), 8);

    markLines();
    closing::testing::OtherProgram other(file.path());
    other.exec("UPDATE 仕訳台帳 SET 摘要 = '他のプログラム' WHERE 伝票番号 = 'X1'");
    registerVoucher("19日", "決算C");
    EXPECT_EQ(markedLines(), 0);
    EXPECT_EQ(shown(), fresh());
    const auto lines = listLines(tab().List2);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find("他のプログラム") != std::string::npos; }));

    markLines();
    const dao::Recordset* closingEntries = tab().ClosingJournalRecordset.get();
    registerVoucher("21日", "決算D");
    EXPECT_EQ(markedLines(), 9);
    EXPECT_EQ(shown(), fresh());
    EXPECT_EQ(tab().ClosingJournalRecordset.get(), closingEntries);
}

// A closing entry another tool dated in its own form ("2026/3/25") sorts by
// its text after every date of the written form, so a voucher registered for
// the 28th stands before it in a fill, not after it as its value would place
// it: such a list is filled again after each save.
TEST_F(Form34SavedListTest, ADateInAnotherToolsFormLeavesTheListToBeFilledAgain)
{
    execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳) VALUES"
            " ('2026-03-10', 'E1', 1, '既存', '517', 5000, '211', 5000, 1),"
            " ('2026/3/25', 'Y1', 1, '他のツール', '517', 700, '211', 700, 1)");
    open();
    editOn();
    ASSERT_EQ(shown(), fresh());

    markLines();
    registerVoucher("28日", "決算A");
    EXPECT_EQ(shown(), fresh());
    EXPECT_EQ(markedLines(), 0) << "the list was filled again";
    EXPECT_EQ(tab().entryLineKeys().back().number, "Y1") << "the other tool's date sorts last by its text";
}

// After saves placed in the list, the printed list, "入力クリア" and a
// register whose commit fails show the closing entries as the file holds them.
TEST_F(Form34SavedListTest, WhatShowsTheClosingEntriesAfterASaveInPlaceShowsTheFile)
{
    addEntries();
    open();
    editOn();
    const std::string a = registerVoucher("15日", "決算A", 2);
    registerVoucher("10日", "決算B");

    press(Form34::ClearButton);
    EXPECT_EQ(shown(), fresh());
    EXPECT_EQ(tab().List2->count(), 8);

    form->Check1[1]->setChecked(true);
    dialogs->expectMessage("各種帳票を印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("各種帳票印刷");
    press(Form34::PrintButton);
    ASSERT_EQ(printer->sheets().size(), 1u);
    const auto printed = printer->sheetTexts(0);
    auto entries = db->OpenRecordset(schema::query::ClosingJournal);
    const auto expected = closing::ClosingPrintedLines(*entries);
    ASSERT_EQ(printed.size(), expected.size() + 4);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(printed[i + 4], std::string(9, ' ') + expected[i]);

    // The commit fails after the voucher's lines were worked out: nothing is
    // written and the list stays as it was.
    const Shown before = shown();
    journal::EntryGrid& g = grid();
    g.Text1[0]->setText("決算B1");
    type(g.Combo1[0], "消耗品費");
    type(g.Text8[0], "3000");
    type(g.Combo7[0], "未払金");
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::CommitFails, 1, false});
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press(Form34::RegisterButton);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(voucherNumbers().size(), 6u);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(shown(), fresh());
    EXPECT_EQ(text(grid().Text1[0]), "決算B1");  // kept to try again

    press(Form34::RegisterButton);
    EXPECT_EQ(voucherNumbers().size(), 7u);
    EXPECT_EQ(shown(), fresh());
    deleteVoucher(a);
    EXPECT_EQ(shown(), fresh());
}

// ---- refusals after another program wrote ---------------------------------------------

// The list, a voucher chosen in it and the grid as each case leaves them
// before another program writes; the button pressed afterwards.
class Form34RefusalListTest : public Form34SavedListTest {
public:
    void chooseVoucher(const std::string& number, const char* description)
    {
        clickLine(tab().List2, lineOf(number));
        grid().Text1[0]->setText(QString::fromUtf8(description));
    }
    // Row 0 typed: the debit amount (the credit side takes it), then the credit amount.
    void typeGrid(const char* description, const char* debit, const char* credit)
    {
        journal::EntryGrid& g = grid();
        g.Text1[0]->setText(QString::fromUtf8(description));
        type(g.Combo1[0], "消耗品費");
        type(g.Combo7[0], "未払金");
        type(g.Text8[0], debit);
        type(g.Text9[0], credit);
    }
    void pressAfterQuestion(int button, const char* question, const char* title)
    {
        dialogs->expectMessage(question, ui::Answer::Yes).withTitle(title);
        pressRefused(button);
    }
    void chooseTemplate(int line)
    {
        dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
        clickLine(tab().List1, line);
    }
    void pressRefused(int button)
    {
        dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
        press(button);
    }
};

struct RefusalCase {
    const char* name;
    std::function<void(Form34RefusalListTest&)> prepare;
    const char* otherProgram;  // SQL another program commits before the press
    bool commitFails;          // the press's own commit fails as well
    std::function<void(Form34RefusalListTest&)> press;
    const char* refusal;      // part of the refusal's message
    const char* gridAfter;    // the description of row 1 after the refusal
    const char* chosenAfter;  // the voucher whose line stays chosen; nullptr: none
};
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form34RefusalListCaseTest : public Form34RefusalListTest, public ::testing::WithParamInterface<RefusalCase> {};

// The other program also adds a closing voucher X1 "他のプログラム": the list
// shows it after the refusal, line for line what a fill from the file shows,
// and the press itself wrote nothing.
TEST_P(Form34RefusalListCaseTest, AfterTheRefusalTheListShowsTheFile)
{
    const RefusalCase& c = GetParam();
    addEntries();
    execute("INSERT INTO 固定資産台帳 (管理番号, 名称, 勘定科目コード, 取得価格, 残存価格, 減価償却費)"
            " VALUES ('A-101', '車両', '144', 1000000, 500000, 1000)");
    execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
            " VALUES ('T1', 1, '決算定型', '517', 100, '211', 100, 1)");
    open();
    editOn();
    setDate("2026年", "03月", "31日");
    c.prepare(*this);
    const Shown before = shown();

    closing::testing::OtherProgram other(file.path());
    other.exec(std::string(c.otherProgram)
               + "; INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                 " VALUES ('2026-03-15', 'X1', 1, '他のプログラム', '517', 700, '211', 700, 1)");
    const auto rowsWritten = closingRows();
    if (c.commitFails)
        dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::CommitFails, 1, false});
    c.press(*this);
    dao::DBEngine::instance().clearFailurePlan();

    ASSERT_FALSE(dialogs->messageTexts().empty());
    EXPECT_NE(dialogs->messageTexts().back().find(c.refusal), std::string::npos) << dialogs->messageTexts().back();
    EXPECT_EQ(closingRows(), rowsWritten) << "the press wrote nothing";
    EXPECT_NE(shown(), before);
    EXPECT_EQ(shown(), fresh());
    EXPECT_EQ(text(grid().Text1[0]), c.gridAfter);
    const int chosen = tab().List2->selectedItems().isEmpty() ? -1 : tab().List2->currentRow();
    if (c.chosenAfter) {
        ASSERT_GE(chosen, 0);
        EXPECT_EQ(tab().entryLineKeys()[static_cast<std::size_t>(chosen)].number, c.chosenAfter);
    } else {
        EXPECT_EQ(chosen, -1);
    }
}

const char* const kShortenedPeriod = "UPDATE 会計設定 SET 会計期間終了日 = '2026-02-28'";
const auto kDraft = [](Form34RefusalListTest& test) { test.typeGrid("書きかけ", "1000", "1000"); };
const auto kDepreciation = [](Form34RefusalListTest& test) {
    test.pressAfterQuestion(Form34::DepreciationButton, closing::kDepreciationQuestion,
                            closing::kDepreciationQuestionTitle);
};
const auto kRegister = [](Form34RefusalListTest& test) { test.pressRefused(Form34::RegisterButton); };
const auto kUpdate = [](Form34RefusalListTest& test) { test.pressRefused(Form34::UpdateButton); };
const auto kDelete = [](Form34RefusalListTest& test) {
    test.pressAfterQuestion(Form34::DeleteButton, closing::kDeleteQuestion, closing::kDeleteQuestionTitle);
};

INSTANTIATE_TEST_SUITE_P(
    ClosingTab, Form34RefusalListCaseTest,
    ::testing::Values(
        // The closing runs: the grid is not theirs (the settlement empties it
        // whatever it does, as a posting does).
        RefusalCase{"depreciation posted by another program first", kDraft,
                    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                    " VALUES ('2026-03-31', 'D1', 1, 'A-101車両', '530', 1000, '144', 1000, 1)",
                    false, kDepreciation, "既に登録されています", "書きかけ", nullptr},
        RefusalCase{"depreciation after another program shortened the period", kDraft, kShortenedPeriod, false,
                    kDepreciation, "の外にあります", "書きかけ", nullptr},
        RefusalCase{"tax settlement after another program shortened the period", kDraft, kShortenedPeriod, false,
                    [](Form34RefusalListTest& test) { test.pressRefused(Form34::TaxSettlementButton); },
                    "の外にあります", "", nullptr},
        // A write from the grid: the grid keeps what it holds, and the voucher chosen stays chosen.
        RefusalCase{"register whose commit fails", kDraft, "SELECT 1", true, kRegister, "", "書きかけ", nullptr},
        RefusalCase{"register of an unbalanced grid",
                    [](Form34RefusalListTest& test) { test.typeGrid("書きかけ", "1000", "900"); }, "SELECT 1", false,
                    kRegister, "差額 100円", "書きかけ", nullptr},
        RefusalCase{"register after another program shortened the period", kDraft, kShortenedPeriod, false, kRegister,
                    "の外にあります", "書きかけ", nullptr},
        RefusalCase{"update whose commit fails",
                    [](Form34RefusalListTest& test) { test.chooseVoucher("E3", "E3直し"); }, "SELECT 1", true, kUpdate,
                    closing::kUpdateFailed, "E3直し", "E3"},
        RefusalCase{"delete whose commit fails",
                    [](Form34RefusalListTest& test) { test.chooseVoucher("E4", "既存E4-1"); }, "SELECT 1", true,
                    kDelete, closing::kDeleteFailed, "既存E4-1", "E4"},
        RefusalCase{"closing template another program changed", kDraft,
                    "UPDATE 仕訳定型台帳 SET 入金 = 200, 出金 = 200 WHERE 仕訳ID = 'T1'", false,
                    [](Form34RefusalListTest& test) { test.chooseTemplate(0); }, closing::kClosingTemplateChanged, "",
                    nullptr},
        // A voucher another program changed or deleted: refused as stale, to be chosen again.
        RefusalCase{"update of a voucher another program changed",
                    [](Form34RefusalListTest& test) { test.chooseVoucher("E1", "E1直し"); },
                    "UPDATE 仕訳台帳 SET 摘要 = '他で直した' WHERE 伝票番号 = 'E1' AND 追番 = 1", false, kUpdate,
                    closing::kClosingVoucherChanged, "", nullptr},
        RefusalCase{"delete of a voucher another program deleted",
                    [](Form34RefusalListTest& test) { test.chooseVoucher("E2", "既存E2-1"); },
                    "DELETE FROM 仕訳台帳 WHERE 伝票番号 = 'E2'", false, kDelete, closing::kClosingVoucherVanished, "",
                    nullptr}),
    testsupport::kCaseName);

// Another program wrote a closing voucher and then goes on writing past the
// wait: the register is refused with one message, saying that the file is in
// use, the grid keeps the voucher and the list shows the file (read while the
// other program writes); the next register, with the file free again, writes it.
TEST_F(Form34RefusalListTest, ARegisterRefusedWhileAnotherProgramWritesSaysSoOnceAndTheListShowsTheFile)
{
    addEntries();
    open();
    editOn();
    setDate("2026年", "03月", "31日");
    typeGrid("書きかけ", "1000", "1000");
    const Shown before = shown();
    const auto rowsBefore = closingRows();

    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(300));
    {
        testsupport::AnotherProgram other(file.path());
        other.exec("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                   " VALUES ('2026-03-15', 'X1', 1, '他のプログラム', '517', 700, '211', 700, 1)");
        other.exec("BEGIN IMMEDIATE");
        dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
        // One click: its waits share one budget.
        frame::DeliverReportingErrors([&] {
            press(Form34::RegisterButton);
            return true;
        });
    }
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
    ASSERT_EQ(dialogs->messageTexts().size(), 1u);
    EXPECT_NE(dialogs->messageTexts()[0].find("使用中"), std::string::npos) << dialogs->messageTexts()[0];
    EXPECT_EQ(text(grid().Text1[0]), "書きかけ");
    EXPECT_EQ(closingRows().size(), rowsBefore.size() + 1) << "only the other program's voucher";
    EXPECT_NE(shown(), before);
    EXPECT_EQ(shown(), fresh());

    press(Form34::RegisterButton);
    EXPECT_EQ(closingRows().size(), rowsBefore.size() + 2);
    EXPECT_EQ(shown(), fresh());
}

}  // namespace
