#pragma once
// The setup window "会計初期設定": company information and the fiscal period,
// the consumption-tax settings and rates, the chart of accounts with its
// balances and industry sets, the system initialisation and the print run of
// the setup lists, on seven tabs; and the master registers (journal templates,
// business partners, the company's bank accounts, fixed assets with their
// depreciation, leases). A register's list line is used by the key of its
// record, found again and refused when it changed or vanished since it was
// shown; each change is one transaction, after which the register's recordset
// is opened again and its list refilled.
//
// Every edit is stored when it is made, and only while the program-wide edit
// mode is on: while it is off (whichever window switched it) the inputs that
// would not store are read-only.

#include "common/EditMode.h"
#include "frame/CellExitGuard.h"
#include "frame/WorkWindow.h"
#include "journal/EntryGrid.h"
#include "platform/dao/Engine.h"
#include "setup/AssetTab.h"
#include "setup/CompanyTab.h"
#include "setup/OpeningCash.h"
#include "setup/PartnerTab.h"
#include "setup/PrintTab.h"
#include "setup/SettingsDates.h"
#include "setup/SetupRecordsets.h"
#include "setup/ShownRecords.h"
#include "setup/TaxTab.h"
#include "setup/TemplateTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;

namespace setup {

struct AccountEdit;

class Form31 : public frame::WorkWindow {
    Q_OBJECT
public:
    // The load: opens the period file and the window's recordsets, sets the
    // caption, fills the lists and loads the tabs; switches edit mode off for
    // the whole program. Throws dao::DaoError when the file cannot be used.
    Form31();
    ~Form31() override;

    // ---- controls ---------------------------------------------------------------
    QLabel* Label1 = nullptr;                        // the company name
    QLabel* Label16 = nullptr;                       // "財務会計　導入初期設定"
    std::array<QPushButton*, 3> Command5{};          // 編集, 終了, 会計システム初期化
    QTabWidget* SSTab1 = nullptr;

    // The tabs.
    PartnerTab& partners() { return *m_partnerTab; }
    TaxTab& tax() { return *m_taxTab; }
    TemplateTab& templates() { return *m_templateTab; }
    PrintTab& printing() { return *m_printTab; }
    AssetTab& assets() { return *m_assetTab; }
    CompanyTab& company() { return *m_companyTab; }


    // tab 3 "期首残高設定"
    std::array<QPushButton*, 4> Command4{};          // 0, 2 (3 is the tax tab's)
    QListWidget* List2 = nullptr;                    // master chart
    QListWidget* List3 = nullptr;                    // accounts in use
    std::array<QLineEdit*, 3> Text5{};               // code, name, amount of the chosen column
    std::array<QRadioButton*, 2> Option6{};          // 借方, 貸方
    std::array<QCheckBox*, 4> Check2{};              // 使用, 課税, 相方, 簡易
    std::array<QPushButton*, 3> Command2{};          // 登録, 更新, 削除
    std::array<QRadioButton*, 7> Option7{};          // balance column
    QLabel* Label15 = nullptr;                       // heading of the balance column
    std::array<QLabel*, 2> Label6{};                 // classes, description
    std::array<QRadioButton*, 7> Option3{};          // industry
    QListWidget* List7 = nullptr;                    // bank accounts
    std::array<QComboBox*, 3> Combo2{};              // bank, branch, deposit kind
    std::array<QLineEdit*, 11> Text3{};              // 0 opening balance, 10 total (others unused)
    std::array<QPushButton*, 3> Command8{};          // 更新, 登録, 削除
    QPushButton* Command9 = nullptr;                 // 金融機関台帳
    std::array<QLineEdit*, 4> Text7{};               // 1..3 opening cash (0 is the company tab's)


    // ---- the shell ----------------------------------------------------------------
    void SetFormCaption(const std::string& title);
    void showCompanyName();
    void Command5_Click(int index);
    void EnableAllGroups();
    void EnableInputGroup(int group);

    // ---- choice lists and loading -------------------------------------------------
    void FillSetupLists();
    void LoadSetupTabs();

    // ---- company and tax settings -------------------------------------------------
    void Option3_Click(int index);
    void UpdateOpeningCash();

    // ---- chart of accounts --------------------------------------------------------
    void Option7_Click(int index);
    void ShowMasterAccountList();
    void ShowUsedAccountList();
    void List2_Click();
    void Text5_LostFocus(int index);
    void Command2_Click(int index);
    void CopyAccountMaster();
    void Command4_Click(int index);

    // ---- registers: the fills the load needs ---------------------------------------
    void ShowBankAccountList();

    // ---- registers: what their buttons, lists and fields do -------------------------
    void Command8_Click(int index);
    void Command9_Click();
    void List7_Click();

    // The key of each line of a list: the account code (List2, List3), 仕訳ID|追番
    // (List1), 取引先名 (List4), 管理番号 (List5), 契約番号 (List6), no|銀行コード|
    // 支店コード|種別 (List7).
    const std::vector<std::string>& lineKeys(const QListWidget* list) const;
    // What the record of each line held when it was shown (RecordFingerprint).
    const std::vector<std::string>& lineFingerprints(const QListWidget* list) const;

    // The balance column chosen with Option7 (0..6).
    int BalanceColumn() const;

    dao::Workspace& workspace() { return *m_file.workspace; }
    dao::Database& database() { return *m_file.database; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (Form31Layout.cpp).
    void buildControls();
    QWidget* buildBalanceTab();
    void watchFocus(QWidget* w);

    // Edit mode.
    void editModeChanged(bool on);
    void setGroupUsable(int group, bool usable);
    void applyEditMode(bool on);

    // Focus handlers.
    void controlLeft(QObject* control);
    void controlEntered(QObject* control);

    // Settings (Form31Settings.cpp).
    bool storeSetting(const std::string& field, const dao::Value& value);   // false: failed and said so
    // Several fields of the settings row in one write; false: failed and said so.
    bool storeSettings(const std::vector<std::pair<std::string, dao::Value>>& fields, const std::string& what);
    void showOpeningCash(const OpeningCash& figures);

    // Chart (Form31Chart.cpp).
    struct AccountRow;
    std::optional<AccountRow> selectedAccount();
    void reopenChart();
    void refreshChartLists(int reselect);
    void refreshListsNamingAccounts();
    AccountEdit editRowAccount(const std::string& code, std::int32_t amount) const;
    void registerAccount(const std::string& modelCode, int reselect);
    void updateAccount(const AccountRow& account);
    void deleteAccount(const AccountRow& account);
    // Says the refusal, reads the chart again and refills its lists unchosen.
    void rereadChart(const std::string& refusal);
    void copyIndustry(int index);
    int selectedIndustry() const;

    // Runs (Form31Runs.cpp).
    void InitialiseSystem();
    void reopenAfterInitialisation();

    // Bank accounts (Form31Registers.cpp).
    void refreshBankAccounts();

    // Shared helpers.
    void refuse(const std::string& message);
    void reportFailure(const std::string& what, const std::exception& e);
    // Fills a list, one line and key per row, and keeps each row's fingerprint.
    void fillList(QListWidget* list, dao::Recordset& rs,
                  const std::function<std::pair<std::string, std::string>(dao::Recordset&)>& line);
    void clearList(QListWidget* list);
    // The selected line of a list, -1 when none is.
    static int chosenLine(const QListWidget* list);
    ShownLine shownLine(const QListWidget* list, int line) const;
    // The chosen line's record found again in `rs` (which is left on it); nullopt
    // when no line is chosen, or after a message and `refresh` when the record
    // changed or vanished since the line was shown.
    std::optional<ShownLine> chosenRecord(QListWidget* list, dao::Recordset& rs, const RecordKey& keyOf,
                                          const char* what, void (Form31::*refresh)());

    SetupRecordsets m_file;
    PartnerTab* m_partnerTab = nullptr;
    TaxTab* m_taxTab = nullptr;
    TemplateTab* m_templateTab = nullptr;
    PrintTab* m_printTab = nullptr;
    AssetTab* m_assetTab = nullptr;
    CompanyTab* m_companyTab = nullptr;
    std::vector<SetupTab*> m_tabs;   // in the order of their places
    QButtonGroup* m_option6Group = nullptr;
    std::vector<QWidget*> m_watched;
    frame::CellExitGuard m_cellExits;   // runs the fields' exit handlers

    std::map<const QListWidget*, std::vector<std::string>> m_keys;
    std::map<const QListWidget*, std::vector<std::string>> m_prints;
    std::vector<std::string> m_masterLines;   // List2 as shown, to see whether a line changed since

    o::EditModeListener m_editModeListener{[this](bool on) { editModeChanged(on); }};
};

}  // namespace setup

// Registers "Form31" with the window registry.
void registerSetupWindows();
