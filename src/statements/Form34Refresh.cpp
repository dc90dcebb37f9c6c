// The closing window's title, choice lists, refresh, rate lookup and the
// handlers of its stored options and "全て選択" boxes.
#include "statements/Form34.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"
#include "common/EditMode.h"
#include "common/EraYearText.h"
#include "common/FormCaption.h"
#include "platform/dao/Transaction.h"
#include "platform/ui/Dialogs.h"
#include "statements/ClosingWindowText.h"
#include "statements/PeriodFigures.h"
#include "statements/StatementText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace statements {

using frame::toQ;

void Form34::ShowClosingTitle(const std::string& title)
{
    dao::Recordset& s = *SettingsRecordset;
    s.MoveFirst();
    SetCaption(o::FormCaption(s.get("事業所名"), s.get("会計年度"), title));
    Label11->setText(
        toQ(ClosingTitleLine(s.get("事業所名"), s.get("会計年度"), s.get("会計期間開始日"), s.get("会計期間終了日"))));
}

void Form34::FillEntryLists()
{
    journal::EntryGrid& g = grid();
    const auto column = [](dao::Recordset& rs, const char* field) {
        QStringList names;
        if (!rs.isEmpty())
            for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
                names << toQ(rs.get(field).toText());
        return names;
    };
    const QStringList banks = column(*BanksInUseRecordset, "銀行名");
    const QStringList branches = column(*BranchesInUseRecordset, "支店名");
    const QStringList partners = column(*PartnerRecordset, "取引先名");
    QStringList debitAccounts, creditAccounts;
    dao::Recordset& accounts = *UsedAccountsRecordset;
    if (!accounts.isEmpty()) {
        for (accounts.MoveFirst(); !accounts.EOF_(); accounts.MoveNext()) {
            const std::string name = accounts.get("勘定科目名").toText();
            if (name.empty())
                continue;
            const dao::Value side = accounts.get("借貸区分");
            const bool both = accounts.get("相方有無").toBool();
            const bool debitNatured = side.isNumeric() && side.toInt64() == 0;
            const bool creditNatured = side.isNumeric() && side.toInt64() == 1;
            if (debitNatured || both)
                debitAccounts << toQ(name);
            if (creditNatured || both)
                creditAccounts << toQ(name);
        }
    }
    for (int i = 0; i < journal::kGridRows; ++i) {
        g.Combo8[i]->clear();
        g.Combo8[i]->addItems(banks);
        g.Combo9[i]->clear();
        g.Combo9[i]->addItems(branches);
        g.Combo1[i]->clear();
        g.Combo1[i]->addItems(debitAccounts);
        g.Combo7[i]->clear();
        g.Combo7[i]->addItems(creditAccounts);
        g.Combo11[i]->addItems(partners);   // the partner lists are not emptied first
    }

    const dao::Date today = dao::Date::now();
    for (QComboBox* box : Combo2)
        box->clear();
    for (int year : {today.year - 1, today.year})
        Combo2[0]->addItem(toQ(o::FormatDate(dao::Date{year, 1, 1}, "yyyy") + "年"));
    for (int month = 1; month <= 12; ++month)
        Combo2[1]->addItem(QString::number(month) + QString::fromUtf8("月"));
    for (int day = 1; day <= o::DaysInMonth(today.year, today.month); ++day)
        Combo2[2]->addItem(QString::number(day) + QString::fromUtf8("日"));
}

int Form34::TaxRateOn(const dao::Date& d)
{
    return ClosingTaxRate(*TaxRateRecordset, d);
}

void Form34::RefreshClosingForm()
{
    TaxDate = dao::Date::now();
    o::EditModeSuspended off;
    try {
        dao::Recordset& s = *SettingsRecordset;
        s.MoveFirst();
        selectStoredOptions();
        s.MoveFirst();
        Label10->setText(toQ(TaxStatusLine(TaxRateOn(TaxDate), s.get("申告区分").toText(), s.get("処理方法").toText(),
                                           s.get("消費税計算").toBool(), s.get("端数処理").toText())));
        ClearEntry();
        const dao::Value periodEnd = s.get("会計期間終了日");
        Combo2[0]->setEditText(toQ(o::FormatDate(periodEnd, "yyyy") + "年"));
        Combo2[1]->setEditText(toQ(o::FormatDate(periodEnd, "mm") + "月"));
        Combo2[2]->setEditText(toQ(o::FormatDate(periodEnd, "dd") + "日"));
        Label3->setText(toQ(o::EraYearText(periodEnd)));
        const std::string period = PeriodText(s.get("会計期間開始日").toDate(), periodEnd.toDate(), TaxDate);
        for (QLabel* l : Label4)
            l->setText(toQ(period));

        ShowClosingTemplates();
        ShowClosingEntries();
        recomputePeriodFigures();
        if (m_tallyRefusal) {
            showTallyRefusal();
            return;
        }
        ShowTrialBalance();
        if (ClosingJournalRecordset->isEmpty()) {
            ShowProfitLossAccountsByBalances();
            ShowProfitLossReportByBalances();
        } else {
            ShowProfitLossAccountsByTotals();
            ShowProfitLossReportByTotals();
        }
        ShowBalanceSheetAccounts();
        ShowBalanceSheetReport();
        ShowManufacturingCost();
        ShowSgaBreakdown();
    } catch (const std::exception& e) {
        showFailure(e);
    }
}

void Form34::recomputePeriodFigures()
{
    std::string notice;
    // A failed tally leaves the figures of an earlier one in the file: until a
    // tally succeeds, nothing of them is shown, printed or written.
    m_tallyRefusal.reset();
    try {
        notice = statements::TallyNotice(RecomputePeriodFigures(*m_workspace, *m_database));
    } catch (const std::exception& e) {
        m_tallyRefusal = TallyRefusalText(e.what());
        notice = *m_tallyRefusal;
        ui::dialogs().messageBox(e.what(), ui::Buttons::Ok, std::string("決算処理"));
    }
    TallyNotice->setText(toQ(notice));
    reopenClosingJournal();
}

void Form34::showTallyRefusal()
{
    const QString notice = toQ(*m_tallyRefusal);
    for (QListWidget* list : {List3, List5[0], List5[1], List5[2], List4[0], List4[1], List4[2], List4[3], List6, List7}) {
        list->clear();
        list->addItem(notice);
    }
    for (QLineEdit* box : Text3)
        box->clear();
    for (QLineEdit* box : Text2)
        box->clear();
    BalanceNotice->setText(notice);
}

bool Form34::refusedForTally(const char* title)
{
    if (!m_tallyRefusal)
        return false;
    ui::dialogs().messageBox(*m_tallyRefusal, ui::Buttons::Ok, std::string(title));
    return true;
}

void Form34::reopenClosingJournal()
{
    ClosingJournalRecordset->Close();
    ClosingJournalRecordset = m_database->OpenRecordset("Q_決算仕訳台帳");
}

void Form34::selectStoredOptions()
{
    dao::Recordset& s = *SettingsRecordset;
    const bool era = s.get("元号").toBool();
    const bool triangle = s.get("負記号").toBool();
    const bool reportB5 = s.get("決算書用紙B5").toBool();
    const bool listsB5 = s.get("帳票用紙B5").toBool();
    const bool yen = s.get("金額単位").toText() == "円";
    // Selecting a button runs its pair's handler, which stores the pair again.
    Option9[era ? 0 : 1]->setChecked(true);
    Option10[triangle ? 0 : 1]->setChecked(true);
    Option3[reportB5 ? 0 : 1]->setChecked(true);
    Option6[listsB5 ? 0 : 1]->setChecked(true);
    Option4[yen ? 0 : 1]->setChecked(true);
}

void Form34::storeOption(const char* field, const dao::Value& value)
{
    dao::Recordset& s = *SettingsRecordset;
    try {
        s.MoveFirst();
        s.Edit();
        s.set(field, value);
        s.Update();
    } catch (const std::exception& e) {
        if (s.editMode() != dao::EditState::None)
            s.CancelUpdate();
        showFailure(e);
    }
}

void Form34::Option9_Click(int)
{
    storeOption("元号", Option9[0]->isChecked());
}

void Form34::Option10_Click(int)
{
    storeOption("負記号", Option10[0]->isChecked());
}

void Form34::Option3_Click(int)
{
    storeOption("決算書用紙B5", Option3[0]->isChecked());
}

void Form34::Option6_Click(int)
{
    storeOption("帳票用紙B5", Option6[0]->isChecked());
}

void Form34::Option4_Click(int)
{
    storeOption("金額単位", Option4[0]->isChecked() ? "円" : "百万円");
}

namespace {

void selectAll(std::array<QCheckBox*, 7>& boxes, int index)
{
    if (index != 0)
        return;
    const bool on = boxes[0]->isChecked();
    for (std::size_t i = 1; i < boxes.size(); ++i)
        boxes[i]->setChecked(on);
}

}  // namespace

void Form34::Check1_Click(int index)
{
    selectAll(Check1, index);
}

void Form34::Check2_Click(int index)
{
    selectAll(Check2, index);
}

void Form34::showFailure(const std::exception& e)
{
    ui::dialogs().messageBox(e.what(), ui::Buttons::Ok, std::string("決算処理"));
}

}  // namespace statements
