#include "setup/PartnerListPrintout.h"

#include "common/FitByteWidth.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
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
    return o::FitByteWidth(partner.get(schema::column::PartnerName).toText(), 27) + " "
        + o::FitByteWidth(partner.get(schema::column::PartnerBusiness).toText(), 24) + " "
        + o::FitByteWidth(partner.get(schema::column::PartnerRank).toText(), 4) + " "
        + DayField(partner.get(schema::column::ClosingDay), "日", 4) + " "
        + DayField(partner.get(schema::column::PaymentDay), "日後", 6);
}

std::string PartnerSecondPrintLine(const dao::Recordset& partner)
{
    return o::FitByteWidth(partner.get(schema::column::Address).toText(), 30) + " "
        + o::FitByteWidth(partner.get(schema::column::Representative).toText(), 12) + " "
        + o::FitByteWidth(partner.get(schema::column::Phone).toText(), 12) + " "
        + o::FitByteWidth(partner.get(schema::column::Email).toText(), 20);
}

void PrintPartnerList(SetupPage& given, dao::Recordset& partners)
{
    if (partners.isEmpty())
        return;
    SetupPage page = given.withMargin(kColumn6Margin);
    int pageNumber = 1;
    PrintPartnerHeader(page, pageNumber);
    for (partners.MoveFirst(); !partners.EOF_(); partners.MoveNext()) {
        if (!page.roomFor(2)) {  // a partner's two lines stay on one page
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
