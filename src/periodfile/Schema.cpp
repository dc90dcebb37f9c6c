#include "periodfile/Schema.h"

#include "periodfile/Sqlite.h"

#include <stdexcept>
#include <string>

namespace periodfile {

namespace {

std::string defaultOf(const ColumnDef& column)
{
    if (!column.defaultSql.empty())
        return std::string(column.defaultSql);
    if (column.type == "TEXT")
        return "''";
    if (column.type == "DATE" || column.type == "DATETIME")
        return {};
    return "0";
}

// The key column first: row ids that are never handed out twice.
std::string createTable(const TableDef& table)
{
    std::string sql =
        "CREATE TABLE " + quoted(table.name) + " (" + quoted(kRowIdColumn) + " INTEGER PRIMARY KEY AUTOINCREMENT";
    for (const ColumnDef& column : table.columns) {
        sql += ", " + quoted(column.name) + " " + std::string(column.type);
        if (const std::string value = defaultOf(column); !value.empty())
            sql += " DEFAULT " + value;
    }
    return sql + ")";
}

// "alias"."column", ... for every column of a base table.
std::string columnsOf(std::span<const ColumnDef> columns, std::string_view alias)
{
    std::string list;
    for (const ColumnDef& column : columns) {
        if (!list.empty())
            list += ", ";
        list += std::string(alias) + "." + quoted(column.name);
    }
    return list;
}

// The joined read-only names of a journal or template row: the debit account
// from the chart, the credit account from its credit-side copy, bank and branch
// names from the masters. Outer joins, so a row whose account, bank or branch is
// missing still shows (with NULL names); the keys are unique, so no row repeats.
constexpr std::string_view kJoinedNames =
    ", a.\"勘定科目名\", a.\"借貸区分\", a.\"大分類\", a.\"中分類\", a.\"小分類\", a.\"消費税\", a.\"簡易課税\""
    ", b.\"勘定科目名2\", b.\"大分類2\", b.\"中分類2\", b.\"小分類2\", b.\"消費税2\", b.\"簡易課税2\""
    ", k.\"銀行名\", s.\"支店名\"";

constexpr std::string_view kAccountJoin =
    " LEFT JOIN \"勘定科目コード表\" AS a ON a.\"勘定科目コード\" = t.\"勘定科目コード\"";
constexpr std::string_view kBankJoin = " LEFT JOIN \"銀行コードﾏｽﾀｰ\" AS k ON k.\"銀行コード\" = t.\"銀行コード\"";
constexpr std::string_view kBankAndBranchJoins =
    " LEFT JOIN \"銀行コードﾏｽﾀｰ\" AS k ON k.\"銀行コード\" = t.\"銀行コード\""
    " LEFT JOIN \"支店コードﾏｽﾀｰ\" AS s ON s.\"支店コード\" = t.\"支店コード\"";

constexpr std::string_view kEntryJoins =
    " LEFT JOIN \"勘定科目コード表\" AS a ON a.\"勘定科目コード\" = t.\"借方コード\""
    " LEFT JOIN \"勘定科目コード表2\" AS b ON b.\"勘定科目コード2\" = t.\"貸方コード\""
    " LEFT JOIN \"銀行コードﾏｽﾀｰ\" AS k ON k.\"銀行コード\" = t.\"銀行コード\""
    " LEFT JOIN \"支店コードﾏｽﾀｰ\" AS s ON s.\"支店コード\" = t.\"支店コード\"";

constexpr std::string_view kJournalOrder = "t.\"日付\", t.\"伝票番号\", t.\"追番\"";

// Templates: each template's rows together in 追番 order; templates by their
// display order (the first row's, empty last), then by id (creation time).
constexpr std::string_view kTemplateOrder =
    "(SELECT CASE WHEN COALESCE(f.\"表示順位\", '') = '' THEN 1 ELSE 0 END FROM \"仕訳定型台帳\" AS f"
    " WHERE f.\"仕訳ID\" IS t.\"仕訳ID\" ORDER BY f.\"追番\", f.rowid LIMIT 1),"
    " (SELECT f.\"表示順位\" FROM \"仕訳定型台帳\" AS f WHERE f.\"仕訳ID\" IS t.\"仕訳ID\""
    " ORDER BY f.\"追番\", f.rowid LIMIT 1),"
    " t.\"仕訳ID\", t.\"追番\"";

// A saved query: every column of its one base table (aliased t, written
// through), joined read-only columns, a filter and an order whose ties fall
// back to entry order.
struct ViewDef {
    std::string_view name;
    std::string_view base;
    std::span<const ColumnDef> columns;
    std::string_view joinedColumns;  // ", a.\"…\", …"
    std::string_view joins;
    std::string_view where;
    std::string_view orderBy;  // empty: entry order alone
};

std::string createView(const ViewDef& view)
{
    std::string sql = "CREATE VIEW " + quoted(view.name) + " AS SELECT t.rowid AS dao_rowid, "
        + columnsOf(view.columns, "t") + std::string(view.joinedColumns) + " FROM " + quoted(view.base) + " AS t"
        + std::string(view.joins);
    if (!view.where.empty())
        sql += " WHERE " + std::string(view.where);
    sql += " ORDER BY ";
    if (!view.orderBy.empty())
        sql += std::string(view.orderBy) + ", ";
    return sql + "t.rowid";
}

const std::vector<ViewDef>& savedQueries()
{
    static const std::vector<ViewDef> views = {
        // Chart of accounts.
        {"Q_勘定科目コード表", "勘定科目コード表", kChartColumns, "", "", "", "t.\"勘定科目コード\""},
        {"Q_使用勘定科目表", "勘定科目コード表", kChartColumns, "", "", "t.\"適用\" <> 0", "t.\"勘定科目コード\""},
        {"Q_勘定科目コード表2", "勘定科目コード表2", kChart2Columns, "", "", "", "t.\"勘定科目コード2\""},
        // The setup window opens the copy also by the name with a full-width digit.
        {"Q_勘定科目コード表２", "勘定科目コード表2", kChart2Columns, "", "", "", "t.\"勘定科目コード2\""},

        // Journal and the books kept from it.
        {"Q_仕訳台帳", "仕訳台帳", kJournalColumns, kJoinedNames, kEntryJoins, "", kJournalOrder},
        {"Q_決算仕訳台帳", "仕訳台帳", kJournalColumns, kJoinedNames, kEntryJoins, "t.\"決算仕訳\" <> 0",
         kJournalOrder},
        {"Q_現金出納帳", "仕訳台帳", kJournalColumns, kJoinedNames, kEntryJoins,
         "EXISTS (SELECT 1 FROM \"勘定科目コード表\" AS c WHERE c.\"勘定科目名\" = '現金'"
         " AND c.\"勘定科目コード\" IN (t.\"借方コード\", t.\"貸方コード\"))",
         kJournalOrder},
        {"Q_取引銀行仕訳", "仕訳台帳", kJournalColumns, kJoinedNames, kEntryJoins, "t.\"銀行コード\" <> ''",
         "t.\"銀行コード\", t.\"支店コード\", t.\"日付\", t.\"伝票番号\", t.\"追番\""},
        {"Q_仕訳変更履歴", "仕訳変更履歴", kChangeLogColumns, "", "", "", ""},

        // Templates.
        {"Q_仕訳定型台帳", "仕訳定型台帳", kTemplateColumns, kJoinedNames, kEntryJoins, "", kTemplateOrder},
        {"Q_決算仕訳定型台帳", "仕訳定型台帳", kTemplateColumns, kJoinedNames, kEntryJoins, "t.\"決算仕訳\" <> 0",
         kTemplateOrder},

        // Rates and eras.
        {"Q_消費税率", "消費税率", kTaxRateColumns, "", "", "", "t.\"日付\""},
        {"Q_年号コード", "年号コード", kEraColumns, "", "", "", "t.\"年号\""},

        // Partners, banks.
        {"Q_取引先管理", "取引先管理", kPartnerColumns, "", "", "", ""},
        {"Q_取引銀行", "取引銀行", kBankAccountColumns, ", k.\"銀行名\", s.\"支店名\"", kBankAndBranchJoins, "",
         "t.\"no\""},
        {"Q_銀行コードﾏｽﾀｰ", "銀行コードﾏｽﾀｰ", kBankMasterColumns, "", "", "", "t.\"銀行コード\""},
        {"Q_使用銀行", "銀行コードﾏｽﾀｰ", kBankMasterColumns, "", "", "t.\"使用銀行\" <> 0", "t.\"銀行コード\""},
        {"Q_支店コードﾏｽﾀｰ", "支店コードﾏｽﾀｰ", kBranchMasterColumns, ", k.\"銀行名\"", kBankJoin, "",
         "t.\"銀行コード\", t.\"支店コード\""},
        {"Q_使用銀行支店", "支店コードﾏｽﾀｰ", kBranchMasterColumns, ", k.\"銀行名\"", kBankJoin, "t.\"使用支店\" <> 0",
         "t.\"銀行コード\", t.\"支店コード\""},

        // Fixed assets and leases, with the account name.
        {"Q_固定資産台帳", "固定資産台帳", kFixedAssetColumns, ", a.\"勘定科目名\"", kAccountJoin, "", ""},
        {"Q_リース資産管理", "リース資産管理", kLeaseColumns,
         ", a.\"勘定科目名\""
         ", t.\"資産名称\" AS \"物件名称\""
         ", CAST(t.\"リース回数\" / 12 AS INTEGER) AS \"リース期間\""
         ", t.\"支払総額\" AS \"総額\""
         ", t.\"月リース料金\" AS \"リース料\""
         ", t.\"購入日\" AS \"開始日\"",
         kAccountJoin, "", ""},
    };
    return views;
}

std::vector<std::string> buildStatements()
{
    std::vector<std::string> sql;
    for (const TableDef& table : kBaseTables)
        sql.push_back(createTable(table));

    // Keys, and indexes for the joins and the usual orders.
    sql.push_back("CREATE UNIQUE INDEX \"勘定科目コード表_key\" ON \"勘定科目コード表\" (\"勘定科目コード\")");
    sql.push_back("CREATE UNIQUE INDEX \"勘定科目コード表2_key\" ON \"勘定科目コード表2\" (\"勘定科目コード2\")");
    sql.push_back("CREATE UNIQUE INDEX \"銀行コードﾏｽﾀｰ_key\" ON \"銀行コードﾏｽﾀｰ\" (\"銀行コード\")");
    sql.push_back("CREATE UNIQUE INDEX \"支店コードﾏｽﾀｰ_key\" ON \"支店コードﾏｽﾀｰ\" (\"支店コード\")");
    sql.push_back("CREATE INDEX \"仕訳台帳_order\" ON \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\")");
    sql.push_back("CREATE INDEX \"仕訳台帳_voucher\" ON \"仕訳台帳\" (\"伝票番号\")");
    sql.push_back("CREATE INDEX \"仕訳定型台帳_id\" ON \"仕訳定型台帳\" (\"仕訳ID\", \"追番\")");

    sql.push_back(std::string("CREATE TABLE ") + quoted(kUpdatableViewsTable)
                  + " (view_name TEXT PRIMARY KEY, base_table TEXT NOT NULL)");

    for (const ViewDef& view : savedQueries())
        sql.push_back(createView(view));

    // Every saved query writes through to its one base table.
    for (const ViewDef& view : savedQueries())
        sql.push_back("INSERT INTO " + quoted(kUpdatableViewsTable) + " (view_name, base_table) VALUES (" + "'"
                      + std::string(view.name) + "', '" + std::string(view.base) + "')");
    return sql;
}

}  // namespace

std::string quoted(std::string_view name)
{
    std::string q = "\"";
    for (char c : name) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + "\"";
}

std::vector<std::string> schemaStatements()
{
    return buildStatements();
}

const TableDef* findBaseTable(std::string_view name)
{
    for (const TableDef& table : kBaseTables)
        if (table.name == name)
            return &table;
    return nullptr;
}

void createSchema(sqlite3* db)
{
    sqlite::exec(db, "PRAGMA journal_mode = DELETE");
    sqlite::Transaction transaction(db);
    for (const std::string& statement : buildStatements())
        sqlite::exec(db, statement);
    transaction.commit();
}

}  // namespace periodfile
