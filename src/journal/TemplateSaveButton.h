#pragma once
// The journal-entry window's button "定型仕訳登録": the grid saved as a template.

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace journal {

class Form9;

// Only in edit mode. A grid that DataCheck refuses beeps and saves nothing;
// otherwise the grid is saved as a new template in one transaction, the
// template recordset is reopened on `database` and the list refilled. A failed
// write says so and saves nothing.
void TemplateSaveButton_Click(Form9& form, dao::Workspace& workspace, dao::Database& database);

}  // namespace journal
