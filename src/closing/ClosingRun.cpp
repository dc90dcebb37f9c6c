#include "closing/ClosingRun.h"

#include "common/DateFormat.h"
#include "journal/EntryDate.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <cstdio>

namespace closing {

std::optional<ClosingPeriod> ReadClosingPeriod(dao::Database& database)
{
    // Read at every closing date's check: described once while the schema stays.
    auto settings = database.OpenSnapshot(schema::table::Settings, {});
    if (settings->isEmpty())
        return std::nullopt;
    settings->MoveFirst();
    const auto first = settings->get(schema::column::PeriodStart).toDate();
    const auto last = settings->get(schema::column::PeriodEnd).toDate();
    if (!first || !last)
        return std::nullopt;
    return ClosingPeriod{*first, *last};
}

std::string DateOutsidePeriodMessage(const dao::Date& date, const ClosingPeriod& period)
{
    return "決算日（" + o::FormatDate(date, o::kSlashDate) + "）が会計期間（"
        + o::FormatDate(period.first, o::kSlashDate) + "～" + o::FormatDate(period.last, o::kSlashDate)
        + "）の外にあります";
}

CheckedClosingDate CheckClosingDate(dao::Database& database, const ClosingDateBoxes& boxes)
{
    CheckedClosingDate checked;
    const auto date = journal::DateFromBoxes(boxes.year, boxes.month, boxes.day);
    if (!date) {
        checked.refusal = Refusal(kInvalidDateMessage);
        return checked;
    }
    checked.period = ReadClosingPeriod(database);
    if (!checked.period) {
        checked.refusal = Refusal(kPeriodNotSetMessage);
        return checked;
    }
    if (date->dayNumber() < checked.period->first.dayNumber() || date->dayNumber() > checked.period->last.dayNumber()) {
        checked.refusal = Refusal(DateOutsidePeriodMessage(*date, *checked.period));
        return checked;
    }
    checked.date = date;
    return checked;
}

ChartCodes::ChartCodes(dao::Database& database)
{
    auto chart = database.OpenRecordset(schema::query::Chart, dao::RecordsetType::Snapshot);
    if (chart->isEmpty())
        return;
    for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext())
        m_accounts.emplace_back(chart->get(schema::column::AccountCode).toText(),
                                chart->get(schema::column::AccountName).toText());
}

std::string ChartCodes::codeOf(const std::string& accountName) const
{
    if (accountName.empty())
        return {};
    for (const auto& [code, name] : m_accounts)
        if (name == accountName)
            return code;
    return {};
}

bool ChartCodes::has(const std::string& code) const
{
    if (code.empty())
        return false;
    for (const auto& account : m_accounts)
        if (account.first == code)
            return true;
    return false;
}

std::string IsoDay(const dao::Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

ClosingNotice Refusal(const std::string& text)
{
    ClosingNotice notice;
    notice.text = text;
    notice.beep = true;
    return notice;
}

ClosingNotice Information(const std::string& text)
{
    ClosingNotice notice;
    notice.text = text;
    return notice;
}

}  // namespace closing
