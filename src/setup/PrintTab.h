#pragma once
// The tab "帳票印刷" of the setup window: the boxes of the setup lists to
// print and the print run, in either edit mode.

#include "setup/SetupTab.h"

#include <QCheckBox>
#include <QPushButton>

#include <array>
#include <cstddef>

namespace setup {

class PrintTab : public SetupTab {
    Q_OBJECT
public:
    // The buttons Command1 of this tab, by caption (the others are the
    // template tab's).
    enum Command1Button : std::size_t { Print = 6 };

    PrintTab(SetupRecordsets& file, frame::CellExitGuard& cellExits);

    std::array<QCheckBox*, 10> Check1{};
    QCheckBox* Check4 = nullptr;  // 全て選択
    std::array<QPushButton*, 8> Command1{};

    void Check4_Click();
    void Command1_Click(Command1Button button);

    // The print boxes work in either edit mode.
    void setInputsUsable(bool) override {}

private:
    void printSetupLists();
};

}  // namespace setup
