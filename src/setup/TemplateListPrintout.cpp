#include "setup/TemplateListPrintout.h"

#include "common/FitByteWidth.h"
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
    line += " " + NumberField(templateRow.get("入金"), "###,###,##0", 10);
    line += " " + o::FitByteWidth(templateRow.get("勘定科目名2").toText(), 20);
    line += " " + NumberField(templateRow.get("出金"), "###,###,##0", 10);
    line += " " + o::FitByteWidth(templateRow.get("銀行名").toText(), 12);
    line += " " + o::FitByteWidth(templateRow.get("支店名").toText(), 12);
    return line;
}

void PrintTemplateList(SetupPage& page, dao::Recordset& templates)
{
    if (templates.isEmpty())
        return;
    page.device().setFontName("ＭＳ ゴシック");
    page.blankLines(1);
    int lines = 0;
    int pageNumber = 1;
    for (templates.MoveFirst(); !templates.EOF_(); templates.MoveNext()) {
        if (lines == 0) {
            page.blankLines(1);
            page.headerLine(kTemplateListTitle, SetupPageText(kTemplateListPageLabel, pageNumber));
            page.gap();
            page.blankLines(1);
            lines = 3;
        }
        page.line(TemplatePrintLine(templates));
        if (++lines > kTemplateListPageLimit) {
            page.newPage();
            lines = 0;
            ++pageNumber;
        }
    }
    templates.MoveFirst();
    page.newPage();
}

}  // namespace setup
