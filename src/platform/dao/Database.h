#pragma once
#include "CheckedRow.h"
#include "Recordset.h"
#include "RowView.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace dao {

class Connection;  // the shared SQLite connection behind every handle on one file
struct ObjectInfo;

enum class RecordsetType { Table = 1, Dynaset = 2, Snapshot = 4 };

class Database : public std::enable_shared_from_this<Database> {
public:
    // `source` is a table name, a saved-query name or an SQL text (SELECT ...).
    // Throws DaoError(NoSuchObject) naming the file and the object.
    std::unique_ptr<Recordset> OpenRecordset(const std::string& source, RecordsetType type = RecordsetType::Dynaset);
    // A snapshot of `source` (as for OpenRecordset; an SQL text's parameters
    // ?1, ?2, ... take `params`, bound, never spliced): a read made again and
    // again, with other values (a voucher by its number) or none, is described
    // and prepared once while the file's schema stays as it was.
    std::unique_ptr<Recordset> OpenSnapshot(const std::string& sql, const std::vector<Value>& params);
    // A dynaset opened to be walked at once: its membership is taken by its
    // first walk (Recordset::ForEachRow) in the walk's own pass, instead of by
    // a pass of its own at the open; whatever else comes first reads it then.
    std::unique_ptr<Recordset> OpenRecordsetForWalk(const std::string& source);

    // Runs an SQL statement that returns no rows (UPDATE, DELETE, INSERT).
    // Parameters are bound, never spliced into the text. Returns rows affected.
    long long Execute(const std::string& sql, const std::vector<Value>& params = {});

    // Runs a query (an SQL text: SELECT ...) and calls `row` for each of its
    // rows, read straight from SQLite: for walks over many rows that need no
    // recordset. `table` names what is read in the user's words, for the
    // message of a failed read. Parameters are bound, never spliced.
    void ForEachRow(const std::string& sql, const std::vector<Value>& params, const std::string& table,
                    const std::function<void(const RowView&)>& row);

    // Reads `columns` of the rows of `table` (with `condition`, an SQL
    // condition on its columns, only the rows that meet it; `params` bound to
    // it), in the table's order, and calls `row` for each: read straight from
    // SQLite as ForEachRow reads, and every value through the checks of a
    // recordset on the table (CheckedRow.h), for walks over many rows that
    // must never take a value a window would refuse. A column the table does
    // not have is refused by its name.
    void ForEachCheckedRow(const std::string& table, const std::vector<std::string>& columns,
                           const std::string& condition, const std::vector<Value>& params,
                           const std::function<void(const CheckedRow&)>& row);

    // A token of what the file holds: it changes with every row written to it,
    // through any handle of this program or by another program; two equal
    // tokens mean nothing was written in between.
    struct FileVersion {
        long long changes = 0;      // rows written through this program's connection
        long long dataVersion = 0;  // moves with other programs' commits
        bool operator==(const FileVersion&) const = default;
    };
    FileVersion fileVersion() const;

    // Writes the whole database, without the pages its deleted rows left
    // free, to the empty file at `path` (the engine's VACUUM INTO); the file
    // is not written to the disk yet. A write failure throws DaoError.
    void WriteCompactedTo(const std::string& path);

    const std::string& path() const;
    // The file whose contents it holds (its path, or the file an in-memory
    // copy was made of): what is said of a stored value names it.
    const std::string& storedIn() const;
    bool hasObject(const std::string& name) const;  // table or saved query
    std::vector<std::string> fieldNames(const std::string& object) const;
    // After Close the handle opens nothing more; recordsets already opened
    // through it keep working until they are closed themselves.
    void Close();
    bool isOpen() const;

    // Internal construction (Workspace::OpenDatabase).
    Database(std::shared_ptr<Connection> connection, bool readOnly);
    std::shared_ptr<Connection> connection() const { return m_connection; }
private:
    struct Described {
        long long schema = 0;  // the file's schema version it was read under
        std::shared_ptr<const ObjectInfo> info;
    };
    std::shared_ptr<Connection> m_connection;
    std::unordered_map<std::string, Described> m_described;  // by SQL text, for OpenSnapshot
    bool m_readOnly = false;
    bool m_open = true;
};

}  // namespace dao
