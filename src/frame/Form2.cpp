#include "frame/Form2.h"

#include "common/DateFormat.h"
#include "common/FormCaption.h"
#include "frame/Fonts.h"
#include "frame/WindowRegistry.h"
#include "periodfile/SchemaNames.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSizePolicy>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace frame {

namespace {

struct MenuButton {
    int index;
    const char* caption;
    const char* window;
};

constexpr MenuButton kButtons[] = {
    {Form2::JournalEntry, "仕訳入力", "Form9"},
    {Form2::Books, "現金出納帳、取引銀行他", "Form14"},
    {Form2::GeneralLedger, "総勘定元帳", "Form33"},
    {Form2::Closing, "決算処理", "Form34"},
    {Form2::Setup, "導入初期設定", "Form31"},
    {Form2::Rollover, "年度更新", "Form37"},
    {Form2::Quit, "終了", nullptr},
};

}  // namespace

std::string periodLine(const dao::Value& period, const dao::Value& firstDay, const dao::Value& lastDay)
{
    return " 第" + period.toText() + "期　自" + o::FormatDate(firstDay, o::kLabelDate) + "　至"
        + o::FormatDate(lastDay, o::kLabelDate);
}

const char* Form2::windowOfButton(int index)
{
    for (const MenuButton& b : kButtons)
        if (b.index == index)
            return b.window;
    return nullptr;
}

Form2::Form2()
{
    buildControls();
    openPeriodFile();
    SettingsRecordset = openRecordset(schema::table::Settings, dao::RecordsetType::Dynaset);
    requireSettingsRow(*SettingsRecordset);
    ShowMenuTitle("会計総合メニュー");
}

void Form2::buildControls()
{
    m_label3[0] = new QLabel(this);
    m_label3[0]->setFont(proportionalFont(20.25));
    m_label3[2] = new QLabel(this);
    m_label3[2]->setFont(proportionalFont(15.75));
    for (auto& [index, label] : m_label3)
        label->setObjectName(QString("Label3_%1").arg(index));

    for (const MenuButton& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString("Command2_%1").arg(b.index));
        button->setMinimumHeight(40);
        connect(button, &QPushButton::clicked, this, [this, index = b.index] { Command2_Click(index); });
        m_command2[b.index] = button;
    }

    m_frame1 = new QGroupBox(QString::fromUtf8("日常処理"), this);
    auto* daily = new QVBoxLayout(m_frame1);
    for (int i : {JournalEntry, Books, GeneralLedger})
        daily->addWidget(m_command2[i]);

    auto* others = new QVBoxLayout;
    for (int i : {Closing, Setup, Rollover})
        others->addWidget(m_command2[i]);
    others->addStretch();
    others->addWidget(m_command2[Quit]);

    // The buttons keep one size, that of the widest caption; the layout does
    // not stretch them with the window.
    int widest = 0;
    for (const auto& [index, button] : m_command2)
        widest = std::max(widest, button->sizeHint().width());
    for (const auto& [index, button] : m_command2) {
        button->setMinimumWidth(widest);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_frame1);
    buttons->addLayout(others);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label3[0]);
    layout->addWidget(m_label3[2]);
    layout->addLayout(buttons);
}

QLabel* Form2::Label3(int index) const
{
    const auto it = m_label3.find(index);
    return it == m_label3.end() ? nullptr : it->second;
}

QPushButton* Form2::Command2(int index) const
{
    const auto it = m_command2.find(index);
    return it == m_command2.end() ? nullptr : it->second;
}

void Form2::ShowMenuTitle(const std::string& title)
{
    dao::Recordset& settings = *SettingsRecordset;
    const dao::Value company = settings.get(schema::column::CompanyName);
    SetCaption(o::FormCaption(company, settings.get(schema::column::PeriodNumber), title));
    m_label3[0]->setText(toQ(company.isEmptyText() ? title : company.toText()));
    m_label3[2]->setText(
        toQ(periodLine(settings.get(schema::column::PeriodNumber), settings.get(schema::column::PeriodStart),
                       settings.get(schema::column::PeriodEnd))));
}

void Form2::Command2_Click(int index)
{
    if (index == Quit) {
        close();
        return;
    }
    const char* window = windowOfButton(index);
    if (window == nullptr)
        return;
    WindowRegistry::instance().show(window, fromQ(m_command2[index]->text()));
}

}  // namespace frame
