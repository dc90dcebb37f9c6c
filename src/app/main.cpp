// Velmora: the program starts with the start window.
#include "closing/Form37.h"
#include "frame/Application.h"
#include "frame/Fonts.h"
#include "frame/Form1.h"
#include "frame/JapaneseLocale.h"
#include "frame/WindowRegistry.h"
#include "platform/printing/PrinterChoice.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/QtDialogs.h"
#include "registers/Form11.h"
#include "setup/Form31.h"
#include "statements/Form34.h"

#include <QApplication>
#include <QListWidget>

#include <memory>

int main(int argc, char** argv)
{
    // The standard dialogs (file choice, printer set-up) in Japanese.
    frame::useJapaneseSystemLocale();
    frame::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    frame::installJapaneseTranslation(app);

    frame::installFontSubstitutions();
    QApplication::setFont(frame::fixedPitchFont(9), "QListWidget");

    ui::setDialogs(std::make_unique<ui::QtDialogs>());
    printing::useSystemPrinting([](const std::string& message) { ui::dialogs().messageBox(message, ui::Buttons::Ok); });

    frame::registerFrameWindows();
    registerJournalWindows();
    registerBooksWindows();
    registerStatementsWindows();
    registerSetupWindows();
    registerRegistersWindows();
    registerClosingWindows();

    frame::Form1 start;
    start.show();
    return app.exec();
}
