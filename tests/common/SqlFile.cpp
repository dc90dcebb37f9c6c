#include "SqlFile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <random>

namespace testsupport {

SqlFile::SqlFile(const std::string& sql, const std::string& name)
{
    std::random_device random;
    m_dir = std::filesystem::temp_directory_path() / ("velmora-common-" + std::to_string(random()));
    std::filesystem::create_directories(m_dir);
    m_path = (m_dir / name).string();
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(m_path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

SqlFile::~SqlFile()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

}  // namespace testsupport
