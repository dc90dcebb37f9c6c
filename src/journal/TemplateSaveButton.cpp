#include "journal/TemplateSaveButton.h"

#include "common/o.h"
#include "journal/EntryChecks.h"
#include "journal/Form9.h"
#include "journal/TemplateLoadWindow.h"
#include "journal/TemplateSave.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/ui/Dialogs.h"

namespace journal {

void TemplateSaveButton_Click(Form9& form, dao::Workspace& workspace, dao::Database& database)
{
    if (o::EditMode == o::EditModeOff)
        return;
    EntryGrid& grid = form.grid();
    const EntryRows cells = grid.rows();
    if (DataCheck(cells, grid.DebitAmounts, grid.CreditAmounts)) {
        ui::dialogs().beep();
        return;
    }
    const CodeLookup findCode = [&form](int kind, const std::string& name) { return form.FindCode(kind, name); };
    if (const auto refusal = UnregisteredTemplateAccount(cells, grid.DebitAmounts, grid.CreditAmounts, findCode)) {
        ui::dialogs().beep();
        ui::dialogs().messageBox(*refusal, ui::Buttons::Ok);
        return;
    }
    const BranchLookup findBranch = [&form](const std::string& bank, const std::string& branch) {
        return form.FindBranchCode(bank, branch);
    };
    const auto rows =
        BuildTemplateRows(cells, grid.DebitAmounts, grid.CreditAmounts, form.Check1->isChecked(), findCode, findBranch);
    try {
        SaveTemplate(workspace, database, *form.TemplateRecordset, rows, dao::Date::now());
    } catch (const dao::DaoError& e) {
        ui::dialogs().beep();
        ui::dialogs().messageBox(std::string("定型仕訳を登録できませんでした。何も登録していません。\n") + e.what(),
                                 ui::Buttons::Ok);
    }
    form.TemplateRecordset->Close();
    form.TemplateRecordset = database.OpenRecordset(schema::query::Templates, dao::RecordsetType::Dynaset);
    FillTemplateList(form);
}

}  // namespace journal
