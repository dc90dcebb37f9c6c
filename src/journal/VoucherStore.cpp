#include "journal/VoucherStore.h"

#include "journal/VoucherNumber.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

namespace journal {

namespace {

bool isRowOf(dao::Recordset& journal, const std::string& number)
{
    return !journal.EOF_() && !journal.BOF() && journal.get("伝票番号").toText() == number;
}

VoucherRow readRow(dao::Recordset& journal)
{
    VoucherRow row;
    if (const auto date = journal.get("日付").toDate())
        row.date = *date;
    row.description = journal.get("摘要").toText();
    row.partner = journal.get("取引先").toText();
    row.debitCode = journal.get("借方コード").toText();
    row.debit = journal.get("入金").toInt32();
    row.creditCode = journal.get("貸方コード").toText();
    row.credit = journal.get("出金").toInt32();
    row.bankCode = journal.get("銀行コード").toText();
    row.branchCode = journal.get("支店コード").toText();
    return row;
}

}  // namespace

void WriteChangeHistory(dao::Recordset& journal, dao::Recordset& history, const std::string& reason,
                        const dao::Date& now)
{
    const dao::Bookmark start = journal.getBookmark();
    const std::string number = journal.get("伝票番号").toText();
    static const char* const copied[] = {"伝票番号", "日付", "摘要", "取引先", "借方コード",
                                         "貸方コード", "銀行コード", "支店コード", "追番"};
    while (isRowOf(journal, number)) {
        history.AddNew();
        history.set("変更日", now);
        history.set("変更理由", reason);
        for (const char* field : copied)
            history.set(field, journal.get(field));
        history.Update();
        journal.MoveNext();
    }
    journal.setBookmark(start);
}

void AddJournalRow(dao::Recordset& journal, const VoucherRow& row, const std::string& number,
                   const dao::Value& closingEntry)
{
    journal.AddNew();
    journal.set("日付", row.date);
    journal.set("伝票番号", number);
    journal.set("追番", row.rowNumber);
    if (row.description) journal.set("摘要", *row.description);
    if (row.partner) journal.set("取引先", *row.partner);
    journal.set("借方コード", row.debitCode);
    journal.set("入金", row.debit);
    journal.set("貸方コード", row.creditCode);
    journal.set("出金", row.credit);
    if (row.bankCode) journal.set("銀行コード", *row.bankCode);
    if (row.branchCode) journal.set("支店コード", *row.branchCode);
    if (!closingEntry.isNull()) journal.set("決算仕訳", closingEntry);
    journal.Update();
}

VoucherStore::VoucherStore(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal,
                           dao::Recordset& history)
    : m_workspace(workspace), m_database(database), m_journal(journal), m_history(history)
{
}

template <typename Work> void VoucherStore::inTransaction(Work&& work)
{
    dao::RunInTransaction(m_workspace, std::forward<Work>(work), {&m_journal, &m_history});
}

bool VoucherStore::IsNumberTaken(const std::string& number) const
{
    return journal::IsNumberTaken(m_database, "Q_仕訳台帳", "伝票番号", number);
}

bool VoucherStore::locate(const std::string& number)
{
    if (m_journal.isEmpty())
        return false;
    m_journal.FindFirst("伝票番号", dao::Value(number));
    return !m_journal.NoMatch();
}

void VoucherStore::deleteVoucherRows(const std::string& number)
{
    while (isRowOf(m_journal, number)) {
        m_journal.Delete();
        m_journal.MoveNext();
    }
}

std::string VoucherStore::Register(const std::vector<VoucherRow>& rows, const dao::Date& now)
{
    std::string number;
    inTransaction([&] {
        number = NextVoucherNumber(now, [this](const std::string& n) { return IsNumberTaken(n); });
        for (const VoucherRow& row : rows)
            AddJournalRow(m_journal, row, number);
    });
    return number;
}

bool VoucherStore::Replace(const std::string& number, const std::vector<VoucherRow>& rows, const dao::Date& now)
{
    bool found = false;
    inTransaction([&] {
        if (!locate(number))
            return;
        found = true;
        WriteChangeHistory(m_journal, m_history, kReasonUpdate, now);
        const dao::Value closingEntry = m_journal.get("決算仕訳");
        // The grid shows a voucher's first ten rows; rows beyond them stay in the
        // voucher, after the new rows and under the voucher's new date.
        std::vector<VoucherRow> kept;
        const dao::Bookmark first = m_journal.getBookmark();
        for (int position = 0; isRowOf(m_journal, number); ++position, m_journal.MoveNext())
            if (position >= kGridRows)
                kept.push_back(readRow(m_journal));
        m_journal.setBookmark(first);
        deleteVoucherRows(number);
        int rowNumber = 0;
        for (const VoucherRow& row : rows) {
            AddJournalRow(m_journal, row, number, closingEntry);
            rowNumber = row.rowNumber;
        }
        for (VoucherRow& row : kept) {
            row.rowNumber = ++rowNumber;
            if (!rows.empty())
                row.date = rows.front().date;
            AddJournalRow(m_journal, row, number, closingEntry);
        }
    });
    return found;
}

bool VoucherStore::Remove(const std::string& number, const dao::Date& now)
{
    bool found = false;
    inTransaction([&] {
        if (!locate(number))
            return;
        found = true;
        WriteChangeHistory(m_journal, m_history, kReasonDelete, now);
        deleteVoucherRows(number);
    });
    return found;
}

}  // namespace journal
