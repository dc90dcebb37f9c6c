#pragma once
// The closing window "決算処理": the closing-entry tab with its grid and
// lists, the statements on screen (trial balance, profit and loss statement,
// balance sheet, breakdown of selling and general administrative expenses,
// manufacturing cost report), the options and print button of the closing
// report, and the print and CSV runs. The window shows and prints what the
// statement routines compute (StatementAccounts.h and the statement headers);
// opening it, and its button "決算処理", rebuild the period figures first.
//
// The closing-entry members (the entry grid's checks and cell handlers, the
// closing vouchers and the buttons of the closing tab, the two closing lists
// and the loading from them, the printed closing-entry list) live in
// src/closing/. A line of a closing list names its voucher or template by
// number; before a line is used the voucher or template is read again and
// refused when it changed or vanished since the list showed it.

#include "closing/ClosingListLines.h"
#include "closing/ClosingRun.h"
#include "common/EditMode.h"
#include "frame/CellExitGuard.h"
#include "frame/WorkWindow.h"
#include "journal/EntryGrid.h"
#include "journal/VoucherStore.h"
#include "platform/dao/Engine.h"
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
class QComboBox;
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
    Form34();   // the load: throws dao::DaoError when the period file cannot be used
    ~Form34() override;

    // ---- controls ----------------------------------------------------------
    QTabWidget* SSTab1 = nullptr;
    QLabel* Label11 = nullptr;                    // title line
    QLabel* TallyNotice = nullptr;                // the journal rows the tally left out, or why it failed
    // tab 0 "決算仕訳入力"
    QLabel* Label10 = nullptr;                    // consumption-tax status line
    QLabel* Label3 = nullptr;                     // era year of the period end
    std::array<QComboBox*, 3> Combo2{};           // closing date: year, month, day
    std::array<QRadioButton*, 2> Option1{};       // 中間決算, 本決算
    QListWidget* List1 = nullptr;                 // closing templates
    QListWidget* List2 = nullptr;                 // closing entries
    journal::EntryGrid& grid() { return *m_grid; }
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
    QLabel* BalanceNotice = nullptr;              // says when the two totals differ
    // tab 5, tab 6
    QListWidget* List7 = nullptr;
    QListWidget* List6 = nullptr;
    // tab 8 "各種帳票印刷、ＣＳＶファイル作成"
    std::array<QRadioButton*, 2> Option6{}, Option5{};
    std::array<QCheckBox*, 7> Check1{};
    QCheckBox* Check3 = nullptr;                  // Check3(0)
    // labels
    std::array<QLabel*, 5> Label4{};              // period labels of tabs 1, 4, 3, 5, 6
    std::array<QLabel*, 4> Label9{};              // unit labels
    std::map<int, QPushButton*> Command1;         // 0..12

    // ---- recordsets, opened at load in this order --------------------------
    std::unique_ptr<dao::Recordset> SettingsRecordset;        // 会計設定
    std::unique_ptr<dao::Recordset> TaxRateRecordset;         // Q_消費税率 (snapshot)
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;   // Q_勘定科目コード表
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;    // Q_使用勘定科目表
    std::unique_ptr<dao::Recordset> EraCodeRecordset;         // Q_年号コード
    std::unique_ptr<dao::Recordset> BanksInUseRecordset;      // Q_使用銀行
    std::unique_ptr<dao::Recordset> BranchesInUseRecordset;   // Q_使用銀行支店
    std::unique_ptr<dao::Recordset> BankAccountRecordset;     // Q_取引銀行
    std::unique_ptr<dao::Recordset> ClosingTemplateRecordset; // Q_決算仕訳定型台帳
    std::unique_ptr<dao::Recordset> ClosingJournalRecordset;  // Q_決算仕訳台帳
    std::unique_ptr<dao::Recordset> PartnerRecordset;         // Q_取引先管理
    std::unique_ptr<dao::Recordset> ChangeHistoryRecordset;   // Q_仕訳変更履歴

    // The date and time of the last refresh (the tax status line's rate and the
    // period labels). The grid's tax rows take the rate of the voucher's date instead.
    dao::Date TaxDate;

    // ---- shell -------------------------------------------------------------
    void ShowClosingTitle(const std::string& title);
    void FillEntryLists();
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

    // ---- closing entries (src/closing/) ------------------------------------
    void ClearEntry();
    // True when the grid holds no voucher to register (row 0 without its
    // description, or without both accounts).
    bool DataCheck();
    // The name of an account in use, or "" after a beep and a message.
    std::string AccountNameOf(const std::string& code);
    // Kinds 2 and 3 an account of the chart, 4 a bank of the company's bank accounts.
    std::string FindCode(int kind, const std::string& name);
    // A branch among the branches of its bank.
    std::string FindBranchCode(const std::string& bankCode, const std::string& branchName);
    void RecalcTotals();
    // The exit handlers of the account and amount cells (the focus handling
    // calls them when a cell is left; entering a cell only selects its text).
    void Combo1_LostFocus(int index);
    void Combo7_LostFocus(int index);
    void Text8_LostFocus(int index);
    void Text9_LostFocus(int index);
    // Loading the template or voucher of the selected line into the grid.
    void List1_Click();
    void List2_Click();
    void ShowClosingTemplates();
    void ShowClosingEntries();
    void PrintClosingEntries();
    // The record of each line of List1 and List2.
    const std::vector<closing::ClosingLineKey>& templateLineKeys() const { return m_templateKeys; }
    const std::vector<closing::ClosingLineKey>& entryLineKeys() const { return m_entryKeys; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- closing entries (src/closing/) ------------------------------------
    void closingEntryButton(int index);
    void registerClosingVoucher();
    void updateClosingVoucher();
    void deleteClosingVoucher();
    void toggleEditMode();
    void editModeChanged(bool on);
    void correctFirstRow();
    void postDepreciationJournal();
    void postTaxSettlement();
    // Closes ClosingJournalRecordset, opens it again and refills List2 (which empties the grid).
    void reopenAndRefill();
    void refuse(const std::string& message);
    void showNotices(const std::vector<closing::ClosingNotice>& notices);
    closing::ClosingDateBoxes dateBoxes() const;
    // The date of the boxes, checked as the closing runs check it; nothing,
    // after telling the user why, when it does not exist or lies outside the period.
    std::optional<dao::Date> checkedClosingDate();
    // The grid's rows checked and built for writing; nothing, after telling the user why.
    std::optional<std::vector<journal::VoucherRow>> checkedVoucherRows(const dao::Date& date, journal::BuildMode mode);
    // The voucher of the selected List2 line as it was loaded or listed; nothing without a selection.
    std::optional<journal::LoadedVoucher> selectedClosingVoucher() const;
    bool storeDone(journal::StoreOutcome outcome);
    void refuseStaleEntry(const char* message);
    void refuseStaleTemplate(const char* message);
    void loadStoredRows(const std::vector<journal::JournalRecord>& rows);
    void accountLeft(int row, bool debitSide);
    void amountLeft(int row, bool debitSide);
    void cellLeft(QObject* cell);
    void cellEntered(QObject* cell);
    // Connects the closing lists' clicks and the grid cells' focus handling.
    void watchGridCells();

    // ---- shell -------------------------------------------------------------
    void buildControls();
    QWidget* buildEntryTab();
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
    void reopenClosingJournal();
    void printRun();
    StatementAccounts accounts();
    StatementSettings settings();
    StatementHeader header(bool omitCompanyLine, const char* title);
    void showFailure(const std::exception& e);

    std::unique_ptr<journal::EntryGrid> m_grid;
    std::shared_ptr<dao::Workspace> m_workspace;
    std::shared_ptr<dao::Database> m_database;
    std::vector<closing::ClosingLineKey> m_templateKeys;
    std::vector<closing::ClosingLineKey> m_entryKeys;
    closing::ListedClosingRows m_templateRows;              // what each List1 line showed
    closing::ListedClosingRows m_entryRows;                 // what each List2 line showed
    std::optional<journal::LoadedVoucher> m_loadedVoucher;  // the voucher the grid was loaded from
    frame::CellExitGuard m_cellExits;   // runs the grid cells' exit handlers
    StatementSettings m_headerSettings;   // what the page headers of the last print read
    // Why the last tally of this window failed; nothing while its figures stand.
    // The figures stored before are never shown, printed or written instead.
    std::optional<std::string> m_tallyRefusal;
    o::EditModeListener m_editModeListener{[this](bool on) { editModeChanged(on); }};
};

}  // namespace statements

// Registers "Form34" with the window registry.
void registerStatementsWindows();
