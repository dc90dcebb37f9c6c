#pragma once
// The tab "取引先管理" of the setup window: the business partners' list, the
// boxes a chosen partner is loaded into, and the buttons that register,
// update and delete partners.

#include "setup/SetupTab.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <cstddef>

namespace setup {

class PartnerTab : public SetupTab {
    Q_OBJECT
public:
    // The buttons Command3, by caption.
    enum Command3Button : std::size_t { ClearInput = 0, Register = 1, Update = 2, Delete = 3 };

    PartnerTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);

    QListWidget* List4 = nullptr;
    std::array<QLineEdit*, 6> Text10{};  // 取引先, 取引内容, 住所, 代表者名, 電話番号, メールアドレス
    std::array<QComboBox*, 4> Combo10{};  // (0 unused), 締日, 締後支払日, ランク
    std::array<QPushButton*, 4> Command3{};

    // The choice lists of the day, payment and rank boxes.
    void FillChoices();
    // The boxes emptied and the list shown from the partners' recordset.
    void Load();
    // The partners' recordset opened again and listed.
    void refreshPartners();
    void ShowPartnerList();

    void Command3_Click(Command3Button button);
    void List4_Click();

    void setInputsUsable(bool usable) override;

private:
    void clearBoxes();
};

}  // namespace setup
