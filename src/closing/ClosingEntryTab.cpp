// The closing-entry tab's load: its recordsets, its controls, the choice
// lists of the grid and the date boxes, and its part of the window's refresh.
#include "closing/ClosingEntryTab.h"
#include "periodfile/SchemaNames.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"
#include "common/EraYearText.h"
#include "frame/FieldTexts.h"
#include "frame/Fonts.h"
#include "frame/NamedLabel.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
#include "platform/dao/Database.h"
#include "platform/ui/Dialogs.h"
#include "statements/Form34.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <initializer_list>
#include <utility>

namespace closing {

using frame::toQ;
using statements::Form34;

namespace {

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void place(QWidget* w, int x, int y, int width, int height)
{
    w->setGeometry(x, y, width, height);
}

}  // namespace

ClosingEntryTab::ClosingEntryTab(std::shared_ptr<dao::Workspace> workspace, std::shared_ptr<dao::Database> database)
    : m_workspace(std::move(workspace)), m_database(std::move(database))
{
    using dao::RecordsetType;
    SettingsRecordset = m_database->OpenRecordset(schema::table::Settings);
    TaxRateRecordset = m_database->OpenRecordset(schema::query::TaxRates, RecordsetType::Snapshot);
    AccountMasterRecordset = m_database->OpenRecordset(schema::query::Chart);
    UsedAccountsRecordset = m_database->OpenRecordset(schema::query::UsedAccounts);
    BanksInUseRecordset = m_database->OpenRecordset(schema::query::UsedBanks);
    BranchesInUseRecordset = m_database->OpenRecordset(schema::query::UsedBranches);
    BankAccountRecordset = m_database->OpenRecordset(schema::query::BankAccounts);
    ClosingTemplateRecordset = m_database->OpenRecordset(schema::query::ClosingTemplates);
    m_closingJournalOpened = m_database->fileVersion();
    ClosingJournalRecordset = m_database->OpenRecordset(schema::query::ClosingJournal);
    PartnerRecordset = m_database->OpenRecordset(schema::query::Partners);
    ChangeHistoryRecordset = m_database->OpenRecordset(schema::query::ChangeLog);

    buildControls();
    watchGridCells();
    editModeChanged(o::EditModeIsOn());
    FillEntryLists();
}

ClosingEntryTab::~ClosingEntryTab() = default;

void ClosingEntryTab::buildControls()
{
    setMinimumSize(1030, 660);
    const QFont labelFont = frame::proportionalFont(9.75);

    Label10 = frame::NamedLabel(this, "Label10", "", 9.75);
    QFont bold = labelFont;
    bold.setBold(true);
    Label10->setFont(bold);
    place(Label10, 8, 6, 560, 22);
    auto* group = new QButtonGroup(this);
    const char* const options[2] = {"中間決算", "本決算"};
    int x = 600;
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(q(options[i]), this);
        option->setObjectName(QString("Option1_%1").arg(i));
        group->addButton(option, i);
        const int width = QFontMetrics(option->font()).horizontalAdvance(option->text()) + 36;
        place(option, x, 6, width, 22);
        x += width + 8;
        Option1[static_cast<std::size_t>(i)] = option;
    }
    Option1[1]->setChecked(true);

    auto* title = frame::NamedLabel(this, "Label1", "決算整理仕訳入力", 12);
    title->adjustSize();
    place(title, 8, 38, title->width() + 8, 26);
    auto* dateHeading = frame::NamedLabel(this, "Label2_0", "決算日", 9.75);
    dateHeading->adjustSize();
    place(dateHeading, 260, 42, dateHeading->width() + 4, 22);
    const int dateLefts[3] = {320, 410, 480};
    const int dateWidths[3] = {86, 66, 66};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString("Combo2_%1").arg(i));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        place(box, dateLefts[i], 40, dateWidths[i], 24);
        Combo2[static_cast<std::size_t>(i)] = box;
    }
    Label3 = frame::NamedLabel(this, "Label3", "", 9.75);
    place(Label3, 556, 42, 200, 22);

    struct Heading {
        int index;
        const char* text;
        int left;
        int width;
    };
    // Over the grid's columns (twips of the grid, 15 to a pixel).
    static const Heading headings[] = {{1, "摘　　要", 1200, 3375}, {10, "取引先", 4560, 1455},
                                       {2, "借方科目", 6000, 1815}, {3, "金額", 7800, 1335},
                                       {8, "貸方科目", 9120, 1815}, {4, "金額", 10920, 1335},
                                       {5, "銀行名", 12240, 1455},  {6, "支店名", 13680, 1455}};
    for (const Heading& h : headings) {
        auto* l = frame::NamedLabel(this, QString("Label2_%1").arg(h.index), h.text);
        l->setAlignment(Qt::AlignCenter);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Window, Qt::blue);
        l->setAutoFillBackground(true);
        l->setPalette(palette);
        place(l, h.left / 15, 90, h.width / 15, 20);
    }
    m_grid = std::make_unique<journal::EntryGrid>(this);
    for (int i = 0; i < journal::kGridRows; ++i) {
        m_grid->Text1[i]->setObjectName(QString("Text1_%1").arg(i));
        m_grid->Combo1[i]->setObjectName(QString("Combo1_%1").arg(i));
        m_grid->Combo7[i]->setObjectName(QString("Combo7_%1").arg(i));
        m_grid->Text8[i]->setObjectName(QString("Text8_%1").arg(i));
        m_grid->Text9[i]->setObjectName(QString("Text9_%1").arg(i));
    }

    int left = 56;
    for (const auto& [index, caption] : std::initializer_list<std::pair<Form34::Button, const char*>>{
             {Form34::ClearButton, "入力クリア"},
             {Form34::RegisterButton, "登録"},
             {Form34::UpdateButton, "更新"},
             {Form34::DeleteButton, "削除"},
             {Form34::EditButton, "編集"},
             {Form34::CorrectionButton, "金額補正"},
             {Form34::TaxSettlementButton, "消費税精算仕訳登録"},
             {Form34::DepreciationButton, "減価償却費仕訳登録"}}) {
        auto* b = new QPushButton(q(caption), this);
        b->setObjectName(QString("Command1_%1").arg(index));
        // "編集" also shows "編集解除": the button keeps the width of the longer caption.
        const QString widest = index == Form34::EditButton ? q("編集解除") : b->text();
        const int width = QFontMetrics(b->font()).horizontalAdvance(widest) + 24;
        b->setMinimumWidth(width);
        place(b, left, 300, width, 28);
        left += width + 8;
        Command1[index] = b;
    }
    auto* templatesHeading = frame::NamedLabel(this, "Label5_0", "決算仕訳定型リスト", 9.75);
    place(templatesHeading, 8, 338, 300, 20);
    List1 = frame::newRecordList(this, "List1");
    place(List1, 8, 360, 1014, 110);
    auto* entriesHeading = frame::NamedLabel(this, "Label5_1", "決算仕訳リスト", 9.75);
    place(entriesHeading, 8, 478, 300, 20);
    List2 = frame::newRecordList(this, "List2");
    place(List2, 8, 500, 1014, 150);
}

void ClosingEntryTab::FillEntryLists()
{
    journal::EntryGrid& g = grid();
    const QStringList banks = frame::FieldTexts(*BanksInUseRecordset, schema::column::BankName);
    const QStringList branches = frame::FieldTexts(*BranchesInUseRecordset, schema::column::BranchName);
    const QStringList partners = frame::FieldTexts(*PartnerRecordset, schema::column::PartnerName);
    g.FillAccountLists(*UsedAccountsRecordset);
    for (int i = 0; i < journal::kGridRows; ++i) {
        g.Combo8[i]->clear();
        g.Combo8[i]->addItems(banks);
        g.Combo9[i]->clear();
        g.Combo9[i]->addItems(branches);
        g.Combo11[i]->addItems(partners);  // the partner lists are not emptied first
    }

    const dao::Date today = dao::Date::now();
    for (QComboBox* box : Combo2)
        box->clear();
    for (int year : {today.year - 1, today.year})
        Combo2[0]->addItem(toQ(o::FormatDate(dao::Date{year, 1, 1}, "yyyy") + "年"));
    for (int month = 1; month <= 12; ++month)
        Combo2[1]->addItem(QString::number(month) + QString::fromUtf8("月"));
    for (int day = 1; day <= o::DaysInMonth(today.year, today.month); ++day)
        Combo2[2]->addItem(QString::number(day) + QString::fromUtf8("日"));
}

void ClosingEntryTab::Refresh(const std::string& taxStatus, const dao::Value& periodEnd)
{
    Label10->setText(toQ(taxStatus));
    ClearEntry();
    Combo2[0]->setEditText(toQ(o::FormatDate(periodEnd, "yyyy") + "年"));
    Combo2[1]->setEditText(toQ(o::FormatDate(periodEnd, "mm") + "月"));
    Combo2[2]->setEditText(toQ(o::FormatDate(periodEnd, "dd") + "日"));
    Label3->setText(toQ(o::EraYearText(periodEnd)));
    ShowClosingTemplates();
    ShowClosingEntries();
}

bool ClosingEntryTab::NoClosingEntries()
{
    // Read again: the period figures were just rebuilt.
    reopenClosingJournal();
    // A list that still shows what the closing entries hold shows the file as
    // the rebuild left it, and the next save can change it in place.
    if (m_entryRows.sameAsFillOf(*ClosingJournalRecordset))
        m_listedVersion = m_closingJournalOpened;
    return ClosingJournalRecordset->isEmpty();
}

void ClosingEntryTab::reopenClosingJournal()
{
    // The new recordset first: when the file cannot be read, the old one stays open.
    const dao::Database::FileVersion opened = m_database->fileVersion();
    std::unique_ptr<dao::Recordset> entries = m_database->OpenRecordset(schema::query::ClosingJournal);
    ClosingJournalRecordset->Close();
    ClosingJournalRecordset = std::move(entries);
    m_closingJournalOpened = opened;
    m_closingJournalBehind = false;
}

void ClosingEntryTab::showFailure(const std::exception& e)
{
    ui::dialogs().messageBox(e.what(), ui::Buttons::Ok, std::string("決算処理"));
}

void registerClosingEntryTab()
{
    statements::SetClosingEntryPageMaker(
        [](std::shared_ptr<dao::Workspace> workspace, std::shared_ptr<dao::Database> database) {
            return std::unique_ptr<statements::ClosingEntryPage>(
                std::make_unique<ClosingEntryTab>(std::move(workspace), std::move(database)));
        });
}

}  // namespace closing
