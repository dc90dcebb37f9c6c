// main() for tests that need a QApplication: windows, fonts, PDF output.
//
// Qt keeps per-user state in the XDG folders: a runtime folder it makes when
// none is set, and the file dialog's settings (QtProject.conf). A test run gets
// private ones in a temporary folder, removed when the run ends, so it leaves
// nothing behind in the temporary directory or in the user's home. A death
// test's child process runs main() again and keeps its parent's folders.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<QTemporaryDir> userFolders;
    if (qEnvironmentVariableIsEmpty("VELMORA_TEST_USER_FOLDERS")) {
        userFolders.emplace(QDir::tempPath() + "/velmora-test-user-XXXXXX");  // made with mode 0700
        if (userFolders->isValid()) {
            qputenv("VELMORA_TEST_USER_FOLDERS", QFile::encodeName(userFolders->path()));
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(userFolders->path()));
            for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
                qputenv(name, QFile::encodeName(userFolders->filePath(QString::fromLatin1(name).toLower())));
        }
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
