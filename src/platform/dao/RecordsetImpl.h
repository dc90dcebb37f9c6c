#pragma once
// The working part of a recordset.
//
// At open the source's rows are read once, in the source's order: the key of
// each row (the base table's rowid, column dao_rowid) and its values. That key
// list is the membership, fixed from then on. The values are a cache stamped
// with the connection's write stamp; a row whose stamp is old is read again
// (in blocks, by key) when the recordset moves onto it, and a row that is gone
// is marked deleted and skipped. A snapshot never reads again.

#include "Database.h"
#include "ObjectInfo.h"
#include "Recordset.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace dao {

class Connection;
class Criteria;
struct StoredValueProblem;

class RecordsetImpl {
public:
    RecordsetImpl(std::shared_ptr<Connection> connection, std::shared_ptr<const ObjectInfo> info,
                  RecordsetType type, bool readOnlyDatabase);

    Value get(const std::string& name);
    Value getRequired(const std::string& name, const std::string& expected);
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
    bool BOF() const;
    bool EOF_() const;
    long long RecordCount() const;
    long long AbsolutePosition() const;

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
    struct Row {
        std::int64_t key = 0;
        std::uint64_t stamp = 0;
        bool deleted = false;
        std::vector<Value> values;
    };

    long long size() const { return static_cast<long long>(m_rows.size()); }
    bool keyed() const { return m_type != RecordsetType::Snapshot && m_info->keyColumn >= 0; }
    void requireOpen() const;
    void requireUpdatable(const char* action) const;
    int columnOf(const std::string& name) const;          // throws NoSuchField
    void leaveEdit() { m_editState = EditState::None; m_buffer.clear(); m_dirty.clear(); }
    void loadAll();
    bool ensureFresh(long long index, int direction);      // false when the row is gone
    void refetchBlock(long long index, int direction);
    void readOutsideTheQuery(const std::vector<long long>& indexes, std::uint64_t stamp);
    long long nextLive(long long from, int direction);     // -1 or size() when none
    Row& currentRow();                                     // throws NoCurrentRecord
    std::string name() const { return m_info->displayName(); }
    DaoError noCurrentRecord() const;
    DaoError badStoredValue(int column, const StoredValueProblem& problem) const;
    DaoError shapeChanged() const;

    std::shared_ptr<Connection> m_connection;
    std::shared_ptr<const ObjectInfo> m_info;
    RecordsetType m_type;
    bool m_readOnlyDatabase;
    bool m_open = true;
    std::vector<Row> m_rows;
    long long m_position = -1;   // -1 BOF, size() EOF
    long long m_liveCount = 0;
    bool m_noMatch = false;
    EditState m_editState = EditState::None;
    std::vector<Value> m_buffer;
    std::vector<bool> m_dirty;
    Bookmark m_lastModified;
};

}  // namespace dao
