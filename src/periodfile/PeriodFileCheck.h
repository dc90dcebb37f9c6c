#pragma once
// Tests a period file against the objects and fields the program needs
// (PeriodFileObjects.h). The file is opened read only and never changed.

#include <string>
#include <vector>

struct sqlite3;

namespace periodfile {

struct CheckResult {
    bool opened = false;                // false: missing file or not an SQLite database
    std::string openError;              // the reason when not opened (Japanese)
    std::vector<std::string> problems;  // one line per missing object, field or registration

    bool ok() const { return opened && problems.empty(); }
};

// Every problem of an open database, one message per missing object or field.
std::vector<std::string> findProblems(sqlite3* db);

// Opens the file read only and checks it.
CheckResult checkPeriodFile(const std::string& path);

}  // namespace periodfile
