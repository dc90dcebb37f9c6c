#include "setup/AccountListPrintouts.h"

#include "common/FitByteWidth.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "setup/CountedListPages.h"
#include "setup/PrintFields.h"

#include <array>

namespace setup {

namespace {

constexpr const char* kFullWidthBlank = "　";

std::string FullWidthBlanks(int count)
{
    std::string blanks;
    for (int i = 0; i < count; ++i)
        blanks += kFullWidthBlank;
    return blanks;
}

std::string AmountField(const dao::Value& amount)
{
    return NumberField(amount, o::kAmount11Mask, 12);
}

constexpr std::array<const char*, 3> kClassFields = {schema::column::MajorClass, schema::column::MiddleClass,
                                                     schema::column::MinorClass};
constexpr std::array<int, 3> kClassWidths = {10, 10, 18};

void PrintAccountList(SetupPage& page, dao::Recordset& accounts, bool master)
{
    page.device().setFontName("ＭＳ ゴシック");
    CountedListLayout layout;
    layout.title = master ? kMasterAccountListTitle : kUsedAccountListTitle;
    layout.columnHeading = master ? MasterAccountHeading() : UsedAccountHeading();
    layout.headerLines = 3;
    layout.lineLimit = 86;
    AccountClassColumns classes;
    PrintCountedList(page, accounts, layout, [&](const dao::Recordset& account) {
        return classes.next(account) + AccountListRowLine(account, master);
    });
}

}  // namespace

std::string MasterAccountHeading()
{
    return FullWidthBlanks(29) + "期首残高　使用　借貸　　　借方合計　　貸方合計　　期末残高";
}

std::string UsedAccountHeading()
{
    return FullWidthBlanks(30) + "期首残高　　借貸　　　借方合計　　貸方合計　　期末残高";
}

std::string AccountClassColumns::next(const dao::Recordset& account)
{
    std::string columns;
    for (std::size_t i = 0; i < kClassFields.size(); ++i) {
        const std::string name = account.get(kClassFields[i]).toText();
        if (!name.empty() && name != m_last[i]) {
            columns += o::FitByteWidth(name, kClassWidths[i]);
            m_last[i] = name;
        } else {
            columns += std::string(static_cast<std::size_t>(kClassWidths[i]), ' ');
        }
    }
    return columns;
}

std::string AccountListRowLine(const dao::Recordset& account, bool withInUseMark)
{
    std::string line = o::FitByteWidth(account.get(schema::column::AccountCode).toText(), 3) + " "
        + o::FitByteWidth(account.get(schema::column::AccountName).toText(), 14) + " "
        + AmountField(account.get(schema::column::OpeningBalance)) + " ";
    if (withInUseMark)
        line += std::string(account.get(schema::column::InUse).toBool() ? "○" : kFullWidthBlank) + " ";
    line +=
        account.get(schema::column::DebitCredit).isNumeric() && account.get(schema::column::DebitCredit).toInt64() == 0
        ? "　□－　"
        : "　－□　";
    line += AmountField(account.get(schema::column::DebitTotal)) + AmountField(account.get(schema::column::CreditTotal))
        + AmountField(account.get(schema::column::ClosingBalance));
    return line;
}

void PrintMasterAccountList(SetupPage& page, dao::Recordset& accountMaster)
{
    PrintAccountList(page, accountMaster, true);
}

void PrintUsedAccountList(SetupPage& page, dao::Recordset& usedAccounts)
{
    PrintAccountList(page, usedAccounts, false);
}

}  // namespace setup
