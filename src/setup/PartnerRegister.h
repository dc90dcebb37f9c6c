#pragma once
// The business partners of the tab "取引先管理" (Q_取引先管理): adding a partner,
// writing the boxes over the partner of a chosen line and deleting it, each in
// one transaction. A chosen line's partner is found again by its name and its
// place among the partners of that name, and refused when it changed or
// vanished since the line was shown. Nothing typed is checked: names, days and
// texts are stored as they stand.

#include "setup/ShownRecords.h"

#include <optional>
#include <string>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

inline constexpr const char* kPartnerWhat = "取引先";
// "削除" asks this in a Yes/No box titled "得意先管理".
inline constexpr const char* kDeletePartnerQuestion = "選択された得意先を削除します　よろしいですか？";

// The boxes of the tab.
struct PartnerBoxes {
    std::string name;            // Text10(0) 取引先名
    std::string business;        // Text10(1) 取引内容
    std::string address;         // Text10(2) 住所
    std::string representative;  // Text10(3) 代表者
    std::string phone;           // Text10(4) 電話番号
    std::string mail;            // Text10(5) メールアドレス
    std::string closingDay;      // Combo10(1) "20日": 締日
    std::string paymentDay;      // Combo10(2) "60日後": 支払日
    std::string rank;            // Combo10(3) 取引先ランク
};

// The number a day text begins with (leading blanks skipped): 20 for "20日",
// 60 for "60日後", 0 for a text that does not begin with a digit.
long long LeadingDayNumber(const std::string& text);

// "登録": 取引先名 always (also when empty), every other field only when its box
// is filled (締日 and 支払日 as the numbers their texts begin with).
void RegisterPartner(dao::Workspace& ws, dao::Database& db, const PartnerBoxes& boxes);

// "更新": 取引先名 and 取引先ランク always, every other field only when its box is
// filled, so emptying a box never clears a stored value.
std::optional<std::string> UpdatePartner(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                         const PartnerBoxes& boxes);

std::optional<std::string> DeletePartner(dao::Workspace& ws, dao::Database& db, const ShownLine& line);

}  // namespace setup
