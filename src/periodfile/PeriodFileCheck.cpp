#include "periodfile/PeriodFileCheck.h"

#include "periodfile/PeriodFileObjects.h"
#include "periodfile/Schema.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <set>

namespace periodfile {

namespace {

struct StatementCloser {
    void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementCloser>;

StatementPtr prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    return StatementPtr(raw);
}

// "table", "view" or "" for an object of the file.
std::string kindOf(sqlite3* db, std::string_view name) {
    StatementPtr st = prepare(db, "SELECT type FROM sqlite_master WHERE type IN ('table','view') AND name = ?1");
    if (!st) return {};
    sqlite3_bind_text(st.get(), 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st.get()) != SQLITE_ROW) return {};
    return reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0));
}

bool isRegisteredWritable(sqlite3* db, std::string_view view) {
    if (kindOf(db, "dao_updatable_views") != "table") return false;
    StatementPtr st = prepare(db, "SELECT base_table FROM dao_updatable_views WHERE view_name = ?1");
    if (!st) return false;
    sqlite3_bind_text(st.get(), 1, view.data(), static_cast<int>(view.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st.get()) != SQLITE_ROW || sqlite3_column_type(st.get(), 0) == SQLITE_NULL) return false;
    const std::string base = reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0));
    return kindOf(db, base) == "table";
}

void checkObject(sqlite3* db, const RequiredObject& object, std::vector<std::string>& problems) {
    const std::string name(object.name);
    const std::string kind = kindOf(db, object.name);
    const bool wantsTable = object.kind == ObjectKind::Table;
    if (kind.empty()) {
        problems.push_back((wantsTable ? "テーブル「" : "クエリ「") + name + "」がありません");
        return;
    }
    if (wantsTable && kind != "table") {
        problems.push_back("「" + name + "」はテーブルでなければなりません（クエリになっています）");
        return;
    }

    StatementPtr st = prepare(db, "SELECT * FROM " + quoted(object.name) + " LIMIT 0");
    if (!st) {
        problems.push_back("「" + name + "」を開けません：" + sqlite3_errmsg(db));
        return;
    }
    std::set<std::string> columns;
    for (int i = 0; i < sqlite3_column_count(st.get()); ++i) columns.insert(sqlite3_column_name(st.get(), i));
    for (std::string_view field : object.fields)
        if (!columns.count(std::string(field)))
            problems.push_back("「" + name + "」にフィールド「" + std::string(field) + "」がありません");

    if (object.kind == ObjectKind::WritableQuery && kind == "view") {
        if (!columns.count("dao_rowid"))
            problems.push_back("クエリ「" + name + "」に書き込み用の列「dao_rowid」がありません");
        if (!isRegisteredWritable(db, object.name))
            problems.push_back("クエリ「" + name + "」が書き込みできるクエリとして登録されていません（dao_updatable_views）");
    }
}

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

}  // namespace

std::vector<std::string> findProblems(sqlite3* db) {
    std::vector<std::string> problems;
    for (const RequiredObject& object : kRequiredObjects) checkObject(db, object, problems);
    return problems;
}

CheckResult checkPeriodFile(const std::string& path) {
    CheckResult result;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        result.openError = "ファイル「" + path + "」がありません";
        return result;
    }
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    if (rc != SQLITE_OK) {
        result.openError = "ファイル「" + path + "」を開けません：" + (raw ? sqlite3_errmsg(raw) : "");
        return result;
    }
    // Reading the schema is what tells an SQLite file from any other file.
    StatementPtr st = prepare(db.get(), "SELECT count(*) FROM sqlite_master");
    if (!st || sqlite3_step(st.get()) != SQLITE_ROW) {
        result.openError = "ファイル「" + path + "」は期ファイル（SQLite データベース）ではありません";
        return result;
    }
    st.reset();
    result.opened = true;
    result.problems = findProblems(db.get());
    return result;
}

}  // namespace periodfile
