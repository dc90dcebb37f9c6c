#include "closing/CarriedBalances.h"

#include "books/BankBooks.h"
#include "closing/DepreciationJournal.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <map>
#include <tuple>

namespace closing {

namespace {

std::int64_t amountOf(const dao::Value& value)
{
    return value.isNumeric() ? value.toInt64() : 0;
}

}  // namespace

std::vector<BankCarry> BankBalancesAtPeriodEnd(dao::Database& database, const ClosingPeriod& period)
{
    // The period's rows that carry a bank (those of Q_取引銀行仕訳), summed by
    // bank, branch and the two accounts, with the accounts' names as that
    // query joins them: the bank book's posting of a row depends on nothing
    // else, and rows alike post as their sum does. Grouped on the journal's
    // table first, so only the groups are joined.
    auto sums = database.OpenRecordset(
        "SELECT g.銀行コード, g.支店コード, a.勘定科目名, b.勘定科目名2, g.入金, g.出金 FROM"
        " (SELECT 銀行コード, 支店コード, 借方コード, 貸方コード, SUM(入金) AS 入金, SUM(出金) AS 出金"
        " FROM 仕訳台帳 WHERE 銀行コード <> '' AND " + PeriodDateCondition(period) + " GROUP BY 1, 2, 3, 4) AS g"
        " LEFT JOIN 勘定科目コード表 AS a ON a.勘定科目コード = g.借方コード"
        " LEFT JOIN 勘定科目コード表2 AS b ON b.勘定科目コード2 = g.貸方コード",
        dao::RecordsetType::Snapshot);
    const std::vector<books::JournalRow> journal = books::readBankJournal(*sums);

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

std::vector<AssetCarry> AssetsAfterDepreciation(dao::Database& database, const ClosingPeriod& period,
                                                const std::string& expenseCode)
{
    using Key = std::tuple<std::string, std::string>;   // 摘要, credit account
    std::map<Key, std::vector<std::int64_t>> postings;
    if (!expenseCode.empty()) {
        auto rows = database.OpenRecordset("SELECT 摘要, 貸方コード, 出金 FROM 仕訳台帳 WHERE 決算仕訳 <> 0 AND 借方コード = "
                                               + SqlText(expenseCode) + " AND " + PeriodDateCondition(period)
                                               + " ORDER BY rowid",
                                           dao::RecordsetType::Snapshot);
        if (!rows->isEmpty())
            for (rows->MoveFirst(); !rows->EOF_(); rows->MoveNext())
                postings[{rows->get(schema::column::Description).toText(),
                          rows->get(schema::column::CreditCode).toText()}]
                    .push_back(amountOf(rows->get(schema::column::CreditAmount)));
    }

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
        for (std::size_t k = static_cast<std::size_t>(place); k < posted->second.size(); k += static_cast<std::size_t>(n)) {
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
