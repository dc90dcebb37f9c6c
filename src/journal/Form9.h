#pragma once
// The journal-entry window "仕訳入力": the voucher grid, the journal list, and
// registering, updating and deleting vouchers with their change history.

#include "common/EditMode.h"
#include "frame/CellExitGuard.h"
#include "frame/RecordListView.h"
#include "frame/WorkWindow.h"
#include "journal/EntryGrid.h"
#include "journal/GridRecall.h"
#include "journal/JournalListRows.h"
#include "journal/ListedRows.h"
#include "journal/TaxAmount.h"
#include "journal/TaxRateTable.h"
#include "journal/VoucherRows.h"
#include "journal/VoucherStore.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace journal {

class Form9 : public frame::WorkWindow {
    Q_OBJECT
public:
    // The load: opens the period file at DbFilePath and the window's recordsets,
    // sets the caption and fills the lists. Throws dao::DaoError when the file or
    // one of its objects cannot be opened.
    explicit Form9(QWidget* parent = nullptr);
    ~Form9() override;

    // ---- controls ----------------------------------------------------------
    QLabel* Label10 = nullptr;               // consumption-tax status line
    std::array<QRadioButton*, 3> Option8{};  // 振替伝票, 入金伝票, 出金伝票
    QLabel* Label1 = nullptr;                // "決算仕訳" marker
    QLabel* Label6 = nullptr;                // title
    QLabel* Label3 = nullptr;                // era year of the entry date
    std::array<QComboBox*, 3> Combo2{};      // year, month, day
    QCheckBox* Check1 = nullptr;             // 金額を０で登録
    std::array<QPushButton*, 12> Command1{};
    // The indices of Command1, named from their captions.
    enum Command1Button : int {
        ClearEntry = 0,          // "入力クリア"
        Register = 1,            // "登録"
        Update = 2,              // "更新"
        Delete = 3,              // "削除"
        Edit = 4,                // "編集" / "編集解除"
        Print = 5,               // "印刷"
        SalaryPosting = 6,       // "役員報酬、給与仕訳自動登録"
        CorrectAmounts = 7,      // "金額補正"
        MonthEndTaxPosting = 8,  // "月末消費税仕訳登録（内税）"
        Quit = 9,                // "終了"
        SaveTemplate = 10,       // "定型仕訳登録"
        BonusPosting = 11,       // "賞与仕訳自動登録"
    };
    QListWidget* List1 = nullptr;            // journal templates
    frame::RecordListView* List2 = nullptr;  // the journal
    EntryGrid& grid() { return *m_grid; }

    // ---- procedures --------------------------------------------------------
    void InitEntryForm(const std::string& title);
    void FillEntryLists();
    void RefreshEntryForm();
    void ShowJournalList();
    void ShowTemplateList();
    void ReloadJournal();
    void ReloadTemplates();
    void LoadVoucherAmounts(const RecalledRows& voucher);
    void List1_Click();
    void List2_Click();
    // Loads the voucher of list line `line` from `stored`, its rows as the file
    // holds them: refused with a message when they are gone or changed.
    void loadVoucherLine(int line, const std::vector<JournalRecord>& stored);
    void Command1_Click(int index);
    void Option8_Click(int index);
    void Combo2_LostFocus(int index);
    void Combo1_LostFocus(int index);
    void Combo7_LostFocus(int index);
    std::string AccountNameOf(const std::string& code);
    std::string FindCode(int kind, const std::string& name);
    // A branch among the branches of its bank (two banks may each have a "本店").
    std::string FindBranchCode(const std::string& bankCode, const std::string& branchName);

    dao::Date EntryDate;
    std::string InputTaxAccountCode, PayablesAccountCode, CashAccountCode, UnpaidTaxAccountCode, ReceivablesAccountCode;

    // The voucher number of each line of the journal list.
    std::vector<std::string> listVoucherNumbers() const { return m_journalLines.listed().numbers(); }
    // The first line of voucher `number` dated `date` in the journal list, -1 when it is not shown.
    int journalLineOf(const std::string& number, const dao::Date& date) const
    {
        return m_journalLines.firstLineOf(number, date);
    }
    // The journal recordset in the journal's order: a save puts its voucher in
    // the list in place and adds its rows at the recordset's end, so the
    // recordset is opened again before a walk that needs the order.
    dao::Recordset& journalInOrder();
    // What each line of the template list stands for.
    ListedRows& templateLines() { return m_templateLines; }
    // Shows recalled voucher or template rows in the grid's cells, with their
    // amounts, the voucher kind of the first row and the "決算仕訳" marker.
    void ShowRecalledRows(const RecalledRows& recalled, RecordKind kind);
    // Tells the user why a line cannot be used and refills its list.
    void refuseStaleLine(const char* message, bool templateList);
    dao::Database& database() { return *m_database; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void refreshWithEditModeOff();
    void setTabOrder();
    VoucherKind selectedKind() const;
    void refuse(const std::string& message);
    // Refuses the date of the date boxes and puts the focus back in the box
    // that is wrong, its text selected.
    void refuseDate();
    std::optional<dao::Date> boxDate() const;
    void showDate(const dao::Date& d);
    void taxRowLeft(int index, bool debitSide);
    // The exit handlers of a cell that was left; `editing`: as if edit mode were on.
    void cellLeft(QObject* cell, bool editing);
    void cellEntered(QObject* cell);

    // The grid's rows checked and built for storing; nothing, after telling the
    // user why, when a check fails (a voucher whose two sides do not balance
    // among them).
    std::optional<std::vector<VoucherRow>> checkedVoucherRows(const EntryRows& rows, BuildMode mode);
    // Runs one write of the store; when it fails, reloads the journal, tells the
    // user why and returns false. `oldLine` and `oldRows`: see placeSavedVoucher.
    bool storeVoucher(const std::function<void(VoucherStore&)>& write, int oldLine,
                      const std::vector<RowFingerprint>& oldRows);
    // Whether nothing was written to the file since the journal list was filled.
    bool listShowsTheFile() const;
    // Opens the journal recordset afresh, noting what the file held just before.
    void openJournal();
    // The save's voucher in the journal list: its old lines (`oldLine`, one of
    // them, -1 for none, and `oldRows`, as checked against the file) replaced in
    // place by its rows as written. Worked out inside the save's transaction;
    // false when the list is to be filled again instead.
    bool placeSavedVoucher(const std::string& number, int oldLine, const std::vector<RowFingerprint>& oldRows);
    // Shows the changes placeSavedVoucher worked out, or fills the list again.
    void showSavedVoucher();
    void registerVoucher();
    void updateVoucher();
    void deleteVoucher();
    void toggleEditMode();
    void editModeChanged(bool on);
    void correctAmounts();
    void selectVoucherLine(const std::string& number, const dao::Date& date);
    // The voucher of the selected journal line as it was loaded (or, when the
    // grid holds another, as the list showed it); nothing without a selection.
    std::optional<LoadedVoucher> selectedVoucher() const;
    // Tells the user when the store refused a stale voucher; true when it was done.
    bool storeDone(StoreOutcome outcome);

    std::unique_ptr<EntryGrid> m_grid;
    std::shared_ptr<dao::Workspace> m_workspace;
    std::shared_ptr<dao::Database> m_database;

public:
    // ---- recordsets, opened at load in this order --------------------------
    std::unique_ptr<dao::Recordset> SettingsRecordset;
    std::unique_ptr<dao::Recordset> TaxRateRecordset;
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;
    std::unique_ptr<dao::Recordset> BanksInUseRecordset;
    std::unique_ptr<dao::Recordset> BranchesInUseRecordset;
    std::unique_ptr<dao::Recordset> BankAccountRecordset;
    std::unique_ptr<dao::Recordset> TemplateRecordset;
    std::unique_ptr<dao::Recordset> JournalRecordset;
    std::unique_ptr<dao::Recordset> PartnerRecordset;
    std::unique_ptr<dao::Recordset> ChangeHistoryRecordset;

private:
    TaxRateTable m_taxRates;
    JournalListRows m_journalLines;
    std::optional<dao::Database::FileVersion> m_journalOpened;  // the file just before the journal was opened
    std::optional<dao::Database::FileVersion> m_listedVersion;  // the file the journal list shows
    bool m_journalOutOfOrder = false;                           // rows added at the recordset's end
    // The save under way: what the list shows when it is current at the write.
    struct SavedVoucherPlace {
        bool listCurrent = false;
        std::optional<std::vector<ListLineChange>> changes;
        dao::Database::FileVersion version;
        std::vector<JournalRecord> rows;  // the voucher's rows, read back inside the write
    };
    SavedVoucherPlace m_savePlace;
    ListedRows m_templateLines;
    std::optional<LoadedVoucher> m_loadedVoucher;  // the voucher the grid was loaded from
    frame::CellExitGuard m_cellExits;              // runs the cells' exit handlers
    o::EditModeListener m_editModeListener{[this](bool on) { editModeChanged(on); }};
};

}  // namespace journal
