#include "registers/BankMasterWrites.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "registers/BankMasterUsage.h"

#include <memory>
#include <vector>

namespace registers {

namespace {

using Kind = BankWriteRefusal::Kind;

std::string NameOrCode(const std::string& name, const std::string& code)
{
    return name.empty() ? code : name;
}

// The branches of a bank, in the master's order.
std::vector<BranchRow> BranchesOf(dao::Database& db, const std::string& bankCode)
{
    std::vector<BranchRow> branches;
    auto rows = db.OpenRecordset(schema::query::BranchMaster, dao::RecordsetType::Snapshot);
    if (!rows->isEmpty())
        for (rows->MoveFirst(); !rows->EOF_(); rows->MoveNext())
            if (rows->get(schema::column::BankCode).toText() == bankCode)
                branches.push_back(ReadBranchRow(*rows));
    return branches;
}

// The bank's row in a dynaset, current on the row of `code`; null when the
// bank is gone or is no longer the row the window showed.
std::unique_ptr<dao::Recordset> ShownBank(dao::Database& db, const BankRow& shown)
{
    auto banks = db.OpenRecordset(schema::query::BankMaster, dao::RecordsetType::Dynaset);
    if (banks->isEmpty())
        return nullptr;
    banks->FindFirst(schema::column::BankCode, dao::Value(shown.code));
    if (banks->NoMatch() || ReadBankRow(*banks) != shown)
        return nullptr;
    return banks;
}

BankWriteRefusal ChangedElsewhere()
{
    return {Kind::ChangedElsewhere, ""};
}

// Why the bank's code may not change or the bank go: what uses the bank, else
// what uses one of its branches.
std::optional<BankWriteRefusal> UsedRefusal(dao::Database& db, const BankRow& bank,
                                            const std::vector<BranchRow>& branches, const std::string& refused)
{
    if (const auto users = BankCodeUsers(db, bank.code); !users.empty())
        return BankWriteRefusal{Kind::InUse, InUseMessage(NameOrCode(bank.name, bank.code), users, refused)};
    for (const BranchRow& branch : branches)
        if (const auto users = BranchCodeUsers(db, branch.code); !users.empty())
            return BankWriteRefusal{Kind::InUse, InUseMessage(NameOrCode(branch.name, branch.code), users, refused)};
    return std::nullopt;
}

}  // namespace

std::optional<BankWriteRefusal> UpdateBankRow(dao::Workspace& ws, dao::Database& db, const BankRow& shown,
                                              const BankRow& edit)
{
    std::optional<BankWriteRefusal> refusal;
    dao::RunInTransaction(ws, [&] {
        auto banks = ShownBank(db, shown);
        if (!banks) {
            refusal = ChangedElsewhere();
            return;
        }
        const bool recoded = edit.code != shown.code;
        std::vector<BranchRow> branches;
        if (recoded) {
            if (const auto holder = FindBankByCode(db, edit.code)) {
                refusal = BankWriteRefusal{Kind::CodeTaken,
                                           "銀行番号「" + edit.code + "」は既に「" + NameOrCode(holder->name, edit.code)
                                               + "」に使われています"};
                return;
            }
            branches = BranchesOf(db, shown.code);
            refusal = UsedRefusal(db, shown, branches, "銀行番号を変更");
            if (refusal)
                return;
        }
        banks->Edit();
        banks->set(schema::column::BankCode, dao::Value(edit.code));
        if (!edit.name.empty())
            banks->set(schema::column::BankName, dao::Value(edit.name));
        if (!edit.transferName.empty())
            banks->set(schema::column::BankNameKana, dao::Value(edit.transferName));
        banks->set(schema::column::BankInUse, dao::Value(edit.inUse));
        banks->Update();
        for (const BranchRow& branch : branches)
            db.Execute(
                "UPDATE \"支店コードﾏｽﾀｰ\" SET \"銀行コード\" = ?, \"支店コード\" = ? WHERE \"支店コード\" = ?",
                {dao::Value(edit.code), dao::Value(edit.code + BranchNumberOf(branch.code)), dao::Value(branch.code)});
    });
    return refusal;
}

std::optional<BankWriteRefusal> DeleteBankRow(dao::Workspace& ws, dao::Database& db, const BankRow& shown)
{
    std::optional<BankWriteRefusal> refusal;
    dao::RunInTransaction(ws, [&] {
        auto banks = ShownBank(db, shown);
        if (!banks) {
            refusal = ChangedElsewhere();
            return;
        }
        const std::vector<BranchRow> branches = BranchesOf(db, shown.code);
        refusal = UsedRefusal(db, shown, branches, "削除");
        if (refusal)
            return;
        if (!branches.empty()) {
            std::string names;
            for (const BranchRow& branch : branches)
                names += (names.empty() ? "" : "・") + NameOrCode(branch.name, branch.code);
            refusal = BankWriteRefusal{Kind::HasBranches,
                                       "「" + NameOrCode(shown.name, shown.code) + "」には支店（" + names
                                           + "）があるため、削除できません　先に支店を削除してください"};
            return;
        }
        banks->Delete();
    });
    return refusal;
}

}  // namespace registers
