// The controls of the setup window and their places on its seven tabs.
#include "setup/Form31.h"

#include "frame/Fonts.h"
#include "frame/RecordList.h"
#include "setup/AccountLists.h"
#include "setup/CompanySettings.h"
#include "setup/SetupControls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace setup {

using frame::toQ;

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
    connect(m_templateTab, &TemplateTab::templateLoaded, this, &Form31::ShowMasterAccountList);
    SSTab1->addTab(m_templateTab, "定型仕訳入力");
    SSTab1->addTab(buildBalanceTab(), "期首残高設定");
    m_printTab = new PrintTab(m_file, m_cellExits);
    SSTab1->addTab(m_printTab, "帳票印刷");
    m_assetTab = new AssetTab(m_file, m_cellExits);
    SSTab1->addTab(m_assetTab, "固定資産／リース資産管理");
    m_companyTab = new CompanyTab(m_file, m_cellExits);
    connect(m_companyTab, &CompanyTab::companyNameStored, this, &Form31::showCompanyName);
    connect(m_companyTab, &CompanyTab::periodNumberStored, this, [this] { SetFormCaption("会計初期設定"); });
    SSTab1->addTab(m_companyTab, "会社基本情報");
    m_tabs = {m_partnerTab, m_taxTab, m_templateTab, m_printTab, m_assetTab, m_companyTab};
    SSTab1->setCurrentIndex(6);
    layout->addWidget(SSTab1, 1);

    auto* bottom = new QHBoxLayout;
    static const char* const captions[3] = {"編集", "終了", "会計システム初期化"};
    for (int i = 0; i < 3; ++i) {
        Command5[i] = button(captions[i], indexed("Command5", i), this);
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    }
    // "編集" keeps room for "編集解除".
    Command5[0]->setMinimumWidth(Command5[0]->fontMetrics().horizontalAdvance("編集解除") + 40);
    bottom->addWidget(Command5[0]);
    bottom->addWidget(Command5[2]);
    bottom->addStretch();
    bottom->addWidget(Command5[1]);
    layout->addLayout(bottom);
}

// ---- tab 3 "期首残高設定" -----------------------------------------------------------------

QWidget* Form31::buildBalanceTab()
{
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);

    // Left: the edit row of an account and the two lists of the chart.
    auto* left = new QVBoxLayout;
    left->addWidget(label("該当する勘定科目を総勘定科目リストから選択して、編集後に更新または登録ボタンをクリックしてください"));
    auto* edit = new QGridLayout;
    static const char* const fieldCaptions[3] = {"コード", "勘定科目名", "期首残高"};
    for (int i = 0; i < 3; ++i) {
        Text5[i] = textBox(indexed("Text5", i));
        watchFocus(Text5[i]);
        edit->addWidget(label(fieldCaptions[i]), 0, i);
        edit->addWidget(Text5[i], 1, i);
    }
    Text5[0]->setMaximumWidth(60);
    Text5[1]->setMinimumWidth(170);
    Text5[2]->setMinimumWidth(110);
    Text5[2]->setAlignment(Qt::AlignRight);
    auto* sides = new QWidget;
    auto* sideRow = new QHBoxLayout(sides);
    sideRow->setContentsMargins(0, 0, 0, 0);
    m_option6Group = new QButtonGroup(this);
    static const char* const sideCaptions[2] = {"借方", "貸方"};
    for (int i = 0; i < 2; ++i) {
        Option6[i] = new QRadioButton(sideCaptions[i], sides);
        Option6[i]->setObjectName(indexed("Option6", i));
        m_option6Group->addButton(Option6[i], i);
        sideRow->addWidget(Option6[i]);
    }
    edit->addWidget(label("借方／貸方"), 0, 3);
    edit->addWidget(sides, 1, 3);
    // Check2 in the order of their places: 使用 (0), 課税 (1), 相方 (2), 簡易 (3).
    static const char* const checkCaptions[4] = {"使用", "課税", "相方", "簡易"};
    for (int i = 0; i < 4; ++i) {
        Check2[i] = new QCheckBox(checkCaptions[i]);
        Check2[i]->setObjectName(indexed("Check2", i));
        edit->addWidget(Check2[i], 1, 4 + i);
    }
    static const char* const accountButtons[3] = {"登録", "更新", "削除"};
    for (int i = 0; i < 3; ++i) {
        Command2[i] = button(accountButtons[i], indexed("Command2", i));
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        edit->addWidget(Command2[i], 1, 8 + i);
    }
    edit->setColumnStretch(1, 1);
    left->addLayout(edit);
    for (int i = 0; i < 2; ++i) {
        Label6[i] = label("");
        Label6[i]->setObjectName(indexed("Label6", i));
        left->addWidget(Label6[i]);
    }

    Label15 = label("");
    Label15->setObjectName("Label15");
    left->addWidget(Label15);
    auto* lists = new QGridLayout;
    lists->addWidget(label("＜総勘定科目リスト（マスター台帳）＞"), 0, 0);
    lists->addWidget(label("＜使用する勘定科目リスト＞"), 0, 1);
    List2 = frame::newRecordList(tab, "List2");
    List3 = frame::newRecordList(tab, "List3");
    List2->setMinimumWidth(300);
    List3->setMinimumWidth(290);
    frame::onListClick(List2, this, [this](int) { List2_Click(); });
    lists->addWidget(List2, 1, 0);
    lists->addWidget(List3, 1, 1);
    left->addLayout(lists, 1);

    auto* columns = new QGroupBox("＜期首残高登録、過去期末残高登録、予算登録＞");
    auto* columnLayout = new QGridLayout(columns);
    columnLayout->addWidget(label("過去の期末残高（決算）は下記オプションを選択するとリスト表示されます"), 0, 0, 1, 7);
    for (int i = 0; i < kBalanceColumnCount; ++i) {
        Option7[i] = new QRadioButton(q(kBalanceColumnCaptions[i]), columns);
        Option7[i]->setObjectName(indexed("Option7", i));
        columnLayout->addWidget(Option7[i], 1, i);
    }
    Option7[0]->setChecked(true);
    for (int i = 0; i < kBalanceColumnCount; ++i)
        connect(Option7[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option7_Click(i);
        });
    left->addWidget(columns);

    auto* industries = new QGroupBox("業種別勘定科目設定");
    auto* industryLayout = new QGridLayout(industries);
    for (int i = 0; i < kIndustryCount; ++i) {
        Option3[i] = new QRadioButton(q(kIndustryCaptions[i]), industries);
        Option3[i]->setObjectName(indexed("Option3", i));
        industryLayout->addWidget(Option3[i], i / 4, i % 4);
    }
    Option3[0]->setChecked(true);
    for (int i = 0; i < kIndustryCount; ++i)
        connect(Option3[i], &QRadioButton::clicked, this, [this, i] { Option3_Click(i); });
    Command4[0] = button("マスターから業種別勘定科目へ複写", "Command4(0)");
    Command4[2] = button("業種別勘定科目のマスターへの複写", "Command4(2)");
    connect(Command4[0], &QPushButton::clicked, this, [this] { Command4_Click(0); });
    connect(Command4[2], &QPushButton::clicked, this, [this] { Command4_Click(2); });
    industryLayout->addWidget(Command4[0], 2, 0, 1, 2, Qt::AlignLeft);
    industryLayout->addWidget(Command4[2], 2, 2, 1, 2, Qt::AlignLeft);
    left->addWidget(industries);
    layout->addLayout(left, 3);

    // Right: the company's bank accounts and the opening cash.
    auto* right = new QVBoxLayout;
    right->addWidget(label("取引銀行名、支店名、期首残高登録"));
    auto* bank = new QGridLayout;
    static const char* const bankCaptions[3] = {"銀行名", "支店", "種別"};
    for (int i = 0; i < 3; ++i) {
        Combo2[i] = comboBox(indexed("Combo2", i));
        watchFocus(Combo2[i]);
        bank->addWidget(label(bankCaptions[i]), 0, i);
        bank->addWidget(Combo2[i], 1, i);
    }
    Text3[0] = textBox("Text3(0)");
    Text3[0]->setAlignment(Qt::AlignRight);
    watchFocus(Text3[0]);
    bank->addWidget(label("期首残高"), 0, 3);
    bank->addWidget(Text3[0], 1, 3);
    right->addLayout(bank);
    auto* bankButtons = new QHBoxLayout;
    static const char* const bankButtonCaptions[3] = {"更新", "登録", "削除"};
    for (int i = 0; i < 3; ++i) {
        Command8[i] = button(bankButtonCaptions[i], indexed("Command8", i));
        connect(Command8[i], &QPushButton::clicked, this, [this, i] { Command8_Click(i); });
    }
    for (int i : {1, 0, 2}) bankButtons->addWidget(Command8[i]);
    Command9 = button("金融機関台帳", "Command9");
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    bankButtons->addStretch();
    bankButtons->addWidget(Command9);
    right->addLayout(bankButtons);
    List7 = frame::newRecordList(tab, "List7");
    List7->setMinimumWidth(400);
    frame::onListClick(List7, this, [this](int) { List7_Click(); });
    right->addWidget(List7, 1);
    auto* total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(label("合計金額"));
    Text3[10] = displayBox("Text3(10)");
    total->addWidget(Text3[10]);
    right->addLayout(total);

    auto* cash = new QGridLayout;
    static const char* const cashCaptions[3] = {"期首現金残高", "期首預金残高", "合計"};
    for (int i = 1; i <= 3; ++i) {
        Text7[i] = displayBox(indexed("Text7", i));
        cash->addWidget(label(cashCaptions[i - 1]), i - 1, 0);
        cash->addWidget(Text7[i], i - 1, 1);
    }
    right->addLayout(cash);
    layout->addLayout(right, 2);
    return tab;
}

}  // namespace setup
