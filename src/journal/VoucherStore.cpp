#include "journal/VoucherStore.h"

#include "journal/AmountRange.h"
#include "journal/VoucherNumber.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

namespace journal {

namespace {

dao::Value dateValue(const std::optional<dao::Date>& date)
{
    return date ? dao::Value(*date) : dao::Value();
}

}  // namespace

LoadedVoucher LoadedVoucherOf(const std::string& number, const std::vector<JournalRecord>& rows)
{
    return {number, VoucherFingerprints(rows)};
}

void WriteChangeHistory(dao::Recordset& history, const std::vector<JournalRecord>& rows, const std::string& reason,
                        const dao::Date& now)
{
    for (const JournalRecord& row : rows) {
        history.AddNew();
        history.set(schema::column::ChangedAt, now);
        history.set(schema::column::ChangeReason, reason);
        history.set(schema::column::VoucherNumber, row.number);
        history.set(schema::column::Date, dateValue(row.date));
        history.set(schema::column::Description, row.description);
        history.set(schema::column::Partner, row.partner);
        history.set(schema::column::DebitCode, row.debitCode);
        history.set(schema::column::CreditCode, row.creditCode);
        history.set(schema::column::BankCode, row.bankCode);
        history.set(schema::column::BranchCode, row.branchCode);
        history.set(schema::column::RowNumber, row.rowNumber);
        history.Update();
    }
}

void AddJournalRow(dao::Recordset& journal, const VoucherRow& row, const std::string& number,
                   const dao::Value& closingEntry)
{
    journal.AddNew();
    journal.set(schema::column::Date, row.date);
    journal.set(schema::column::VoucherNumber, number);
    journal.set(schema::column::RowNumber, row.rowNumber);
    if (row.description)
        journal.set(schema::column::Description, *row.description);
    if (row.partner)
        journal.set(schema::column::Partner, *row.partner);
    journal.set(schema::column::DebitCode, row.debitCode);
    journal.set(schema::column::DebitAmount, row.debit);
    journal.set(schema::column::CreditCode, row.creditCode);
    journal.set(schema::column::CreditAmount, row.credit);
    if (row.bankCode)
        journal.set(schema::column::BankCode, *row.bankCode);
    if (row.branchCode)
        journal.set(schema::column::BranchCode, *row.branchCode);
    if (!closingEntry.isNull())
        journal.set(schema::column::ClosingEntry, closingEntry);
    journal.Update();
}

VoucherRow VoucherRowOf(const JournalRecord& stored)
{
    VoucherRow row;
    if (stored.date)
        row.date = *stored.date;
    row.rowNumber = stored.rowNumber;
    row.description = stored.description;
    row.partner = stored.partner;
    row.debitCode = stored.debitCode;
    row.creditCode = stored.creditCode;
    const std::int64_t debit = stored.debit.value_or(0), credit = stored.credit.value_or(0);
    if (!FitsAmount(debit) || !FitsAmount(credit))
        throw dao::DaoError(dao::DaoError::Code::Overflow,
                            "伝票番号 " + stored.number + " の" + std::to_string(stored.rowNumber)
                                + "行目の金額が扱える範囲（-2,147,483,648～2,147,483,647円）を超えています");
    row.debit = static_cast<std::int32_t>(debit);
    row.credit = static_cast<std::int32_t>(credit);
    row.bankCode = stored.bankCode;
    row.branchCode = stored.branchCode;
    return row;
}

VoucherStore::VoucherStore(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal,
                           dao::Recordset& history)
    : m_workspace(workspace), m_database(database), m_journal(journal), m_history(history)
{
}

template <typename Work> void VoucherStore::inTransaction(Work&& work)
{
    dao::RunInTransaction(m_workspace,
                          [&] {
                              if (m_watch.locked)
                                  m_watch.locked();
                              work();
                          },
                          {&m_journal, &m_history});
}

StoreOutcome VoucherStore::check(const LoadedVoucher& loaded, std::vector<JournalRecord>& stored)
{
    stored = ReadStoredRows(m_database, RecordKind::Voucher, loaded.number);
    if (stored.empty())
        return StoreOutcome::Vanished;
    if (VoucherFingerprints(stored) != loaded.rows)
        return StoreOutcome::Changed;
    return StoreOutcome::Done;
}

void VoucherStore::deleteVoucherRows(const std::string& number)
{
    // By the number, never by rows a recordset found earlier.
    m_database.Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = ?1", {dao::Value(number)});
}

std::string VoucherStore::Register(const std::vector<VoucherRow>& rows, const dao::Date& now)
{
    std::string number;
    inTransaction([&] {
        number = VoucherNumbers(m_database).next(now);
        for (const VoucherRow& row : rows)
            AddJournalRow(m_journal, row, number);
        if (m_watch.written)
            m_watch.written(number);
    });
    return number;
}

StoreOutcome VoucherStore::Replace(const LoadedVoucher& loaded, const std::vector<VoucherRow>& rows,
                                   const dao::Date& now)
{
    StoreOutcome outcome = StoreOutcome::Done;
    inTransaction([&] {
        std::vector<JournalRecord> stored;
        outcome = check(loaded, stored);
        if (outcome != StoreOutcome::Done)
            return;
        WriteChangeHistory(m_history, stored, kReasonUpdate, now);
        const dao::Value closingEntry(stored.front().closingEntry);
        deleteVoucherRows(loaded.number);
        int rowNumber = 0;
        for (const VoucherRow& row : rows) {
            AddJournalRow(m_journal, row, loaded.number, closingEntry);
            rowNumber = row.rowNumber;
        }
        // The grid shows a voucher's first ten rows; rows beyond them stay in the
        // voucher, after the new rows and under the voucher's new date.
        for (std::size_t position = kGridRows; position < stored.size(); ++position) {
            VoucherRow row = VoucherRowOf(stored[position]);
            row.rowNumber = ++rowNumber;
            if (!rows.empty())
                row.date = rows.front().date;
            AddJournalRow(m_journal, row, loaded.number, closingEntry);
        }
        if (m_watch.written)
            m_watch.written(loaded.number);
    });
    return outcome;
}

StoreOutcome VoucherStore::Remove(const LoadedVoucher& loaded, const dao::Date& now)
{
    StoreOutcome outcome = StoreOutcome::Done;
    inTransaction([&] {
        std::vector<JournalRecord> stored;
        outcome = check(loaded, stored);
        if (outcome != StoreOutcome::Done)
            return;
        WriteChangeHistory(m_history, stored, kReasonDelete, now);
        deleteVoucherRows(loaded.number);
        if (m_watch.written)
            m_watch.written(loaded.number);
    });
    return outcome;
}

}  // namespace journal
