// The date boxes and the account cells of the journal-entry window, and their focus handling.
#include "journal/Form9.h"
#include "journal/Form9Text.h"

#include "platform/calendar/DaysInMonth.h"
#include "common/EraYearText.h"
#include "common/EditMode.h"
#include "journal/AmountRange.h"
#include "journal/EntryDate.h"
#include "journal/TaxRowAccount.h"
#include "periodfile/SchemaNames.h"
#include "platform/ui/Dialogs.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace journal {

using namespace form9;

// ---- date boxes and account cells ------------------------------------------------

void Form9::Combo2_LostFocus(int index)
{
    for (QComboBox* box : Combo2)
        if (box->currentText().isEmpty())
            return;
    if (index == 1) {
        const QString rememberedDay = Combo2[2]->currentText();
        const int days =
            o::DaysInMonth(LeadingNumber(s(Combo2[0]->currentText())), LeadingNumber(s(Combo2[1]->currentText())));
        Combo2[2]->clear();
        for (int d = 1; d <= days; ++d)
            Combo2[2]->addItem(dayItem(d));
        if (LeadingNumber(s(rememberedDay)) > days && days > 0)
            Combo2[2]->setEditText(QString::number(days).rightJustified(2, '0') + "日");
        else
            Combo2[2]->setEditText(rememberedDay);
    }
    const auto date = boxDate();
    if (!date) {
        refuseDate();
        return;
    }
    Label3->setText(q(o::EraYearText(*date)));
    EntryDate = *date;
}

void Form9::refuseDate()
{
    const auto wrong =
        WrongDateBox(s(Combo2[0]->currentText()), s(Combo2[1]->currentText()), s(Combo2[2]->currentText()));
    QComboBox* box = Combo2[static_cast<int>(wrong.value_or(DateBox::Day))];
    refuse(kInvalidDateMessage);
    // Back to the box that was wrong, its text selected, so the next keys
    // replace it (not the cell the focus was on its way to).
    box->setFocus(Qt::OtherFocusReason);
    box->lineEdit()->selectAll();
}

void Form9::Combo1_LostFocus(int index)
{
    taxRowLeft(index, true);
}
void Form9::Combo7_LostFocus(int index)
{
    taxRowLeft(index, false);
}

void Form9::taxRowLeft(int index, bool debitSide)
{
    EntryGrid& g = *m_grid;
    const std::string name =
        g.AccountCellLeft(index, debitSide, [this](const std::string& code) { return AccountNameOf(code); });
    const std::string previousName =
        index > 0 ? s((debitSide ? g.Combo1[index - 1] : g.Combo7[index - 1])->currentText()) : std::string();
    const CodeLookup findCode = [this](int kind, const std::string& account) { return FindCode(kind, account); };
    const auto flags = TaxRowFlagsOf({index, debitSide, name, previousName},
                                     ChartTaxFlags(findCode, debitSide ? 2 : 3, *AccountMasterRecordset), {});
    if (!flags)
        return;
    const auto date = boxDate();
    if (!date) {
        refuseDate();
        return;
    }
    const TaxRowTerms terms{*date, flags->taxable, flags->simplified,
                            FractionRuleOf(SettingsRecordset->get(schema::column::Rounding).toText()),
                            kGroupedOppositeMasks};
    if (!g.PutTaxRow(index, debitSide, m_taxRates, terms))
        refuse(kAmountOutOfRangeMessage);
}

// ---- focus -------------------------------------------------------------------------

bool Form9::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        m_cellExits.focusOut(event, [&] { cellLeft(watched, o::EditModeIsOn()); });
    } else if (event->type() == QEvent::FocusIn) {
        cellEntered(watched);
    }
    return frame::WorkWindow::eventFilter(watched, event);
}

void Form9::cellLeft(QObject* cell, bool editing)
{
    EntryGrid& g = *m_grid;
    for (int i = 0; i < 3; ++i)
        if (cell == Combo2[i])
            return Combo2_LostFocus(i);
    for (int i = 0; i < kGridRows; ++i) {
        if (cell == g.Text8[i]) {
            if (editing)
                g.Text8_LostFocus(i);
            return;
        }
        if (cell == g.Text9[i]) {
            if (editing)
                g.Text9_LostFocus(i);
            return;
        }
        if (cell == g.Combo1[i])
            return Combo1_LostFocus(i);
        if (cell == g.Combo7[i])
            return Combo7_LostFocus(i);
    }
}

void Form9::cellEntered(QObject* cell)
{
    if (o::EditMode == o::EditModeOff)
        return;
    EntryGrid& g = *m_grid;
    QLineEdit* edit = qobject_cast<QLineEdit*>(cell);
    if (auto* combo = qobject_cast<QComboBox*>(cell)) {
        const bool selects = std::find(Combo2.begin(), Combo2.end(), combo) != Combo2.end()
            || std::find(g.Combo1.begin(), g.Combo1.end(), combo) != g.Combo1.end()
            || std::find(g.Combo7.begin(), g.Combo7.end(), combo) != g.Combo7.end();
        if (!selects)
            return;
        edit = combo->lineEdit();
    } else if (edit && std::find(g.Text1.begin(), g.Text1.end(), edit) == g.Text1.end()
               && std::find(g.Text8.begin(), g.Text8.end(), edit) == g.Text8.end()
               && std::find(g.Text9.begin(), g.Text9.end(), edit) == g.Text9.end()) {
        return;
    }
    if (edit)
        QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

}  // namespace journal
