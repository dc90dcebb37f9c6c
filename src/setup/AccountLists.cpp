#include "setup/AccountLists.h"

#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

namespace setup {

std::string BalanceColumnHeading(int column)
{
    if (column == 0)
        return "＜期首勘定科目、残高設定＞";
    if (column == kBalanceColumnCount - 1)
        return "＜予算登録＞　";
    if (column > 0 && column < kBalanceColumnCount)
        return "＜過去の期末残高登録＞　" + std::string(kBalanceColumnCaptions[column]);
    return {};
}

std::string AccountListLine(dao::Recordset& accounts, int column, bool masterList)
{
    std::string line = o::FitByteWidth(accounts.get(schema::column::AccountCode).toText(), 3) + " "
        + o::FitByteWidth(accounts.get(schema::column::AccountName).toText(), 20) + " ";
    std::string amount(12, ' ');
    if (column >= 0 && column < kBalanceColumnCount) {
        const dao::Value balance = accounts.get(std::string(kBalanceColumns[column]));
        // A balance too wide for the field shows as "*", never as a cut number.
        amount = o::FormatAmountField(balance.isNumeric() ? balance.toInt64() : 0, o::kAmount11Mask, 12);
    }
    line += amount;
    if (masterList)
        line += std::string(" ") + (accounts.get(schema::column::InUse).toBool() ? "○" : " ");
    return line;
}

ComparedFields AccountComparedFields(int column)
{
    using namespace schema::column;
    ComparedFields fields{AccountCode,   AccountName, InUse,      DebitCredit, NeedsCounterpart, Taxable,
                          SimplifiedTax, NameFixed,   MajorClass, MiddleClass, MinorClass,       Contents};
    if (column >= 0 && column < kBalanceColumnCount)
        fields.emplace_back(kBalanceColumns[static_cast<std::size_t>(column)]);
    return fields;
}

bool IsAccountCode(std::string_view text)
{
    if (text.size() != 3)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

}  // namespace setup
