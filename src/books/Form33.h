#pragma once
// The general-ledger window "総勘定元帳": the accounts in use on one tab, the
// ledger of the chosen account on another, and the printout of the shown
// account or of every account. Reads the period file and writes nothing.

#include "frame/RecordListView.h"
#include "frame/WorkWindow.h"

#include <map>
#include <memory>
#include <string>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace books {

class Form33 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form33();  // Form_Load; throws dao::DaoError when the period file cannot be used

    void FillAccountList();
    void List2_Click(int row);
    // The indices of Command1. ShowChosen (the ledger of the chosen account) has
    // no button of its own: a click on an account of the list runs it.
    enum Command1Button : int { ShowChosen = 0, PrintLedgers = 1, Quit = 9 };  // "元帳印刷", "終了"
    void Command1_Click(int index);
    void ShowLedger();

    QTabWidget* SSTab1() const { return m_tabs; }
    frame::RecordListView* List1() const { return m_list1; }
    QListWidget* List2() const { return m_list2; }
    QLabel* Label1(int index) const { return m_label1.at(index); }
    QRadioButton* Option1(int index) const { return m_option1.at(index); }
    QPushButton* Command1(int index) const { return m_command1.at(index); }

private:
    void buildControls();

    // The journal is read where it is needed: the shown account's rows when an
    // account is shown, the whole journal when ledgers are printed.
    std::shared_ptr<dao::Database> m_database;
    std::unique_ptr<dao::Recordset> SettingsRecordset;
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;

    QTabWidget* m_tabs = nullptr;
    frame::RecordListView* m_list1 = nullptr;
    QListWidget* m_list2 = nullptr;
    QGroupBox* m_frame1 = nullptr;
    std::map<int, QLabel*> m_label1;
    std::map<int, QRadioButton*> m_option1;
    std::map<int, QPushButton*> m_command1;
};

}  // namespace books
