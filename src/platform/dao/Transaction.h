#pragma once
// Runs a piece of work as one transaction of a workspace: all of its writes or
// none. The work is committed when it returns; when it throws, or when the
// commit itself fails, an unfinished AddNew/Edit of the named recordsets is
// cancelled, the transaction is rolled back and the error goes on to the caller.
// So no failure ever leaves the workspace inside an open transaction.

#include "Engine.h"
#include "Recordset.h"

#include <initializer_list>

namespace dao {

template <typename Work>
void RunInTransaction(Workspace& workspace, Work&& work, std::initializer_list<Recordset*> pending = {})
{
    workspace.BeginTrans();
    try {
        work();
        workspace.CommitTrans();
    } catch (...) {
        for (Recordset* rs : pending)
            if (rs && rs->isOpen() && rs->editMode() != EditState::None)
                rs->CancelUpdate();
        if (workspace.inTransaction())
            workspace.Rollback();
        throw;
    }
}

}  // namespace dao
