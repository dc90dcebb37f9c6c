#include "setup/BalanceTab.h"
#include "periodfile/SchemaNames.h"

#include "common/EditMode.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "frame/FieldTexts.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
#include "setup/AccountLists.h"
#include "setup/CompanySettings.h"
#include "setup/SetupControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <algorithm>

namespace setup {

using frame::toQ;
using namespace controls;

BalanceTab::BalanceTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : SetupTab(file, cellExits)
{
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(buildChartSide(), 3);
    layout->addLayout(buildBankSide(), 2);
}

QVBoxLayout* BalanceTab::buildChartSide()
{
    // The edit row of an account and the two lists of the chart.
    auto* left = new QVBoxLayout;
    left->addWidget(
        label("該当する勘定科目を総勘定科目リストから選択して、編集後に更新または登録ボタンをクリックしてください"));
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
        const auto which = static_cast<Command2Button>(i);
        connect(Command2[i], &QPushButton::clicked, this, [this, which] { Command2_Click(which); });
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
    List2 = frame::newRecordList(this, "List2");
    List3 = frame::newRecordList(this, "List3");
    List2->setMinimumWidth(300);
    List3->setMinimumWidth(290);
    frame::onListClick(List2, this, [this](int) { List2_Click(); });
    lists->addWidget(List2, 1, 0);
    lists->addWidget(List3, 1, 1);
    left->addLayout(lists, 1);
    left->addWidget(buildBalanceColumns());
    left->addWidget(buildIndustries());
    return left;
}

// The balance column the lists and the edit row show.
QGroupBox* BalanceTab::buildBalanceColumns()
{
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
            if (on)
                Option7_Click(i);
        });
    return columns;
}

QGroupBox* BalanceTab::buildIndustries()
{
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
    Command4[CopyMasterToIndustryButton] = button("マスターから業種別勘定科目へ複写", "Command4(0)");
    Command4[CopyIndustryToMasterButton] = button("業種別勘定科目のマスターへの複写", "Command4(2)");
    for (const Command4Button which : {CopyMasterToIndustryButton, CopyIndustryToMasterButton})
        connect(Command4[which], &QPushButton::clicked, this, [this, which] { Command4_Click(which); });
    industryLayout->addWidget(Command4[CopyMasterToIndustryButton], 2, 0, 1, 2, Qt::AlignLeft);
    industryLayout->addWidget(Command4[CopyIndustryToMasterButton], 2, 2, 1, 2, Qt::AlignLeft);
    return industries;
}

// The company's bank accounts and the opening cash.
QVBoxLayout* BalanceTab::buildBankSide()
{
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
        const auto which = static_cast<Command8Button>(i);
        connect(Command8[i], &QPushButton::clicked, this, [this, which] { Command8_Click(which); });
    }
    for (int i : {1, 0, 2})
        bankButtons->addWidget(Command8[i]);
    Command9 = button("金融機関台帳", "Command9");
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    bankButtons->addStretch();
    bankButtons->addWidget(Command9);
    right->addLayout(bankButtons);
    List7 = frame::newRecordList(this, "List7");
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
    return right;
}

void BalanceTab::setInputsUsable(bool usable)
{
    for (QComboBox* box : Combo2)
        setUsable(box, usable);
    setUsable(Text3[0], usable);
    for (QLineEdit* edit : Text5)
        setUsable(edit, usable);
    for (QCheckBox* box : Check2)
        setUsable(box, usable);
    for (QRadioButton* option : Option6)
        setUsable(option, usable);
    for (QRadioButton* option : Option3)
        setUsable(option, usable);
}

void BalanceTab::controlLeft(QObject* control)
{
    for (std::size_t i = 0; i < Text5.size(); ++i)
        if (Text5[i] == control)
            return Text5_LostFocus(static_cast<int>(i));
}

bool BalanceTab::comboSelectsOnEntry(const QComboBox* combo) const
{
    return o::EditModeIsOn() && std::find(Combo2.begin(), Combo2.end(), combo) != Combo2.end();
}

// ---- choice lists and loading -------------------------------------------------------------

void BalanceTab::FillChoices()
{
    Combo2[0]->clear();
    Combo2[0]->addItems(frame::FieldTexts(*m_file.BanksInUseRecordset, schema::column::BankName));
    Combo2[1]->clear();
    Combo2[1]->addItems(frame::FieldTexts(*m_file.BranchesInUseRecordset, schema::column::BranchName));
    Combo2[2]->clear();
    Combo2[2]->addItems(frame::FieldTexts(*m_file.DepositKindRecordset, schema::column::DepositKind));
}

void BalanceTab::Load()
{
    UpdateOpeningCash();

    for (QLineEdit* edit : Text5)
        edit->clear();
    m_option6Group->setExclusive(false);
    for (QRadioButton* option : Option6)
        option->setChecked(false);
    m_option6Group->setExclusive(true);
    Text3[0]->clear();
    Text3[10]->clear();

    const dao::Value industry = m_file.SettingsRecordset->get(schema::column::Industry);
    if (industry.isNumeric() && industry.toInt64() >= 0 && industry.toInt64() < kIndustryCount)
        Option3[static_cast<std::size_t>(industry.toInt64())]->setChecked(true);

    for (QLabel* l : Label6)
        l->clear();
}

void BalanceTab::reloadAfterInitialisation(const OpeningCash& openingCash)
{
    m_file.reopenChart();
    ShowMasterAccountList();
    ShowUsedAccountList();
    showOpeningCash(openingCash);

    m_file.reopen(m_file.BankAccountRecordset, "Q_取引銀行");
    clearList(List7);
    Text3[0]->clear();
    Text3[10]->clear();
    Combo2[1]->clear();
    Combo2[1]->addItems(frame::FieldTexts(*m_file.BranchesInUseRecordset, schema::column::BranchName));
    ShowBankAccountList();

    for (QComboBox* box : Combo2)
        box->setEditText(QString());
    Text3[0]->setText("0");
}

void BalanceTab::Option3_Click(int index)
{
    if (o::EditModeIsOn())
        storeSetting(schema::column::Industry, index);
}

// ---- opening cash ---------------------------------------------------------------------------

void BalanceTab::UpdateOpeningCash()
{
    const auto figures = ComputeOpeningCash(*m_file.AccountMasterRecordset);
    if (!figures) {
        refuse(kOpeningCashOutOfRange);
        return;
    }
    dao::Recordset& settings = *m_file.SettingsRecordset;
    settings.Edit();
    try {
        settings.set(schema::column::OpeningCash, figures->cash);
        settings.set(schema::column::OpeningDeposits, figures->deposits);
        settings.Update();
    } catch (const std::exception& e) {
        settings.CancelUpdate();
        reportFailure("期首現金残高、期首預金残高を保存できませんでした", e);
        return;
    }
    showOpeningCash(*figures);
}

void BalanceTab::showOpeningCash(const OpeningCash& figures)
{
    Text7[1]->setText(toQ(o::FormatNumber(figures.cash, o::kAmount10Mask)));
    Text7[2]->setText(toQ(o::FormatNumber(figures.deposits, o::kAmount10Mask)));
    Text7[3]->setText(toQ(o::FormatNumber(figures.total, o::kAmount10Mask)));
}

}  // namespace setup
