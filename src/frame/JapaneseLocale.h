#pragma once
// Qt's own dialogs (the file dialog, the printer set-up, the message boxes'
// standard parts) in Japanese, whatever the system's language: their dates,
// numbers and paper sizes in the Japanese formats, their texts translated.

class QCoreApplication;

namespace frame {

// Before the application object is made: the system locale Qt reads at start
// (the file dialog's dates come from it) is Japanese.
void useJapaneseSystemLocale();

// After: Japanese is the default locale, and Qt's own texts are translated
// when the translation is installed. Returns false when it is not.
bool installJapaneseTranslation(QCoreApplication& app);

}  // namespace frame
