#pragma once
// The names of the period file's tables, saved queries and columns, as the
// code opens, reads and writes them. Nothing here but the names, so any layer
// may include it; periodfile/Schema.h declares the tables with their types.
// A column name shared by several tables (日付, 銀行コード, ...) is named once.

namespace schema {

// The base tables.
namespace table {
inline constexpr const char* Settings = "会計設定";
inline constexpr const char* Chart = "勘定科目コード表";
inline constexpr const char* CreditChart = "勘定科目コード表2";
inline constexpr const char* Journal = "仕訳台帳";
inline constexpr const char* ChangeLog = "仕訳変更履歴";
inline constexpr const char* Templates = "仕訳定型台帳";
inline constexpr const char* TaxRates = "消費税率";
inline constexpr const char* Eras = "年号コード";
inline constexpr const char* Partners = "取引先管理";
inline constexpr const char* BankAccounts = "取引銀行";
inline constexpr const char* BankMaster = "銀行コードﾏｽﾀｰ";
inline constexpr const char* BranchMaster = "支店コードﾏｽﾀｰ";
inline constexpr const char* DepositKinds = "預金種別";
inline constexpr const char* FixedAssets = "固定資産台帳";
inline constexpr const char* Leases = "リース資産管理";
}  // namespace table

// The saved queries (views), each over one base table.
namespace query {
inline constexpr const char* Chart = "Q_勘定科目コード表";
inline constexpr const char* UsedAccounts = "Q_使用勘定科目表";
inline constexpr const char* CreditChart = "Q_勘定科目コード表2";
inline constexpr const char* CreditChartWide = "Q_勘定科目コード表２";
inline constexpr const char* Journal = "Q_仕訳台帳";
inline constexpr const char* ClosingJournal = "Q_決算仕訳台帳";
inline constexpr const char* CashBook = "Q_現金出納帳";
inline constexpr const char* BankJournal = "Q_取引銀行仕訳";
inline constexpr const char* ChangeLog = "Q_仕訳変更履歴";
inline constexpr const char* Templates = "Q_仕訳定型台帳";
inline constexpr const char* ClosingTemplates = "Q_決算仕訳定型台帳";
inline constexpr const char* TaxRates = "Q_消費税率";
inline constexpr const char* Eras = "Q_年号コード";
inline constexpr const char* Partners = "Q_取引先管理";
inline constexpr const char* BankAccounts = "Q_取引銀行";
inline constexpr const char* BankMaster = "Q_銀行コードﾏｽﾀｰ";
inline constexpr const char* UsedBanks = "Q_使用銀行";
inline constexpr const char* BranchMaster = "Q_支店コードﾏｽﾀｰ";
inline constexpr const char* UsedBranches = "Q_使用銀行支店";
inline constexpr const char* FixedAssets = "Q_固定資産台帳";
inline constexpr const char* Leases = "Q_リース資産管理";
}  // namespace query

// The columns of the base tables; the saved queries show them under the same names.
namespace column {
inline constexpr const char* CompanyName = "事業所名";
inline constexpr const char* PeriodNumber = "会計年度";
inline constexpr const char* PeriodStart = "会計期間開始日";
inline constexpr const char* PeriodEnd = "会計期間終了日";
inline constexpr const char* ReportDate = "決算報告日";
inline constexpr const char* CorporateNumber = "法人番号";
inline constexpr const char* CompanyNameKana = "フリガナ";
inline constexpr const char* PostCode = "郵便番号";
inline constexpr const char* Address1 = "住所1";
inline constexpr const char* Address2 = "住所2";
inline constexpr const char* Phone = "電話番号";
inline constexpr const char* Fax = "FAX番号";
inline constexpr const char* LineOfBusiness = "事業種目";
inline constexpr const char* TaxOffice = "所轄税務署";
inline constexpr const char* OwnerTitle = "事業主役職名";
inline constexpr const char* OwnerName = "事業主氏名";
inline constexpr const char* CompanyEmail = "会社Eメール";
inline constexpr const char* Industry = "業種";
inline constexpr const char* TaxFiling = "申告区分";
inline constexpr const char* TaxHandling = "処理方法";
inline constexpr const char* TaxCalculation = "消費税計算";
inline constexpr const char* Rounding = "端数処理";
inline constexpr const char* OpeningCash = "期首現金残高";
inline constexpr const char* OpeningDeposits = "期首預金残高";
inline constexpr const char* AmountUnit = "金額単位";
inline constexpr const char* EraDates = "元号";
inline constexpr const char* MinusSign = "負記号";
inline constexpr const char* StatementsOnB5 = "決算書用紙B5";
inline constexpr const char* FormsOnB5 = "帳票用紙B5";
inline constexpr const char* AccountCode = "勘定科目コード";
inline constexpr const char* AccountName = "勘定科目名";
inline constexpr const char* DebitCredit = "借貸区分";
inline constexpr const char* NeedsCounterpart = "相方有無";
inline constexpr const char* Taxable = "消費税";
inline constexpr const char* SimplifiedTax = "簡易課税";
inline constexpr const char* InUse = "適用";
inline constexpr const char* MajorClass = "大分類";
inline constexpr const char* MiddleClass = "中分類";
inline constexpr const char* MinorClass = "小分類";
inline constexpr const char* Contents = "内容";
inline constexpr const char* NameFixed = "名称変更不可";
inline constexpr const char* OpeningBalance = "期首残高";
inline constexpr const char* ClosingBalance1YearAgo = "前年決算残高";
inline constexpr const char* ClosingBalance2YearsAgo = "前2決算残高";
inline constexpr const char* ClosingBalance3YearsAgo = "前3決算残高";
inline constexpr const char* ClosingBalance4YearsAgo = "前4決算残高";
inline constexpr const char* ClosingBalance5YearsAgo = "前5決算残高";
inline constexpr const char* Budget = "予算管理";
inline constexpr const char* DebitTotal = "借方合計";
inline constexpr const char* CreditTotal = "貸方合計";
inline constexpr const char* ClosingNetTotal = "期末貸借合計";
inline constexpr const char* ClosingBalance = "期末残高";
inline constexpr const char* CurrentBalance = "現在残高";
inline constexpr const char* StandardAccountName = "標準勘定科目名";
inline constexpr const char* RetailAccountName = "販売業勘定科目名";
inline constexpr const char* ManufacturingAccountName = "製造業勘定科目名";
inline constexpr const char* ConstructionAccountName = "建設業勘定科目名";
inline constexpr const char* TransportAccountName = "運送業勘定科目名";
inline constexpr const char* MedicalAccountName = "医療勘定科目名";
inline constexpr const char* FarmingAccountName = "農業勘定科目名";
inline constexpr const char* StandardInUse = "標準使用";
inline constexpr const char* RetailInUse = "販売使用";
inline constexpr const char* ManufacturingInUse = "製造使用";
inline constexpr const char* ConstructionInUse = "建設使用";
inline constexpr const char* TransportInUse = "運送使用";
inline constexpr const char* MedicalInUse = "医療使用";
inline constexpr const char* FarmingInUse = "農業使用";
inline constexpr const char* AccountCode2 = "勘定科目コード2";
inline constexpr const char* AccountName2 = "勘定科目名2";
inline constexpr const char* Taxable2 = "消費税2";
inline constexpr const char* SimplifiedTax2 = "簡易課税2";
inline constexpr const char* MajorClass2 = "大分類2";
inline constexpr const char* MiddleClass2 = "中分類2";
inline constexpr const char* MinorClass2 = "小分類2";
inline constexpr const char* Date = "日付";
inline constexpr const char* VoucherNumber = "伝票番号";
inline constexpr const char* RowNumber = "追番";
inline constexpr const char* Description = "摘要";
inline constexpr const char* Partner = "取引先";
inline constexpr const char* DebitCode = "借方コード";
inline constexpr const char* DebitAmount = "入金";
inline constexpr const char* CreditCode = "貸方コード";
inline constexpr const char* CreditAmount = "出金";
inline constexpr const char* BankCode = "銀行コード";
inline constexpr const char* BranchCode = "支店コード";
inline constexpr const char* ClosingEntry = "決算仕訳";
inline constexpr const char* ChangedAt = "変更日";
inline constexpr const char* ChangeReason = "変更理由";
inline constexpr const char* TemplateId = "仕訳ID";
inline constexpr const char* DisplayOrder = "表示順位";
inline constexpr const char* TaxRate = "税率";
inline constexpr const char* SimplifiedTaxRate = "簡易税率";
inline constexpr const char* EraStart = "年号";
inline constexpr const char* EraName = "和暦名称";
inline constexpr const char* PartnerName = "取引先名";
inline constexpr const char* PartnerBusiness = "取引内容";
inline constexpr const char* PartnerRank = "取引先ランク";
inline constexpr const char* ClosingDay = "締日";
inline constexpr const char* PaymentDay = "支払日";
inline constexpr const char* Address = "住所";
inline constexpr const char* Representative = "代表者";
inline constexpr const char* Email = "メールアドレス";
inline constexpr const char* No = "no";
inline constexpr const char* DepositKind = "種別";
inline constexpr const char* PresentBalance = "現残高";
inline constexpr const char* BankName = "銀行名";
inline constexpr const char* BankNameKana = "振込銀行名";
inline constexpr const char* BankInUse = "使用銀行";
inline constexpr const char* BranchName = "支店名";
inline constexpr const char* BranchNameKana = "振込支店名";
inline constexpr const char* BranchInUse = "使用支店";
inline constexpr const char* AssetNumber = "管理番号";
inline constexpr const char* AssetName = "名称";
inline constexpr const char* Quantity = "数量";
inline constexpr const char* AcquiredOn = "取得年月日";
inline constexpr const char* AcquisitionCost = "取得価格";
inline constexpr const char* DepreciationMethod = "償却方法";
inline constexpr const char* UsefulLife = "耐用年数";
inline constexpr const char* DepreciationRate = "償却率";
inline constexpr const char* GuaranteeRate = "保証率";
inline constexpr const char* ResidualValue = "残存価格";
inline constexpr const char* Depreciation = "減価償却費";
inline constexpr const char* AssetDepartment = "使用部署名";
inline constexpr const char* Remarks = "備考";
inline constexpr const char* ContractNumber = "契約番号";
inline constexpr const char* LeasedAssetName = "資産名称";
inline constexpr const char* PurchasedOn = "購入日";
inline constexpr const char* PurchasePrice = "購入金額";
inline constexpr const char* TotalPayments = "支払総額";
inline constexpr const char* LeasePayments = "リース回数";
inline constexpr const char* MonthlyLeasePayment = "月リース料金";
inline constexpr const char* MonthlyInterest = "月支払利息";
inline constexpr const char* LeaseCompany = "リース会社";
inline constexpr const char* LeaseDepartment = "使用部署";
}  // namespace column

// The columns only a saved query has, computed from its table's: those of
// Q_リース資産管理 the lease printout reads.
namespace queryColumn {
inline constexpr const char* LeaseItemName = "物件名称";
inline constexpr const char* LeasePeriod = "リース期間";
inline constexpr const char* LeaseTotal = "総額";
inline constexpr const char* LeasePayment = "リース料";
inline constexpr const char* LeaseStart = "開始日";
}  // namespace queryColumn

// Every name above, for the check that a new period file has each of them.
inline constexpr const char* kTableNames[] = {
    table::Settings,   table::Chart,        table::CreditChart,  table::Journal,     table::ChangeLog,
    table::Templates,  table::TaxRates,     table::Eras,         table::Partners,    table::BankAccounts,
    table::BankMaster, table::BranchMaster, table::DepositKinds, table::FixedAssets, table::Leases};
inline constexpr const char* kQueryNames[] = {
    query::Chart,     query::UsedAccounts,   query::CreditChart,      query::CreditChartWide,
    query::Journal,   query::ClosingJournal, query::CashBook,         query::BankJournal,
    query::ChangeLog, query::Templates,      query::ClosingTemplates, query::TaxRates,
    query::Eras,      query::Partners,       query::BankAccounts,     query::BankMaster,
    query::UsedBanks, query::BranchMaster,   query::UsedBranches,     query::FixedAssets,
    query::Leases};
inline constexpr const char* kColumnNames[] = {column::CompanyName,
                                               column::PeriodNumber,
                                               column::PeriodStart,
                                               column::PeriodEnd,
                                               column::ReportDate,
                                               column::CorporateNumber,
                                               column::CompanyNameKana,
                                               column::PostCode,
                                               column::Address1,
                                               column::Address2,
                                               column::Phone,
                                               column::Fax,
                                               column::LineOfBusiness,
                                               column::TaxOffice,
                                               column::OwnerTitle,
                                               column::OwnerName,
                                               column::CompanyEmail,
                                               column::Industry,
                                               column::TaxFiling,
                                               column::TaxHandling,
                                               column::TaxCalculation,
                                               column::Rounding,
                                               column::OpeningCash,
                                               column::OpeningDeposits,
                                               column::AmountUnit,
                                               column::EraDates,
                                               column::MinusSign,
                                               column::StatementsOnB5,
                                               column::FormsOnB5,
                                               column::AccountCode,
                                               column::AccountName,
                                               column::DebitCredit,
                                               column::NeedsCounterpart,
                                               column::Taxable,
                                               column::SimplifiedTax,
                                               column::InUse,
                                               column::MajorClass,
                                               column::MiddleClass,
                                               column::MinorClass,
                                               column::Contents,
                                               column::NameFixed,
                                               column::OpeningBalance,
                                               column::ClosingBalance1YearAgo,
                                               column::ClosingBalance2YearsAgo,
                                               column::ClosingBalance3YearsAgo,
                                               column::ClosingBalance4YearsAgo,
                                               column::ClosingBalance5YearsAgo,
                                               column::Budget,
                                               column::DebitTotal,
                                               column::CreditTotal,
                                               column::ClosingNetTotal,
                                               column::ClosingBalance,
                                               column::CurrentBalance,
                                               column::StandardAccountName,
                                               column::RetailAccountName,
                                               column::ManufacturingAccountName,
                                               column::ConstructionAccountName,
                                               column::TransportAccountName,
                                               column::MedicalAccountName,
                                               column::FarmingAccountName,
                                               column::StandardInUse,
                                               column::RetailInUse,
                                               column::ManufacturingInUse,
                                               column::ConstructionInUse,
                                               column::TransportInUse,
                                               column::MedicalInUse,
                                               column::FarmingInUse,
                                               column::AccountCode2,
                                               column::AccountName2,
                                               column::Taxable2,
                                               column::SimplifiedTax2,
                                               column::MajorClass2,
                                               column::MiddleClass2,
                                               column::MinorClass2,
                                               column::Date,
                                               column::VoucherNumber,
                                               column::RowNumber,
                                               column::Description,
                                               column::Partner,
                                               column::DebitCode,
                                               column::DebitAmount,
                                               column::CreditCode,
                                               column::CreditAmount,
                                               column::BankCode,
                                               column::BranchCode,
                                               column::ClosingEntry,
                                               column::ChangedAt,
                                               column::ChangeReason,
                                               column::TemplateId,
                                               column::DisplayOrder,
                                               column::TaxRate,
                                               column::SimplifiedTaxRate,
                                               column::EraStart,
                                               column::EraName,
                                               column::PartnerName,
                                               column::PartnerBusiness,
                                               column::PartnerRank,
                                               column::ClosingDay,
                                               column::PaymentDay,
                                               column::Address,
                                               column::Representative,
                                               column::Email,
                                               column::No,
                                               column::DepositKind,
                                               column::PresentBalance,
                                               column::BankName,
                                               column::BankNameKana,
                                               column::BankInUse,
                                               column::BranchName,
                                               column::BranchNameKana,
                                               column::BranchInUse,
                                               column::AssetNumber,
                                               column::AssetName,
                                               column::Quantity,
                                               column::AcquiredOn,
                                               column::AcquisitionCost,
                                               column::DepreciationMethod,
                                               column::UsefulLife,
                                               column::DepreciationRate,
                                               column::GuaranteeRate,
                                               column::ResidualValue,
                                               column::Depreciation,
                                               column::AssetDepartment,
                                               column::Remarks,
                                               column::ContractNumber,
                                               column::LeasedAssetName,
                                               column::PurchasedOn,
                                               column::PurchasePrice,
                                               column::TotalPayments,
                                               column::LeasePayments,
                                               column::MonthlyLeasePayment,
                                               column::MonthlyInterest,
                                               column::LeaseCompany,
                                               column::LeaseDepartment};
inline constexpr const char* kQueryColumnNames[] = {queryColumn::LeaseItemName, queryColumn::LeasePeriod,
                                                    queryColumn::LeaseTotal, queryColumn::LeasePayment,
                                                    queryColumn::LeaseStart};

}  // namespace schema
