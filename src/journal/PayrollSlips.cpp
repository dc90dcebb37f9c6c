#include "journal/PayrollSlips.h"

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <algorithm>

namespace journal {

namespace {

const char* const kAmountFields[] = {"明細支給27", "明細控除8", "明細控除6", "明細控除10", "児童手当拠出金"};

}  // namespace

PayslipList ReadPayslips(dao::Database& payroll, PayrollKind kind)
{
    const PayrollKindTexts& texts = TextsOf(kind);
    const std::string query = texts.query;
    PayslipList result;
    if (!payroll.hasObject(query)) {
        result.error = "給与データベース「" + payroll.path() + "」に「" + query + "」がありません";
        return result;
    }
    const std::vector<std::string> fields = payroll.fieldNames(query);
    std::vector<std::string> needed = {texts.payDateField, "雇用形態"};
    needed.insert(needed.end(), std::begin(kAmountFields), std::end(kAmountFields));
    for (const std::string& field : needed) {
        if (std::find(fields.begin(), fields.end(), field) == fields.end()) {
            result.error = "給与データベースの「" + query + "」に「" + field + "」の項目がありません";
            return result;
        }
    }

    auto rows = payroll.OpenRecordset("SELECT * FROM " + query + " ORDER BY " + texts.payDateField,
                                      dao::RecordsetType::Snapshot);
    if (rows->isEmpty())
        return result;
    for (rows->MoveFirst(); !rows->EOF_(); rows->MoveNext()) {
        PayslipRecord slip;
        slip.payDate = rows->get(texts.payDateField).toDate();
        const dao::Value employment = rows->get("雇用形態");
        slip.employment = employment.isNumeric() ? employment.toInt64() : 0;
        std::int64_t* amounts[] = {&slip.gross, &slip.deduction8, &slip.deduction6, &slip.deduction10,
                                   &slip.childContribution};
        for (int i = 0; i < 5; ++i) {
            const dao::Value value = rows->get(kAmountFields[i]);
            if (value.isNull())
                continue;
            if (!value.isNumeric()) {
                result.payslips.clear();
                result.error = "給与データベースの「" + query + "」の「" + kAmountFields[i] + "」に数でない値「"
                    + value.toText() + "」があります";
                return result;
            }
            *amounts[i] = value.toInt64();
        }
        result.payslips.push_back(slip);
    }
    return result;
}

}  // namespace journal
