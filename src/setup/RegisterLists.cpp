#include "setup/RegisterLists.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "common/Utf8.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

#include <vector>

namespace setup {

namespace {

std::vector<std::string> characters(const std::string& text)
{
    std::vector<std::string> result;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = o::utf8::decodeAt(text, pos).length;
        result.push_back(text.substr(pos, length));
        pos += length;
    }
    return result;
}

std::string joined(const std::vector<std::string>& chars, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count && i < chars.size(); ++i)
        text += chars[i];
    return text;
}

std::string text(const dao::Recordset& rs, const char* field)
{
    return rs.get(field).toText();
}

// A number field with an integer mask; "" when the field holds no number.
std::string number(dao::Recordset& rs, const char* field, const char* mask)
{
    const dao::Value v = rs.get(field);
    return v.isNumeric() ? o::FormatNumber(v.toInt64(), mask) : std::string();
}

// A number right-set in `width` characters; one too wide for the field fills
// it with "*" (a cut number would read as another figure).
std::string AmountInChars(const std::string& text, int width)
{
    return o::RightAlign(text, width);
}

std::string date(dao::Recordset& rs, const char* field)
{
    return o::FormatDate(rs.get(field), " yyyy/mm/dd");
}

}  // namespace

std::string LeftInChars(const std::string& text, int width)
{
    const auto chars = characters(text);
    const auto w = static_cast<std::size_t>(width < 0 ? 0 : width);
    if (chars.size() >= w)
        return joined(chars, w);
    return text + std::string(w - chars.size(), ' ');
}

std::string RightInChars(const std::string& text, int width)
{
    const auto chars = characters(text);
    const auto w = static_cast<std::size_t>(width < 0 ? 0 : width);
    if (chars.size() >= w)
        return joined(chars, w);
    return std::string(w - chars.size(), ' ') + text;
}

std::string PartnerKey(const dao::Recordset& partners)
{
    return text(partners, schema::column::PartnerName);
}

std::string BankAccountKey(const dao::Recordset& accounts)
{
    return text(accounts, schema::column::No) + "|" + text(accounts, schema::column::BankCode) + "|"
        + text(accounts, schema::column::BranchCode) + "|" + text(accounts, schema::column::DepositKind);
}

std::string FixedAssetKey(const dao::Recordset& assets)
{
    return text(assets, schema::column::AssetNumber);
}

std::string LeaseKey(const dao::Recordset& leases)
{
    return text(leases, schema::column::ContractNumber);
}

std::string TemplateKey(const dao::Recordset& templates)
{
    return text(templates, schema::column::TemplateId) + "|" + text(templates, schema::column::RowNumber);
}

std::string TemplateIdOfKey(const std::string& key)
{
    return key.substr(0, key.rfind('|'));
}

const ComparedFields& PartnerComparedFields()
{
    using namespace schema::column;
    static const ComparedFields fields{PartnerName, PartnerBusiness, PartnerRank, ClosingDay, PaymentDay,
                                       Address,     Representative,  Phone,       Email};
    return fields;
}

const ComparedFields& BankAccountComparedFields()
{
    using namespace schema::column;
    static const ComparedFields fields{No,         BankCode,    BranchCode,     BankName,
                                       BranchName, DepositKind, OpeningBalance, ClosingBalance};
    return fields;
}

const ComparedFields& FixedAssetComparedFields()
{
    using namespace schema::column;
    static const ComparedFields fields{AssetNumber,  AssetName,        Quantity,        AccountCode,
                                       AccountName,  AcquiredOn,       AcquisitionCost, DepreciationMethod,
                                       UsefulLife,   DepreciationRate, GuaranteeRate,   ResidualValue,
                                       Depreciation, AssetDepartment,  Remarks};
    return fields;
}

const ComparedFields& LeaseComparedFields()
{
    using namespace schema::column;
    static const ComparedFields fields{ContractNumber,      LeasedAssetName, AccountCode,   AccountName,
                                       AcquiredOn,          PurchasePrice,   TotalPayments, LeasePayments,
                                       MonthlyLeasePayment, MonthlyInterest, Depreciation,  LeaseCompany,
                                       LeaseDepartment,     Remarks};
    return fields;
}

ListLine PartnerListLine(dao::Recordset& partners)
{
    const dao::Value closing = partners.get(schema::column::ClosingDay);
    const dao::Value payment = partners.get(schema::column::PaymentDay);
    const bool closingSet = closing.isNumeric() && closing.toInt64() != 0;
    const bool paymentSet = payment.isNumeric() && payment.toInt64() != 0;
    ListLine line;
    line.key = PartnerKey(partners);
    line.text = o::FitByteWidth(line.key, 27) + " "
        + o::FitByteWidth(text(partners, schema::column::PartnerBusiness), 24) + "  "
        + o::FitByteWidth(text(partners, schema::column::PartnerRank), 4) + " "
        + RightInChars(closingSet ? std::to_string(closing.toInt64()) + "日" : "", 4) + "   "
        + RightInChars(paymentSet ? std::to_string(payment.toInt64()) + "日後" : "", 6) + "     "
        + o::FitByteWidth(text(partners, schema::column::Address), 30) + " "
        + o::FitByteWidth(text(partners, schema::column::Representative), 12) + " "
        + o::FitByteWidth(text(partners, schema::column::Phone), 12) + " "
        + o::FitByteWidth(text(partners, schema::column::Email), 20);
    return line;
}

ListLine BankAccountListLine(dao::Recordset& accounts)
{
    ListLine line;
    line.key = BankAccountKey(accounts);
    line.text = LeftInChars(text(accounts, schema::column::BankName), 16)
        + LeftInChars(text(accounts, schema::column::BranchName), 10)
        + LeftInChars(text(accounts, schema::column::DepositKind), 10)
        + AmountInChars(number(accounts, schema::column::OpeningBalance, o::kAmount11Mask), 12);
    return line;
}

ListLine LeaseListLine(dao::Recordset& leases)
{
    ListLine line;
    line.key = LeaseKey(leases);
    line.text = o::FitByteWidth(line.key, 12) + " " + o::FitByteWidth(text(leases, schema::column::LeasedAssetName), 16)
        + " " + o::FitByteWidth(text(leases, schema::column::AccountName), 12) + " "
        + o::FitByteWidth(date(leases, schema::column::AcquiredOn), 20) + "  "
        + AmountInChars(number(leases, schema::column::PurchasePrice, o::kAmount10Mask), 10) + "  "
        + AmountInChars(number(leases, schema::column::TotalPayments, o::kAmount10Mask), 10) + "  "
        + AmountInChars(number(leases, schema::column::LeasePayments, o::kWholeMask), 8) + " "
        + AmountInChars(number(leases, schema::column::MonthlyLeasePayment, o::kAmount10Mask), 10) + " "
        + AmountInChars(number(leases, schema::column::MonthlyInterest, o::kAmount10Mask), 10) + " "
        + o::FitByteWidth(text(leases, schema::column::LeaseCompany), 16) + " "
        + o::FitByteWidth(text(leases, schema::column::LeaseDepartment), 14) + " "
        + o::FitByteWidth(text(leases, schema::column::Remarks), 12);
    return line;
}

ListLine TemplateListLines::next(dao::Recordset& templates)
{
    const dao::Value rowNumber = templates.get(schema::column::RowNumber);
    const std::int64_t row = rowNumber.isNumeric() ? rowNumber.toInt64() : 0;
    const std::string branchCode = text(templates, schema::column::BranchCode);
    if (row == 1) {
        m_debitCode.clear();
        m_creditCode.clear();
        if (!branchCode.empty())
            m_branchCode.clear();
    }
    std::string partnerField(16, ' ');
    const std::string partner = text(templates, schema::column::Partner);
    if (!partner.empty() && partner != m_partner) {
        partnerField = o::FitByteWidth(partner, 16);
        m_partner = partner;
    }
    const auto accountField = [&](const char* codeField, const char* nameField, std::string& remembered) {
        const std::string code = text(templates, codeField);
        const std::string name = text(templates, nameField);
        if (code != remembered && !name.empty()) {
            remembered = code;
            return o::FitByteWidth(name, 20);
        }
        return std::string(20, ' ');
    };
    const std::string debit = accountField(schema::column::DebitCode, schema::column::AccountName, m_debitCode);
    const std::string credit = accountField(schema::column::CreditCode, schema::column::AccountName2, m_creditCode);
    // A bank or branch name that is empty leaves its field as the line before had it.
    if (!branchCode.empty() && branchCode != m_branchCode) {
        if (!text(templates, schema::column::BankName).empty())
            m_bankField = o::FitByteWidth(text(templates, schema::column::BankName), 15);
        if (!text(templates, schema::column::BranchName).empty())
            m_branchField = o::FitByteWidth(text(templates, schema::column::BranchName), 15);
        m_branchCode = branchCode;
    } else {
        m_bankField = std::string(15, ' ');
        m_branchField = std::string(15, ' ');
    }
    const std::string description = text(templates, schema::column::Description);
    ListLine line;
    line.key = TemplateKey(templates);
    line.text = std::string(templates.get(schema::column::ClosingEntry).toBool() ? "*" : " ")
        + (row > 0 ? std::to_string(row) : " ") + " " + o::FitByteWidth(description.empty() ? " " : description, 36)
        + " " + partnerField + " " + debit + "   "
        + AmountInChars(number(templates, schema::column::DebitAmount, o::kAmountMask), 10) + " " + credit + "   "
        + AmountInChars(number(templates, schema::column::CreditAmount, o::kAmountMask), 10) + "  " + m_bankField + " "
        + m_branchField;
    return line;
}

}  // namespace setup
