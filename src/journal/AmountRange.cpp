#include "journal/AmountRange.h"

#include "platform/dao/DaoError.h"
#include "platform/dao/Value.h"

namespace journal {

AmountText ReadAmountText(const std::string& text)
{
    if (text.empty())
        return {AmountText::Kind::Empty, 0};
    const dao::Value value(text);
    if (!value.isNumeric())
        return {AmountText::Kind::NotNumeric, 0};
    std::int64_t whole = 0;
    try {
        whole = value.toInt64();
    } catch (const dao::DaoError&) {
        return {AmountText::Kind::OutOfRange, 0};
    }
    if (!FitsAmount(whole))
        return {AmountText::Kind::OutOfRange, 0};
    return {AmountText::Kind::Amount, static_cast<std::int32_t>(whole)};
}

}  // namespace journal
