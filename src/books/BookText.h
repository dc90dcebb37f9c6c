#pragma once
// The fields the books build their lines from: texts fitted to Shift-JIS byte
// widths, masked amounts right-aligned in a fixed field ("*" when too wide),
// and the date column that shows a date only when it changes.

#include "common/NumberMasks.h"
#include "platform/dao/Value.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace books {

inline constexpr const char* kListMask = o::kAmountMask;
inline constexpr const char* kOpeningMask = o::kAmount12Mask;
inline constexpr const char* kLabelMask = o::kAmount10Mask;
inline constexpr const char* kNoAmount = "------------";  // the column that carries no amount

// Where a book hands its lines, one a call, in order: a list fills itself
// from them without a list of them held on the way.
using LineSink = std::function<void(std::string_view line)>;

std::string fit(const std::string& text, int bytes);
std::string amountField(std::int64_t amount, const char* mask, int width);
std::string blanks(int count);

// The date column of the journal-based books: 12 bytes holding the row's date
// as "yy/mm/dd(aaa)" when it is set and differs from the date shown last,
// otherwise blanks.
class DateColumn {
public:
    explicit DateColumn(const dao::Date& start) : m_lastShown(start) {}
    std::string next(const std::optional<dao::Date>& date);
private:
    dao::Date m_lastShown;
};

// Appends fields left to right, each straight into the line.
class LineBuilder {
public:
    LineBuilder() { m_line.reserve(160); }
    LineBuilder& text(const std::string& value, int bytes);
    LineBuilder& gap(int count)
    {
        m_line.append(count > 0 ? static_cast<std::size_t>(count) : 0, ' ');
        return *this;
    }
    LineBuilder& amount(std::int64_t value, int width, const char* mask = kListMask);
    // An amount, or the hyphens of the column that carries none.
    LineBuilder& amountOrNone(std::optional<std::int64_t> value, int width, const std::string& none = kNoAmount)
    {
        if (value)
            return amount(*value, width);
        m_line += none;
        return *this;
    }
    LineBuilder& raw(const std::string& value)
    {
        m_line += value;
        return *this;
    }
    const std::string& str() const { return m_line; }
private:
    std::string m_line;
};

}  // namespace books
