#pragma once
// The tab "会社基本情報" of the setup window: the company fields, the period
// number and the three dates of the settings row 会計設定, each stored when
// its box is left while edit mode is on.

#include "setup/SettingsDates.h"
#include "setup/SetupTab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <optional>

namespace setup {

class CompanyTab : public SetupTab {
    Q_OBJECT
public:
    CompanyTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);

    std::array<QLineEdit*, 13> Text11{};
    std::array<QLabel*, 13> Label14{};
    std::array<QLineEdit*, 4> Text7{};    // 0 the period number (1..3 are the opening cash's)
    std::array<QComboBox*, 3> Combo12{};  // period start: year, month, day
    std::array<QComboBox*, 3> Combo13{};  // period end
    std::array<QComboBox*, 3> Combo3{};   // report date
    std::array<QLabel*, 15> Label4{};     // 0 start, 1 end, 14 report date

    // The year, month and day lists of the three dates.
    void FillChoices();
    // The fields and dates as the settings row holds them.
    void Load();

    void Text11_LostFocus(int index);
    void Text7_LostFocus(int index);
    void Combo12_LostFocus(int index);
    void Combo13_LostFocus(int index);
    void Combo3_LostFocus(int index);

    void setInputsUsable(bool usable) override;

signals:
    // 事業所名 was stored.
    void companyNameStored();
    // 会計年度 was stored.
    void periodNumberStored();

protected:
    void controlLeft(QObject* control) override;
    bool comboSelectsOnEntry(const QComboBox* combo) const override;

private:
    void leaveDateBox(SettingsDate date, int index);
    std::array<QComboBox*, 3>& dateBoxes(SettingsDate date);
    void showStoredDate(const dao::Value& value, std::array<QComboBox*, 3>& boxes, QLabel* label);
    void showDateAfterEdit(SettingsDate date);

    // The three dates as the boxes last showed them (loaded or stored by this window).
    std::array<std::optional<dao::Date>, 3> m_shownDates;
};

}  // namespace setup
