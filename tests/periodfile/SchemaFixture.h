#pragma once
// A fresh period-file schema in memory, with small helpers to write rows and
// read a view's column back in the view's own order.

#include "periodfile/Schema.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

namespace periodfile::testing {

class SchemaFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        createSchema(db);
    }
    void TearDown() override { sqlite3_close(db); }

    // Runs statements; fails the test with SQLite's message on error.
    void exec(const std::string& sql)
    {
        char* error = nullptr;
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        ASSERT_EQ(rc, SQLITE_OK) << message << "\n" << sql;
    }

    // SQLite's result code of a statement (for statements expected to fail).
    int tryExec(const std::string& sql) { return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); }

    // Every row's first column as text ("<NULL>" for NULL).
    std::vector<std::string> column(const std::string& sql)
    {
        std::vector<std::string> values;
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db) << "\n"
                                                                                    << sql;
        while (st && sqlite3_step(st) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(st, 0);
            values.push_back(text ? reinterpret_cast<const char*>(text) : "<NULL>");
        }
        sqlite3_finalize(st);
        return values;
    }

    std::string single(const std::string& sql)
    {
        const std::vector<std::string> values = column(sql);
        return values.empty() ? "<no row>" : values.front();
    }

    sqlite3* db = nullptr;
};

}  // namespace periodfile::testing
