#pragma once
// A parsed criteria text, as given to FindFirst and its kin:
//   勘定科目名 = '現金'
//   銀行コード = '0001' AND 支店コード = '0001001'
//   (小分類 = '売上高' Or 小分類2 = '売上高') And Not 決算仕訳
// Operators =, <>, <, <=, >, >=, Like (with * ? #), Is [Not] Null; And, Or, Not;
// parentheses (with Not, nested at most 64 deep: a deeper text is refused as
// a syntax error); keywords in any case. Literals: 'text' ('' for a quote), "text",
// numbers, #yyyy/m/d#, True, False. Field names may be written [in brackets].
//
// The parsed form is evaluated in the program against a row's values; nothing of
// the text ever reaches SQL. Text comparison is as the engine's: case-insensitive
// for ASCII letters; a null is equal to nothing (and Is Null finds it).

#include "Value.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dao {

class Criteria {
public:
    // Throws DaoError(Syntax) with the text and the place it could not read.
    static Criteria parse(const std::string& text);

    using FieldReader = std::function<Value(const std::string& field)>;
    bool matches(const FieldReader& read) const;

    // The field names the criteria mention, so a caller can check them first.
    const std::vector<std::string>& fieldNames() const;

    struct Node;
private:
    std::shared_ptr<const Node> m_root;
    std::vector<std::string> m_fields;
};

// Compares two values the way criteria do (numbers numerically, dates by date,
// texts case-insensitively for ASCII). Returns <0, 0, >0; nullopt when either is null.
std::optional<int> compareValues(const Value& a, const Value& b);

}  // namespace dao
