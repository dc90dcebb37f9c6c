#include "setup/AccountNotesPrintouts.h"

#include "common/EditMode.h"
#include "common/FitByteWidth.h"
#include "periodfile/SchemaNames.h"
#include "setup/CountedListPages.h"

#include <array>

namespace setup {

namespace {

constexpr std::array<const char*, 7> kIndustryNameFields = {
    schema::column::StandardAccountName,      schema::column::RetailAccountName,
    schema::column::ManufacturingAccountName, schema::column::ConstructionAccountName,
    schema::column::TransportAccountName,     schema::column::MedicalAccountName,
    schema::column::FarmingAccountName};

void PrintAccountNotes(SetupPage& page, dao::Recordset& accounts, const char* title)
{
    o::SetEditMode(o::EditModeOff);
    CountedListLayout layout;
    layout.title = title;
    layout.headerLines = 3;
    layout.lineLimit = 88;
    PrintCountedList(page, accounts, layout, AccountNotesLine);
}

}  // namespace

std::string AccountNotesLine(const dao::Recordset& account)
{
    return " " + o::FitByteWidth(account.get(schema::column::AccountCode).toText(), 3) + " "
        + o::FitByteWidth(account.get(schema::column::AccountName).toText(), 14) + " "
        + account.get(schema::column::Contents).toText();
}

std::string IndustryAccountLine(const dao::Recordset& account)
{
    std::string line = " " + o::FitByteWidth(account.get(schema::column::AccountCode).toText(), 8);
    for (const char* field : kIndustryNameFields)
        line += o::FitByteWidth(account.get(field).toText(), 16);
    return line;
}

void PrintMasterAccountNotes(SetupPage& page, dao::Recordset& accountMaster)
{
    PrintAccountNotes(page, accountMaster, kMasterAccountNotesTitle);
}

void PrintUsedAccountNotes(SetupPage& page, dao::Recordset& usedAccounts)
{
    PrintAccountNotes(page, usedAccounts, kUsedAccountNotesTitle);
}

void PrintIndustryAccountList(SetupPage& page, dao::Recordset& accountMaster)
{
    o::SetEditMode(o::EditModeOff);
    CountedListLayout layout;
    layout.title = kIndustryAccountListTitle;
    layout.columnHeading = kIndustryAccountHeading;
    layout.gapAfterHeading = true;
    layout.headerLines = 2;
    layout.lineLimit = 88;
    PrintCountedList(page, accountMaster, layout, IndustryAccountLine);
}

}  // namespace setup
