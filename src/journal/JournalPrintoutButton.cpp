#include "journal/JournalPrintoutButton.h"

#include "journal/Form9.h"
#include "journal/JournalPrintout.h"
#include "periodfile/SchemaNames.h"
#include "platform/printing/Printer.h"
#include "platform/ui/Dialogs.h"

namespace journal {

void JournalPrintoutButton_Click(Form9& form)
{
    if (ui::dialogs().messageBox(kJournalPrintQuestion, ui::Buttons::YesNo, std::string(kJournalPrintQuestionTitle))
        != ui::Answer::Yes)
        return;
    dao::Recordset& settings = *form.SettingsRecordset;
    dao::Value company;
    if (!settings.isEmpty()) {
        settings.MoveFirst();
        company = settings.get(schema::column::CompanyName);
    }
    PrintJournalRun(printing::printer(), form.journalInOrder(), company, dao::Date::now());
    form.ReloadJournal();
}

}  // namespace journal
