#pragma once
// The fields of the fixed-asset register as typed on the setup window, and the
// checks its buttons and field exits make on them before anything is stored or
// computed.

#include "platform/dao/Value.h"

#include <optional>
#include <string>
#include <string_view>

namespace registers {

// The texts of the fields, by what they hold (the window's controls in brackets).
struct FixedAssetFields {
    std::string number;        // 管理番号 [Text4(0)]
    std::string name;          // 名称 [Text4(1)]
    std::string cost;          // 取得価格 [Text4(2)]
    std::string residual;      // 期首残存価格 [Text4(3)]
    std::string guarantee;     // 保証率% [Text4(4)]
    std::string depreciation;  // 減価償却費 [Text4(5)]
    std::string remarks;       // 備考 [Text4(6)]
    std::string quantity;      // 数量 [Combo6(0)]
    std::string accountName;   // 勘定科目 [Combo6(1)]
    std::string year;          // 取得年月日: "2021年" [Combo6(2)]
    std::string month;         // "4月" or "04月" [Combo6(3)]
    std::string day;           // "1日" [Combo6(4)]
    std::string method;        // 償却方法 [Combo6(5)]
    std::string life;          // 耐用年数: "10年" [Combo6(6)]
    std::string rate;          // 償却率% [Combo6(7)]
    std::string department;    // 管理部署 [Combo6(8)]
};

inline constexpr const char* kNoDataMessage = "データが入力されていません";
inline constexpr const char* kBadNumberMessage = "数値が正しくありません";
inline constexpr const char* kBadDateMessage = "日付が正しくありません";

// The number a text begins with: 10 for "10年", 4 for "04月", 12.5 for "12.5",
// 0 for "" or a text that does not begin with a number.
double LeadingNumber(std::string_view text);

// A text that reads as a number as a whole ("1,000", "-3", "6.552").
bool IsNumericText(std::string_view text);

// The acquisition date as the register stores it: the leading numbers of the
// year, month and day texts joined with "/" without leading zeros ("2021/4/1").
std::string AcquisitionDateText(const FixedAssetFields& fields);

// That date when it names a real calendar date (31 February does not).
std::optional<dao::Date> AcquisitionDate(const FixedAssetFields& fields);

// The useful life as the register stores it: the leading number of its text,
// rounded to a whole number (halves to the even one); 0 for an empty text.
int UsefulLifeYears(const FixedAssetFields& fields);

// Who checks: the buttons "登録" and "更新", or leaving 期首残存価格.
enum class FixedAssetCheck { Register, Update, LeaveResidual };

// The checks in their order; the message of the first that fails, nullopt when
// all pass:
//   - required texts: 管理番号, 名称, 取得価格, 数量, 勘定科目, the three date
//     texts, 償却方法, and for "更新" 耐用年数 too ("データが入力されていません");
//   - 数量, 取得価格 and 期首残存価格 must be numbers; leaving 期首残存価格 also
//     needs a useful life above 0 ("数値が正しくありません");
//   - the date must be a real date ("日付が正しくありません").
std::optional<std::string> CheckFixedAssetFields(const FixedAssetFields& fields, FixedAssetCheck check);

}  // namespace registers
