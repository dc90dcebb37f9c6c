#pragma once
// Qt's own dialogs (the file dialog, the printer set-up, the message boxes'
// standard parts) in Japanese, whatever the system's language: their dates,
// numbers and paper sizes in the Japanese formats, their texts translated.
// The C library (which window titles of the older kind and text conversion go
// through) takes the Japanese locale when it is installed and a UTF-8 locale
// that exists otherwise: a locale that is not there would leave it in "C",
// where Japanese text comes out garbled.

#include <functional>
#include <string>

class QCoreApplication;

namespace frame {

inline constexpr const char* kJapaneseLocale = "ja_JP.UTF-8";

// Whether the C library has the named locale.
bool LocaleIsInstalled(const std::string& name);

// The locale for the C library: the Japanese one when `installed` says so,
// else the first UTF-8 locale of "C.UTF-8", "C.utf8", "en_US.UTF-8" that is
// installed; empty when none is.
std::string ChooseCharacterLocale(const std::function<bool(const std::string&)>& installed);

// Before the application object is made: the system locale Qt reads at start
// (the file dialog's dates come from it) is Japanese, and the C library is set
// to the locale ChooseCharacterLocale picks. Returns that locale's name.
std::string useJapaneseSystemLocale();

// After: Japanese is the default locale, and Qt's own texts are translated
// when the translation is installed. Returns false when it is not.
bool installJapaneseTranslation(QCoreApplication& app);

}  // namespace frame
