#include "RecordsetImpl.h"

#include "ColumnConversion.h"
#include "Connection.h"
#include "Criteria.h"
#include "FailureText.h"
#include "StoredValueRefusal.h"
#include "ValueDomains.h"

#include <sqlite3.h>

#include <algorithm>
#include <unordered_map>

namespace dao {

namespace {
constexpr long long kBlockRows = 256;
}  // namespace

RecordsetImpl::RecordsetImpl(std::shared_ptr<Connection> connection, std::shared_ptr<const ObjectInfo> info,
                             RecordsetType type, bool readOnlyDatabase, bool keysAtFirstWalk, Statement* described)
    : m_connection(std::move(connection)), m_info(std::move(info)), m_type(type), m_readOnlyDatabase(readOnlyDatabase)
{
    if (keyed() && keysAtFirstWalk)
        m_keysPending = true;
    else if (keyed())
        loadKeys(described);
    else
        loadAll(described);
    m_position = m_size == 0 ? -1 : 0;
}

// The membership only: the values are read as the rows are visited.
void RecordsetImpl::loadKeys(Statement* described)
{
    // The source as it is now must still have the columns it was described with.
    std::unique_ptr<Statement> prepared;
    if (!described) {
        prepared = std::make_unique<Statement>(m_connection->handle(), m_info->selectSql, name());
        described = prepared.get();
    }
    if (described->columnCount() != static_cast<int>(m_info->columns.size()))
        throw shapeChanged();
    prepared.reset();
    Statement st(m_connection->handle(), "SELECT dao_rowid FROM (" + m_info->selectSql + ")", name());
    while (st.step())
        m_keys.push_back(sqlite3_column_int64(st.get(), 0));
    // As many keys as there are rows, and room for the rows of a few saves
    // (rows added through the recordset come at its end).
    m_keys.shrink_to_fit();
    m_keys.reserve(m_keys.size() + 1024);
    m_size = static_cast<long long>(m_keys.size());
    m_deleted.reserve(m_keys.capacity());
    m_deleted.assign(m_keys.size(), false);
    m_liveCount = m_size;
}

void RecordsetImpl::ensureKeys()
{
    if (!m_keysPending)
        return;
    m_keysPending = false;
    loadKeys();
    m_position = m_size == 0 ? -1 : 0;
}

// The membership from the rows the walk reads: the recordset stands on each
// row as soon as its key is taken. A walk that fails leaves no keys taken, so
// that the next use reads them whole.
void RecordsetImpl::walkTakingKeys(const std::function<void()>& visit)
{
    m_keysPending = false;
    Statement st(m_connection->handle(), "SELECT * FROM (" + m_info->selectSql + ")", name());
    if (st.columnCount() != static_cast<int>(m_info->columns.size()))
        throw shapeChanged();
    const int keyColumn = m_info->keyColumn;
    try {
        while (st.step()) {
            m_keys.push_back(sqlite3_column_int64(st.get(), keyColumn));
            m_deleted.push_back(false);
            ++m_size;
            ++m_liveCount;
            m_position = m_size - 1;
            m_checkedPosition = -1;
            m_walkRow = st.get();
            visit();
            m_walkRow = nullptr;
        }
    } catch (...) {
        m_walkRow = nullptr;
        m_keys = {};
        m_deleted = {};
        m_cache.clear();
        m_size = m_liveCount = 0;
        m_position = -1;
        m_keysPending = true;
        throw;
    }
    // Room for the rows of a few saves, as after a load of the keys alone.
    m_keys.reserve(m_keys.size() + 1024);
    m_deleted.reserve(m_keys.capacity());
    m_position = m_size;
}

void RecordsetImpl::loadAll(Statement* described)
{
    const std::uint64_t stamp = m_connection->stamp();
    std::unique_ptr<Statement> prepared;
    if (!described) {
        prepared = std::make_unique<Statement>(m_connection->handle(), m_info->selectSql, name());
        described = prepared.get();
    }
    Statement& st = *described;
    const int count = st.columnCount();
    if (count != static_cast<int>(m_info->columns.size()))
        throw shapeChanged();
    while (st.step()) {
        Row row;
        row.stamp = stamp;
        row.values.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            row.values.push_back(readColumn(st.get(), i, m_info->columns[static_cast<size_t>(i)].type));
        m_held.push_back(std::move(row));
    }
    m_held.shrink_to_fit();
    m_size = static_cast<long long>(m_held.size());
    m_liveCount = m_size;
}

// ---- errors and checks ---------------------------------------------------------

void RecordsetImpl::requireOpen() const
{
    if (!m_open)
        throw DaoError(DaoError::Code::General, "「" + name() + "」の一覧は閉じられています。");
}

void RecordsetImpl::requireUpdatable(const char* action) const
{
    requireOpen();
    if (m_readOnlyDatabase)
        throw DaoError(DaoError::Code::ReadOnly,
                       "ファイル「" + m_connection->path() + "」は読むためだけに開かれているため、「" + name()
                           + "」の行を" + action + "できません。");
    if (m_type == RecordsetType::Snapshot)
        throw DaoError(DaoError::Code::ReadOnly,
                       "「" + name() + "」は読み出した写しのため、行を" + action + "できません。");
    if (!m_info->updatable())
        throw DaoError(DaoError::Code::ReadOnly, "「" + name() + "」のこの一覧からは、行を" + action + "できません。");
}

DaoError RecordsetImpl::vanishedCurrentRow() const
{
    return DaoError(DaoError::Code::NoCurrentRecord,
                    "選ばれている行は、他の画面かプログラムで削除されています（「" + name() + "」）。");
}

DaoError RecordsetImpl::noCurrentRecord() const
{
    return DaoError(DaoError::Code::NoCurrentRecord, "「" + name() + "」に選ばれている行がありません。");
}

int RecordsetImpl::columnOf(const std::string& field) const
{
    const int index = m_info->find(field);
    if (index < 0)
        throw DaoError(DaoError::Code::NoSuchField,
                       "「" + name() + "」にフィールド「" + field + "」がありません（ファイル「"
                           + m_connection->storedIn() + "」）。");
    return index;
}

// ---- the cache -------------------------------------------------------------------

namespace {
// Rows kept read at most: a walk over the whole source holds no more than this.
constexpr size_t kCachedRows = 4096;
}  // namespace

void RecordsetImpl::markDeleted(long long index)
{
    if (!keyed() || m_deleted[static_cast<size_t>(index)])
        return;
    m_deleted[static_cast<size_t>(index)] = true;
    m_cache.erase(index);
    --m_liveCount;
}

const RecordsetImpl::Row* RecordsetImpl::cached(long long index) const
{
    const auto found = m_cache.find(index);
    if (found == m_cache.end() || !m_connection->unchangedSince(found->second.stamp, m_info->readTables))
        return nullptr;
    return &found->second;
}

bool RecordsetImpl::ensureFresh(long long index, int direction)
{
    if (!keyed())
        return true;
    if (m_deleted[static_cast<size_t>(index)])
        return false;
    m_connection->stamp();
    const auto found = m_cache.find(index);
    if (found == m_cache.end() || !m_connection->unchangedSince(found->second.stamp, m_info->readTables))
        refetchBlock(index, direction);
    return !m_deleted[static_cast<size_t>(index)];
}

RecordsetImpl::Row& RecordsetImpl::rowAt(long long index)
{
    if (!keyed())
        return m_held[static_cast<size_t>(index)];
    return m_cache[index];
}

void RecordsetImpl::refetchBlock(long long index, int direction)
{
    const std::uint64_t stamp = m_connection->stamp();
    std::vector<long long> block;
    for (long long i = index; i >= 0 && i < size() && static_cast<long long>(block.size()) < kBlockRows;
         i += direction) {
        if (m_deleted[static_cast<size_t>(i)])
            continue;
        const auto found = m_cache.find(i);
        if (found == m_cache.end() || !m_connection->unchangedSince(found->second.stamp, m_info->readTables))
            block.push_back(i);
    }
    // Rows read for an earlier part of a walk make room for this block.
    if (m_cache.size() + block.size() > kCachedRows)
        m_cache.clear();
    // One statement for every block, prepared once (the source is a query
    // that costs more to prepare than a block costs to read); the places a
    // short block leaves are null and match nothing. It is reset after each
    // block, so it holds no read transaction between calls.
    if (!m_blockStatement) {
        std::string sql = "SELECT * FROM (" + m_info->selectSql + ") WHERE dao_rowid IN (";
        for (long long i = 0; i < kBlockRows; ++i)
            sql += i ? ",?" : "?";
        m_blockStatement = std::make_unique<Statement>(m_connection->handle(), sql + ")", name());
    }
    Statement& st = *m_blockStatement;
    struct ResetAfterUse {
        sqlite3_stmt* statement;
        ~ResetAfterUse()
        {
            sqlite3_reset(statement);
            sqlite3_clear_bindings(statement);
        }
    } resetAfterUse{st.get()};
    std::unordered_multimap<std::int64_t, long long> wanted;
    for (size_t i = 0; i < block.size(); ++i) {
        const std::int64_t key = m_keys[static_cast<size_t>(block[i])];
        sqlite3_bind_int64(st.get(), static_cast<int>(i + 1), key);
        wanted.emplace(key, block[i]);
    }
    const int count = st.columnCount();
    if (count != static_cast<int>(m_info->columns.size()))
        throw shapeChanged();
    const int keyColumn = m_info->keyColumn;
    std::unordered_map<long long, bool> found;
    for (long long i : block)
        found.emplace(i, false);
    while (st.step()) {
        const std::int64_t key = sqlite3_column_int64(st.get(), keyColumn);
        auto [begin, end] = wanted.equal_range(key);
        for (auto it = begin; it != end; ++it) {
            bool& seen = found[it->second];
            if (seen)
                continue;
            Row& row = m_cache[it->second];
            row.values.clear();
            row.values.reserve(static_cast<size_t>(count));
            for (int c = 0; c < count; ++c)
                row.values.push_back(readColumn(st.get(), c, m_info->columns[static_cast<size_t>(c)].type));
            row.stamp = stamp;
            seen = true;
            break;
        }
    }
    std::vector<long long> missing;
    for (long long i : block)
        if (!found[i])
            missing.push_back(i);
    if (!missing.empty())
        readOutsideTheQuery(missing, stamp);
}

// Rows the query no longer yields: still in the base table (an edit or an
// added row outside the query's filter) they stay members and show their base
// columns; gone from the base table they were deleted elsewhere.
void RecordsetImpl::readOutsideTheQuery(const std::vector<long long>& indexes, std::uint64_t stamp)
{
    std::unordered_map<std::int64_t, long long> byKey;
    for (long long index : indexes)
        byKey.emplace(m_keys[static_cast<size_t>(index)], index);
    if (!m_info->baseTable.empty()) {
        std::string sql = "SELECT rowid, * FROM " + quoteIdentifier(m_info->baseTable) + " WHERE rowid IN (";
        for (size_t i = 0; i < indexes.size(); ++i)
            sql += i ? ",?" : "?";
        sql += ")";
        Statement st(m_connection->handle(), sql, name());
        for (size_t i = 0; i < indexes.size(); ++i)
            st.bind(static_cast<int>(i + 1), Value(static_cast<long long>(m_keys[static_cast<size_t>(indexes[i])])));
        const int count = st.columnCount();
        while (st.step()) {
            auto it = byKey.find(sqlite3_column_int64(st.get(), 0));
            if (it == byKey.end())
                continue;
            Row& row = m_cache[it->second];
            // A row read before keeps its joined values; one not read has none.
            if (row.values.size() != m_info->columns.size())
                row.values.assign(m_info->columns.size(), Value());
            for (int c = 1; c < count; ++c) {
                const int column = m_info->find(sqlite3_column_name(st.get(), c));
                if (column < 0 || !m_info->columns[static_cast<size_t>(column)].writable)
                    continue;
                row.values[static_cast<size_t>(column)] =
                    readColumn(st.get(), c, m_info->columns[static_cast<size_t>(column)].type);
            }
            row.stamp = stamp;
            byKey.erase(it);
        }
    }
    for (const auto& [key, index] : byKey)
        markDeleted(index);
}

long long RecordsetImpl::nextLive(long long from, int direction)
{
    ensureKeys();
    for (long long i = from; i >= 0 && i < size(); i += direction)
        if (ensureFresh(i, direction))
            return i;
    return direction > 0 ? size() : -1;
}

RecordsetImpl::Row& RecordsetImpl::currentRow()
{
    ensureKeys();
    requireOpen();
    if (m_position < 0 || m_position >= size())
        throw noCurrentRecord();
    if (!ensureFresh(m_position, 1))
        throw vanishedCurrentRow();
    return rowAt(m_position);
}

// ---- fields ------------------------------------------------------------------------

Value RecordsetImpl::get(const std::string& field)
{
    requireOpen();
    return get(columnOf(field));
}

void RecordsetImpl::requireField(int column) const
{
    requireOpen();
    if (column < 0 || column >= static_cast<int>(m_info->columns.size())
        || m_info->columns[static_cast<size_t>(column)].hidden)
        throw DaoError(DaoError::Code::NoSuchField,
                       "「" + name() + "」に " + std::to_string(column + 1)
                           + " 番目のフィールドがありません（ファイル「" + m_connection->storedIn() + "」）。");
}

void RecordsetImpl::getText(int column, std::string& text)
{
    requireField(column);
    const ColumnInfo& info = m_info->columns[static_cast<size_t>(column)];
    // A text a one-pass walk stands on, in a field that takes any text, is
    // what get would give: it is copied straight from the statement.
    if (m_walkRow && m_editState == EditState::None && info.domainRule < 0
        && (info.type == ColumnType::Text || info.type == ColumnType::Unknown)
        && sqlite3_column_type(m_walkRow, column) == SQLITE_TEXT) {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_walkRow, column));
        text.assign(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(m_walkRow, column)));
        return;
    }
    text = get(column).toText();
}

Value RecordsetImpl::get(int column)
{
    requireField(column);
    if (m_editState != EditState::None)
        return m_buffer[static_cast<size_t>(column)];
    const ColumnInfo& info = m_info->columns[static_cast<size_t>(column)];
    if (m_walkRow) {
        // A one-pass walk: the row as the walk's statement reads it now.
        Value value = readColumn(m_walkRow, column, info.type);
        if (const auto problem = storedValueProblem(value, info.type))
            throw badStoredValue(column, *problem);
        if (const auto problem = domainProblem(info.domainRule, value, info.joined))
            throw badStoredValue(column, *problem);
        return value;
    }
    // The first field read of a row after a move looks for other programs'
    // writes; the reads that follow use the row as read under the stamp then known.
    const Row* row = m_position == m_checkedPosition && keyed() ? cached(m_position) : nullptr;
    if (!row) {
        row = &currentRow();
        m_checkedPosition = m_position;
    }
    const Value& value = row->values[static_cast<size_t>(column)];
    if (const auto problem = storedValueProblem(value, info.type))
        throw badStoredValue(column, *problem);
    if (const auto problem = domainProblem(info.domainRule, value, info.joined))
        throw badStoredValue(column, *problem);
    return value;
}

Value RecordsetImpl::getRequired(const std::string& field, const std::string& expected)
{
    Value value = get(field);
    if (value.isNull()
        || (value.kind() == ValueKind::Text && value.toText().find_first_not_of(" \t") == std::string::npos))
        throw badStoredValue(columnOf(field), {DaoError::Code::TypeMismatch, "（" + expected + "のはずです）", true});
    return value;
}

// Names the file, the table, the row (its place in the list and its first
// fields) and the field, so that the user can find the value and put it right.
DaoError RecordsetImpl::badStoredValue(int column, const StoredValueProblem& problem)
{
    const ColumnInfo& bad = m_info->columns[static_cast<size_t>(column)];
    const Row& row = currentRow();
    const std::string table = bad.table.empty() ? name() : userName(bad.table);
    return StoredValueRefusal(m_connection->storedIn(), table, AbsolutePosition() + 1, m_info->columns, row.values,
                              column, problem);
}

DaoError RecordsetImpl::shapeChanged() const
{
    return DaoError(DaoError::Code::General,
                    "ファイル「" + m_connection->storedIn() + "」の「" + name()
                        + "」の形が他のプログラムで変えられました。画面を開き直してください。");
}

void RecordsetImpl::set(const std::string& field, const Value& value)
{
    requireOpen();
    const int column = columnOf(field);
    if (m_editState == EditState::None)
        throw DaoError(DaoError::Code::General,
                       "フィールド「" + field + "」に書き込む前に AddNew か Edit が必要です（「" + name() + "」）。");
    const ColumnInfo& info = m_info->columns[static_cast<size_t>(column)];
    if (!info.writable)
        throw DaoError(DaoError::Code::ReadOnly,
                       "フィールド「" + info.name + "」は他の表から引いた項目のため、「" + name()
                           + "」からは書き込めません。");
    m_buffer[static_cast<size_t>(column)] = convertForColumn(value, info, name());
    m_dirty[static_cast<size_t>(column)] = true;
}

std::vector<std::string> RecordsetImpl::fieldNames() const
{
    std::vector<std::string> names;
    for (const auto& column : m_info->columns)
        if (!column.hidden)
            names.push_back(column.name);
    return names;
}

bool RecordsetImpl::hasField(const std::string& field) const
{
    return m_info->find(field) >= 0;
}

// ---- writing -------------------------------------------------------------------------

void RecordsetImpl::AddNew()
{
    ensureKeys();
    requireUpdatable("追加");
    leaveEdit();
    m_buffer.assign(m_info->columns.size(), Value());
    m_dirty.assign(m_info->columns.size(), false);
    m_editState = EditState::AddNew;
}

void RecordsetImpl::Edit()
{
    requireUpdatable("修正");
    leaveEdit();
    m_buffer = currentRow().values;
    m_dirty.assign(m_info->columns.size(), false);
    m_editState = EditState::Edit;
}

void RecordsetImpl::Update()
{
    requireOpen();
    if (m_editState == EditState::None)
        throw DaoError(DaoError::Code::General, "Update の前に AddNew か Edit が必要です（「" + name() + "」）。");
    std::vector<std::string> names;
    std::vector<Value> params;
    for (size_t i = 0; i < m_info->columns.size(); ++i) {
        if (!m_dirty[i])
            continue;
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
        // The added row is read when the recordset moves onto it.
        const bool atEnd = m_position >= size();
        m_keys.push_back(sqlite3_last_insert_rowid(m_connection->handle()));
        m_deleted.push_back(false);
        ++m_size;
        ++m_liveCount;
        if (atEnd)
            m_position = size();
        m_lastModified = Bookmark{size() - 1};
    } else {
        if (!names.empty()) {
            std::string sql = "UPDATE " + table + " SET ";
            for (size_t i = 0; i < names.size(); ++i)
                sql += (i ? "," : "") + names[i] + "=?";
            sql += " WHERE rowid=?";
            params.emplace_back(static_cast<long long>(m_keys[static_cast<size_t>(m_position)]));
            if (m_connection->execute(sql, params, userName(m_info->baseTable), true) == 0)
                throw DaoError(DaoError::Code::NoCurrentRecord,
                               "直そうとした行は、他の画面かプログラムで削除されています（「" + name()
                                   + "」）。何も書き込んでいません。");
            m_cache.erase(m_position);
        }
        m_lastModified = Bookmark{m_position};
    }
    leaveEdit();
}

void RecordsetImpl::CancelUpdate()
{
    requireOpen();
    leaveEdit();
}

void RecordsetImpl::Delete()
{
    requireUpdatable("削除");
    currentRow();
    leaveEdit();
    const std::int64_t key = m_keys[static_cast<size_t>(m_position)];
    const long long deleted =
        m_connection->execute("DELETE FROM " + quoteIdentifier(m_info->baseTable) + " WHERE rowid=?",
                              {Value(static_cast<long long>(key))}, userName(m_info->baseTable), true);
    markDeleted(m_position);
    if (deleted == 0)
        throw DaoError(DaoError::Code::NoCurrentRecord,
                       "削除しようとした行は、他の画面かプログラムですでに削除されています（「" + name() + "」）。");
}

// ---- moving ----------------------------------------------------------------------------

void RecordsetImpl::MoveFirst()
{
    ensureKeys();
    requireOpen();
    leaveEdit();
    const long long first = nextLive(0, 1);
    m_position = first < size() ? first : -1;
}

void RecordsetImpl::MoveLast()
{
    ensureKeys();
    requireOpen();
    leaveEdit();
    const long long last = nextLive(size() - 1, -1);
    m_position = last >= 0 ? last : size();
}

void RecordsetImpl::MoveNext()
{
    ensureKeys();
    requireOpen();
    if (m_position >= size())
        throw noCurrentRecord();
    leaveEdit();
    m_position = nextLive(m_position + 1, 1);
}

void RecordsetImpl::MovePrevious()
{
    ensureKeys();
    requireOpen();
    if (m_position < 0)
        throw noCurrentRecord();
    leaveEdit();
    m_position = nextLive(m_position - 1, -1);
}

void RecordsetImpl::Move(long long rows)
{
    ensureKeys();
    requireOpen();
    if (rows == 0) {
        currentRow();
        return;
    }
    if ((rows > 0 && m_position >= size()) || (rows < 0 && m_position < 0))
        throw noCurrentRecord();
    leaveEdit();
    const int direction = rows > 0 ? 1 : -1;
    for (long long step = 0; step < (rows > 0 ? rows : -rows); ++step) {
        m_position = nextLive(m_position + direction, direction);
        if (m_position < 0 || m_position >= size())
            break;
    }
}

void RecordsetImpl::forEachRow(const std::function<void()>& visit)
{
    requireOpen();
    leaveEdit();
    if (m_keysPending) {
        walkTakingKeys(visit);
        return;
    }
    long long index = keyed() ? walkInOnePass(visit) : 0;
    for (index = nextLive(index, 1); index < size(); index = nextLive(index + 1, 1)) {
        m_position = index;
        m_checkedPosition = -1;
        visit();
    }
    m_position = size();
}

long long RecordsetImpl::walkInOnePass(const std::function<void()>& visit)
{
    Statement st(m_connection->handle(), "SELECT * FROM (" + m_info->selectSql + ")", name());
    if (st.columnCount() != static_cast<int>(m_info->columns.size()))
        throw shapeChanged();
    // The statement is finalized, and the row no longer read through it, when
    // the walk goes on by key or a visit throws.
    struct Walking {
        sqlite3_stmt*& row;
        ~Walking() { row = nullptr; }
    } walking{m_walkRow};
    const int keyColumn = m_info->keyColumn;
    long long index = 0;
    while (true) {
        while (index < size() && m_deleted[static_cast<size_t>(index)])
            ++index;
        if (index >= size() || !st.step())
            return index;
        if (sqlite3_column_int64(st.get(), keyColumn) != m_keys[static_cast<size_t>(index)])
            return index;
        m_position = index;
        m_checkedPosition = -1;
        m_walkRow = st.get();
        visit();
        m_walkRow = nullptr;
        ++index;
    }
}

bool RecordsetImpl::BOF()
{
    ensureKeys();
    return m_position < 0 || m_liveCount == 0;
}
bool RecordsetImpl::EOF_()
{
    ensureKeys();
    return m_position >= size() || m_liveCount == 0;
}
long long RecordsetImpl::RecordCount()
{
    ensureKeys();
    return m_liveCount;
}

long long RecordsetImpl::AbsolutePosition()
{
    ensureKeys();
    if (m_position < 0 || m_position >= size() || isDeleted(m_position))
        return -1;
    if (!keyed() || m_liveCount == size())
        return m_position;
    return m_position - static_cast<long long>(std::count(m_deleted.begin(), m_deleted.begin() + m_position, true));
}

// ---- finding -------------------------------------------------------------------------

void RecordsetImpl::find(FindFrom from, const Criteria& criteria)
{
    ensureKeys();
    requireOpen();
    for (const auto& field : criteria.fieldNames())
        columnOf(field);
    leaveEdit();
    long long start = 0;
    int direction = 1;
    switch (from) {
    case FindFrom::First: start = 0; break;
    case FindFrom::Last:
        start = size() - 1;
        direction = -1;
        break;
    case FindFrom::Next: start = m_position < 0 ? 0 : m_position + 1; break;
    case FindFrom::Previous:
        start = (m_position >= size() ? size() : m_position) - 1;
        direction = -1;
        break;
    }
    for (long long i = nextLive(start, direction); i >= 0 && i < size(); i = nextLive(i + direction, direction)) {
        const auto& values = rowAt(i).values;
        const bool match =
            criteria.matches([&](const std::string& field) { return values[static_cast<size_t>(columnOf(field))]; });
        if (match) {
            m_position = i;
            m_noMatch = false;
            return;
        }
    }
    m_noMatch = true;  // the position stays where it was
}

void RecordsetImpl::findEqual(const std::string& field, const Value& equals)
{
    requireOpen();
    const auto column = static_cast<size_t>(columnOf(field));
    leaveEdit();
    for (long long i = nextLive(0, 1); i < size(); i = nextLive(i + 1, 1)) {
        const auto order = compareValues(rowAt(i).values[column], equals);
        if (order && *order == 0) {
            m_position = i;
            m_noMatch = false;
            return;
        }
    }
    m_noMatch = true;
}

// ---- bookmarks and closing ---------------------------------------------------------------

Bookmark RecordsetImpl::getBookmark()
{
    currentRow();
    return Bookmark{m_position};
}

void RecordsetImpl::setBookmark(const Bookmark& b)
{
    ensureKeys();
    requireOpen();
    if (b.index < 0 || b.index >= size())
        throw DaoError(DaoError::Code::General, "ブックマークが正しくありません（「" + name() + "」）。");
    leaveEdit();
    if (!ensureFresh(b.index, 1))
        throw DaoError(DaoError::Code::NoCurrentRecord,
                       "ブックマークの行は、他の画面かプログラムで削除されています（「" + name() + "」）。");
    m_position = b.index;
}

void RecordsetImpl::Close()
{
    m_open = false;
    m_keysPending = false;
    m_blockStatement.reset();
    leaveEdit();
    m_keys = {};
    m_deleted = {};
    m_cache = {};
    m_held = {};
    m_size = 0;
    m_position = -1;
    m_liveCount = 0;
    m_connection.reset();
}

}  // namespace dao
