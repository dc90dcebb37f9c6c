// Qt's own dialogs in Japanese: the file dialog shows its dates in the
// Japanese format and its column headings translated, whatever the language
// of the environment the program starts in.
#include "frame/JapaneseLocale.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemModel>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <langinfo.h>
#include <set>
#include <string>

TEST(JapaneseLocale, TheFileDialogShowsJapaneseDatesInAnEnglishEnvironment)
{
    ::setenv("LC_ALL", "C", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string chosen = frame::useJapaneseSystemLocale();
    // The C library is on a locale that exists and reads UTF-8 before the
    // application object is made, whether or not the Japanese one is installed.
    EXPECT_EQ(chosen, frame::LocaleIsInstalled("ja_JP.UTF-8") ? "ja_JP.UTF-8" : "C.UTF-8");
    EXPECT_EQ(std::string(nl_langinfo(CODESET)), "UTF-8");
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const bool translated = frame::installJapaneseTranslation(app);

    EXPECT_EQ(QLocale::system().language(), QLocale::Japanese);
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);

    QTemporaryDir dir;
    QFile file(dir.filePath("a.mdb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QFileSystemModel model;  // what the file dialog lists
    model.setRootPath(dir.path());
    QEventLoop wait;
    QTimer::singleShot(300, &wait, &QEventLoop::quit);
    wait.exec();
    const QString date = model.data(model.index(dir.filePath("a.mdb"), 3)).toString();
    EXPECT_TRUE(date.contains(QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} ")))) << date.toStdString();
    if (translated) {
        EXPECT_NE(model.headerData(3, Qt::Horizontal).toString().toStdString(), "Date Modified");
    }
}

namespace {

struct LocaleCase {
    const char* name;
    std::set<std::string> installed;
    const char* chosen;
};
void PrintTo(const LocaleCase& c, std::ostream* os)
{
    *os << c.name;
}

class CharacterLocaleChoice : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(CharacterLocaleChoice, TakesTheJapaneseLocaleWhenThereElseAUtf8OneThatIs)
{
    const LocaleCase& c = GetParam();
    EXPECT_EQ(frame::ChooseCharacterLocale([&](const std::string& name) { return c.installed.count(name) > 0; }),
              c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, CharacterLocaleChoice,
    ::testing::Values(LocaleCase{"JapaneseInstalled", {"C.UTF-8", "ja_JP.UTF-8", "en_US.UTF-8"}, "ja_JP.UTF-8"},
                      LocaleCase{"OnlyTheBuiltInUtf8", {"C.UTF-8"}, "C.UTF-8"},
                      LocaleCase{"OlderSpellingOfTheBuiltIn", {"C.utf8"}, "C.utf8"},
                      LocaleCase{"OnlyAnEnglishUtf8", {"en_US.UTF-8"}, "en_US.UTF-8"},
                      LocaleCase{"NoUtf8AtAll", {"C", "POSIX"}, ""}),
    [](const ::testing::TestParamInfo<LocaleCase>& c) { return std::string(c.param.name); });

TEST(LocaleIsInstalled, KnowsTheBuiltInLocaleAndRefusesAMadeUpOne)
{
    EXPECT_TRUE(frame::LocaleIsInstalled("C.UTF-8"));
    EXPECT_FALSE(frame::LocaleIsInstalled("xx_ZZ.UTF-8"));
}

}  // namespace
