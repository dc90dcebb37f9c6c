#include "setup/TemplateTab.h"
#include "periodfile/SchemaNames.h"
#include "common/NumberMasks.h"

#include "common/EditMode.h"
#include "common/FindCode.h"
#include "frame/FieldTexts.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
#include "journal/AmountRange.h"
#include "journal/TaxRow.h"
#include "journal/TaxRowAccount.h"
#include "platform/dao/DaoError.h"
#include "platform/ui/Dialogs.h"
#include "setup/RegisterLists.h"
#include "setup/SetupControls.h"
#include "setup/SetupTax.h"
#include "setup/TemplateRegister.h"

#include <QVBoxLayout>

#include <algorithm>

namespace setup {

using frame::fromQ;
using frame::toQ;
using namespace controls;

namespace {

constexpr const char* kFirstRowAmountsDiffer = "1行目の借方、貸方の合計金額が相違します";
constexpr const char* kDeleteTemplateQuestion = "選択された定型仕訳を削除します　よろしいですか？";

std::int32_t amountOf(const dao::Value& value)
{
    return value.isNumeric() ? value.toInt32() : 0;
}

}  // namespace

TemplateTab::TemplateTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : SetupTab(file, cellExits)
{
    auto* layout = new QVBoxLayout(this);

    // The grid lays its cells out at their own places (twips from the top left
    // of its parent); the controls of the tab and the column headings stand
    // above it in the same area.
    auto* gridArea = new QWidget;
    gridArea->setFixedSize(1030, 300);
    const auto placeInRow = [](QWidget* w, int& left, int top) {
        const QSize size = w->sizeHint();
        w->setGeometry(left, top, size.width(), size.height());
        left += size.width() + 8;
    };
    int left = 56;
    static const char* const kindCaptions[3] = {"振替伝票", "入金伝票", "出金伝票"};
    for (int i = 0; i < 3; ++i) {
        Option8[i] = new QRadioButton(kindCaptions[i], gridArea);
        Option8[i]->setObjectName(indexed("Option8", i));
        placeInRow(Option8[i], left, 6);
    }
    Option8[0]->setChecked(true);
    left += 20;
    placeInRow(label("表示優先順位", gridArea), left, 8);
    Combo4 = comboBox("Combo4", gridArea);
    Combo4->setMinimumWidth(50);
    placeInRow(Combo4, left, 4);
    Check3 = new QCheckBox("決算整理仕訳", gridArea);
    Check3->setObjectName("Check3");
    placeInRow(Check3, left, 6);

    left = 56;
    static const std::pair<Command1Button, const char*> templateButtons[] = {{ClearInput, "入力クリア"},
                                                                             {Register, "登録"},
                                                                             {Update, "更新"},
                                                                             {Delete, "削除"},
                                                                             {CorrectAmounts, "金額補正"}};
    for (const auto& [which, caption] : templateButtons) {
        Command1[which] = button(caption, indexed("Command1", static_cast<int>(which)), gridArea);
        connect(Command1[which], &QPushButton::clicked, this, [this, which = which] { Command1_Click(which); });
        placeInRow(Command1[which], left, 40);
    }
    placeInRow(label("1行目を合計額と見なし、金額を補正する", gridArea), left, 46);

    journal::EntryGrid::PlaceHeadings([gridArea](const QString& text) { return label(text, gridArea); });
    m_grid = std::make_unique<journal::EntryGrid>(gridArea);
    for (int totalLeft : {7100, 10220})
        label("合計", gridArea)->setGeometry(totalLeft / 15, 4080 / 15, 650 / 15, 240 / 15);
    for (int row = 0; row < journal::kGridRows; ++row)
        for (QWidget* cell : m_grid->rowCells(row))
            watchFocus(cell);
    watchFocus(m_grid->Text8[journal::kGridRows]);
    watchFocus(m_grid->Text9[journal::kGridRows]);
    m_grid->Text8[journal::kGridRows]->setReadOnly(true);
    m_grid->Text9[journal::kGridRows]->setReadOnly(true);
    layout->addWidget(gridArea, 0, Qt::AlignLeft);

    layout->addWidget(label("仕訳定型リスト"));
    List1 = frame::newRecordList(this, "List1");
    frame::onListClick(List1, this, [this](int) { List1_Click(); });
    layout->addWidget(List1, 1);
}

TemplateTab::~TemplateTab() = default;

void TemplateTab::setInputsUsable(bool usable)
{
    for (int row = 0; row < journal::kGridRows; ++row)
        for (QWidget* cell : m_grid->rowCells(row))
            setUsable(cell, usable);
    setUsable(Combo4, usable);
    setUsable(Check3, usable);
}

void TemplateTab::controlLeft(QObject* control)
{
    const auto indexIn = [control](const auto& array) -> int {
        const auto it = std::find(array.begin(), array.end(), control);
        return it == array.end() ? -1 : static_cast<int>(it - array.begin());
    };
    const journal::EntryGrid& g = *m_grid;
    if (int i = indexIn(g.Combo1); i >= 0)
        return Combo1_LostFocus(i);
    if (int i = indexIn(g.Combo7); i >= 0)
        return Combo7_LostFocus(i);
    if (int i = indexIn(g.Text8); i >= 0)
        return Text8_LostFocus(i);
    if (int i = indexIn(g.Text9); i >= 0)
        return Text9_LostFocus(i);
}

// Entering a cell selects its whole text while edit mode is on: a bank cell
// always, an account cell only when it holds one, the totals cells never.
bool TemplateTab::textSelectsOnEntry(const QLineEdit* text) const
{
    const journal::EntryGrid& g = *m_grid;
    return o::EditModeIsOn() && text != g.Text8[journal::kGridRows] && text != g.Text9[journal::kGridRows];
}

bool TemplateTab::comboSelectsOnEntry(const QComboBox* combo) const
{
    const auto in = [combo](const auto& array) { return std::find(array.begin(), array.end(), combo) != array.end(); };
    const journal::EntryGrid& g = *m_grid;
    const bool editing = o::EditModeIsOn();
    if (in(g.Combo8))
        return true;
    if (in(g.Combo1) || in(g.Combo7))
        return editing && !combo->currentText().isEmpty();
    if (in(g.Combo9) || in(g.Combo11))
        return editing;
    return false;
}

// ---- choice lists ----------------------------------------------------------------------

void TemplateTab::FillChoices()
{
    const QStringList banks = frame::FieldTexts(*m_file.BanksInUseRecordset, schema::column::BankName);
    const QStringList branches = frame::FieldTexts(*m_file.BranchesInUseRecordset, schema::column::BranchName);
    for (int row = 0; row < journal::kGridRows; ++row)
        m_grid->Combo8[row]->addItems(banks);
    for (int row = 0; row < journal::kGridRows; ++row)
        m_grid->Combo9[row]->addItems(branches);
    FillAccountCombos();
    if (!m_file.PartnerRecordset->isEmpty()) {
        const QStringList partners = frame::FieldTexts(*m_file.PartnerRecordset, schema::column::PartnerName);
        for (int row = 0; row < journal::kGridRows; ++row)
            m_grid->Combo11[row]->addItems(partners);
    }
    Combo4->clear();
    for (int n = 1; n <= 9; ++n)
        Combo4->addItem(QString::number(n));
}

void TemplateTab::RefillBankLists()
{
    const QStringList banks = frame::FieldTexts(*m_file.BanksInUseRecordset, schema::column::BankName);
    const QStringList branches = frame::FieldTexts(*m_file.BranchesInUseRecordset, schema::column::BranchName);
    for (int row = 0; row < journal::kGridRows; ++row) {
        const QString bank = m_grid->Combo8[row]->currentText();
        const QString branch = m_grid->Combo9[row]->currentText();
        m_grid->Combo8[row]->clear();
        m_grid->Combo8[row]->addItems(banks);
        m_grid->Combo8[row]->setEditText(bank);
        m_grid->Combo9[row]->clear();
        m_grid->Combo9[row]->addItems(branches);
        m_grid->Combo9[row]->setEditText(branch);
    }
}

void TemplateTab::clearTemplateList()
{
    clearList(List1);
}

// ---- tax lookups ------------------------------------------------------------------------

int TemplateTab::TaxRateOn(const dao::Date& d, bool taxable, bool simplified)
{
    return SetupTaxRateOn(*m_file.TaxRateRecordset, d, taxable, simplified);
}

// ---- lookups ---------------------------------------------------------------------------

std::string TemplateTab::FindCode(int kind, const std::string& name)
{
    if (kind < 2 || kind > 4)
        return {};
    return o::FindCode({m_file.AccountMasterRecordset.get(), m_file.BankAccountRecordset.get(), nullptr}, kind, name);
}

std::string TemplateTab::FindBranchCode(const std::string& bankCode, const std::string& branchName)
{
    return o::FindBranchCode(*m_file.BranchesInUseRecordset, bankCode, branchName);
}

std::string TemplateTab::AccountNameOf(const std::string& code)
{
    dao::Recordset& used = *m_file.UsedAccountsRecordset;
    if (!used.isEmpty()) {
        used.MoveFirst();
        used.FindFirst(schema::column::AccountCode, dao::Value(code));
        if (!used.NoMatch())
            return used.get(schema::column::AccountName).toText();
    }
    refuse("勘定科目コードが登録されていません");
    return {};
}

// ---- the grid ----------------------------------------------------------------------------

void TemplateTab::ClearEntry()
{
    journal::VoucherKind kind = journal::VoucherKind::Transfer;
    if (Option8[1]->isChecked())
        kind = journal::VoucherKind::Receipt;
    if (Option8[2]->isChecked())
        kind = journal::VoucherKind::Payment;
    m_grid->ClearEntry(kind);
    Combo4->setEditText(QString());
}

void TemplateTab::RecalcTotals()
{
    m_grid->RecalcTotals();
}

bool TemplateTab::ValidateEntry()
{
    const journal::CodeLookup findCode = [this](int kind, const std::string& name) { return FindCode(kind, name); };
    if (const auto message = TemplateEntryRefusal(m_grid->rows(), findCode)) {
        refuse(*message);
        return true;
    }
    return false;
}

// The template grid's account cells, as the journal window's.
void TemplateTab::FillAccountCombos()
{
    m_grid->FillAccountLists(*m_file.UsedAccountsRecordset);
}

void TemplateTab::Combo1_LostFocus(int index)
{
    accountCellLeft(index, true);
}
void TemplateTab::Combo7_LostFocus(int index)
{
    accountCellLeft(index, false);
}

// A code typed into an account cell becomes the account's name; in rows 1 to 9
// the tax account ("仮払消費税" debit, "仮受消費税" credit) makes the row the
// tax on the amount of the row above, at today's rate and the flags of the
// account above (the tax account's own when that cell is empty).
void TemplateTab::accountCellLeft(int row, bool debitSide)
{
    if (row < 0 || row >= journal::kGridRows)
        return;
    journal::EntryGrid& g = *m_grid;
    const std::string name =
        g.AccountCellLeft(row, debitSide, [this](const std::string& code) { return AccountNameOf(code); });
    if (row == 0 || name.empty())
        return;
    const std::string above = fromQ((debitSide ? g.Combo1[row - 1] : g.Combo7[row - 1])->currentText());
    const journal::CodeLookup findCode = [this](int kind, const std::string& account) {
        return FindCode(kind, account);
    };
    const auto flags =
        journal::TaxRowFlagsOf({row, debitSide, name, above},
                               journal::ChartTaxFlags(findCode, debitSide ? 2 : 3, *m_file.AccountMasterRecordset),
                               {.emptyAboveTakesTaxAccountFlags = true});
    if (!flags)
        return;
    const journal::TaxRowTerms terms{
        dao::Date::now(), flags->taxable, flags->simplified,
        journal::FractionRuleOf(m_file.SettingsRecordset->get(schema::column::Rounding).toText()),
        journal::kGroupedOppositeMasks};
    if (!g.PutTaxRow(row, debitSide, journal::ReadTaxRateTable(*m_file.TaxRateRecordset), terms))
        refuse(journal::kAmountOutOfRangeMessage);
}

void TemplateTab::Text8_LostFocus(int index)
{
    amountCellLeft(index, true);
}
void TemplateTab::Text9_LostFocus(int index)
{
    amountCellLeft(index, false);
}

// An amount typed on one side; the other side takes it while it is 0. In rows
// 1 to 9 an empty account cell on that side takes row 0's account.
void TemplateTab::amountCellLeft(int row, bool debitSide)
{
    if (row < 0 || row >= journal::kGridRows || !o::EditModeIsOn())
        return;
    journal::EntryGrid& g = *m_grid;
    QLineEdit* cell = debitSide ? g.Text8[row] : g.Text9[row];
    if (cell->text().isEmpty())
        return;
    const journal::AmountText amount = journal::ReadAmountText(fromQ(cell->text()));
    if (amount.kind == journal::AmountText::Kind::NotNumeric) {
        ui::dialogs().beep();
        cell->setFocus();
        return;
    }
    std::int32_t debit = g.DebitAmounts[row], credit = g.CreditAmounts[row];
    std::int32_t& side = debitSide ? debit : credit;
    std::int32_t& other = debitSide ? credit : debit;
    side = amount.amount;
    if (other == 0)
        other = amount.amount;
    if (amount.kind == journal::AmountText::Kind::OutOfRange || !g.TotalsFitWith(row, debit, credit)) {
        refuse(journal::kAmountOutOfRangeMessage);
        cell->setFocus();
        return;
    }
    g.DebitAmounts[row] = debit;
    g.CreditAmounts[row] = credit;
    if (row > 0) {
        QComboBox* account = debitSide ? g.Combo1[row] : g.Combo7[row];
        if (account->currentText().isEmpty())
            account->setEditText((debitSide ? g.Combo1[0] : g.Combo7[0])->currentText());
    }
    RecalcTotals();
    g.Text8[row]->setText(journal::AmountCellText(g.DebitAmounts[row]));
    g.Text9[row]->setText(journal::AmountCellText(g.CreditAmounts[row]));
}

// ---- the list ------------------------------------------------------------------------------

// One line per template row; the grid and its amounts are left as they are.
void TemplateTab::ShowTemplateList()
{
    const o::EditModeSuspended editModeOff;
    TemplateListLines lines;
    dao::Recordset& templates = *m_file.TemplateRecordset;
    fillList(List1, templates, ComparedFields(), [&lines](dao::Recordset& rs) {
        const ListLine line = lines.next(rs);
        return std::pair{line.text, line.key};
    });
    if (!templates.isEmpty())
        templates.MoveFirst();
}

void TemplateTab::refreshTemplates()
{
    m_file.reopen(m_file.TemplateRecordset, "Q_仕訳定型台帳");
    ShowTemplateList();
}

// The fingerprints of the lines that showed the rows of template `id`.
std::vector<std::string> TemplateTab::shownTemplateRows(const std::string& id) const
{
    std::vector<std::string> shown;
    const auto& keys = lineKeys(List1);
    const auto& prints = lineFingerprints(List1);
    for (std::size_t i = 0; i < keys.size() && i < prints.size(); ++i)
        if (TemplateIdOfKey(keys[i]) == id)
            shown.push_back(prints[i]);
    return shown;
}

bool TemplateTab::LocateTemplate()
{
    const int line = chosenLine(List1);
    dao::Recordset& templates = *m_file.TemplateRecordset;
    if (line < 0 || line >= static_cast<int>(lineKeys(List1).size()))
        return false;
    const std::string id = TemplateIdOfKey(lineKeys(List1)[line]);
    const std::vector<std::string> stored = TemplateFingerprints(templates, id);
    if (stored != shownTemplateRows(id)) {
        refuse(stored.empty() ? VanishedMessage(kTemplateWhat) : ChangedElsewhereMessage(kTemplateWhat));
        refreshTemplates();
        return false;
    }
    templates.MoveFirst();
    templates.FindFirst(schema::column::TemplateId, dao::Value(id));
    return !templates.NoMatch();
}

// The amounts of the template whose row the template recordset stands on, into
// the grid's amount arrays (its first six rows at most); the cells stay as they are.
void TemplateTab::LoadTemplateAmounts()
{
    dao::Recordset& templates = *m_file.TemplateRecordset;
    if (templates.isEmpty() || templates.EOF_() || templates.BOF())
        return;
    const dao::Bookmark start = templates.getBookmark();
    const std::string first = templates.get(schema::column::RowNumber).toText();
    journal::EntryGrid& g = *m_grid;
    g.DebitTotal = 0;
    g.CreditTotal = 0;
    for (int i = 0; i < journal::kGridRows; ++i)
        g.DebitAmounts[i] = g.CreditAmounts[i] = 0;
    for (int t = 0; t < 6; ++t) {
        g.DebitAmounts[t] = amountOf(templates.get(schema::column::DebitAmount));
        g.CreditAmounts[t] = amountOf(templates.get(schema::column::CreditAmount));
        g.DebitTotal += g.DebitAmounts[t];
        g.CreditTotal += g.CreditAmounts[t];
        templates.MoveNext();
        if (templates.EOF_() || templates.get(schema::column::RowNumber).toText() == first)
            break;
    }
    templates.setBookmark(start);
}

// Loads the chosen line's template into the grid.
void TemplateTab::List1_Click()
{
    if (chosenLine(List1) < 0 || !LocateTemplate())
        return;
    dao::Recordset& templates = *m_file.TemplateRecordset;
    ClearEntry();
    LoadTemplateAmounts();
    const dao::Bookmark first = templates.getBookmark();
    const std::string id = templates.get(schema::column::TemplateId).toText();
    const std::string debitName = templates.get(schema::column::AccountName).toText();
    const std::string creditName = templates.get(schema::column::AccountName2).toText();
    if (!debitName.empty() && !creditName.empty() && debitName != "現金" && creditName != "現金")
        Option8[0]->setChecked(true);
    if (debitName == "現金")
        Option8[1]->setChecked(true);
    if (creditName == "現金")
        Option8[2]->setChecked(true);

    journal::EntryGrid& g = *m_grid;
    for (int row = 0;
         row < journal::kGridRows && !templates.EOF_() && templates.get(schema::column::TemplateId).toText() == id;
         ++row, templates.MoveNext()) {
        const auto text = [&templates](const char* field) { return templates.get(field).toText(); };
        if (!text(schema::column::Description).empty())
            g.Text1[row]->setText(toQ(text(schema::column::Description)));
        if (!text(schema::column::Partner).empty())
            g.Combo11[row]->setEditText(toQ(text(schema::column::Partner)));
        if (!text(schema::column::AccountName).empty()) {
            g.Combo1[row]->setEditText(toQ(text(schema::column::AccountName)));
            g.DebitAmounts[row] = amountOf(templates.get(schema::column::DebitAmount));
            g.Text8[row]->setText(journal::AmountCellText(g.DebitAmounts[row]));
        }
        if (!text(schema::column::CreditCode).empty()) {
            if (!text(schema::column::AccountName2).empty())
                g.Combo7[row]->setEditText(toQ(text(schema::column::AccountName2)));
            g.CreditAmounts[row] = amountOf(templates.get(schema::column::CreditAmount));
            g.Text9[row]->setText(journal::AmountCellText(g.CreditAmounts[row]));
        }
        if (!text(schema::column::BankName).empty())
            g.Combo8[row]->setEditText(toQ(text(schema::column::BankName)));
        if (!text(schema::column::BranchName).empty())
            g.Combo9[row]->setEditText(toQ(text(schema::column::BranchName)));
        Check3->setChecked(templates.get(schema::column::ClosingEntry).toBool());
        if (!text(schema::column::DisplayOrder).empty())
            Combo4->setEditText(toQ(text(schema::column::DisplayOrder)));
    }
    RecalcTotals();
    g.ShowTotals(o::kAmountMask);
    templates.setBookmark(first);
    emit templateLoaded();
}

// ---- the buttons -----------------------------------------------------------------------------

namespace {

constexpr const char* kRegisterFailure = "定型仕訳を登録できませんでした。何も登録していません";
constexpr const char* kUpdateFailure = "定型仕訳を更新できませんでした。定型仕訳は元のままです";
constexpr const char* kDeleteFailure = "定型仕訳を削除できませんでした。定型仕訳は元のままです";

}  // namespace

void TemplateTab::Command1_Click(Command1Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    if (!o::EditModeIsOn())
        return;
    try {
        switch (button) {
        case ClearInput:
            ClearEntry();
            setInputsUsable(o::EditModeIsOn());
            break;
        case Register: registerTemplate(); break;
        case Update: updateTemplate(); break;
        case Delete: deleteTemplate(); break;
        case CorrectAmounts: correctTemplateAmounts(); break;
        default: break;
        }
    } catch (const dao::DaoError& e) {
        // A read of the checks before the write (the codes typed, the template
        // chosen) that finds the file held or damaged: said once, by the tab.
        if (button != Register && button != Update && button != Delete)
            throw;
        reportFailure(button == Register ? kRegisterFailure : button == Update ? kUpdateFailure : kDeleteFailure, e);
    }
}

namespace {

TemplateRows gridTemplateRows(TemplateTab& form)
{
    return BuildTemplateRows(
        form.grid().rows(), [&form](int kind, const std::string& name) { return form.FindCode(kind, name); },
        [&form](const std::string& bank, const std::string& branch) { return form.FindBranchCode(bank, branch); });
}

}  // namespace

void TemplateTab::registerTemplate()
{
    if (ValidateEntry())
        return;
    const TemplateRows build = gridTemplateRows(*this);
    if (build.error) {
        refuse(*build.error);
        return;
    }
    TemplateHeader header;
    header.closing = Check3->isChecked();
    header.displayOrder = Combo4->currentText().isEmpty() ? "1" : fromQ(Combo4->currentText());
    try {
        RegisterTemplate(workspace(), database(), build.rows, header, dao::Date::now());
    } catch (const std::exception& e) {
        reportFailure(kRegisterFailure, e);
        refreshAfterFailure([this] { refreshTemplates(); });
        return;
    }
    refreshTemplates();
}

int TemplateTab::templateLineToChange()
{
    const int line = chosenLine(List1);
    if (line < 0) {
        refuse(kTemplateNotChosenMessage);
        return -1;
    }
    if (ValidateEntry() || !LocateTemplate())
        return -1;
    return line;
}

// The chosen template replaced as a whole by the grid's rows; the line of the
// same row (or the template's first) is chosen again, which reloads the grid
// from what was stored.
void TemplateTab::updateTemplate()
{
    const int line = templateLineToChange();
    if (line < 0)
        return;
    const std::string key = lineKeys(List1)[line];
    const std::string id = TemplateIdOfKey(key);
    const TemplateRows build = gridTemplateRows(*this);
    if (build.error) {
        refuse(*build.error);
        return;
    }
    TemplateHeader header;
    header.closing = Check3->isChecked();
    header.displayOrder = fromQ(Combo4->currentText());
    try {
        if (const auto refusal =
                ReplaceTemplate(workspace(), database(), id, shownTemplateRows(id), build.rows, header)) {
            refuse(*refusal);
            refreshTemplates();
            return;
        }
    } catch (const std::exception& e) {
        reportFailure(kUpdateFailure, e);
        refreshAfterFailure([this] { refreshTemplates(); });
        return;
    }
    refreshTemplates();
    const auto& keys = lineKeys(List1);
    int reselect = -1;
    for (int i = 0; i < static_cast<int>(keys.size()) && reselect < 0; ++i)
        if (keys[i] == key)
            reselect = i;
    for (int i = 0; i < static_cast<int>(keys.size()) && reselect < 0; ++i)
        if (TemplateIdOfKey(keys[i]) == id)
            reselect = i;
    if (reselect >= 0)
        List1->setCurrentRow(reselect);
}

void TemplateTab::deleteTemplate()
{
    const int line = templateLineToChange();
    if (line < 0)
        return;
    if (ui::dialogs().messageBox(kDeleteTemplateQuestion, ui::Buttons::YesNo, std::string("定型仕訳管理"))
        != ui::Answer::Yes)
        return;
    const std::string id = TemplateIdOfKey(lineKeys(List1)[line]);
    try {
        if (const auto refusal = DeleteTemplate(workspace(), database(), id, shownTemplateRows(id)))
            refuse(*refusal);
    } catch (const std::exception& e) {
        reportFailure(kDeleteFailure, e);
        refreshAfterFailure([this] { refreshTemplates(); });
        return;
    }
    refreshTemplates();
}

// "金額補正": row 0 holds the voucher's total; it becomes what is left after the
// other rows on each side. Only the grid changes.
void TemplateTab::correctTemplateAmounts()
{
    if (chosenLine(List1) < 0) {
        refuse(kTemplateNotChosenMessage);
        return;
    }
    if (ValidateEntry())
        return;
    journal::EntryGrid& g = *m_grid;
    if (g.DebitAmounts[0] != g.CreditAmounts[0]) {
        refuse(kFirstRowAmountsDiffer);
        return;
    }
    std::int64_t debit = g.DebitAmounts[0], credit = g.CreditAmounts[0];
    for (int i = 1; i < journal::kGridRows; ++i) {
        debit -= g.DebitAmounts[i];
        credit -= g.CreditAmounts[i];
    }
    if (!journal::FitsAmount(debit) || !journal::FitsAmount(credit)) {
        refuse(journal::kAmountOutOfRangeMessage);
        return;
    }
    g.DebitAmounts[0] = static_cast<std::int32_t>(debit);
    g.CreditAmounts[0] = static_cast<std::int32_t>(credit);
    g.Text8[0]->setText(journal::AmountCellText(debit, o::kAmount11Mask));
    g.Text9[0]->setText(journal::AmountCellText(credit, o::kAmount11Mask));
    RecalcTotals();
}

}  // namespace setup
