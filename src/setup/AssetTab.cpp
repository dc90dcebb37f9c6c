#include "setup/AssetTab.h"
#include "periodfile/SchemaNames.h"
#include "common/NumberMasks.h"

#include "common/DateFormat.h"
#include "common/EditMode.h"
#include "common/FindCode.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
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
#include "setup/SetupControls.h"

#include <QApplication>
#include <QGridLayout>
#include <QVBoxLayout>

#include <QScopedValueRollback>

#include <cstdio>

namespace setup {

using frame::fromQ;
using frame::toQ;
using namespace controls;

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

// Tells what the depreciation routines refused, with the beep they ask for.
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

AssetTab::AssetTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : SetupTab(file, cellExits)
{
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(label("固定資産管理"));
    auto* assetButtons = new QHBoxLayout;
    static const char* const assetCaptions[5] = {"取得日から減価償却費計算（残存価格計算）", "入力クリア", "登録",
                                                 "更新", "削除"};
    for (int i = 0; i < 5; ++i) {
        Command6[i] = button(assetCaptions[i], indexed("Command6", i));
        const auto which = static_cast<Command6Button>(i);
        connect(Command6[i], &QPushButton::clicked, this, [this, which] { Command6_Click(which); });
        assetButtons->addWidget(Command6[i]);
    }
    assetButtons->addStretch();
    layout->addLayout(assetButtons);

    for (int i = 0; i < 7; ++i) {
        Text4[i] = textBox(indexed("Text4", i));
        watchFocus(Text4[i]);
    }
    for (int i = 0; i < 9; ++i)
        Combo6[i] = comboBox(indexed("Combo6", i));
    for (int i : {2, 3, 4, 5, 6})  // the acquisition date, the method, the life
        connect(Combo6[i], &QComboBox::currentTextChanged, this, [this] { showStatutoryRates(); });
    // The fields in their order: caption, then the control(s).
    struct Field {
        const char* caption;
        std::vector<QWidget*> controls;
    };
    const Field assetFields[] = {{"管理番号", {Text4[0]}},
                                 {"資産名称", {Text4[1]}},
                                 {"数量", {Combo6[0]}},
                                 {"勘定科目", {Combo6[1]}},
                                 {"取得年月日", {Combo6[2], Combo6[3], Combo6[4]}},
                                 {"取得価格", {Text4[2]}},
                                 {"償却方法", {Combo6[5]}},
                                 {"耐用年数", {Combo6[6]}},
                                 {"償却率%", {Combo6[7]}},
                                 {"保証率%", {Text4[4]}},
                                 {"期首残存価格", {Text4[3]}},
                                 {"減価償却費", {Text4[5]}},
                                 {"管理部署", {Combo6[8]}},
                                 {"備考", {Text4[6]}}};
    auto* assetGrid = new QGridLayout;
    int column = 0;
    for (const Field& field : assetFields) {
        const int row = column >= 8 ? 2 : 0;
        const int col = column % 8;
        assetGrid->addWidget(label(field.caption), row, col);
        auto* cell = new QHBoxLayout;
        for (QWidget* w : field.controls)
            cell->addWidget(w);
        assetGrid->addLayout(cell, row + 1, col);
        ++column;
    }
    layout->addLayout(assetGrid);
    List5 = frame::newRecordList(this, "List5");
    frame::onListClick(List5, this, [this](int) { List5_Click(); });
    layout->addWidget(List5, 1);
    layout->addWidget(label("平成19年（2007年）4月1日～平成24年3月31日取得分、定率法「250％定率法」"));
    layout->addWidget(label("平成24年（2012年）4月1日から取得分 償却率等が改正"));

    layout->addWidget(label("リース資産管理"));
    auto* leaseButtons = new QHBoxLayout;
    static const char* const leaseCaptions[5] = {"", "入力クリア", "登録", "更新", "削除"};
    for (int i = 1; i < 5; ++i) {
        Command7[i] = button(leaseCaptions[i], indexed("Command7", i));
        const auto which = static_cast<Command7Button>(i);
        connect(Command7[i], &QPushButton::clicked, this, [this, which] { Command7_Click(which); });
        leaseButtons->addWidget(Command7[i]);
    }
    leaseButtons->addStretch();
    layout->addLayout(leaseButtons);
    for (int i = 0; i < 9; ++i) {
        Text6[i] = textBox(indexed("Text6", i));
        watchFocus(Text6[i]);
    }
    for (int i = 0; i < 5; ++i)
        Combo17[i] = comboBox(indexed("Combo17", i));
    const Field leaseFields[] = {{"契約番号", {Text6[0]}},   {"リース資産名称", {Text6[1]}},
                                 {"勘定科目", {Combo17[0]}}, {"取得年月日", {Combo17[1], Combo17[2], Combo17[3]}},
                                 {"購入金額", {Text6[2]}},   {"支払総額", {Text6[3]}},
                                 {"リース回数", {Text6[4]}}, {"月支払金額", {Text6[5]}},
                                 {"月支払利息", {Text6[6]}}, {"リース会社", {Text6[7]}},
                                 {"管理部署", {Combo17[4]}}, {"備考", {Text6[8]}}};
    auto* leaseGrid = new QGridLayout;
    column = 0;
    for (const Field& field : leaseFields) {
        const int row = column >= 6 ? 2 : 0;
        const int col = column % 6;
        leaseGrid->addWidget(label(field.caption), row, col);
        auto* cell = new QHBoxLayout;
        for (QWidget* w : field.controls)
            cell->addWidget(w);
        leaseGrid->addLayout(cell, row + 1, col);
        ++column;
    }
    layout->addLayout(leaseGrid);
    List6 = frame::newRecordList(this, "List6");
    frame::onListClick(List6, this, [this](int) { List6_Click(); });
    layout->addWidget(List6, 1);
}

void AssetTab::setInputsUsable(bool usable)
{
    for (QLineEdit* edit : Text4)
        setUsable(edit, usable);
    for (QComboBox* box : Combo6)
        setUsable(box, usable);
}

void AssetTab::controlLeft(QObject* control)
{
    for (std::size_t i = 0; i < Text4.size(); ++i)
        if (Text4[i] == control)
            return Text4_LostFocus(static_cast<int>(i));
}

void AssetTab::Load()
{
    for (int n = 1; n <= 10; ++n)
        Combo6[0]->addItem(QString::number(n));
    const int thisYear = dao::Date::today().year;
    Combo6[2]->addItems({yearItem(thisYear - 1), yearItem(thisYear)});
    for (int m = 1; m <= 12; ++m)
        Combo6[3]->addItem(monthItem(m));
    addDays(Combo6[4], 31);

    FillAccountChoices();
    Combo6[5]->clear();
    Combo6[5]->addItems({"定額法", "定率法", "一括償却"});
    Combo6[6]->clear();
    Combo6[7]->clear();
    for (int n = 1; n <= 20; ++n) {
        Combo6[6]->addItem(QString::number(n) + "年");
        Combo6[7]->addItem(QString::number(n) + ".00");
    }
    Combo6[8]->clear();
    for (int i = 1; i <= 3; ++i)
        Combo17[i]->clear();
    Combo17[1]->addItems({yearItem(thisYear - 1), yearItem(thisYear)});
    for (int m = 1; m <= 12; ++m)
        Combo17[2]->addItem(monthItem(m));
    addDays(Combo17[3], 31);
    ClearFixedAssetInput();
    ClearLeaseInput();
}

void AssetTab::FillAccountChoices()
{
    QStringList names;
    dao::Recordset& used = *m_file.UsedAccountsRecordset;
    if (!used.isEmpty())
        for (used.MoveFirst(); !used.EOF_(); used.MoveNext())
            if (used.get(schema::column::MinorClass).toText() == "有形固定資産")
                names << toQ(used.get(schema::column::AccountName).toText());
    for (QComboBox* box : {Combo6[1], Combo17[0]}) {
        const QString shown = box->currentText();
        box->clear();
        box->addItems(names);
        box->setEditText(shown);
    }
}

void AssetTab::refreshRegisters()
{
    m_file.reopen(m_file.FixedAssetRecordset, "Q_固定資産台帳");
    m_file.reopen(m_file.LeaseRecordset, "Q_リース資産管理");
    ShowFixedAssetList();
    ShowLeaseList();
}

std::string AssetTab::accountCode(const std::string& name)
{
    return o::FindCode({m_file.AccountMasterRecordset.get(), m_file.BankAccountRecordset.get(), nullptr}, 2, name);
}

std::optional<std::pair<dao::Date, dao::Date>> AssetTab::periodDates()
{
    const auto start = m_file.SettingsRecordset->get(schema::column::PeriodStart).toDate();
    const auto end = m_file.SettingsRecordset->get(schema::column::PeriodEnd).toDate();
    if (!start || !end) {
        refuse("会計期間が設定されていません");
        return std::nullopt;
    }
    return std::pair{*start, *end};
}

int AssetTab::chosenRegisterLine(const QListWidget* list)
{
    const int line = chosenLine(list);
    if (line < 0)
        ui::dialogs().messageBox(registers::kNoListLineMessage, ui::Buttons::Ok);
    return line;
}

std::optional<ShownLine> AssetTab::lineToDelete(QListWidget* list, dao::Recordset& rs, const RecordKey& keyOf,
                                                const char* what, const std::function<void()>& refresh,
                                                const std::string& question, const std::string& title)
{
    if (chosenRegisterLine(list) < 0)
        return std::nullopt;
    auto line = chosenRecord(list, rs, keyOf, what, refresh);
    if (!line || ui::dialogs().messageBox(question, ui::Buttons::YesNo, title) != ui::Answer::Yes)
        return std::nullopt;
    return line;
}

// ---- fixed assets ----------------------------------------------------------------------

void AssetTab::ClearFixedAssetInput()
{
    for (QLineEdit* edit : Text4)
        edit->clear();
    for (QComboBox* box : Combo6)
        box->setEditText(QString());
}

void AssetTab::ShowFixedAssetList()
{
    fillList(List5, *m_file.FixedAssetRecordset, FixedAssetComparedFields(), [](dao::Recordset& rs) {
        return std::pair{registers::FixedAssetListLine(rs), FixedAssetKey(rs)};
    });
}

void AssetTab::refreshFixedAssets()
{
    m_file.reopen(m_file.FixedAssetRecordset, "Q_固定資産台帳");
    ShowFixedAssetList();
}

registers::FixedAssetFields AssetTab::fixedAssetFields() const
{
    registers::FixedAssetFields f;
    f.number = fromQ(Text4[0]->text());
    f.name = fromQ(Text4[1]->text());
    f.cost = fromQ(Text4[2]->text());
    f.residual = fromQ(Text4[3]->text());
    f.guarantee = fromQ(Text4[4]->text());
    f.depreciation = fromQ(Text4[5]->text());
    f.remarks = fromQ(Text4[6]->text());
    f.quantity = fromQ(Combo6[0]->currentText());
    f.accountName = fromQ(Combo6[1]->currentText());
    f.year = fromQ(Combo6[2]->currentText());
    f.month = fromQ(Combo6[3]->currentText());
    f.day = fromQ(Combo6[4]->currentText());
    f.method = fromQ(Combo6[5]->currentText());
    f.life = fromQ(Combo6[6]->currentText());
    f.rate = fromQ(Combo6[7]->currentText());
    f.department = fromQ(Combo6[8]->currentText());
    return f;
}

// "取得日から減価償却費計算（残存価格計算）" and "入力クリア" in either edit
// mode; "登録", "更新" and "削除" only while it is on.
void AssetTab::Command6_Click(Command6Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    switch (button) {
    case DepreciationButton: depreciationFromAcquisition(); return;
    case AssetClearButton: ClearFixedAssetInput(); return;
    default: break;
    }
    if (!o::EditModeIsOn())
        return;
    try {
        switch (button) {
        case AssetRegisterButton: registerFixedAsset(); break;
        case AssetUpdateButton: updateFixedAsset(); break;
        case AssetDeleteButton: deleteFixedAsset(); break;
        default: break;
        }
    } catch (const std::exception& e) {
        reportFailure("固定資産を保存できませんでした。固定資産台帳は元のままです", e);
        refreshAfterFailure([this] { refreshFixedAssets(); });
    }
}

// The chosen asset's depreciation walked from its acquisition to this period;
// nothing is stored.
void AssetTab::depreciationFromAcquisition()
{
    if (chosenLine(List5) < 0) {
        ui::dialogs().beep();
        return;
    }
    if (!chosenRecord(List5, *m_file.FixedAssetRecordset, FixedAssetKey, kFixedAssetWhat,
                      [this] { refreshFixedAssets(); }))
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

void AssetTab::showStatutoryRates()
{
    if (m_loadingAsset)
        return;
    const auto rates = registers::StatutoryPercentsFor(fixedAssetFields());
    if (!rates)
        return;
    Combo6[7]->setEditText(toQ(rates->rate));
    Text4[4]->setText(toQ(rates->guarantee));
}

bool AssetTab::assetRatesAccepted(const registers::FixedAssetFields& fields)
{
    const auto question = registers::RateDifferenceQuestion(fields);
    return !question
        || ui::dialogs().messageBox(*question, ui::Buttons::YesNo, registers::kRateQuestionTitle) == ui::Answer::Yes;
}

std::optional<std::string> AssetTab::checkedAssetAccount(const registers::FixedAssetFields& fields,
                                                         registers::FixedAssetCheck check)
{
    if (const auto message = registers::CheckFixedAssetFields(fields, check)) {
        refuse(*message);
        return std::nullopt;
    }
    auto code = registers::UsedAccountCode(*m_file.UsedAccountsRecordset, fields.accountName);
    if (!code)
        refuse(registers::kUnknownAccountMessage);
    return code;
}

void AssetTab::registerFixedAsset()
{
    const registers::FixedAssetFields fields = fixedAssetFields();
    const auto code = checkedAssetAccount(fields, registers::FixedAssetCheck::Register);
    if (!code || !assetRatesAccepted(fields))
        return;
    RegisterFixedAsset(workspace(), database(), fields, *code);
    refreshFixedAssets();
}

void AssetTab::updateFixedAsset()
{
    const int line = chosenRegisterLine(List5);
    if (line < 0)
        return;
    const registers::FixedAssetFields fields = fixedAssetFields();
    const auto code = checkedAssetAccount(fields, registers::FixedAssetCheck::Update);
    if (!code || !assetRatesAccepted(fields))
        return;
    if (const auto refusal = UpdateFixedAsset(workspace(), database(), shownLine(List5, line), fields, *code))
        refuse(*refusal);
    refreshFixedAssets();
}

void AssetTab::deleteFixedAsset()
{
    if (m_file.FixedAssetRecordset->isEmpty())
        return;
    const auto line = lineToDelete(
        List5, *m_file.FixedAssetRecordset, FixedAssetKey, kFixedAssetWhat, [this] { refreshFixedAssets(); },
        registers::kDeleteFixedAssetQuestion, "固定資産台帳");
    if (!line)
        return;
    if (const auto refusal = DeleteFixedAsset(workspace(), database(), *line))
        refuse(*refusal);
    refreshFixedAssets();
}

void AssetTab::List5_Click()
{
    if (!chosenRecord(List5, *m_file.FixedAssetRecordset, FixedAssetKey, kFixedAssetWhat,
                      [this] { refreshFixedAssets(); }))
        return;
    const dao::Recordset& asset = *m_file.FixedAssetRecordset;
    const auto text = [&asset](const char* field) { return toQ(asset.get(field).toText()); };
    const QScopedValueRollback loading(m_loadingAsset, true);  // the asset shows its own rates
    Text4[0]->setText(text(schema::column::AssetNumber));
    Text4[1]->setText(text(schema::column::AssetName));
    Combo6[0]->setEditText(wholeNumber(asset.get(schema::column::Quantity), o::kWholeMask));
    Combo6[1]->setEditText(text(schema::column::AccountName));
    showDate(asset.get(schema::column::AcquiredOn), Combo6[2], Combo6[3], Combo6[4]);
    Combo6[5]->setEditText(text(schema::column::DepreciationMethod));
    Text4[2]->setText(wholeNumber(asset.get(schema::column::AcquisitionCost), o::kAmountMask));
    const QString life = wholeNumber(asset.get(schema::column::UsefulLife), o::kWholeMask);
    Combo6[6]->setEditText(life.isEmpty() ? life : life + "年");
    Combo6[7]->setEditText(threeDecimals(asset.get(schema::column::DepreciationRate)));
    Text4[3]->setText(wholeNumber(asset.get(schema::column::ResidualValue), o::kAmountMask));
    Text4[4]->setText(threeDecimals(asset.get(schema::column::GuaranteeRate)));
    Text4[5]->setText(wholeNumber(asset.get(schema::column::Depreciation), o::kAmountMask));
    Combo6[8]->setEditText(text(schema::column::AssetDepartment));
    Text4[6]->setText(text(schema::column::Remarks));
}

// Leaving 取得価格 proposes it as the book value at the start of the period
// while that is empty or 0; leaving 期首残存価格 computes this period's
// depreciation from it, except toward the button that computes both figures
// from the acquisition afresh (and says itself why it cannot: one click, one
// message). Neither stores anything; both work in either edit mode.
void AssetTab::Text4_LostFocus(int index)
{
    if (index == 2) {
        const std::string residual = fromQ(Text4[3]->text());
        if (residual.empty() || registers::LeadingNumber(residual) == 0)
            Text4[3]->setText(Text4[2]->text());
        return;
    }
    if (index != 3 || QApplication::focusWidget() == Command6[DepreciationButton])
        return;
    const auto period = periodDates();
    if (!period)
        return;
    const registers::FixedAssetFigures figures =
        registers::DepreciationOnLeavingResidual(fixedAssetFields(), period->first, period->second);
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

void AssetTab::ClearLeaseInput()
{
    for (QLineEdit* edit : Text6)
        edit->clear();
    for (QComboBox* box : Combo17)
        box->setEditText(QString());
}

void AssetTab::ShowLeaseList()
{
    fillList(List6, *m_file.LeaseRecordset, LeaseComparedFields(), [](dao::Recordset& rs) {
        const ListLine line = LeaseListLine(rs);
        return std::pair{line.text, line.key};
    });
}

void AssetTab::refreshLeases()
{
    m_file.reopen(m_file.LeaseRecordset, "Q_リース資産管理");
    ShowLeaseList();
}

LeaseBoxes AssetTab::leaseBoxes() const
{
    LeaseBoxes b;
    b.contract = fromQ(Text6[0]->text());
    b.assetName = fromQ(Text6[1]->text());
    b.accountName = fromQ(Combo17[0]->currentText());
    b.year = fromQ(Combo17[1]->currentText());
    b.month = fromQ(Combo17[2]->currentText());
    b.day = fromQ(Combo17[3]->currentText());
    b.purchase = fromQ(Text6[2]->text());
    b.total = fromQ(Text6[3]->text());
    b.payments = fromQ(Text6[4]->text());
    b.monthly = fromQ(Text6[5]->text());
    b.interest = fromQ(Text6[6]->text());
    b.lessor = fromQ(Text6[7]->text());
    b.department = fromQ(Combo17[4]->currentText());
    b.remarks = fromQ(Text6[8]->text());
    return b;
}

// "入力クリア" and "登録" in either edit mode; "更新" and "削除" only while it is on.
void AssetTab::Command7_Click(Command7Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    if (button == LeaseClearButton) {
        ClearLeaseInput();
        return;
    }
    if (button != LeaseRegisterButton && !o::EditModeIsOn())
        return;
    try {
        switch (button) {
        case LeaseRegisterButton: registerLease(); break;
        case LeaseUpdateButton: updateLease(); break;
        case LeaseDeleteButton: deleteLease(); break;
        default: break;
        }
    } catch (const std::exception& e) {
        reportFailure("リース物件を保存できませんでした。リース資産台帳は元のままです", e);
    }
}

// A lease registered with edit mode off is listed at once too, and the boxes
// emptied, so that it is not registered twice.
void AssetTab::registerLease()
{
    const LeaseBoxes boxes = leaseBoxes();
    const LeaseCheck check = CheckLeaseBoxes(boxes, LeaseButton::Register);
    if (!check.date) {
        refuse(check.message);
        return;
    }
    RegisterLease(workspace(), database(), boxes, *check.date, accountCode(boxes.accountName));
    ClearLeaseInput();
    refreshLeases();
}

void AssetTab::updateLease()
{
    const int line = chosenRegisterLine(List6);
    if (line < 0)
        return;
    const LeaseBoxes boxes = leaseBoxes();
    const LeaseCheck check = CheckLeaseBoxes(boxes, LeaseButton::Update);
    if (!check.date) {
        refuse(check.message);
        return;
    }
    const auto refusal = UpdateLease(workspace(), database(), shownLine(List6, line), boxes, *check.date,
                                     accountCode(boxes.accountName));
    if (refusal)
        refuse(*refusal);
    else
        ClearLeaseInput();
    refreshLeases();
}

void AssetTab::deleteLease()
{
    if (m_file.LeaseRecordset->isEmpty())
        return;
    const auto line = lineToDelete(
        List6, *m_file.LeaseRecordset, LeaseKey, kLeaseWhat, [this] { refreshLeases(); }, kDeleteLeaseQuestion,
        "リース物件管理");
    if (!line)
        return;
    if (const auto refusal = DeleteLease(workspace(), database(), *line))
        refuse(*refusal);
    else
        ClearLeaseInput();
    refreshLeases();
}

void AssetTab::List6_Click()
{
    if (!chosenRecord(List6, *m_file.LeaseRecordset, LeaseKey, kLeaseWhat, [this] { refreshLeases(); }))
        return;
    const dao::Recordset& lease = *m_file.LeaseRecordset;
    const auto text = [&lease](const char* field) { return toQ(lease.get(field).toText()); };
    Text6[0]->setText(text(schema::column::ContractNumber));
    Text6[1]->setText(text(schema::column::LeasedAssetName));
    Combo17[0]->setEditText(text(schema::column::AccountName));
    showDate(lease.get(schema::column::AcquiredOn), Combo17[1], Combo17[2], Combo17[3]);
    Text6[2]->setText(wholeNumber(lease.get(schema::column::PurchasePrice), o::kAmountMask));
    Text6[3]->setText(wholeNumber(lease.get(schema::column::TotalPayments), o::kAmountMask));
    Text6[4]->setText(wholeNumber(lease.get(schema::column::LeasePayments), o::kWholeMask));
    Text6[5]->setText(wholeNumber(lease.get(schema::column::MonthlyLeasePayment), o::kAmountMask));
    Text6[6]->setText(wholeNumber(lease.get(schema::column::MonthlyInterest), o::kAmountMask));
    Text6[7]->setText(text(schema::column::LeaseCompany));
    Combo17[4]->setEditText(text(schema::column::LeaseDepartment));
    Text6[8]->setText(text(schema::column::Remarks));
}

}  // namespace setup
