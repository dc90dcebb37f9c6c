#pragma once
// What the statements read of the settings row 会計設定.

#include "platform/dao/Value.h"

#include <optional>
#include <string>

namespace dao {
class Recordset;
}

namespace statements {

struct StatementSettings {
    std::string companyName;               // 事業所名
    std::string periodNumber;              // 会計年度, as text
    std::optional<dao::Date> periodFirst;  // 会計期間開始日
    std::optional<dao::Date> periodLast;   // 会計期間終了日
    std::optional<dao::Date> reportDate;   // 決算報告日
    std::string representativeTitle;       // 事業主役職名
    std::string representativeName;        // 事業主氏名
    bool eraDates = false;                 // 元号: dates of the closing report in era form
    bool triangleNegatives = false;        // 負記号: "△" for the printed profit and loss amounts
    std::string amountUnit;                // 金額単位 as stored ("円" or "百万円"); shown, never applied
    int industry = 0;                      // 業種 (0..6)
};

// The first row of a recordset on 会計設定 (left on that row).
StatementSettings ReadStatementSettings(dao::Recordset& settings);

}  // namespace statements
