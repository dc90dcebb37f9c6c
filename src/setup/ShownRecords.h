#pragma once
// A list line of a register names its record by a key (a template's 仕訳ID and
// 追番, a partner's name, an asset's number, ...). Keys need not be unique, so a
// line also knows which of the records with its key it shows (its occurrence,
// counted in the list's order) and what the record held when it was shown (its
// fingerprint). Before a line is used, its record is found again by key and
// occurrence, and refused when it no longer holds what the line showed or is
// gone: another window or program may have changed the file since.
//
// The fingerprint covers the fields the register compares: what its line and
// the boxes a click on it fills show, and what its writes write. A field that
// another window keeps and the register neither shows nor writes (a bank
// account's 現残高, stored by the bank books) is left out, so that its change
// does not make the line stale.

#include "platform/dao/Recordset.h"

#include <functional>
#include <string>
#include <vector>

namespace setup {

// The fields a register compares; empty for every field (a register whose
// writes replace whole rows).
using ComparedFields = std::vector<std::string>;

// Every field of the recordset's current row, as text.
std::string RecordFingerprint(const dao::Recordset& rs);
// The compared fields of the current row, as text.
std::string RecordFingerprint(const dao::Recordset& rs, const ComparedFields& fields);

// The key a register gives the current row of its recordset.
using RecordKey = std::function<std::string(const dao::Recordset&)>;

// What a chosen line showed.
struct ShownLine {
    std::string key;
    int occurrence = 0;  // 0: the first record with this key in the list's order
    std::string fingerprint;
    ComparedFields fields;  // what the fingerprint covers
};

// The line `index` of a list whose lines have these keys and fingerprints of
// these fields.
ShownLine ShownLineAt(const std::vector<std::string>& keys, const std::vector<std::string>& fingerprints,
                      const ComparedFields& fields, int index);

enum class ShownState { Unchanged, Changed, Vanished };

// Walks `rs` from its first row to the record of the line and leaves it there
// (at its end when the record is gone).
ShownState LocateShownRecord(dao::Recordset& rs, const RecordKey& keyOf, const ShownLine& line);

// The refusals, naming what the register keeps ("定型仕訳", "取引先", ...).
std::string ChangedElsewhereMessage(const std::string& what);
std::string VanishedMessage(const std::string& what);
// The message for a state other than Unchanged.
std::string ShownStateMessage(ShownState state, const std::string& what);

}  // namespace setup
