#pragma once
// The start window: finds the period file chosen last through "QVDBPATH.txt"
// (or the database-file dialog), lists the period files of its folder with
// company name, period and dates, and opens the main menu on the chosen line.

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace frame {

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Loads at once: startDir is the current directory of the program.
    explicit Form1(const std::string& startDir, QWidget* parent = nullptr);
    Form1();  // starts in the current directory

    // The indices of the buttons, named from their captions.
    enum Command2Button : int { Menu = 0, Quit = 9 };                // "メニュー", "終了"
    enum Image2Button : int { PrinterSetup = 0, DatabaseFile = 1 };  // printer set-up, database file

    QListWidget* List1() const { return m_list1; }
    QLabel* Label1() const { return m_label1; }
    QPushButton* Command2(int index) const;
    QToolButton* Image2(int index) const;

    const std::array<std::string, 101>& FileList() const { return m_fileList; }
    std::int16_t ListedFileCount() const { return m_listedFileCount; }

    void Command2_Click(int index);
    void Image2_Click(int index);
    void ListDatabaseFiles();

private:
    void buildControls();
    void Form_Load(const std::string& startDir);
    void SetCaption(const std::string& text);
    void openStartDb(const std::string& path);

    std::array<std::string, 101> m_fileList;
    std::int16_t m_listedFileCount = 0;
    std::shared_ptr<dao::Workspace> m_startWorkspace;  // StartWorkspace
    std::shared_ptr<dao::Database> m_startDb;          // StartDb

    QLabel* m_label1 = nullptr;
    QListWidget* m_list1 = nullptr;
    std::map<int, QPushButton*> m_command2;
    std::map<int, QToolButton*> m_image2;
};

// Every open start window lists the period files of its folder again (a
// period file was made, as by the fiscal-year rollover).
void ListPeriodFilesAgain();

// Registers the main menu "Form2" with the window registry.
void registerFrameWindows();

}  // namespace frame
