#include "journal/MonthEndButton.h"

#include "journal/Form9.h"
#include "journal/MonthEndTax.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"
#include "platform/ui/Dialogs.h"

namespace journal {

void ShowRunNotices(const std::vector<RunNotice>& notices)
{
    for (const RunNotice& notice : notices) {
        if (notice.beep)
            ui::dialogs().beep();
        ui::dialogs().messageBox(notice.text, ui::Buttons::Ok);
    }
}

std::optional<RunPeriod> SettingsPeriodOrNotice(dao::Recordset& settings)
{
    if (!settings.isEmpty())
        settings.MoveFirst();
    const auto first = settings.isEmpty() ? std::nullopt : settings.get(schema::column::PeriodStart).toDate();
    const auto last = settings.isEmpty() ? std::nullopt : settings.get(schema::column::PeriodEnd).toDate();
    if (!first || !last) {
        ShowRunNotices({{kPeriodNotSetMessage, true}});
        return std::nullopt;
    }
    return RunPeriod{*first, *last};
}

void MonthEndButton_Click(Form9& form, dao::Workspace& workspace, dao::Database& database)
{
    if (ui::dialogs().messageBox("月別の「仕入」、「売上」消費税（内税）を集計して仕訳を作成します　よろしいですか？",
                                 ui::Buttons::YesNo, std::string("月末の消費税仕訳登録（内税）"))
        != ui::Answer::Yes)
        return;

    dao::Recordset& settings = *form.SettingsRecordset;
    const auto period = SettingsPeriodOrNotice(settings);
    if (!period)
        return;
    MonthEndSources sources{workspace,
                            database,
                            form.journalInOrder(),
                            period->first,
                            period->last,
                            {form.InputTaxAccountCode, form.PayablesAccountCode, form.CashAccountCode,
                             form.UnpaidTaxAccountCode, form.ReceivablesAccountCode},
                            ReadTaxRateTable(*form.TaxRateRecordset),
                            FractionRuleOf(settings.get(schema::column::Rounding).toText())};
    const RunOutcome outcome = PostMonthEndTaxEntries(sources);
    ShowRunNotices(outcome.notices);
    form.ReloadJournal();
}

}  // namespace journal
