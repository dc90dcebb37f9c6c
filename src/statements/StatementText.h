#pragma once
// The pieces every statement line is made of: labels fitted to a Shift-JIS
// byte width, amounts with the statement mask right-aligned in a fixed field,
// the period text and the unit text.

#include "common/NumberMasks.h"
#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <string>

namespace statements {

inline constexpr const char* kStatementMask = o::kAmount12Mask;
inline constexpr int kAmountWidth = 18;

// The amount with "###,###,###,##0" right-aligned in `width` characters.
std::string AmountField(std::int64_t amount, int width = kAmountWidth);

// " ", the label fitted to `labelWidth` bytes, " ", the amount field: one line
// of the balance sheet (30 bytes in report form, 26 in account form).
std::string LabelAmountLine(const std::string& label, std::int64_t amount, int labelWidth);

// The statements' period line: when `now` is later than the period's last
// day, "yyyy年mm月dd日からyyyy年mm月dd日まで", otherwise "yyyy年mm月dd日現在"
// of today. The last day itself (any time after its start) already shows the
// whole period.
std::string PeriodText(const std::optional<dao::Date>& first, const std::optional<dao::Date>& last,
                       const dao::Date& now);

// The unit of the figures: they are whole yen whatever 金額単位 says.
inline constexpr const char* kUnitText = "（単位：円）";

// A printed amount of the profit and loss statement (PrintAmount): the
// amount formatted with `mask` and right-aligned in `width` characters; a
// negative amount, when `triangle` is set, as "△" and its digits, the field
// then printed without its first character (the double-width "△" takes two
// columns), so that every printed field keeps the same width.
std::string PrintedAmount(std::int64_t amount, const std::string& mask, int width, bool triangle);

}  // namespace statements
