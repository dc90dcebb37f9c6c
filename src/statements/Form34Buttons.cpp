// The closing window's buttons: the print run of the tab "各種帳票印刷、ＣＳＶ
// ファイル作成", the CSV files, the closing report and "決算処理".
#include "statements/Form34.h"

#include "common/PrintRoutines.h"
#include "common/o.h"
#include "platform/printing/Printer.h"
#include "platform/ui/Dialogs.h"
#include "statements/ClosingReport.h"
#include "statements/StatementCsv.h"

#include <QCheckBox>
#include <QRadioButton>

#include <filesystem>

namespace statements {

namespace {

bool ticked(const QCheckBox* box)
{
    return box->isChecked();
}

// Where the CSV files go: the data folder of the period files, the folder of
// the period file when that is not known.
std::string csvFolder(const std::string& databasePath)
{
    return !o::DataFolder.empty() ? o::DataFolder : std::filesystem::path(databasePath).parent_path().string();
}

}  // namespace

void Form34::Command1_Click(int index)
{
    switch (index) {
    case PrintButton: printRun(); return;
    case CsvButton: WriteStatementCsv(); return;
    case CloseButton: close(); return;
    case ClosingReportButton: PrintClosingReport(); return;
    case ClosingRunButton:
        // The refresh rebuilds the period figures before every statement.
        RefreshClosingForm();
        return;
    default:
        // The buttons of the closing-entry page.
        m_entryPage->Press(index);
        return;
    }
}

void Form34::printRun()
{
    if (refusedForTally("各種帳票印刷"))
        return;
    if (ui::dialogs().messageBox("各種帳票を印刷します 準備はよろしいですか？", ui::Buttons::YesNo,
                                 std::string("各種帳票印刷"))
        != ui::Answer::Yes)
        return;
    printing::PrinterDevice& device = printing::printer();
    o::PreparePrinter(device, Option6[0]->isChecked() ? 13 : 9, 0, 0, "ＭＳ 明朝", 9);
    // Each ticked box is a printout of its own size: a wide one does not shrink those after it.
    const auto ofItsOwnSize = [&](const QCheckBox* box) {
        if (!ticked(box))
            return false;
        device.startPrintout();
        return true;
    };
    try {
        if (ofItsOwnSize(Check1[1]))
            m_entryPage->PrintClosingEntries([this](const char* title) { return header(false, title); });
        if (ofItsOwnSize(Check1[2]))
            PrintTrialBalance();
        if (ofItsOwnSize(Check1[3])) {
            if (Option5[0]->isChecked())
                PrintBalanceSheetAccounts(false);
            else
                PrintBalanceSheetReport(false);
        }
        if (ofItsOwnSize(Check1[4]))
            PrintProfitLossReport(false, !ticked(Check1[6]));
        if (ofItsOwnSize(Check1[5]))
            PrintManufacturingCost(false);
        if (ofItsOwnSize(Check1[6]))
            PrintSgaBreakdown(false);
    } catch (const std::exception& e) {
        device.endDoc();
        showFailure(e);
        return;
    }
    device.endDoc();
}

void Form34::PrintClosingReport()
{
    if (refusedForTally("決算報告書印刷"))
        return;
    if (ui::dialogs().messageBox("決算報告書書類を印刷します 準備はよろしいですか？", ui::Buttons::YesNo,
                                 std::string("決算報告書印刷"))
        != ui::Answer::Yes)
        return;
    ClosingReportChoices choices;
    choices.paperSize = Option3[0]->isChecked() ? 13 : 9;
    choices.cover = ticked(Check2[1]);
    choices.balanceSheet = ticked(Check2[2]);
    choices.accountForm = Option2[0]->isChecked();
    choices.profitLoss = ticked(Check2[3]);
    choices.sgaBreakdown = ticked(Check2[4]);
    choices.manufacturingCost = ticked(Check2[5]);
    choices.closingBlock = ticked(Check2[6]);
    printing::PrinterDevice& device = printing::printer();
    try {
        statements::PrintClosingReport(device, settings(), accounts(), choices, dao::Date::now(),
                                       o::EraRecordset ? o::EraRecordset.get() : EraCodeRecordset.get());
    } catch (const std::exception& e) {
        if (device.documentOpen())
            device.endDoc();
        showFailure(e);
    }
}

void Form34::WriteStatementCsv()
{
    if (refusedForTally("ＣＳＶファイル作成"))
        return;
    std::string message;
    try {
        // The data folder of the period files; the folder of this period file when it is not known.
        const std::string folder =
            !o::DataFolder.empty() ? o::DataFolder : std::filesystem::path(m_database->path()).parent_path().string();
        message = WriteStatementCsvFiles(accounts(), folder);
    } catch (const std::exception& e) {
        message = e.what();
    }
    if (message.empty())
        ui::dialogs().messageBox("ＣＳＶ用ファイルを作成しました\n" + csvFolder(m_database->path()),
                                 ui::Buttons::OkCancel, std::string("ＣＳＶファイル作成"));
    else
        ui::dialogs().messageBox(message, ui::Buttons::Ok, std::string("ＣＳＶファイル作成"));
}

}  // namespace statements
