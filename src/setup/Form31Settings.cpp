// The choice lists, the loading of the tabs, and the settings row 会計設定 edited
// field by field: company fields, period number, tax options, industry, the
// three dates and the opening cash.
#include "setup/Form31.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"
#include "common/EraYearText.h"
#include "common/NumberFormat.h"
#include "setup/CompanySettings.h"
#include "setup/TaxRateRows.h"
#include "platform/ui/Dialogs.h"

#include <QButtonGroup>

namespace setup {

using frame::fromQ;
using frame::toQ;

namespace {

QString yearItem(int year) { return QString::number(year).rightJustified(4, '0') + "年"; }
QString monthItem(int month) { return QString::number(month) + "月"; }
QString dayItem(int day) { return QString::number(day) + "日"; }

void addDays(QComboBox* box, int days)
{
    for (int d = 1; d <= days; ++d) box->addItem(dayItem(d));
}

// Every row's `field` of a recordset, from its first row.
QStringList column(dao::Recordset& rs, const char* field)
{
    QStringList items;
    if (!rs.isEmpty())
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) items << toQ(rs.get(field).toText());
    return items;
}

void selectCode(const std::string& stored, auto& options, const auto& codes)
{
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (stored == codes[i]) {
            options[i]->setChecked(true);
            return;
        }
}

}  // namespace

// ---- choice lists --------------------------------------------------------------

void Form31::FillSetupLists()
{
    const QStringList banks = column(*BanksInUseRecordset, "銀行名");
    const QStringList branches = column(*BranchesInUseRecordset, "支店名");
    Combo2[0]->clear();
    Combo2[0]->addItems(banks);
    Combo2[1]->clear();
    Combo2[1]->addItems(branches);
    for (int row = 0; row < journal::kGridRows; ++row) m_grid->Combo8[row]->addItems(banks);
    for (int row = 0; row < journal::kGridRows; ++row) m_grid->Combo9[row]->addItems(branches);
    FillAccountCombos();
    Combo2[2]->clear();
    Combo2[2]->addItems(column(*DepositKindRecordset, "種別"));
    Combo10[1]->clear();
    addDays(Combo10[1], 31);
    Combo10[2]->clear();
    Combo10[2]->addItems({"30日後", "60日後", "90日後"});
    Combo10[3]->clear();
    Combo10[3]->addItems({"A", "B", "C"});
    if (!PartnerRecordset->isEmpty()) {
        const QStringList partners = column(*PartnerRecordset, "取引先名");
        for (int row = 0; row < journal::kGridRows; ++row) m_grid->Combo11[row]->addItems(partners);
    }

    const int thisYear = dao::Date::today().year;
    for (QComboBox* box : Combo12) box->clear();
    Combo12[0]->addItems({yearItem(thisYear - 1), yearItem(thisYear)});
    Combo13[0]->addItems({yearItem(thisYear), yearItem(thisYear + 1)});
    Combo3[0]->addItems({yearItem(thisYear), yearItem(thisYear + 1)});
    for (int m = 1; m <= 12; ++m) {
        Combo12[1]->addItem(monthItem(m));
        Combo13[1]->addItem(monthItem(m));
        Combo3[1]->addItem(monthItem(m));
    }
    const auto daysOf = [this](const char* field) {
        const auto d = SettingsRecordset->get(field).toDate();
        return d ? o::DaysInMonth(d->year, d->month) : 31;
    };
    addDays(Combo12[2], daysOf("会計期間開始日"));
    const int endDays = daysOf("会計期間終了日");
    addDays(Combo13[2], endDays);
    addDays(Combo3[2], endDays);

    for (int i = 0; i < 5; ++i) {
        Combo14[i]->clear();
        Combo15[i]->clear();
        Combo16[i]->clear();
    }
    for (int i = 0; i < 5; ++i)
        for (int y = thisYear; y <= thisYear + 4; ++y) Combo14[i]->addItem(yearItem(y));
    for (int i = 0; i < 5; ++i)
        for (int m = 1; m <= 12; ++m) Combo15[i]->addItem(monthItem(m));
    for (int i = 0; i < 5; ++i) addDays(Combo16[i], 31);
    Combo4->clear();
    for (int n = 1; n <= 9; ++n) Combo4->addItem(QString::number(n));

    // Filling a list must not choose an item for the box.
    for (QComboBox* box : findChildren<QComboBox*>())
        box->setEditText(QString());
}

// ---- loading the tabs ------------------------------------------------------------

void Form31::LoadSetupTabs()
{
    o::SetEditMode(o::EditModeOff);
    dao::Recordset& settings = *SettingsRecordset;

    for (std::size_t i = 0; i < Text11.size(); ++i) {
        Text11[i]->clear();
        Text11[i]->setText(toQ(settings.get(std::string(kCompanyFields[i])).toText()));
    }
    const dao::Value period = settings.get("会計年度");
    if (period.isNumeric() && period.toInt64() != 0)
        Text7[0]->setText(toQ(period.toText()));

    UpdateOpeningCash();

    showStoredDate(settings.get("会計期間開始日"), Combo12, Label4[0]);
    showStoredDate(settings.get("会計期間終了日"), Combo13, Label4[1]);
    showStoredDate(settings.get("決算報告日"), Combo3, Label4[14]);
    for (const SettingsDate date : {SettingsDate::PeriodStart, SettingsDate::PeriodEnd, SettingsDate::ReportDate})
        m_shownDates[static_cast<std::size_t>(date)] = settings.get(SettingsDateField(date)).toDate();

    for (QLineEdit* edit : Text5) edit->clear();
    m_option6Group->setExclusive(false);
    for (QRadioButton* option : Option6) option->setChecked(false);
    m_option6Group->setExclusive(true);
    Text3[0]->clear();
    Text3[10]->clear();

    const dao::Value industry = settings.get("業種");
    if (industry.isNumeric() && industry.toInt64() >= 0 && industry.toInt64() < kIndustryCount)
        Option3[static_cast<std::size_t>(industry.toInt64())]->setChecked(true);

    for (QLabel* l : Label6) l->clear();
    for (QLineEdit* edit : Text10) edit->clear();

    selectCode(settings.get("申告区分").toText(), Option1, kFilingCodes);
    selectCode(settings.get("処理方法").toText(), Option2, kTaxMethodCodes);
    Option4[settings.get("消費税計算").toBool() ? 0 : 1]->setChecked(true);
    selectCode(settings.get("端数処理").toText(), Option5, kFractionCodes);

    loadTaxRateRows();

    for (int n = 1; n <= 10; ++n) Combo6[0]->addItem(QString::number(n));
    const int thisYear = dao::Date::today().year;
    Combo6[2]->addItems({yearItem(thisYear - 1), yearItem(thisYear)});
    for (int m = 1; m <= 12; ++m) Combo6[3]->addItem(monthItem(m));
    addDays(Combo6[4], 31);

    Combo6[1]->clear();
    dao::Recordset& used = *UsedAccountsRecordset;
    if (!used.isEmpty())
        for (used.MoveFirst(); !used.EOF_(); used.MoveNext())
            if (used.get("小分類").toText() == "有形固定資産") {
                Combo6[1]->addItem(toQ(used.get("勘定科目名").toText()));
                Combo17[0]->addItem(toQ(used.get("勘定科目名").toText()));
            }
    Combo6[5]->clear();
    Combo6[5]->addItems({"定額法", "定率法", "一括償却"});
    Combo6[6]->clear();
    Combo6[7]->clear();
    for (int n = 1; n <= 20; ++n) {
        Combo6[6]->addItem(QString::number(n) + "年");
        Combo6[7]->addItem(QString::number(n) + ".00");
    }
    Combo6[8]->clear();
    for (int i = 1; i <= 3; ++i) Combo17[i]->clear();
    Combo17[1]->addItems({yearItem(thisYear - 1), yearItem(thisYear)});
    for (int m = 1; m <= 12; ++m) Combo17[2]->addItem(monthItem(m));
    addDays(Combo17[3], 31);
    ClearFixedAssetInput();
    ClearLeaseInput();

    ShowTemplateList();
    Option7_Click(BalanceColumn());
    ShowPartnerList();
    ShowFixedAssetList();
    ShowLeaseList();
    ShowBankAccountList();
}

// A stored date in its label (the era year) and its three boxes ("2024年",
// "04月", "01日"); an empty field leaves them as they are.
void Form31::showStoredDate(const dao::Value& value, std::array<QComboBox*, 3>& boxes, QLabel* label)
{
    const auto d = value.toDate();
    if (!d)
        return;
    label->setText(toQ(o::EraYearText(*d)));
    boxes[0]->setEditText(toQ(o::FormatDate(*d, "yyyy") + "年"));
    boxes[1]->setEditText(toQ(o::FormatDate(*d, "mm") + "月"));
    boxes[2]->setEditText(toQ(o::FormatDate(*d, "dd") + "日"));
}

// The first five rows of Q_消費税率 in its order, with the simplified rate of each.
void Form31::loadTaxRateRows()
{
    for (int i = 0; i < kTaxRateRows; ++i) {
        Combo14[i]->setEditText(QString());
        Combo15[i]->setEditText(QString());
        Combo16[i]->setEditText(QString());
        Text2[i]->clear();
        Text12[i]->clear();
    }
    dao::Recordset& rates = *TaxRateRecordset;
    m_shownTaxRates = ShownTaxRates(rates);
    if (rates.isEmpty())
        return;
    int row = 0;
    for (rates.MoveFirst(); !rates.EOF_() && row < kTaxRateRows; rates.MoveNext(), ++row) {
        const auto d = rates.get("日付").toDate();
        if (!d)
            continue;
        Combo14[row]->setEditText(toQ(o::FormatDate(*d, "yyyy") + "年"));
        Combo15[row]->setEditText(toQ(o::FormatDate(*d, "mm") + "月"));
        Combo16[row]->setEditText(toQ(o::FormatDate(*d, "dd") + "日"));
        Text2[row]->setText(toQ(rates.get("税率").toText()));
        Text12[row]->setText(toQ(rates.get("簡易税率").toText()));
    }
}

// ---- company fields and the period number ------------------------------------------

bool Form31::storeSetting(const std::string& field, const dao::Value& value)
{
    return storeSettings({{field, value}}, "「" + field + "」");
}

bool Form31::storeSettings(const std::vector<std::pair<std::string, dao::Value>>& fields, const std::string& what)
{
    dao::Recordset& settings = *SettingsRecordset;
    try {
        settings.Edit();
        for (const auto& [field, value] : fields)
            settings.set(field, value);
        settings.Update();
        return true;
    } catch (const std::exception& e) {
        if (settings.editMode() != dao::EditState::None)
            settings.CancelUpdate();
        reportFailure(what + "を保存できませんでした", e);
        return false;
    }
}

void Form31::Text11_LostFocus(int index)
{
    if (!o::EditModeIsOn() || index < 0 || index >= static_cast<int>(Text11.size()))
        return;
    const std::string text = fromQ(Text11[index]->text());
    if (index == kCorporateNumberField && !IsCorporateNumberText(text)) {
        ui::dialogs().messageBox(kCorporateNumberMessage, ui::Buttons::Ok, std::string(kCorporateNumberTitle));
        ui::dialogs().beep();
        Text11[index]->setFocus();
        return;
    }
    if (!storeSetting(std::string(kCompanyFields[index]), text))
        return;
    if (index == kCompanyNameField)
        Label1->setText(toQ(SettingsRecordset->get("事業所名").toText()));
}

void Form31::Text7_LostFocus(int index)
{
    if (!o::EditModeIsOn() || index != 0)
        return;
    const std::string text = fromQ(Text7[0]->text());
    if (text.empty())
        return;
    if (!IsPeriodNumberText(text)) {
        ui::dialogs().beep();
        Text7[0]->setFocus();
        return;
    }
    if (storeSetting("会計年度", std::stoi(text)))
        SetFormCaption("会計初期設定");
}

// ---- option buttons ------------------------------------------------------------------------

void Form31::Option1_Click(int index)
{
    if (o::EditModeIsOn()) storeSetting("申告区分", std::string(kFilingCodes.at(index)));
}

void Form31::Option2_Click(int index)
{
    if (o::EditModeIsOn()) storeSetting("処理方法", std::string(kTaxMethodCodes.at(index)));
}

void Form31::Option3_Click(int index)
{
    if (o::EditModeIsOn()) storeSetting("業種", index);
}

void Form31::Option4_Click(int index)
{
    if (o::EditModeIsOn()) storeSetting("消費税計算", index == 0);
}

void Form31::Option5_Click(int index)
{
    if (o::EditModeIsOn()) storeSetting("端数処理", std::string(kFractionCodes.at(index)));
}

// ---- the three dates ------------------------------------------------------------------------

std::array<QComboBox*, 3>& Form31::dateBoxes(SettingsDate date)
{
    switch (date) {
    case SettingsDate::PeriodStart: return Combo12;
    case SettingsDate::PeriodEnd: return Combo13;
    case SettingsDate::ReportDate: break;
    }
    return Combo3;
}

void Form31::Combo12_LostFocus(int index) { leaveDateBox(SettingsDate::PeriodStart, index); }
void Form31::Combo13_LostFocus(int index) { leaveDateBox(SettingsDate::PeriodEnd, index); }
void Form31::Combo3_LostFocus(int index) { leaveDateBox(SettingsDate::ReportDate, index); }

void Form31::leaveDateBox(SettingsDate date, int index)
{
    if (!o::EditModeIsOn() || index < 0 || index > 2)
        return;
    auto& boxes = dateBoxes(date);
    const char* field = SettingsDateField(date);
    const DateBoxTexts texts{fromQ(boxes[0]->currentText()), fromQ(boxes[1]->currentText()),
                             fromQ(boxes[2]->currentText())};
    // Compared with the date the boxes were filled with: another window or
    // program may have stored a different one since.
    std::optional<dao::Date>& shown = m_shownDates[static_cast<std::size_t>(date)];
    const DateBoxExit exit = LeaveDateBox(index, texts, shown);
    if (!exit.acts)
        return;
    if (exit.dayReset)
        boxes[2]->setEditText("1日");
    if (!exit.date) {
        ui::dialogs().beep();
        return;
    }
    if (date == SettingsDate::ReportDate) {
        if (storeSetting(field, *exit.date))
            showDateAfterEdit(date);
        return;
    }

    // The period's two dates are stored together, and only as a period that
    // can be one; a refused pair stays in the boxes, so that the user can go
    // on to the other date, and the file keeps the period it had.
    const SettingsDate other = date == SettingsDate::PeriodStart ? SettingsDate::PeriodEnd : SettingsDate::PeriodStart;
    auto& otherBoxes = dateBoxes(other);
    const PeriodEdit edit = PeriodAfterEdit(date, *exit.date,
                                            {fromQ(otherBoxes[0]->currentText()), fromQ(otherBoxes[1]->currentText()),
                                             fromQ(otherBoxes[2]->currentText())});
    if (edit.fault != o::FiscalPeriodFault::None) {
        refuse(o::FiscalPeriodFaultText(edit.fault, edit.start, edit.end) + "。この期間は保存していません。");
        return;
    }
    std::vector<std::pair<std::string, dao::Value>> fields{{field, *exit.date}};
    if (edit.other)
        fields.emplace_back(SettingsDateField(other), *edit.other);
    if (!storeSettings(fields, "会計期間"))
        return;
    showDateAfterEdit(date);
    if (edit.other)
        showDateAfterEdit(other);
}

// The day list of a stored date's month, its day box and its label.
void Form31::showDateAfterEdit(SettingsDate date)
{
    auto& boxes = dateBoxes(date);
    const auto stored = SettingsRecordset->get(SettingsDateField(date)).toDate();
    if (!stored)
        return;
    m_shownDates[static_cast<std::size_t>(date)] = stored;   // what the boxes show from now on
    boxes[2]->clear();
    addDays(boxes[2], o::DaysInMonth(stored->year, stored->month));
    boxes[2]->setEditText(toQ(o::FormatDate(*stored, "dd") + "日"));
    QLabel* label = date == SettingsDate::PeriodStart ? Label4[0] : date == SettingsDate::PeriodEnd ? Label4[1]
                                                                                                   : Label4[14];
    label->setText(toQ(DateLabelAfterEdit(date, *stored)));
}

// ---- opening cash ---------------------------------------------------------------------------

void Form31::UpdateOpeningCash()
{
    const auto figures = ComputeOpeningCash(*AccountMasterRecordset);
    if (!figures) {
        refuse(kOpeningCashOutOfRange);
        return;
    }
    dao::Recordset& settings = *SettingsRecordset;
    settings.Edit();
    try {
        settings.set("期首現金残高", figures->cash);
        settings.set("期首預金残高", figures->deposits);
        settings.Update();
    } catch (const std::exception& e) {
        settings.CancelUpdate();
        reportFailure("期首現金残高、期首預金残高を保存できませんでした", e);
        return;
    }
    showOpeningCash(*figures);
}

void Form31::showOpeningCash(const OpeningCash& figures)
{
    Text7[1]->setText(toQ(o::FormatNumber(figures.cash, "#,###,###,##0")));
    Text7[2]->setText(toQ(o::FormatNumber(figures.deposits, "#,###,###,##0")));
    Text7[3]->setText(toQ(o::FormatNumber(figures.total, "#,###,###,##0")));
}

}  // namespace setup
