#include "ValueDomains.h"

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string_view>

namespace dao {

namespace {

// One field's rule: the whole numbers from `low` to `high`, or one of the
// texts `texts`; `required`: an empty value is refused too.
struct Rule {
    std::string_view table;
    std::string_view field;
    bool required;
    long long low;
    long long high;
    std::initializer_list<std::string_view> texts;
    std::string_view expected;  // said to the user: what the field holds
};

constexpr long long kNoLimit = 2147483647LL;

const Rule kRules[] = {
    {"会計設定", "会計年度", false, 1, 32767, {}, "1 以上の期の番号"},
    {"会計設定", "金額単位", true, 0, 0, {"円", "百万円"}, "「円」か「百万円」"},
    {"勘定科目コード表", "借貸区分", false, 0, 1, {}, "0（借方）か 1（貸方）"},
    {"勘定科目コード表",
     "大分類",
     false,
     0,
     0,
     {"資産の部", "負債の部", "資本の部", "経常損益", "特別損益", "決算"},
     "「資産の部」「負債の部」「資本の部」「経常損益」「特別損益」「決算」のどれか"},
    {"消費税率", "税率", false, 0, 100, {}, "0～100 の百分率"},
    {"消費税率", "簡易税率", false, 0, 100, {}, "0～100 の百分率"},
    {"固定資産台帳", "取得価格", false, 0, kNoLimit, {}, "0 以上の金額"},
};

bool isEmpty(const Value& value)
{
    return value.isNull()
        || (value.kind() == ValueKind::Text
            && std::get<std::string>(value.data()).find_first_not_of(" \t") == std::string::npos);
}

bool fits(const Rule& rule, const Value& value)
{
    if (rule.texts.size() != 0) {
        const std::string text = value.toText();
        for (std::string_view allowed : rule.texts)
            if (text == allowed)
                return true;
        return false;
    }
    if (!value.isNumeric())
        return false;
    const double number = value.toDouble();
    return std::isfinite(number) && number == std::floor(number) && number >= static_cast<double>(rule.low)
        && number <= static_cast<double>(rule.high);
}

}  // namespace

int domainRuleOf(const std::string& table, const std::string& field)
{
    for (std::size_t i = 0; i < std::size(kRules); ++i)
        if (kRules[i].table == table && kRules[i].field == field)
            return static_cast<int>(i);
    return -1;
}

std::optional<StoredValueProblem> domainProblem(int rule, const Value& value, bool joined)
{
    if (rule < 0 || rule >= static_cast<int>(std::size(kRules)))
        return std::nullopt;
    const Rule& r = kRules[static_cast<std::size_t>(rule)];
    const std::string expected = "（" + std::string(r.expected) + "のはずです）";
    if (isEmpty(value)) {
        if (!r.required || joined)
            return std::nullopt;
        return StoredValueProblem{DaoError::Code::TypeMismatch, expected, true};
    }
    if (fits(r, value))
        return std::nullopt;
    return StoredValueProblem{DaoError::Code::TypeMismatch, "は使えません" + expected, false};
}

}  // namespace dao
