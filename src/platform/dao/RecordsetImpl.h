#pragma once
// The working part of a recordset.
//
// A keyed recordset (a dynaset or table on a source with a key) reads at open
// only the key of each row (the base table's rowid, column dao_rowid), in the
// source's order: that key list is the membership, fixed from then on. The
// values are read when the recordset moves onto a row, in blocks of rows by
// key, and kept for a few thousand rows at most, stamped with the connection's
// write stamp; a row is read again once anything was written since its stamp
// to a table the source reads (or anything the connection cannot place: another
// program's commit, a rollback), and a row that is gone
// is marked deleted and skipped. A snapshot, or a source without a key, holds
// every row's values from the open and never reads again.
//
// The statement that reads a block of rows is prepared once and kept, reset
// after each block: it holds no read transaction between two calls, so an open
// recordset still never blocks a write made elsewhere.
//
// A walk over every row (forEachRow) reads the source once, whole, within the
// one call, while it yields the membership's keys in their order; from the
// first row where the two part (a row added, deleted or moved elsewhere since
// the open) it goes on by key, as MoveNext would. A recordset opened for a
// walk reads no keys at the open: its first walk takes them in its own pass
// (or, when something else comes first, they are read then).

#include "Connection.h"
#include "Database.h"
#include "ObjectInfo.h"
#include "Recordset.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace dao {

class Connection;
class Criteria;
struct StoredValueProblem;

class RecordsetImpl {
public:
    // `described`: the statement of the source's rows that its description was
    // read from, its parameters bound, for the read at the open (one prepared
    // then without it); the caller keeps it.
    RecordsetImpl(std::shared_ptr<Connection> connection, std::shared_ptr<const ObjectInfo> info, RecordsetType type,
                  bool readOnlyDatabase, bool keysAtFirstWalk = false, Statement* described = nullptr);

    Value get(const std::string& name);
    Value getRequired(const std::string& name, const std::string& expected);
    Value get(int column);                        // a position from fieldIndex
    void getText(int column, std::string& text);  // get(column).toText(), into `text`
    int fieldIndex(const std::string& name) const
    {
        requireOpen();
        return columnOf(name);
    }
    void set(const std::string& name, const Value& value);
    std::vector<std::string> fieldNames() const;
    bool hasField(const std::string& name) const;

    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    EditState editMode() const { return m_editState; }
    Bookmark LastModified() const { return m_lastModified; }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(long long rows);
    // Stands on every row in turn, from the first to the last, and calls
    // `visit` there; get reads that row. `visit` must neither move the
    // recordset nor write through it.
    // Ends after the last row (EOF).
    void forEachRow(const std::function<void()>& visit);
    bool BOF();
    bool EOF_();
    long long RecordCount();
    long long AbsolutePosition();

    enum class FindFrom { First, Last, Next, Previous };
    void find(FindFrom from, const Criteria& criteria);
    void findEqual(const std::string& field, const Value& equals);
    bool NoMatch() const { return m_noMatch; }

    Bookmark getBookmark();
    void setBookmark(const Bookmark& b);

    void Close();
    bool isOpen() const { return m_open; }
    const std::string& source() const { return m_info->name; }

private:
    // The values of one row, and the write stamp they were read under.
    struct Row {
        std::uint64_t stamp = 0;
        std::vector<Value> values;
    };

    long long size() const { return m_size; }
    bool keyed() const { return m_type != RecordsetType::Snapshot && m_info->keyColumn >= 0; }
    void requireOpen() const;
    void requireField(int column) const;  // throws NoSuchField
    void requireUpdatable(const char* action) const;
    int columnOf(const std::string& name) const;  // throws NoSuchField
    void leaveEdit()
    {
        m_editState = EditState::None;
        m_buffer.clear();
        m_dirty.clear();
        m_checkedPosition = -1;
    }
    void loadKeys(Statement* described = nullptr);
    void ensureKeys();  // reads the keys a walk has not taken yet
    void walkTakingKeys(const std::function<void()>& visit);
    void loadAll(Statement* described);
    bool isDeleted(long long index) const { return keyed() && m_deleted[static_cast<size_t>(index)]; }
    void markDeleted(long long index);
    const Row* cached(long long index) const;          // null when not read or read under an old stamp
    bool ensureFresh(long long index, int direction);  // false when the row is gone
    void refetchBlock(long long index, int direction);
    long long walkInOnePass(const std::function<void()>& visit);  // the index where the walk goes on by key
    void readOutsideTheQuery(const std::vector<long long>& indexes, std::uint64_t stamp);
    long long nextLive(long long from, int direction);  // -1 or size() when none
    Row& rowAt(long long index);                        // a row that ensureFresh has just read
    Row& currentRow();                                  // throws NoCurrentRecord
    std::string name() const { return m_info->displayName(); }
    DaoError noCurrentRecord() const;
    DaoError vanishedCurrentRow() const;
    DaoError badStoredValue(int column, const StoredValueProblem& problem);
    DaoError shapeChanged() const;

    std::shared_ptr<Connection> m_connection;
    std::shared_ptr<const ObjectInfo> m_info;
    RecordsetType m_type;
    bool m_readOnlyDatabase;
    bool m_open = true;
    bool m_keysPending = false;  // opened for a walk: no keys read yet
    long long m_size = 0;
    // Keyed: the membership's keys, which of them are deleted, and the rows read lately.
    std::vector<std::int64_t> m_keys;
    std::vector<bool> m_deleted;
    std::unordered_map<long long, Row> m_cache;
    std::unique_ptr<Statement> m_blockStatement;  // reads a block of rows by key
    sqlite3_stmt* m_walkRow = nullptr;            // during a one-pass walk: the statement standing on the current row
    // Not keyed: every row, as read at open.
    std::vector<Row> m_held;
    long long m_position = -1;         // -1 BOF, size() EOF
    long long m_checkedPosition = -1;  // the row read since the last move
    long long m_liveCount = 0;
    bool m_noMatch = false;
    EditState m_editState = EditState::None;
    std::vector<Value> m_buffer;
    std::vector<bool> m_dirty;
    Bookmark m_lastModified;
};

}  // namespace dao
