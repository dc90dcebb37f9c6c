#include "closing/RolloverPeriod.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <cmath>

namespace closing {

namespace {

std::string shownPeriod(const ClosingPeriod& period)
{
    return "会計期間（" + o::FormatDate(period.first, o::kSlashDate) + "～" + o::FormatDate(period.last, o::kSlashDate)
        + "）";
}

std::string periodNumberRefusal(const dao::Value& number)
{
    const std::string shown = number.isEmptyText() ? std::string("空欄") : "「" + number.toText() + "」";
    return "会計年度が" + shown + "のため、次期の期番号を決められません。会計年度を 1 から "
        + o::FormatNumber(kLastRollablePeriod, o::kAmount10Mask) + " の整数にしてから年次更新を行ってください";
}

}  // namespace

dao::Date TwelveMonthsOn(const dao::Date& first)
{
    const int year = first.year + 1;
    if (first.day <= o::DaysInMonth(year, first.month))
        return dao::Date{year, first.month, first.day};
    return dao::Date::fromDayNumber(dao::Date{year, first.month, o::DaysInMonth(year, first.month)}.dayNumber() + 1);
}

RolloverPeriodOrRefusal CheckRolloverPeriod(const dao::Value& number, const dao::Value& first, const dao::Value& last)
{
    RolloverPeriodOrRefusal result;
    if (!number.isNumeric() || number.toText().empty()) {
        result.refusal = periodNumberRefusal(number);
        return result;
    }
    const double value = number.toDouble();
    if (value != std::floor(value) || value < 1 || value > static_cast<double>(kLastRollablePeriod)) {
        result.refusal = periodNumberRefusal(number);
        return result;
    }
    const auto firstDay = first.toDate();
    const auto lastDay = last.toDate();
    if (!firstDay || !lastDay || !firstDay->isValid() || !lastDay->isValid()) {
        result.refusal = kPeriodNotSetMessage;
        return result;
    }
    const ClosingPeriod dates{dao::Date{firstDay->year, firstDay->month, firstDay->day},
                              dao::Date{lastDay->year, lastDay->month, lastDay->day}};
    if (dates.first.dayNumber() > dates.last.dayNumber()) {
        result.refusal =
            shownPeriod(dates) + "は開始日が終了日より後のため、年次更新を行えません。会計期間を確かめてください";
        return result;
    }
    if (dates.last.dayNumber() >= TwelveMonthsOn(dates.first).dayNumber()) {
        result.refusal =
            shownPeriod(dates) + "が12か月を超えているため、年次更新を行えません。会計期間を確かめてください";
        return result;
    }
    result.period = RolloverPeriod{static_cast<long long>(value), dates};
    return result;
}

RolloverPeriodOrRefusal ReadRolloverPeriod(dao::Database& database)
{
    auto settings = database.OpenRecordset(schema::table::Settings, dao::RecordsetType::Snapshot);
    if (settings->isEmpty())
        return RolloverPeriodOrRefusal{std::nullopt, kPeriodNotSetMessage};
    settings->MoveFirst();
    return CheckRolloverPeriod(settings->get(schema::column::PeriodNumber), settings->get(schema::column::PeriodStart),
                               settings->get(schema::column::PeriodEnd));
}

}  // namespace closing
