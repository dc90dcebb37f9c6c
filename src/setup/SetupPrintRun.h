#pragma once
// The setup lists printed from the tab "帳票印刷" of the setup window, as one
// print document. The window asks its question and then hands its recordsets
// and the ten ticks to RunSetupPrintouts.

#include "platform/dao/Recordset.h"
#include "platform/printing/PrinterDevice.h"

#include <array>

namespace setup {

// The recordsets the setup window keeps open; the printouts read them (and
// leave them as their printouts say).
struct SetupPrintSources {
    dao::Recordset* settings = nullptr;        // 会計設定
    dao::Recordset* accountMaster = nullptr;   // Q_勘定科目コード表
    dao::Recordset* accountMaster2 = nullptr;  // Q_勘定科目コード表2
    dao::Recordset* usedAccounts = nullptr;    // Q_使用勘定科目表
    dao::Recordset* banksInUse = nullptr;      // Q_使用銀行
    dao::Recordset* branchesInUse = nullptr;   // Q_使用銀行支店
    dao::Recordset* bankAccounts = nullptr;    // Q_取引銀行
    dao::Recordset* templates = nullptr;       // Q_仕訳定型台帳
    dao::Recordset* depositKinds = nullptr;    // 預金種別
    dao::Recordset* partners = nullptr;        // Q_取引先管理
    dao::Recordset* taxRates = nullptr;        // Q_消費税率
    dao::Recordset* fixedAssets = nullptr;     // Q_固定資産台帳
    dao::Recordset* leases = nullptr;          // Q_リース資産管理
};

inline constexpr int kSetupPrintoutCount = 10;

// The printouts of the boxes Check1(0..9), in box order, into one print
// document on `printer`: PreparePrinter (9, 0, 0, "ＭＳ ゴシック", 9), each
// ticked printout, the end of the document. Returns false, printing nothing
// and beginning no document, when no box is ticked. A null source prints as
// an empty one. The description lists and the industry names switch edit
// mode off for the whole program (o::SetEditMode).
bool RunSetupPrintouts(printing::PrinterDevice& printer, const SetupPrintSources& sources,
                       const std::array<bool, kSetupPrintoutCount>& ticked);

// The same with the print date and time of the page headers given.
bool RunSetupPrintouts(printing::PrinterDevice& printer, const SetupPrintSources& sources,
                       const std::array<bool, kSetupPrintoutCount>& ticked, const dao::Date& printedAt);

}  // namespace setup
