#pragma once
// The depreciation the fixed-asset register shows: on leaving 期首残存価格
// (this period from the typed book value) and on its button
// "取得日から減価償却費計算（残存価格計算）" (the walk from the acquisition for the
// chosen asset's record). Neither stores anything.

#include "platform/dao/Recordset.h"
#include "registers/FixedAssetFields.h"

#include <string>

namespace registers {

inline constexpr const char* kNoDepreciationRuleMessage =
    "年度途中で償却率が変わるため、計算できません　残存価格を入力して「今期減価償却計算」をしてください";

// What the window does with a request.
struct FixedAssetFigures {
    enum class Kind {
        Shown,     // show `depreciation` (and, from the button, `residual`)
        Refused,   // beep when `beep`, then `message` in an OK box without a title
        BeepOnly,  // beep and give the focus back to 期首残存価格
    };
    Kind kind = Kind::Shown;
    std::string message;
    bool beep = false;
    std::string depreciation;  // "###,###,##0", for 減価償却費
    std::string residual;      // "###,###,##0", for 期首残存価格 (the button only)
};

// Leaving 期首残存価格 with the fields as typed: a book value that is not a
// number only beeps; then the checks of the register (a useful life of 0 or
// less is "数値が正しくありません"); the rate must be a number for "定額法" and
// "定率法", and "定率法" acquired from 2007-04-01 needs its guarantee rate
// ("データが入力されていません" when empty); then PeriodDepreciation. Where no
// rule applies, the register's refusal message (no beep).
FixedAssetFigures DepreciationOnLeavingResidual(const FixedAssetFields& fields, const dao::Date& periodStart,
                                                const dao::Date& periodEnd);

// The refusal of a stored asset whose useful life is 0 or less, naming the
// asset and the field: "固定資産「検査装置」（管理番号 F-1）の耐用年数「0」では償却できません（…）".
std::string StoredLifeMessage(const std::string& name, const std::string& number, const std::string& life);

// The button on the current record of a recordset on Q_固定資産台帳: a record
// without its acquisition date or price ("データが入力されていません"), with a
// useful life of 0 or less (StoredLifeMessage, naming the asset), without the rate its
// method needs or, for "定率法" from 2007-04-01, its guarantee rate, is refused
// with a beep; "定率法" acquired from 2007-04-01 with a life the statutory
// tables lack is refused with the register's refusal message (no beep); any
// other asset is computed by DepreciationToDate. A record without a book value
// passes its cost, so that the walk alone decides.
FixedAssetFigures DepreciationFromAcquisition(const dao::Recordset& asset, const dao::Date& periodStart,
                                              const dao::Date& periodEnd);

}  // namespace registers
