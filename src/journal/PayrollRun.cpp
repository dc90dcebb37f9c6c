#include "journal/PayrollRun.h"

#include "journal/PayrollPathFile.h"
#include "journal/PayrollSlips.h"
#include "journal/PayrollTemplates.h"
#include "journal/PayrollVouchers.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"

#include <set>

namespace journal {

namespace {

// The code of 法定福利費 among the accounts in use, "" when it is not in use.
std::string welfareCodeOf(dao::Recordset& usedAccounts)
{
    if (usedAccounts.isEmpty())
        return {};
    usedAccounts.MoveFirst();
    usedAccounts.FindFirst(schema::column::AccountName, dao::Value("法定福利費"));
    if (usedAccounts.NoMatch())
        return {};
    return usedAccounts.get(schema::column::AccountCode).toText();
}

}  // namespace

PayrollOutcome PayrollRun::Run(PayrollKind kind, PayrollSources& sources)
{
    const PayrollKindTexts& texts = TextsOf(kind);
    PayrollOutcome outcome;
    auto refuse = [&](const std::string& text, bool beep) {
        outcome.notices.push_back({text, beep});
        return outcome;
    };

    const PayrollTemplates templates = FindPayrollTemplates(ReadPayrollTemplateRecords(sources.templates), kind);
    if (templates.error) {
        outcome.reloadJournal = false;
        return refuse(*templates.error, true);
    }

    const PayrollPath path = ReadPayrollDbPath(sources.startDir);
    if (path.error)
        return refuse(*path.error, true);
    PayslipList payslips;
    try {
        PayrollDb = sources.workspace.OpenDatabase(path.path, /*readOnly=*/true);
        payslips = ReadPayslips(*PayrollDb, kind);
    } catch (const dao::DaoError& e) {
        return refuse(std::string("給与データベースを読めません。\n") + e.what(), true);
    }
    if (payslips.error)
        return refuse(*payslips.error, true);
    if (payslips.payslips.empty())
        return refuse(texts.noPayslips, false);
    const std::vector<PayslipRecord> inPeriod =
        PayslipsInPeriod(payslips.payslips, sources.periodFirst, sources.periodLast);
    if (inPeriod.empty())
        return refuse(texts.noneInPeriod, false);

    // Without 法定福利費 no pay date can be posted: the message comes once for
    // each pay date of the period, and nothing is posted.
    const std::string welfareCode = welfareCodeOf(sources.usedAccounts);
    if (welfareCode.empty()) {
        std::set<long long> payDates;
        for (const PayslipRecord& slip : inPeriod)
            payDates.insert(slip.payDate->dayNumber());
        for (std::size_t i = 0; i < payDates.size(); ++i)
            outcome.notices.push_back({MissingAccountMessage("法定福利費"), true});
        return outcome;
    }

    const PayrollVoucherList vouchers = BuildPayrollVouchers(inPeriod, templates, welfareCode, kind);
    if (vouchers.error)
        return refuse(*vouchers.error, true);
    if (vouchers.rows.empty())
        return outcome;
    try {
        const PostingResult posting =
            PostNewVouchers(sources.workspace, sources.database, sources.journal, vouchers.rows);
        if (!posting.taken.empty())
            return refuse(TakenNumbersMessage(posting.taken), true);
        outcome.count = posting.count;
    } catch (const dao::DaoError& e) {
        return refuse(PostingFailedMessage(e.what()), true);
    }
    if (outcome.count.postedVouchers == 0)
        return refuse(texts.alreadyPosted, true);
    return outcome;
}

}  // namespace journal
