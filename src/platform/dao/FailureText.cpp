#include "FailureText.h"

#include <optional>
#include <sqlite3.h>

#include <filesystem>

#include <unistd.h>

namespace dao {

namespace {

std::string fileText(const std::string& path)
{
    return "ファイル「" + path + "」";
}

std::string folderOf(const std::string& path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

bool writable(const std::string& path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

std::string sqliteText(sqlite3* db)
{
    return db ? sqlite3_errmsg(db) : "?";
}

// "ファイル「P」の仕訳台帳" or "ファイル「P」".
std::string target(const std::string& path, const std::string& table)
{
    return table.empty() ? fileText(path) : fileText(path) + "の「" + table + "」";
}

constexpr const char* kUnchanged = "（ファイルの内容は変わっていません）";

}  // namespace

std::optional<DaoError> missingFieldFailure(sqlite3* db, const std::string& path, const std::string& table)
{
    static const std::string noSuchColumn = "no such column: ";
    const std::string message = sqliteText(db);
    if (message.rfind(noSuchColumn, 0) != 0)
        return std::nullopt;
    return DaoError(DaoError::Code::NoSuchField, missingFieldText(path, table, message.substr(noSuchColumn.size())));
}

std::string placeText(const std::string& path, const std::string& table)
{
    return target(path, table);
}

std::string missingFieldText(const std::string& path, const std::string& table, const std::string& field)
{
    return (path.empty() ? "「" + table + "」" : placeText(path, table)) + "にフィールド「" + field
        + "」がありません（期ファイルが壊れているか、他のプログラムで変えられています）。";
}

std::string pathOf(sqlite3* db)
{
    const char* name = db ? sqlite3_db_filename(db, "main") : nullptr;
    return name ? name : "";
}

std::string userName(const std::string& object)
{
    if (object.size() > 2 && object[0] == 'Q' && object[1] == '_')
        return object.substr(2);
    return object;
}

std::string busyWritingText(const std::string& path)
{
    return fileText(path) + "は他のプログラムが使用中のため、書き込めませんでした" + kUnchanged
        + "。しばらく待ってから、もう一度やり直してください。";
}

std::string busyReadingText(const std::string& path)
{
    return fileText(path)
        + "は他のプログラムが使用中のため、読み込めませんでした。しばらく待ってから、もう一度やり直してください。";
}

DaoError writeFailure(sqlite3* db, int rc, const std::string& path, const std::string& table)
{
    const int primary = rc & 0xff;
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    // "ファイル「P」の「仕訳台帳」に書き込めませんでした", or for the whole
    // file (a commit) "ファイル「P」への変更を保存できませんでした".
    const std::string failed = table.empty() ? fileText(path) + "への変更を保存できませんでした"
                                             : target(path, table) + "に書き込めませんでした";
    // The same after the file was named: "「仕訳台帳」に書き込めませんでした".
    const std::string failedHere =
        table.empty() ? std::string("変更を保存できませんでした") : "「" + table + "」に書き込めませんでした";
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DaoError(DaoError::Code::Busy, busyWritingText(path));
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        // SQLite writes its journal beside the file: a folder the user may not
        // write to stops every write, although the file itself is writable.
        if (extended == SQLITE_READONLY_DIRECTORY || !writable(folderOf(path)))
            return DaoError(DaoError::Code::ReadOnly,
                            "フォルダ「" + folderOf(path) + "」に書き込む許可がないため、" + failed + kUnchanged
                                + "。フォルダの書き込み許可を確かめてください。");
        if (primary == SQLITE_READONLY || !writable(path))
            return DaoError(DaoError::Code::ReadOnly,
                            fileText(path) + "は読み取り専用のため、" + failedHere + kUnchanged
                                + "。ファイルの書き込み許可を確かめてください。");
        return DaoError(DaoError::Code::WriteFailed, failed + "（ファイルを開けません：" + sqliteText(db) + "）。");
    case SQLITE_FULL: return DaoError(DaoError::Code::DiskFull, "ディスクがいっぱいのため、" + failed + "。");
    case SQLITE_IOERR:
        return DaoError(DaoError::Code::WriteFailed, "ディスクの読み書きでエラーが起きたため、" + failed + "。");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DaoError(DaoError::Code::NotAPeriodFile, fileText(path) + "が壊れているため、" + failedHere + "。");
    case SQLITE_CONSTRAINT:
        if (extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY)
            return DaoError(DaoError::Code::WriteFailed, "同じコードの行がすでにあるため、" + failed + "。");
        return DaoError(DaoError::Code::WriteFailed,
                        failed + "（値が項目の条件に合いません：" + sqliteText(db) + "）。");
    default:
        if (auto missing = missingFieldFailure(db, path, table))
            return *missing;
        return DaoError(DaoError::Code::WriteFailed, failed + "（" + sqliteText(db) + "）。");
    }
}

DaoError readFailure(sqlite3* db, int rc, const std::string& path, const std::string& table)
{
    const std::string what = target(path, table);
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DaoError(DaoError::Code::Busy, busyReadingText(path));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DaoError(DaoError::Code::NotAPeriodFile,
                        fileText(path) + "が壊れているため、" + (table.empty() ? std::string() : "「" + table + "」を")
                            + "読み込めませんでした。");
    case SQLITE_FULL:
        return DaoError(DaoError::Code::DiskFull, "ディスクがいっぱいのため、" + what + "を読み込めませんでした。");
    case SQLITE_IOERR:
        return DaoError(DaoError::Code::General,
                        "ディスクの読み込みでエラーが起きたため、" + what + "を読み込めませんでした。");
    default:
        if (auto missing = missingFieldFailure(db, path, table))
            return *missing;
        return DaoError(DaoError::Code::General, what + "を読み込めませんでした（" + sqliteText(db) + "）。");
    }
}

}  // namespace dao
