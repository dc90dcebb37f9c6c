#pragma once
// The fields the printed setup lists build their lines from:
//  - texts left-set in n characters (blanks on the right, a longer text keeps
//    its first n characters; a full-width character counts one);
//  - numbers formatted with a mask and right-set in n characters, n blanks for
//    a value that is missing or not a number;
//  - rates with three decimals ("#0.000").
// Byte-wide texts use o::FitByteWidth; amounts wider than their field show as
// "*" (o::RightAlign), never cut.

#include "platform/dao/Value.h"

#include <string>
#include <string_view>

namespace setup {

std::string LeftSet(std::string_view text, int characters);

// The value formatted with `mask` (o::FormatNumber), `suffix` appended, then
// right-set in `characters`; blanks when the value is null or not a number.
std::string NumberField(const dao::Value& value, std::string_view mask, int characters, std::string_view suffix = {});

// "#0.000" right-set in `characters`: at least one digit before the point and
// three after, rounded half away from zero; blanks when missing.
std::string RateField(const dao::Value& value, int characters);

// True when the value is a number (or a numeric text) other than 0.
bool IsNonZeroNumber(const dao::Value& value);

}  // namespace setup
