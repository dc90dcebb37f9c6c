// The tab "固定資産／リース資産管理": the fixed-asset register with its
// depreciation (on leaving 期首残存価格 and on its button 0) and the lease
// register: their lists, loading a chosen line, and their buttons.
#include "setup/Form31.h"

#include "common/DateFormat.h"
#include "common/NumberFormat.h"
#include "platform/ui/Dialogs.h"
#include "registers/FixedAssetDepreciation.h"
#include "registers/FixedAssetFields.h"
#include "registers/FixedAssetListLine.h"
#include "registers/FixedAssetRates.h"
#include "registers/FixedAssetRecord.h"
#include "setup/FixedAssetRegister.h"
#include "setup/LeaseRegister.h"
#include "setup/RegisterLists.h"

#include <QScopedValueRollback>

#include <cstdio>

namespace setup {

using frame::fromQ;
using frame::toQ;

namespace {

QString wholeNumber(const dao::Value& value, const char* mask)
{
    return value.isNumeric() ? toQ(o::FormatNumber(value.toInt64(), mask)) : QString();
}

QString threeDecimals(const dao::Value& value)
{
    if (!value.isNumeric())
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value.toDouble());
    return toQ(text);
}

// What the depreciation routines refuse, as they ask it said.
void sayRefusal(const registers::FixedAssetFigures& figures)
{
    if (figures.beep)
        ui::dialogs().beep();
    ui::dialogs().messageBox(figures.message, ui::Buttons::Ok);
}

// A stored date into its three boxes: "2024年", "04月", "01日".
void showDate(const dao::Value& value, QComboBox* year, QComboBox* month, QComboBox* day)
{
    const auto date = value.toDate();
    year->setEditText(date ? toQ(o::FormatDate(*date, "yyyy") + "年") : QString());
    month->setEditText(date ? toQ(o::FormatDate(*date, "mm") + "月") : QString());
    day->setEditText(date ? toQ(o::FormatDate(*date, "dd") + "日") : QString());
}

}  // namespace

std::optional<std::pair<dao::Date, dao::Date>> Form31::periodDates()
{
    const auto start = m_file.SettingsRecordset->get("会計期間開始日").toDate();
    const auto end = m_file.SettingsRecordset->get("会計期間終了日").toDate();
    if (!start || !end) {
        refuse("会計期間が設定されていません");
        return std::nullopt;
    }
    return std::pair{*start, *end};
}

int Form31::chosenRegisterLine(const QListWidget* list)
{
    const int line = chosenLine(list);
    if (line < 0)
        ui::dialogs().messageBox(registers::kNoListLineMessage, ui::Buttons::Ok);
    return line;
}

std::optional<ShownLine> Form31::lineToDelete(QListWidget* list, dao::Recordset& rs, const RecordKey& keyOf,
                                              const char* what, void (Form31::*refresh)(),
                                              const std::string& question, const std::string& title)
{
    if (chosenRegisterLine(list) < 0)
        return std::nullopt;
    const auto line = chosenRecord(list, rs, keyOf, what, refresh);
    if (!line || ui::dialogs().messageBox(question, ui::Buttons::YesNo, title) != ui::Answer::Yes)
        return std::nullopt;
    return line;
}

// ---- fixed assets ----------------------------------------------------------------------

void Form31::ClearFixedAssetInput()
{
    for (QLineEdit* edit : Text4) edit->clear();
    for (QComboBox* box : Combo6) box->setEditText(QString());
}

void Form31::ShowFixedAssetList()
{
    fillList(List5, *m_file.FixedAssetRecordset, [](dao::Recordset& rs) {
        return std::pair{registers::FixedAssetListLine(rs), FixedAssetKey(rs)};
    });
}

void Form31::refreshFixedAssets()
{
    m_file.reopen(m_file.FixedAssetRecordset, "Q_固定資産台帳");
    ShowFixedAssetList();
}

namespace {

registers::FixedAssetFields fixedAssetFields(const Form31& form)
{
    registers::FixedAssetFields f;
    f.number = fromQ(form.Text4[0]->text());
    f.name = fromQ(form.Text4[1]->text());
    f.cost = fromQ(form.Text4[2]->text());
    f.residual = fromQ(form.Text4[3]->text());
    f.guarantee = fromQ(form.Text4[4]->text());
    f.depreciation = fromQ(form.Text4[5]->text());
    f.remarks = fromQ(form.Text4[6]->text());
    f.quantity = fromQ(form.Combo6[0]->currentText());
    f.accountName = fromQ(form.Combo6[1]->currentText());
    f.year = fromQ(form.Combo6[2]->currentText());
    f.month = fromQ(form.Combo6[3]->currentText());
    f.day = fromQ(form.Combo6[4]->currentText());
    f.method = fromQ(form.Combo6[5]->currentText());
    f.life = fromQ(form.Combo6[6]->currentText());
    f.rate = fromQ(form.Combo6[7]->currentText());
    f.department = fromQ(form.Combo6[8]->currentText());
    return f;
}

}  // namespace

// 0 "取得日から減価償却費計算（残存価格計算）" and 1 "入力クリア" in either edit
// mode; 2 "登録", 3 "更新", 4 "削除" only while it is on.
void Form31::Command6_Click(int index)
{
    const dao::Operation operation;   // its waits for the file share one budget
    switch (index) {
    case 0: depreciationFromAcquisition(); return;
    case 1: ClearFixedAssetInput(); return;
    default: break;
    }
    if (!o::EditModeIsOn())
        return;
    try {
        switch (index) {
        case 2: registerFixedAsset(); break;
        case 3: updateFixedAsset(); break;
        case 4: deleteFixedAsset(); break;
        default: break;
        }
    } catch (const std::exception& e) {
        reportFailure("固定資産を保存できませんでした。固定資産台帳は元のままです", e);
        refreshFixedAssets();
    }
}

// The chosen asset's depreciation walked from its acquisition to this period;
// nothing is stored.
void Form31::depreciationFromAcquisition()
{
    if (chosenLine(List5) < 0) {
        ui::dialogs().beep();
        return;
    }
    if (!chosenRecord(List5, *m_file.FixedAssetRecordset, FixedAssetKey, kFixedAssetWhat, &Form31::refreshFixedAssets))
        return;
    const auto period = periodDates();
    if (!period)
        return;
    const registers::FixedAssetFigures figures =
        registers::DepreciationFromAcquisition(*m_file.FixedAssetRecordset, period->first, period->second);
    switch (figures.kind) {
    case registers::FixedAssetFigures::Kind::Shown:
        Text4[5]->setText(toQ(figures.depreciation));
        Text4[3]->setText(toQ(figures.residual));
        break;
    case registers::FixedAssetFigures::Kind::Refused: sayRefusal(figures); break;
    case registers::FixedAssetFigures::Kind::BeepOnly: ui::dialogs().beep(); break;
    }
}

void Form31::showStatutoryRates()
{
    if (m_loadingAsset)
        return;
    const auto rates = registers::StatutoryPercentsFor(fixedAssetFields(*this));
    if (!rates)
        return;
    Combo6[7]->setEditText(toQ(rates->rate));
    Text4[4]->setText(toQ(rates->guarantee));
}

bool Form31::assetRatesAccepted(const registers::FixedAssetFields& fields)
{
    const auto question = registers::RateDifferenceQuestion(fields);
    return !question
           || ui::dialogs().messageBox(*question, ui::Buttons::YesNo, registers::kRateQuestionTitle) == ui::Answer::Yes;
}

std::optional<std::string> Form31::checkedAssetAccount(const registers::FixedAssetFields& fields,
                                                       registers::FixedAssetCheck check)
{
    if (const auto message = registers::CheckFixedAssetFields(fields, check)) {
        refuse(*message);
        return std::nullopt;
    }
    const auto code = registers::UsedAccountCode(*m_file.UsedAccountsRecordset, fields.accountName);
    if (!code)
        refuse(registers::kUnknownAccountMessage);
    return code;
}

void Form31::registerFixedAsset()
{
    const registers::FixedAssetFields fields = fixedAssetFields(*this);
    const auto code = checkedAssetAccount(fields, registers::FixedAssetCheck::Register);
    if (!code || !assetRatesAccepted(fields))
        return;
    RegisterFixedAsset(*m_file.workspace, *m_file.database, fields, *code);
    refreshFixedAssets();
}

void Form31::updateFixedAsset()
{
    const int line = chosenRegisterLine(List5);
    if (line < 0)
        return;
    const registers::FixedAssetFields fields = fixedAssetFields(*this);
    const auto code = checkedAssetAccount(fields, registers::FixedAssetCheck::Update);
    if (!code || !assetRatesAccepted(fields))
        return;
    if (const auto refusal = UpdateFixedAsset(*m_file.workspace, *m_file.database, shownLine(List5, line), fields, *code))
        refuse(*refusal);
    refreshFixedAssets();
}

void Form31::deleteFixedAsset()
{
    if (m_file.FixedAssetRecordset->isEmpty())
        return;
    const auto line = lineToDelete(List5, *m_file.FixedAssetRecordset, FixedAssetKey, kFixedAssetWhat,
                                   &Form31::refreshFixedAssets, registers::kDeleteFixedAssetQuestion, "固定資産台帳");
    if (!line)
        return;
    if (const auto refusal = DeleteFixedAsset(*m_file.workspace, *m_file.database, *line))
        refuse(*refusal);
    refreshFixedAssets();
}

void Form31::List5_Click()
{
    if (!chosenRecord(List5, *m_file.FixedAssetRecordset, FixedAssetKey, kFixedAssetWhat, &Form31::refreshFixedAssets))
        return;
    const dao::Recordset& asset = *m_file.FixedAssetRecordset;
    const auto text = [&asset](const char* field) { return toQ(asset.get(field).toText()); };
    const QScopedValueRollback loading(m_loadingAsset, true);   // the asset shows its own rates
    Text4[0]->setText(text("管理番号"));
    Text4[1]->setText(text("名称"));
    Combo6[0]->setEditText(wholeNumber(asset.get("数量"), "#0"));
    Combo6[1]->setEditText(text("勘定科目名"));
    showDate(asset.get("取得年月日"), Combo6[2], Combo6[3], Combo6[4]);
    Combo6[5]->setEditText(text("償却方法"));
    Text4[2]->setText(wholeNumber(asset.get("取得価格"), "###,###,##0"));
    const QString life = wholeNumber(asset.get("耐用年数"), "#0");
    Combo6[6]->setEditText(life.isEmpty() ? life : life + "年");
    Combo6[7]->setEditText(threeDecimals(asset.get("償却率")));
    Text4[3]->setText(wholeNumber(asset.get("残存価格"), "###,###,##0"));
    Text4[4]->setText(threeDecimals(asset.get("保証率")));
    Text4[5]->setText(wholeNumber(asset.get("減価償却費"), "###,###,##0"));
    Combo6[8]->setEditText(text("使用部署名"));
    Text4[6]->setText(text("備考"));
}

// Leaving 取得価格 proposes it as the book value at the start of the period
// while that is empty or 0; leaving 期首残存価格 computes this period's
// depreciation from it. Neither stores anything; both work in either edit mode.
void Form31::Text4_LostFocus(int index)
{
    if (index == 2) {
        const std::string residual = fromQ(Text4[3]->text());
        if (residual.empty() || registers::LeadingNumber(residual) == 0)
            Text4[3]->setText(Text4[2]->text());
        return;
    }
    if (index != 3)
        return;
    const auto period = periodDates();
    if (!period)
        return;
    const registers::FixedAssetFigures figures =
        registers::DepreciationOnLeavingResidual(fixedAssetFields(*this), period->first, period->second);
    switch (figures.kind) {
    case registers::FixedAssetFigures::Kind::Shown: Text4[5]->setText(toQ(figures.depreciation)); break;
    case registers::FixedAssetFigures::Kind::Refused: sayRefusal(figures); break;
    case registers::FixedAssetFigures::Kind::BeepOnly:
        ui::dialogs().beep();
        Text4[3]->setFocus();
        break;
    }
}

// ---- leases ----------------------------------------------------------------------------------

void Form31::ClearLeaseInput()
{
    for (QLineEdit* edit : Text6) edit->clear();
    for (QComboBox* box : Combo17) box->setEditText(QString());
}

void Form31::ShowLeaseList()
{
    fillList(List6, *m_file.LeaseRecordset, [](dao::Recordset& rs) {
        const ListLine line = LeaseListLine(rs);
        return std::pair{line.text, line.key};
    });
}

void Form31::refreshLeases()
{
    m_file.reopen(m_file.LeaseRecordset, "Q_リース資産管理");
    ShowLeaseList();
}

namespace {

LeaseBoxes leaseBoxes(const Form31& form)
{
    LeaseBoxes b;
    b.contract = fromQ(form.Text6[0]->text());
    b.assetName = fromQ(form.Text6[1]->text());
    b.accountName = fromQ(form.Combo17[0]->currentText());
    b.year = fromQ(form.Combo17[1]->currentText());
    b.month = fromQ(form.Combo17[2]->currentText());
    b.day = fromQ(form.Combo17[3]->currentText());
    b.purchase = fromQ(form.Text6[2]->text());
    b.total = fromQ(form.Text6[3]->text());
    b.payments = fromQ(form.Text6[4]->text());
    b.monthly = fromQ(form.Text6[5]->text());
    b.interest = fromQ(form.Text6[6]->text());
    b.lessor = fromQ(form.Text6[7]->text());
    b.department = fromQ(form.Combo17[4]->currentText());
    b.remarks = fromQ(form.Text6[8]->text());
    return b;
}

}  // namespace

// 1 "入力クリア" and 2 "登録" in either edit mode; 3 "更新" and 4 "削除" only while it is on.
void Form31::Command7_Click(int index)
{
    const dao::Operation operation;   // its waits for the file share one budget
    if (index == 1) {
        ClearLeaseInput();
        return;
    }
    if (index != 2 && !o::EditModeIsOn())
        return;
    try {
        switch (index) {
        case 2: registerLease(); break;
        case 3: updateLease(); break;
        case 4: deleteLease(); break;
        default: break;
        }
    } catch (const std::exception& e) {
        reportFailure("リース物件を保存できませんでした。リース資産台帳は元のままです", e);
    }
}

// A lease registered with edit mode off is listed at once too, and the boxes
// emptied, so that it is not registered twice.
void Form31::registerLease()
{
    const LeaseBoxes boxes = leaseBoxes(*this);
    const LeaseCheck check = CheckLeaseBoxes(boxes, LeaseButton::Register);
    if (!check.date) {
        refuse(check.message);
        return;
    }
    RegisterLease(*m_file.workspace, *m_file.database, boxes, *check.date, FindCode(2, boxes.accountName));
    ClearLeaseInput();
    refreshLeases();
}

void Form31::updateLease()
{
    const int line = chosenRegisterLine(List6);
    if (line < 0)
        return;
    const LeaseBoxes boxes = leaseBoxes(*this);
    const LeaseCheck check = CheckLeaseBoxes(boxes, LeaseButton::Update);
    if (!check.date) {
        refuse(check.message);
        return;
    }
    const auto refusal = UpdateLease(*m_file.workspace, *m_file.database, shownLine(List6, line), boxes, *check.date,
                                     FindCode(2, boxes.accountName));
    if (refusal)
        refuse(*refusal);
    else
        ClearLeaseInput();
    refreshLeases();
}

void Form31::deleteLease()
{
    if (m_file.LeaseRecordset->isEmpty())
        return;
    const auto line = lineToDelete(List6, *m_file.LeaseRecordset, LeaseKey, kLeaseWhat, &Form31::refreshLeases,
                                   kDeleteLeaseQuestion, "リース物件管理");
    if (!line)
        return;
    if (const auto refusal = DeleteLease(*m_file.workspace, *m_file.database, *line))
        refuse(*refusal);
    else
        ClearLeaseInput();
    refreshLeases();
}

void Form31::List6_Click()
{
    if (!chosenRecord(List6, *m_file.LeaseRecordset, LeaseKey, kLeaseWhat, &Form31::refreshLeases))
        return;
    const dao::Recordset& lease = *m_file.LeaseRecordset;
    const auto text = [&lease](const char* field) { return toQ(lease.get(field).toText()); };
    Text6[0]->setText(text("契約番号"));
    Text6[1]->setText(text("資産名称"));
    Combo17[0]->setEditText(text("勘定科目名"));
    showDate(lease.get("取得年月日"), Combo17[1], Combo17[2], Combo17[3]);
    Text6[2]->setText(wholeNumber(lease.get("購入金額"), "###,###,##0"));
    Text6[3]->setText(wholeNumber(lease.get("支払総額"), "###,###,##0"));
    Text6[4]->setText(wholeNumber(lease.get("リース回数"), "#0"));
    Text6[5]->setText(wholeNumber(lease.get("月リース料金"), "###,###,##0"));
    Text6[6]->setText(wholeNumber(lease.get("月支払利息"), "###,###,##0"));
    Text6[7]->setText(text("リース会社"));
    Combo17[4]->setEditText(text("使用部署"));
    Text6[8]->setText(text("備考"));
}

}  // namespace setup
