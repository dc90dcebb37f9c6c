#include "journal/VoucherRows.h"

#include "journal/AmountRange.h"
#include "journal/EntryChecks.h"

namespace journal {

namespace messages {

std::string AmountNotNumeric(int gridRow)
{
    return std::to_string(gridRow) + "行目の金額が数値ではありません";
}

std::string AmountOutOfRange(int gridRow)
{
    return std::to_string(gridRow) + "行目の金額が扱える範囲（-2,147,483,648～2,147,483,647円）を超えています";
}

}  // namespace messages

namespace {

// The amount of a cell: 0 when empty, nullopt with the message otherwise.
std::optional<std::int32_t> readCell(const std::string& text, int gridRow, std::optional<std::string>& error)
{
    const AmountText amount = ReadAmountText(text);
    switch (amount.kind) {
    case AmountText::Kind::Empty: return 0;
    case AmountText::Kind::Amount: return amount.amount;
    case AmountText::Kind::NotNumeric: error = messages::AmountNotNumeric(gridRow); return std::nullopt;
    case AmountText::Kind::OutOfRange: error = messages::AmountOutOfRange(gridRow); return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> textOrUnset(const std::string& text, BuildMode mode)
{
    if (text.empty() && mode == BuildMode::Register)
        return std::nullopt;
    return text;
}

}  // namespace

VoucherBuild BuildVoucherRows(const EntryRows& grid, const dao::Date& date, const CodeLookup& findCode,
                              const BranchLookup& findBranch, BuildMode mode)
{
    VoucherBuild build;
    std::string lastPartner;
    std::string lastDebitCode;
    std::string lastCreditCode;
    std::int64_t debitTotal = 0;
    std::int64_t creditTotal = 0;
    for (int i = 0; i < kGridRows; ++i) {
        const EntryRow& cell = grid[i];
        if (!IsStoredRow(cell))
            continue;
        VoucherRow row;
        row.date = date;
        row.rowNumber = static_cast<int>(build.rows.size()) + 1;
        row.description = textOrUnset(cell.description, mode);

        if (mode == BuildMode::Register) {
            if (!cell.partner.empty())
                lastPartner = cell.partner;
            if (!lastPartner.empty())
                row.partner = lastPartner;
        } else {
            row.partner = cell.partner;
        }

        const std::string debitCode = findCode(2, cell.debitAccount);
        if (!debitCode.empty())
            lastDebitCode = debitCode;
        else if (!cell.debitAccount.empty() || lastDebitCode.empty()) {
            build.error = messages::kDebitAccountNotRegistered;
            return build;
        }
        row.debitCode = lastDebitCode;

        const std::string creditCode = findCode(3, cell.creditAccount);
        if (!creditCode.empty())
            lastCreditCode = creditCode;
        else if (!cell.creditAccount.empty() || lastCreditCode.empty()) {
            build.error = messages::kCreditAccountNotRegistered;
            return build;
        }
        row.creditCode = lastCreditCode;

        const auto debit = readCell(cell.debitAmount, i + 1, build.error);
        if (!debit)
            return build;
        const auto credit = readCell(cell.creditAmount, i + 1, build.error);
        if (!credit)
            return build;
        row.debit = *debit;
        row.credit = *credit;
        debitTotal += *debit;
        creditTotal += *credit;
        if (!FitsAmount(debitTotal) || !FitsAmount(creditTotal)) {
            build.error = messages::kTotalOutOfRange;
            return build;
        }

        const std::string bankCode = findCode(4, cell.bank);
        const std::string branchCode = findBranch(bankCode, cell.branch);
        if (!bankCode.empty())
            row.bankCode = bankCode;
        else if (mode == BuildMode::Update)
            row.bankCode = std::string();
        if (!branchCode.empty())
            row.branchCode = branchCode;
        else if (mode == BuildMode::Update)
            row.branchCode = std::string();

        build.rows.push_back(std::move(row));
    }
    if (build.rows.empty())
        build.error = messages::kNoRowToStore;
    return build;
}

}  // namespace journal
