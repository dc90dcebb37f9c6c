#include "closing/DatabaseCopy.h"

#include "platform/dao/WaitBudget.h"

#include <sqlite3.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace closing {

namespace {

constexpr const char* kScratchMark = ".tmp-";
constexpr std::size_t kScratchTailLength = 6;   // mkstemp's XXXXXX

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

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

bool isScratchName(const std::string& name, const std::string& targetName)
{
    const std::string prefix = targetName + kScratchMark;
    return name.size() == prefix.size() + kScratchTailLength && name.compare(0, prefix.size(), prefix) == 0;
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Errors of the backup that come from the source's side.
bool isReadingError(int resultCode)
{
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return true;
    default:
        return false;
    }
}

}  // namespace

CopyFailure::CopyFailure(std::string path, bool reading, std::string reason)
    : std::runtime_error(path + "：" + reason), m_path(std::move(path)), m_reading(reading), m_reason(std::move(reason))
{
}

std::string FileErrorReason(int systemError)
{
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return "ディスクの空きが足りません";
    case EACCES:
    case EPERM:
        return "書き込む権限がありません";
    case EROFS:
        return "読み取り専用の場所です";
    case EFBIG:
        return "ファイルが大きすぎます";
    case ENOENT:
    case ENOTDIR:
        return "フォルダが見つかりません";
    case EISDIR:
        return "同じ名前のフォルダがあります";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます";
    case EIO:
        return "ディスクの読み書きでエラーが起きました";
    default:
        return "ディスクの読み書きでエラーが起きました（エラー番号 " + std::to_string(systemError) + "）";
    }
}

std::string DatabaseErrorReason(int resultCode, int systemError)
{
    const int primary = resultCode & 0xff;
    const bool fromTheSystem = primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN || primary == SQLITE_FULL
                               || primary == SQLITE_READONLY || primary == SQLITE_PERM;
    if (fromTheSystem && systemError != 0)
        return FileErrorReason(systemError);
    switch (primary) {
    case SQLITE_FULL:
        return FileErrorReason(ENOSPC);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return FileErrorReason(EACCES);
    case SQLITE_CANTOPEN:
        return "ファイルを開けません";
    case SQLITE_IOERR:
        return FileErrorReason(EIO);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "ほかのプログラムが使用中です。しばらくしてからもう一度行ってください";
    case SQLITE_NOMEM:
        return "メモリが足りません";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return "期ファイルとして読めません（ファイルが壊れています）";
    default:
        return "データベースのエラーです（番号 " + std::to_string(resultCode) + "）";
    }
}

ScratchCopy::ScratchCopy(const std::string& folder, const std::string& targetName)
{
    const std::string pattern = (std::filesystem::path(folder) / (targetName + kScratchMark + "XXXXXX")).string();
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back('\0');
    m_fd = ::mkstemp(path.data());
    if (m_fd < 0)
        throw CopyFailure(folder, false, FileErrorReason(errno));
    m_path = path.data();
    // Held from the start, so that no other rollover takes it for a leftover.
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    if (::fchmod(m_fd, newFileMode()) != 0) {
        const int error = errno;
        ::unlink(m_path.c_str());
        ::close(m_fd);
        throw CopyFailure(folder, false, FileErrorReason(error));
    }
}

ScratchCopy::~ScratchCopy()
{
    if (!m_placed) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        std::filesystem::remove(m_path + "-journal", ignored);
    }
    ::close(m_fd);   // releases the hold
}

void ScratchCopy::moveInto(const std::string& targetPath)
{
    if (::fsync(m_fd) != 0)
        throw CopyFailure(targetPath, false, FileErrorReason(errno));
    if (::rename(m_path.c_str(), targetPath.c_str()) != 0)
        throw CopyFailure(targetPath, false, FileErrorReason(errno));
    m_placed = true;
    syncFolder(std::filesystem::path(targetPath).parent_path().string());
}

void RemoveLeftoverCopies(const std::string& folder, const std::string& targetName)
{
    std::error_code error;
    std::filesystem::directory_iterator it(std::filesystem::path(folder.empty() ? "." : folder), error);
    if (error)
        return;
    std::vector<std::filesystem::path> leftovers;
    for (const auto& entry : it) {
        std::error_code kindError;
        if (entry.is_regular_file(kindError) && !entry.is_symlink(kindError)
            && isScratchName(entry.path().filename().string(), targetName))
            leftovers.push_back(entry.path());
    }
    for (const auto& leftover : leftovers) {
        const int fd = ::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A copy that a rollover is still making is held; one that nothing
        // holds was cut off.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code ignored;
            std::filesystem::remove(leftover, ignored);
            std::filesystem::remove(leftover.string() + "-journal", ignored);
        }
        ::close(fd);
    }
}

void BackupDatabase(const std::string& sourcePath, const std::string& targetPath)
{
    BackupConnections c;
    int rc = sqlite3_open_v2(sourcePath.c_str(), &c.source, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK)
        throw CopyFailure(sourcePath, true, DatabaseErrorReason(rc, sqlite3_system_errno(c.source)));
    rc = sqlite3_open_v2(targetPath.c_str(), &c.target, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK)
        throw CopyFailure(targetPath, false, DatabaseErrorReason(rc, sqlite3_system_errno(c.target)));
    // Waits for another program's lock come out of the operation's budget, as
    // every wait of the database layer does.
    dao::WaitWithinBudget(c.source);
    dao::WaitWithinBudget(c.target);
    // The copy is a new file that nothing else opens until it is renamed, and
    // it is written to the disk then: no journal and no waiting for the disk
    // while it is written.
    sqlite3_exec(c.target, "PRAGMA journal_mode = OFF", nullptr, nullptr, nullptr);
    sqlite3_exec(c.target, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(c.target, "main", c.source, "main");
    if (!backup) {
        rc = sqlite3_errcode(c.target);
        throw CopyFailure(targetPath, false, DatabaseErrorReason(rc, sqlite3_system_errno(c.target)));
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped == SQLITE_DONE)
        return;
    if (isReadingError(stepped))
        throw CopyFailure(sourcePath, true, DatabaseErrorReason(stepped, sqlite3_system_errno(c.source)));
    throw CopyFailure(targetPath, false, DatabaseErrorReason(stepped, sqlite3_system_errno(c.target)));
}

}  // namespace closing
