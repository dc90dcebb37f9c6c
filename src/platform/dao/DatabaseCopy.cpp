#include "DatabaseCopy.h"

#include "Connection.h"
#include "Engine.h"
#include "WaitBudget.h"

#include <sqlite3.h>

#include <cerrno>

namespace dao {

namespace {

// The source's connection of one copy, closed whatever happens.
struct SourceConnection {
    sqlite3* source = nullptr;
    ~SourceConnection() { sqlite3_close_v2(source); }
};

// Errors of the backup that come from the source's side.
bool isReadingError(int resultCode)
{
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return true;
    default: return false;
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
    case EDQUOT: return "ディスクの空きが足りません";
    case EACCES:
    case EPERM: return "書き込む権限がありません";
    case EROFS: return "読み取り専用の場所です";
    case EFBIG: return "ファイルが大きすぎます";
    case ENOENT:
    case ENOTDIR: return "フォルダが見つかりません";
    case EISDIR: return "同じ名前のフォルダがあります";
    case ENAMETOOLONG: return "ファイル名が長すぎます";
    case EIO: return "ディスクの読み書きでエラーが起きました";
    default: return "ディスクの読み書きでエラーが起きました（エラー番号 " + std::to_string(systemError) + "）";
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
    case SQLITE_FULL: return FileErrorReason(ENOSPC);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH: return FileErrorReason(EACCES);
    case SQLITE_CANTOPEN: return "ファイルを開けません";
    case SQLITE_IOERR: return FileErrorReason(EIO);
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "ほかのプログラムが使用中です。しばらくしてからもう一度行ってください";
    case SQLITE_NOMEM: return "メモリが足りません";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return "期ファイルとして読めません（ファイルが壊れています）";
    default: return "データベースのエラーです（番号 " + std::to_string(resultCode) + "）";
    }
}

void CopyDatabaseInto(sqlite3* target, const std::string& targetName, const std::string& sourcePath)
{
    if (DBEngine::instance().setupStepFails())
        throw CopyFailure(targetName, false, FileErrorReason(EIO));
    SourceConnection c;
    const int rc = sqlite3_open_v2(sourcePath.c_str(), &c.source, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK)
        throw CopyFailure(sourcePath, true, DatabaseErrorReason(rc, sqlite3_system_errno(c.source)));
    RefuseQuotedTextLiterals(c.source);
    // The source is read, not memory-mapped: a read error of a mapped page
    // would end the program instead of being refused with a message.
    // Waits for another program's lock come out of the operation's budget, as
    // every wait of the database layer does.
    WaitWithinBudget(c.source);
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", c.source, "main");
    if (!backup)
        throw CopyFailure(targetName, false, DatabaseErrorReason(sqlite3_errcode(target), 0));
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped == SQLITE_DONE)
        return;
    if (isReadingError(stepped))
        throw CopyFailure(sourcePath, true, DatabaseErrorReason(stepped, sqlite3_system_errno(c.source)));
    throw CopyFailure(targetName, false, DatabaseErrorReason(stepped, 0));
}

}  // namespace dao
