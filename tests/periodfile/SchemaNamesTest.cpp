// The names the code reads and writes the period file by: each table, saved
// query and column it names is in a new period file, and each table and column
// of a new file has its name among them.

#include "TempDir.h"
#include "support/CaseName.h"

#include "periodfile/PeriodFileCreator.h"
#include "periodfile/SchemaNames.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace periodfile::testing {
namespace {

// What a new period file holds, read from SQLite's own catalogue.
struct FileCatalogue {
    std::set<std::string> tables;  // base tables, without SQLite's and the database layer's own
    std::set<std::string> views;
    std::set<std::string> tableColumns;  // the columns of every base table, without the row-id column
    std::set<std::string> queryColumns;  // the columns of every saved query
};

std::vector<std::string> firstColumn(sqlite3* db, const std::string& sql, int column = 0)
{
    std::vector<std::string> values;
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db) << "\n" << sql;
    while (st != nullptr && sqlite3_step(st) == SQLITE_ROW)
        values.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, column)));
    sqlite3_finalize(st);
    return values;
}

FileCatalogue readCatalogue(const std::string& path)
{
    FileCatalogue catalogue;
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    for (const std::string& name : firstColumn(db, "SELECT name FROM sqlite_master WHERE type = 'table'"))
        if (name.rfind("sqlite_", 0) != 0 && name != "dao_updatable_views")
            catalogue.tables.insert(name);
    for (const std::string& name : firstColumn(db, "SELECT name FROM sqlite_master WHERE type = 'view'"))
        catalogue.views.insert(name);
    for (const std::string& table : catalogue.tables) {
        // PRAGMA table_info: cid, name, type, ...
        for (const std::string& column : firstColumn(db, "PRAGMA table_info(\"" + table + "\")", 1))
            if (column != "dao_rowid")
                catalogue.tableColumns.insert(column);
    }
    for (const std::string& view : catalogue.views)
        for (const std::string& column : firstColumn(db, "PRAGMA table_info(\"" + view + "\")", 1))
            catalogue.queryColumns.insert(column);
    sqlite3_close(db);
    return catalogue;
}

class SchemaNamesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        const std::string path = dir->file("名前確認第1期.mdb");
        createPeriodFile(path, NewPeriod{"名前確認", 1, "2024-04-01"});
        catalogue = new FileCatalogue(readCatalogue(path));
    }
    static void TearDownTestSuite()
    {
        delete catalogue;
        delete dir;  // removes the file
        catalogue = nullptr;
        dir = nullptr;
    }
    static TempDir* dir;
    static FileCatalogue* catalogue;
};

TempDir* SchemaNamesTest::dir = nullptr;
FileCatalogue* SchemaNamesTest::catalogue = nullptr;

struct NamesCase {
    const char* name;
    std::span<const char* const> names;
    std::set<std::string> FileCatalogue::*present;
};

void PrintTo(const NamesCase& c, std::ostream* os)
{
    *os << c.name;
}

class EachNameOfTheCode : public SchemaNamesTest, public ::testing::WithParamInterface<NamesCase> {};

TEST_P(EachNameOfTheCode, IsInANewPeriodFile)
{
    const NamesCase& c = GetParam();
    const std::set<std::string>& present = (*catalogue).*c.present;
    ASSERT_FALSE(present.empty());
    for (const char* name : c.names)
        EXPECT_TRUE(present.contains(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, EachNameOfTheCode,
                         ::testing::Values(NamesCase{"tables", schema::kTableNames, &FileCatalogue::tables},
                                           NamesCase{"saved queries", schema::kQueryNames, &FileCatalogue::views},
                                           NamesCase{"columns", schema::kColumnNames, &FileCatalogue::tableColumns},
                                           NamesCase{"query columns", schema::kQueryColumnNames,
                                                     &FileCatalogue::queryColumns}),
                         testsupport::kCaseName);

// The other way round: a table or column added to the file without a name in
// the code is found here.
TEST_F(SchemaNamesTest, EachTableAndColumnOfANewFileHasAName)
{
    const std::set<std::string> tables(std::begin(schema::kTableNames), std::end(schema::kTableNames));
    const std::set<std::string> views(std::begin(schema::kQueryNames), std::end(schema::kQueryNames));
    const std::set<std::string> columns(std::begin(schema::kColumnNames), std::end(schema::kColumnNames));
    EXPECT_EQ(catalogue->tables, tables);
    EXPECT_EQ(catalogue->views, views);
    EXPECT_EQ(catalogue->tableColumns, columns);
}

}  // namespace
}  // namespace periodfile::testing
