// The journal list after "登録", "更新" and "削除": the saved voucher's lines
// change in place, the other lines stay the lines they were, and the list is
// line for line what a window opened afresh shows. When another window or
// program has written to the file since the list was filled, the list is
// filled again, as a fresh window shows it.
#include "Form9Fixture.h"

#include <QPersistentModelIndex>

#include <sqlite3.h>

#include <algorithm>

using namespace journal;
using namespace journal::testing;

namespace {

const char* const kDeleteQuestion = "選択された仕訳を削除します　よろしいですか？";

class Form9SavedList : public Form9Test {
public:
    struct Shown {
        std::vector<QString> lines;
        std::vector<std::string> numbers;
        bool operator==(const Shown&) const = default;
    };

    static Shown shown(Form9& window)
    {
        Shown s;
        for (int i = 0; i < window.List2->count(); ++i)
            s.lines.push_back(window.List2->text(i));
        s.numbers = window.listVoucherNumbers();
        return s;
    }

    // The list of a journal window opened now on the file.
    static Shown fresh()
    {
        Form9 other;
        return shown(other);
    }

    // Marks every line, to tell afterwards which lines are still the same lines:
    // a line the list keeps keeps its place mark, one it drops or builds anew does not.
    void markLines()
    {
        marks.clear();
        for (int i = 0; i < form->List2->count(); ++i)
            marks.emplace_back(form->List2->lines().index(i));
    }
    int markedLines() const
    {
        return static_cast<int>(std::count_if(marks.begin(), marks.end(),
                                              [](const QPersistentModelIndex& mark) { return mark.isValid(); }));
    }
    std::vector<QPersistentModelIndex> marks;

    void registerVoucher(const QString& month, const QString& day, const QString& description, const QString& amount,
                         int rows = 1)
    {
        press(Form9::ClearEntry);
        setDate("2024年", month, day);
        for (int row = 0; row < rows; ++row)
            fillRow(row, description + QString::number(row + 1), "仕入高", amount, "現金");
        press(Form9::Register);
    }

    int lineOf(const std::string& number) const
    {
        const auto& numbers = form->listVoucherNumbers();
        return static_cast<int>(std::find(numbers.begin(), numbers.end(), number) - numbers.begin());
    }

    static void otherProgram(const std::string& path, const std::string& sql)
    {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(other, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(other);
    }
};

}  // namespace

TEST_F(Form9SavedList, SavesChangeOnlyTheirVouchersLinesAndShowWhatAFreshWindowShows)
{
    editOn();
    registerVoucher("5月", "10日", "A", "300");
    ASSERT_EQ(form->List2->count(), 1);
    EXPECT_EQ(shown(*form), fresh());
    const std::string numberA = form->listVoucherNumbers()[0];

    markLines();
    registerVoucher("5月", "8日", "B", "500");  // comes before A
    EXPECT_EQ(shown(*form), fresh());
    EXPECT_EQ(markedLines(), 1) << "A's line is kept";
    EXPECT_TRUE(!form->List2->hasSelectedLine());
    const std::string numberB = form->listVoucherNumbers()[0];
    ASSERT_NE(numberB, numberA);

    markLines();
    registerVoucher("5月", "10日", "C", "700", 3);  // after A, on A's day
    EXPECT_EQ(shown(*form), fresh());
    EXPECT_EQ(markedLines(), 2);
    ASSERT_EQ(form->List2->count(), 5);

    markLines();
    clickLine(lineOf(numberB));
    ASSERT_EQ(grid().Text1[0]->text(), "B1");
    grid().Text1[0]->setText("B1 直し");
    press(Form9::Update);
    EXPECT_EQ(shown(*form), fresh());
    EXPECT_EQ(markedLines(), 5) << "B's line is rewritten where it stands; every line is kept";
    EXPECT_EQ(form->List2->currentRow(), lineOf(numberB)) << "the updated voucher stays chosen";
    EXPECT_EQ(grid().Text1[0]->text(), "B1 直し");

    markLines();
    clickLine(lineOf(numberA));
    dialogs->expectMessage(kDeleteQuestion, ui::Answer::Yes);
    press(Form9::Delete);
    EXPECT_EQ(shown(*form), fresh());
    EXPECT_EQ(markedLines(), 4);
    EXPECT_EQ(lineOf(numberA), form->List2->count());
    EXPECT_TRUE(!form->List2->hasSelectedLine());
}

TEST_F(Form9SavedList, AfterAnotherWindowOrProgramWroteTheListIsFilledAgain)
{
    editOn();
    registerVoucher("5月", "10日", "A", "300");
    registerVoucher("5月", "12日", "B", "400");

    // Another window of this program adds a row the list does not show.
    markLines();
    dao::DBEngine::instance()
        .Workspaces(0)
        ->OpenDatabase(file.path())
        ->Execute("INSERT INTO 仕訳台帳(日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金) "
                  "SELECT 日付, 'X1', 1, '他の画面', 借方コード, 1, 貸方コード, 1 FROM 仕訳台帳 LIMIT 1");
    registerVoucher("5月", "11日", "C", "500");
    EXPECT_EQ(markedLines(), 0) << "the list was filled again";
    EXPECT_EQ(shown(*form), fresh());
    EXPECT_EQ(form->List2->count(), 4);

    // Another program changes a row the list shows.
    markLines();
    otherProgram(file.path(), "UPDATE 仕訳台帳 SET 摘要 = '他のプログラム' WHERE 伝票番号 = 'X1'");
    registerVoucher("5月", "9日", "D", "600");
    EXPECT_EQ(markedLines(), 0);
    EXPECT_EQ(shown(*form), fresh());
    const Shown after = shown(*form);
    EXPECT_TRUE(std::any_of(after.lines.begin(), after.lines.end(),
                            [](const QString& line) { return line.contains("他のプログラム"); }));

    // With nothing written elsewhere since, the next save is in place again.
    markLines();
    registerVoucher("5月", "13日", "E", "700");
    EXPECT_EQ(markedLines(), 5);
    EXPECT_EQ(shown(*form), fresh());
}

// A date another tool wrote in its own form ("2024/5/11") sorts by its text
// after every date of the written form: a voucher registered for a later day
// stands before it in a fresh window's list, not after it as its value would
// place it. Such a file's list is filled again after each save.
TEST_F(Form9SavedList, ADateInAnotherToolsFormLeavesTheListToBeFilledAgain)
{
    editOn();
    registerVoucher("5月", "10日", "A", "300");
    otherProgram(file.path(),
                 "INSERT INTO 仕訳台帳(日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金) "
                 "SELECT '2024/5/11', 'Y1', 1, '他のツール', 借方コード, 1, 貸方コード, 1 FROM 仕訳台帳 LIMIT 1");
    registerVoucher("5月", "9日", "B", "400");  // the list is filled again: another program wrote
    ASSERT_EQ(shown(*form), fresh());

    markLines();
    registerVoucher("5月", "12日", "C", "500");
    EXPECT_EQ(shown(*form), fresh());
    EXPECT_EQ(markedLines(), 0) << "the list was filled again";
    const Shown after = shown(*form);
    ASSERT_EQ(after.numbers.size(), 4u);
    EXPECT_EQ(after.numbers.back(), "Y1") << "the other tool's date sorts last by its text";
}
