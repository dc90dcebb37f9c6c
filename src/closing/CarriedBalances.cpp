#include "closing/CarriedBalances.h"

#include "books/BankBooks.h"
#include "closing/DepreciationJournal.h"
#include "closing/RollForward.h"
#include "closing/RowChunks.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/RowView.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

namespace closing {

namespace {

std::int64_t amountOf(const dao::Value& value)
{
    return value.isNumeric() ? value.toInt64() : 0;
}

}  // namespace

std::vector<BankCarry> BankBalancesAtPeriodEnd(dao::Database& database, const std::vector<BankRowsSum>& sums)
{
    // The sums with the accounts' names as Q_取引銀行仕訳 joins them: the bank
    // book's posting of a row depends on nothing else, and rows alike post as
    // their sum does.
    const auto names = [&](const std::string& sql, const std::string& table) {
        std::unordered_map<std::string, std::string> byCode;
        database.ForEachRow(sql, {}, table, [&](const dao::RowView& row) {
            if (!row.isNull(0))
                byCode.emplace(row.text(0), row.text(1));
        });
        return byCode;
    };
    const auto debitNames = names("SELECT 勘定科目コード, 勘定科目名 FROM 勘定科目コード表", "勘定科目コード表");
    const auto creditNames = names("SELECT 勘定科目コード2, 勘定科目名2 FROM 勘定科目コード表2", "勘定科目コード表2");
    const auto nameOf = [](const auto& byCode, const std::string& code, bool null) {
        const auto found = null ? byCode.end() : byCode.find(code);
        return found == byCode.end() ? std::string() : found->second;
    };
    std::vector<books::JournalRow> journal;
    journal.reserve(sums.size());
    for (const BankRowsSum& sum : sums) {
        if (sum.overflowed)
            throw RolloverRefused(
                CarriedAmountOutOfRange("取引銀行 " + sum.bankCode + " " + sum.branchCode + " の仕訳の合計"));
        books::JournalRow row;
        row.bankCode = sum.bankCode;
        row.branchCode = sum.branchCode;
        row.debitCode = sum.debitCode;
        row.creditCode = sum.creditCode;
        row.debitName = nameOf(debitNames, sum.debitCode, sum.debitCodeNull);
        row.creditName = nameOf(creditNames, sum.creditCode, sum.creditCodeNull);
        row.debitAmount = sum.moneyIn;
        row.creditAmount = sum.moneyOut;
        journal.push_back(std::move(row));
    }

    std::vector<BankCarry> carried;
    auto accounts = database.OpenRecordset(
        "SELECT rowid AS 行番号, 銀行コード, 支店コード, 種別, 期首残高 FROM 取引銀行 ORDER BY no, rowid",
        dao::RecordsetType::Snapshot);
    if (accounts->isEmpty())
        return carried;
    for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext()) {
        books::BankAccount account;
        account.bankCode = accounts->get(schema::column::BankCode).toText();
        account.branchCode = accounts->get(schema::column::BranchCode).toText();
        account.kind = accounts->get(schema::column::DepositKind).toText();
        account.opening = amountOf(accounts->get(schema::column::OpeningBalance));
        BankCarry carry;
        carry.rowid = accounts->get("行番号").toInt64();
        carry.bankCode = account.bankCode;
        carry.branchCode = account.branchCode;
        carry.kind = account.kind;
        carry.balance = books::bankBook(account, journal).balance;
        carried.push_back(std::move(carry));
    }
    return carried;
}

std::vector<AssetCarry> AssetsAfterDepreciation(dao::Database& database, const std::vector<long long>& expenseRows)
{
    using Key = std::tuple<std::string, std::string>;  // 摘要, credit account
    std::map<Key, std::vector<std::int64_t>> postings;
    std::vector<long long> rows = expenseRows;
    std::sort(rows.begin(), rows.end());
    ForEachRowChunk(rows, [&](const std::string& rowsIn, const std::vector<dao::Value>& chunk) {
        database.ForEachCheckedRow(
            schema::table::Journal,
            {schema::column::Description, schema::column::CreditCode, schema::column::CreditAmount},
            "決算仕訳 <> 0 AND " + rowsIn, chunk, [&](const dao::CheckedRow& entry) {
                postings[{std::string(entry.text(0)), std::string(entry.text(1))}].push_back(entry.wholeNumber(2));
            });
    });

    struct Asset {
        AssetCarry carry;
        Key key;
    };
    std::vector<Asset> assets;
    std::map<Key, int> sharing;
    auto register_ = database.OpenRecordset(
        "SELECT rowid AS 行番号, 管理番号, 名称, 勘定科目コード, 残存価格 FROM 固定資産台帳 ORDER BY rowid",
        dao::RecordsetType::Snapshot);
    if (register_->isEmpty())
        return {};
    for (register_->MoveFirst(); !register_->EOF_(); register_->MoveNext()) {
        Asset asset;
        asset.carry.rowid = register_->get("行番号").toInt64();
        asset.carry.number = register_->get(schema::column::AssetNumber).toText();
        asset.carry.name = register_->get(schema::column::AssetName).toText();
        asset.carry.bookValue = amountOf(register_->get(schema::column::ResidualValue));
        const FixedAssetFigure figure{asset.carry.number, asset.carry.name, {}, {}};
        asset.key = {DepreciationDescription(figure), register_->get(schema::column::AccountCode).toText()};
        ++sharing[asset.key];
        assets.push_back(std::move(asset));
    }

    // The k-th posted row of a key went to the (k mod n)-th of the n assets
    // that share it, in the register's order.
    std::map<Key, int> turn;
    std::vector<AssetCarry> carried;
    for (Asset& asset : assets) {
        const auto posted = postings.find(asset.key);
        if (posted == postings.end())
            continue;
        const int place = turn[asset.key]++;
        const int n = sharing[asset.key];
        bool any = false;
        for (std::size_t k = static_cast<std::size_t>(place); k < posted->second.size();
             k += static_cast<std::size_t>(n)) {
            asset.carry.posted += posted->second[k];
            any = true;
        }
        if (!any)
            continue;
        asset.carry.bookValue -= asset.carry.posted;
        carried.push_back(asset.carry);
    }
    return carried;
}

}  // namespace closing
