#include "periodfile/Schema.h"

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace periodfile {

namespace {

std::string quoted(std::string_view name) {
    std::string q = "\"";
    for (char c : name) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

std::string defaultOf(const ColumnDef& column) {
    if (!column.defaultSql.empty()) return std::string(column.defaultSql);
    if (column.type == "TEXT") return "''";
    if (column.type == "DATE" || column.type == "DATETIME") return {};
    return "0";
}

std::string createTable(const TableDef& table) {
    std::string sql = "CREATE TABLE " + quoted(table.name) + " (";
    bool first = true;
    for (const ColumnDef& column : table.columns) {
        if (!first) sql += ", ";
        first = false;
        sql += quoted(column.name) + " " + std::string(column.type);
        if (const std::string value = defaultOf(column); !value.empty()) sql += " DEFAULT " + value;
    }
    return sql + ")";
}

// "alias"."column", ... for every column of a base table.
std::string columnsOf(std::span<const ColumnDef> columns, std::string_view alias) {
    std::string list;
    for (const ColumnDef& column : columns) {
        if (!list.empty()) list += ", ";
        list += std::string(alias) + "." + quoted(column.name);
    }
    return list;
}


std::string simpleView(std::string_view view, std::string_view table, std::span<const ColumnDef> columns,
                       std::string_view where, std::string_view orderBy) {
    std::string sql = "CREATE VIEW " + quoted(view) + " AS SELECT t.rowid AS dao_rowid, " + columnsOf(columns, "t")
                      + " FROM " + quoted(table) + " AS t";
    if (!where.empty()) sql += " WHERE " + std::string(where);
    return sql + " ORDER BY " + std::string(orderBy) + ", t.rowid";
}

// The joined read-only names of a journal or template row: the debit account
// from the chart, the credit account from its credit-side copy, bank and branch
// names from the masters. Outer joins, so a row whose account, bank or branch is
// missing still shows (with NULL names); the keys are unique, so no row repeats.
constexpr std::string_view kJoinedNames =
    ", a.\"勘定科目名\", a.\"借貸区分\", a.\"大分類\", a.\"中分類\", a.\"小分類\", a.\"消費税\", a.\"簡易課税\""
    ", b.\"勘定科目名2\", b.\"大分類2\", b.\"中分類2\", b.\"小分類2\", b.\"消費税2\", b.\"簡易課税2\""
    ", k.\"銀行名\", s.\"支店名\"";

constexpr std::string_view kJoins =
    " LEFT JOIN \"勘定科目コード表\" AS a ON a.\"勘定科目コード\" = t.\"借方コード\""
    " LEFT JOIN \"勘定科目コード表2\" AS b ON b.\"勘定科目コード2\" = t.\"貸方コード\""
    " LEFT JOIN \"銀行コードﾏｽﾀｰ\" AS k ON k.\"銀行コード\" = t.\"銀行コード\""
    " LEFT JOIN \"支店コードﾏｽﾀｰ\" AS s ON s.\"支店コード\" = t.\"支店コード\"";

std::string journalView(std::string_view view, std::string_view where, std::string_view orderBy) {
    std::string sql = "CREATE VIEW " + quoted(view) + " AS SELECT t.rowid AS dao_rowid, "
                      + columnsOf(kJournalColumns, "t") + std::string(kJoinedNames) + " FROM \"仕訳台帳\" AS t"
                      + std::string(kJoins);
    if (!where.empty()) sql += " WHERE " + std::string(where);
    return sql + " ORDER BY " + std::string(orderBy) + ", t.rowid";
}

// Templates: each template's rows together in 追番 order; templates by their
// display order (the first row's, empty last), then by id (creation time).
std::string templateView(std::string_view view, std::string_view where) {
    std::string sql = "CREATE VIEW " + quoted(view) + " AS SELECT t.rowid AS dao_rowid, "
                      + columnsOf(kTemplateColumns, "t") + std::string(kJoinedNames) + " FROM \"仕訳定型台帳\" AS t"
                      + std::string(kJoins);
    if (!where.empty()) sql += " WHERE " + std::string(where);
    return sql
           + " ORDER BY (SELECT CASE WHEN COALESCE(f.\"表示順位\", '') = '' THEN 1 ELSE 0 END FROM \"仕訳定型台帳\" AS f"
             " WHERE f.\"仕訳ID\" IS t.\"仕訳ID\" ORDER BY f.\"追番\", f.rowid LIMIT 1),"
             " (SELECT f.\"表示順位\" FROM \"仕訳定型台帳\" AS f WHERE f.\"仕訳ID\" IS t.\"仕訳ID\""
             " ORDER BY f.\"追番\", f.rowid LIMIT 1),"
             " t.\"仕訳ID\", t.\"追番\", t.rowid";
}

std::vector<std::string> buildStatements() {
    std::vector<std::string> sql;
    for (const TableDef& table : kBaseTables) sql.push_back(createTable(table));

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

    // Chart of accounts.
    sql.push_back(simpleView("Q_勘定科目コード表", "勘定科目コード表", kChartColumns, "", "t.\"勘定科目コード\""));
    sql.push_back(simpleView("Q_使用勘定科目表", "勘定科目コード表", kChartColumns, "t.\"適用\" <> 0",
                             "t.\"勘定科目コード\""));
    sql.push_back(simpleView("Q_勘定科目コード表2", "勘定科目コード表2", kChart2Columns, "", "t.\"勘定科目コード2\""));
    // The setup window opens the copy also by the name with a full-width digit.
    sql.push_back(simpleView("Q_勘定科目コード表２", "勘定科目コード表2", kChart2Columns, "", "t.\"勘定科目コード2\""));

    // Journal and the books kept from it.
    constexpr std::string_view kJournalOrder = "t.\"日付\", t.\"伝票番号\", t.\"追番\"";
    sql.push_back(journalView("Q_仕訳台帳", "", kJournalOrder));
    sql.push_back(journalView("Q_決算仕訳台帳", "t.\"決算仕訳\" <> 0", kJournalOrder));
    sql.push_back(journalView("Q_現金出納帳",
                              "EXISTS (SELECT 1 FROM \"勘定科目コード表\" AS c WHERE c.\"勘定科目名\" = '現金'"
                              " AND c.\"勘定科目コード\" IN (t.\"借方コード\", t.\"貸方コード\"))",
                              kJournalOrder));
    sql.push_back(journalView("Q_取引銀行仕訳", "t.\"銀行コード\" <> ''",
                              "t.\"銀行コード\", t.\"支店コード\", t.\"日付\", t.\"伝票番号\", t.\"追番\""));
    sql.push_back(simpleView("Q_仕訳変更履歴", "仕訳変更履歴", kChangeLogColumns, "", "t.rowid"));

    // Templates.
    sql.push_back(templateView("Q_仕訳定型台帳", ""));
    sql.push_back(templateView("Q_決算仕訳定型台帳", "t.\"決算仕訳\" <> 0"));

    // Rates and eras.
    sql.push_back(simpleView("Q_消費税率", "消費税率", kTaxRateColumns, "", "t.\"日付\""));
    sql.push_back(simpleView("Q_年号コード", "年号コード", kEraColumns, "", "t.\"年号\""));

    // Partners, banks.
    sql.push_back(simpleView("Q_取引先管理", "取引先管理", kPartnerColumns, "", "t.rowid"));
    sql.push_back("CREATE VIEW \"Q_取引銀行\" AS SELECT t.rowid AS dao_rowid, " + columnsOf(kBankAccountColumns, "t")
                  + ", k.\"銀行名\", s.\"支店名\" FROM \"取引銀行\" AS t"
                    " LEFT JOIN \"銀行コードﾏｽﾀｰ\" AS k ON k.\"銀行コード\" = t.\"銀行コード\""
                    " LEFT JOIN \"支店コードﾏｽﾀｰ\" AS s ON s.\"支店コード\" = t.\"支店コード\""
                    " ORDER BY t.\"no\", t.rowid");
    sql.push_back(simpleView("Q_銀行コードﾏｽﾀｰ", "銀行コードﾏｽﾀｰ", kBankMasterColumns, "", "t.\"銀行コード\""));
    sql.push_back(simpleView("Q_使用銀行", "銀行コードﾏｽﾀｰ", kBankMasterColumns, "t.\"使用銀行\" <> 0",
                             "t.\"銀行コード\""));
    const std::string branchSelect = "AS SELECT t.rowid AS dao_rowid, " + columnsOf(kBranchMasterColumns, "t")
                                     + ", k.\"銀行名\" FROM \"支店コードﾏｽﾀｰ\" AS t"
                                       " LEFT JOIN \"銀行コードﾏｽﾀｰ\" AS k ON k.\"銀行コード\" = t.\"銀行コード\"";
    sql.push_back("CREATE VIEW \"Q_支店コードﾏｽﾀｰ\" " + branchSelect
                  + " ORDER BY t.\"銀行コード\", t.\"支店コード\", t.rowid");
    sql.push_back("CREATE VIEW \"Q_使用銀行支店\" " + branchSelect
                  + " WHERE t.\"使用支店\" <> 0 ORDER BY t.\"銀行コード\", t.\"支店コード\", t.rowid");

    // Fixed assets and leases, with the account name.
    sql.push_back("CREATE VIEW \"Q_固定資産台帳\" AS SELECT t.rowid AS dao_rowid, " + columnsOf(kFixedAssetColumns, "t")
                  + ", a.\"勘定科目名\" FROM \"固定資産台帳\" AS t"
                    " LEFT JOIN \"勘定科目コード表\" AS a ON a.\"勘定科目コード\" = t.\"勘定科目コード\""
                    " ORDER BY t.rowid");
    sql.push_back("CREATE VIEW \"Q_リース資産管理\" AS SELECT t.rowid AS dao_rowid, " + columnsOf(kLeaseColumns, "t")
                  + ", a.\"勘定科目名\""
                    ", t.\"資産名称\" AS \"物件名称\""
                    ", CAST(t.\"リース回数\" / 12 AS INTEGER) AS \"リース期間\""
                    ", t.\"支払総額\" AS \"総額\""
                    ", t.\"月リース料金\" AS \"リース料\""
                    ", t.\"購入日\" AS \"開始日\""
                    " FROM \"リース資産管理\" AS t"
                    " LEFT JOIN \"勘定科目コード表\" AS a ON a.\"勘定科目コード\" = t.\"勘定科目コード\""
                    " ORDER BY t.rowid");

    // Every saved query writes through to its one base table.
    const std::pair<std::string_view, std::string_view> updatable[] = {
        {"Q_勘定科目コード表", "勘定科目コード表"},
        {"Q_使用勘定科目表", "勘定科目コード表"},
        {"Q_勘定科目コード表2", "勘定科目コード表2"},
        {"Q_勘定科目コード表２", "勘定科目コード表2"},
        {"Q_仕訳台帳", "仕訳台帳"},
        {"Q_決算仕訳台帳", "仕訳台帳"},
        {"Q_現金出納帳", "仕訳台帳"},
        {"Q_取引銀行仕訳", "仕訳台帳"},
        {"Q_仕訳変更履歴", "仕訳変更履歴"},
        {"Q_仕訳定型台帳", "仕訳定型台帳"},
        {"Q_決算仕訳定型台帳", "仕訳定型台帳"},
        {"Q_消費税率", "消費税率"},
        {"Q_年号コード", "年号コード"},
        {"Q_取引先管理", "取引先管理"},
        {"Q_取引銀行", "取引銀行"},
        {"Q_銀行コードﾏｽﾀｰ", "銀行コードﾏｽﾀｰ"},
        {"Q_使用銀行", "銀行コードﾏｽﾀｰ"},
        {"Q_支店コードﾏｽﾀｰ", "支店コードﾏｽﾀｰ"},
        {"Q_使用銀行支店", "支店コードﾏｽﾀｰ"},
        {"Q_固定資産台帳", "固定資産台帳"},
        {"Q_リース資産管理", "リース資産管理"},
    };
    for (const auto& [view, base] : updatable)
        sql.push_back("INSERT INTO " + quoted(kUpdatableViewsTable) + " (view_name, base_table) VALUES ("
                      + "'" + std::string(view) + "', '" + std::string(base) + "')");
    return sql;
}

void exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw std::runtime_error(message + " [" + sql.substr(0, 120) + "]");
    }
}

}  // namespace

std::vector<std::string> schemaStatements() { return buildStatements(); }

const TableDef* findBaseTable(std::string_view name) {
    for (const TableDef& table : kBaseTables)
        if (table.name == name) return &table;
    return nullptr;
}

void createSchema(sqlite3* db) {
    exec(db, "PRAGMA journal_mode = DELETE");
    exec(db, "BEGIN IMMEDIATE");
    try {
        for (const std::string& statement : buildStatements()) exec(db, statement);
        exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace periodfile
