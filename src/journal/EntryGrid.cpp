#include "journal/EntryGrid.h"

#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "journal/AmountRange.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Value.h"
#include "platform/ui/Dialogs.h"

#include <QPalette>

#include <cstdlib>

namespace journal {

namespace {

// Twips to pixels (15 twips to a pixel at 96 dpi).
int px(int twips)
{
    return twips / 15;
}

constexpr int kRowTop = 1680;
constexpr int kRowHeight = 240;
constexpr int kTotalsTop = 4080;

struct Column {
    int left;
    int width;
};
constexpr Column kNumber{840, 255}, kDescription{1200, 3375}, kPartner{4560, 1455}, kDebitAccount{6000, 1815},
    kDebitAmount{7800, 1335}, kCreditAccount{9120, 1815}, kCreditAmount{10920, 1335}, kBank{12240, 1455},
    kBranch{13680, 1455};

void place(QWidget* w, Column c, int top)
{
    w->setGeometry(px(c.left), px(top), px(c.width), px(kRowHeight));
}

// Rows 2, 4, ... and the totals are light grey (the partner cells of those rows
// the button face); the other rows white.
QColor background(QWidget* window, int row, bool partnerCell)
{
    if (row % 2 == 0)
        return Qt::white;
    return partnerCell ? window->palette().color(QPalette::Button) : QColor(0xE0, 0xE0, 0xE0);
}

void paint(QWidget* cell, const QColor& color)
{
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Base, color);
    cell->setPalette(palette);
}

QComboBox* makeCombo(QWidget* window, Column c, int row, bool partnerCell = false)
{
    auto* combo = new QComboBox(window);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    paint(combo, background(window, row, partnerCell));
    place(combo, c, kRowTop + kRowHeight * row);
    return combo;
}

QLineEdit* makeText(QWidget* window, Column c, int top, const QColor& color)
{
    auto* text = new QLineEdit(window);
    paint(text, color);
    place(text, c, top);
    return text;
}

std::string text(const QLineEdit* e)
{
    return e->text().toStdString();
}
std::string text(const QComboBox* c)
{
    return c->currentText().toStdString();
}

}  // namespace

QString AmountCellText(std::int64_t amount, const char* mask)
{
    return QString::fromStdString(o::FormatNumber(amount, mask));
}

EntryGrid::EntryGrid(QWidget* window)
{
    for (int i = 0; i < kGridRows; ++i) {
        const int top = kRowTop + kRowHeight * i;
        RowNumbers[i] = new QLabel(QString::number(i + 1), window);
        place(RowNumbers[i], kNumber, top);
        Text1[i] = makeText(window, kDescription, top, background(window, i, false));
        Combo11[i] = makeCombo(window, kPartner, i, true);
        Combo1[i] = makeCombo(window, kDebitAccount, i);
        Text8[i] = makeText(window, kDebitAmount, top, background(window, i, false));
        Combo7[i] = makeCombo(window, kCreditAccount, i);
        Text9[i] = makeText(window, kCreditAmount, top, background(window, i, false));
        Combo8[i] = makeCombo(window, kBank, i);
        Combo9[i] = makeCombo(window, kBranch, i);
        Text8[i]->setAlignment(Qt::AlignRight);
        Text9[i]->setAlignment(Qt::AlignRight);
    }
    Text8[kGridRows] = makeText(window, kDebitAmount, kTotalsTop, QColor(0xE0, 0xE0, 0xE0));
    Text9[kGridRows] = makeText(window, kCreditAmount, kTotalsTop, QColor(0xE0, 0xE0, 0xE0));
    Text8[kGridRows]->setAlignment(Qt::AlignRight);
    Text9[kGridRows]->setAlignment(Qt::AlignRight);
}

void EntryGrid::PlaceHeadings(const std::function<QLabel*(const QString& text)>& makeLabel)
{
    constexpr int kHeadingTop = 1440;
    const std::pair<const char*, Column> headings[] = {
        {"摘　　要", kDescription},   {"取引先", kPartner},    {"借方科目", kDebitAccount}, {"金額", kDebitAmount},
        {"貸方科目", kCreditAccount}, {"金額", kCreditAmount}, {"銀行名", kBank},           {"支店名", kBranch}};
    for (const auto& [text, column] : headings) {
        QLabel* heading = makeLabel(QString::fromUtf8(text));
        heading->setAlignment(Qt::AlignCenter);
        QPalette palette = heading->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Window, Qt::blue);
        heading->setAutoFillBackground(true);
        heading->setPalette(palette);
        place(heading, column, kHeadingTop);
    }
}

void EntryGrid::ClearEntry(VoucherKind kind)
{
    Text8[kGridRows]->clear();
    Text9[kGridRows]->clear();
    for (int i = 0; i < kGridRows; ++i) {
        Text1[i]->clear();
        Combo11[i]->setEditText(QString());
        Combo1[i]->setEditText(QString());
        Text8[i]->clear();
        Text9[i]->clear();
        Combo7[i]->setEditText(QString());
        Combo8[i]->setEditText(QString());
        Combo9[i]->setEditText(QString());
        DebitAmounts[i] = 0;
        CreditAmounts[i] = 0;
    }
    DebitTotal = 0;
    CreditTotal = 0;
    if (kind == VoucherKind::Receipt)
        Combo1[0]->setEditText("現金");
    if (kind == VoucherKind::Payment)
        Combo7[0]->setEditText("現金");
    Text8[0]->setText("0");
    Text9[0]->setText("0");
}

void EntryGrid::FillAccountLists(dao::Recordset& usedAccounts)
{
    QStringList debit, credit;
    if (!usedAccounts.isEmpty()) {
        for (usedAccounts.MoveFirst(); !usedAccounts.EOF_(); usedAccounts.MoveNext()) {
            const std::string name = usedAccounts.get(schema::column::AccountName).toText();
            if (name.empty())
                continue;
            const dao::Value side = usedAccounts.get(schema::column::DebitCredit);
            const bool bothSides = usedAccounts.get(schema::column::NeedsCounterpart).toBool();
            if ((side.isNumeric() && side.toInt64() == 0) || bothSides)
                debit << QString::fromStdString(name);
            if ((side.isNumeric() && side.toInt64() == 1) || bothSides)
                credit << QString::fromStdString(name);
        }
    }
    for (int row = 0; row < kGridRows; ++row) {
        Combo1[row]->clear();
        Combo1[row]->addItems(debit);
        Combo7[row]->clear();
        Combo7[row]->addItems(credit);
    }
}

void EntryGrid::ShowTotals(const char* mask)
{
    Text8[kGridRows]->setText(AmountCellText(DebitTotal, mask));
    Text9[kGridRows]->setText(AmountCellText(CreditTotal, mask));
}

void EntryGrid::RecalcTotals()
{
    DebitTotal = 0;
    CreditTotal = 0;
    for (int i = 0; i < kGridRows; ++i) {
        DebitTotal += DebitAmounts[i];
        CreditTotal += CreditAmounts[i];
    }
    ShowTotals(o::kAmount11Mask);
}

bool EntryGrid::Text8_LostFocus(int index)
{
    return amountLeft(index, true);
}
bool EntryGrid::Text9_LostFocus(int index)
{
    return amountLeft(index, false);
}

bool EntryGrid::amountLeft(int index, bool debitSide)
{
    if (index < 0 || index >= kGridRows)
        return true;
    QLineEdit* cell = debitSide ? Text8[index] : Text9[index];
    if (cell->text().isEmpty())
        return true;
    const AmountText amount = ReadAmountText(cell->text().toStdString());
    if (amount.kind == AmountText::Kind::NotNumeric) {
        ui::dialogs().beep();
        cell->setFocus();
        return false;
    }
    // The row holds the same amount on both sides; no total may leave the amount range.
    if (amount.kind == AmountText::Kind::OutOfRange || !TotalsFitWith(index, amount.amount, amount.amount)) {
        ui::dialogs().beep();
        ui::dialogs().messageBox(kAmountOutOfRangeMessage, ui::Buttons::Ok);
        cell->setFocus();
        return false;
    }
    DebitAmounts[index] = amount.amount;
    CreditAmounts[index] = amount.amount;
    if (index > 0) {
        QComboBox* account = debitSide ? Combo1[index] : Combo7[index];
        QComboBox* first = debitSide ? Combo1[0] : Combo7[0];
        if (account->currentText().isEmpty())
            account->setEditText(first->currentText());
    }
    RecalcTotals();
    Text8[index]->setText(AmountCellText(DebitAmounts[index]));
    Text9[index]->setText(AmountCellText(CreditAmounts[index]));
    return true;
}

bool EntryGrid::TotalsFitWith(int row, std::int64_t debit, std::int64_t credit) const
{
    std::int64_t debitSum = debit, creditSum = credit;
    for (int i = 0; i < kGridRows; ++i) {
        if (i == row)
            continue;
        debitSum += DebitAmounts[i];
        creditSum += CreditAmounts[i];
    }
    return FitsAmount(debitSum) && FitsAmount(creditSum);
}

std::string EntryGrid::AccountCellLeft(int row, bool debitSide,
                                       const std::function<std::string(const std::string&)>& nameOfCode)
{
    QComboBox* cell = debitSide ? Combo1[row] : Combo7[row];
    std::string text = cell->currentText().toStdString();
    if (text.empty())
        return {};
    if (!dao::Value(text).isNumeric())
        return text;
    std::string name = nameOfCode(text);
    if (name.empty()) {
        cell->setFocus();
        return {};
    }
    cell->setEditText(QString::fromStdString(name));
    return name;
}

bool EntryGrid::PutTaxRow(int row, bool debitSide, const TaxRateTable& rates, const TaxRowTerms& terms)
{
    const auto figures = TaxRowOf(rates, DebitAmounts, CreditAmounts, row, debitSide, terms);
    if (!figures)
        return false;
    DebitAmounts[row] = figures->tax;
    CreditAmounts[row] = figures->tax;
    Text8[row]->setText(QString::fromStdString(figures->debitText));
    Text9[row]->setText(QString::fromStdString(figures->creditText));
    QComboBox* opposite = debitSide ? Combo7[row] : Combo1[row];
    if (opposite->currentText().isEmpty())
        opposite->setEditText((debitSide ? Combo7[0] : Combo1[0])->currentText());
    RecalcTotals();
    return true;
}

void EntryGrid::setRowEnabled(int row, bool enabled)
{
    for (QWidget* cell : rowCells(row))
        cell->setEnabled(enabled);
}

void EntryGrid::EnableRow(int row)
{
    setRowEnabled(row, true);
}
void EntryGrid::DisableRow(int row)
{
    setRowEnabled(row, false);
}

void EntryGrid::EnableAllRows()
{
    for (int i = 0; i < kGridRows; ++i)
        EnableRow(i);
}

void EntryGrid::DisableAllRows()
{
    for (int i = 0; i < kGridRows; ++i)
        DisableRow(i);
}

std::array<QWidget*, 8> EntryGrid::rowCells(int row) const
{
    return {Text1[row], Combo11[row], Combo1[row], Text8[row], Combo7[row], Text9[row], Combo8[row], Combo9[row]};
}

EntryRows EntryGrid::rows() const
{
    EntryRows result;
    for (int i = 0; i < kGridRows; ++i) {
        EntryRow& r = result[i];
        r.description = text(Text1[i]);
        r.partner = text(Combo11[i]);
        r.debitAccount = text(Combo1[i]);
        r.debitAmount = text(Text8[i]);
        r.creditAccount = text(Combo7[i]);
        r.creditAmount = text(Text9[i]);
        r.bank = text(Combo8[i]);
        r.branch = text(Combo9[i]);
    }
    return result;
}

}  // namespace journal
