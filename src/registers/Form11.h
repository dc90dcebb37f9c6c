#pragma once
// The bank and branch master window "金融機関台帳": the banks and the branches
// side by side, each chosen line loaded into the entry fields, updated, added
// and deleted. It opens the period file through a workspace and database of its
// own and leaves the program's DbWorkspace and CompanyDb alone. Enter moves on
// as Tab does; entering a text box selects its text.
//
// Every list line keeps the row it shows; a line is used by its code: the row is
// found again by that code, and a row changed or removed since it was shown is
// refused with a message and the list read again. A write does that, and its
// other checks, inside its transaction, after it holds the file.

#include "frame/WorkWindow.h"
#include "registers/BankMasterRows.h"
#include "platform/dao/Engine.h"

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
class QWidget;

namespace registers {

struct BankWriteRefusal;

class Form11 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form11();  // Form_Load; throws dao::DaoError when the period file cannot be used

    void FillBankList();
    void FillBranchList();
    void List1_Click(int row);
    void List2_Click(int row);
    // The indices of the buttons, named from their captions: Command1 acts on
    // the bank, Command2 on the branch.
    enum Command1Button : int {
        BankUpdate = 0,  // "更新"
        BankAdd = 1,     // "銀行追加"
        BankDelete = 2,  // "削除"
        Quit = 9,        // "終了"
    };
    enum Command2Button : int {
        BranchUpdate = 0,  // "更新"
        BranchAdd = 1,     // "支店追加"
        BranchDelete = 2,  // "削除"
    };
    void Command1_Click(int index);
    void Command2_Click(int index);

    QLineEdit* Text1(int index) const { return m_text1.at(index); }
    QLineEdit* Text2(int index) const { return m_text2.at(index); }
    QCheckBox* Check1(int index) const { return m_check1.at(index); }
    QListWidget* List1() const { return m_list1; }
    QListWidget* List2() const { return m_list2; }
    QPushButton* Command1(int index) const { return m_command1.at(index); }
    QPushButton* Command2(int index) const { return m_command2.at(index); }
    QLabel* Label2(int index) const { return m_label2.at(index); }
    QLabel* Label3() const { return m_label3; }

    std::shared_ptr<dao::Workspace> BankMasterWorkspace;
    std::shared_ptr<dao::Database> BankMasterDb;
    std::unique_ptr<dao::Recordset> SettingsRecordset;      // 会計設定, for the caption
    std::unique_ptr<dao::Recordset> BankMasterRecordset;    // Q_銀行コードﾏｽﾀｰ
    std::unique_ptr<dao::Recordset> BranchMasterRecordset;  // Q_支店コードﾏｽﾀｰ

protected:
    // Form_KeyDown (Enter sent on as Tab) and the text boxes' GotFocus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void reopenBanks();
    void reopenBranches();

    // The row the chosen line shows; null when no line is chosen.
    const BankRow* shownBank() const;
    const BranchRow* shownBranch() const;
    // Whether the row is still as shown, found again by its code (the
    // recordset is left on it).
    bool bankStillAsShown(const BankRow& shown);
    bool branchStillAsShown(const BranchRow& shown);
    // The message that the chosen row changed elsewhere; the list is read again.
    void refuseChangedBank();
    void refuseChangedBranch();
    // The chosen line's row, found again by its code and unchanged since it was
    // shown, with the recordset on it; else a message, the list read again, false.
    bool locateChosenBank(BankRow& bank);
    void refuseBankWrite(const BankWriteRefusal& refusal);
    bool locateChosenBranch(BranchRow& branch);

    // What a write found once it held the file, said after its transaction.
    struct WriteOutcome {
        bool lineChanged = false;            // the chosen line's row changed or vanished
        std::optional<std::string> refusal;  // refused, with this message
        QWidget* focus = nullptr;            // the field that gets the focus after the refusal
    };
    // Says what the outcome needs and reads the bank (or branch) side again;
    // true when the write was done.
    bool finishWrite(const WriteOutcome& outcome, bool bankSide);

    void UpdateBank();
    void AddBank();
    void DeleteBank();
    void UpdateBranch();
    void AddBranch();
    void DeleteBranch();

    std::vector<BankRow> m_bankLines;      // the row each line of List1 shows
    std::vector<BranchRow> m_branchLines;  // the row each line of List2 shows

    QLabel* m_label3 = nullptr;
    std::map<int, QLabel*> m_label2;
    std::map<int, QLineEdit*> m_text1;
    std::map<int, QLineEdit*> m_text2;
    std::map<int, QCheckBox*> m_check1;
    std::map<int, QPushButton*> m_command1;
    std::map<int, QPushButton*> m_command2;
    QListWidget* m_list1 = nullptr;
    QListWidget* m_list2 = nullptr;
};

}  // namespace registers

// Registers "Form11" with the window registry; the setup window opens it by that name.
void registerRegistersWindows();
