#pragma once
// The journal-entry window's buttons "役員報酬、給与仕訳自動登録" and
// "賞与仕訳自動登録". The payroll database a run opens stays open while the
// window is open.

#include "journal/PayrollKind.h"
#include "journal/PayrollRun.h"

#include <QObject>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace journal {

class Form9;

class PayrollButtons : public QObject {
    Q_OBJECT
public:
    // Owned by the window (a child of it).
    explicit PayrollButtons(Form9& form);

    // The one instance of a window, made on first use.
    static PayrollButtons& of(Form9& form);

    // Asks first; on Yes runs the postings, says why when nothing may be posted,
    // and reloads the journal list unless the run ended at the template lookups.
    void Click(PayrollKind kind, dao::Workspace& workspace, dao::Database& database);

    const PayrollRun& run() const { return m_run; }

private:
    Form9& m_form;
    PayrollRun m_run;
};

}  // namespace journal
