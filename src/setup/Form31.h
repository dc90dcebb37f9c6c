#pragma once
// The setup window "会計初期設定": its heading, the seven tabs (each a class of
// its own: company information and the fiscal period, the consumption-tax
// settings and rates, the chart of accounts with its balances, industry sets
// and bank accounts, the print run of the setup lists, and the master
// registers of journal templates, business partners, fixed assets and leases),
// the buttons below them and the system initialisation. The window opens the
// period file and the recordsets its tabs share, and tells a tab what another
// tab's write changed that it shows.
//
// Every edit is stored when it is made, and only while the program-wide edit
// mode is on: while it is off (whichever window switched it) the inputs that
// would not store are read-only, on every tab alike.

#include "common/EditMode.h"
#include "frame/CellExitGuard.h"
#include "frame/WorkWindow.h"
#include "setup/AssetTab.h"
#include "setup/BalanceTab.h"
#include "setup/CompanyTab.h"
#include "setup/PartnerTab.h"
#include "setup/PrintTab.h"
#include "setup/SetupRecordsets.h"
#include "setup/TaxTab.h"
#include "setup/TemplateTab.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <cstddef>
#include <exception>
#include <string>
#include <vector>

class QButtonGroup;

namespace setup {

class Form31 : public frame::WorkWindow {
    Q_OBJECT
public:
    // The buttons Command5 below the tabs, by caption.
    enum Command5Button : std::size_t { EditButton = 0, CloseButton = 1, InitialiseButton = 2 };

    // The load: opens the period file and the window's recordsets, sets the
    // caption, fills the lists and loads the tabs; switches edit mode off for
    // the whole program. Throws dao::DaoError when the file cannot be used.
    Form31();
    ~Form31() override;

    QLabel* Label1 = nullptr;                // the company name
    QLabel* Label16 = nullptr;               // "財務会計　導入初期設定"
    std::array<QPushButton*, 3> Command5{};  // 編集, 終了, 会計システム初期化
    QTabWidget* SSTab1 = nullptr;

    // The tabs, in the order of their places.
    PartnerTab& partners() { return *m_partnerTab; }
    TaxTab& tax() { return *m_taxTab; }
    TemplateTab& templates() { return *m_templateTab; }
    BalanceTab& balance() { return *m_balanceTab; }
    PrintTab& printing() { return *m_printTab; }
    AssetTab& assets() { return *m_assetTab; }
    CompanyTab& company() { return *m_companyTab; }

    void SetFormCaption(const std::string& title);
    void Command5_Click(Command5Button button);
    void EnableAllGroups();
    void FillSetupLists();
    void LoadSetupTabs();

    // The key of each line of a list: the account code (List2, List3), 仕訳ID|追番
    // (List1), 取引先名 (List4), 管理番号 (List5), 契約番号 (List6), no|銀行コード|
    // 支店コード|種別 (List7).
    const std::vector<std::string>& lineKeys(const QListWidget* list) const;
    // What the record of each line held when it was shown (RecordFingerprint).
    const std::vector<std::string>& lineFingerprints(const QListWidget* list) const;

    dao::Workspace& workspace() { return *m_file.workspace; }
    dao::Database& database() { return *m_file.database; }

private:
    // Layout (Form31Layout.cpp).
    void buildControls();
    void showCompanyName();

    void editModeChanged(bool on);

    // The system initialisation (Form31Runs.cpp).
    void InitialiseSystem();
    void reopenAfterInitialisation(const OpeningCash& openingCash);
    void refuse(const std::string& message);
    void reportFailure(const std::string& what, const std::exception& e);

    SetupRecordsets m_file;
    frame::CellExitGuard m_cellExits;  // runs the fields' exit handlers, on every tab
    PartnerTab* m_partnerTab = nullptr;
    TaxTab* m_taxTab = nullptr;
    TemplateTab* m_templateTab = nullptr;
    BalanceTab* m_balanceTab = nullptr;
    PrintTab* m_printTab = nullptr;
    AssetTab* m_assetTab = nullptr;
    CompanyTab* m_companyTab = nullptr;
    std::vector<SetupTab*> m_tabs;  // in the order of their places

    o::EditModeListener m_editModeListener{[this](bool on) { editModeChanged(on); }};
};

}  // namespace setup

// Registers "Form31" with the window registry.
void registerSetupWindows();
