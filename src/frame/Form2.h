#pragma once
// The main menu "会計総合メニュー": opens the period file, shows the company name
// and the period, and opens the work windows from its buttons.

#include "frame/WorkWindow.h"

#include <map>
#include <memory>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;

namespace frame {

class Form2 : public WorkWindow {
    Q_OBJECT
public:
    Form2();  // the load: throws dao::DaoError when the period file cannot be used

    // The indices of the buttons, named from the windows they open.
    enum Command2Button : int {
        JournalEntry = 0,   // "仕訳入力"
        Books = 1,          // "現金出納帳、取引銀行他"
        GeneralLedger = 2,  // "総勘定元帳"
        Closing = 3,        // "決算処理"
        Setup = 4,          // "導入初期設定"
        Rollover = 5,       // "年度更新"
        Quit = 9,           // "終了"
    };

    QLabel* Label3(int index) const;  // 0 company name, 2 period line
    QPushButton* Command2(int index) const;
    QGroupBox* Frame1() const { return m_frame1; }

    void Command2_Click(int index);
    void ShowMenuTitle(const std::string& title);

    // The window each button opens, and the caption of the button.
    static const char* windowOfButton(int index);

private:
    void buildControls();

    std::unique_ptr<dao::Recordset> SettingsRecordset;
    std::map<int, QLabel*> m_label3;
    std::map<int, QPushButton*> m_command2;
    QGroupBox* m_frame1 = nullptr;
};

// " 第12期　自2020年04月01日　至2021年03月31日"
std::string periodLine(const dao::Value& period, const dao::Value& firstDay, const dao::Value& lastDay);

}  // namespace frame
