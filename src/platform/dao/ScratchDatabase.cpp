#include "Engine.h"

#include "Connection.h"
#include "DatabaseCopy.h"
#include "Database.h"

#include <sqlite3.h>

namespace dao {

namespace {

// One setting of a scratch database: the statement that makes it and the
// value the engine reports for it once made.
struct ScratchSetting {
    const char* name;
    const char* value;
    const char* reported;  // null: the engine may grant less (a speed-up, not a rule)
};

// A scratch database keeps no rollback journal at all (a failed piece of work
// is undone by throwing the whole copy away, never by a rollback) and never
// waits for the disk on a commit; its owner writes it to the disk once, whole.
// Temporary tables stay in memory, as the pages do, and the database is locked
// to its one connection. (The page cache's size and the memory map matter to
// a database on a file: a copy in memory keeps every page whatever they say;
// they are made all the same, each a step of the failure plan.)
constexpr ScratchSetting kScratchSettings[] = {
    {"journal_mode", "OFF", "off"},       {"synchronous", "OFF", "0"},
    {"temp_store", "MEMORY", "2"},        {"cache_size", "-65536", "-65536"},
    {"mmap_size", "1073741824", nullptr}, {"locking_mode", "EXCLUSIVE", "exclusive"},
};

std::string reportedValue(Connection& connection, const ScratchSetting& setting)
{
    Statement statement(connection.handle(), std::string("PRAGMA ") + setting.name, setting.name);
    if (!statement.step())
        return {};
    const unsigned char* text = sqlite3_column_text(statement.get(), 0);
    return text ? reinterpret_cast<const char*>(text) : "";
}

void useAsScratch(Connection& connection, const std::string& name)
{
    for (const ScratchSetting& setting : kScratchSettings) {
        if (!DBEngine::instance().setupStepFails())
            connection.execute(std::string("PRAGMA ") + setting.name + " = " + setting.value, {}, setting.name, false);
        if (setting.reported && reportedValue(connection, setting) != setting.reported)
            throw DaoError(DaoError::Code::WriteFailed,
                           "ファイル「" + name + "」を作業用に設定できませんでした（" + setting.name + "）。");
    }
}

}  // namespace

std::shared_ptr<Database> Workspace::OpenScratchCopy(const std::string& sourcePath, const std::string& name)
{
    // What the copy holds is the source's: a damaged value in it is named by
    // the source file, where it can be put right.
    auto connection = Connection::openInMemory(
        name, [&](sqlite3* target) { CopyDatabaseInto(target, name, sourcePath); }, sourcePath);
    useAsScratch(*connection, name);
    auto db = std::make_shared<Database>(connection, false);
    registerDatabase(db);
    return db;
}

}  // namespace dao
