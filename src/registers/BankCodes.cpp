#include "registers/BankCodes.h"

#include "common/Utf8.h"
#include "periodfile/SchemaNames.h"
#include "registers/BankMasterRows.h"

#include <algorithm>
#include <cstdio>

namespace registers {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number of a text of ASCII digits (blanks around it allowed), at most 9
// digits; nullopt for anything else.
std::optional<int> NumberOf(std::string_view text)
{
    const std::string_view digits = TrimBlanks(text);
    if (digits.empty() || digits.size() > 9
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

std::string ZeroPadded(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

}  // namespace

std::string HalfWidthDigits(std::string_view text)
{
    // "０" is U+FF10: EF BC 90 in UTF-8, up to "９" EF BC 99.
    std::string result;
    for (std::size_t pos = 0; pos < text.size();) {
        if (pos + 2 < text.size() && text[pos] == '\xEF' && text[pos + 1] == '\xBC'
            && static_cast<unsigned char>(text[pos + 2]) >= 0x90 && static_cast<unsigned char>(text[pos + 2]) <= 0x99) {
            result += static_cast<char>('0' + (static_cast<unsigned char>(text[pos + 2]) - 0x90));
            pos += 3;
        } else {
            result += text[pos++];
        }
    }
    return result;
}

std::optional<std::string> TypedBankCode(std::string_view text)
{
    const std::string ascii = HalfWidthDigits(text);
    const std::string_view digits = TrimBlanks(ascii);
    if (digits.size() > 4)
        return std::nullopt;
    const auto number = NumberOf(digits);
    if (!number)
        return std::nullopt;
    return ZeroPadded(*number, 4);
}

bool IsBranchNumber(std::string_view text)
{
    int characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++characters)
        pos += o::utf8::decodeAt(text, pos).length;
    return characters == 3;
}

std::optional<std::string> NextBankCode(dao::Recordset& banks)
{
    int largest = 0;
    if (!banks.isEmpty())
        for (banks.MoveFirst(); !banks.EOF_(); banks.MoveNext())
            if (const auto number = NumberOf(banks.get(schema::column::BankCode).toText()))
                largest = std::max(largest, *number);
    if (largest >= 9999)
        return std::nullopt;
    return ZeroPadded(largest + 1, 4);
}

std::optional<std::string> NextBranchCode(dao::Recordset& branches, const std::string& bankCode)
{
    bool hasBranch = false;
    int largest = -1;
    if (!branches.isEmpty())
        for (branches.MoveFirst(); !branches.EOF_(); branches.MoveNext()) {
            if (branches.get(schema::column::BankCode).toText() != bankCode)
                continue;
            hasBranch = true;
            if (const auto number = NumberOf(BranchNumberOf(branches.get(schema::column::BranchCode).toText())))
                largest = std::max(largest, *number);
        }
    if (!hasBranch)
        return bankCode + "000";
    if (largest >= 999)
        return std::nullopt;
    return bankCode + ZeroPadded(largest + 1, 3);
}

}  // namespace registers
