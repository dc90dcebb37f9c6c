// Two windows (or two copies of the program) on one period file: the journal
// window's lines name their voucher or template by its number, and "更新",
// "削除" and a click refuse, with a message, a voucher or template that the
// other side deleted or changed after this window showed or loaded it.
#include "Form9Fixture.h"

#include <sqlite3.h>

using namespace journal;
using namespace journal::testing;
namespace {

const char* const kDeleteQuestion = "選択された仕訳を削除します　よろしいですか？";
const char* const kVoucherVanished = "この仕訳は、表示した後に別の画面か別のプログラムで削除されています。何も変えてい"
                                     "ません。仕訳帳を読み込み直しました。";
const char* const kVoucherChanged =
    "この仕訳は、表示した後に別の画面か別のプログラムで変更されています。何も変えていません。"
    "仕訳帳を読み込み直しましたので、選び直してください。";
const char* const kTemplateVanished =
    "この定型仕訳は、表示した後に別の画面か別のプログラムで削除されています。仕訳定型リストを読み込み直しました。";
const char* const kTemplateChanged = "この定型仕訳は、表示した後に別の画面か別のプログラムで変更されています。"
                                     "仕訳定型リストを読み込み直しましたので、選び直してください。";

class Form9StaleLineTest : public Form9Test {
public:
    void SetUp() override
    {
        Form9Test::SetUp();
        editOn();
        setDate("2024年", "5月", "10日");
        fillRow(0, "A一", "仕入高", "300", "現金");
        fillRow(1, "A二", "仕入高", "200", "現金");
        press(Form9::Register);
        press(Form9::ClearEntry);
        fillRow(0, "B一", "仕入高", "900", "現金");
        press(Form9::Register);
        ASSERT_EQ(journalRows().size(), 3u);
        numberA = journalRows()[0].number;
        numberB = journalRows()[2].number;
        ASSERT_NE(numberA, numberB);
    }

    // The other program: a connection of its own, outside this program's database layer.
    static void otherProgram(const std::string& path, const std::string& sql)
    {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(other, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(other);
    }

    std::vector<std::string> descriptions()
    {
        std::vector<std::string> texts;
        for (const StoredRow& row : journalRows())
            texts.push_back(row.number + ":" + row.description + ":" + row.debit);
        return texts;
    }

    std::string numberA, numberB;
};

// Before: "削除" deleted B, the voucher that then stood at A's position.
TEST_F(Form9StaleLineTest, DeleteRefusesAVoucherTheOtherSideDeleted)
{
    clickLine(0);
    ASSERT_EQ(grid().Text1[0]->text(), "A一");
    db->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = ?", {dao::Value(numberA)});
    const auto before = descriptions();

    dialogs->expectMessage(kDeleteQuestion, ui::Answer::Yes);
    dialogs->expectMessage(kVoucherVanished, ui::Answer::Ok).withoutTitle();
    press(Form9::Delete);
    EXPECT_EQ(descriptions(), before);
    EXPECT_EQ(descriptions(), (std::vector<std::string>{numberB + ":B一:900"}));
    EXPECT_TRUE(historyRows().empty());
    EXPECT_EQ(form->List2->count(), 1) << "the list shows the journal as it is now";
    EXPECT_TRUE(!form->List2->hasSelectedLine());
}

// Before: "更新" overwrote B with the grid's rows.
TEST_F(Form9StaleLineTest, UpdateRefusesAVoucherTheOtherSideDeleted)
{
    clickLine(1);
    grid().Text1[0]->setText("A一を直す");
    db->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = ?", {dao::Value(numberA)});

    dialogs->expectMessage(kVoucherVanished, ui::Answer::Ok).withoutTitle();
    press(Form9::Update);
    EXPECT_EQ(descriptions(), (std::vector<std::string>{numberB + ":B一:900"}));
    EXPECT_TRUE(historyRows().empty());
}

// Another copy of the program changed one row of A, through a connection of its
// own: "更新" and "削除" both refuse, and A stays as the other side left it.
TEST_F(Form9StaleLineTest, UpdateAndDeleteRefuseAVoucherTheOtherProgramChanged)
{
    clickLine(0);
    otherProgram(file.path(),
                 "UPDATE 仕訳台帳 SET 入金 = 250, 出金 = 250 WHERE 伝票番号 = '" + numberA + "' AND 追番 = 2");
    const std::vector<std::string> changed = {numberA + ":A一:300", numberA + ":A二:250", numberB + ":B一:900"};
    ASSERT_EQ(descriptions(), changed);

    grid().Text1[0]->setText("A一を直す");
    dialogs->expectMessage(kVoucherChanged, ui::Answer::Ok).withoutTitle();
    press(Form9::Update);
    EXPECT_EQ(descriptions(), changed);

    // The list was filled again, so a click shows A as it is now and the
    // update goes through.
    clickLine(0);
    EXPECT_EQ(grid().Text8[1]->text(), "250");
    grid().Text1[0]->setText("A一を直す");
    press(Form9::Update);
    EXPECT_EQ(descriptions(),
              (std::vector<std::string>{numberA + ":A一を直す:300", numberA + ":A二:250", numberB + ":B一:900"}));
    EXPECT_EQ(historyRows().size(), 2u);
}

TEST_F(Form9StaleLineTest, DeleteRefusesAVoucherTheOtherSideGaveAnotherRow)
{
    clickLine(2);
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                " VALUES ('2024-05-10', ?, 2, 'B二', '611', 10, '111', 10)",
                {dao::Value(numberB)});
    const auto before = descriptions();
    dialogs->expectMessage(kDeleteQuestion, ui::Answer::Yes);
    dialogs->expectMessage(kVoucherChanged, ui::Answer::Ok).withoutTitle();
    press(Form9::Delete);
    EXPECT_EQ(descriptions(), before);
}

// A line whose voucher is gone, or has changed since the list showed it, loads
// nothing into the grid: it says so and shows the journal as it is now.
TEST_F(Form9StaleLineTest, AClickedLineWhoseVoucherWentOrChangedLoadsNothing)
{
    press(Form9::ClearEntry);
    db->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = ?", {dao::Value(numberA)});
    dialogs->expectMessage(kVoucherVanished, ui::Answer::Ok).withoutTitle();
    clickLine(0);
    EXPECT_EQ(grid().Text1[0]->text(), "");
    EXPECT_EQ(form->List2->count(), 1);

    otherProgram(file.path(), "UPDATE 仕訳台帳 SET 摘要 = 'B一改' WHERE 伝票番号 = '" + numberB + "'");
    dialogs->expectMessage(kVoucherChanged, ui::Answer::Ok).withoutTitle();
    clickLine(0);
    EXPECT_EQ(grid().Text1[0]->text(), "");
    clickLine(0);
    EXPECT_EQ(grid().Text1[0]->text(), "B一改");
}

// The template list: a line names its template by 仕訳ID; a template deleted
// or changed by the other side after the list showed it is not loaded.
TEST_F(Form9StaleLineTest, AClickedTemplateLineWhoseTemplateWentOrChangedLoadsNothing)
{
    press(Form9::ClearEntry);
    for (const char* id : {"240501000000", "240501000001"})
        db->Execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                    " VALUES (?, 1, ?, '611', 100, '111', 100)",
                    {dao::Value(id), dao::Value(std::string("定型") + id)});
    form->ReloadTemplates();
    ASSERT_EQ(form->List1->count(), 2);
    const auto clickTemplate = [this](int line) {
        {
            const QSignalBlocker quiet(form->List1);
            form->List1->setCurrentRow(line);
        }
        form->List1_Click();
    };

    db->Execute("DELETE FROM 仕訳定型台帳 WHERE 仕訳ID = '240501000000'");
    dialogs->expectMessage(kTemplateVanished, ui::Answer::Ok).withoutTitle();
    clickTemplate(0);
    EXPECT_EQ(grid().Text1[0]->text(), "");
    ASSERT_EQ(form->List1->count(), 1);

    otherProgram(file.path(), "UPDATE 仕訳定型台帳 SET 入金 = 7 WHERE 仕訳ID = '240501000001'");
    dialogs->expectMessage(kTemplateChanged, ui::Answer::Ok).withoutTitle();
    clickTemplate(0);
    EXPECT_EQ(grid().Text1[0]->text(), "");
    clickTemplate(0);
    EXPECT_EQ(grid().Text1[0]->text(), "定型240501000001");
    EXPECT_EQ(grid().Text8[0]->text(), "7");
}

}  // namespace
