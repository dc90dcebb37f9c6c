#include "setup/AccountRegister.h"

#include "periodfile/SchemaNames.h"
#include "setup/AccountBalanceFields.h"
#include "setup/AccountLists.h"
#include "setup/CompanySettings.h"
#include "setup/FindRow.h"
#include "setup/OpeningCash.h"
#include "setup/ShownRecords.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace setup {

namespace {

std::unique_ptr<dao::Recordset> openChart(dao::Database& db)
{
    return db.OpenRecordset(schema::query::Chart, dao::RecordsetType::Dynaset);
}

bool usesValue(dao::Database& db, const std::string& source, std::initializer_list<const char*> fields,
               const std::string& value)
{
    auto rs = db.OpenRecordset(source, dao::RecordsetType::Dynaset);
    for (const char* field : fields)
        if (FindRow(*rs, field, value))
            return true;
    return false;
}

// Moves `chart` onto the account of `code` when it holds what the list showed;
// else why not.
std::optional<std::string> accountAsShown(dao::Recordset& chart, const std::string& code, const ShownLine& shown)
{
    if (!FindRow(chart, schema::column::AccountCode, code))
        return std::string(kAccountVanished);
    if (RecordFingerprint(chart, shown.fields) != shown.fingerprint)
        return std::string(kAccountChanged);
    return std::nullopt;
}

bool isNonZero(const dao::Value& v)
{
    return v.isNumeric() && v.toDouble() != 0.0;
}

}  // namespace

bool AccountCodeExists(dao::Database& db, const std::string& code)
{
    auto chart = openChart(db);
    return FindRow(*chart, schema::column::AccountCode, code);
}

std::optional<std::string> RegisterAccount(dao::Workspace& ws, dao::Database& db, const AccountEdit& edit,
                                           const std::string& modelCode)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto chart = openChart(db);
        if (FindRow(*chart, schema::column::AccountCode, edit.code)) {
            refusal = kAccountCodeTaken;
            return;
        }
        if (!FindRow(*chart, schema::column::AccountCode, modelCode)) {
            refusal = kAccountVanished;
            return;
        }
        const dao::Value bothSides = chart->get(schema::column::NeedsCounterpart);
        const dao::Value major = chart->get(schema::column::MajorClass);
        const dao::Value middle = chart->get(schema::column::MiddleClass);
        const std::string minor = chart->get(schema::column::MinorClass).toText();

        auto settings = db.OpenRecordset(schema::table::Settings, dao::RecordsetType::Snapshot);
        int industry = -1;
        if (!settings->isEmpty()) {
            settings->MoveFirst();
            const dao::Value stored = settings->get(schema::column::Industry);
            if (stored.isNumeric())
                industry = static_cast<int>(stored.toInt64());
        }

        chart->AddNew();
        chart->set(schema::column::AccountCode, edit.code);
        chart->set(schema::column::AccountName, edit.name);
        for (const char* field : kAccountBalanceFields)
            chart->set(field, 0);
        chart->set(std::string(kBalanceColumns[edit.column]), edit.amount);
        chart->set(schema::column::DebitCredit, edit.side);
        chart->set(schema::column::InUse, edit.inUse);
        chart->set(schema::column::Taxable, edit.taxable);
        chart->set(schema::column::SimplifiedTax, edit.simplified);
        chart->set(schema::column::NeedsCounterpart, bothSides.toBool());
        if (!major.isEmptyText())
            chart->set(schema::column::MajorClass, major);
        if (!middle.isEmptyText())
            chart->set(schema::column::MiddleClass, middle);
        chart->set(schema::column::MinorClass, minor);
        if (industry >= 0 && industry < kIndustryCount)
            chart->set(std::string(kIndustryNameColumns[industry]), edit.name);
        chart->Update();
        RebuildAccountCopy(db);
    });
    return refusal;
}

std::optional<std::string> UpdateAccount(dao::Workspace& ws, dao::Database& db, const ShownLine& shown,
                                         const AccountEdit& edit)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto chart = openChart(db);
        refusal = accountAsShown(*chart, edit.code, shown);
        if (refusal)
            return;
        const bool cashOrDeposit = chart->get(schema::column::MinorClass).toText() == "現金預金";
        const std::string oldName = chart->get(schema::column::AccountName).toText();
        chart->Edit();
        chart->set(schema::column::AccountName, edit.name);
        chart->set(std::string(kBalanceColumns[edit.column]), edit.amount);
        chart->set(schema::column::DebitCredit, edit.side);
        chart->set(schema::column::NeedsCounterpart, edit.bothSides);
        chart->set(schema::column::InUse, edit.inUse);
        chart->set(schema::column::Taxable, edit.taxable);
        chart->set(schema::column::SimplifiedTax, edit.simplified);
        chart->Update();
        if (edit.name != oldName)
            CarryDepositKindNames(db, {{oldName, edit.name}});
        if (cashOrDeposit)
            StoreOpeningCashOfChart(db);
        RebuildAccountCopy(db);
    });
    return refusal;
}

std::optional<std::string> AccountDeleteRefusal(dao::Database& db, const std::string& code)
{
    auto chart = openChart(db);
    if (!FindRow(*chart, schema::column::AccountCode, code))
        return std::string(kAccountVanished);
    const std::string name = chart->get(schema::column::AccountName).toText();

    std::vector<std::string> uses;
    if (usesValue(db, schema::query::Journal, {schema::column::DebitCode, schema::column::CreditCode}, code))
        uses.emplace_back("仕訳");
    if (usesValue(db, schema::query::Templates, {schema::column::DebitCode, schema::column::CreditCode}, code))
        uses.emplace_back("定型仕訳");
    if (usesValue(db, schema::query::FixedAssets, {schema::column::AccountCode}, code))
        uses.emplace_back("固定資産台帳");
    if (usesValue(db, schema::query::Leases, {schema::column::AccountCode}, code))
        uses.emplace_back("リース資産");
    if (!name.empty() && usesValue(db, schema::query::BankAccounts, {schema::column::DepositKind}, name))
        uses.emplace_back("取引銀行の預金種別");
    if (!uses.empty()) {
        std::string list;
        for (const std::string& use : uses)
            list += (list.empty() ? "" : "、") + use;
        return "勘定科目「" + name + "」は" + list + "で使われているため削除できません";
    }
    bool balance = isNonZero(chart->get(schema::column::Budget));
    for (const char* field : kAccountBalanceFields)
        balance = balance || isNonZero(chart->get(field));
    if (balance)
        return "勘定科目「" + name + "」は残高または予算が０でないため削除できません";
    return std::nullopt;
}

std::optional<std::string> DeleteAccount(dao::Workspace& ws, dao::Database& db, const std::string& code,
                                         const ShownLine& shown)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto chart = openChart(db);
        refusal = accountAsShown(*chart, code, shown);
        if (!refusal)
            refusal = AccountDeleteRefusal(db, code);
        if (refusal)
            return;
        if (!FindRow(*chart, schema::column::AccountCode, code)) {
            refusal = kAccountVanished;
            return;
        }
        chart->Delete();
        RebuildAccountCopy(db);
    });
    return refusal;
}

void CarryDepositKindNames(dao::Database& db, const std::map<std::string, std::string>& renames)
{
    for (const char* table : {"取引銀行", "預金種別"}) {
        // Every row is matched against the names as they were before any of
        // the renames, so that names that swap places do not chain.
        std::vector<std::pair<std::int64_t, std::string>> carried;
        auto rows = db.OpenRecordset(std::string("SELECT rowid AS id, \"種別\" FROM \"") + table + "\"",
                                     dao::RecordsetType::Snapshot);
        if (!rows->isEmpty())
            for (rows->MoveFirst(); !rows->EOF_(); rows->MoveNext()) {
                const auto rename = renames.find(rows->get(schema::column::DepositKind).toText());
                if (rename != renames.end() && !rename->first.empty() && rename->first != rename->second)
                    carried.emplace_back(rows->get("id").toInt64(), rename->second);
            }
        for (const auto& [id, name] : carried)
            db.Execute(std::string("UPDATE \"") + table + "\" SET \"種別\" = ? WHERE rowid = ?",
                       {dao::Value(name), dao::Value(static_cast<long long>(id))});
    }
    // A kind listed twice now (its new name was listed already) stays listed once.
    db.Execute("DELETE FROM \"預金種別\" WHERE rowid NOT IN (SELECT MIN(rowid) FROM \"預金種別\" GROUP BY \"種別\")");
}

void RebuildAccountCopy(dao::Database& db)
{
    auto copy = db.OpenRecordset(schema::query::CreditChart, dao::RecordsetType::Dynaset);
    if (!copy->isEmpty()) {
        for (copy->MoveFirst(); !copy->EOF_(); copy->MoveNext())
            copy->Delete();
    }
    auto master = db.OpenRecordset(schema::query::Chart, dao::RecordsetType::Snapshot);
    if (master->isEmpty())
        return;
    static const std::pair<const char*, const char*> columns[] = {
        {schema::column::AccountCode, schema::column::AccountCode2},
        {schema::column::AccountName, schema::column::AccountName2},
        {schema::column::Taxable, schema::column::Taxable2},
        {schema::column::SimplifiedTax, schema::column::SimplifiedTax2},
        {schema::column::MajorClass, schema::column::MajorClass2},
        {schema::column::MiddleClass, schema::column::MiddleClass2},
        {schema::column::MinorClass, schema::column::MinorClass2},
    };
    for (master->MoveFirst(); !master->EOF_(); master->MoveNext()) {
        copy->AddNew();
        for (const auto& [from, to] : columns)
            copy->set(to, master->get(from));
        copy->Update();
    }
}

void CopyAccountMaster(dao::Workspace& ws, dao::Database& db)
{
    dao::RunInTransaction(ws, [&] { RebuildAccountCopy(db); });
}

}  // namespace setup
