#pragma once
// Bringing a stored voucher or template back into the entry grid: the rows the
// grid takes (ten at most), their amounts for the amount arrays, and the
// voucher kind the first row chooses.

#include "journal/EntryRows.h"
#include "journal/JournalRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace journal {

inline const char* const kTemplateTooLongMessage = "この定型仕訳は10行を超えています。最初の10行だけを読み込みました";

struct RecalledRows {
    std::vector<JournalRecord> rows;  // ten at most, in their stored order
    bool tooLong = false;             // the voucher or template has more rows than the grid
};

RecalledRows GridRowsOf(const std::vector<JournalRecord>& stored);

// LoadVoucherAmounts and LoadTemplateAmounts: the arrays (rows 0-9, the rest 0)
// and the totals from the recalled rows' amounts (an empty amount counts 0).
void LoadRecalledAmounts(const RecalledRows& recalled, AmountArray& debitAmounts, AmountArray& creditAmounts,
                         std::int64_t& debitTotal, std::int64_t& creditTotal);

// The message when a recalled amount does not fit the grid's 32-bit amounts,
// naming the row; nothing when every amount fits.
std::optional<std::string> RecalledAmountOutOfRange(const RecalledRows& recalled);

// The voucher kind the first row chooses: 0 "振替伝票"; 1 "入金伝票" when it
// debits cash; 2 "出金伝票" when it credits cash (the later test decides).
int RecalledVoucherKind(const JournalRecord& firstRow, const std::string& cashCode);

}  // namespace journal
