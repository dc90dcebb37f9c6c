#pragma once
// A prepared period file in a folder of its own (removed afterwards), opened as
// the current period file, with helpers to put rows into it and read them back.

#include "common/o.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace setuptest {

class PeriodFile {
public:
    PeriodFile();
    ~PeriodFile();
    PeriodFile(const PeriodFile&) = delete;
    PeriodFile& operator=(const PeriodFile&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::filesystem::path m_dir;
    std::string m_path;
};

using Fields = std::initializer_list<std::pair<const char*, dao::Value>>;

// Adds a row to a table or saved query.
void AddRow(dao::Database& db, const std::string& source, Fields fields);
// Sets fields of the first row whose `keyField` equals `key`.
void SetFields(dao::Database& db, const std::string& source, const std::string& keyField, const dao::Value& key,
               Fields fields);
// A field of the first row whose `keyField` equals `key`; null when there is none.
dao::Value FieldOf(dao::Database& db, const std::string& source, const std::string& keyField,
                   const dao::Value& key, const std::string& field);
// The settings row's field.
dao::Value Setting(dao::Database& db, const std::string& field);
// Every row as text, one line a row.
std::string Dump(dao::Database& db, const std::string& source);
long long Count(dao::Database& db, const std::string& source);

// Every table and saved query the setup window writes, dumped.
std::string DumpWrittenTables(dao::Database& db);

}  // namespace setuptest
