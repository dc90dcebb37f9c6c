#include "setup/SettingsDates.h"

#include "common/DateFormat.h"
#include "common/EraYearText.h"
#include "journal/EntryDate.h"
#include "periodfile/SchemaNames.h"

namespace setup {

const char* SettingsDateField(SettingsDate date)
{
    switch (date) {
    case SettingsDate::PeriodStart: return schema::column::PeriodStart;
    case SettingsDate::PeriodEnd: return schema::column::PeriodEnd;
    case SettingsDate::ReportDate: return schema::column::ReportDate;
    }
    return "";
}

DateBoxExit LeaveDateBox(int index, const DateBoxTexts& boxes, const std::optional<dao::Date>& shown)
{
    DateBoxExit exit;
    const std::string& left = index == 0 ? boxes.year : index == 1 ? boxes.month : boxes.day;
    if (left.empty())
        return exit;
    if (shown && journal::LeadingNumber(left) == (index == 0 ? shown->year : index == 1 ? shown->month : shown->day))
        return exit;
    exit.acts = true;
    DateBoxTexts texts = boxes;
    if (index == 1) {
        exit.dayReset = true;
        texts.day = "1日";
    }
    exit.date = journal::DateFromBoxes(texts.year, texts.month, texts.day);
    return exit;
}

PeriodEdit PeriodAfterEdit(SettingsDate edited, const dao::Date& date, const std::optional<dao::Date>& other)
{
    PeriodEdit edit;
    if (!other)
        return edit;
    edit.other = other;
    edit.start = edited == SettingsDate::PeriodStart ? date : *other;
    edit.end = edited == SettingsDate::PeriodStart ? *other : date;
    edit.fault = o::CheckFiscalPeriod(edit.start, edit.end);
    return edit;
}

std::string DateLabelAfterEdit(SettingsDate date, const dao::Date& stored)
{
    switch (date) {
    case SettingsDate::PeriodStart: return o::FormatDate(stored, o::kLabelDate);
    case SettingsDate::PeriodEnd: return o::EraYearText(stored);
    case SettingsDate::ReportDate: return o::EraYearText(stored) + o::FormatDate(stored, "mm月dd日");
    }
    return {};
}

}  // namespace setup
