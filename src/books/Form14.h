#pragma once
// The books window "管理（現金出納帳他）": the cash book, four bank books, the
// purchase and sales sub-ledgers and the journal by business partner on eight
// tabs; prints the cash book and the bank books. Filled once when it loads
// (the partner journal on "表示"); of the period file it writes only each bank
// account's 現残高.

#include "books/BankBooks.h"
#include "books/CashBook.h"
#include "frame/RecordListView.h"
#include "frame/WorkWindow.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace books {

class Form14 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form14();  // Form_Load; throws dao::DaoError when the period file cannot be used

    void LoadBooks();
    // The indices of Command1, named from their captions.
    enum Command1Button : int { Print = 0, Quit = 1, Show = 2 };  // "印刷", "終了", "表示"
    void Command1_Click(int index);
    void ShowCashBook();
    void ShowSubLedger(int listIndex);
    void ShowPartnerJournal(const std::string& partner);
    void PrintCashBook();
    void PrintBankBooks();

    QTabWidget* SSTab1() const { return m_tabs; }
    frame::RecordListView* List1() const { return m_list1; }
    frame::RecordListView* List2(int index) const { return m_list2.at(index); }
    frame::RecordListView* List3(int index) const { return m_list3.at(index); }
    frame::RecordListView* List4() const { return m_list4; }
    QLabel* Label4(int index) const { return m_label4.at(index); }
    QLabel* Label5(int index) const { return m_label5.at(index); }
    QLabel* Label6(int index) const { return m_label6.at(index); }
    QLabel* Label7(int index) const { return m_label7.at(index); }
    QLabel* Label9(int index) const { return m_label9.at(index); }
    QComboBox* Combo1() const { return m_combo1; }
    QCheckBox* Check1(int index) const { return m_check1.at(index); }
    QPushButton* Command1(int index) const { return m_command1.at(index); }

private:
    void buildControls();
    QWidget* buildBankSlot(int slot);
    QWidget* bankTab(int slot, const std::array<int, 7>& headingIndices);
    CashBookSource cashBookSource();
    std::vector<BankBalance> FillBankBooks();  // the slots filled; every account's balance
    void StoreBankBalances(const std::vector<BankBalance>& balances);

    std::unique_ptr<dao::Recordset> SettingsRecordset;
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;
    std::unique_ptr<dao::Recordset> EraCodeRecordset;
    std::unique_ptr<dao::Recordset> BanksInUseRecordset;
    std::unique_ptr<dao::Recordset> BranchesInUseRecordset;
    std::unique_ptr<dao::Recordset> BankAccountRecordset;
    std::unique_ptr<dao::Recordset> TemplateRecordset;
    std::unique_ptr<dao::Recordset> BankJournalRecordset;
    std::unique_ptr<dao::Recordset> CashBookRecordset;
    std::unique_ptr<dao::Recordset> PartnerRecordset;
    std::unique_ptr<dao::Recordset> LedgerRecordset;

    QTabWidget* m_tabs = nullptr;
    frame::RecordListView* m_list1 = nullptr;
    frame::RecordListView* m_list4 = nullptr;
    QComboBox* m_combo1 = nullptr;
    std::map<int, frame::RecordListView*> m_list2;
    std::map<int, frame::RecordListView*> m_list3;
    std::map<int, QLabel*> m_label4, m_label5, m_label6, m_label7, m_label9;
    std::map<int, QCheckBox*> m_check1;
    std::map<int, QPushButton*> m_command1;
};

}  // namespace books
