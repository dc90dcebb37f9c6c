#pragma once
// The closing window "決算処理": the closing-entry tab with its grid and
// lists, the statements on screen (trial balance, profit and loss statement,
// balance sheet, breakdown of selling and general administrative expenses,
// manufacturing cost report), the options and print button of the closing
// report, and the print and CSV runs. The window shows and prints what the
// statement routines compute (StatementAccounts.h and the statement headers);
// opening it, and its button "決算処理", rebuild the period figures first.
//
// The closing-entry tab (its grid, its buttons, the two closing lists and the
// printed closing-entry list) is a page of its own (ClosingEntryPage.h) that
// the closing window library makes; the window hosts it as its first tab.

#include "frame/WorkWindow.h"
#include "platform/dao/Engine.h"
#include "statements/ClosingEntryPage.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementPrint.h"
#include "statements/StatementSettings.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace statements {

class Form34 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form34();  // the load: throws dao::DaoError when the period file cannot be used
    ~Form34() override;

    // The buttons of Command1, by their captions' meaning.
    enum Button : int {
        ClearButton = 0,           // "入力クリア"
        RegisterButton = 1,        // "登録"
        UpdateButton = 2,          // "更新"
        DeleteButton = 3,          // "削除"
        EditButton = 4,            // "編集" / "編集解除"
        TaxSettlementButton = 5,   // "消費税精算仕訳登録"
        PrintButton = 6,           // "印刷" of the reports and lists
        CorrectionButton = 7,      // "金額補正"
        CsvButton = 8,             // "CSVファイル作成"
        CloseButton = 9,           // "終了"
        DepreciationButton = 10,   // "減価償却費仕訳登録"
        ClosingReportButton = 11,  // "印刷" of the closing report
        ClosingRunButton = 12,     // "決算処理"
    };

    // ---- controls ----------------------------------------------------------
    QTabWidget* SSTab1 = nullptr;
    QLabel* Label11 = nullptr;      // title line
    QLabel* TallyNotice = nullptr;  // the journal rows the tally left out, or why it failed
    // tab 0 "決算仕訳入力": the closing-entry page, with its own controls
    ClosingEntryPage& entryPage() { return *m_entryPage; }
    // tab 1 "合計残高試算表"
    QListWidget* List3 = nullptr;
    // tab 2 "決算報告書"
    std::array<QRadioButton*, 2> Option4{}, Option10{}, Option9{}, Option3{}, Option2{};
    QCheckBox* Check4 = nullptr;
    std::array<QCheckBox*, 7> Check2{};
    // tab 3 "損益計算書"
    std::array<QListWidget*, 3> List5{};
    std::array<QLineEdit*, 2> Text3{};
    // tab 4 "貸借対照表"
    std::array<QListWidget*, 4> List4{};
    std::array<QLineEdit*, 4> Text2{};
    QLabel* BalanceNotice = nullptr;  // says when the two totals differ
    // tab 5, tab 6
    QListWidget* List7 = nullptr;
    QListWidget* List6 = nullptr;
    // tab 8 "各種帳票印刷、ＣＳＶファイル作成"
    std::array<QRadioButton*, 2> Option6{}, Option5{};
    std::array<QCheckBox*, 7> Check1{};
    QCheckBox* Check3 = nullptr;  // Check3(0)
    // labels
    std::array<QLabel*, 5> Label4{};       // period labels of tabs 1, 4, 3, 5, 6
    std::array<QLabel*, 4> Label9{};       // unit labels
    std::map<int, QPushButton*> Command1;  // 0..12 (Button), the entry page's among them

    // ---- recordsets, opened at load in this order --------------------------
    std::unique_ptr<dao::Recordset> SettingsRecordset;       // 会計設定
    std::unique_ptr<dao::Recordset> TaxRateRecordset;        // Q_消費税率 (snapshot)
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;  // Q_勘定科目コード表
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;   // Q_使用勘定科目表
    std::unique_ptr<dao::Recordset> EraCodeRecordset;        // Q_年号コード
    std::unique_ptr<dao::Recordset> BankAccountRecordset;    // Q_取引銀行

    // The date and time of the last refresh (the tax status line's rate and the
    // period labels). The entry grid's tax rows take the rate of the voucher's date instead.
    dao::Date TaxDate;

    // ---- shell -------------------------------------------------------------
    void ShowClosingTitle(const std::string& title);
    void RefreshClosingForm();
    // The consumption-tax rate on `d`: the last rate row dated on or before that day, 0 when none is.
    int TaxRateOn(const dao::Date& d);
    void Command1_Click(int index);

    // ---- options (stored in 会計設定) ---------------------------------------
    void Option9_Click(int index);
    void Option10_Click(int index);
    void Option3_Click(int index);
    void Option6_Click(int index);
    void Option4_Click(int index);
    void Check1_Click(int index);
    void Check2_Click(int index);

    // ---- statements --------------------------------------------------------
    void ShowTrialBalance();
    void ShowProfitLossAccountsByBalances();
    void ShowProfitLossAccountsByTotals();
    void ShowProfitLossReportByBalances();
    void ShowProfitLossReportByTotals();
    void ShowBalanceSheetAccounts();
    void ShowBalanceSheetReport();
    void ShowManufacturingCost();
    void ShowSgaBreakdown();
    void PrintTrialBalance();
    void PrintBalanceSheetAccounts(bool omitCompanyLine);
    void PrintBalanceSheetReport(bool omitCompanyLine);
    void PrintProfitLossReport(bool omitCompanyLine, bool listSgaAccounts);
    void PrintSgaBreakdown(bool omitCompanyLine);
    void PrintManufacturingCost(bool omitCompanyLine);
    void PrintClosingReport();
    void WriteStatementCsv();

private:
    // ---- shell -------------------------------------------------------------
    void buildControls();
    QWidget* buildTrialBalanceTab();
    QWidget* buildReportTab();
    QWidget* buildProfitLossTab();
    QWidget* buildBalanceSheetTab();
    QWidget* buildListTab(int label8, const char* title, int unitLabel, QListWidget*& list, const char* listName,
                          int periodLabel);
    QWidget* buildManufacturingTab();
    QWidget* buildPrintTab();
    void connectHandlers();
    void selectStoredOptions();
    void storeOption(const char* field, const dao::Value& value);
    void recomputePeriodFigures();
    // Every statement tab shows the refusal of the last tally instead of figures.
    void showTallyRefusal();
    // While the last tally failed: tells why, in a box titled `title`, and is true.
    bool refusedForTally(const char* title);
    void printRun();
    StatementAccounts accounts();
    StatementSettings settings();
    StatementHeader header(bool omitCompanyLine, const char* title);
    void showFailure(const std::exception& e);

    ClosingEntryPage* m_entryPage = nullptr;  // the first tab, owned by SSTab1
    std::shared_ptr<dao::Workspace> m_workspace;
    std::shared_ptr<dao::Database> m_database;
    StatementSettings m_headerSettings;  // what the page headers of the last print read
    // Why the last tally of this window failed; nothing while its figures stand.
    // The figures stored before are never shown, printed or written instead.
    std::optional<std::string> m_tallyRefusal;
};

}  // namespace statements

// Registers "Form34" with the window registry.
void registerStatementsWindows();
