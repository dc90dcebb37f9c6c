#pragma once
// How the database layer reads a date held as text in a period file: the
// stored forms 'YYYY-MM-DD' and 'YYYY-MM-DD HH:MM:SS' at once, and every other
// form Date::parse knows ("2026/3/3", "2026-3-3", "2026/03/03 9:30") as well,
// so a file edited with another tool reads the same. The one routine behind
// a date column's value and behind the period filters' day numbers.

#include "Value.h"

#include <optional>
#include <string_view>

namespace dao {

std::optional<Date> ReadStoredDate(std::string_view text);

}  // namespace dao
