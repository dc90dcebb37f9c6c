#include "books/Form33.h"

#include "books/ColumnHeadings.h"
#include "books/GeneralLedger.h"
#include "common/PrintRoutines.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "frame/RecordList.h"
#include "periodfile/SchemaNames.h"
#include "platform/printing/Printer.h"
#include "platform/ui/Dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace books {

using frame::fromQ;
using frame::toQ;

Form33::Form33()
{
    buildControls();
    openPeriodFile();
    m_database = o::CompanyDb;
    SettingsRecordset = openRecordset(schema::table::Settings);
    UsedAccountsRecordset = openRecordset(schema::query::UsedAccounts);
    openEraRecordset();
    requireSettingsRow(*SettingsRecordset);
    SetFormCaption(*SettingsRecordset, "総勘定元帳");
    m_label1[0]->clear();
    m_label1[1]->clear();
    FillAccountList();
}

void Form33::buildControls()
{
    resize(1280, 720);
    auto* title = new QLabel(QString::fromUtf8("総勘定元帳"), this);
    title->setObjectName("Label2_0");
    QFont titleFont = frame::proportionalFont(12);
    titleFont.setBold(true);
    title->setFont(titleFont);
    for (int i : {0, 1}) {
        m_label1[i] = new QLabel(this);
        m_label1[i]->setObjectName(QString("Label1_%1").arg(i));
        m_label1[i]->setFont(titleFont);
        m_label1[i]->setMinimumWidth(i == 0 ? 60 : 200);
    }

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("SSTab1");
    m_list2 = frame::newRecordList(nullptr, "List2");
    frame::onListClick(m_list2, this, [this](int row) { List2_Click(row); });

    auto* ledgerTab = new QWidget;
    auto* ledgerLayout = new QVBoxLayout(ledgerTab);
    ledgerLayout->addWidget(columnHeadings(ledgerTab,
                                           {{1, "日付", 0},
                                            {7, "摘　　要", 13},
                                            {10, "取引先", 54},
                                            {2, "勘定科目", 70},
                                            {3, "借方", 87},
                                            {8, "貸方", 100},
                                            {6, "残高", 113},
                                            {4, "銀行名", 129},
                                            {5, "支店名", 145}}));
    m_list1 = new frame::RecordListView(ledgerTab, "List1");
    ledgerLayout->addWidget(m_list1);

    m_tabs->addTab(m_list2, QString::fromUtf8("勘定科目選択"));
    m_tabs->addTab(ledgerTab, QString::fromUtf8("元帳"));
    m_tabs->addTab(new QWidget, QString::fromUtf8("予備"));

    m_frame1 = new QGroupBox(QString::fromUtf8("印刷設定"), this);
    auto* options = new QVBoxLayout(m_frame1);
    static const char* const captions[] = {"表示元帳", "全元帳", "全元帳（改ページなし）"};
    for (int i = 0; i < 3; ++i) {
        m_option1[i] = new QRadioButton(QString::fromUtf8(captions[i]), m_frame1);
        m_option1[i]->setObjectName(QString("Option1_%1").arg(i));
        options->addWidget(m_option1[i]);
    }
    m_option1[0]->setChecked(true);

    for (const auto& [index, caption] : {std::pair<int, const char*>{PrintLedgers, "元帳印刷"}, {Quit, "終了"}}) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString("Command1_%1").arg(index));
        connect(button, &QPushButton::clicked, this, [this, i = index] { Command1_Click(i); });
        m_command1[index] = button;
    }

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addWidget(m_label1[0]);
    top->addWidget(m_label1[1]);
    top->addStretch();
    top->addWidget(m_frame1);
    top->addWidget(m_command1[PrintLedgers]);
    top->addWidget(m_command1[Quit]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs);
}

void Form33::FillAccountList()
{
    m_list2->clear();
    for (const std::string& name : ledgerAccountNames(*UsedAccountsRecordset))
        m_list2->addItem(toQ(name));
}

void Form33::List2_Click(int row)
{
    if (row < 0 || UsedAccountsRecordset->isEmpty())
        return;
    bool chosen = false;
    try {
        int named = -1;
        UsedAccountsRecordset->MoveFirst();
        while (!chosen && !UsedAccountsRecordset->EOF_()) {
            const std::string name = UsedAccountsRecordset->get(schema::column::AccountName).toText();
            if (!name.empty() && ++named == row) {
                m_label1[1]->setText(toQ(name));
                chosen = true;
            } else {
                UsedAccountsRecordset->MoveNext();
            }
        }
    } catch (const std::exception& e) {
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
        return;
    }
    if (chosen)
        Command1_Click(ShowChosen);
}

void Form33::Command1_Click(int index)
{
    if (index == Quit) {
        close();
        return;
    }
    try {
        if (journalIsEmpty(*m_database))
            return;
    } catch (const std::exception& e) {
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
        return;
    }
    if (index == ShowChosen) {
        if (m_label1[1]->text().isEmpty())
            return;
        try {
            ShowLedger();
        } catch (const std::exception& e) {
            ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
        }
        return;
    }
    if (index != PrintLedgers)
        return;
    const LedgerPrintMode mode = m_option1[1]->isChecked() ? LedgerPrintMode::AllAccounts
        : m_option1[2]->isChecked()                        ? LedgerPrintMode::AllAccountsNoBreak
                                                           : LedgerPrintMode::ShownAccount;
    // "表示元帳" before an account has been chosen has nothing to print.
    if (mode == LedgerPrintMode::ShownAccount && m_label1[1]->text().isEmpty()) {
        ui::dialogs().messageBox(o::kNothingToPrint, ui::Buttons::Ok, "総勘定元帳");
        return;
    }
    if (ui::dialogs().messageBox("元帳を印刷します よろしいですか？", ui::Buttons::YesNo, "総勘定元帳")
        != ui::Answer::Yes)
        return;
    printing::PrinterDevice& device = printing::printer();
    bool printed = false;
    try {
        const auto journal = m_database->OpenRecordset(schema::query::Journal);
        o::PreparePrinter(device, 9, 0, 0, "ＭＳ ゴシック", 9);
        printLedgers(device, *UsedAccountsRecordset, *journal, fromQ(m_label1[1]->text()),
                     SettingsRecordset->get(schema::column::CompanyName).toText(), mode, dao::Date::now());
        printed = device.documentOpen();
        device.endDoc();
    } catch (const std::exception& e) {
        if (device.documentOpen())
            device.endDoc();
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
        return;
    }
    // The account shown, or every account, has no journal row.
    if (!printed)
        ui::dialogs().messageBox(o::kNothingToPrint, ui::Buttons::Ok, "総勘定元帳");
}

void Form33::ShowLedger()
{
    m_list1->clear();
    if (journalIsEmpty(*m_database))
        return;
    const auto account = findLedgerAccount(*UsedAccountsRecordset, fromQ(m_label1[1]->text()));
    if (!account) {
        ui::dialogs().messageBox("指定した勘定科目は登録されていません", ui::Buttons::Ok);
        return;
    }
    m_label1[0]->setText(toQ(account->code));
    const auto rows = openAccountRows(*m_database, account->code);
    m_list1->setLines(showLedger(*rows, *account, dao::Date::now()).lines);
}

}  // namespace books
