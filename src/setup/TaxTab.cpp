#include "setup/TaxTab.h"
#include "periodfile/SchemaNames.h"

#include "common/DateFormat.h"
#include "common/EditMode.h"
#include "frame/WorkWindow.h"
#include "platform/ui/Dialogs.h"
#include "setup/CompanySettings.h"
#include "setup/SetupControls.h"
#include "setup/TaxRateRows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <algorithm>

namespace setup {

using frame::fromQ;
using frame::toQ;
using namespace controls;

namespace {

void selectCode(const std::string& stored, auto& options, const auto& codes)
{
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (stored == codes[i]) {
            options[i]->setChecked(true);
            return;
        }
}

}  // namespace

TaxTab::TaxTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : SetupTab(file, cellExits)
{
    auto* layout = new QHBoxLayout(this);
    auto* options = new QVBoxLayout;

    const auto group = [this, options](const char* title, auto& array, const char* name,
                                       std::initializer_list<const char*> captions, auto click) {
        auto* box = new QGroupBox(title);
        auto* inner = new QVBoxLayout(box);
        int i = 0;
        for (const char* caption : captions) {
            array[i] = new QRadioButton(caption, box);
            array[i]->setObjectName(indexed(name, i));
            inner->addWidget(array[i]);
            const int index = i;
            // A click stores the setting, also on the button already selected.
            connect(array[i], &QRadioButton::clicked, this, [this, index, click] { (this->*click)(index); });
            ++i;
        }
        options->addWidget(box);
    };
    group("申告区分", Option1, "Option1", {"免税", "簡易課税", "原則課税"}, &TaxTab::Option1_Click);
    group("消費税処理方法", Option2, "Option2", {"外税", "内税", "別途入力", "税計算なし"}, &TaxTab::Option2_Click);
    group("消費税計算", Option4, "Option4", {"自動計算（消費税仕訳の上の行の金額を対象に計算）", "手計算"},
          &TaxTab::Option4_Click);
    group("消費税計算端数処理", Option5, "Option5",
          {"切捨て（小数点以下を切り捨て）", "四捨五入（小数点以下を四捨五入）", "切り上げ（小数点以下を切り上げ）"},
          &TaxTab::Option5_Click);
    options->addStretch();
    layout->addLayout(options);

    auto* rates = new QGroupBox("消費税率");
    auto* grid = new QGridLayout(rates);
    grid->addWidget(label("実施年月日"), 0, 0, 1, 3, Qt::AlignCenter);
    grid->addWidget(label("税率"), 0, 3, Qt::AlignCenter);
    grid->addWidget(label("簡易税率"), 0, 4, Qt::AlignCenter);
    for (int i = 0; i < 5; ++i) {
        Combo14[i] = comboBox(indexed("Combo14", i));
        Combo15[i] = comboBox(indexed("Combo15", i));
        Combo16[i] = comboBox(indexed("Combo16", i));
        Combo14[i]->setMinimumWidth(84);
        Combo15[i]->setMinimumWidth(60);
        Combo16[i]->setMinimumWidth(60);
        Text2[i] = textBox(indexed("Text2", i));
        Text12[i] = textBox(indexed("Text12", i));
        Text2[i]->setMaximumWidth(60);
        Text12[i]->setMaximumWidth(60);
        for (QWidget* w : std::initializer_list<QWidget*>{Combo14[i], Combo15[i], Combo16[i], Text2[i], Text12[i]})
            watchFocus(w);
        grid->addWidget(Combo14[i], i + 1, 0);
        grid->addWidget(Combo15[i], i + 1, 1);
        grid->addWidget(Combo16[i], i + 1, 2);
        grid->addWidget(Text2[i], i + 1, 3);
        grid->addWidget(Text12[i], i + 1, 4);
    }
    grid->addWidget(label("修正、追加した内容で再作成します"), 6, 0, 1, 5);
    Command4[UpdateRateTable] = button("消費税率表の更新", "Command4(3)");
    connect(Command4[UpdateRateTable], &QPushButton::clicked, this, [this] { Command4_Click(UpdateRateTable); });
    grid->addWidget(Command4[UpdateRateTable], 7, 0, 1, 5, Qt::AlignLeft);
    auto* right = new QVBoxLayout;
    right->addWidget(rates);
    right->addStretch();
    layout->addLayout(right);
    layout->addStretch();
}

void TaxTab::setInputsUsable(bool usable)
{
    for (int i = 0; i < 5; ++i)
        for (QWidget* w : std::initializer_list<QWidget*>{Combo14[i], Combo15[i], Combo16[i], Text2[i], Text12[i]})
            setUsable(w, usable);
    for (QRadioButton* option : Option1)
        setUsable(option, usable);
    for (QRadioButton* option : Option2)
        setUsable(option, usable);
    for (QRadioButton* option : Option4)
        setUsable(option, usable);
    for (QRadioButton* option : Option5)
        setUsable(option, usable);
}

// The year box of a rate row selects its text; its month and day boxes do not.
bool TaxTab::comboSelectsOnEntry(const QComboBox* combo) const
{
    return o::EditModeIsOn() && std::find(Combo14.begin(), Combo14.end(), combo) != Combo14.end();
}

// ---- choice lists and loading -----------------------------------------------------------

void TaxTab::FillChoices()
{
    const int thisYear = dao::Date::today().year;
    for (int i = 0; i < 5; ++i) {
        Combo14[i]->clear();
        Combo15[i]->clear();
        Combo16[i]->clear();
    }
    for (int i = 0; i < 5; ++i)
        for (int y = thisYear; y <= thisYear + 4; ++y)
            Combo14[i]->addItem(yearItem(y));
    for (int i = 0; i < 5; ++i)
        for (int m = 1; m <= 12; ++m)
            Combo15[i]->addItem(monthItem(m));
    for (int i = 0; i < 5; ++i)
        addDays(Combo16[i], 31);
}

void TaxTab::Load()
{
    dao::Recordset& settings = *m_file.SettingsRecordset;
    selectCode(settings.get(schema::column::TaxFiling).toText(), Option1, kFilingCodes);
    selectCode(settings.get(schema::column::TaxHandling).toText(), Option2, kTaxMethodCodes);
    Option4[settings.get(schema::column::TaxCalculation).toBool() ? 0 : 1]->setChecked(true);
    selectCode(settings.get(schema::column::Rounding).toText(), Option5, kFractionCodes);
    loadTaxRateRows();
}

// The first five rows of Q_消費税率 in its order, with the simplified rate of each.
void TaxTab::loadTaxRateRows()
{
    for (int i = 0; i < kTaxRateRows; ++i) {
        Combo14[i]->setEditText(QString());
        Combo15[i]->setEditText(QString());
        Combo16[i]->setEditText(QString());
        Text2[i]->clear();
        Text12[i]->clear();
    }
    dao::Recordset& rates = *m_file.TaxRateRecordset;
    m_shownTaxRates = ShownTaxRates(rates);
    if (rates.isEmpty())
        return;
    int row = 0;
    for (rates.MoveFirst(); !rates.EOF_() && row < kTaxRateRows; rates.MoveNext(), ++row) {
        const auto d = rates.get(schema::column::Date).toDate();
        if (!d)
            continue;
        Combo14[row]->setEditText(toQ(o::FormatDate(*d, "yyyy") + "年"));
        Combo15[row]->setEditText(toQ(o::FormatDate(*d, "mm") + "月"));
        Combo16[row]->setEditText(toQ(o::FormatDate(*d, "dd") + "日"));
        Text2[row]->setText(toQ(rates.get(schema::column::TaxRate).toText()));
        Text12[row]->setText(toQ(rates.get(schema::column::SimplifiedTaxRate).toText()));
    }
}

// ---- option buttons: each click stores its setting while edit mode is on ------------------

void TaxTab::Option1_Click(int index)
{
    if (o::EditModeIsOn())
        storeSetting(schema::column::TaxFiling, std::string(kFilingCodes.at(index)));
}

void TaxTab::Option2_Click(int index)
{
    if (o::EditModeIsOn())
        storeSetting(schema::column::TaxHandling, std::string(kTaxMethodCodes.at(index)));
}

void TaxTab::Option4_Click(int index)
{
    if (o::EditModeIsOn())
        storeSetting(schema::column::TaxCalculation, index == 0);
}

void TaxTab::Option5_Click(int index)
{
    if (o::EditModeIsOn())
        storeSetting(schema::column::Rounding, std::string(kFractionCodes.at(index)));
}

// ---- the rate table ---------------------------------------------------------------------------

void TaxTab::Command4_Click(Command4Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    if (!o::EditModeIsOn()) {
        ui::dialogs().beep();
        return;
    }
    if (button == UpdateRateTable)
        updateTaxRateTable();
}

void TaxTab::updateTaxRateTable()
{
    std::array<TaxRateRowTexts, kTaxRateRows> rows;
    for (int i = 0; i < kTaxRateRows; ++i)
        rows[i] = {fromQ(Combo14[i]->currentText()), fromQ(Combo15[i]->currentText()), fromQ(Combo16[i]->currentText()),
                   fromQ(Text2[i]->text()), fromQ(Text12[i]->text())};
    const auto checked = CheckTaxRateRows(rows);
    if (const auto* message = std::get_if<std::string>(&checked)) {
        refuse(*message);
        return;
    }
    try {
        if (const auto refusal = ReplaceTaxRateTable(*m_file.workspace, *m_file.database, m_shownTaxRates,
                                                     std::get<std::vector<TaxRateRow>>(checked))) {
            refuse(*refusal);
            if (*refusal == kTaxRatesChangedElsewhere) {
                m_file.reopen(m_file.TaxRateRecordset, "Q_消費税率");
                loadTaxRateRows();
            }
            return;
        }
    } catch (const std::exception& e) {
        reportFailure("消費税率表を更新できませんでした。消費税率表は元のままです", e);
        return;
    }
    m_file.reopen(m_file.TaxRateRecordset, "Q_消費税率");
    loadTaxRateRows();
}

}  // namespace setup
