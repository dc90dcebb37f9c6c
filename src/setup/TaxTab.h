#pragma once
// The tab "消費税設定" of the setup window: the consumption-tax options of the
// settings row, each stored when clicked while edit mode is on, and the rate
// table Q_消費税率, replaced as a whole by its button.

#include "setup/SetupTab.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace setup {

class TaxTab : public SetupTab {
    Q_OBJECT
public:
    // The buttons Command4 of this tab, by caption (0 and 2 are the industry
    // buttons of the tab "期首残高設定").
    enum Command4Button : std::size_t { UpdateRateTable = 3 };

    TaxTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);

    std::array<QRadioButton*, 3> Option1{};  // 申告区分
    std::array<QRadioButton*, 4> Option2{};  // 消費税処理方法
    std::array<QRadioButton*, 2> Option4{};  // 消費税計算
    std::array<QRadioButton*, 3> Option5{};  // 消費税計算端数処理
    std::array<QComboBox*, 5> Combo14{};     // rate rows: year, month, day of 実施年月日
    std::array<QComboBox*, 5> Combo15{};
    std::array<QComboBox*, 5> Combo16{};
    std::array<QLineEdit*, 5> Text2{};   // 税率
    std::array<QLineEdit*, 5> Text12{};  // 簡易税率
    std::array<QPushButton*, 4> Command4{};

    // The year, month and day lists of the rate rows.
    void FillChoices();
    // The options as the settings row holds them and the rate rows.
    void Load();

    void Option1_Click(int index);
    void Option2_Click(int index);
    void Option4_Click(int index);
    void Option5_Click(int index);
    void Command4_Click(Command4Button button);

    void setInputsUsable(bool usable) override;

protected:
    bool comboSelectsOnEntry(const QComboBox* combo) const override;

private:
    void loadTaxRateRows();
    void updateTaxRateTable();

    std::vector<std::string> m_shownTaxRates;  // the rate table as its rows were loaded
};

}  // namespace setup
