// The closing window's title, choice lists, refresh, rate lookup and the
// handlers of its stored options and "全て選択" boxes.
#include "periodfile/SchemaNames.h"
#include "statements/Form34.h"

#include "common/EditMode.h"
#include "common/FormCaption.h"
#include "platform/dao/Transaction.h"
#include "platform/ui/Dialogs.h"
#include "statements/ClosingWindowText.h"
#include "statements/PeriodFigures.h"
#include "statements/StatementText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace statements {

using frame::toQ;

void Form34::ShowClosingTitle(const std::string& title)
{
    dao::Recordset& s = *SettingsRecordset;
    s.MoveFirst();
    SetCaption(o::FormCaption(s.get(schema::column::CompanyName), s.get(schema::column::PeriodNumber), title));
    Label11->setText(toQ(ClosingTitleLine(s.get(schema::column::CompanyName), s.get(schema::column::PeriodNumber),
                                          s.get(schema::column::PeriodStart), s.get(schema::column::PeriodEnd))));
}

int Form34::TaxRateOn(const dao::Date& d)
{
    return ClosingTaxRate(*TaxRateRecordset, d);
}

void Form34::RefreshClosingForm()
{
    TaxDate = dao::Date::now();
    o::EditModeSuspended off;
    try {
        dao::Recordset& s = *SettingsRecordset;
        s.MoveFirst();
        selectStoredOptions();
        s.MoveFirst();
        const dao::Value periodEnd = s.get(schema::column::PeriodEnd);
        m_entryPage->Refresh(TaxStatusLine(TaxRateOn(TaxDate), s.get(schema::column::TaxFiling).toText(),
                                           s.get(schema::column::TaxHandling).toText(),
                                           s.get(schema::column::TaxCalculation).toBool(),
                                           s.get(schema::column::Rounding).toText()),
                             periodEnd);
        const std::string period = PeriodText(s.get(schema::column::PeriodStart).toDate(), periodEnd.toDate(), TaxDate);
        for (QLabel* l : Label4)
            l->setText(toQ(period));

        recomputePeriodFigures();
        if (m_tallyRefusal) {
            showTallyRefusal();
            return;
        }
        ShowTrialBalance();
        if (m_entryPage->NoClosingEntries()) {
            ShowProfitLossAccountsByBalances();
            ShowProfitLossReportByBalances();
        } else {
            ShowProfitLossAccountsByTotals();
            ShowProfitLossReportByTotals();
        }
        ShowBalanceSheetAccounts();
        ShowBalanceSheetReport();
        ShowManufacturingCost();
        ShowSgaBreakdown();
    } catch (const std::exception& e) {
        // Whatever stopped the refresh (a field another tool renamed, a
        // damaged row of the closing entries), the figures the file holds are
        // not known to be this journal's: none of them is shown, printed or
        // written until a refresh succeeds.
        m_tallyRefusal = TallyRefusalText(e.what());
        TallyNotice->setText(toQ(*m_tallyRefusal));
        showTallyRefusal();
        showFailure(e);
    }
}

void Form34::recomputePeriodFigures()
{
    std::string notice;
    // A failed tally leaves the figures of an earlier one in the file: until a
    // tally succeeds, nothing of them is shown, printed or written.
    m_tallyRefusal.reset();
    try {
        notice = statements::TallyNotice(RecomputePeriodFigures(*m_workspace, *m_database));
    } catch (const std::exception& e) {
        m_tallyRefusal = TallyRefusalText(e.what());
        notice = *m_tallyRefusal;
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok, std::string("決算処理"));
    }
    TallyNotice->setText(toQ(notice));
}

void Form34::showTallyRefusal()
{
    const QString notice = toQ(*m_tallyRefusal);
    for (QListWidget* list :
         {List3, List5[0], List5[1], List5[2], List4[0], List4[1], List4[2], List4[3], List6, List7}) {
        list->clear();
        list->addItem(notice);
    }
    for (QLineEdit* box : Text3)
        box->clear();
    for (QLineEdit* box : Text2)
        box->clear();
    BalanceNotice->setText(notice);
}

bool Form34::refusedForTally(const char* title)
{
    if (!m_tallyRefusal)
        return false;
    ui::dialogs().messageBox(*m_tallyRefusal, ui::Buttons::Ok, std::string(title));
    return true;
}

void Form34::selectStoredOptions()
{
    dao::Recordset& s = *SettingsRecordset;
    const bool era = s.get(schema::column::EraDates).toBool();
    const bool triangle = s.get(schema::column::MinusSign).toBool();
    const bool reportB5 = s.get(schema::column::StatementsOnB5).toBool();
    const bool listsB5 = s.get(schema::column::FormsOnB5).toBool();
    const bool yen = s.get(schema::column::AmountUnit).toText() == "円";
    // Selecting a button runs its pair's handler, which stores the pair again.
    Option9[era ? 0 : 1]->setChecked(true);
    Option10[triangle ? 0 : 1]->setChecked(true);
    Option3[reportB5 ? 0 : 1]->setChecked(true);
    Option6[listsB5 ? 0 : 1]->setChecked(true);
    Option4[yen ? 0 : 1]->setChecked(true);
}

void Form34::storeOption(const char* field, const dao::Value& value)
{
    dao::Recordset& s = *SettingsRecordset;
    try {
        s.MoveFirst();
        s.Edit();
        s.set(field, value);
        s.Update();
    } catch (const std::exception& e) {
        if (s.editMode() != dao::EditState::None)
            s.CancelUpdate();
        showFailure(e);
    }
}

void Form34::Option9_Click(int)
{
    storeOption(schema::column::EraDates, Option9[0]->isChecked());
}

void Form34::Option10_Click(int)
{
    storeOption(schema::column::MinusSign, Option10[0]->isChecked());
}

void Form34::Option3_Click(int)
{
    storeOption(schema::column::StatementsOnB5, Option3[0]->isChecked());
}

void Form34::Option6_Click(int)
{
    storeOption(schema::column::FormsOnB5, Option6[0]->isChecked());
}

void Form34::Option4_Click(int)
{
    storeOption(schema::column::AmountUnit, Option4[0]->isChecked() ? "円" : "百万円");
}

namespace {

void selectAll(std::array<QCheckBox*, 7>& boxes, int index)
{
    if (index != 0)
        return;
    const bool on = boxes[0]->isChecked();
    for (std::size_t i = 1; i < boxes.size(); ++i)
        boxes[i]->setChecked(on);
}

}  // namespace

void Form34::Check1_Click(int index)
{
    selectAll(Check1, index);
}

void Form34::Check2_Click(int index)
{
    selectAll(Check2, index);
}

void Form34::showFailure(const std::exception& e)
{
    ui::dialogs().messageBox(e.what(), ui::Buttons::Ok, std::string("決算処理"));
}

}  // namespace statements
