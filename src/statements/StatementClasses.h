#pragma once
// The account classes the statements test in Q_使用勘定科目表 (大分類, 中分類,
// 小分類), by their stored texts.

#include <string>

namespace statements::cls {

// 大分類
inline constexpr const char* kAssets = "資産の部";
inline constexpr const char* kLiabilities = "負債の部";
inline constexpr const char* kCapital = "資本の部";
inline constexpr const char* kOrdinary = "経常損益";
inline constexpr const char* kExtraordinary = "特別損益";
inline constexpr const char* kClosing = "決算";

// 中分類
inline constexpr const char* kClosingList1 = "決算１";
inline constexpr const char* kClosingList2 = "決算２";
inline constexpr const char* kManufacturingCost = "製造原価";

// 小分類
inline constexpr const char* kCashAndDeposits = "現金預金";
inline constexpr const char* kSga = "販売管理費";

// The accounts of the manufacturing cost report: 中分類 "製造原価". Every
// statement gathers them into the one figure "当期製品製造原価".
inline bool IsManufacturingAccount(const std::string& middle)
{
    return middle == kManufacturingCost;
}

}  // namespace statements::cls
