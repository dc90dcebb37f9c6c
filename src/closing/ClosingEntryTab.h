#pragma once
// The closing window's tab "決算仕訳入力": the entry grid with its checks and
// cell handlers, the closing-date boxes, the buttons that register, update and
// delete closing vouchers, switch edit mode, correct the first row and run the
// depreciation journal and the consumption-tax settlement, and the two closing
// lists with the loading from them and the printed closing-entry list. It owns
// its controls (by the names the window's controls have) and the recordsets
// they use; the closing window (statements::Form34) hosts it.
//
// A line of a closing list names its voucher or template by number; before a
// line is used the voucher or template is read again and refused when it
// changed or vanished since the list showed it.
//
// A voucher registered, updated or deleted from the tab changes only its own
// lines of the closing-entry list, worked out inside the save's transaction,
// while nothing else has written to the file since the list was filled; else
// the closing entries are read again and the list filled anew. So is the
// list after a refusal, when the file changed since it was filled; the grid
// keeps what it holds then.

#include "closing/ClosingEntryRows.h"
#include "closing/ClosingListLines.h"
#include "closing/ClosingRun.h"
#include "common/EditMode.h"
#include "frame/CellExitGuard.h"
#include "journal/EntryGrid.h"
#include "journal/ListedRows.h"
#include "journal/VoucherStore.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "statements/ClosingEntryPage.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace closing {

class ClosingEntryTab : public statements::ClosingEntryPage {
    Q_OBJECT
public:
    // Opens the tab's recordsets on `database`, builds its controls and fills
    // the choice lists of the grid and the date boxes.
    ClosingEntryTab(std::shared_ptr<dao::Workspace> workspace, std::shared_ptr<dao::Database> database);
    ~ClosingEntryTab() override;

    // ---- controls ----------------------------------------------------------
    QLabel* Label10 = nullptr;               // consumption-tax status line
    QLabel* Label3 = nullptr;                // era year of the closing date
    std::array<QComboBox*, 3> Combo2{};      // closing date: year, month, day
    std::array<QRadioButton*, 2> Option1{};  // 中間決算, 本決算
    QListWidget* List1 = nullptr;            // closing templates
    QListWidget* List2 = nullptr;            // closing entries
    std::map<int, QPushButton*> Command1;    // the tab's buttons, by the window's index
    journal::EntryGrid& grid() { return *m_grid; }

    // ---- recordsets, opened in this order ----------------------------------
    std::unique_ptr<dao::Recordset> SettingsRecordset;         // 会計設定
    std::unique_ptr<dao::Recordset> TaxRateRecordset;          // Q_消費税率 (snapshot)
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;    // Q_勘定科目コード表
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;     // Q_使用勘定科目表
    std::unique_ptr<dao::Recordset> BanksInUseRecordset;       // Q_使用銀行
    std::unique_ptr<dao::Recordset> BranchesInUseRecordset;    // Q_使用銀行支店
    std::unique_ptr<dao::Recordset> BankAccountRecordset;      // Q_取引銀行
    std::unique_ptr<dao::Recordset> ClosingTemplateRecordset;  // Q_決算仕訳定型台帳
    std::unique_ptr<dao::Recordset> ClosingJournalRecordset;   // Q_決算仕訳台帳
    std::unique_ptr<dao::Recordset> PartnerRecordset;          // Q_取引先管理
    std::unique_ptr<dao::Recordset> ChangeHistoryRecordset;    // Q_仕訳変更履歴

    // ---- the window's calls ------------------------------------------------
    const std::map<int, QPushButton*>& buttons() const override { return Command1; }
    void Press(int button) override;
    void Refresh(const std::string& taxStatus, const dao::Value& periodEnd) override;
    bool NoClosingEntries() override;
    void PrintClosingEntries(const std::function<statements::StatementHeader(const char* title)>& header) override;

    // ---- the grid ----------------------------------------------------------
    void FillEntryLists();
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

    // ---- the closing lists -------------------------------------------------
    // Loading the template or voucher of the selected line into the grid.
    void List1_Click();
    void List2_Click();
    void ShowClosingTemplates();
    void ShowClosingEntries();
    // The record of each line of List1 and List2.
    std::vector<ClosingLineKey> templateLineKeys() const { return lineKeys(m_templateRows); }
    std::vector<ClosingLineKey> entryLineKeys() const { return lineKeys(m_entryRows.listed()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void registerClosingVoucher();
    void updateClosingVoucher();
    void deleteClosingVoucher();
    void toggleEditMode();
    void editModeChanged(bool on);
    void correctFirstRow();
    void postDepreciationJournal();
    void postTaxSettlement();
    // Opens ClosingJournalRecordset afresh, noting what the file held just before.
    void reopenClosingJournal();
    // Closes ClosingJournalRecordset, opens it again and refills List2 (which empties the grid).
    void reopenAndRefill();
    // Fills List2 from ClosingJournalRecordset, no line chosen; the grid keeps what it holds.
    void fillEntryList();
    // After a refusal: when another window or program wrote to the file since
    // List2 was filled, List2 is filled again from the file as it is now. The
    // grid keeps what it holds (nothing was written from it).
    void showEntriesAsStored();
    // A write from the grid refused: List2 shows the file, then the message.
    void refuseWrite(const std::string& message);
    // ClosingJournalRecordset, opened again first when a save added rows
    // through it: its rows are fixed when it opens, added ones come at its end.
    dao::Recordset& closingJournal();
    // Whether nothing was written to the file since List2 was filled.
    bool listShowsTheFile() const;
    // What a save of a closing voucher does inside its transaction for List2:
    // asks, with the write lock held, whether the list shows the file, and
    // then works out the saved voucher's lines in it. `oldRows`: the sorted
    // fingerprints of the voucher's rows before the save (none when new).
    journal::VoucherStore::Watch saveWatch(const std::vector<journal::RowFingerprint>& oldRows);
    void placeSavedVoucher(const std::string& number, const std::vector<journal::RowFingerprint>& oldRows);
    // After a save (the grid emptied): shows the changes worked out in it, or
    // reads the closing entries again and fills List2 anew.
    void showSavedVoucher();
    // No line of List2 chosen, as after a fill.
    void clearEntryChoice();
    void refuse(const std::string& message);
    void showFailure(const std::exception& e);
    void showNotices(const std::vector<ClosingNotice>& notices);
    ClosingDateBoxes dateBoxes() const;
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
    // Connects the buttons' edit-mode caption, the closing lists' clicks and
    // the grid cells' focus handling.
    void watchGridCells();
    static std::vector<ClosingLineKey> lineKeys(const journal::ListedRows& rows);

    std::unique_ptr<journal::EntryGrid> m_grid;
    std::shared_ptr<dao::Workspace> m_workspace;
    std::shared_ptr<dao::Database> m_database;
    journal::ListedRows m_templateRows;                                // what each List1 line showed
    ClosingEntryRows m_entryRows;                                      // what each List2 line showed
    std::optional<journal::LoadedVoucher> m_loadedVoucher;             // the voucher the grid was loaded from
    std::optional<dao::Database::FileVersion> m_closingJournalOpened;  // the file just before it was opened
    std::optional<dao::Database::FileVersion> m_listedVersion;         // the file List2 shows
    bool m_closingJournalBehind = false;  // rows were added through the recordset since it was opened
    // The save under way: List2's rows with the saved voucher in place (none
    // when the list is to be filled again) and the changes to its lines.
    struct SavedVoucherPlace {
        std::optional<ClosingEntryRows> rows;
        std::vector<journal::ListLineChange> changes;
        dao::Database::FileVersion version;
    };
    SavedVoucherPlace m_savePlace;
    frame::CellExitGuard m_cellExits;  // runs the grid cells' exit handlers
    o::EditModeListener m_editModeListener{[this](bool on) { editModeChanged(on); }};
};

// Hands the closing window the maker of this tab.
void registerClosingEntryTab();

}  // namespace closing
