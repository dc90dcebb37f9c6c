#pragma once
// A small SQLite file made from SQL text in a temporary folder, for routines
// that read recordsets.
#include <filesystem>
#include <string>

namespace testsupport {

class SqlFile {
public:
    explicit SqlFile(const std::string& sql, const std::string& name = "test第1期.mdb");
    ~SqlFile();
    const std::string& path() const { return m_path; }
private:
    std::filesystem::path m_dir;
    std::string m_path;
};

}  // namespace testsupport
