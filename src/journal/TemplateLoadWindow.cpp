#include "journal/TemplateLoadWindow.h"

#include "common/NumberFormat.h"
#include "common/EditMode.h"
#include "journal/Form9.h"
#include "journal/TemplateLoad.h"
#include "platform/ui/Dialogs.h"

#include <QSignalBlocker>
#include <QStringList>

namespace journal {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

VoucherKind selectedKind(const Form9& form)
{
    for (int i = 0; i < 3; ++i)
        if (form.Option8[i]->isChecked())
            return static_cast<VoucherKind>(i);
    return VoucherKind::Transfer;
}

}  // namespace

void FillTemplateList(Form9& form)
{
    const o::EditModeSuspended editModeOff;
    const QSignalBlocker quiet(form.List1);   // filling the list loads no template
    form.List1->clear();
    QStringList lines;
    for (const std::string& line : TemplateListTexts(*form.TemplateRecordset))
        lines << q(line);
    form.List1->addItems(lines);
}

void TemplateList_Click(Form9& form)
{
    const int line = form.List1->currentRow();
    if (line < 0 || form.List1->selectedItems().isEmpty())
        return;
    EntryGrid& grid = form.grid();
    grid.ClearEntry(selectedKind(form));
    dao::Recordset& templates = *form.TemplateRecordset;
    LocateTemplate(templates, line);
    const bool tooLong =
        LoadTemplateAmounts(templates, grid.DebitAmounts, grid.CreditAmounts, grid.DebitTotal, grid.CreditTotal);
    const LoadedTemplate loaded = ReadTemplateRows(templates);
    if (loaded.rows.empty())
        return;

    // The kind's own handler leaves the grid alone while a List1 line is selected.
    form.Option8[TemplateVoucherKind(loaded.rows.front(), form.CashAccountCode)]->setChecked(true);

    for (std::size_t i = 0; i < loaded.rows.size(); ++i) {
        const TemplateRecord& row = loaded.rows[i];
        if (!row.description.empty()) grid.Text1[i]->setText(q(row.description));
        if (!row.partner.empty()) grid.Combo11[i]->setEditText(q(row.partner));
        if (!row.debitCode.empty()) {
            if (!row.debitName.empty()) grid.Combo1[i]->setEditText(q(row.debitName));
            grid.DebitAmounts[i] = static_cast<std::int32_t>(row.debit.value_or(0));
            grid.Text8[i]->setText(q(o::FormatNumber(grid.DebitAmounts[i], "###,###,##0")));
        }
        if (!row.creditCode.empty()) {
            if (!row.creditName.empty()) grid.Combo7[i]->setEditText(q(row.creditName));
            grid.CreditAmounts[i] = static_cast<std::int32_t>(row.credit.value_or(0));
            grid.Text9[i]->setText(q(o::FormatNumber(grid.CreditAmounts[i], "###,###,##0")));
        }
        if (!row.bankName.empty()) grid.Combo8[i]->setEditText(q(row.bankName));
        if (!row.branchName.empty()) grid.Combo9[i]->setEditText(q(row.branchName));
    }
    form.Label1->setText(loaded.rows.back().closingEntry ? "決算仕訳" : "");
    grid.RecalcTotals();
    grid.ShowTotals("###,###,##0");

    if (!form.List2->selectedItems().isEmpty())
        form.ShowJournalList();
    if (tooLong || loaded.tooLong) {
        ui::dialogs().beep();
        ui::dialogs().messageBox(kTemplateTooLongMessage, ui::Buttons::Ok);
    }
}

}  // namespace journal
