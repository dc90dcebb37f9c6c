#include "common/FormCaption.h"

#include "periodfile/SchemaNames.h"

namespace o {

std::string FormCaption(const dao::Value& companyName, const dao::Value& periodNumber, const std::string& title)
{
    // The blank after 期 is an ideographic blank.
    return companyName.toText() + " 第" + periodNumber.toText() + "期　会計 " + title;
}

std::string SetFormCaption(dao::Recordset& settings, const std::string& title)
{
    return FormCaption(settings.get(schema::column::CompanyName), settings.get(schema::column::PeriodNumber), title);
}

}  // namespace o
