#include "statements/PeriodRange.h"

#include "common/FiscalPeriod.h"
#include "common/NumberFormat.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

namespace statements {

FiscalPeriod ReadFiscalPeriod(dao::Database& database)
{
    auto settings = database.OpenRecordset(schema::table::Settings, dao::RecordsetType::Snapshot);
    if (settings->isEmpty())
        throw dao::DaoError(dao::DaoError::Code::NoCurrentRecord,
                            "期ファイル「" + database.storedIn() + "」の「会計設定」に行がありません");
    settings->MoveFirst();
    const auto first = settings->get(schema::column::PeriodStart).toDate();
    const auto last = settings->get(schema::column::PeriodEnd).toDate();
    if (!first || !last)
        throw dao::DaoError(dao::DaoError::Code::General,
                            "会計期間（開始日と終了日）が設定されていないため、期間の集計ができません");
    return RequirePossiblePeriod(first, last, database.storedIn());
}

FiscalPeriod RequirePossiblePeriod(const std::optional<dao::Date>& first, const std::optional<dao::Date>& last,
                                   const std::string& path)
{
    const o::FiscalPeriodFault fault = o::CheckFiscalPeriod(first, last);
    if (fault != o::FiscalPeriodFault::None)
        throw dao::DaoError(dao::DaoError::Code::General,
                            "ファイル「" + path + "」の「会計設定」の" + o::FiscalPeriodFaultText(fault, first, last)
                                + "。会計初期設定で会計期間を直してから、もう一度開いてください。");
    return {*first, *last};
}

void RefuseFigureOutOfRange(const std::string& accountName, const std::string& code, const std::string& field)
{
    throw dao::DaoError(dao::DaoError::Code::Overflow,
                        "勘定科目「" + accountName + "」（" + code + "）の" + field
                            + "が扱える範囲（-9,223,372,036,854,775,808～9,223,372,036,854,775,807円）を超えています。"
                              "期間の集計は保存していません");
}

std::optional<std::int64_t> AddFigures(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

std::optional<std::int64_t> SubtractFigures(std::int64_t a, std::int64_t b)
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        return std::nullopt;
    return difference;
}

}  // namespace statements
