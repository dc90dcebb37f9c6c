#include "frame/JapaneseLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <locale.h>

namespace frame {

bool LocaleIsInstalled(const std::string& name)
{
    const locale_t probe = ::newlocale(LC_ALL_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (probe == static_cast<locale_t>(nullptr))
        return false;
    ::freelocale(probe);
    return true;
}

std::string ChooseCharacterLocale(const std::function<bool(const std::string&)>& installed)
{
    for (const char* name : {kJapaneseLocale, "C.UTF-8", "C.utf8", "en_US.UTF-8"})
        if (installed(name))
            return name;
    return {};
}

std::string useJapaneseSystemLocale()
{
    // Qt reads its system locale from these, whether or not the C library has it.
    qputenv("LC_ALL", kJapaneseLocale);
    qputenv("LANGUAGE", "ja");
    // The C library is set now: the application object's own setlocale(LC_ALL, "")
    // fails when the Japanese locale is missing and then leaves this one in force.
    const std::string chosen = ChooseCharacterLocale(LocaleIsInstalled);
    if (!chosen.empty())
        std::setlocale(LC_ALL, chosen.c_str());
    return chosen;
}

bool installJapaneseTranslation(QCoreApplication& app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    auto* translator = new QTranslator(&app);
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace frame
