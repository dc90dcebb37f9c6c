#include "journal/TemplateLoadWindow.h"

#include "common/EditMode.h"
#include "journal/Form9.h"
#include "journal/Form9Text.h"
#include "journal/GridRecall.h"
#include "journal/TemplateRows.h"
#include "platform/ui/Dialogs.h"

#include <QSignalBlocker>
#include <QStringList>

namespace journal {

namespace {

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
    const QSignalBlocker quiet(form.List1);  // filling the list loads no template
    form.List1->clear();
    const std::vector<JournalRecord> rows = ReadJournalRecords(*form.TemplateRecordset, RecordKind::Template);
    ListedRows& listed = form.templateLines();
    listed.clear();
    for (const JournalRecord& row : rows)
        listed.add(row);
    QStringList lines;
    for (const std::string& line : TemplateListTexts(rows))
        lines << form9::q(line);
    form.List1->addItems(lines);
}

void TemplateList_Click(Form9& form)
{
    const int line = form.List1->currentRow();
    if (line < 0 || form.List1->selectedItems().isEmpty())
        return;
    // The template of the line, by its 仕訳ID, as the file holds it now.
    const ListedRows& listed = form.templateLines();
    const std::vector<JournalRecord> stored =
        ReadStoredRows(form.database(), RecordKind::Template, listed.numberAt(line));
    if (stored.empty())
        return form.refuseStaleLine(form9::kTemplateVanished, true);
    if (VoucherFingerprints(stored) != listed.voucherAt(line))
        return form.refuseStaleLine(form9::kTemplateChanged, true);
    const RecalledRows recalled = GridRowsOf(stored);
    if (const auto outOfRange = RecalledAmountOutOfRange(recalled)) {
        ui::dialogs().beep();
        ui::dialogs().messageBox(*outOfRange, ui::Buttons::Ok);
        return;
    }

    EntryGrid& grid = form.grid();
    grid.ClearEntry(selectedKind(form));
    LoadRecalledAmounts(recalled, grid.DebitAmounts, grid.CreditAmounts, grid.DebitTotal, grid.CreditTotal);
    form.ShowRecalledRows(recalled, RecordKind::Template);

    if (form.List2->hasSelectedLine())
        form.ShowJournalList();
    if (recalled.tooLong) {
        ui::dialogs().beep();
        ui::dialogs().messageBox(kTemplateTooLongMessage, ui::Buttons::Ok);
    }
}

}  // namespace journal
