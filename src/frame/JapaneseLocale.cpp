#include "frame/JapaneseLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace frame {

void useJapaneseSystemLocale()
{
    qputenv("LC_ALL", "ja_JP.UTF-8");
    qputenv("LANGUAGE", "ja");
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
