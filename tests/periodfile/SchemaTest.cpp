// The schema itself: declared types reach the views' writable columns, new rows
// take the documented defaults, keys refuse duplicates, and a failed creation
// leaves nothing behind.

#include "SchemaFixture.h"
#include "support/CaseName.h"

#include "periodfile/PeriodFileCheck.h"

#include <set>

namespace periodfile::testing {
namespace {

using SchemaTest = SchemaFixture;

std::vector<std::pair<std::string, std::string>> viewRegistrations(sqlite3* db)
{
    std::vector<std::pair<std::string, std::string>> rows;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT view_name, base_table FROM dao_updatable_views", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        rows.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                          reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    return rows;
}

TEST_F(SchemaTest, FreshSchemaHasEverythingTheProgramNeeds)
{
    EXPECT_EQ(findProblems(db), std::vector<std::string>{});
}

// The database layer converts by declared type, so a view's column that writes
// through to its base table must show the base column's declared type.
TEST_F(SchemaTest, WritableViewColumnsKeepTheBaseTablesDeclaredTypes)
{
    for (const auto& [view, base] : viewRegistrations(db)) {
        const TableDef* table = findBaseTable(base);
        ASSERT_NE(table, nullptr) << view;
        sqlite3_stmt* st = nullptr;
        const std::string sql = "SELECT * FROM \"" + view + "\"";
        ASSERT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << view;
        std::set<std::string> seen;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            const std::string name = sqlite3_column_name(st, i);
            seen.insert(name);
            for (const ColumnDef& c : table->columns)
                if (c.name == name) {
                    const char* declared = sqlite3_column_decltype(st, i);
                    EXPECT_EQ(declared ? declared : "", c.type) << view << "." << name;
                }
        }
        sqlite3_finalize(st);
        EXPECT_TRUE(seen.count("dao_rowid")) << view;
    }
}

TEST_F(SchemaTest, JoinedBooleansKeepTheirDeclaredType)
{
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(db, "SELECT \"消費税\", \"消費税2\", \"勘定科目名2\" FROM \"Q_仕訳台帳\"", -1, &st, nullptr),
        SQLITE_OK);
    EXPECT_STREQ(sqlite3_column_decltype(st, 0), "BOOLEAN");
    EXPECT_STREQ(sqlite3_column_decltype(st, 1), "BOOLEAN");
    EXPECT_STREQ(sqlite3_column_decltype(st, 2), "TEXT");
    sqlite3_finalize(st);
}

struct DefaultCase {
    const char* name;
    const char* insert;  // a row with only the columns it names
    const char* query;   // the value read back
    const char* expected;
};

void PrintTo(const DefaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class SchemaDefaults : public SchemaFixture, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(SchemaDefaults, NewRowTakesTheDefault)
{
    exec(GetParam().insert);
    EXPECT_EQ(single(GetParam().query), GetParam().expected) << GetParam().query;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SchemaDefaults,
    ::testing::Values(
        DefaultCase{"JournalClosingMark",
                    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番) VALUES ('2024-04-01', '240401090000', 1)",
                    "SELECT 決算仕訳 FROM Q_仕訳台帳", "0"},
        DefaultCase{"JournalAmounts",
                    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番) VALUES ('2024-04-01', '240401090000', 1)",
                    "SELECT 入金 + 出金 FROM Q_仕訳台帳", "0"},
        DefaultCase{"JournalBankCode", "INSERT INTO 仕訳台帳 (日付) VALUES ('2024-04-01')",
                    "SELECT 銀行コード FROM Q_仕訳台帳", ""},
        DefaultCase{"TemplateClosingMarkAndOrder", "INSERT INTO 仕訳定型台帳 (仕訳ID, 追番) VALUES ('240401090000', 1)",
                    "SELECT 決算仕訳 || '/' || 表示順位 FROM Q_仕訳定型台帳", "0/1"},
        DefaultCase{"SettingsTaxOptions", "INSERT INTO 会計設定 (事業所名) VALUES ('テスト')",
                    "SELECT 金額単位 || 申告区分 || 処理方法 || 端数処理 || 業種 || 消費税計算 FROM 会計設定",
                    "円31100"},
        DefaultCase{"SettingsPeriodStart", "INSERT INTO 会計設定 (事業所名) VALUES ('テスト')",
                    "SELECT 会計期間開始日 IS NULL FROM 会計設定", "1"},
        DefaultCase{"ChartBalances", "INSERT INTO 勘定科目コード表 (勘定科目コード, 勘定科目名) VALUES ('100', '現金')",
                    "SELECT 適用 + 期首残高 + 前5決算残高 + 期末残高 + 標準使用 FROM Q_勘定科目コード表", "0"},
        DefaultCase{"BankAccountBalances", "INSERT INTO 取引銀行 (銀行コード) VALUES ('0001')",
                    "SELECT 期首残高 + 現残高 + 期末残高 FROM Q_取引銀行", "0"}),
    testsupport::kCaseName);

TEST_F(SchemaTest, KeysRefuseASecondRowWithTheSameCode)
{
    exec("INSERT INTO 勘定科目コード表 (勘定科目コード, 勘定科目名) VALUES ('100', '現金')");
    EXPECT_EQ(tryExec("INSERT INTO 勘定科目コード表 (勘定科目コード, 勘定科目名) VALUES ('100', '小口現金')"),
              SQLITE_CONSTRAINT);
    exec("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名) VALUES ('0001', 'みずほ')");
    EXPECT_EQ(tryExec("INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名) VALUES ('0001', '別')"), SQLITE_CONSTRAINT);
    exec("INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名) VALUES ('0001', '0001001', '本店')");
    EXPECT_EQ(tryExec("INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名) VALUES ('0001', '0001001', '別')"),
              SQLITE_CONSTRAINT);
}

TEST_F(SchemaTest, TheFullWidthNameOpensTheSameCopyOfTheChart)
{
    exec("INSERT INTO 勘定科目コード表2 (勘定科目コード2, 勘定科目名2) VALUES ('201', '買掛金'), ('100', '現金')");
    EXPECT_EQ(column("SELECT 勘定科目名2 FROM \"Q_勘定科目コード表２\""),
              column("SELECT 勘定科目名2 FROM \"Q_勘定科目コード表2\""));
    EXPECT_EQ(column("SELECT 勘定科目名2 FROM \"Q_勘定科目コード表２\""), (std::vector<std::string>{"現金", "買掛金"}));
}

// A row id is never handed out twice, by whichever program writes: after the
// row added last is deleted, the next row added gets a new id, in every table.
TEST_F(SchemaTest, EveryTableNeverHandsOutARowIdTwice)
{
    for (const TableDef& table : kBaseTables) {
        const std::string name = quoted(table.name);
        // Distinct values in the first two columns, which hold the keys.
        std::string columns = quoted(table.columns[0].name);
        if (table.columns.size() > 1)
            columns += ", " + quoted(table.columns[1].name);
        auto add = [&](const std::string& value) {
            exec("INSERT INTO " + name + " (" + columns + ") VALUES ('" + value + "'"
                 + (table.columns.size() > 1 ? ", '" + value + "')" : ")"));
        };
        add("r1");
        add("r2");
        const std::string last = single("SELECT max(rowid) FROM " + name);
        exec("DELETE FROM " + name + " WHERE rowid = " + last);
        add("r3");
        EXPECT_GT(std::stoll(single("SELECT max(rowid) FROM " + name)), std::stoll(last)) << table.name;
        EXPECT_EQ(single("SELECT count(*) FROM " + name + " WHERE dao_rowid <> rowid"), "0") << table.name;
    }
}

TEST(SchemaCreation, FailureLeavesNoTableBehind)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    // An object in the way of one of the saved queries makes creation fail midway.
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE \"Q_消費税率\" (x)", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(createSchema(db), std::runtime_error);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &st, nullptr);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), 1);  // only the table that was there
    sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace
}  // namespace periodfile::testing
