#pragma once
// The prepared period file: every base table with its columns, declared types
// and defaults, and the saved queries (views) over them. The code names them
// by the constants of periodfile/SchemaNames.h.
//
// Base tables keep the name of their saved query without "Q_"; 会計設定 and
// 預金種別 are tables the program opens directly. Column types are the
// declared types the database layer converts by: TEXT, SMALLINT, INTEGER,
// REAL, DATE ('YYYY-MM-DD'), DATETIME ('YYYY-MM-DD HH:MM:SS'), BOOLEAN (0/1).
//
// Defaults: every TEXT column defaults to '', every number and BOOLEAN to 0,
// DATE and DATETIME columns have no default (NULL); exceptions are noted in
// the lists (会計設定's codes, 表示順位).
//
// Row ids: every base table starts with the column dao_rowid, INTEGER PRIMARY
// KEY AUTOINCREMENT, so a row id is never handed out twice (a deleted last row's
// id is not given to the next row added). The database layer reads rows again
// by their row id, and hides the column from the program. The database layer
// gives a period file made before this column existed the same form the first
// time it opens the file for writing.
//
// Keys (unique): 勘定科目コード表.勘定科目コード, 勘定科目コード表2.勘定科目コード2,
// 銀行コードﾏｽﾀｰ.銀行コード, 支店コードﾏｽﾀｰ.支店コード. Adding a second row with
// the same key fails; the joins of the saved queries therefore never repeat a row.
//
// Row orders of the saved queries (the program relies on them):
//   Q_勘定科目コード表 / Q_勘定科目コード表2 / Q_勘定科目コード表２  by account code
//   Q_使用勘定科目表     適用 set, by 勘定科目コード: the account code IS the
//                        statement order. A chart must allocate its codes so
//                        that code order walks the balance sheet first (資産の部,
//                        負債の部, 資本の部, each 中分類/小分類 together), then the
//                        profit-and-loss run (経常損益, 特別損益; 小分類 groups in
//                        the order 売上高, 仕入高, 売上原価, 製造原価, 販売管理費,
//                        営業外収益, 営業外費用, 特別利益, 特別損失), then 決算
//                        (決算１ before 決算２), 諸口 last.
//   Q_仕訳台帳 / Q_決算仕訳台帳   日付, 伝票番号, 追番
//   Q_現金出納帳                 日付, 伝票番号, 追番
//   Q_取引銀行仕訳               銀行コード, 支店コード, 日付, 伝票番号, 追番
//   Q_仕訳定型台帳 / Q_決算仕訳定型台帳  表示順位 (empty last), 仕訳ID, 追番
//   Q_消費税率 by 日付; Q_年号コード by 年号
//   Q_銀行コードﾏｽﾀｰ / Q_使用銀行 by 銀行コード
//   Q_支店コードﾏｽﾀｰ / Q_使用銀行支店 by 銀行コード, 支店コード
//   Q_取引銀行 by no; Q_取引先管理, Q_固定資産台帳, Q_リース資産管理,
//   Q_仕訳変更履歴 in entry order.
// Ties always fall back to entry order (rowid).

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace periodfile {

struct ColumnDef {
    std::string_view name;
    std::string_view type;        // TEXT, SMALLINT, INTEGER, REAL, DATE, DATETIME, BOOLEAN
    std::string_view defaultSql;  // SQL literal; empty: the type's default (see above)
};

struct TableDef {
    std::string_view name;
    std::span<const ColumnDef> columns;
};

// ---- 会計設定: the settings row (one row, no key) -----------------------------
inline constexpr ColumnDef kSettingsColumns[] = {
    {"事業所名", "TEXT", ""},        {"会計年度", "INTEGER", ""},     {"会計期間開始日", "DATE", ""},
    {"会計期間終了日", "DATE", ""},  {"決算報告日", "DATE", ""},      {"法人番号", "TEXT", ""},
    {"フリガナ", "TEXT", ""},        {"郵便番号", "TEXT", ""},        {"住所1", "TEXT", ""},
    {"住所2", "TEXT", ""},           {"電話番号", "TEXT", ""},        {"FAX番号", "TEXT", ""},
    {"事業種目", "TEXT", ""},        {"所轄税務署", "TEXT", ""},      {"事業主役職名", "TEXT", ""},
    {"事業主氏名", "TEXT", ""},      {"会社Eメール", "TEXT", ""},     {"業種", "SMALLINT", ""},  // 0 標準 .. 6 農業
    {"申告区分", "TEXT", "'3'"},  // "1" 免税, "2" 簡易課税, "3" 原則課税
    {"処理方法", "TEXT", "'1'"},  // "1" 外税, "2" 内税, "3" 別途入力, "4" 計算なし
    {"消費税計算", "BOOLEAN", ""},   {"端数処理", "TEXT", "'1'"},  // "1" 切捨て, "2" 四捨五入, "3" 切上げ
    {"期首現金残高", "INTEGER", ""}, {"期首預金残高", "INTEGER", ""}, {"金額単位", "TEXT", "'円'"},
    {"元号", "BOOLEAN", ""},         {"負記号", "BOOLEAN", ""},       {"決算書用紙B5", "BOOLEAN", ""},
    {"帳票用紙B5", "BOOLEAN", ""},
};

// ---- 勘定科目コード表: the chart of accounts (Q_勘定科目コード表, Q_使用勘定科目表)
inline constexpr ColumnDef kChartColumns[] = {
    {"勘定科目コード", "TEXT", ""},                                  // 3 digits; its order is the statement order
    {"勘定科目名", "TEXT", ""},       {"借貸区分", "SMALLINT", ""},  // 0 debit, 1 credit
    {"相方有無", "BOOLEAN", ""},      {"消費税", "BOOLEAN", ""},
    {"簡易課税", "BOOLEAN", ""},      {"適用", "BOOLEAN", ""},
    {"大分類", "TEXT", ""},           {"中分類", "TEXT", ""},
    {"小分類", "TEXT", ""},           {"内容", "TEXT", ""},
    {"名称変更不可", "BOOLEAN", ""},  {"期首残高", "INTEGER", ""},
    {"前年決算残高", "INTEGER", ""},  {"前2決算残高", "INTEGER", ""},
    {"前3決算残高", "INTEGER", ""},   {"前4決算残高", "INTEGER", ""},
    {"前5決算残高", "INTEGER", ""},   {"予算管理", "INTEGER", ""},
    {"借方合計", "INTEGER", ""},  // these four hold 64-bit figures (dao/ColumnWidths.h)
    {"貸方合計", "INTEGER", ""},      {"期末貸借合計", "INTEGER", ""},
    {"期末残高", "INTEGER", ""},      {"現在残高", "INTEGER", ""},
    {"標準勘定科目名", "TEXT", ""},   {"販売業勘定科目名", "TEXT", ""},
    {"製造業勘定科目名", "TEXT", ""}, {"建設業勘定科目名", "TEXT", ""},
    {"運送業勘定科目名", "TEXT", ""}, {"医療勘定科目名", "TEXT", ""},
    {"農業勘定科目名", "TEXT", ""},   {"標準使用", "BOOLEAN", ""},
    {"販売使用", "BOOLEAN", ""},      {"製造使用", "BOOLEAN", ""},
    {"建設使用", "BOOLEAN", ""},      {"運送使用", "BOOLEAN", ""},
    {"医療使用", "BOOLEAN", ""},      {"農業使用", "BOOLEAN", ""},
};

// ---- 勘定科目コード表2: credit-side copy of the chart (rebuilt by the setup) ----
inline constexpr ColumnDef kChart2Columns[] = {
    {"勘定科目コード2", "TEXT", ""}, {"勘定科目名2", "TEXT", ""}, {"消費税2", "BOOLEAN", ""},
    {"簡易課税2", "BOOLEAN", ""},    {"大分類2", "TEXT", ""},     {"中分類2", "TEXT", ""},
    {"小分類2", "TEXT", ""},
};

// ---- 仕訳台帳: the journal (Q_仕訳台帳, Q_決算仕訳台帳, Q_現金出納帳, Q_取引銀行仕訳)
inline constexpr ColumnDef kJournalColumns[] = {
    {"日付", "DATE", ""},       {"伝票番号", "TEXT", ""},   {"追番", "SMALLINT", ""},
    {"摘要", "TEXT", ""},       {"取引先", "TEXT", ""},     {"借方コード", "TEXT", ""},
    {"入金", "INTEGER", ""},    {"貸方コード", "TEXT", ""}, {"出金", "INTEGER", ""},
    {"銀行コード", "TEXT", ""}, {"支店コード", "TEXT", ""}, {"決算仕訳", "BOOLEAN", ""},  // false on a new row
};

// ---- 仕訳変更履歴: change log of the journal (no amounts) ----------------------
inline constexpr ColumnDef kChangeLogColumns[] = {
    {"変更日", "DATETIME", ""}, {"変更理由", "TEXT", ""},  // "1" update, "2" delete
    {"伝票番号", "TEXT", ""},   {"日付", "DATE", ""},       {"追番", "SMALLINT", ""},
    {"摘要", "TEXT", ""},       {"取引先", "TEXT", ""},     {"借方コード", "TEXT", ""},
    {"貸方コード", "TEXT", ""}, {"銀行コード", "TEXT", ""}, {"支店コード", "TEXT", ""},
};

// ---- 仕訳定型台帳: journal templates (Q_仕訳定型台帳, Q_決算仕訳定型台帳) ------
inline constexpr ColumnDef kTemplateColumns[] = {
    {"仕訳ID", "TEXT", ""},      {"追番", "SMALLINT", ""},
    {"摘要", "TEXT", ""},        {"取引先", "TEXT", ""},
    {"借方コード", "TEXT", ""},  {"入金", "INTEGER", ""},
    {"貸方コード", "TEXT", ""},  {"出金", "INTEGER", ""},
    {"銀行コード", "TEXT", ""},  {"支店コード", "TEXT", ""},
    {"決算仕訳", "BOOLEAN", ""}, {"表示順位", "TEXT", "'1'"},  // "1".."9"; a new row takes "1"
};

// ---- 消費税率: rate periods -----------------------------------------------------
inline constexpr ColumnDef kTaxRateColumns[] = {
    {"日付", "DATE", ""},          // first day of the rate period
    {"税率", "SMALLINT", ""},      // whole percent
    {"簡易税率", "SMALLINT", ""},  // whole percent
};

// ---- 年号コード: Japanese eras -----------------------------------------------------
inline constexpr ColumnDef kEraColumns[] = {
    {"年号", "DATE", ""},  // first day of the era
    {"和暦名称", "TEXT", ""},
};

// ---- 取引先管理: business partners -------------------------------------------------
inline constexpr ColumnDef kPartnerColumns[] = {
    {"取引先名", "TEXT", ""},     {"取引内容", "TEXT", ""},
    {"取引先ランク", "TEXT", ""}, {"締日", "SMALLINT", ""},  // day of month, 0 = not set
    {"支払日", "SMALLINT", ""},                              // days after closing, 0 = not set
    {"住所", "TEXT", ""},         {"代表者", "TEXT", ""},
    {"電話番号", "TEXT", ""},     {"メールアドレス", "TEXT", ""},
};

// ---- 取引銀行: the company's bank accounts ----------------------------------------
inline constexpr ColumnDef kBankAccountColumns[] = {
    {"no", "SMALLINT", ""},      {"銀行コード", "TEXT", ""}, {"支店コード", "TEXT", ""},
    {"種別", "TEXT", ""},  // = the deposit account's 勘定科目名
    {"期首残高", "INTEGER", ""}, {"現残高", "INTEGER", ""},  {"期末残高", "INTEGER", ""},
};

// ---- 銀行コードﾏｽﾀｰ / 支店コードﾏｽﾀｰ: bank and branch masters ----------------------
inline constexpr ColumnDef kBankMasterColumns[] = {
    {"銀行コード", "TEXT", ""},  // 4 characters
    {"銀行名", "TEXT", ""},
    {"振込銀行名", "TEXT", ""},
    {"使用銀行", "BOOLEAN", ""},
};

inline constexpr ColumnDef kBranchMasterColumns[] = {
    {"銀行コード", "TEXT", ""}, {"支店コード", "TEXT", ""},  // bank code + 3-character branch number
    {"支店名", "TEXT", ""},     {"振込支店名", "TEXT", ""}, {"使用支店", "BOOLEAN", ""},
};

// ---- 預金種別: deposit kinds --------------------------------------------------------
inline constexpr ColumnDef kDepositKindColumns[] = {
    {"種別", "TEXT", ""},
};

// ---- 固定資産台帳: fixed-asset register ----------------------------------------------
inline constexpr ColumnDef kFixedAssetColumns[] = {
    {"管理番号", "TEXT", ""},       {"名称", "TEXT", ""},          {"数量", "INTEGER", ""},
    {"勘定科目コード", "TEXT", ""}, {"取得年月日", "DATE", ""},    {"取得価格", "INTEGER", ""},
    {"償却方法", "TEXT", ""},                                // "定額法", "定率法", "一括償却"
    {"耐用年数", "SMALLINT", ""},   {"償却率", "REAL", ""},  // percent
    {"保証率", "REAL", ""},                                  // percent
    {"残存価格", "INTEGER", ""},    {"減価償却費", "INTEGER", ""}, {"使用部署名", "TEXT", ""},
    {"備考", "TEXT", ""},
};

// ---- リース資産管理: lease register ---------------------------------------------------
// The lease printout's 物件名称, リース期間, 総額, リース料 and 開始日 are read-only
// columns of Q_リース資産管理 computed from these (資産名称, リース回数 / 12,
// 支払総額, 月リース料金, 購入日).
inline constexpr ColumnDef kLeaseColumns[] = {
    {"契約番号", "TEXT", ""},      {"資産名称", "TEXT", ""},       {"勘定科目コード", "TEXT", ""},
    {"取得年月日", "DATE", ""},    {"購入日", "DATE", ""},         {"購入金額", "INTEGER", ""},
    {"支払総額", "INTEGER", ""},   {"リース回数", "SMALLINT", ""}, {"月リース料金", "INTEGER", ""},
    {"月支払利息", "INTEGER", ""}, {"減価償却費", "INTEGER", ""},  {"リース会社", "TEXT", ""},
    {"使用部署", "TEXT", ""},      {"備考", "TEXT", ""},
};

inline constexpr TableDef kBaseTables[] = {
    {"会計設定", kSettingsColumns},         {"勘定科目コード表", kChartColumns},
    {"勘定科目コード表2", kChart2Columns},  {"仕訳台帳", kJournalColumns},
    {"仕訳変更履歴", kChangeLogColumns},    {"仕訳定型台帳", kTemplateColumns},
    {"消費税率", kTaxRateColumns},          {"年号コード", kEraColumns},
    {"取引先管理", kPartnerColumns},        {"取引銀行", kBankAccountColumns},
    {"銀行コードﾏｽﾀｰ", kBankMasterColumns}, {"支店コードﾏｽﾀｰ", kBranchMasterColumns},
    {"預金種別", kDepositKindColumns},      {"固定資産台帳", kFixedAssetColumns},
    {"リース資産管理", kLeaseColumns},
};

// The table that registers the writable saved queries for the database layer.
inline constexpr std::string_view kUpdatableViewsTable = "dao_updatable_views";
inline constexpr std::string_view kRowIdColumn = "dao_rowid";

// An SQL name in double quotes, a double quote inside it doubled.
std::string quoted(std::string_view name);

// Creates every base table, index, saved query and the dao_updatable_views
// registry in one transaction (all or nothing), after switching the file to
// journal mode DELETE. Throws std::runtime_error with SQLite's message on failure.
void createSchema(sqlite3* db);

// The statements createSchema runs, in order (tables, keys, views, registry).
std::vector<std::string> schemaStatements();

// Looks up a base table's definition by name; nullptr when there is none.
const TableDef* findBaseTable(std::string_view name);

}  // namespace periodfile
