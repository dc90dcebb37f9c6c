#pragma once
// Loading a journal template into the entry grid: finding the template of a
// line of the template list and reading its rows and amounts. A template's rows
// are the rows that share its 仕訳ID; the grid takes ten of them at most.

#include "journal/EntryRows.h"
#include "journal/TemplateRows.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dao { class Recordset; }

namespace journal {

inline const char* const kTemplateTooLongMessage =
    "この定型仕訳は10行を超えています。最初の10行だけを読み込みました";

// LocateTemplate: puts `templates` on the first row of the template whose row
// is line `lineIndex` of the list (line i is row i); nothing happens when the
// recordset is empty or the line is not there.
void LocateTemplate(dao::Recordset& templates, int lineIndex);

// LoadTemplateAmounts: with `templates` on the first row of a template, sets the
// arrays (rows 0-9, the rest 0) and the totals from the amounts of the
// template's rows, up to ten, and puts the recordset back. Returns true when
// the template has more than ten rows. Nothing happens at the end of the recordset.
bool LoadTemplateAmounts(dao::Recordset& templates, AmountArray& debitAmounts, AmountArray& creditAmounts,
                         std::int64_t& debitTotal, std::int64_t& creditTotal);

struct LoadedTemplate {
    std::vector<TemplateRecord> rows;   // ten at most
    bool tooLong = false;               // the template has more rows than the grid
};

// The rows of the template from the current row on (same 仕訳ID), ten at most;
// the recordset is put back.
LoadedTemplate ReadTemplateRows(dao::Recordset& templates);

// The voucher kind a loaded template selects, by its first row: 0 "振替伝票";
// 1 "入金伝票" when it debits cash; 2 "出金伝票" when it credits cash (the
// later test decides).
int TemplateVoucherKind(const TemplateRecord& firstRow, const std::string& cashCode);

}  // namespace journal
