#pragma once
// The journal-entry window's template list "仕訳定型リスト" (List1): filling it
// and loading the template of a clicked line into the entry grid.

namespace journal {

class Form9;

// ShowTemplateList: refills List1 from the window's template recordset with the
// edit mode off while it fills; leaves the recordset on its first row.
void FillTemplateList(Form9& form);

// List1_Click: loads the template of the selected line into the grid (cells,
// amounts, totals, voucher kind, the "決算仕訳" marker), ten rows at most (a
// longer template is loaded in part and says so); refills the journal list when
// one of its lines was selected.
void TemplateList_Click(Form9& form);

}  // namespace journal
