#pragma once
// The fiscal-year rollover window "年次更新": static text, the button
// "年度更新" that makes the next period's file from the current one, and "終了".

#include "frame/WorkWindow.h"

#include <map>
#include <memory>
#include <string>

class QLabel;
class QPushButton;

namespace closing {

class Form37 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form37();  // the load: throws dao::DaoError when the period file cannot be used

    QLabel* Label1(int index) const;
    QLabel* Label2(int index) const;
    QPushButton* Command1(int index) const;

    // The indices of Command1, named from their captions.
    enum Command1Button : int { StartRollover = 0, Quit = 1 };  // "年度更新", "終了"
    void Command1_Click(int index);

    // The rollover, after its question. Refused while another work window is
    // open, when the period number or the period cannot be rolled on, when the
    // next name cannot be made, is the current file's own or is taken by a
    // folder; asks before replacing an existing next file, and before carrying
    // openings that do not balance ("いいえ" the default of both). After a
    // completed rollover CompanyDb and SettingsRecordset are on the new file
    // (DbFilePath still names the closed period's), the button is spent, the
    // start window lists the period files again and the message names the new file.
    void RunRollover();

    std::unique_ptr<dao::Recordset> SettingsRecordset;  // 会計設定

private:
    void buildControls();
    bool refuseWhileOtherWindowsAreOpen();

    std::map<int, QLabel*> m_label1;
    std::map<int, QLabel*> m_label2;
    std::map<int, QPushButton*> m_command1;
};

// "「title」の画面が開いています。閉じてから年次更新を行ってください"
std::string OtherWindowOpenMessage(const std::string& title);

}  // namespace closing

// Registers "Form37" with the window registry and hands the closing window
// ("Form34") the maker of its closing-entry tab.
void registerClosingWindows();
