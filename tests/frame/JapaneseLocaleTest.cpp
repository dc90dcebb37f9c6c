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

TEST(JapaneseLocale, TheFileDialogShowsJapaneseDatesInAnEnglishEnvironment)
{
    ::setenv("LC_ALL", "C", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    frame::useJapaneseSystemLocale();
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
    QFileSystemModel model;   // what the file dialog lists
    model.setRootPath(dir.path());
    QEventLoop wait;
    QTimer::singleShot(300, &wait, &QEventLoop::quit);
    wait.exec();
    const QString date = model.data(model.index(dir.filePath("a.mdb"), 3)).toString();
    EXPECT_TRUE(date.contains(QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} "))))
        << date.toStdString();
    if (translated) {
        EXPECT_NE(model.headerData(3, Qt::Horizontal).toString().toStdString(), "Date Modified");
    }
}
