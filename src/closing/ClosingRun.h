#pragma once
// What the closing window's posting runs (the depreciation journal and the
// consumption-tax settlement) take and give back. A run works on the period
// file alone: it reads the settings, the chart of accounts and whatever else it
// needs from the database, writes its closing entries in one transaction of the
// workspace, and returns the messages the window shows, in order. It never
// touches a widget.

#include "platform/dao/Value.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dao {
class Database;
}

namespace closing {

// The texts of the closing window's three date boxes, as shown: "2026年",
// "03月", "31日" (the number at the start of each text counts).
struct ClosingDateBoxes {
    std::string year;
    std::string month;
    std::string day;
};

// One message for the window to show, in a message box of these buttons.
struct ClosingNotice {
    std::string text;
    std::optional<std::string> title;  // nullopt: a box without a title of its own
    bool okCancel = false;             // OK/Cancel buttons (the answer changes nothing); else OK
    bool beep = false;                 // beep before the box
};

struct ClosingRunResult {
    std::vector<ClosingNotice> notices;       // to show, in this order
    std::vector<std::string> postedVouchers;  // 伝票番号 of the vouchers written, in order
    int postedRows = 0;

    bool posted() const { return postedRows > 0; }
};

// The fiscal period of 会計設定 (first row).
struct ClosingPeriod {
    dao::Date first;  // 会計期間開始日
    dao::Date last;   // 会計期間終了日
};

inline const char* const kPeriodNotSetMessage = "会計期間が設定されていません";
inline const char* const kInvalidDateMessage = "日付が正しくありません";

// The period of the settings row; nullopt when either date is missing.
std::optional<ClosingPeriod> ReadClosingPeriod(dao::Database& database);

// "決算日（yyyy/mm/dd）が会計期間（yyyy/mm/dd～yyyy/mm/dd）の外にあります"
std::string DateOutsidePeriodMessage(const dao::Date& date, const ClosingPeriod& period);

// The date of the boxes, checked: a date that does not exist gives
// kInvalidDateMessage, a settings row without its period kPeriodNotSetMessage,
// and a date outside the period DateOutsidePeriodMessage (closing entries
// belong to the period they close: rows dated outside it would stay in the
// next period's file at the rollover and be settled again by a second run).
struct CheckedClosingDate {
    std::optional<dao::Date> date;
    std::optional<ClosingPeriod> period;
    std::optional<ClosingNotice> refusal;  // set when date is not
};
CheckedClosingDate CheckClosingDate(dao::Database& database, const ClosingDateBoxes& boxes);

// The chart of accounts (Q_勘定科目コード表), read once: codes by name.
class ChartCodes {
public:
    explicit ChartCodes(dao::Database& database);

    // The code of the first account, by code, with this name; "" when none has it.
    std::string codeOf(const std::string& accountName) const;
    bool has(const std::string& code) const;

private:
    std::vector<std::pair<std::string, std::string>> m_accounts;  // (code, name) by code
};

// The day as the period file's DATE columns hold it: "yyyy-mm-dd".
std::string IsoDay(const dao::Date& date);

// An OK box without a title, after a beep: the form of the closing window's refusals.
ClosingNotice Refusal(const std::string& text);
// An OK box without a title and without a beep.
ClosingNotice Information(const std::string& text);

}  // namespace closing
