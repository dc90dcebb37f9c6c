#include "periodfile/PeriodFileCheck.h"

#include "periodfile/PeriodFileObjects.h"
#include "periodfile/Schema.h"
#include "periodfile/Sqlite.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <set>

namespace periodfile {

namespace {

// "table", "view" or "" for an object of the file.
std::string kindOf(sqlite3* db, std::string_view name)
{
    sqlite::Statement st(db, "SELECT type FROM sqlite_master WHERE type IN ('table','view') AND name = ?1");
    st.bind(1, std::string(name));
    return st.step() ? st.text(0) : std::string();
}

bool isRegisteredWritable(sqlite3* db, std::string_view view)
{
    if (kindOf(db, "dao_updatable_views") != "table")
        return false;
    sqlite::Statement st(db, "SELECT base_table FROM dao_updatable_views WHERE view_name = ?1");
    st.bind(1, std::string(view));
    if (!st.step() || sqlite3_column_type(st.get(), 0) == SQLITE_NULL)
        return false;
    return kindOf(db, st.text(0)) == "table";
}

void checkObject(sqlite3* db, const RequiredObject& object, std::vector<std::string>& problems)
{
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

    std::set<std::string> columns;
    try {
        sqlite::Statement st(db, "SELECT * FROM " + quoted(object.name) + " LIMIT 0");
        for (int i = 0; i < sqlite3_column_count(st.get()); ++i)
            columns.insert(sqlite3_column_name(st.get(), i));
    } catch (const std::runtime_error&) {
        problems.push_back("「" + name + "」を開けません：" + sqlite3_errmsg(db));
        return;
    }
    for (std::string_view field : object.fields)
        if (!columns.count(std::string(field)))
            problems.push_back("「" + name + "」にフィールド「" + std::string(field) + "」がありません");

    if (object.kind == ObjectKind::WritableQuery && kind == "view") {
        if (!columns.count("dao_rowid"))
            problems.push_back("クエリ「" + name + "」に書き込み用の列「dao_rowid」がありません");
        if (!isRegisteredWritable(db, object.name))
            problems.push_back("クエリ「" + name
                               + "」が書き込みできるクエリとして登録されていません（dao_updatable_views）");
    }
}

}  // namespace

std::vector<std::string> findProblems(sqlite3* db)
{
    std::vector<std::string> problems;
    for (const RequiredObject& object : kRequiredObjects)
        checkObject(db, object, problems);
    return problems;
}

CheckResult checkPeriodFile(const std::string& path)
{
    CheckResult result;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        result.openError = "ファイル「" + path + "」がありません";
        return result;
    }
    std::unique_ptr<sqlite::Connection> db;
    try {
        db = std::make_unique<sqlite::Connection>(path, SQLITE_OPEN_READONLY);
    } catch (const std::runtime_error& e) {
        result.openError = "ファイル「" + path + "」を開けません：" + e.what();
        return result;
    }
    // Reading the schema is what tells an SQLite file from any other file.
    try {
        sqlite::Statement(db->get(), "SELECT count(*) FROM sqlite_master").step();
    } catch (const std::runtime_error&) {
        result.openError = "ファイル「" + path + "」は期ファイル（SQLite データベース）ではありません";
        return result;
    }
    result.opened = true;
    result.problems = findProblems(db->get());
    return result;
}

}  // namespace periodfile
