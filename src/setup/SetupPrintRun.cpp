#include "setup/SetupPrintRun.h"

#include "common/PrintRoutines.h"
#include "periodfile/SchemaNames.h"
#include "setup/AccountListPrintouts.h"
#include "setup/AccountNotesPrintouts.h"
#include "setup/CompanySettingsPrintout.h"
#include "setup/PartnerListPrintout.h"
#include "setup/RegisterPrintouts.h"
#include "setup/SetupPage.h"
#include "setup/TemplateListPrintout.h"

#include <algorithm>

namespace setup {

namespace {

// 事業所名 of the settings row (the window keeps the recordset on it).
dao::Value CompanyName(dao::Recordset* settings)
{
    if (!settings || settings->isEmpty())
        return {};
    if (settings->BOF() || settings->EOF_())
        settings->MoveFirst();
    return settings->get(schema::column::CompanyName);
}

void PrintOne(int box, SetupPage& page, const SetupPrintSources& s)
{
    switch (box) {
    case 0:
        if (s.settings && !s.settings->isEmpty())
            PrintCompanySettings(page, *s.settings, s.bankAccounts, s.taxRates);
        break;
    case 1:
        if (s.templates)
            PrintTemplateList(page, *s.templates);
        break;
    case 2:
        if (s.accountMaster)
            PrintMasterAccountList(page, *s.accountMaster);
        break;
    case 3:
        if (s.usedAccounts)
            PrintUsedAccountList(page, *s.usedAccounts);
        break;
    case 4:
        if (s.partners)
            PrintPartnerList(page, *s.partners);
        break;
    case 5:
        if (s.fixedAssets)
            PrintFixedAssetRegister(page, *s.fixedAssets);
        break;
    case 6:
        if (s.leases)
            PrintLeaseRegister(page, *s.leases);
        break;
    case 7:
        if (s.accountMaster)
            PrintMasterAccountNotes(page, *s.accountMaster);
        break;
    case 8:
        if (s.usedAccounts)
            PrintUsedAccountNotes(page, *s.usedAccounts);
        break;
    case 9:
        if (s.accountMaster)
            PrintIndustryAccountList(page, *s.accountMaster);
        break;
    default: break;
    }
}

}  // namespace

bool RunSetupPrintouts(printing::PrinterDevice& printer, const SetupPrintSources& sources,
                       const std::array<bool, kSetupPrintoutCount>& ticked)
{
    return RunSetupPrintouts(printer, sources, ticked, dao::Date::now());
}

bool RunSetupPrintouts(printing::PrinterDevice& printer, const SetupPrintSources& sources,
                       const std::array<bool, kSetupPrintoutCount>& ticked, const dao::Date& printedAt)
{
    if (std::none_of(ticked.begin(), ticked.end(), [](bool t) { return t; }))
        return false;
    o::PreparePrinter(printer, 9, 0, 0, "ＭＳ ゴシック", 9);
    SetupPage page(printer, CompanyName(sources.settings), printedAt);
    for (int box = 0; box < kSetupPrintoutCount; ++box)
        if (ticked[static_cast<std::size_t>(box)]) {
            printer.startPrintout();  // a wide printout before does not shrink this one
            PrintOne(box, page, sources);
        }
    printer.endDoc();
    return true;
}

}  // namespace setup
