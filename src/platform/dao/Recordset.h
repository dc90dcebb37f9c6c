#pragma once
// A recordset on a table, a saved query or an SQL text.
//
//  - Dynaset: its membership (the rows' keys) is fixed when it opens; moving onto
//    a row shows that row's current values; rows added through it come at its
//    end; a row deleted elsewhere is skipped. Writes reach the base table; the
//    joined columns of a saved query are read-only.
//  - Snapshot: a copy of the rows taken at open; read-only.
//  - Table: a dynaset on a table, in the table's stored order.
//
// No SQLite statement or read transaction stays open between two calls, so an
// open recordset never blocks a write made elsewhere.
//
// A failed Find leaves the current row where it was (NoMatch() is then true).

#include "DaoError.h"
#include "Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dao {

class Recordset;
class RecordsetImpl;

// A position that can be returned to later; valid for the recordset that gave it.
struct Bookmark {
    std::int64_t index = -1;
    bool operator==(const Bookmark&) const = default;
};

// One field of the current row, by name: read it, or assign to it between
// AddNew/Edit and Update.
class Field {
public:
    Field(Recordset& rs, std::string name) : m_rs(&rs), m_name(std::move(name)) {}
    Value value() const;
    operator Value() const { return value(); }
    Field& operator=(const Value& v);
    Field& operator=(const Field& other) { return *this = other.value(); }

    // shorthands
    bool isNull() const { return value().isNull(); }
    std::string toText() const { return value().toText(); }
    std::int32_t toInt32() const { return value().toInt32(); }
    double toDouble() const { return value().toDouble(); }
    bool toBool() const { return value().toBool(); }
    std::optional<Date> toDate() const { return value().toDate(); }
    const std::string& name() const { return m_name; }
private:
    Recordset* m_rs;
    std::string m_name;
};

enum class EditState { None, Edit, AddNew };

class Recordset {
public:
    explicit Recordset(std::unique_ptr<RecordsetImpl> impl);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Fields of the current row. Throws DaoError(NoSuchField) naming the object
    // and the field, or (NoCurrentRecord) when BOF or EOF.
    Field Fields(const std::string& name) { return Field(*this, name); }
    Value get(const std::string& name) const;
    // The same, and an empty value (null or blanks) is refused like a damaged
    // one, naming the file, the table, the row and the field, with `expected`
    // saying what the field should hold ("1 以上の期の番号").
    Value getRequired(const std::string& name, const std::string& expected) const;
    void set(const std::string& name, const Value& value);  // only between AddNew/Edit and Update
    std::vector<std::string> fieldNames() const;
    // A field's position, for walks that read the same fields of many rows
    // (throws NoSuchField), and the field at that position of the current row.
    int fieldPosition(const std::string& name) const;
    Value getAt(int position) const;
    // getAt(position).toText(), into `text` (whose room a walk keeps from row to row).
    void getTextAt(int position, std::string& text) const;
    bool hasField(const std::string& name) const;

    // Writing. Update writes the buffer (throws DaoError on failure; the buffer
    // then stays in place so the caller can CancelUpdate). After AddNew+Update
    // the current row stays where it was before AddNew (as the engine does);
    // LastModified() gives the bookmark of the added row.
    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();  // the current row; the position then has no current row until a Move
    EditState editMode() const;
    Bookmark LastModified() const;

    // Moving.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(long long rows);  // from the current row; past either end gives BOF/EOF
    // Every row in turn, from the first to the last, as MoveFirst and MoveNext
    // would give them, read in one pass where the source still holds the rows
    // as opened: `visit` is called on each with the recordset standing on it
    // (get and getAt read it, with the same checks) and must neither move it
    // nor write through it. Ends after the last row (EOF). For walks that read
    // many rows, such as a list fill.
    void ForEachRow(const std::function<void()>& visit);
    bool BOF() const;
    bool EOF_() const;  // EOF is a macro in <cstdio>
    bool isEmpty() const { return BOF() && EOF_(); }
    long long RecordCount() const;       // rows in the membership (deleted ones not counted)
    long long AbsolutePosition() const;  // 0-based, -1 without a current row

    // Finding, with a criteria text such as "勘定科目名 = '現金'" or
    // "銀行コード = '0001' AND 支店コード = '0001001'". Supported: =, <>, <, <=,
    // >, >=, Like, Is Null, Is Not Null, And, Or, Not, parentheses; literals
    // 'text' (with '' for a quote), "text", numbers, #yyyy/m/d#, True, False.
    // Literals are compared as values, never turned into SQL. A bad criteria
    // text throws DaoError(Syntax).
    void FindFirst(const std::string& criteria);
    void FindLast(const std::string& criteria);
    void FindNext(const std::string& criteria);
    void FindPrevious(const std::string& criteria);
    // Structured form: the row whose field equals the value.
    void FindFirst(const std::string& field, const Value& equals);
    bool NoMatch() const;

    Bookmark getBookmark() const;
    void setBookmark(const Bookmark& b);  // throws when the row no longer exists

    void Close();
    bool isOpen() const;
    const std::string& source() const;  // the table, query or SQL it was opened on

    RecordsetImpl& impl() { return *m_impl; }
private:
    std::unique_ptr<RecordsetImpl> m_impl;
};

// Quotes a text as a criteria literal: O'Brien -> 'O''Brien'.
std::string criteriaLiteral(const std::string& text);

}  // namespace dao
