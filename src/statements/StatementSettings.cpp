#include "statements/StatementSettings.h"

#include "platform/dao/Recordset.h"

namespace statements {

StatementSettings ReadStatementSettings(dao::Recordset& rs)
{
    StatementSettings s;
    if (rs.isEmpty())
        return s;
    rs.MoveFirst();
    s.companyName = rs.get("事業所名").toText();
    s.periodNumber = rs.get("会計年度").toText();
    s.periodFirst = rs.get("会計期間開始日").toDate();
    s.periodLast = rs.get("会計期間終了日").toDate();
    s.reportDate = rs.get("決算報告日").toDate();
    s.representativeTitle = rs.get("事業主役職名").toText();
    s.representativeName = rs.get("事業主氏名").toText();
    s.eraDates = rs.get("元号").toBool();
    s.triangleNegatives = rs.get("負記号").toBool();
    s.amountUnit = rs.get("金額単位").toText();
    const dao::Value industry = rs.get("業種");
    s.industry = industry.isNumeric() ? static_cast<int>(industry.toInt64()) : 0;
    return s;
}

}  // namespace statements
