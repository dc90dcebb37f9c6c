#include "setup/CompanyTab.h"
#include "periodfile/SchemaNames.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"
#include "common/EditMode.h"
#include "common/EraYearText.h"
#include "frame/WorkWindow.h"
#include "platform/ui/Dialogs.h"
#include "journal/EntryDate.h"
#include "setup/CompanySettings.h"
#include "setup/PeriodDateStore.h"
#include "setup/SetupControls.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace setup {

using frame::fromQ;
using frame::toQ;
using namespace controls;

CompanyTab::CompanyTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : SetupTab(file, cellExits)
{
    auto* layout = new QHBoxLayout(this);
    auto* fields = new QGridLayout;
    for (int i = 0; i < 13; ++i) {
        Label14[i] = label(q(kCompanyFieldCaptions[i]));
        Label14[i]->setObjectName(indexed("Label14", i));
        Text11[i] = textBox(indexed("Text11", i));
        Text11[i]->setMinimumWidth(320);
        watchFocus(Text11[i]);
        fields->addWidget(Label14[i], i, 0);
        fields->addWidget(Text11[i], i, 1);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addStretch();
    layout->addLayout(left, 1);

    auto* right = new QGridLayout;
    auto* period = new QHBoxLayout;
    period->addWidget(label("第"));
    Text7[0] = textBox("Text7(0)");
    Text7[0]->setMaximumWidth(60);
    watchFocus(Text7[0]);
    period->addWidget(Text7[0]);
    period->addWidget(label("期"));
    period->addStretch();
    right->addWidget(label("会計年度"), 0, 0);
    right->addLayout(period, 0, 1);

    right->addWidget(label("会計期間"), 1, 0);
    right->addLayout(dateRow(Combo12, "Combo12"), 1, 1);
    right->addWidget(label("～"), 2, 0, Qt::AlignRight);
    right->addLayout(dateRow(Combo13, "Combo13"), 2, 1);
    right->addWidget(label("決算報告日"), 3, 0);
    right->addLayout(dateRow(Combo3, "Combo3"), 3, 1);
    for (int i : {0, 1, 14}) {
        Label4[i] = label("");
        Label4[i]->setObjectName(indexed("Label4", i));
        Label4[i]->setMinimumWidth(160);
    }
    right->addWidget(Label4[0], 1, 2);
    right->addWidget(Label4[1], 2, 2);
    right->addWidget(Label4[14], 3, 2);
    for (auto* boxes : {&Combo12, &Combo13, &Combo3})
        for (QComboBox* box : *boxes)
            watchFocus(box);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addLayout(right);
    rightColumn->addStretch();
    layout->addLayout(rightColumn, 1);
}

void CompanyTab::setInputsUsable(bool usable)
{
    setUsable(Text7[0], usable);
    for (auto* boxes : {&Combo12, &Combo13, &Combo3})
        for (QComboBox* box : *boxes)
            setUsable(box, usable);
    for (QLineEdit* edit : Text11)
        setUsable(edit, usable);
}

bool CompanyTab::comboSelectsOnEntry(const QComboBox*) const
{
    return o::EditModeIsOn();
}

void CompanyTab::controlLeft(QObject* control)
{
    const auto indexIn = [control](const auto& array) -> int {
        const auto it = std::find(array.begin(), array.end(), control);
        return it == array.end() ? -1 : static_cast<int>(it - array.begin());
    };
    if (int i = indexIn(Text11); i >= 0)
        return Text11_LostFocus(i);
    if (control == Text7[0])
        return Text7_LostFocus(0);
    if (int i = indexIn(Combo12); i >= 0)
        return Combo12_LostFocus(i);
    if (int i = indexIn(Combo13); i >= 0)
        return Combo13_LostFocus(i);
    if (int i = indexIn(Combo3); i >= 0)
        return Combo3_LostFocus(i);
}

// ---- choice lists and loading -----------------------------------------------------------

void CompanyTab::FillChoices()
{
    const int thisYear = dao::Date::today().year;
    for (QComboBox* box : Combo12)
        box->clear();
    Combo12[0]->addItems({yearItem(thisYear - 1), yearItem(thisYear)});
    Combo13[0]->addItems({yearItem(thisYear), yearItem(thisYear + 1)});
    Combo3[0]->addItems({yearItem(thisYear), yearItem(thisYear + 1)});
    for (int m = 1; m <= 12; ++m) {
        Combo12[1]->addItem(monthItem(m));
        Combo13[1]->addItem(monthItem(m));
        Combo3[1]->addItem(monthItem(m));
    }
    const auto daysOf = [this](const char* field) {
        const auto d = m_file.SettingsRecordset->get(field).toDate();
        return d ? o::DaysInMonth(d->year, d->month) : 31;
    };
    addDays(Combo12[2], daysOf(schema::column::PeriodStart));
    const int endDays = daysOf(schema::column::PeriodEnd);
    addDays(Combo13[2], endDays);
    addDays(Combo3[2], endDays);
}

void CompanyTab::Load()
{
    dao::Recordset& settings = *m_file.SettingsRecordset;
    for (std::size_t i = 0; i < Text11.size(); ++i) {
        Text11[i]->clear();
        Text11[i]->setText(toQ(settings.get(std::string(kCompanyFields[i])).toText()));
    }
    const dao::Value period = settings.get(schema::column::PeriodNumber);
    if (period.isNumeric() && period.toInt64() != 0)
        Text7[0]->setText(toQ(period.toText()));

    showStoredDate(settings.get(schema::column::PeriodStart), Combo12, Label4[0]);
    showStoredDate(settings.get(schema::column::PeriodEnd), Combo13, Label4[1]);
    showStoredDate(settings.get(schema::column::ReportDate), Combo3, Label4[14]);
    for (const SettingsDate date : {SettingsDate::PeriodStart, SettingsDate::PeriodEnd, SettingsDate::ReportDate})
        m_shownDates[static_cast<std::size_t>(date)] = settings.get(SettingsDateField(date)).toDate();
}

// A stored date in its label (the era year) and its three boxes ("2024年",
// "04月", "01日"); an empty field leaves them as they are.
void CompanyTab::showStoredDate(const dao::Value& value, std::array<QComboBox*, 3>& boxes, QLabel* label)
{
    const auto d = value.toDate();
    if (!d)
        return;
    label->setText(toQ(o::EraYearText(*d)));
    boxes[0]->setEditText(toQ(o::FormatDate(*d, "yyyy") + "年"));
    boxes[1]->setEditText(toQ(o::FormatDate(*d, "mm") + "月"));
    boxes[2]->setEditText(toQ(o::FormatDate(*d, "dd") + "日"));
}

void CompanyTab::Text11_LostFocus(int index)
{
    if (!o::EditModeIsOn() || index < 0 || index >= static_cast<int>(Text11.size()))
        return;
    const std::string text = fromQ(Text11[index]->text());
    if (index == kCorporateNumberField && !IsCorporateNumberText(text)) {
        ui::dialogs().messageBox(kCorporateNumberMessage, ui::Buttons::Ok, std::string(kCorporateNumberTitle));
        ui::dialogs().beep();
        Text11[index]->setFocus();
        return;
    }
    if (!storeSetting(std::string(kCompanyFields[index]), text))
        return;
    if (index == kCompanyNameField)
        emit companyNameStored();
}

void CompanyTab::Text7_LostFocus(int index)
{
    if (!o::EditModeIsOn() || index != 0)
        return;
    const std::string text = fromQ(Text7[0]->text());
    if (text.empty())
        return;
    if (!IsPeriodNumberText(text)) {
        ui::dialogs().beep();
        Text7[0]->setFocus();
        return;
    }
    if (storeSetting(schema::column::PeriodNumber, std::stoi(text)))
        emit periodNumberStored();
}

// ---- the three dates ------------------------------------------------------------------------

std::array<QComboBox*, 3>& CompanyTab::dateBoxes(SettingsDate date)
{
    switch (date) {
    case SettingsDate::PeriodStart: return Combo12;
    case SettingsDate::PeriodEnd: return Combo13;
    case SettingsDate::ReportDate: break;
    }
    return Combo3;
}

void CompanyTab::Combo12_LostFocus(int index)
{
    leaveDateBox(SettingsDate::PeriodStart, index);
}
void CompanyTab::Combo13_LostFocus(int index)
{
    leaveDateBox(SettingsDate::PeriodEnd, index);
}
void CompanyTab::Combo3_LostFocus(int index)
{
    leaveDateBox(SettingsDate::ReportDate, index);
}

void CompanyTab::leaveDateBox(SettingsDate date, int index)
{
    if (!o::EditModeIsOn() || index < 0 || index > 2)
        return;
    auto& boxes = dateBoxes(date);
    const char* field = SettingsDateField(date);
    const DateBoxTexts texts{fromQ(boxes[0]->currentText()), fromQ(boxes[1]->currentText()),
                             fromQ(boxes[2]->currentText())};
    // A box left as the boxes were filled does nothing: another window or
    // program may have stored a different date since, which stays.
    std::optional<dao::Date>& shown = m_shownDates[static_cast<std::size_t>(date)];
    const DateBoxExit exit = LeaveDateBox(index, texts, shown);
    if (!exit.acts)
        return;
    if (exit.dayReset)
        boxes[2]->setEditText("1日");
    if (!exit.date) {
        ui::dialogs().beep();
        return;
    }
    if (date == SettingsDate::ReportDate) {
        if (storeSetting(field, *exit.date))
            showDateAfterEdit(date);
        return;
    }

    // The edited date is stored only as part of a period that can be one; a
    // refused pair stays in the boxes, so that the user can go on to the other
    // date, and the file keeps the period it had. The other date is stored
    // with it only when its boxes hold such an edit of their own.
    const SettingsDate other = date == SettingsDate::PeriodStart ? SettingsDate::PeriodEnd : SettingsDate::PeriodStart;
    auto& otherBoxes = dateBoxes(other);
    std::optional<dao::Date> pendingOther = journal::DateFromBoxes(
        fromQ(otherBoxes[0]->currentText()), fromQ(otherBoxes[1]->currentText()), fromQ(otherBoxes[2]->currentText()));
    if (pendingOther == m_shownDates[static_cast<std::size_t>(other)])
        pendingOther.reset();
    PeriodEdit edit;
    try {
        edit = StorePeriodDate(workspace(), database(), date, *exit.date, pendingOther);
    } catch (const std::exception& e) {
        reportFailure("会計期間を保存できませんでした", e);
        return;
    }
    if (edit.fault != o::FiscalPeriodFault::None) {
        refuse(o::FiscalPeriodFaultText(edit.fault, edit.start, edit.end) + "。この期間は保存していません。");
        return;
    }
    showDateAfterEdit(date);
    if (edit.other)
        showDateAfterEdit(other);
}

// The day list of a stored date's month, its day box and its label.
void CompanyTab::showDateAfterEdit(SettingsDate date)
{
    auto& boxes = dateBoxes(date);
    const auto stored = m_file.SettingsRecordset->get(SettingsDateField(date)).toDate();
    if (!stored)
        return;
    m_shownDates[static_cast<std::size_t>(date)] = stored;  // what the boxes show from now on
    boxes[2]->clear();
    addDays(boxes[2], o::DaysInMonth(stored->year, stored->month));
    boxes[2]->setEditText(toQ(o::FormatDate(*stored, "dd") + "日"));
    QLabel* label = date == SettingsDate::PeriodStart ? Label4[0]
        : date == SettingsDate::PeriodEnd             ? Label4[1]
                                                      : Label4[14];
    label->setText(toQ(DateLabelAfterEdit(date, *stored)));
}

}  // namespace setup
