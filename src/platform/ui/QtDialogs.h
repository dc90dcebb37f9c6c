#pragma once
// The dialogs the program shows: QMessageBox, the beep, QFileDialog, QPrintDialog
// and key injection. Installed at start with ui::setDialogs().

#include "platform/ui/Dialogs.h"

#include <QStringList>

namespace ui {

class QtDialogs : public Dialogs {
public:
    Answer messageBox(const std::string& text, Buttons buttons,
                      const std::optional<std::string>& title = std::nullopt) override;
    void beep() override;
    FileOpenResult openFile(const FileOpenRequest& request) override;
    bool printerSetup(QPrinter& printer) override;
    void sendKeys(const std::string& keys) override;
};

// The caption of a message box without a title of its own.
inline constexpr const char* kProductTitle = "Velmora";

// "desc|pattern|desc|pattern" → Qt name filters, one a filter. Each keeps its
// description as shown and matches its pattern (";"-separated patterns; "*.*"
// matches every file); the pattern is appended in parentheses for Qt to read and
// hidden from view by QFileDialog::HideNameFilterDetails.
QStringList toQtNameFilters(const std::string& filter);

}  // namespace ui
