#pragma once
// The tab "期首残高設定" of the setup window: the chart of accounts in two
// lists, the edit row of an account with its register, update and delete, the
// balance column shown, the industry account sets; the company's bank accounts
// with their opening balances, and the opening cash they come to.

#include "setup/OpeningCash.h"
#include "setup/SetupTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class QGroupBox;
class QVBoxLayout;

namespace setup {

struct AccountEdit;

class BalanceTab : public SetupTab {
    Q_OBJECT
public:
    // The buttons Command2 of the account's edit row, by caption.
    enum Command2Button : std::size_t { RegisterAccountButton = 0, UpdateAccountButton = 1, DeleteAccountButton = 2 };
    // The buttons Command4 of this tab, by caption (3 is the tax tab's).
    enum Command4Button : std::size_t { CopyMasterToIndustryButton = 0, CopyIndustryToMasterButton = 2 };
    // The buttons Command8 of the bank accounts, by caption.
    enum Command8Button : std::size_t { UpdateBankButton = 0, RegisterBankButton = 1, DeleteBankButton = 2 };

    BalanceTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);

    QListWidget* List2 = nullptr;            // master chart
    QListWidget* List3 = nullptr;            // accounts in use
    std::array<QLineEdit*, 3> Text5{};       // code, name, amount of the chosen column
    std::array<QRadioButton*, 2> Option6{};  // 借方, 貸方
    std::array<QCheckBox*, 4> Check2{};      // 使用, 課税, 相方, 簡易
    std::array<QPushButton*, 3> Command2{};
    std::array<QRadioButton*, 7> Option7{};  // balance column
    QLabel* Label15 = nullptr;               // heading of the balance column
    std::array<QLabel*, 2> Label6{};         // classes, description
    std::array<QRadioButton*, 7> Option3{};  // industry
    std::array<QPushButton*, 4> Command4{};
    QListWidget* List7 = nullptr;        // bank accounts
    std::array<QComboBox*, 3> Combo2{};  // bank, branch, deposit kind
    std::array<QLineEdit*, 11> Text3{};  // 0 opening balance, 10 total (others unused)
    std::array<QPushButton*, 3> Command8{};
    QPushButton* Command9 = nullptr;    // 金融機関台帳
    std::array<QLineEdit*, 4> Text7{};  // 1..3 opening cash (0 is the company tab's period number)

    // The bank, branch and deposit-kind lists.
    void FillChoices();
    // The edit rows emptied, the industry chosen as stored, the opening cash
    // computed and stored.
    void Load();
    // The chart's lists and the bank accounts shown.
    void ShowLists();
    // After the system initialisation: the chart and the bank accounts read
    // again, and the opening cash it stored shown.
    void reloadAfterInitialisation(const OpeningCash& openingCash);

    void Option3_Click(int index);
    void Option7_Click(int index);
    void UpdateOpeningCash();
    void ShowMasterAccountList();
    void ShowUsedAccountList();
    void List2_Click();
    void Text5_LostFocus(int index);
    void Command2_Click(Command2Button button);
    void CopyAccountMaster();
    void Command4_Click(Command4Button button);
    void ShowBankAccountList();
    void Command8_Click(Command8Button button);
    void Command9_Click();
    void List7_Click();

    // The balance column chosen with Option7 (0..6).
    int BalanceColumn() const;

    void setInputsUsable(bool usable) override;

signals:
    // The chart changed the names other tabs show (accounts, deposit kinds).
    void accountNamesChanged();
    // An account was deleted, and with it the templates that used it.
    void accountDeleted();

protected:
    void controlLeft(QObject* control) override;
    bool comboSelectsOnEntry(const QComboBox* combo) const override;

private:
    QVBoxLayout* buildChartSide();
    QGroupBox* buildBalanceColumns();
    QGroupBox* buildIndustries();
    QVBoxLayout* buildBankSide();

    struct AccountRow;
    std::optional<AccountRow> selectedAccount();
    void refreshChartLists(int reselect);
    void refreshListsNamingAccounts();
    AccountEdit editRowAccount(const std::string& code, std::int32_t amount) const;
    void registerAccount(const std::string& modelCode, int reselect);
    void updateAccount(const AccountRow& account);
    void deleteAccount(const AccountRow& account);
    // Says the refusal, reads the chart again and refills its lists unchosen.
    void rereadChart(const std::string& refusal);
    void copyIndustry(Command4Button button);
    void showCopiedChart(Command4Button button);
    int selectedIndustry() const;
    void showOpeningCash(const OpeningCash& figures);
    void refreshBankAccounts();

    QButtonGroup* m_option6Group = nullptr;
};

}  // namespace setup
