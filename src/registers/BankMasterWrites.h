#pragma once
// The writes of the bank master window on a bank: writing the boxes over a
// bank, with a new code carried to its branches, and deleting a bank. Each is
// one transaction, and everything that decides whether it may act (the bank
// still as the window showed it, a new code free, nothing using the bank or
// its branches, no branch left under a bank being deleted) is checked inside
// it, after the write lock is held. A refusal writes nothing.

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "registers/BankMasterRows.h"

#include <optional>
#include <string>

namespace registers {

struct BankWriteRefusal {
    enum class Kind {
        ChangedElsewhere,  // the bank is gone or differs from the row the window showed
        CodeTaken,         // another bank holds the new code
        InUse,             // the bank or one of its branches is used, so its code stays
        HasBranches,       // a bank with branches is not deleted
    };
    Kind kind;
    std::string message;
};

// Writes `edit` over the bank `shown` (found by its code). A new code also
// becomes the bank code of each of its branches, and the start of each branch
// code (the branch number stays). An empty name or transfer name leaves the
// stored one.
std::optional<BankWriteRefusal> UpdateBankRow(dao::Workspace& ws, dao::Database& db, const BankRow& shown,
                                              const BankRow& edit);

// Deletes the bank `shown`; refused while anything uses it or it has branches
// (the message names them).
std::optional<BankWriteRefusal> DeleteBankRow(dao::Workspace& ws, dao::Database& db, const BankRow& shown);

}  // namespace registers
