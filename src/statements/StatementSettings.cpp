#include "statements/StatementSettings.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

namespace statements {

StatementSettings ReadStatementSettings(dao::Recordset& rs)
{
    StatementSettings s;
    if (rs.isEmpty())
        return s;
    rs.MoveFirst();
    s.companyName = rs.get(schema::column::CompanyName).toText();
    s.periodNumber = rs.get(schema::column::PeriodNumber).toText();
    s.periodFirst = rs.get(schema::column::PeriodStart).toDate();
    s.periodLast = rs.get(schema::column::PeriodEnd).toDate();
    s.reportDate = rs.get(schema::column::ReportDate).toDate();
    s.representativeTitle = rs.get(schema::column::OwnerTitle).toText();
    s.representativeName = rs.get(schema::column::OwnerName).toText();
    s.eraDates = rs.get(schema::column::EraDates).toBool();
    s.triangleNegatives = rs.get(schema::column::MinusSign).toBool();
    s.amountUnit = rs.get(schema::column::AmountUnit).toText();
    const dao::Value industry = rs.get(schema::column::Industry);
    s.industry = industry.isNumeric() ? static_cast<int>(industry.toInt64()) : 0;
    return s;
}

}  // namespace statements
