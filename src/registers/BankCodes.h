#pragma once
// The codes of the bank master: bank codes of four digits, branch codes of the
// bank code and a 3-character branch number.

#include "platform/dao/Recordset.h"

#include <optional>
#include <string>
#include <string_view>

namespace registers {

// The text with each full-width digit ("０" to "９") as its ASCII digit, the
// rest as it stands: a code typed with the Japanese input on is the same code.
std::string HalfWidthDigits(std::string_view text);

// A bank code typed into the bank master: one to four digits, ASCII or
// full-width (blanks around them do not count), stored zero-padded to four in
// ASCII ("12" and "１２" give "0012"). nullopt for anything else: more than
// four characters, or not digits.
std::optional<std::string> TypedBankCode(std::string_view text);

// Whether a typed branch number has exactly 3 characters.
bool IsBranchNumber(std::string_view text);

// The code "銀行追加" gives a new bank: the largest number among the stored
// codes (blanks around a code do not count; codes that are not numbers are
// passed over) plus 1, in four digits; "0001" for an empty master. nullopt when
// that would pass 9999. Moves the recordset.
std::optional<std::string> NextBankCode(dao::Recordset& banks);

// The code "支店追加" gives a new branch of a bank: the bank code followed by
// "000" for its first branch, else by the largest branch number of the bank
// plus 1 in three digits (numbers that are not numbers are passed over).
// nullopt when that would pass 999. Moves the recordset.
std::optional<std::string> NextBranchCode(dao::Recordset& branches, const std::string& bankCode);

}  // namespace registers
