// Splitting the period file's path into drive, folder and file name, and the
// current-file values derived from it.
#include "common/DatabasePath.h"
#include "common/o.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* path;
    const char* drive;
    const char* folder;
    const char* fileName;
    const char* dataFolder;
    const char* dbFileName;
};

TEST(SplitDatabasePath, SplitsDriveShareAndPosixPaths)
{
    const SplitCase cases[] = {
        {"C:\\会計\\甲商事第7期.mdb", "C:", "\\会計", "甲商事第7期.mdb", "C:\\会計", "甲商事第7期.mdb"},
        {"C:\\甲商事第7期.mdb", "C:", "", "甲商事第7期.mdb", "C:", "甲商事第7期.mdb"},
        {"D:\\a\\b\\c第1期.mdb", "D:", "\\a\\b", "c第1期.mdb", "D:\\a\\b", "c第1期.mdb"},
        {"\\\\srv\\share\\会計\\甲第2期.mdb", "\\\\srv\\share", "\\会計", "甲第2期.mdb", "\\\\srv\\share\\会計",
         "甲第2期.mdb"},
        {"\\\\srv\\share\\甲第2期.mdb", "\\\\srv\\share", "", "甲第2期.mdb", "\\\\srv\\share", "甲第2期.mdb"},
        {"/home/user/会計/甲商事第7期.mdb", "", "/home/user/会計", "甲商事第7期.mdb", "/home/user/会計",
         "甲商事第7期.mdb"},
        {"/甲第1期.mdb", "", "", "甲第1期.mdb", "", "甲第1期.mdb"},
        {"/data/sub.dir/x.mdb", "", "/data/sub.dir", "x.mdb", "/data/sub.dir", "x.mdb"},
    };
    for (const SplitCase& c : cases) {
        o::ResetGlobals();
        o::SplitDatabasePath(c.path);
        o::SetCurrentPathsFromSaved();
        EXPECT_EQ(o::SavedDbPath, c.path);
        EXPECT_EQ(o::PathDrive, c.drive) << c.path;
        EXPECT_EQ(o::PathFolder, c.folder) << c.path;
        EXPECT_EQ(o::PathFileName, c.fileName) << c.path;
        EXPECT_EQ(o::DataFolder, c.dataFolder) << c.path;
        EXPECT_EQ(o::DbFilePath, c.path) << c.path;
        EXPECT_EQ(o::DbFileName, c.dbFileName) << c.path;
        EXPECT_EQ(o::JoinPath(o::DataFolder, o::DbFileName), c.path) << c.path;
    }
}

TEST(SplitDatabasePath, AnEmptyPathChangesNothing)
{
    o::ResetGlobals();
    o::SplitDatabasePath("/data/甲第1期.mdb");
    o::SplitDatabasePath("");
    EXPECT_EQ(o::SavedDbPath, "/data/甲第1期.mdb");
    EXPECT_EQ(o::PathFolder, "/data");
    EXPECT_EQ(o::PathFileName, "甲第1期.mdb");
}

TEST(PathInDataFolder, JoinsWithTheSeparatorOfTheDataFolder)
{
    o::ResetGlobals();
    o::DataFolder = "/srv/会計";
    EXPECT_EQ(o::PathInDataFolder("甲第8期.mdb"), "/srv/会計/甲第8期.mdb");
    o::DataFolder = "C:\\会計";
    EXPECT_EQ(o::PathInDataFolder("甲第8期.mdb"), "C:\\会計\\甲第8期.mdb");
    o::ResetGlobals();
}

}  // namespace
