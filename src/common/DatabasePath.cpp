#include "common/DatabasePath.h"

#include "common/o.h"

namespace o {

namespace {

bool isDriveLetterPath(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':')
        return false;
    const char c = path[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isSharePath(const std::string& path)
{
    return path.rfind("\\\\", 0) == 0;
}

}  // namespace

char PathSeparatorOf(const std::string& path)
{
    return (isDriveLetterPath(path) || isSharePath(path)) ? '\\' : '/';
}

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    const char separator = PathSeparatorOf(path);

    // Length of the drive part.
    std::size_t k = 0;
    if (isSharePath(path)) {
        // Everything before the fourth backslash: two backslashes, server, backslash, share.
        int seen = 0;
        k = path.size();
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (path[i] == '\\' && ++seen == 4) {
                k = i;
                break;
            }
        }
    } else if (isDriveLetterPath(path)) {
        k = 2;
    }
    parts.drive = path.substr(0, k);

    // Last separator after the drive part (index into path), or none.
    std::size_t last = std::string::npos;
    if (path.size() > k) {
        const std::size_t found = path.find_last_of(separator);
        if (found != std::string::npos && found >= k)
            last = found;
    }
    if (last == std::string::npos) {
        parts.fileName = path.substr(k);
        return parts;
    }
    parts.fileName = path.substr(last + 1);
    parts.folder = path.substr(k, last - k);  // leading separator kept, trailing one dropped
    return parts;
}

std::string JoinPath(const std::string& folder, const std::string& fileName)
{
    return folder + PathSeparatorOf(folder) + fileName;
}

void SplitDatabasePath(const std::string& path)
{
    if (path.empty())
        return;
    SavedDbPath = path;
    const PathParts parts = SplitPath(path);
    PathDrive = parts.drive;
    PathFolder = parts.folder;
    PathFileName = parts.fileName;
}

void SetCurrentPathsFromSaved()
{
    DbFilePath = SavedDbPath;
    DataFolder = PathDrive + PathFolder;
    // The part after the data folder and its separator.
    const std::size_t start = DataFolder.size() + 1;
    if (DbFilePath.size() > start && DbFilePath.compare(0, DataFolder.size(), DataFolder) == 0
        && DbFilePath[DataFolder.size()] == PathSeparatorOf(DbFilePath))
        DbFileName = DbFilePath.substr(start);
    else
        DbFileName = PathFileName;
}

}  // namespace o
