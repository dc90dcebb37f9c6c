#pragma once
// Splitting the path of a period file into drive (or network share), folder
// and file name, and joining a folder and a file name again.
//
// A path written with a drive letter ("C:\会計\甲商事第7期.mdb") or as a network
// share ("\\server\share\会計\甲商事第7期.mdb") is split on backslashes; any
// other path is a POSIX path, split on "/" with an empty drive.

#include <string>

namespace o {

struct PathParts {
    std::string drive;     // "C:", "\\server\share", or "" for a POSIX path
    std::string folder;    // "\会計" or "/home/user/会計": leading separator, none trailing
    std::string fileName;  // after the last separator
};

PathParts SplitPath(const std::string& path);

// The separator a path is written with: '\\' for a drive or share path, else '/'.
char PathSeparatorOf(const std::string& path);

// folder, its separator and the file name.
std::string JoinPath(const std::string& folder, const std::string& fileName);

// Stores path in SavedDbPath and its parts in PathDrive, PathFolder and
// PathFileName. An empty path changes nothing.
void SplitDatabasePath(const std::string& path);

// DataFolder = PathDrive + PathFolder; DbFilePath = SavedDbPath; DbFileName =
// the part of DbFilePath after DataFolder and its separator.
void SetCurrentPathsFromSaved();

}  // namespace o
