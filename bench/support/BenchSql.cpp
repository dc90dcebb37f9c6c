#include "BenchSql.h"

#include <cstdio>
#include <cstdlib>

namespace bench {

void exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error ? error : "SQLite error");
        std::exit(1);
    }
}

std::vector<std::string> accountCodes(sqlite3* db)
{
    std::vector<std::string> codes;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT \"勘定科目コード\" FROM \"勘定科目コード表\" WHERE \"適用\" <> 0 ORDER BY 1", -1,
                       &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        codes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return codes;
}

}  // namespace bench
