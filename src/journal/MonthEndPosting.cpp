#include "journal/MonthEndPosting.h"

#include "common/DateFormat.h"
#include "journal/JournalRecord.h"
#include "journal/VoucherStore.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

#include <algorithm>

namespace journal {

std::string MissingAccountMessage(const std::string& accountName)
{
    return "勘定科目に「" + accountName + "」が登録されていません";
}

std::string PostingFailedMessage(const std::string& cause)
{
    return "仕訳を登録できませんでした。何も登録していません。\n" + cause;
}

std::string TakenNumbersMessage(const std::vector<TakenNumber>& taken)
{
    std::string text = "次の仕訳の伝票番号は、別の仕訳が使っています。何も登録していません。";
    for (const TakenNumber& t : taken) {
        text += "\n伝票番号 " + t.number + "「" + t.description + "」：使っている仕訳は ";
        text += t.holder.date ? o::FormatDate(*t.holder.date, "yyyy/mm/dd") : std::string("日付なし");
        text += "「" + t.holder.firstDescription + "」";
    }
    text += "\nその仕訳を削除して入力し直すと、別の伝票番号で登録されます。";
    return text;
}

std::map<std::string, StoredVoucher> ReadStoredVouchers(dao::Database& database, const std::set<std::string>& numbers)
{
    std::map<std::string, StoredVoucher> stored;
    for (const std::string& number : numbers) {
        const std::vector<JournalRecord> rows = ReadStoredRows(database, RecordKind::Voucher, number);
        if (rows.empty())
            continue;
        const auto first =
            std::min_element(rows.begin(), rows.end(),
                             [](const JournalRecord& a, const JournalRecord& b) { return a.rowNumber < b.rowNumber; });
        StoredVoucher voucher;
        voucher.date = first->date;
        voucher.firstDescription = first->description;
        for (const JournalRecord& row : rows) {
            voucher.debitTotal += row.debit.value_or(0);
            voucher.creditTotal += row.credit.value_or(0);
        }
        stored.emplace(number, std::move(voucher));
    }
    return stored;
}

namespace {

// A voucher of a run: its number and the description of its first row.
struct RunVoucher {
    std::string number;
    int firstRowNumber = 0;
    std::string firstDescription;
};

// The vouchers of a run, in the order it posts them.
std::vector<RunVoucher> vouchersOf(const std::vector<NumberedRow>& rows)
{
    std::vector<RunVoucher> vouchers;
    std::map<std::string, std::size_t> indexOf;
    for (const NumberedRow& row : rows) {
        const auto [found, added] = indexOf.emplace(row.number, vouchers.size());
        if (added) {
            vouchers.push_back({row.number, row.row.rowNumber, row.row.description.value_or("")});
            continue;
        }
        RunVoucher& voucher = vouchers[found->second];
        if (row.row.rowNumber < voucher.firstRowNumber) {
            voucher.firstRowNumber = row.row.rowNumber;
            voucher.firstDescription = row.row.description.value_or("");
        }
    }
    return vouchers;
}

}  // namespace

PostingResult PostNewVouchers(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal,
                              const std::vector<NumberedRow>& rows)
{
    PostingResult result;
    dao::RunInTransaction(
        workspace,
        [&] {
            const auto vouchers = vouchersOf(rows);
            std::set<std::string> numbers;
            for (const RunVoucher& voucher : vouchers)
                numbers.insert(voucher.number);
            const std::map<std::string, StoredVoucher> stored = ReadStoredVouchers(database, numbers);
            std::set<std::string> skipped;
            for (const RunVoucher& voucher : vouchers) {
                const auto holder = stored.find(voucher.number);
                if (holder == stored.end())
                    continue;
                if (holder->second.firstDescription == voucher.firstDescription)
                    skipped.insert(voucher.number);
                else
                    result.taken.push_back({voucher.number, voucher.firstDescription, holder->second});
            }
            if (!result.taken.empty())
                return;
            std::set<std::string> posted;
            for (const NumberedRow& row : rows) {
                if (skipped.count(row.number))
                    continue;
                AddJournalRow(journal, row.row, row.number);
                posted.insert(row.number);
                ++result.count.postedRows;
            }
            result.count.postedVouchers = static_cast<int>(posted.size());
            result.count.skippedVouchers = static_cast<int>(skipped.size());
        },
        {&journal});
    return result;
}

}  // namespace journal
