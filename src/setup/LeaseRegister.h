#pragma once
// The lease register (Q_リース資産管理) of the tab "固定資産／リース資産管理":
// the checks of the boxes, adding a lease, writing the boxes over the lease of
// a chosen line and deleting it, each in one transaction. Boxes are written as
// their texts stand; the period file turns amounts with grouping commas into
// numbers and refuses a text that is not one. A chosen line's lease is found
// again by its contract number and its place among the leases of that number.

#include "platform/dao/Value.h"
#include "setup/ShownRecords.h"

#include <optional>
#include <string>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

inline constexpr const char* kLeaseWhat = "リース物件";
// "削除" asks this in a Yes/No box titled "リース物件管理".
inline constexpr const char* kDeleteLeaseQuestion = "選択されたリース物件を削除します　よろしいですか？";

// The boxes of the lease register.
struct LeaseBoxes {
    std::string contract;     // Text6(0) 契約番号
    std::string assetName;    // Text6(1) 資産名称
    std::string accountName;  // Combo17(0) 勘定科目
    std::string year;         // Combo17(1) "2024年"
    std::string month;        // Combo17(2) "4月" / "04月"
    std::string day;          // Combo17(3) "1日"
    std::string purchase;     // Text6(2) 購入金額
    std::string total;        // Text6(3) 支払総額
    std::string payments;     // Text6(4) リース回数
    std::string monthly;      // Text6(5) 月リース料金 (and 減価償却費)
    std::string interest;     // Text6(6) 月支払利息
    std::string lessor;       // Text6(7) リース会社
    std::string department;   // Combo17(4) 使用部署
    std::string remarks;      // Text6(8) 備考
};

enum class LeaseButton { Register, Update };

// The checks of "登録" and "更新" in their order: the boxes that must be filled
// (リース回数 may be empty on "更新"): "データが入力されていません"; 購入金額 and
// 支払総額 numbers: "数値が正しくありません"; a real date: "日付が正しくありません".
// The acquisition date when all pass, else the message.
struct LeaseCheck {
    std::optional<dao::Date> date;
    std::string message;
};
LeaseCheck CheckLeaseBoxes(const LeaseBoxes& boxes, LeaseButton button);

// "登録": every field, 購入日 the acquisition date as well.
void RegisterLease(dao::Workspace& ws, dao::Database& db, const LeaseBoxes& boxes, const dao::Date& acquiredOn,
                   const std::string& accountCode);

// "更新": every field but 購入日, over the lease of the line.
std::optional<std::string> UpdateLease(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                       const LeaseBoxes& boxes, const dao::Date& acquiredOn,
                                       const std::string& accountCode);

std::optional<std::string> DeleteLease(dao::Workspace& ws, dao::Database& db, const ShownLine& line);

}  // namespace setup
