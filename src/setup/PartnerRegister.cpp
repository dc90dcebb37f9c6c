#include "setup/PartnerRegister.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Transaction.h"
#include "setup/RegisterLists.h"
#include "setup/ShownRecordWrites.h"

#include <memory>

namespace setup {

namespace {

constexpr const char* kPartnerSource = "Q_取引先管理";

std::unique_ptr<dao::Recordset> openPartners(dao::Database& db)
{
    return db.OpenRecordset(kPartnerSource, dao::RecordsetType::Dynaset);
}

void setIfFilled(dao::Recordset& rs, const char* field, const std::string& box)
{
    if (!box.empty())
        rs.set(field, box);
}

void setDayIfFilled(dao::Recordset& rs, const char* field, const std::string& box)
{
    if (!box.empty())
        rs.set(field, dao::Value(LeadingDayNumber(box)));
}

// The boxes into the partner's fields; an empty box leaves its field as it
// is, but for the rank when `rankAlways` ("更新" writes an emptied rank too).
void writePartner(dao::Recordset& partners, const PartnerBoxes& boxes, bool rankAlways)
{
    partners.set(schema::column::PartnerName, boxes.name);
    setDayIfFilled(partners, schema::column::ClosingDay, boxes.closingDay);
    setDayIfFilled(partners, schema::column::PaymentDay, boxes.paymentDay);
    if (rankAlways)
        partners.set(schema::column::PartnerRank, boxes.rank);
    else
        setIfFilled(partners, schema::column::PartnerRank, boxes.rank);
    setIfFilled(partners, schema::column::PartnerBusiness, boxes.business);
    setIfFilled(partners, schema::column::Address, boxes.address);
    setIfFilled(partners, schema::column::Representative, boxes.representative);
    setIfFilled(partners, schema::column::Phone, boxes.phone);
    setIfFilled(partners, schema::column::Email, boxes.mail);
}

}  // namespace

long long LeadingDayNumber(const std::string& text)
{
    std::size_t pos = text.find_first_not_of(' ');
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = value < 1'000'000'000 ? value * 10 + (text[pos] - '0') : value;
    return value;
}

void RegisterPartner(dao::Workspace& ws, dao::Database& db, const PartnerBoxes& boxes)
{
    dao::RunInTransaction(ws, [&] {
        auto partners = openPartners(db);
        partners->AddNew();
        writePartner(*partners, boxes, false);
        partners->Update();
    });
}

std::optional<std::string> UpdatePartner(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                         const PartnerBoxes& boxes)
{
    return ChangeShownRecord(ws, db, kPartnerSource, PartnerKey, line, kPartnerWhat, [&](dao::Recordset& partner) {
        partner.Edit();
        writePartner(partner, boxes, true);
        partner.Update();
        return std::optional<std::string>();
    });
}

std::optional<std::string> DeletePartner(dao::Workspace& ws, dao::Database& db, const ShownLine& line)
{
    return DeleteShownRecord(ws, db, kPartnerSource, PartnerKey, line, kPartnerWhat);
}

}  // namespace setup
