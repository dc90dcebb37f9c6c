// The setup window's heading, its seven tabs and the buttons below them; the
// tabs keep the window's recordsets and its one guard of the fields' exit handlers.
#include "setup/Form31.h"

#include "frame/Fonts.h"
#include "setup/SetupControls.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace setup {

using namespace controls;

void Form31::buildControls()
{
    resize(1370, 800);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    Label16 = new QLabel("財務会計　導入初期設定", this);
    Label16->setObjectName("Label16");
    QFont titleFont = frame::proportionalFont(12);
    titleFont.setBold(true);
    Label16->setFont(titleFont);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setFont(titleFont);
    top->addWidget(Label16);
    top->addSpacing(40);
    top->addWidget(Label1, 1);
    layout->addLayout(top);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    m_partnerTab = new PartnerTab(m_file, m_cellExits);
    SSTab1->addTab(m_partnerTab, "取引先管理");
    m_taxTab = new TaxTab(m_file, m_cellExits);
    SSTab1->addTab(m_taxTab, "消費税設定");
    m_templateTab = new TemplateTab(m_file, m_cellExits);
    SSTab1->addTab(m_templateTab, "定型仕訳入力");
    m_balanceTab = new BalanceTab(m_file, m_cellExits);
    SSTab1->addTab(m_balanceTab, "期首残高設定");
    m_printTab = new PrintTab(m_file, m_cellExits);
    SSTab1->addTab(m_printTab, "帳票印刷");
    m_assetTab = new AssetTab(m_file, m_cellExits);
    SSTab1->addTab(m_assetTab, "固定資産／リース資産管理");
    m_companyTab = new CompanyTab(m_file, m_cellExits);
    connect(m_companyTab, &CompanyTab::companyNameStored, this, &Form31::showCompanyName);
    connect(m_companyTab, &CompanyTab::periodNumberStored, this, [this] { SetFormCaption("会計初期設定"); });
    SSTab1->addTab(m_companyTab, "会社基本情報");
    m_tabs = {m_partnerTab, m_taxTab, m_templateTab, m_balanceTab, m_printTab, m_assetTab, m_companyTab};

    // What one tab's write changes that another tab shows.
    connect(m_templateTab, &TemplateTab::templateLoaded, m_balanceTab, &BalanceTab::ShowMasterAccountList);
    connect(m_balanceTab, &BalanceTab::accountNamesChanged, this, [this] {
        m_templateTab->FillAccountCombos();
        m_templateTab->refreshTemplates();
        m_assetTab->FillAccountChoices();
        m_assetTab->refreshRegisters();
    });
    connect(m_balanceTab, &BalanceTab::accountDeleted, m_templateTab, &TemplateTab::refreshTemplates);
    SSTab1->setCurrentIndex(6);
    layout->addWidget(SSTab1, 1);

    auto* bottom = new QHBoxLayout;
    static const char* const captions[3] = {"編集", "終了", "会計システム初期化"};
    for (int i = 0; i < 3; ++i) {
        Command5[i] = button(captions[i], indexed("Command5", i), this);
        const auto which = static_cast<Command5Button>(i);
        connect(Command5[i], &QPushButton::clicked, this, [this, which] { Command5_Click(which); });
    }
    // "編集" keeps room for "編集解除".
    Command5[EditButton]->setMinimumWidth(Command5[EditButton]->fontMetrics().horizontalAdvance("編集解除") + 40);
    bottom->addWidget(Command5[EditButton]);
    bottom->addWidget(Command5[InitialiseButton]);
    bottom->addStretch();
    bottom->addWidget(Command5[CloseButton]);
    layout->addLayout(bottom);
}

}  // namespace setup
