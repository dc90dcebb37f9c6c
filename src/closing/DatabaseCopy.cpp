#include "closing/DatabaseCopy.h"

#include "platform/dao/DaoError.h"
#include "platform/dao/FailureText.h"
#include "platform/dao/WaitBudget.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace closing {

namespace {

[[noreturn]] void fail(const std::string& message)
{
    throw dao::DaoError(dao::DaoError::Code::WriteFailed, message);
}

// The open connections of one copy, closed whatever happens.
struct BackupConnections {
    sqlite3* source = nullptr;
    sqlite3* target = nullptr;
    ~BackupConnections()
    {
        sqlite3_close_v2(target);
        sqlite3_close_v2(source);
    }
};

}  // namespace

std::string CreateTemporaryFile(const std::string& folder, const std::string& stem, const std::string& likeFile)
{
    const std::string pattern = (std::filesystem::path(folder) / (stem + ".tmp-XXXXXX")).string();
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back('\0');
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        fail("フォルダ「" + folder + "」に一時ファイルを作れません：" + std::strerror(errno));
    struct stat info {};
    if (::stat(likeFile.c_str(), &info) == 0)
        ::fchmod(fd, info.st_mode & 0777);
    ::close(fd);
    return path.data();
}

void BackupDatabase(const std::string& sourcePath, const std::string& targetPath)
{
    BackupConnections c;
    if (sqlite3_open_v2(sourcePath.c_str(), &c.source, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        fail("「" + sourcePath + "」を開けません：" + sqlite3_errmsg(c.source));
    if (sqlite3_open_v2(targetPath.c_str(), &c.target, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        fail("「" + targetPath + "」を開けません：" + sqlite3_errmsg(c.target));
    // Waits for another program's lock come out of the operation's budget.
    dao::WaitWithinBudget(c.source);
    dao::WaitWithinBudget(c.target);
    // The copy is a new file that nothing else opens until it is renamed, and
    // SyncFile writes it to the disk then: no journal and no waiting for the
    // disk while it is written.
    sqlite3_exec(c.target, "PRAGMA journal_mode = OFF", nullptr, nullptr, nullptr);
    sqlite3_exec(c.target, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(c.target, "main", c.source, "main");
    if (!backup)
        fail("「" + sourcePath + "」を写せません：" + sqlite3_errmsg(c.target));
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped == SQLITE_BUSY || stepped == SQLITE_LOCKED)
        throw dao::DaoError(dao::DaoError::Code::Busy, dao::busyReadingText(sourcePath));
    if (stepped != SQLITE_DONE)
        fail("「" + sourcePath + "」を写せません：" + sqlite3_errstr(stepped));
    if (sqlite3_errcode(c.target) != SQLITE_OK)
        fail("「" + targetPath + "」に写せません：" + sqlite3_errmsg(c.target));
}

void SyncFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        fail("「" + path + "」を開けません：" + std::strerror(errno));
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0)
        fail("「" + path + "」を書き込めません：" + std::strerror(error));
}

void MoveIntoPlace(const std::string& from, const std::string& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail("「" + to + "」を作れません：" + std::strerror(errno));
    const std::string folder = std::filesystem::path(to).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void RemoveFileQuietly(const std::string& path)
{
    if (path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::filesystem::remove(path + "-journal", ignored);
}

}  // namespace closing
