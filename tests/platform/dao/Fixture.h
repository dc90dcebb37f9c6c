#pragma once
// Small period files for the database layer's tests, built with raw SQLite.

#include <filesystem>
#include <string>

struct sqlite3;

namespace daotest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string file(const std::string& name) const { return (m_path / name).string(); }
private:
    std::filesystem::path m_path;
};

// A period file with:
//   勘定科目コード表 (and the updatable view Q_勘定科目コード表),
//   仕訳台帳 with four rows stored out of date order, and the updatable view
//   Q_仕訳台帳 that joins the debit and credit account names and orders by
//   日付, 伝票番号, 追番 (so its order differs from the stored order):
//     001/1 2024-04-01 売上 O'Brien 10000, 001/2 2024-04-01 売上 2000,
//     003/1 2024-04-02 現金仕入 3000, 002/1 2024-04-03 仕入 5000;
//   Q_使用勘定科目表 (updatable, only the accounts whose 適用 is set: 100 to 600),
//   会計設定 (one row), 型見本 (one column of each declared type), the view
//   Q_使用科目 (not updatable).
std::string makePeriodFile(const TempDir& dir, const std::string& name = "会社第1期.mdb");

// Another program's connection to a file, kept open until it goes out of
// scope (any transaction it left open is then rolled back).
class OtherProgram {
public:
    explicit OtherProgram(const std::string& path);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    void exec(const std::string& sql);        // throws std::runtime_error on failure
    long long count(const std::string& sql);  // first column of the first row
private:
    sqlite3* m_db = nullptr;
};

void rawExec(const std::string& path, const std::string& sql);
long long rawCount(const std::string& path, const std::string& sql);   // first column of the first row
std::string rawText(const std::string& path, const std::string& sql);  // "" for null / no row
std::string fileBytes(const std::string& path);

}  // namespace daotest
