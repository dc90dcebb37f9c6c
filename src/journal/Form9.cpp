// The load of the journal-entry window: its recordsets, controls and lists.
#include "journal/Form9.h"

#include "frame/FieldTexts.h"
#include "common/NumberMasks.h"
#include "journal/Form9Text.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"
#include "common/EraYearText.h"
#include "common/FindCode.h"
#include "common/NumberFormat.h"
#include "common/EditMode.h"
#include "frame/Fonts.h"
#include "frame/RecordList.h"
#include "journal/EntryDate.h"
#include "periodfile/SchemaNames.h"
#include "platform/ui/Dialogs.h"

#include <QStringList>

namespace journal {

using namespace form9;

// ---- load ------------------------------------------------------------------

Form9::Form9(QWidget* parent) : frame::WorkWindow(parent)
{
    openPeriodFile();
    m_workspace = o::DbWorkspace;
    m_database = o::CompanyDb;
    SettingsRecordset = openRecordset(schema::table::Settings, dao::RecordsetType::Snapshot);
    TaxRateRecordset = openRecordset(schema::query::TaxRates, dao::RecordsetType::Snapshot);
    AccountMasterRecordset = openRecordset(schema::query::Chart, dao::RecordsetType::Snapshot);
    UsedAccountsRecordset = openRecordset(schema::query::UsedAccounts, dao::RecordsetType::Snapshot);
    BanksInUseRecordset = openRecordset(schema::query::UsedBanks, dao::RecordsetType::Snapshot);
    BranchesInUseRecordset = openRecordset(schema::query::UsedBranches, dao::RecordsetType::Snapshot);
    BankAccountRecordset = openRecordset(schema::query::BankAccounts, dao::RecordsetType::Snapshot);
    TemplateRecordset = openRecordset(schema::query::Templates, dao::RecordsetType::Dynaset);
    m_journalOpened = m_database->fileVersion();
    JournalRecordset = openRecordset(schema::query::Journal, dao::RecordsetType::Dynaset);
    PartnerRecordset = openRecordset(schema::query::Partners, dao::RecordsetType::Dynaset);
    ChangeHistoryRecordset = openRecordset(schema::query::ChangeLog, dao::RecordsetType::Dynaset);
    openEraRecordset();
    requireSettingsRow(*SettingsRecordset);
    m_taxRates = ReadTaxRateTable(*TaxRateRecordset);

    buildControls();
    InitEntryForm(kWindowTitle);
    FillEntryLists();
    m_grid->ClearEntry(selectedKind());
    RefreshEntryForm();
}

Form9::~Form9() = default;

void Form9::buildControls()
{
    resize(px(16200), px(10600));
    const QFont labelFont = frame::proportionalFont(9.75);

    Label10 = new QLabel(this);
    Label10->setGeometry(px(120), px(120), px(6600), px(300));
    QFont bold = labelFont;
    bold.setBold(true);
    Label10->setFont(bold);

    // Buttons: the first line of the window and its third.
    static const char* const captions[12] = {"入力クリア",
                                             "登録",
                                             "更新",
                                             "削除",
                                             "編集",
                                             "印刷",
                                             "役員報酬、給与仕訳自動登録",
                                             "金額補正",
                                             "月末消費税仕訳登録（内税）",
                                             "終了",
                                             "定型仕訳登録",
                                             "賞与仕訳自動登録"};
    for (int i = 0; i < 12; ++i) {
        Command1[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    const auto lineUp = [this](std::initializer_list<int> order, int left, int top) {
        for (int i : order) {
            // The edit button is as wide as its longer caption, "編集解除".
            const int characters =
                static_cast<int>(i == Edit ? QString("編集解除").size() : Command1[i]->text().size());
            const int width = 300 + 170 * characters;
            Command1[i]->setGeometry(px(left), px(top), px(width), px(330));
            left += width + 60;
        }
    };
    lineUp({SalaryPosting, BonusPosting, MonthEndTaxPosting, Print, Edit, Quit}, 6840, 60);
    lineUp({ClearEntry, Register, Update, Delete, CorrectAmounts, SaveTemplate}, 4200, 700);

    static const char* const kinds[3] = {"振替伝票", "入金伝票", "出金伝票"};
    for (int i = 0; i < 3; ++i) {
        Option8[i] = new QRadioButton(QString::fromUtf8(kinds[i]), this);
        Option8[i]->setGeometry(px(120 + 1300 * i), px(420), px(1250), px(260));
    }
    // 振替伝票 is the kind the window opens with, not a choice: it runs no handler
    // (the lists the handler reads do not exist yet).
    Option8[0]->setChecked(true);
    for (int i = 0; i < 3; ++i)
        connect(Option8[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option8_Click(i);
        });

    Label1 = new QLabel("決算仕訳", this);
    Label1->setGeometry(px(4200), px(420), px(1200), px(260));
    Label6 = new QLabel(kWindowTitle, this);
    QFont titleFont = frame::proportionalFont(12);
    titleFont.setBold(true);
    Label6->setFont(titleFont);
    QPalette bluePalette = Label6->palette();
    bluePalette.setColor(QPalette::WindowText, Qt::blue);
    Label6->setPalette(bluePalette);
    Label6->setGeometry(px(6000), px(400), px(2000), px(300));

    Label3 = new QLabel(this);
    Label3->setFont(labelFont);
    Label3->setGeometry(px(1680), px(800), px(2000), px(260));

    auto* dateHeading = new QLabel("日付", this);
    dateHeading->setGeometry(px(1200), px(1080), px(450), px(300));
    const int dateLefts[3] = {1680, 2640, 3360};
    const int dateWidths[3] = {975, 735, 735};
    for (int i = 0; i < 3; ++i) {
        Combo2[i] = new QComboBox(this);
        Combo2[i]->setEditable(true);
        Combo2[i]->setInsertPolicy(QComboBox::NoInsert);
        Combo2[i]->setGeometry(px(dateLefts[i]), px(1080), px(dateWidths[i]), px(300));
        // The boxes keep their narrow places; a slim arrow leaves room for "2026年".
        Combo2[i]->setStyleSheet(
            QStringLiteral("QComboBox { padding-left: 2px; } QComboBox::drop-down { width: 12px; }"));
    }
    Check1 = new QCheckBox("金額を０で登録", this);
    Check1->setGeometry(px(12600), px(1080), px(2400), px(300));

    EntryGrid::PlaceHeadings([this](const QString& text) { return new QLabel(text, this); });

    m_grid = std::make_unique<EntryGrid>(this);

    for (int left : {7100, 10220}) {
        auto* total = new QLabel("合計", this);
        total->setGeometry(px(left), px(4080), px(650), px(240));
    }

    auto* templateHeading = new QLabel("仕訳定型リスト", this);
    templateHeading->setFont(labelFont);
    // One line above the list's left edge: beside the list it would not fit.
    templateHeading->setGeometry(px(120), px(4200), px(1500), px(240));
    List1 = frame::newRecordList(this, "List1");
    QPalette listPalette = List1->palette();
    listPalette.setColor(QPalette::Base, listPalette.color(QPalette::Button));
    List1->setPalette(listPalette);
    List1->setGeometry(px(1200), px(4440), px(13935), px(2040));
    frame::onListClick(List1, this, [this](int) { List1_Click(); });

    auto* journalHeading = new QLabel("仕訳帳", this);
    journalHeading->setFont(labelFont);
    journalHeading->setGeometry(px(120), px(6480), px(1200), px(240));
    List2 = new frame::RecordListView(this, "List2");
    List2->setPalette(listPalette);
    List2->setGeometry(px(120), px(6720), px(15015), px(3660));
    // The journal may have a million lines: laid out a batch at a time while
    // events are processed, so that a fill or a save shows its lines at once
    // instead of waiting for every line's place to be worked out again.
    List2->setLayoutMode(QListView::Batched);
    List2->setBatchSize(1000);
    // A line chosen with the mouse loads on the click; one chosen with the keys as the selection moves.
    frame::onListClick(List2, this, [this](int) { List2_Click(); });

    // Exit and entry handlers of the cells and the date boxes.
    for (QComboBox* box : Combo2)
        box->installEventFilter(this);
    for (int i = 0; i < kGridRows; ++i)
        for (QWidget* cell : m_grid->rowCells(i))
            cell->installEventFilter(this);
    m_grid->Text8[kGridRows]->installEventFilter(this);
    m_grid->Text9[kGridRows]->installEventFilter(this);

    setTabOrder();
}

void Form9::setTabOrder()
{
    std::vector<QWidget*> order = {Command1[Quit], Combo2[0], Combo2[1], Combo2[2]};
    for (int i = 0; i < kGridRows; ++i)
        for (QWidget* cell : m_grid->rowCells(i))
            order.push_back(cell);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    Command1[Quit]->setFocus();
}

void Form9::InitEntryForm(const std::string& title)
{
    SetFormCaption(*SettingsRecordset, title);
    Command1[MonthEndTaxPosting]->setVisible(SettingsRecordset->get(schema::column::TaxHandling).toText() == "2");
    InputTaxAccountCode = FindCode(2, "仮払消費税");
    PayablesAccountCode = FindCode(2, "買掛金");
    CashAccountCode = FindCode(2, "現金");
    UnpaidTaxAccountCode = FindCode(2, "未払消費税");
    ReceivablesAccountCode = FindCode(2, "売掛金");
}

void Form9::FillEntryLists()
{
    const QStringList banks = frame::FieldTexts(*BanksInUseRecordset, schema::column::BankName);
    const QStringList branches = frame::FieldTexts(*BranchesInUseRecordset, schema::column::BranchName);
    m_grid->FillAccountLists(*UsedAccountsRecordset);
    const QStringList partners = frame::FieldTexts(*PartnerRecordset, schema::column::PartnerName);
    for (int i = 0; i < kGridRows; ++i) {
        m_grid->Combo8[i]->clear();
        m_grid->Combo8[i]->addItems(banks);
        m_grid->Combo9[i]->clear();
        m_grid->Combo9[i]->addItems(branches);
        m_grid->Combo11[i]->addItems(partners);
    }

    const dao::Date now = dao::Date::now();
    for (QComboBox* box : Combo2)
        box->clear();
    Combo2[0]->addItem(QString::number(now.year - 1).rightJustified(4, '0') + "年");
    Combo2[0]->addItem(QString::number(now.year).rightJustified(4, '0') + "年");
    for (int m = 1; m <= 12; ++m)
        Combo2[1]->addItem(QString::number(m) + "月");
    for (int d = 1; d <= o::DaysInMonth(now.year, now.month); ++d)
        Combo2[2]->addItem(dayItem(d));
    for (int i = 0; i < kGridRows; ++i) {
        for (QComboBox* box :
             {m_grid->Combo11[i], m_grid->Combo1[i], m_grid->Combo7[i], m_grid->Combo8[i], m_grid->Combo9[i]})
            box->setEditText(QString());
    }
}

void Form9::RefreshEntryForm()
{
    {
        const o::EditModeSuspended editModeOff;
        refreshWithEditModeOff();
    }
    // The rows and the "編集" button show the program-wide flag as it is, also
    // when another window switched it on before this one loaded.
    editModeChanged(o::EditModeIsOn());
}

void Form9::refreshWithEditModeOff()
{
    m_grid->DisableAllRows();
    Label1->clear();

    const dao::Date now = dao::Date::now();
    std::string status = "消費税：" + o::FormatNumber(TaxRateOn(m_taxRates, now, true, false), o::kWholeMask) + "% ";
    const std::string filing = SettingsRecordset->get(schema::column::TaxFiling).toText();
    if (filing == "1")
        status += "免税";
    else if (filing == "2")
        status += "簡易課税";
    else if (filing == "3")
        status += "原則課税";
    if (filing != "1") {
        const std::string method = SettingsRecordset->get(schema::column::TaxHandling).toText();
        if (method == "1")
            status += "、外税";
        else if (method == "2")
            status += "、内税";
        else if (method == "3")
            status += "、別途入力";
        else if (method == "4")
            status += "、計算なし";
        status += SettingsRecordset->get(schema::column::TaxCalculation).toBool() ? "、消費税自動計算" : "、手計算";
        const std::string fraction = SettingsRecordset->get(schema::column::Rounding).toText();
        if (fraction == "1")
            status += "、端数切捨て";
        else if (fraction == "2")
            status += "、四捨五入";
        else if (fraction == "3")
            status += "、切り上げ";
    }
    Label10->setText(q(status));

    m_grid->ClearEntry(selectedKind());
    EntryDate = now;
    showDate(now);
    ShowTemplateList();
    ShowJournalList();
}

void Form9::showDate(const dao::Date& d)
{
    Combo2[0]->setEditText(q(o::FormatDate(d, "yyyy") + "年"));
    Combo2[1]->setEditText(q(o::FormatDate(d, "mm") + "月"));
    Combo2[2]->setEditText(q(o::FormatDate(d, "dd") + "日"));
    Label3->setText(q(o::EraYearText(d)));
}

// ---- helpers ------------------------------------------------------------------

VoucherKind Form9::selectedKind() const
{
    if (Option8[1] && Option8[1]->isChecked())
        return VoucherKind::Receipt;
    if (Option8[2] && Option8[2]->isChecked())
        return VoucherKind::Payment;
    return VoucherKind::Transfer;
}

void Form9::refuse(const std::string& message)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(message, ui::Buttons::Ok);
}

std::optional<dao::Date> Form9::boxDate() const
{
    return DateFromBoxes(s(Combo2[0]->currentText()), s(Combo2[1]->currentText()), s(Combo2[2]->currentText()));
}

std::string Form9::FindCode(int kind, const std::string& name)
{
    return o::FindCode({AccountMasterRecordset.get(), BankAccountRecordset.get(), BranchesInUseRecordset.get()}, kind,
                       name);
}

std::string Form9::FindBranchCode(const std::string& bankCode, const std::string& branchName)
{
    return o::FindBranchCode(*BranchesInUseRecordset, bankCode, branchName);
}

std::string Form9::AccountNameOf(const std::string& code)
{
    if (!UsedAccountsRecordset->isEmpty()) {
        UsedAccountsRecordset->MoveFirst();
        UsedAccountsRecordset->FindFirst(schema::column::AccountCode, dao::Value(code));
        if (!UsedAccountsRecordset->NoMatch())
            return UsedAccountsRecordset->get(schema::column::AccountName).toText();
    }
    refuse(kCodeNotRegistered);
    return {};
}

}  // namespace journal
