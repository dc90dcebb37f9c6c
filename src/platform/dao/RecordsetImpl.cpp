#include "RecordsetImpl.h"

#include "ColumnConversion.h"
#include "Connection.h"
#include "Criteria.h"
#include "FailureText.h"
#include "ValueDomains.h"

#include <sqlite3.h>

#include <algorithm>
#include <unordered_map>

namespace dao {

namespace {
constexpr long long kBlockRows = 256;

// A value for a message: at most 40 characters.
std::string shortened(const std::string& text) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++chars > 40) return text.substr(0, i) + "…";
    }
    return text;
}
}  // namespace

RecordsetImpl::RecordsetImpl(std::shared_ptr<Connection> connection, std::shared_ptr<const ObjectInfo> info,
                             RecordsetType type, bool readOnlyDatabase)
    : m_connection(std::move(connection)), m_info(std::move(info)), m_type(type),
      m_readOnlyDatabase(readOnlyDatabase) {
    loadAll();
    m_position = m_rows.empty() ? -1 : 0;
}

void RecordsetImpl::loadAll() {
    const std::uint64_t stamp = m_connection->stamp();
    Statement st(m_connection->handle(), m_info->selectSql, name());
    const int count = st.columnCount();
    if (count != static_cast<int>(m_info->columns.size())) throw shapeChanged();
    const int key = m_info->keyColumn;
    while (st.step()) {
        Row row;
        row.stamp = stamp;
        row.values.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) row.values.push_back(readColumn(st.get(), i, m_info->columns[static_cast<size_t>(i)].type));
        if (key >= 0) row.key = sqlite3_column_int64(st.get(), key);
        m_rows.push_back(std::move(row));
    }
    m_liveCount = size();
}

// ---- errors and checks ---------------------------------------------------------

void RecordsetImpl::requireOpen() const {
    if (!m_open) throw DaoError(DaoError::Code::General, "「" + name() + "」の一覧は閉じられています。");
}

void RecordsetImpl::requireUpdatable(const char* action) const {
    requireOpen();
    if (m_readOnlyDatabase)
        throw DaoError(DaoError::Code::ReadOnly, "ファイル「" + m_connection->path() + "」は読むためだけに開かれているため、「"
                                                     + name() + "」の行を" + action + "できません。");
    if (m_type == RecordsetType::Snapshot)
        throw DaoError(DaoError::Code::ReadOnly, "「" + name() + "」は読み出した写しのため、行を" + action + "できません。");
    if (!m_info->updatable())
        throw DaoError(DaoError::Code::ReadOnly, "「" + name() + "」のこの一覧からは、行を" + action + "できません。");
}

DaoError RecordsetImpl::noCurrentRecord() const {
    return DaoError(DaoError::Code::NoCurrentRecord, "「" + name() + "」に選ばれている行がありません。");
}

int RecordsetImpl::columnOf(const std::string& field) const {
    const int index = m_info->find(field);
    if (index < 0)
        throw DaoError(DaoError::Code::NoSuchField, "「" + name() + "」にフィールド「" + field + "」がありません（ファイル「"
                                                        + m_connection->path() + "」）。");
    return index;
}

// ---- the cache -------------------------------------------------------------------

bool RecordsetImpl::ensureFresh(long long index, int direction) {
    Row& row = m_rows[static_cast<size_t>(index)];
    if (row.deleted) return false;
    if (!keyed()) return true;
    if (row.stamp != m_connection->stamp()) refetchBlock(index, direction);
    return !row.deleted;
}

void RecordsetImpl::refetchBlock(long long index, int direction) {
    const std::uint64_t stamp = m_connection->stamp();
    std::vector<long long> block;
    for (long long i = index; i >= 0 && i < size() && static_cast<long long>(block.size()) < kBlockRows; i += direction) {
        const Row& row = m_rows[static_cast<size_t>(i)];
        if (!row.deleted && row.stamp != stamp) block.push_back(i);
    }
    std::string sql = "SELECT * FROM (" + m_info->selectSql + ") WHERE dao_rowid IN (";
    for (size_t i = 0; i < block.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";
    Statement st(m_connection->handle(), sql, name());
    std::unordered_multimap<std::int64_t, long long> wanted;
    for (size_t i = 0; i < block.size(); ++i) {
        const std::int64_t key = m_rows[static_cast<size_t>(block[i])].key;
        st.bind(static_cast<int>(i + 1), Value(static_cast<long long>(key)));
        wanted.emplace(key, block[i]);
    }
    const int count = st.columnCount();
    if (count != static_cast<int>(m_info->columns.size())) throw shapeChanged();
    const int keyColumn = m_info->keyColumn;
    std::vector<bool> found(block.size(), false);
    std::unordered_map<long long, size_t> slot;
    for (size_t i = 0; i < block.size(); ++i) slot.emplace(block[i], i);
    while (st.step()) {
        const std::int64_t key = sqlite3_column_int64(st.get(), keyColumn);
        auto [begin, end] = wanted.equal_range(key);
        for (auto it = begin; it != end; ++it) {
            Row& row = m_rows[static_cast<size_t>(it->second)];
            if (row.stamp == stamp) continue;
            row.values.clear();
            for (int c = 0; c < count; ++c) row.values.push_back(readColumn(st.get(), c, m_info->columns[static_cast<size_t>(c)].type));
            row.stamp = stamp;
            found[slot[it->second]] = true;
            break;
        }
    }
    std::vector<long long> missing;
    for (size_t i = 0; i < block.size(); ++i)
        if (!found[i]) missing.push_back(block[i]);
    if (!missing.empty()) readOutsideTheQuery(missing, stamp);
}

// Rows the query no longer yields: still in the base table (an edit or an
// added row outside the query's filter) they stay members and show their base
// columns; gone from the base table they were deleted elsewhere.
void RecordsetImpl::readOutsideTheQuery(const std::vector<long long>& indexes, std::uint64_t stamp) {
    std::unordered_map<std::int64_t, long long> byKey;
    for (long long index : indexes) byKey.emplace(m_rows[static_cast<size_t>(index)].key, index);
    if (!m_info->baseTable.empty()) {
        std::string sql = "SELECT rowid, * FROM " + quoteIdentifier(m_info->baseTable) + " WHERE rowid IN (";
        for (size_t i = 0; i < indexes.size(); ++i) sql += i ? ",?" : "?";
        sql += ")";
        Statement st(m_connection->handle(), sql, name());
        for (size_t i = 0; i < indexes.size(); ++i)
            st.bind(static_cast<int>(i + 1), Value(static_cast<long long>(m_rows[static_cast<size_t>(indexes[i])].key)));
        const int count = st.columnCount();
        while (st.step()) {
            auto it = byKey.find(sqlite3_column_int64(st.get(), 0));
            if (it == byKey.end()) continue;
            Row& row = m_rows[static_cast<size_t>(it->second)];
            for (int c = 1; c < count; ++c) {
                const int column = m_info->find(sqlite3_column_name(st.get(), c));
                if (column < 0 || !m_info->columns[static_cast<size_t>(column)].writable) continue;
                row.values[static_cast<size_t>(column)] =
                    readColumn(st.get(), c, m_info->columns[static_cast<size_t>(column)].type);
            }
            row.stamp = stamp;
            byKey.erase(it);
        }
    }
    for (const auto& [key, index] : byKey) {
        m_rows[static_cast<size_t>(index)].deleted = true;
        --m_liveCount;
    }
}

long long RecordsetImpl::nextLive(long long from, int direction) {
    for (long long i = from; i >= 0 && i < size(); i += direction)
        if (ensureFresh(i, direction)) return i;
    return direction > 0 ? size() : -1;
}

RecordsetImpl::Row& RecordsetImpl::currentRow() {
    requireOpen();
    if (m_position < 0 || m_position >= size()) throw noCurrentRecord();
    if (!ensureFresh(m_position, 1))
        throw DaoError(DaoError::Code::NoCurrentRecord, "選ばれている行は、他の画面かプログラムで削除されています（「" + name() + "」）。");
    return m_rows[static_cast<size_t>(m_position)];
}

// ---- fields ------------------------------------------------------------------------

Value RecordsetImpl::get(const std::string& field) {
    requireOpen();
    const int column = columnOf(field);
    if (m_editState != EditState::None) return m_buffer[static_cast<size_t>(column)];
    const Value& value = currentRow().values[static_cast<size_t>(column)];
    const ColumnInfo& info = m_info->columns[static_cast<size_t>(column)];
    if (const auto problem = storedValueProblem(value, info.type)) throw badStoredValue(column, *problem);
    if (const auto problem = domainProblem(info.domainRule, value, info.joined))
        throw badStoredValue(column, *problem);
    return value;
}

Value RecordsetImpl::getRequired(const std::string& field, const std::string& expected) {
    Value value = get(field);
    if (value.isNull() || (value.kind() == ValueKind::Text && value.toText().find_first_not_of(" \t") == std::string::npos))
        throw badStoredValue(columnOf(field), {DaoError::Code::TypeMismatch, "（" + expected + "のはずです）", true});
    return value;
}

// Names the file, the table, the row (its place in the list and its first
// fields) and the field, so that the user can find the value and put it right.
DaoError RecordsetImpl::badStoredValue(int column, const StoredValueProblem& problem) const {
    const ColumnInfo& bad = m_info->columns[static_cast<size_t>(column)];
    const Row& row = m_rows[static_cast<size_t>(m_position)];
    std::string identity;
    int shown = 0;
    for (size_t i = 0; i < m_info->columns.size() && shown < 2; ++i) {
        const ColumnInfo& info = m_info->columns[i];
        if (info.hidden || static_cast<int>(i) == column || storedValueProblem(row.values[i], info.type)
            || domainProblem(info.domainRule, row.values[i], info.joined))
            continue;
        const std::string text = row.values[i].toText();
        if (text.empty()) continue;
        identity += (shown++ ? "、" : "") + info.name + " " + shortened(text);
    }
    const std::string table = bad.table.empty() ? name() : userName(bad.table);
    return DaoError(problem.code,
                    "ファイル「" + m_connection->path() + "」の「" + table + "」の " + std::to_string(AbsolutePosition() + 1)
                        + " 行目" + (identity.empty() ? "" : "（" + identity + "）") + "で、フィールド「" + bad.name
                        + (problem.empty ? "」が空です"
                                         : "」の値「" + shortened(row.values[static_cast<size_t>(column)].toText()) + "」")
                        + problem.text + "。この値を直してから、もう一度開いてください。");
}

DaoError RecordsetImpl::shapeChanged() const {
    return DaoError(DaoError::Code::General, "ファイル「" + m_connection->path() + "」の「" + name()
                                                 + "」の形が他のプログラムで変えられました。画面を開き直してください。");
}

void RecordsetImpl::set(const std::string& field, const Value& value) {
    requireOpen();
    const int column = columnOf(field);
    if (m_editState == EditState::None)
        throw DaoError(DaoError::Code::General, "フィールド「" + field + "」に書き込む前に AddNew か Edit が必要です（「" + name() + "」）。");
    const ColumnInfo& info = m_info->columns[static_cast<size_t>(column)];
    if (!info.writable)
        throw DaoError(DaoError::Code::ReadOnly, "フィールド「" + info.name + "」は他の表から引いた項目のため、「" + name()
                                                     + "」からは書き込めません。");
    m_buffer[static_cast<size_t>(column)] = convertForColumn(value, info, name());
    m_dirty[static_cast<size_t>(column)] = true;
}

std::vector<std::string> RecordsetImpl::fieldNames() const {
    std::vector<std::string> names;
    for (const auto& column : m_info->columns)
        if (!column.hidden) names.push_back(column.name);
    return names;
}

bool RecordsetImpl::hasField(const std::string& field) const { return m_info->find(field) >= 0; }

// ---- writing -------------------------------------------------------------------------

void RecordsetImpl::AddNew() {
    requireUpdatable("追加");
    leaveEdit();
    m_buffer.assign(m_info->columns.size(), Value());
    m_dirty.assign(m_info->columns.size(), false);
    m_editState = EditState::AddNew;
}

void RecordsetImpl::Edit() {
    requireUpdatable("修正");
    leaveEdit();
    m_buffer = currentRow().values;
    m_dirty.assign(m_info->columns.size(), false);
    m_editState = EditState::Edit;
}

void RecordsetImpl::Update() {
    requireOpen();
    if (m_editState == EditState::None)
        throw DaoError(DaoError::Code::General, "Update の前に AddNew か Edit が必要です（「" + name() + "」）。");
    std::vector<std::string> names;
    std::vector<Value> params;
    for (size_t i = 0; i < m_info->columns.size(); ++i) {
        if (!m_dirty[i]) continue;
        names.push_back(quoteIdentifier(m_info->columns[i].name));
        params.push_back(storedForm(m_buffer[i], m_info->columns[i].type));
    }
    const std::string table = quoteIdentifier(m_info->baseTable);
    if (m_editState == EditState::AddNew) {
        std::string sql = "INSERT INTO " + table;
        if (names.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            std::string columns, marks;
            for (size_t i = 0; i < names.size(); ++i) {
                columns += (i ? "," : "") + names[i];
                marks += i ? ",?" : "?";
            }
            sql += " (" + columns + ") VALUES (" + marks + ")";
        }
        m_connection->execute(sql, params, userName(m_info->baseTable), true);
        Row row;
        row.key = sqlite3_last_insert_rowid(m_connection->handle());
        row.stamp = 0;  // read when the recordset moves onto it
        row.values = m_buffer;
        const bool atEnd = m_position >= size();
        m_rows.push_back(std::move(row));
        ++m_liveCount;
        if (atEnd) m_position = size();
        m_lastModified = Bookmark{size() - 1};
    } else {
        if (!names.empty()) {
            Row& row = m_rows[static_cast<size_t>(m_position)];
            std::string sql = "UPDATE " + table + " SET ";
            for (size_t i = 0; i < names.size(); ++i) sql += (i ? "," : "") + names[i] + "=?";
            sql += " WHERE rowid=?";
            params.emplace_back(static_cast<long long>(row.key));
            if (m_connection->execute(sql, params, userName(m_info->baseTable), true) == 0)
                throw DaoError(DaoError::Code::NoCurrentRecord, "直そうとした行は、他の画面かプログラムで削除されています（「"
                                                                    + name() + "」）。何も書き込んでいません。");
            row.stamp = 0;
        }
        m_lastModified = Bookmark{m_position};
    }
    leaveEdit();
}

void RecordsetImpl::CancelUpdate() {
    requireOpen();
    leaveEdit();
}

void RecordsetImpl::Delete() {
    requireUpdatable("削除");
    Row& row = currentRow();
    leaveEdit();
    const long long deleted = m_connection->execute("DELETE FROM " + quoteIdentifier(m_info->baseTable) + " WHERE rowid=?",
                                                    {Value(static_cast<long long>(row.key))}, userName(m_info->baseTable), true);
    row.deleted = true;
    --m_liveCount;
    if (deleted == 0)
        throw DaoError(DaoError::Code::NoCurrentRecord,
                       "削除しようとした行は、他の画面かプログラムですでに削除されています（「" + name() + "」）。");
}

// ---- moving ----------------------------------------------------------------------------

void RecordsetImpl::MoveFirst() {
    requireOpen();
    leaveEdit();
    const long long first = nextLive(0, 1);
    m_position = first < size() ? first : -1;
}

void RecordsetImpl::MoveLast() {
    requireOpen();
    leaveEdit();
    const long long last = nextLive(size() - 1, -1);
    m_position = last >= 0 ? last : size();
}

void RecordsetImpl::MoveNext() {
    requireOpen();
    if (m_position >= size()) throw noCurrentRecord();
    leaveEdit();
    m_position = nextLive(m_position + 1, 1);
}

void RecordsetImpl::MovePrevious() {
    requireOpen();
    if (m_position < 0) throw noCurrentRecord();
    leaveEdit();
    m_position = nextLive(m_position - 1, -1);
}

void RecordsetImpl::Move(long long rows) {
    requireOpen();
    if (rows == 0) {
        currentRow();
        return;
    }
    if ((rows > 0 && m_position >= size()) || (rows < 0 && m_position < 0)) throw noCurrentRecord();
    leaveEdit();
    const int direction = rows > 0 ? 1 : -1;
    for (long long step = 0; step < (rows > 0 ? rows : -rows); ++step) {
        m_position = nextLive(m_position + direction, direction);
        if (m_position < 0 || m_position >= size()) break;
    }
}

bool RecordsetImpl::BOF() const { return m_position < 0 || m_liveCount == 0; }
bool RecordsetImpl::EOF_() const { return m_position >= size() || m_liveCount == 0; }
long long RecordsetImpl::RecordCount() const { return m_liveCount; }

long long RecordsetImpl::AbsolutePosition() const {
    if (m_position < 0 || m_position >= size() || m_rows[static_cast<size_t>(m_position)].deleted) return -1;
    long long live = 0;
    for (long long i = 0; i < m_position; ++i)
        if (!m_rows[static_cast<size_t>(i)].deleted) ++live;
    return live;
}

// ---- finding -------------------------------------------------------------------------

void RecordsetImpl::find(FindFrom from, const Criteria& criteria) {
    requireOpen();
    for (const auto& field : criteria.fieldNames()) columnOf(field);
    leaveEdit();
    long long start = 0;
    int direction = 1;
    switch (from) {
    case FindFrom::First: start = 0; break;
    case FindFrom::Last: start = size() - 1; direction = -1; break;
    case FindFrom::Next: start = m_position < 0 ? 0 : m_position + 1; break;
    case FindFrom::Previous: start = (m_position >= size() ? size() : m_position) - 1; direction = -1; break;
    }
    for (long long i = nextLive(start, direction); i >= 0 && i < size(); i = nextLive(i + direction, direction)) {
        const auto& values = m_rows[static_cast<size_t>(i)].values;
        const bool match = criteria.matches([&](const std::string& field) {
            return values[static_cast<size_t>(columnOf(field))];
        });
        if (match) {
            m_position = i;
            m_noMatch = false;
            return;
        }
    }
    m_noMatch = true;  // the position stays where it was
}

void RecordsetImpl::findEqual(const std::string& field, const Value& equals) {
    requireOpen();
    const auto column = static_cast<size_t>(columnOf(field));
    leaveEdit();
    for (long long i = nextLive(0, 1); i < size(); i = nextLive(i + 1, 1)) {
        const auto order = compareValues(m_rows[static_cast<size_t>(i)].values[column], equals);
        if (order && *order == 0) {
            m_position = i;
            m_noMatch = false;
            return;
        }
    }
    m_noMatch = true;
}

// ---- bookmarks and closing ---------------------------------------------------------------

Bookmark RecordsetImpl::getBookmark() {
    currentRow();
    return Bookmark{m_position};
}

void RecordsetImpl::setBookmark(const Bookmark& b) {
    requireOpen();
    if (b.index < 0 || b.index >= size())
        throw DaoError(DaoError::Code::General, "ブックマークが正しくありません（「" + name() + "」）。");
    leaveEdit();
    if (!ensureFresh(b.index, 1))
        throw DaoError(DaoError::Code::NoCurrentRecord, "ブックマークの行は、他の画面かプログラムで削除されています（「" + name() + "」）。");
    m_position = b.index;
}

void RecordsetImpl::Close() {
    m_open = false;
    leaveEdit();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_position = -1;
    m_liveCount = 0;
    m_connection.reset();
}

}  // namespace dao
