#pragma once
// Helpers to put rows into a prepared period file (support/TempPeriodFile.h)
// and read them back.

#include "common/o.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "support/TempPeriodFile.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace setuptest {

using testsupport::CountRows;
using testsupport::DumpRows;
using testsupport::TempPeriodFile;

using Fields = std::initializer_list<std::pair<const char*, dao::Value>>;

// Adds a row to a table or saved query.
void AddRow(dao::Database& db, const std::string& source, Fields fields);
// Sets fields of the first row whose `keyField` equals `key`.
void SetFields(dao::Database& db, const std::string& source, const std::string& keyField, const dao::Value& key,
               Fields fields);
// A field of the first row whose `keyField` equals `key`; null when there is none.
dao::Value FieldOf(dao::Database& db, const std::string& source, const std::string& keyField, const dao::Value& key,
                   const std::string& field);
// The settings row's field.
dao::Value Setting(dao::Database& db, const std::string& field);

// Every table and saved query the setup window writes, dumped.
std::string DumpWrittenTables(dao::Database& db);

}  // namespace setuptest
