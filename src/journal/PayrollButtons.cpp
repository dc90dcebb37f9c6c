#include "journal/PayrollButtons.h"

#include "common/o.h"
#include "journal/Form9.h"
#include "journal/MonthEndButton.h"
#include "platform/ui/Dialogs.h"

namespace journal {

PayrollButtons::PayrollButtons(Form9& form) : QObject(&form), m_form(form)
{
    setObjectName("PayrollButtons");
}

PayrollButtons& PayrollButtons::of(Form9& form)
{
    if (auto* existing = form.findChild<PayrollButtons*>("PayrollButtons", Qt::FindDirectChildrenOnly))
        return *existing;
    return *new PayrollButtons(form);
}

void PayrollButtons::Click(PayrollKind kind, dao::Workspace& workspace, dao::Database& database)
{
    const PayrollKindTexts& texts = TextsOf(kind);
    if (ui::dialogs().messageBox(texts.question, ui::Buttons::YesNo, std::string(texts.questionTitle))
        != ui::Answer::Yes)
        return;

    const auto period = SettingsPeriodOrNotice(*m_form.SettingsRecordset);
    if (!period)
        return;
    PayrollSources sources{workspace,
                           database,
                           *m_form.TemplateRecordset,
                           *m_form.UsedAccountsRecordset,
                           m_form.journalInOrder(),
                           period->first,
                           period->last,
                           o::StartDir};
    const PayrollOutcome outcome = m_run.Run(kind, sources);
    ShowRunNotices(outcome.notices);
    if (outcome.reloadJournal)
        m_form.ReloadJournal();
}

}  // namespace journal
