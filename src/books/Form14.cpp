#include "books/Form14.h"

#include "books/BankBooks.h"
#include "books/CashBook.h"
#include "books/ColumnHeadings.h"
#include "books/PartnerJournal.h"
#include "books/SubLedger.h"
#include "common/FindCode.h"
#include "common/PrintRoutines.h"
#include "common/EditMode.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "periodfile/SchemaNames.h"
#include "platform/printing/Printer.h"
#include "platform/ui/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>

namespace books {

using frame::fromQ;
using frame::toQ;

namespace {

// The books' lists answer no clicks.
frame::RecordListView* newList(QWidget* parent, const QString& name)
{
    auto* list = new frame::RecordListView(parent, name);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

QLabel* newLabel(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(frame::proportionalFont(9.75));
    return label;
}

// The headings of a sub-ledger list: Label2 indices of 日付, 摘　　要, 取引先,
// 勘定科目, 借方, 貸方, 残高, 銀行名, 支店名.
QWidget* subLedgerHeadings(QWidget* parent, const std::array<int, 9>& index)
{
    return columnHeadings(parent,
                          {{index[0], "日付", 0},
                           {index[1], "摘　　要", 13},
                           {index[2], "取引先", 54},
                           {index[3], "勘定科目", 70},
                           {index[4], "借方", 87},
                           {index[5], "貸方", 100},
                           {index[6], "残高", 113},
                           {index[7], "銀行名", 128},
                           {index[8], "支店名", 144}});
}

// The headings above the upper list of a bank tab: 日付, 摘　　要, 取引先,
// 勘定科目, 入金, 出金, 残高.
QWidget* bankHeadings(QWidget* parent, const std::array<int, 7>& index)
{
    return columnHeadings(parent,
                          {{index[0], "日付", 0},
                           {index[1], "摘　　要", 13},
                           {index[2], "取引先", 48},
                           {index[3], "勘定科目", 69},
                           {index[4], "入金", 86},
                           {index[5], "出金", 99},
                           {index[6], "残高", 116}});
}

// Fills the lists of slots [slot, end) together: `produce` runs once, inside
// all their fills, with `sinks` holding each list's sink in slot order.
void fillTogether(const std::map<int, frame::RecordListView*>& lists, int slot, int end, std::vector<LineSink>& sinks,
                  const std::function<void()>& produce)
{
    if (slot >= end) {
        produce();
        return;
    }
    lists.at(slot)->lines().fillFrom([&](const LineSink& add) {
        sinks.push_back(add);
        fillTogether(lists, slot + 1, end, sinks, produce);
    });
}

void reportError(const std::exception& e)
{
    ui::dialogs().messageBox(e.what(), ui::Buttons::Ok);
}

// Label2 indices of the headings above each sub-ledger list.
std::array<int, 9> subLedgerHeadingIndices(int listIndex)
{
    switch (listIndex) {
    case 0: return {28, 33, 35, 32, 31, 34, 27, 30, 29};
    case 3: return {19, 24, 26, 23, 22, 25, 18, 21, 20};
    case 1: return {9, 15, 17, 14, 13, 16, 8, 12, 11};
    default: return {43, 38, 36, 39, 40, 37, 44, 41, 42};
    }
}

}  // namespace

Form14::Form14()
{
    buildControls();
    openPeriodFile();
    SettingsRecordset = openRecordset(schema::table::Settings);
    AccountMasterRecordset = openRecordset(schema::query::Chart);
    UsedAccountsRecordset = openRecordset(schema::query::UsedAccounts);
    EraCodeRecordset = openRecordset(schema::query::Eras);
    BanksInUseRecordset = openRecordset(schema::query::UsedBanks);
    BranchesInUseRecordset = openRecordset(schema::query::UsedBranches);
    BankAccountRecordset = openRecordset(schema::query::BankAccounts);
    TemplateRecordset = openRecordset(schema::query::Templates);
    // The books read these two in one pass each, taking their rows' keys as they go.
    BankJournalRecordset = o::CompanyDb->OpenRecordsetForWalk(schema::query::BankJournal);
    CashBookRecordset = o::CompanyDb->OpenRecordsetForWalk(schema::query::CashBook);
    PartnerRecordset = openRecordset(schema::query::Partners);
    requireSettingsRow(*SettingsRecordset);
    SetFormCaption(*SettingsRecordset, "管理（現金出納帳他）");
    LoadBooks();
}

void Form14::buildControls()
{
    resize(1280, 720);
    auto* title = new QLabel(QString::fromUtf8("現金出納帳、取引銀行他"), this);
    title->setObjectName("Label3");
    QFont titleFont = frame::proportionalFont(12);
    titleFont.setBold(true);
    title->setFont(titleFont);

    for (const auto& [i, caption] : {std::pair{Print, "印刷"}, {Quit, "終了"}, {Show, "表示"}}) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString("Command1_%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, index = i] { Command1_Click(index); });
        m_command1[i] = button;
    }

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("SSTab1");

    // 0 現金出納帳
    auto* cashTab = new QWidget;
    auto* cashLayout = new QVBoxLayout(cashTab);
    m_list1 = newList(cashTab, "List1");
    cashLayout->addWidget(columnHeadings(cashTab,
                                         {{0, "日付", 0},
                                          {1, "摘　　要", 13},
                                          {10, "取引先", 50},
                                          {2, "勘定科目", 70},
                                          {3, "入金", 87},
                                          {7, "出金", 100},
                                          {6, "残高", 113},
                                          {4, "銀行名", 129},
                                          {5, "支店名", 144}}));
    cashLayout->addWidget(m_list1);

    auto subLedgerPair = [&](int upperIndex, const char* upper, int upperLabel, int lowerIndex, const char* lower,
                             int lowerLabel) {
        auto* tab = new QWidget;
        auto* layout = new QVBoxLayout(tab);
        const std::pair<int, std::pair<const char*, int>> parts[] = {{upperIndex, {upper, upperLabel}},
                                                                     {lowerIndex, {lower, lowerLabel}}};
        for (const auto& [listIndex, heading] : parts) {
            auto* label = new QLabel(QString::fromUtf8(heading.first), tab);
            label->setObjectName(QString("Label1_%1").arg(heading.second));
            QFont font = frame::proportionalFont(9.75);
            font.setBold(true);
            label->setFont(font);
            layout->addWidget(label);
            layout->addWidget(subLedgerHeadings(tab, subLedgerHeadingIndices(listIndex)));
            m_list3[listIndex] = newList(tab, QString("List3_%1").arg(listIndex));
            layout->addWidget(m_list3[listIndex]);
        }
        return tab;
    };

    // 5 取引先仕訳
    auto* partnerTab = new QWidget;
    auto* partnerLayout = new QVBoxLayout(partnerTab);
    auto* partnerRow = new QHBoxLayout;
    partnerRow->addWidget(newLabel(partnerTab, "Label2_52", QString::fromUtf8("取引先")));
    m_combo1 = new QComboBox(partnerTab);
    m_combo1->setObjectName("Combo1");
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->setMinimumWidth(240);
    partnerRow->addWidget(m_combo1);
    partnerRow->addWidget(m_command1[Show]);
    partnerRow->addStretch();
    partnerLayout->addLayout(partnerRow);
    auto* termsRow = new QHBoxLayout;
    static const std::pair<int, const char*> terms[] = {{4, "取引内容"}, {1, "ランク"}, {2, "締め日"}, {3, "支払日"}};
    for (const auto& [index, caption] : terms) {
        m_label9[index] = newLabel(partnerTab, QString("Label9_%1").arg(index), QString::fromUtf8(caption));
        termsRow->addWidget(m_label9[index]);
    }
    termsRow->addStretch();
    partnerLayout->addLayout(termsRow);
    partnerLayout->addWidget(columnHeadings(partnerTab,
                                            {{59, "日付", 0},
                                             {54, "摘　　要", 13},
                                             {55, "勘定科目", 53},
                                             {56, "借方", 70},
                                             {53, "貸方", 83},
                                             {60, "残高", 96},
                                             {57, "銀行名", 111},
                                             {58, "支店名", 127}}));
    m_list4 = newList(partnerTab, "List4");
    partnerLayout->addWidget(m_list4);

    // 6 帳票印刷
    auto* printTab = new QWidget;
    auto* printLayout = new QVBoxLayout(printTab);
    static const char* const checks[] = {"現金出納帳", "取引銀行", "仕入高／買掛金勘定", "売上／売掛金勘定",
                                         "取引先別仕訳"};
    for (int i = 0; i < 5; ++i) {
        m_check1[i] = new QCheckBox(QString::fromUtf8(checks[i]), printTab);
        m_check1[i]->setObjectName(QString("Check1_%1").arg(i));
        printLayout->addWidget(m_check1[i]);
    }
    printLayout->addWidget(m_command1[Print], 0, Qt::AlignLeft);
    printLayout->addStretch();

    // 7 取引銀行他
    auto* otherBanks = new QWidget;
    auto* otherLayout = new QVBoxLayout(otherBanks);
    otherLayout->addWidget(bankHeadings(otherBanks, {73, 70, 68, 71, 72, 69, 74}));
    otherLayout->addWidget(buildBankSlot(2));
    otherLayout->addWidget(buildBankSlot(3));

    m_tabs->addTab(cashTab, QString::fromUtf8("現金出納帳"));
    m_tabs->addTab(bankTab(0, {46, 49, 51, 48, 47, 50, 45}), QString::fromUtf8("取引銀行（１）"));
    m_tabs->addTab(subLedgerPair(0, "仕入", 2, 3, "買掛金", 3), QString::fromUtf8("仕入／買掛金勘定"));
    m_tabs->addTab(subLedgerPair(1, "売上", 0, 2, "売掛金", 1), QString::fromUtf8("売上／売掛金勘定"));
    m_tabs->addTab(bankTab(1, {66, 63, 61, 64, 65, 62, 67}), QString::fromUtf8("取引銀行（２）"));
    m_tabs->addTab(partnerTab, QString::fromUtf8("取引先仕訳"));
    m_tabs->addTab(printTab, QString::fromUtf8("帳票印刷"));
    m_tabs->addTab(otherBanks, QString::fromUtf8("取引銀行他"));

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    top->addWidget(m_command1[Quit]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs);
}

// The labels and the list of one bank slot.
QWidget* Form14::buildBankSlot(int slot)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* labels = new QHBoxLayout;
    m_label4[slot] = newLabel(box, QString("Label4_%1").arg(slot));
    m_label5[slot] = newLabel(box, QString("Label5_%1").arg(slot));
    m_label6[slot] = newLabel(box, QString("Label6_%1").arg(slot));
    m_label7[slot] = newLabel(box, QString("Label7_%1").arg(slot));
    for (QLabel* label : {m_label4[slot], m_label5[slot], m_label6[slot], m_label7[slot]})
        labels->addWidget(label);
    labels->addStretch();
    layout->addLayout(labels);
    m_list2[slot] = newList(box, QString("List2_%1").arg(slot));
    layout->addWidget(m_list2[slot]);
    return box;
}

QWidget* Form14::bankTab(int slot, const std::array<int, 7>& headingIndices)
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(bankHeadings(tab, headingIndices));
    layout->addWidget(buildBankSlot(slot));
    return tab;
}

void Form14::LoadBooks()
{
    o::SetEditMode(o::EditModeOff);

    m_combo1->clear();
    forEachRow(*PartnerRecordset,
               [&] { m_combo1->addItem(toQ(PartnerRecordset->get(schema::column::PartnerName).toText())); });
    m_combo1->setEditText(QString());

    ShowCashBook();
    const std::vector<BankBalance> balances = FillBankBooks();
    for (const SubLedgerRule& rule : subLedgerRules())
        ShowSubLedger(rule.listIndex);
    // Stored once every book has been read: a book the file cannot give keeps
    // the window shut and leaves the file as it was.
    StoreBankBalances(balances);
}

CashBookSource Form14::cashBookSource()
{
    const std::string cashCode = o::FindCode({AccountMasterRecordset.get(), nullptr, nullptr}, 2, "現金");
    return CashBookSource{*CashBookRecordset, cashCode, amountOf(SettingsRecordset->get(schema::column::OpeningCash))};
}

void Form14::ShowCashBook()
{
    const CashBookSource source = cashBookSource();
    m_list1->lines().fillFrom([&](const LineSink& add) { cashBookLines(source, dao::Date::now(), add); });
}

std::vector<BankBalance> Form14::FillBankBooks()
{
    for (int slot = 0; slot < kBankSlots; ++slot) {
        m_list2[slot]->clear();
        for (QLabel* label : {m_label4[slot], m_label5[slot], m_label6[slot], m_label7[slot]})
            label->clear();
        m_list2[slot]->hide();
    }
    // The shown lists fill together as the one pass over the bank journal goes.
    const int shown = static_cast<int>(std::min<long long>(kBankSlots, BankAccountRecordset->RecordCount()));
    std::vector<BankBook> books;
    std::vector<LineSink> sinks;
    fillTogether(m_list2, 0, shown, sinks, [&] {
        // The books past the slots give only their balance: their lines are let go.
        std::vector<LineSink> every = sinks;
        every.resize(static_cast<std::size_t>(BankAccountRecordset->RecordCount()), [](std::string_view) {});
        books = bankBooksOf(*BankAccountRecordset, *BankJournalRecordset, every);
    });
    for (int slot = 0; slot < shown && slot < static_cast<int>(books.size()); ++slot) {
        const BankLabels labels = bankLabels(books[slot]);
        m_label4[slot]->setText(toQ(labels.bankAndBranch));
        m_label5[slot]->setText(toQ(labels.kind));
        m_label6[slot]->setText(toQ(labels.opening));
        m_label7[slot]->setText(toQ(labels.current));
        m_list2[slot]->show();
    }
    return balancesOf(books);
}

void Form14::StoreBankBalances(const std::vector<BankBalance>& balances)
{
    try {
        storeCurrentBalances(*o::DbWorkspace, *BankAccountRecordset, balances);
    } catch (const dao::DaoError& e) {
        ui::dialogs().messageBox(std::string("預金の現在残高を保存できませんでした。\n") + e.what(), ui::Buttons::Ok);
    }
}

void Form14::ShowSubLedger(int listIndex)
{
    for (const SubLedgerRule& rule : subLedgerRules()) {
        if (rule.listIndex != listIndex)
            continue;
        LedgerRecordset = o::CompanyDb->OpenRecordsetForWalk(rule.sql);
        m_list3[listIndex]->lines().fillFrom(
            [&](const LineSink& add) { subLedgerLines(*LedgerRecordset, rule, dao::Date::now(), add); });
        LedgerRecordset.reset();
    }
}

void Form14::ShowPartnerJournal(const std::string& partner)
{
    LedgerRecordset = o::CompanyDb->OpenRecordsetForWalk(schema::query::Journal);
    const PartnerTerms terms = partnerTerms(*PartnerRecordset);
    m_label9[1]->setText(toQ(terms.rank));
    m_label9[2]->setText(toQ(terms.closingDay));
    m_label9[3]->setText(toQ(terms.payment));
    m_label9[4]->setText(toQ(terms.content));
    dao::Value firstSide(0);  // no account in use: the debit rule
    if (!UsedAccountsRecordset->BOF() && !UsedAccountsRecordset->EOF_())
        firstSide = UsedAccountsRecordset->get(schema::column::DebitCredit);
    const PartnerRule rule = partnerRuleFor(firstSide);
    m_list4->lines().fillFrom(
        [&](const LineSink& add) { partnerJournalLines(*LedgerRecordset, partner, rule, dao::Date::now(), add); });
    LedgerRecordset.reset();
}

void Form14::PrintCashBook()
{
    printCashBook(printing::printer(), cashBookSource(), SettingsRecordset->get(schema::column::CompanyName).toText(),
                  dao::Date::now());
}

void Form14::PrintBankBooks()
{
    printBankBooks(printing::printer(), *BankAccountRecordset, *BankJournalRecordset,
                   SettingsRecordset->get(schema::column::CompanyName).toText(), dao::Date::now());
}

void Form14::Command1_Click(int index)
{
    switch (index) {
    case Print: {
        bool any = false;
        for (const auto& [i, box] : m_check1)
            any = any || box->isChecked();
        if (!any)
            return;
        // Only the cash book and the bank books have a printout.
        if (!m_check1[0]->isChecked() && !m_check1[1]->isChecked()) {
            ui::dialogs().messageBox(o::kNothingToPrint, ui::Buttons::Ok, "現金出納帳");
            return;
        }
        if (ui::dialogs().messageBox("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Buttons::YesNo, "現金出納帳")
            != ui::Answer::Yes)
            return;
        printing::PrinterDevice& device = printing::printer();
        bool printed = false;
        try {
            o::PreparePrinter(device, 9, 0, 0, "ＭＳ ゴシック", 9);
            if (m_check1[0]->isChecked())
                PrintCashBook();
            if (m_check1[1]->isChecked())
                PrintBankBooks();
            printed = device.documentOpen();
            device.endDoc();
        } catch (const std::exception& e) {
            if (device.documentOpen())
                device.endDoc();
            reportError(e);
            return;
        }
        if (!printed)
            ui::dialogs().messageBox(o::kNothingToPrint, ui::Buttons::Ok, "現金出納帳");
        return;
    }
    case Quit: close(); return;
    case Show: {
        const std::string partner = fromQ(m_combo1->currentText());
        if (partner.empty())
            return;
        try {
            if (!PartnerRecordset->isEmpty()) {
                PartnerRecordset->MoveFirst();
                while (!PartnerRecordset->EOF_()
                       && PartnerRecordset->get(schema::column::PartnerName).toText() != partner)
                    PartnerRecordset->MoveNext();
            }
            ShowPartnerJournal(partner);
        } catch (const std::exception& e) {
            reportError(e);
        }
        return;
    }
    default: return;
    }
}

}  // namespace books
