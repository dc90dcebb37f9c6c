#include "setup/TemplateListPrintout.h"

#include "common/FitByteWidth.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "setup/CountedListPages.h"
#include "setup/PrintFields.h"

namespace setup {

std::string TemplatePrintLine(const dao::Recordset& templateRow)
{
    const dao::Value rowNumber = templateRow.get(schema::column::RowNumber);
    std::string line = templateRow.get(schema::column::ClosingEntry).toBool() ? "*" : " ";
    line += " ";
    line += rowNumber.isNumeric() && rowNumber.toDouble() > 0 ? std::to_string(rowNumber.toInt64()) : " ";
    line += " " + o::FitByteWidth(templateRow.get(schema::column::Description).toText(), 20);
    line += " " + o::FitByteWidth(templateRow.get(schema::column::Partner).toText(), 10);
    line += " " + o::FitByteWidth(templateRow.get(schema::column::AccountName).toText(), 20);
    line += " " + NumberField(templateRow.get(schema::column::DebitAmount), o::kAmountMask, 10);
    line += " " + o::FitByteWidth(templateRow.get(schema::column::AccountName2).toText(), 20);
    line += " " + NumberField(templateRow.get(schema::column::CreditAmount), o::kAmountMask, 10);
    line += " " + o::FitByteWidth(templateRow.get(schema::column::BankName).toText(), 12);
    line += " " + o::FitByteWidth(templateRow.get(schema::column::BranchName).toText(), 12);
    return line;
}

void PrintTemplateList(SetupPage& page, dao::Recordset& templates)
{
    if (templates.isEmpty())
        return;
    page.device().setFontName("ＭＳ ゴシック");
    CountedListLayout layout;
    layout.title = kTemplateListTitle;
    layout.pageLabel = kTemplateListPageLabel;
    layout.headerLines = 3;
    layout.lineLimit = kTemplateListPageLimit;
    SetupPage atColumn6 = page.withMargin(kColumn6Margin);
    PrintCountedList(atColumn6, templates, layout, TemplatePrintLine);
    templates.MoveFirst();
}

}  // namespace setup
