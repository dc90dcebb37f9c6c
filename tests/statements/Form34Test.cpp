// The closing window driven offscreen: its load and refresh, the statements it
// shows, its stored options, the notices of the tally and of differing
// totals, its rate lookup, its closing lists and its captions.
#include "Form34Fixture.h"
#include "LineText.h"

#include "common/EditMode.h"
#include "common/o.h"
#include "statements/BalanceSheet.h"
#include "statements/PeriodProfit.h"
#include "statements/ProfitLossReport.h"
#include "statements/StatementAccounts.h"
#include "statements/TrialBalance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <filesystem>

using namespace statementstest;
using statements::Form34;

namespace {

std::string setting(StatementsFixture& fx, const char* field)
{
    auto rs = fx.db()->OpenRecordset("会計設定", dao::RecordsetType::Snapshot);
    rs->MoveFirst();
    return rs->get(field).toText();
}

}  // namespace

TEST_F(Form34Test, LoadRebuildsThePeriodFiguresAndShowsEveryStatement)
{
    fx.execute("UPDATE \"勘定科目コード表\" SET \"期末残高\" = 0");
    o::EditMode = o::EditModeOn;
    statements::Form34& f = open();
    EXPECT_EQ(o::EditMode, o::EditModeOn);  // the refresh leaves edit mode as it found it

    EXPECT_EQ(s(f.windowTitle()), "テスト工業 第3期　会計 決算処理");
    EXPECT_EQ(s(f.Label11->text()), "テスト工業 第3期　自2024年04月01日　至2025年03月31日");
    EXPECT_EQ(s(entryTab(f).Combo2[0]->currentText()), "2025年");
    EXPECT_EQ(s(entryTab(f).Combo2[1]->currentText()), "03月");
    EXPECT_EQ(s(entryTab(f).Combo2[2]->currentText()), "31日");
    EXPECT_EQ(s(entryTab(f).Label3->text()), "令和7年");
    for (QLabel* period : f.Label4)
        EXPECT_EQ(s(period->text()), "2024年04月01日から2025年03月31日まで");
    EXPECT_EQ(entryTab(f).Combo2[0]->count(), 2);
    // The grid's account lists: debit-natured accounts on the debit side, credit-natured ones on the credit side.
    EXPECT_GE(entryTab(f).grid().Combo1[0]->findText(QString::fromUtf8("現金")), 0);
    EXPECT_LT(entryTab(f).grid().Combo1[0]->findText(QString::fromUtf8("売上高")), 0);
    EXPECT_GE(entryTab(f).grid().Combo7[9]->findText(QString::fromUtf8("売上高")), 0);
    EXPECT_LT(entryTab(f).grid().Combo7[9]->findText(QString::fromUtf8("現金")), 0);
    EXPECT_EQ(s(f.TallyNotice->text()), "");
    EXPECT_EQ(s(f.BalanceNotice->text()), "");

    // The figures were written to the file, and every list shows what its routine computes from them.
    EXPECT_EQ(fx.figure("100", "期末残高"), 3000);
    const auto accounts = statements::ReadStatementAccounts(*fx.db());
    EXPECT_EQ(rows(f.List3), statements::TrialBalanceLines(accounts));
    EXPECT_EQ(rows(f.List4[3]),
              statements::BalanceSheetReportRows(
                  statements::WalkBalanceSheet(accounts, statements::ComputePeriodProfit(accounts).unappropriated())));
    EXPECT_EQ(s(f.Text2[0]->text()), "22,470");
    EXPECT_EQ(s(f.Text2[1]->text()), "4,500");
    EXPECT_EQ(s(f.Text2[2]->text()), "17,970");
    EXPECT_EQ(s(f.Text2[3]->text()), "22,470");
    EXPECT_EQ(rows(f.List4[2]).at(7), " " + pad("当期未処分利益", 26) + " " + amount18(2970));

    // The journal holds closing entries: the profit and loss statement by the period totals,
    // with the expense total at the end of the expense list.
    const auto byTotals = statements::ShowProfitLossReport(accounts, statements::ProfitLossFigures::ByTotals);
    EXPECT_EQ(rows(f.List5[2]), byTotals.report);
    EXPECT_EQ(rows(f.List5[0]).back(), byTotals.expenseTotalLine);
    // 業種 2: the manufacturing accounts as one cost line 2,600; expenses 8,880 and the profit 1,870.
    EXPECT_EQ(rows(f.List5[0]).at(2), pad("当期製品製造原価", 20) + " " + amount18(2600));
    EXPECT_EQ(s(f.Text3[0]->text()), "10,750");
    EXPECT_EQ(s(f.Text3[1]->text()), "10,750");
    EXPECT_EQ(rows(f.List7).back(), pad("合計", 16) + " " + amount18(1800));
    EXPECT_EQ(rows(f.List6).back(), "      " + pad("当期製造原価", 30) + right("2,600", 14));
}

TEST_F(Form34Test, WithoutClosingEntriesTheProfitAndLossStatementIsByClosingBalances)
{
    fx.execute("DELETE FROM \"仕訳台帳\" WHERE \"決算仕訳\" <> 0");
    statements::Form34& f = open();
    EXPECT_EQ(entryTab(f).List2->count(), 0);
    const auto accounts = statements::ReadStatementAccounts(*fx.db());
    EXPECT_EQ(rows(f.List5[2]),
              statements::ShowProfitLossReport(accounts, statements::ProfitLossFigures::ByBalances).report);
    EXPECT_EQ(s(f.Label9[2]->text()), "（単位：円）");
}

TEST_F(Form34Test, TheButtonRebuildsFromTheJournalAsItIsNow)
{
    statements::Form34& f = open();
    fx.addRow({"2024-12-24", "100", 5000, "400", 5000, "年末売上"});
    o::EditMode = o::EditModeOn;
    f.Command1[Form34::ClosingRunButton]->click();
    EXPECT_EQ(o::EditMode, o::EditModeOn);
    EXPECT_EQ(fx.figure("400", "期末残高"), 15000);
    EXPECT_EQ(s(f.Text2[0]->text()), "27,470");
    EXPECT_EQ(s(f.Text2[3]->text()), "27,470");
}

TEST_F(Form34Test, RowsLeftOutOfTheTallyAndDifferingTotalsAreToldInLabels)
{
    fx.addRow({"2025-04-02", "100", 999, "400", 999, "来期の売上"});
    fx.addRow({"2024-12-01", "150", 100, "100", 100, "使用していない科目"});
    statements::Form34& f = open();
    EXPECT_EQ(s(f.TallyNotice->text()),
              "使用中の勘定科目にないコードの仕訳 1 行を集計していません（コード：150）"
              "　会計期間外の日付の仕訳 1 行は今期の集計に含めていません");
    // 現金 lost 100 to an account outside the chart: the balance sheet no longer balances.
    EXPECT_EQ(s(f.BalanceNotice->text()), "資産合計と負債、資本合計が一致しません（差額 -100 円）");
}

// Figures of an earlier tally stand in the file; a tally refused over an
// amount beyond what its field holds leaves them there, and no tab shows them.
TEST_F(Form34Test, AFailedTallyShowsItsReasonOnEveryTabInsteadOfTheFiguresStoredBefore)
{
    fx.recompute();
    fx.execute("INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\") VALUES"
               " ('2024-12-01', '411', 5000000000000000000), ('2024-12-02', '411', 5000000000000000000)");
    dialogs->expectAnyMessage(ui::Answer::Ok).withTitle("決算処理");
    statements::Form34& f = open();
    EXPECT_EQ(fx.figure("411", "借方合計"), 3000);
    EXPECT_NE(dialogs->messageTexts().at(0).find("フィールド「入金」の値「5000000000000000000」"), std::string::npos);

    const std::string notice = s(f.TallyNotice->text());
    EXPECT_EQ(notice.rfind("期間の集計ができなかったため、決算書の表示、印刷、ＣＳＶファイルの作成はできません：", 0),
              0u)
        << notice;
    EXPECT_NE(notice.find("フィールド「入金」の値「5000000000000000000」"), std::string::npos);
    const std::vector<std::string> onlyTheNotice{notice};
    for (const QListWidget* list : {f.List3, f.List5[0], f.List5[1], f.List5[2], f.List4[0], f.List4[1], f.List4[2],
                                    f.List4[3], f.List6, f.List7})
        EXPECT_EQ(rows(list), onlyTheNotice) << list->objectName().toStdString();
    for (const QLineEdit* box : f.Text2)
        EXPECT_EQ(s(box->text()), "");
    for (const QLineEdit* box : f.Text3)
        EXPECT_EQ(s(box->text()), "");

    // Mended, the button's tally shows the figures again.
    fx.execute("DELETE FROM \"仕訳台帳\" WHERE \"入金\" = 5000000000000000000");
    f.Command1[Form34::ClosingRunButton]->click();
    EXPECT_EQ(s(f.TallyNotice->text()), "");
    EXPECT_EQ(s(f.Text2[0]->text()), "22,470");
    EXPECT_EQ(rows(f.List3), statements::TrialBalanceLines(statements::ReadStatementAccounts(*fx.db())));
}

// A deposit account moving more than 2,147,483,647 yen: the window tallies,
// shows and writes its figures whole. By hand: 普通預金 debits 6,050 +
// 2 × 1,098,480,425 = 2,196,966,900 with its opening 5,000 on the trial
// balance's debit side, 2,196,971,900.
TEST_F(Form34Test, TotalsBeyondThirtyTwoBitsAreTalliedShownAndWritten)
{
    fx.execute(
        "INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\", \"貸方コード\", \"出金\") VALUES"
        " ('2024-10-01', '101', 1098480425, '999', 1098480425), ('2024-11-01', '101', 1098480425, '999', 1098480425),"
        " ('2024-12-01', '999', 1098480425, '101', 1098480425), ('2024-12-02', '999', 1098480425, '101', 1098480425)");
    statements::Form34& f = open();
    EXPECT_EQ(s(f.TallyNotice->text()), "");
    EXPECT_EQ(fx.figure("101", "借方合計"), 2196966900LL);
    EXPECT_EQ(fx.figure("101", "期末残高"), 6070);
    const std::vector<std::string> lines = rows(f.List3);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find("2,196,971,900") != std::string::npos; }));
    EXPECT_EQ(s(f.Text2[0]->text()), "22,470");
    dialogs->expectMessage("ＣＳＶ用ファイルを作成しました\n" + fx.dir().string(), ui::Answer::Ok)
        .withTitle("ＣＳＶファイル作成");
    f.Command1[Form34::CsvButton]->click();
    EXPECT_GT(std::filesystem::file_size(fx.dir() / "貸借対照表.csv"), 0u);
}

TEST_F(Form34Test, TaxRateIsTheLastRateBegunOnOrBeforeTheDate)
{
    fx.execute("DELETE FROM \"消費税率\"");
    fx.execute("INSERT INTO \"消費税率\" (\"日付\", \"税率\", \"簡易税率\") VALUES ('2019-01-01', 5, 4),"
               " ('2020-01-01', 8, 6), ('2021-01-01', 10, 7)");
    statements::Form34& f = open();
    const struct {
        const char* name;
        dao::Date date;
        int rate;
    } cases[] = {
        {"before the table", {2018, 12, 31}, 0},
        {"the first rate's first day", {2019, 1, 1}, 5},
        {"between the first and the second", {2019, 6, 30}, 5},
        {"the second rate's first day", {2020, 1, 1}, 8},
        {"the day before the third", {2020, 12, 31, 23, 59, 0}, 8},
        {"ten o'clock of the third's first day", {2021, 1, 1, 10, 0, 0}, 10},
        {"after the last", {2030, 5, 1}, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(f.TaxRateOn(c.date), c.rate) << c.name;
    EXPECT_EQ(s(entryTab(f).Label10->text()).rfind("消費税：10% ", 0), 0u) << s(entryTab(f).Label10->text());
}

TEST_F(Form34Test, TaxStatusLineShowsEverySettingText)
{
    fx.execute(
        "UPDATE \"会計設定\" SET \"申告区分\" = '1', \"処理方法\" = '1', \"消費税計算\" = 1, \"端数処理\" = '2'");
    statements::Form34& f = open();
    const std::string line = s(entryTab(f).Label10->text());
    EXPECT_EQ(line.substr(line.find("% ")), "% 免税、外税、消費税自動計算、四捨五入");
}

TEST_F(Form34Test, OptionsComeFromTheSettingsRowAndClicksStoreThem)
{
    fx.execute("UPDATE \"会計設定\" SET \"元号\" = 1, \"負記号\" = 1, \"金額単位\" = '百万円', \"帳票用紙B5\" = 1");
    statements::Form34& f = open();
    EXPECT_TRUE(f.Option9[0]->isChecked());
    EXPECT_TRUE(f.Option10[0]->isChecked());
    EXPECT_TRUE(f.Option6[0]->isChecked());
    EXPECT_TRUE(f.Option3[1]->isChecked());
    // "百万円" selects its option and stays stored (a unit outside "円" and
    // "百万円" is refused when the window opens).
    EXPECT_TRUE(f.Option4[1]->isChecked());
    EXPECT_EQ(setting(fx, "金額単位"), "百万円");
    // The figures are yen: the unit labels say so whatever the option.
    EXPECT_EQ(s(f.Label9[1]->text()), "（単位：円）");
    EXPECT_EQ(s(f.Label9[2]->text()), "（単位：円）");

    f.Option9[1]->click();
    EXPECT_EQ(setting(fx, "元号"), "False");
    f.Option9[0]->click();
    EXPECT_EQ(setting(fx, "元号"), "True");
    f.Option4[0]->click();
    EXPECT_EQ(setting(fx, "金額単位"), "円");
    f.Option10[1]->click();
    EXPECT_EQ(setting(fx, "負記号"), "False");
    f.Option3[0]->click();
    EXPECT_EQ(setting(fx, "決算書用紙B5"), "True");
    f.Option6[1]->click();
    EXPECT_EQ(setting(fx, "帳票用紙B5"), "False");
}

TEST_F(Form34Test, SelectAllTicksAndClearsTheSixBoxes)
{
    statements::Form34& f = open();
    for (auto* boxes : {&f.Check1, &f.Check2}) {
        (*boxes)[3]->setChecked(true);
        (*boxes)[0]->click();
        for (int i = 1; i < 7; ++i)
            EXPECT_TRUE((*boxes)[static_cast<std::size_t>(i)]->isChecked()) << i;
        (*boxes)[0]->click();
        for (int i = 1; i < 7; ++i)
            EXPECT_FALSE((*boxes)[static_cast<std::size_t>(i)]->isChecked()) << i;
        (*boxes)[2]->click();
        EXPECT_FALSE((*boxes)[0]->isChecked());
    }
}

TEST_F(Form34Test, ClosingListsShowTheClosingEntriesAndTemplatesByTheirKeys)
{
    fx.execute("INSERT INTO \"仕訳定型台帳\" (\"仕訳ID\", \"追番\", \"摘要\", \"借方コード\", \"入金\", "
               "\"貸方コード\", \"出金\","
               " \"決算仕訳\") VALUES ('240331000001', 1, '減価償却', '710', 100000000, '140', NULL, 1)");
    fx.execute("INSERT INTO \"仕訳定型台帳\" (\"仕訳ID\", \"追番\", \"摘要\", \"決算仕訳\") VALUES ('240331000002', 1, "
               "'通常', 0)");
    fx.addRow({"2025-04-01", "800", 10, "213", 10, "翌日の決算仕訳", true});
    statements::Form34& f = open();

    ASSERT_EQ(entryTab(f).List1->count(), 1);
    EXPECT_EQ(rows(entryTab(f).List1)[0],
              " 1 " + pad("減価償却", 34) + " " + std::string(16, ' ') + " " + pad("固定資産除却損", 20) + "   "
                  + std::string(10, '*') + " " + pad("建物", 20) + "   " + std::string(10, ' ') + "  "
                  + std::string(15, ' ') + " " + std::string(15, ' '));
    EXPECT_EQ(entryTab(f).templateLineKeys(), (std::vector<closing::ClosingLineKey>{{"240331000001", 1}}));

    // Three closing entries of 2025-03-31 and one of the day after: the date shows when it changes.
    const auto entries = rows(entryTab(f).List2);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0],
              "25/03/31(月) 1 " + pad("期末材料", 36) + " " + std::string(16, ' ') + " " + pad("原材料", 20) + "   "
                  + right("250", 10) + " " + pad("期末原材料棚卸高", 20) + "   " + right("250", 10) + "  "
                  + std::string(15, ' ') + " " + std::string(15, ' '));
    EXPECT_EQ(entries[1].substr(0, 13), std::string(13, ' '));
    EXPECT_EQ(entries[2].substr(0, 13), std::string(13, ' '));
    EXPECT_EQ(entries[3].substr(0, 14), "25/04/01(火) ");
    EXPECT_EQ(entryTab(f).entryLineKeys().size(), 4u);
    EXPECT_EQ(entryTab(f).entryLineKeys()[3].row, 1);

    // The grid is left empty: nothing is preset.
    EXPECT_EQ(s(entryTab(f).grid().Text8[0]->text()), "");
    EXPECT_EQ(s(entryTab(f).grid().Combo1[0]->currentText()), "");
}

TEST_F(Form34Test, EveryCaptionShowsWholeAtTheDefaultSize)
{
    statements::Form34& f = open();
    f.show();
    for (int tab = 0; tab < f.SSTab1->count(); ++tab) {
        f.SSTab1->setCurrentIndex(tab);
        QApplication::processEvents();
        for (QWidget* w : f.SSTab1->widget(tab)->findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            QString text;
            int room = w->contentsRect().width();
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                text = b->text();
                if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
                    room = w->width() - 20;  // the box or the circle before the text
                else
                    room = w->width() - 8;
            } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap()) {
                text = l->text();
            } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                text = g->title();
            } else {
                continue;
            }
            if (text.isEmpty())
                continue;
            EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), room)
                << "tab " << tab << ": " << s(text) << " in " << s(w->objectName());
        }
    }
    for (Form34::Button i : {Form34::CloseButton, Form34::ClosingRunButton})
        EXPECT_LE(QFontMetrics(f.Command1[i]->font()).horizontalAdvance(f.Command1[i]->text()),
                  f.Command1[i]->width() - 8);
}

// The window reads nothing of the bank journal, so its load does not open it
// (on a large journal that recordset was the window's largest).
TEST_F(Form34Test, TheLoadOpensNoBankJournal)
{
    fx.execute("DROP VIEW \"Q_取引銀行仕訳\"");
    statements::Form34& f = open();
    EXPECT_EQ(s(f.windowTitle()), "テスト工業 第3期　会計 決算処理");
}
