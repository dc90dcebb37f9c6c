#pragma once
// The company fields and the coded settings of 会計設定 that the setup window
// edits field by field.

#include "periodfile/SchemaNames.h"

#include <array>
#include <string>
#include <string_view>

namespace setup {

// The thirteen company fields, in the order of Text11(0..12).
inline constexpr std::array<std::string_view, 13> kCompanyFields = {
    schema::column::CorporateNumber, schema::column::CompanyNameKana,
    schema::column::CompanyName,     schema::column::PostCode,
    schema::column::Address1,        schema::column::Address2,
    schema::column::Phone,           schema::column::Fax,
    schema::column::LineOfBusiness,  schema::column::TaxOffice,
    schema::column::OwnerTitle,      schema::column::OwnerName,
    schema::column::CompanyEmail,
};

// Captions of the labels beside Text11(0..12).
inline constexpr std::array<std::string_view, 13> kCompanyFieldCaptions = {
    "法人番号", "ﾌﾘｶﾞﾅ",    "事業所名",   "郵便番号",     "住所１",     "住所２",          "電話番号",
    "FAX番号",  "事業種目", "所轄税務署", "事業主役職名", "事業主氏名", "Eメールアドレス",
};

inline constexpr int kCorporateNumberField = 0;
inline constexpr int kCompanyNameField = 2;

// A corporate number is empty (a sole proprietor has none) or exactly 13
// characters; the characters themselves are not tested.
bool IsCorporateNumberText(std::string_view text);
inline constexpr const char* kCorporateNumberMessage = "法人番号は１３桁です";
inline constexpr const char* kCorporateNumberTitle = "会社台帳";

// A period number as the box must hold it to be stored: ASCII digits only,
// 1 to 9999.
bool IsPeriodNumberText(std::string_view text);

// The coded option groups: element i of the group stores code i.
inline constexpr std::array<std::string_view, 3> kFilingCodes = {"1", "2", "3"};          // 申告区分 Option1
inline constexpr std::array<std::string_view, 4> kTaxMethodCodes = {"1", "2", "3", "4"};  // 処理方法 Option2
inline constexpr std::array<std::string_view, 3> kFractionCodes = {"1", "2", "3"};        // 端数処理 Option5

// The industries of 業種 (Option3), with the name column and the use flag of
// each industry's account set.
inline constexpr int kIndustryCount = 7;
inline constexpr std::array<std::string_view, kIndustryCount> kIndustryCaptions = {
    "標準", "販売", "製造（製造原価計算）", "建設", "運送", "医療（病院）", "農業",
};
inline constexpr std::array<std::string_view, kIndustryCount> kIndustryNameColumns = {
    schema::column::StandardAccountName,      schema::column::RetailAccountName,
    schema::column::ManufacturingAccountName, schema::column::ConstructionAccountName,
    schema::column::TransportAccountName,     schema::column::MedicalAccountName,
    schema::column::FarmingAccountName,
};
inline constexpr std::array<std::string_view, kIndustryCount> kIndustryUseColumns = {
    schema::column::StandardInUse,     schema::column::RetailInUse,    schema::column::ManufacturingInUse,
    schema::column::ConstructionInUse, schema::column::TransportInUse, schema::column::MedicalInUse,
    schema::column::FarmingInUse,
};

}  // namespace setup
