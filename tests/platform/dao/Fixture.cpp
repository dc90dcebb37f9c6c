#include "Fixture.h"

#include <sqlite3.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace daotest {

TempDir::TempDir()
{
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() / ("velmora_dao_" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

namespace {
struct Raw {
    sqlite3* db = nullptr;
    explicit Raw(const std::string& path)
    {
        if (sqlite3_open(path.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("open " + path);
        sqlite3_busy_timeout(db, 2000);
    }
    ~Raw() { sqlite3_close(db); }
};
}  // namespace

OtherProgram::OtherProgram(const std::string& path)
{
    if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK)
        throw std::runtime_error("open " + path);
}

OtherProgram::~OtherProgram()
{
    sqlite3_close_v2(m_db);
}

void OtherProgram::exec(const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(message + " in " + sql);
    }
}

long long OtherProgram::count(const std::string& sql)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(m_db));
    const long long n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    return n;
}

void rawExec(const std::string& path, const std::string& sql)
{
    Raw raw(path);
    char* error = nullptr;
    if (sqlite3_exec(raw.db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(message + " in " + sql);
    }
}

long long rawCount(const std::string& path, const std::string& sql)
{
    Raw raw(path);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(raw.db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(raw.db));
    long long n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
    sqlite3_finalize(st);
    return n;
}

std::string rawText(const std::string& path, const std::string& sql)
{
    Raw raw(path);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(raw.db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(raw.db));
    std::string text;
    if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
        text = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    return text;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string makePeriodFile(const TempDir& dir, const std::string& name)
{
    const std::string path = dir.file(name);
    rawExec(path, R"SQL(
PRAGMA journal_mode=DELETE;
CREATE TABLE dao_updatable_views(view_name TEXT PRIMARY KEY, base_table TEXT NOT NULL);
CREATE TABLE 勘定科目コード表(勘定科目コード TEXT PRIMARY KEY, 勘定科目名 TEXT, 小分類 TEXT, 適用 BOOLEAN DEFAULT 1);
CREATE TABLE 仕訳台帳(日付 DATE, 伝票番号 TEXT, 追番 SMALLINT, 摘要 TEXT, 取引先 TEXT,
  借方コード TEXT, 入金 INTEGER DEFAULT 0, 貸方コード TEXT, 出金 INTEGER DEFAULT 0,
  決算仕訳 BOOLEAN DEFAULT 0);
CREATE VIEW Q_仕訳台帳 AS SELECT j.rowid AS dao_rowid, j.*, a.勘定科目名, a.小分類,
  b.勘定科目名 AS 勘定科目名2, b.小分類 AS 小分類2
  FROM 仕訳台帳 j LEFT JOIN 勘定科目コード表 a ON a.勘定科目コード = j.借方コード
  LEFT JOIN 勘定科目コード表 b ON b.勘定科目コード = j.貸方コード
  ORDER BY j.日付, j.伝票番号, j.追番;
CREATE VIEW Q_勘定科目コード表 AS SELECT rowid AS dao_rowid, * FROM 勘定科目コード表 ORDER BY 勘定科目コード;
CREATE VIEW Q_使用勘定科目表 AS SELECT rowid AS dao_rowid, * FROM 勘定科目コード表 WHERE 適用 ORDER BY 勘定科目コード;
CREATE VIEW Q_使用科目 AS SELECT 勘定科目コード, 勘定科目名 FROM 勘定科目コード表 WHERE 適用 ORDER BY 勘定科目コード;
INSERT INTO dao_updatable_views VALUES ('Q_仕訳台帳', '仕訳台帳'), ('Q_勘定科目コード表', '勘定科目コード表'),
  ('Q_使用勘定科目表', '勘定科目コード表');
INSERT INTO 勘定科目コード表 VALUES ('100', '現金', '現金預金', 1), ('200', '買掛金', '仕入債務', 1),
  ('500', '売上高', '売上高', 1), ('600', '仕入高', '売上原価', 1), ('700', 'O''Brien''s 手数料', '販売管理費', 0);
INSERT INTO 仕訳台帳 VALUES ('2024-04-03', '002', 1, '仕入', '山田商店', '600', 5000, '200', 5000, 0);
INSERT INTO 仕訳台帳 VALUES ('2024-04-01', '001', 1, '売上', 'O''Brien', '100', 10000, '500', 10000, 0);
INSERT INTO 仕訳台帳 VALUES ('2024-04-02', '003', 1, '現金仕入', NULL, '600', 3000, '100', 3000, 0);
INSERT INTO 仕訳台帳 VALUES ('2024-04-01', '001', 2, '売上', 'OBrien', '100', 2000, '500', 2000, 0);
CREATE TABLE 会計設定(事業所名 TEXT, 会計年度 SMALLINT, 期首日 DATE);
INSERT INTO 会計設定 VALUES ('ベルモラ商事', 1, '2024-04-01');
CREATE TABLE 型見本(文字 TEXT, 小整数 SMALLINT, 整数 INTEGER, 実数 REAL, 日付 DATE, 日時 DATETIME, 真偽 BOOLEAN);
)SQL");
    return path;
}

}  // namespace daotest
