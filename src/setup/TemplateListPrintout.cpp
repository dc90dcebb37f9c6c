#include "setup/TemplateListPrintout.h"

#include "common/FitByteWidth.h"
#include "common/NumberMasks.h"
#include "setup/CountedListPages.h"
#include "setup/PrintFields.h"

namespace setup {

std::string TemplatePrintLine(const dao::Recordset& templateRow)
{
    const dao::Value rowNumber = templateRow.get("追番");
    std::string line = templateRow.get("決算仕訳").toBool() ? "*" : " ";
    line += " ";
    line += rowNumber.isNumeric() && rowNumber.toDouble() > 0 ? std::to_string(rowNumber.toInt64()) : " ";
    line += " " + o::FitByteWidth(templateRow.get("摘要").toText(), 20);
    line += " " + o::FitByteWidth(templateRow.get("取引先").toText(), 10);
    line += " " + o::FitByteWidth(templateRow.get("勘定科目名").toText(), 20);
    line += " " + NumberField(templateRow.get("入金"), o::kAmountMask, 10);
    line += " " + o::FitByteWidth(templateRow.get("勘定科目名2").toText(), 20);
    line += " " + NumberField(templateRow.get("出金"), o::kAmountMask, 10);
    line += " " + o::FitByteWidth(templateRow.get("銀行名").toText(), 12);
    line += " " + o::FitByteWidth(templateRow.get("支店名").toText(), 12);
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
