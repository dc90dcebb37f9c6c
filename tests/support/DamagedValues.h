#pragma once
// Stored values a window must refuse when it opens: each case spoils a period
// file with SQL, as a damaged file or another program would leave it, and says
// what the refusal must name (the table, the row by its key fields, and the
// field). A window that refuses opens nothing, shows nothing and writes
// nothing: the file stays byte for byte as it was.

#include "platform/dao/DaoError.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>

namespace testsupport {

struct DamagedValue {
    const char* name;
    const char* spoil;  // SQL run on the file before the window opens
    const char* named;  // what the message says after "ファイル「<path>」"
};

inline void PrintTo(const DamagedValue& c, std::ostream* out)
{
    *out << c.name;
}

// The settings row: every window reads it when it opens.
inline constexpr DamagedValue kSettingsOfNulls{
    "settings row of nulls",
    "UPDATE 会計設定 SET 事業所名 = NULL, 会計年度 = NULL, 会計期間開始日 = NULL, 会計期間終了日 = NULL,"
    " 決算報告日 = NULL, 業種 = NULL, 申告区分 = NULL, 処理方法 = NULL, 消費税計算 = NULL, 端数処理 = NULL,"
    " 金額単位 = NULL, 元号 = NULL, 負記号 = NULL, 決算書用紙B5 = NULL, 帳票用紙B5 = NULL",
    "の「会計設定」の 1 行目（期首現金残高 0、期首預金残高 0）で、フィールド「会計年度」が空です（1 "
    "以上の期の番号のはずです）"};
inline constexpr DamagedValue kNoAmountUnit{"no amount unit", "UPDATE 会計設定 SET 金額単位 = NULL",
                                            "の「会計設定」の 1 行目（事業所名 テスト商事、会計年度 "
                                            "12）で、フィールド「金額単位」が空です（「円」か「百万円」のはずです）"};
inline constexpr DamagedValue kSecondSettingsRow{
    "second settings row",
    "INSERT INTO 会計設定 (事業所名, 会計年度, 会計期間開始日, 会計期間終了日, 金額単位)"
    " SELECT 事業所名, 会計年度, 会計期間開始日, 会計期間終了日, 金額単位 FROM 会計設定",
    "の「会計設定」に行が 2 行あります（会計設定は 1 行だけのはずです）"};

// The chart of accounts, the first account by code being 100 現金 (in use).
inline constexpr DamagedValue kSideSeven{"side of an account 7",
                                         "UPDATE 勘定科目コード表 SET 借貸区分 = 7 WHERE 勘定科目コード = '100'",
                                         "の「勘定科目コード表」の 1 行目（勘定科目コード 100、勘定科目名 "
                                         "現金）で、フィールド「借貸区分」の値「7」は使えません"
                                         "（0（借方）か 1（貸方）のはずです）"};
inline constexpr DamagedValue kNoStatementClass{
    "statement class empty on every account", "UPDATE 勘定科目コード表 SET 大分類 = ''",
    "の「勘定科目コード表」の 1 行目（勘定科目コード 100、勘定科目名 現金）で、フィールド「大分類」が空です"
    "（「資産の部」「負債の部」「資本の部」「経常損益」「特別損益」「決算」のどれかのはずです）"};
inline constexpr DamagedValue kOpeningBalanceFraction{
    "opening balance of one and a half yen", "UPDATE 勘定科目コード表 SET 期首残高 = 1.5 WHERE 勘定科目コード = '100'",
    "の「勘定科目コード表」の 1 行目（勘定科目コード 100、勘定科目名 "
    "現金）で、フィールド「期首残高」の値「1.5」は整数ではありません"};

// The tax rates: the fourth rate period begins on 2019-10-01.
inline constexpr DamagedValue kNegativeRate{
    "tax rate minus ten", "UPDATE 消費税率 SET 税率 = -10 WHERE 日付 = '2019-10-01'",
    "の「消費税率」の 4 行目（日付 2019/10/1、簡易税率 10）で、フィールド「税率」の値「-10」は使えません（0～100 "
    "の百分率のはずです）"};
inline constexpr DamagedValue kRateOfAThousand{
    "tax rate one thousand", "UPDATE 消費税率 SET 簡易税率 = 1000 WHERE 日付 = '2019-10-01'",
    "の「消費税率」の 4 行目（日付 2019/10/1、税率 10）で、フィールド「簡易税率」の値「1000」は使えません（0～100 "
    "の百分率のはずです）"};

// The fixed-asset register.
inline constexpr DamagedValue kNegativeCost{
    "fixed asset of negative cost",
    "INSERT INTO 固定資産台帳 (管理番号, 名称, 勘定科目コード, 取得年月日, 取得価格, 償却方法, 耐用年数)"
    " VALUES ('A-2', '倉庫', '140', '2024-04-01', -300000, '定額法', 24)",
    "の「固定資産台帳」の 1 行目（管理番号 A-2、名称 倉庫）で、フィールド「取得価格」の値「-300000」は使えません（0 "
    "以上の金額のはずです）"};

// The bank and branch masters, whose codes a damaged file holds twice.
inline constexpr DamagedValue kBankCodeTwice{
    "bank code twice",
    "DROP INDEX \"銀行コードﾏｽﾀｰ_key\"; INSERT INTO 銀行コードﾏｽﾀｰ (銀行コード, 銀行名, 振込銀行名, 使用銀行)"
    " VALUES ('0001', 'みずほ銀行', 'ﾐｽﾞﾎ', 1)",
    "の「銀行コードﾏｽﾀｰ」で、銀行コード「0001」の行が 2 行あります（銀行名 みずほ銀行、みずほ銀行）"};
inline constexpr DamagedValue kBranchCodeTwice{
    "branch code twice",
    "DROP INDEX \"支店コードﾏｽﾀｰ_key\"; INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名, 振込支店名, "
    "使用支店)"
    " VALUES ('0001', '0001203', '新宿西口支店', 'ｼﾝｼﾞﾕｸﾆｼｸﾞﾁ', 1)",
    "の「支店コードﾏｽﾀｰ」で、支店コード「0001203」の行が 2 行あります（支店名 新宿支店、新宿西口支店）"};

// The period: its start after its end.
inline constexpr DamagedValue kStartAfterEnd{
    "period start after its end", "UPDATE 会計設定 SET 会計期間開始日 = '2025-04-01'",
    "の「会計設定」の会計期間（2025年04月01日～2025年03月31日）は、開始日が終了日より後になっています"};

// Runs the case's SQL straight on the file, as another program would.
inline void Spoil(const std::string& path, const DamagedValue& c)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, c.spoil, nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(std::string(c.name) + ": " + message);
}

inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Spoils the file at `path` as `c` says and opens a `Window` on it: the window
// must refuse with a message that begins with the file and what `c` names,
// and the file must stay byte for byte as it was.
template <class Window> void ExpectWindowRefusesDamagedValue(const std::string& path, const DamagedValue& c)
{
    Spoil(path, c);
    const std::string before = FileBytes(path);
    try {
        Window form;
        FAIL() << "the window opened";
    } catch (const dao::DaoError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("ファイル「" + path + "」" + c.named, 0), 0u) << message;
    }
    EXPECT_EQ(FileBytes(path), before);
}

}  // namespace testsupport
