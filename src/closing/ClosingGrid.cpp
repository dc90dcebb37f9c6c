#include "closing/ClosingGrid.h"

#include "journal/AmountRange.h"

namespace closing {

namespace messages {

namespace {

const char* side(bool debitSide)
{
    return debitSide ? "借方" : "貸方";
}

}  // namespace

std::string AmountNotTaken(int gridRow, bool debitSide)
{
    return std::to_string(gridRow) + "行目の" + side(debitSide)
        + "金額が確定していません。1行目の借方科目を入れ、編集中に金額を入れ直してください";
}

std::string AccountNotRegistered(int gridRow, bool debitSide)
{
    return std::to_string(gridRow) + "行目の" + side(debitSide) + "勘定科目が登録されていません";
}

std::string AccountMissing(int gridRow, bool debitSide)
{
    return std::to_string(gridRow) + "行目の" + side(debitSide) + "勘定科目が設定されていません";
}

std::string BankNotRegistered(int gridRow)
{
    return std::to_string(gridRow) + "行目の銀行名が登録されていません";
}

std::string BranchNotRegistered(int gridRow)
{
    return std::to_string(gridRow) + "行目の支店名が登録されていません";
}

}  // namespace messages

bool ClosingDataCheck(const journal::EntryRows& rows)
{
    const journal::EntryRow& first = rows[0];
    if (first.description.empty())
        return true;
    return first.debitAccount.empty() && first.creditAccount.empty();
}

TypedAmount TakeTypedAmount(journal::AmountArray& debitAmounts, journal::AmountArray& creditAmounts, int row,
                            bool debitSide, const std::string& text)
{
    const journal::AmountText typed = journal::ReadAmountText(text);
    if (typed.kind == journal::AmountText::Kind::NotNumeric || typed.kind == journal::AmountText::Kind::Empty)
        return TypedAmount::NotNumeric;
    if (typed.kind == journal::AmountText::Kind::OutOfRange)
        return TypedAmount::OutOfRange;
    const auto at = static_cast<std::size_t>(row);
    std::int32_t debit = debitAmounts[at];
    std::int32_t credit = creditAmounts[at];
    std::int32_t& typedSide = debitSide ? debit : credit;
    std::int32_t& otherSide = debitSide ? credit : debit;
    typedSide = typed.amount;
    if (otherSide == 0)
        otherSide = typed.amount;
    std::int64_t debitTotal = debit, creditTotal = credit;
    for (std::size_t i = 0; i < static_cast<std::size_t>(journal::kGridRows); ++i) {
        if (i == at)
            continue;
        debitTotal += debitAmounts[i];
        creditTotal += creditAmounts[i];
    }
    if (!journal::FitsAmount(debitTotal) || !journal::FitsAmount(creditTotal))
        return TypedAmount::OutOfRange;
    debitAmounts[at] = debit;
    creditAmounts[at] = credit;
    return TypedAmount::Taken;
}

std::optional<FirstRowCorrection> CorrectFirstRow(const journal::AmountArray& debitAmounts,
                                                  const journal::AmountArray& creditAmounts)
{
    std::int64_t debitRest = 0, creditRest = 0;
    for (std::size_t i = 1; i < static_cast<std::size_t>(journal::kGridRows); ++i) {
        debitRest += debitAmounts[i];
        creditRest += creditAmounts[i];
    }
    const std::int64_t debit = std::int64_t{debitAmounts[0]} - debitRest;
    const std::int64_t credit = std::int64_t{creditAmounts[0]} - creditRest;
    if (!journal::FitsAmount(debit) || !journal::FitsAmount(credit))
        return std::nullopt;
    FirstRowCorrection corrected;
    corrected.debit = static_cast<std::int32_t>(debit);
    corrected.credit = static_cast<std::int32_t>(credit);
    corrected.debitTotal = debitAmounts[0];
    corrected.creditTotal = creditAmounts[0];
    return corrected;
}

namespace {

bool showsAmount(const std::string& text, std::int32_t amount)
{
    const journal::AmountText shown = journal::ReadAmountText(text);
    switch (shown.kind) {
    case journal::AmountText::Kind::Empty: return amount == 0;
    case journal::AmountText::Kind::Amount: return shown.amount == amount;
    case journal::AmountText::Kind::NotNumeric:
    case journal::AmountText::Kind::OutOfRange: return false;
    }
    return false;
}

bool isWritten(const journal::EntryRow& cells, std::int32_t debit, std::int32_t credit, journal::BuildMode mode)
{
    if (debit != 0 || credit != 0)
        return true;
    return mode == journal::BuildMode::Update && (!cells.debitAmount.empty() || !cells.creditAmount.empty());
}

std::optional<std::string> textOrUnset(const std::string& text, journal::BuildMode mode)
{
    if (text.empty() && mode == journal::BuildMode::Register)
        return std::nullopt;
    return text;
}

// The bank and branch cells a row is written with, and the grid row (1-based) each came from.
struct BankCells {
    std::string bank;
    int bankRow = 0;
    std::string branch;
    int branchRow = 0;
};

BankCells bankCellsOf(const journal::EntryRows& rows, int i, journal::BuildMode mode)
{
    const journal::EntryRow& own = rows[static_cast<std::size_t>(i)];
    const journal::EntryRow& first = rows[0];
    if (mode == journal::BuildMode::Update || !own.bank.empty())
        return {own.bank, i + 1, own.branch, i + 1};
    // No bank of its own: row 0's bank, with the row's own branch when it names one.
    if (!own.branch.empty())
        return {first.bank, 1, own.branch, i + 1};
    return {first.bank, 1, first.branch, 1};
}

}  // namespace

std::optional<std::string> AmountNotTaken(const journal::EntryRows& rows, const journal::AmountArray& debitAmounts,
                                          const journal::AmountArray& creditAmounts)
{
    for (int i = 0; i < journal::kGridRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!showsAmount(rows[at].debitAmount, debitAmounts[at]))
            return messages::AmountNotTaken(i + 1, true);
        if (!showsAmount(rows[at].creditAmount, creditAmounts[at]))
            return messages::AmountNotTaken(i + 1, false);
    }
    return std::nullopt;
}

ClosingVoucherBuild BuildClosingVoucherRows(const journal::EntryRows& rows, const journal::AmountArray& debitAmounts,
                                            const journal::AmountArray& creditAmounts, const dao::Date& date,
                                            const journal::CodeLookup& findCode,
                                            const journal::BranchLookup& findBranch, journal::BuildMode mode)
{
    ClosingVoucherBuild build;
    std::string firstDebitCode, firstCreditCode;  // the codes written for row 0
    std::int64_t debitTotal = 0, creditTotal = 0;
    for (int i = 0; i < journal::kGridRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const journal::EntryRow& cells = rows[at];
        if (!isWritten(cells, debitAmounts[at], creditAmounts[at], mode))
            continue;
        journal::VoucherRow row;
        row.date = date;
        row.rowNumber = static_cast<int>(build.rows.size()) + 1;
        row.description = textOrUnset(cells.description, mode);
        row.partner = textOrUnset(cells.partner, mode);

        const auto accountCode = [&](bool debitSide) -> std::optional<std::string> {
            const std::string& name = debitSide ? cells.debitAccount : cells.creditAccount;
            std::string code = findCode(debitSide ? 2 : 3, name);
            if (!name.empty() && code.empty()) {
                build.error = messages::AccountNotRegistered(i + 1, debitSide);
                return std::nullopt;
            }
            if (code.empty())
                code = debitSide ? firstDebitCode : firstCreditCode;
            if (code.empty() && (debitSide ? debitAmounts[at] : creditAmounts[at]) != 0) {
                build.error = messages::AccountMissing(i + 1, debitSide);
                return std::nullopt;
            }
            return code;
        };
        const auto debitCode = accountCode(true);
        if (!debitCode)
            return build;
        const auto creditCode = accountCode(false);
        if (!creditCode)
            return build;
        row.debitCode = *debitCode;
        row.creditCode = *creditCode;
        if (i == 0) {
            firstDebitCode = row.debitCode;
            firstCreditCode = row.creditCode;
        }

        row.debit = debitAmounts[at];
        row.credit = creditAmounts[at];
        debitTotal += row.debit;
        creditTotal += row.credit;
        if (!journal::FitsAmount(debitTotal) || !journal::FitsAmount(creditTotal)) {
            build.error = journal::messages::kTotalOutOfRange;
            return build;
        }

        const BankCells bank = bankCellsOf(rows, i, mode);
        const std::string bankCode = findCode(4, bank.bank);
        if (!bank.bank.empty() && bankCode.empty()) {
            build.error = messages::BankNotRegistered(bank.bankRow);
            return build;
        }
        const std::string branchCode = findBranch(bankCode, bank.branch);
        if (!bank.branch.empty() && branchCode.empty()) {
            build.error = messages::BranchNotRegistered(bank.branchRow);
            return build;
        }
        if (!bankCode.empty() || mode == journal::BuildMode::Update)
            row.bankCode = bankCode;
        if (!branchCode.empty() || mode == journal::BuildMode::Update)
            row.branchCode = branchCode;
        build.rows.push_back(std::move(row));
    }
    return build;
}

}  // namespace closing
