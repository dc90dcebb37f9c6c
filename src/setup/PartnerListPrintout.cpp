#include "setup/PartnerListPrintout.h"

#include "common/FitByteWidth.h"
#include "common/NumberMasks.h"
#include "setup/PrintFields.h"

namespace setup {

namespace {

std::string DayField(const dao::Value& day, const char* suffix, int characters)
{
    if (!IsNonZeroNumber(day))
        return std::string(static_cast<std::size_t>(characters), ' ');
    return NumberField(day, o::kWholeMask, characters, suffix);
}

void PrintPartnerHeader(SetupPage& page, int pageNumber)
{
    page.headerBlock(kPartnerListTitle, SetupPageText(kOnePagePageLabel, pageNumber));
}

}  // namespace

std::string PartnerFirstPrintLine(const dao::Recordset& partner)
{
    return o::FitByteWidth(partner.get("取引先名").toText(), 27) + " "
           + o::FitByteWidth(partner.get("取引内容").toText(), 24) + " "
           + o::FitByteWidth(partner.get("取引先ランク").toText(), 4) + " " + DayField(partner.get("締日"), "日", 4)
           + " " + DayField(partner.get("支払日"), "日後", 6);
}

std::string PartnerSecondPrintLine(const dao::Recordset& partner)
{
    return o::FitByteWidth(partner.get("住所").toText(), 30) + " " + o::FitByteWidth(partner.get("代表者").toText(), 12)
           + " " + o::FitByteWidth(partner.get("電話番号").toText(), 12) + " "
           + o::FitByteWidth(partner.get("メールアドレス").toText(), 20);
}

void PrintPartnerList(SetupPage& given, dao::Recordset& partners)
{
    if (partners.isEmpty())
        return;
    SetupPage page = given.withMargin(kColumn6Margin);
    int pageNumber = 1;
    PrintPartnerHeader(page, pageNumber);
    for (partners.MoveFirst(); !partners.EOF_(); partners.MoveNext()) {
        if (!page.roomFor(2)) {   // a partner's two lines stay on one page
            page.newPage();
            PrintPartnerHeader(page, ++pageNumber);
        }
        page.line(PartnerFirstPrintLine(partners));
        page.line(PartnerSecondPrintLine(partners));
        page.gap();
    }
    page.newPage();
}

}  // namespace setup
